// The file search over a machine's program directories.
#include "core/folders/FileSearch.h"

#include <algorithm>
#include <unordered_set>

#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Compared in place: a search runs over every file of the machine.
bool ContainsNoCase(const std::string& name, const std::string& upperText) {
    if (upperText.empty()) return true;
    return std::search(name.begin(), name.end(), upperText.begin(), upperText.end(),
                       [](char a, char b) { return UpperChar(a) == b; }) != name.end();
}

const char* PatternsFor(int kind) {
    switch (kind) {
        case DrawingFiles: return "*.drw";
        case ProgramFiles: return "*.prg";
        default: return "*.drw;*.prg";
    }
}

std::string NothingFound(const std::string& text, int kind) {
    if (!text.empty()) return "No Occurrences Of \" " + text + " \" Found ";
    switch (kind) {
        case DrawingFiles: return "No Drawings Found ";
        case ProgramFiles: return "No Programs Found ";
        default: return "No Drawings Or Programs Found ";
    }
}

}  // namespace

std::string FileSearch::unreadableNote() const {
    if (unreadable.empty()) return std::string();
    std::string note = "Not Searched:";
    for (const std::string& line : unreadable) note += "\n" + line;
    return note;
}

FileSearch SearchFiles(const std::string& machine, const std::string& requested, int kind) {
    FileSearch search;
    const std::string text = Trim(requested);
    if (text.size() > MaxSearchText) {
        search.outcome = Outcome::Refused("Invalid Search Text");
        return search;
    }
    if (kind < DrawingFiles || kind > DrawingAndProgramFiles) {
        search.outcome = Outcome::Refused("Drawings And / Or Programs Must Be Selected");
        return search;
    }

    platform::Platform& fs = platform::Current();
    // Folders only: a plain file lying in the machine folder is no directory.
    Result<std::vector<std::string>> folders = fs.listFolders(DirectoryPath(machine, ""));
    if (!folders.ok() && folders.kind() != ErrorKind::NotFound) {
        search.outcome = Outcome::Failed(folders.status());
        return search;
    }
    const std::string upperText = Upper(text);
    const char* patterns = PatternsFor(kind);
    std::unordered_set<std::string> seen;
    for (const std::string& folder : folders.value_or({})) {
        const std::string directory = LastPathComponent(folder);
        if (directory.empty() || Upper(directory) == "EXSUBS") continue;
        Result<std::vector<std::string>> files = fs.listFiles(DirectoryPath(machine, directory), patterns);
        if (!files.ok()) {
            // Gone since the machine folder was read: nothing to find there.
            if (files.kind() != ErrorKind::NotFound) search.unreadable.push_back(files.message());
            continue;
        }
        seen.clear();
        for (const std::string& file : *files) {
            std::string base = StripExtension(file);
            if (!ContainsNoCase(base, upperText)) continue;
            // A program and a drawing of one name give one row. A set, not
            // the row before: "X.e.prg" sorts between "X.drw" and "X.prg".
            if (kind == DrawingAndProgramFiles && !seen.insert(Upper(base)).second) continue;
            search.names.push_back(std::move(base));
            search.directories.push_back(directory);
        }
    }
    if (search.names.empty()) {
        const std::string note = search.unreadableNote();
        search.outcome = Outcome::Refused(NothingFound(text, kind) + (note.empty() ? "" : "\n\n" + note));
    }
    return search;
}

std::string SearchTextCaption(const std::string& text) {
    const std::string t = Trim(text);
    return t.empty() ? std::string() : "\" " + t + " \"";
}

std::string SearchKindCaption(int kind) {
    switch (kind) {
        case DrawingFiles: return " Drawings ";
        case ProgramFiles: return " Programs ";
        default: return " All Files ";
    }
}

}  // namespace qv
