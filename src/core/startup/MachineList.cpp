// Reading "Machine.lst" and filling machine lists from its table.
#include "core/startup/MachineList.h"

#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/startup/InstallationFiles.h"
#include "core/startup/ListFill.h"

namespace qv {

std::string MachineListPath() { return State().Config.SystemFolder + "Machine.lst"; }

Result<std::vector<MachineEntry>> ReadMachineList(const std::string& path) {
    return ReadNumberedList<MachineEntry>("machine list", path, [](MachineEntry& entry, auto next) {
        entry.Name = next();
        entry.Field2 = next();
        entry.Field3 = next();
        entry.Field4 = next();
    });
}

Status LoadMachineTable() {
    auto entries = ReadMachineList(MachineListPath());
    if (!entries) return entries.status();
    State().Config.MachineTable = std::move(*entries);
    return Status::Ok();
}

const MachineEntry* FindMachineEntry(std::int16_t number) {
    for (const auto& entry : State().Config.MachineTable)
        if (entry.Number == number) return &entry;
    return nullptr;
}

ListRows FillMachineList(std::int16_t currentNumber, bool includeCurrent, int selectMode) {
    return FillEntryRows(State().Config.MachineTable, currentNumber, includeCurrent, selectMode);
}

}  // namespace qv
