// Locating the PDF reader and the manuals folder.
#include "core/startup/Manuals.h"

#include <vector>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "platform/Platform.h"

namespace qv {
namespace {

bool NameHolds(const std::string& name, const char* part) {
    return Upper(name).find(part) != std::string::npos;
}

// The first line of a small configuration file, trimmed; nullopt when it
// cannot be read.
std::optional<std::string> FirstLine(const std::string& path) {
    auto lines = ReadLines(path);
    if (!lines) return std::nullopt;
    return lines->empty() ? std::string() : Trim(lines->front());
}

// The reader path, from "Acrobat.cfg" or by a search recorded there.
std::optional<std::string> ReaderFromConfiguration(const std::string& path) {
    auto& host = platform::Current();
    if (host.fileExists(path)) {
        auto first = FirstLine(path);
        if (!first) return std::nullopt;
        return (*first != "******" && first->size() > 6) ? *first : std::string();
    }
    auto found = FindPdfReader();
    if (!found) return std::nullopt;
    if (!WriteLines(path, {*found, "******"})) return std::nullopt;
    return found;
}

// The manuals folder, from "Manuals.cfg" or the default recorded there.
std::optional<std::string> ManualsFromConfiguration(const std::string& path,
                                                    const std::string& fallback) {
    auto& host = platform::Current();
    if (host.fileExists(path)) {
        auto first = FirstLine(path);
        if (!first) return std::nullopt;
        if (*first == "******" || first->size() <= 1) return fallback;
        return first->back() == '\\' ? *first : *first + "\\";
    }
    if (!WriteLines(path, {fallback, "******"})) return std::nullopt;
    return fallback;
}

// The manuals folder made when missing; "" when it holds no manual.
std::optional<std::string> UsableManualsFolder(const std::string& folder) {
    auto& host = platform::Current();
    const std::string bare = Trim(folder.substr(0, folder.size() - 1));
    if (!host.entryExists(bare) && !host.makeFolder(bare)) return std::nullopt;
    return host.listFiles(folder, "*.pdf").value_or({}).empty() ? std::string() : folder;
}

}  // namespace

std::optional<std::string> FindPdfReader() {
    auto& host = platform::Current();
    const std::string base = AdobeFolder;
    if (!host.folderExists(base)) return std::nullopt;

    std::vector<std::string> level1;
    for (const auto& name : host.listFolders(base).value_or({}))
        if (!name.empty() && NameHolds(name, "ACROBAT")) level1.push_back(base + "\\" + name);

    std::vector<std::string> level2;
    for (const auto& folder : level1)
        for (const auto& name : host.listFolders(folder).value_or({}))
            if (NameHolds(name, "ACROBAT") || NameHolds(name, "READER"))
                level2.push_back(folder + "\\" + name);

    std::string found;
    for (const auto& folder : level2)
        for (const auto& name : host.listFiles(folder, "*.exe").value_or({})) {
            std::string upper = Upper(Trim(name));
            if (upper == "ACROBAT.EXE" || upper == "ACRORD32.EXE") found = folder + "\\" + name;
        }
    return found;
}

void LocateManuals() {
    auto& config = State().Config;
    auto& host = platform::Current();
    config.ReaderPath.clear();
    config.ManualsFolder.clear();

    auto reader = ReaderFromConfiguration(config.SystemFolder + "Acrobat.cfg");
    if (!reader) return;
    std::string readerPath = *reader;
    if (readerPath.empty() || !host.fileExists(readerPath)) readerPath.clear();

    auto manuals = ManualsFromConfiguration(config.SystemFolder + "Manuals.cfg",
                                            config.SystemFolder + "Manuals\\");
    if (!manuals) return;
    auto folder = manuals->empty() ? manuals : UsableManualsFolder(*manuals);
    if (!folder) return;

    config.ReaderPath = readerPath;
    config.ManualsFolder = *folder;
}

}  // namespace qv
