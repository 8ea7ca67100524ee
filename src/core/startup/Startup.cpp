// The start-up sequence.
#include "core/startup/Startup.h"

#include "core/common/State.h"
#include "core/startup/MachineList.h"
#include "core/startup/MachineSetUp.h"
#include "core/startup/ReverseList.h"
#include "core/startup/SystemConfiguration.h"
#include "core/tooling/Material.h"

namespace qv {

Status RunStartup() {
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
