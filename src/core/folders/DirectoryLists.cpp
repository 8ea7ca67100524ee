// Directory lists and the current program directory.
#include "core/folders/DirectoryLists.h"

#include <cctype>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/common/Text.h"
#include "platform/Platform.h"

namespace qv {
namespace {

// Names that are never a program directory, compared in upper case.
bool IsReservedName(const std::string& upperName) {
    return upperName == "." || upperName == ".." || upperName == "EXSUBS";
}

// A bare sub-folder name: anything that could reach outside the machine
// folder or match several folders is no directory name.
bool IsBareName(const std::string& name) {
    return name.find_first_of("\\/*?") == std::string::npos;
}

// The machine folder as the choice of the current directory sees it: read
// from the disc, or from a listing of it the caller has just made.
class MachineFolderView {
public:
    MachineFolderView(const std::string& folder, const std::vector<std::string>* entries)
        : folder_(folder), entries_(entries) {}

    // The folder's own spelling of a sub-folder name; "" when there is none.
    std::string folderNamed(const std::string& name) const {
        platform::Platform& fs = platform::Current();
        if (!entries_) return fs.folderExists(folder_ + name) ? fs.realName(folder_ + name) : std::string();
        const std::string* match = FindNoCase(*entries_, name);
        return match && fs.folderExists(folder_ + *match) ? *match : std::string();
    }

    std::string firstProgramDirectory() const {
        platform::Platform& fs = platform::Current();
        if (!entries_) {
            for (const std::string& folder : fs.listFolders(folder_).value_or({})) {
                const std::string name = LastPathComponent(folder);
                if (!name.empty() && !IsReservedName(Upper(name))) return name;
            }
            return std::string();
        }
        for (const std::string& entry : *entries_)
            if (!entry.empty() && !IsReservedName(Upper(entry)) && fs.folderExists(folder_ + entry)) return entry;
        return std::string();
    }

private:
    std::string folder_;  // ends in "\"
    const std::vector<std::string>* entries_;
};

void ChooseCurrentDirectory(const std::string& requested, const MachineFolderView& machineFolder) {
    std::string name = Trim(requested);
    if (HasColon(name)) {
        if (!DriveReady(name)) name.clear();
    } else if (!name.empty()) {
        // Only a folder can hold programs; a plain file of that name is no directory.
        const bool usable = IsBareName(name) && !IsReservedName(Upper(name));
        name = usable ? machineFolder.folderNamed(name) : std::string();
    }
    if (name.empty() || IsReservedName(Upper(name))) name = machineFolder.firstProgramDirectory();

    Configuration& config = State().Config;
    config.CurrentDirectory = name;
    config.CurrentDirectoryPath = DirectoryPath(State().Mach.MachineFolder, name);
    // The choice holds for this run even when it cannot be remembered.
    (void)WriteSystemConfiguration();
}

int Selection(int mode, const ListRows& rows, int remembered) {
    if (mode == SelectFirst) return rows.items.empty() ? -1 : 0;
    if (mode == SelectCurrent) return remembered;
    return -1;
}

}  // namespace

ListRows FillDirectoryList(const std::string& machine, const std::string& current,
                           bool includeDrives, bool includeCurrent, int mode) {
    ListRows rows;
    int remembered = -1;
    platform::Platform& fs = platform::Current();
    Result<std::vector<std::string>> listed = fs.listFolders(DirectoryPath(machine, ""));
    if (!listed.ok()) {
        rows.error = listed.status();
        return rows;
    }
    const std::vector<std::string>& folders = *listed;
    if (folders.empty()) return rows;

    const std::string currentUpper = Upper(Trim(current));
    auto add = [&](const std::string& entry, bool isCurrent) {
        if (isCurrent && !includeCurrent) return;
        if (isCurrent) remembered = static_cast<int>(rows.items.size());
        rows.items.push_back(entry);
    };

    for (const std::string& folder : folders) {
        const std::string name = LastPathComponent(folder);
        const std::string upper = Upper(name);
        if (name.empty() || IsReservedName(upper)) continue;
        add(name, upper == currentUpper);
    }

    if (includeDrives) {
        const std::string systemDrive = Upper(State().Config.SystemFolder.substr(0, 2));
        const std::string currentDrive = currentUpper.substr(0, 2);
        for (char d : fs.drives()) {
            const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(d)));
            if (letter < 'A' || letter > 'Z') continue;
            const std::string drive{letter, ':'};
            // The program's own drive is never offered as a place for programs.
            if (drive == systemDrive) continue;
            if (letter == 'A' || letter == 'B')
                add(drive + " [Floppy Disk]", drive == currentDrive);
            else if (fs.driveType(letter) == platform::DriveType::Removable)
                add(drive + " [Removable Drive]", drive == currentDrive);
        }
    }

    rows.data.assign(rows.items.size(), 0);
    rows.selected = Selection(mode, rows, remembered);
    return rows;
}

void SelectCurrentDirectory(const std::string& requested) {
    ChooseCurrentDirectory(requested, MachineFolderView(DirectoryPath(State().Mach.MachineFolder, ""), nullptr));
}

void SelectCurrentDirectory(const std::string& requested, const std::vector<std::string>& machineFolderEntries) {
    ChooseCurrentDirectory(requested,
                           MachineFolderView(DirectoryPath(State().Mach.MachineFolder, ""), &machineFolderEntries));
}

}  // namespace qv
