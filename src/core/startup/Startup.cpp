// The start-up sequence.
#include "core/startup/Startup.h"

#include "core/common/State.h"
#include "core/startup/MachineList.h"
#include "core/startup/MachineSetUp.h"
#include "core/startup/ReverseList.h"
#include "core/startup/SystemConfiguration.h"
#include "core/tooling/Material.h"
#include "platform/Platform.h"

namespace qv {
namespace {

// Held for the life of the program. A later start-up in the same process
// (tests do that) gives its own lock up first, or it would shut itself out.
std::unique_ptr<platform::FolderLock>& HeldSystemFolderLock() {
    static std::unique_ptr<platform::FolderLock> lock;
    return lock;
}

// Two programs on one system folder would overwrite each other's
// configuration, recent file and exchange files.
Status LockSystemFolder() {
    auto& held = HeldSystemFolderLock();
    held.reset();
    auto& host = platform::Current();
    const std::string folder = host.currentFolder();
    Result<std::unique_ptr<platform::FolderLock>> lock = host.lockFolder(".");
    if (!lock) {
        std::string reason = lock.message();
        if (reason.rfind(".: ", 0) == 0) reason.erase(0, 3);
        return Status::Error("The system folder \"" + folder + "\" cannot be locked (" + reason + ").");
    }
    if (!*lock) return Status::Error("Another Quorvane is already using the system folder \"" + folder + "\".");
    held = std::move(*lock);
    // Only now is no other program of ours writing here.
    (void)host.removeStaleTemporaries(".");
    return Status::Ok();
}

}  // namespace

Status RunStartup() {
    if (Status locked = LockSystemFolder(); !locked) return locked;
    if (Status read = ReadSystemConfiguration(); !read) return read;
    auto& config = State().Config;
    if (config.MachineTable.empty())
        return Status::Error("The machine list \"" + MachineListPath() + "\" lists no machine.");
    // Read before the machine set-up rewrites anything, so a missing file
    // stops start-up with the installation as it was.
    auto reverse = ReadReverseConfiguration();
    if (!reverse) return reverse.status();

    // A machine removed from the list since the last run cannot be set up.
    std::int16_t machine = config.SelectedMachine;
    if (!FindMachineEntry(machine)) machine = config.MachineTable.front().Number;
    if (Status setUp = SelectMachine(machine, config.CurrentDirectory); !setUp) return setUp;
    // The list was read moments ago when the reverse product is installed.
    if (config.ReverseInstalled)
        SelectReverseFrom(config.ReverseTable, *reverse);
    else
        SelectReverse(*reverse);
    return Status::Ok();
}

Status SelectMachine(std::int16_t number, const std::string& directoryName) {
    if (Status setUp = SetUpMachine(number, directoryName); !setUp) return setUp;
    // The material and its tool library belong to the machine.
    SelectMaterial("Default");
    return Status::Ok();
}

bool CanSelectMachine() { return State().Config.MachineCount() > 1; }

bool CanSelectReverse() { return State().Config.ReverseCount() > 1; }

}  // namespace qv
