// Folder making and file writing for the demo, and the order of the writers.
#include "DemoInstall.h"

#include "core/common/TextFile.h"
#include "platform/Platform.h"

namespace qv::demo {
namespace {
std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

const std::vector<DemoMachine>& DemoMachines() {
    static const std::vector<DemoMachine> machines{
        {1, "Turret Punch 1250", "PUNCH1", "ISO", false, 10, 20, 0, 2500, 1250, {{50, 1200}, {600, 2450}}},
        {2, "Turret Punch 1500 Combi", "PUNCH2", "FANUC", false, 11, 24, 1, 3000, 1500, {{50, 2900}}},
        {3, "Turret Punch 48 Inch", "PUNCHIN", "ISO", true, 10, 20, 0, 96, 48, {{2, 40}, {20, 94}}},
    };
    return machines;
}

Status MakeFolders(const std::string& folder) {
    platform::Platform& host = platform::Current();
    // "C:\A\B\" -> make "C:\A", then "C:\A\B"; the drive root exists.
    std::size_t pos = folder.find('\\');
    while (pos != std::string::npos && pos + 1 < folder.size()) {
        pos = folder.find('\\', pos + 1);
        const std::string part = folder.substr(0, pos);
        if (!host.folderExists(part)) {
            if (Status s = host.makeFolder(part); !s) return s;
        }
    }
    return Status::Ok();
}

Status WriteText(const std::string& path, const std::vector<std::string>& lines) {
    if (Status s = MakeFolders(ParentOf(path)); !s) return s;
    return WriteLines(path, lines);
}

Status WriteRecords(const std::string& path, std::size_t length, const std::vector<std::string>& records) {
    if (Status s = MakeFolders(ParentOf(path)); !s) return s;
    platform::Platform& host = platform::Current();
    std::string content;
    for (const std::string& record : records) {
        std::string fixed = record.substr(0, length);
        fixed.resize(length, '\0');
        content += fixed;
    }
    // Written whole: the records are laid end to end, as a record file holds them.
    return host.writeFile(path, content);
}

Status WriteInstallation(const DemoOptions& options) {
    if (Status s = WriteSystemFiles(options); !s) return s;
    for (const DemoMachine& machine : DemoMachines()) {
        if (Status s = WriteMachineFiles(machine); !s) return s;
        if (Status s = WriteToolLibrary(machine); !s) return s;
        if (Status s = WriteMaterials(machine); !s) return s;
    }
    if (Status s = WritePrograms(); !s) return s;
    if (Status s = WriteSubRoutines(); !s) return s;
    return WriteRemovableDrive();
}

}  // namespace qv::demo
