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
    auto reader = OpenRequiredFields("machine list", path);
    if (!reader) return reader.status();
    std::vector<MachineEntry> entries;
    while (!reader->atEnd()) {
        std::string field = reader->next();
        if (FieldReader::IsListEnd(field)) break;
        MachineEntry entry;
        entry.Number = TruncToInt16(LeadingNumber(field));
        if (entry.Number <= 0) break;
        entry.Name = Trim(reader->next());
        entry.Field2 = Trim(reader->next());
        entry.Field3 = Trim(reader->next());
        entry.Field4 = Trim(reader->next());
        entries.push_back(std::move(entry));
    }
    return entries;
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
