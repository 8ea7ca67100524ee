// Browsing an outside folder and importing from it.
#include "core/exchange/ImportSource.h"

#include <cctype>

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/FileSet.h"
#include "core/exchange/FileSetMembers.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

platform::Platform& Fs() { return platform::Current(); }

char DriveLetter(const std::string& folder) {
    return folder.size() >= 2 && folder[1] == ':' ? static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])))
                                                 : '\0';
}

std::string RootOf(const std::string& folder) { return folder.substr(0, 2) + "\\"; }

std::string DriveText(char letter) {
    const std::string drive{letter, ':'};
    switch (Fs().driveType(letter)) {
        case platform::DriveType::Removable:
            return drive + (letter == 'A' || letter == 'B' ? " [Floppy Disk]" : " [Removable Drive]");
        case platform::DriveType::CdRom: return drive + " [CD-ROM]";
        case platform::DriveType::Remote: return drive + " [Network Drive]";
        default: return drive;
    }
}

// The folder's parts below its drive's root ("E:\EXCH\A\" gives EXCH, A).
std::vector<std::string> PartsOf(const std::string& folder) {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 3; i < folder.size(); ++i) {
        if (folder[i] == '\\' || folder[i] == '/') {
            if (!part.empty() && part != ".") parts.push_back(part);
            if (part == ".." && parts.size() >= 2) parts.resize(parts.size() - 2);
            else if (part == "..") parts.clear();
            part.clear();
        } else {
            part += folder[i];
        }
    }
    if (!part.empty() && part != "." && part != "..") parts.push_back(part);
    return parts;
}

}  // namespace

std::string OpeningFolder(const std::string& remembered, const std::string& systemFolder) {
    const std::string systemRoot = Trim(systemFolder.substr(0, 3));
    const std::string folder = fileset::WithSeparator(Trim(remembered));
    if (DriveLetter(folder) == '\0' || !DriveReady(folder)) return fileset::WithSeparator(systemRoot);
    // A remembered folder that has gone since leaves its drive's root.
    if (folder.size() > 3 && !Fs().folderExists(folder)) return RootOf(folder);
    return folder;
}

Result<OutsideFolder> BrowseOutside(const std::string& folderIn) {
    const std::string given = fileset::WithSeparator(Trim(folderIn));
    const char letter = DriveLetter(given);
    if (letter == '\0' || !Fs().driveReady(letter))
        return Status::Error(given + ": the drive is not ready", ErrorKind::NotFound);
    OutsideFolder view;
    view.folder = RootOf(given);
    view.folder[0] = letter;
    view.folders.push_back({view.folder, view.folder, 0});
    for (const std::string& part : PartsOf(given)) {
        const std::string real = Fs().realName(view.folder + part);
        view.folder += (real.empty() ? part : real) + "\\";
        view.folders.push_back({real.empty() ? part : real, view.folder, static_cast<int>(view.folders.size())});
    }
    Result<std::vector<std::string>> subFolders = Fs().listFolders(view.folder);
    if (!subFolders.ok()) return subFolders.status();
    view.openRow = static_cast<int>(view.folders.size()) - 1;
    for (const std::string& name : *subFolders)
        view.folders.push_back({name, view.folder + name + "\\", view.openRow + 1});

    for (char d : Fs().drives()) {
        if (d == letter) view.drives.selected = static_cast<int>(view.drives.items.size());
        view.drives.items.push_back(DriveText(d));
    }
    view.drives.data.assign(view.drives.items.size(), 0);
    return view;
}

std::string ImportPattern(const std::string& boxText) { return Trim(boxText.substr(0, 12)); }

ListRows OutsideFiles(const std::string& folder, const std::string& pattern) {
    if (pattern.empty()) return {};
    return RowsOf(Fs().listFiles(fileset::WithSeparator(folder), pattern));
}

std::string ImportQuestion(const std::vector<std::string>& names, std::int16_t mode, const std::string& directory) {
    const bool one = names.size() == 1;
    if (mode == ImportSubRoutinesMode)
        return one ? "Import \"" + names[0] + "\" ?" : "Import " + NumberText(names.size()) + " Sub-Routines ?";
    return (one ? "Import \"" + names[0] + "\"" : "Import " + NumberText(names.size()) + " Files") + "\nTo \"" +
           directory + "\" ?";
}

Outcome ImportFiles(const std::string& source, const std::vector<std::string>& names, const AskFunction& ask) {
    int count = 0;
    for (const std::string& name : names) {
        const Outcome one = ImportFile(source, State().Config.CurrentDirectoryPath, Trim(name), ask);
        if (one.state() == Outcome::State::Failed || one.state() == Outcome::State::Refused)
            return Outcome::Failed(one.message(), one.kind(), count).with(CountMessage(count, "File", "Files", "Imported"));
        count += one.count();
    }
    return Outcome::Done(CountMessage(count, "File", "Files", "Imported"), count);
}

Outcome ImportSubRoutines(const std::string& sourceIn, const std::vector<std::string>& names,
                          const AskFunction& ask) {
    const std::string source = fileset::WithSeparator(sourceIn);
    const std::string target = State().Config.ReverseSubsFolder;
    auto notice = [](int n) { return CountMessage(n, "Sub-Routine", "Sub-Routines", "Imported"); };
    // Copying the folder's own files onto themselves would gain nothing.
    if (fileset::SameFolder(source, target)) return Outcome::Done(notice(0), 0);
    int count = 0;
    for (const std::string& nameIn : names) {
        const std::string name = Trim(nameIn);
        if (!fileset::IsPlainName(name)) continue;
        if (!OverwriteAllowed(Fs().fileExists(target + name), name, ask)) continue;
        if (!Fs().fileExists(source + name)) continue;
        // The copy replaces the old one in one step, so a failed copy keeps it.
        const Status copied = Fs().copyFile(source + name, target + name);
        if (!copied.ok()) return Outcome::Failed(copied, count).with(notice(count));
        ++count;
    }
    return Outcome::Done(notice(count), count);
}

}  // namespace qv
