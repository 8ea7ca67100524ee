// The machine set-up.
#include "core/startup/MachineSetUp.h"

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/SetRecovery.h"
#include "core/folders/DirectoryLists.h"
#include "core/startup/InstallationFiles.h"
#include "core/startup/MachineDescription.h"
#include "core/startup/MachineFolders.h"
#include "core/startup/MachineList.h"
#include "core/startup/Nesting.h"
#include "core/tooling/StationTable.h"
#include "platform/Platform.h"

namespace qv {
namespace {

// The machine's own files, read into machine before it becomes current so a
// broken one leaves the previous machine in place.
Status ReadMachineFiles(Machine& machine) {
    auto imperial = ReadMeasurementFile(machine.MachinePrefix + "msr");
    if (!imperial) return imperial.status();
    machine.ImperialMachine = *imperial;
    machine.InchUnits = *imperial;
    if (Status read = ReadMachineDescription(machine.MachinePrefix + "mch", machine); !read)
        return read;
    const std::string stations = machine.MachinePrefix + "stn";
    if (!platform::Current().fileExists(stations)) return RequiredFileError("station file", stations);
    return Status::Ok();
}

}  // namespace

Status SetUpMachine(std::int16_t number, const std::string& directoryName) {
    const auto& config = State().Config;
    const MachineEntry* entry = FindMachineEntry(number);
    if (!entry)
        return Status::Error("Machine " + NumberText(number) + " is not in the machine list \"" +
                             MachineListPath() + "\".");

    // Without a folder name every path would point at the folders' parents.
    if (Trim(entry->Field2).empty())
        return Status::Error("Machine " + NumberText(number) + " in the machine list \"" +
                             MachineListPath() + "\" has no folder name.");

    Machine machine;
    machine.Entry = {entry->Number, Trim(entry->Name), Trim(entry->Field2), Trim(entry->Field3),
                     Trim(entry->Field4)};
    machine.MachineFolder = machine.Entry.Field2;
    SetMachinePaths(machine);
    if (config.FullSuite) {
        if (Status read = ReadMachineFiles(machine); !read) return read;
        SetMachinePaths(machine);  // the profiles folder depends on the type just read
    }

    ProgramFolders programs = PrepareProgramFolders(machine.MachineFolder, directoryName);
    // A file-set change or a file write that a crash cut short is put right
    // before its folder is shown; the listing just made names the folders.
    const std::string machineFolder = config.MachineRoot + machine.MachineFolder + "\\";
    for (const std::string& entry : programs.entries) {
        const std::string folder = machineFolder + entry + "\\";
        (void)fileset::RecoverSetChanges(folder);
        (void)platform::Current().removeStaleTemporaries(folder);
    }
    PrepareExportSettings(machine);
    if (config.FullSuite) PrepareSuiteFolders(machine);

    // The station table can only be read in place; a broken one puts the
    // previous machine back whole.
    const Machine previous = State().Mach;
    const StationArray previousStations = StationTable();
    State().Mach = machine;
    if (config.FullSuite) {
        if (Status stations = LoadStationTable(); !stations) {
            State().Mach = previous;
            StationTable() = previousStations;
            return RequiredFileError("station file", machine.MachinePrefix + "stn", stations.message());
        }
    }
    State().Config.SelectedMachine = number;
    SetUpNesting();
    if (HasColon(programs.directory)) programs.directory.clear();
    SelectCurrentDirectory(programs.directory, programs.entries);
    return Status::Ok();
}

}  // namespace qv
