// Reading "Reverse.lst", choosing the processor, and "Reverse.cfg".
#include "core/startup/ReverseList.h"

#include "core/common/NumberText.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/startup/InstallationFiles.h"
#include "core/startup/ListFill.h"

namespace qv {

std::string ReverseListPath() { return State().Config.SystemFolder + "Reverse.lst"; }

std::string ReverseConfigurationPath() { return State().Config.SystemFolder + "Reverse.cfg"; }

Result<std::vector<ReverseEntry>> ReadReverseList(const std::string& path) {
    return ReadNumberedList<ReverseEntry>("reverse processor list", path, [](ReverseEntry& entry, auto next) {
        entry.Name = next();
        entry.Field2 = next();
        entry.Executable = next();
    });
}

Status LoadReverseTable() {
    auto entries = ReadReverseList(ReverseListPath());
    if (!entries) return entries.status();
    State().Config.ReverseTable = std::move(*entries);
    return Status::Ok();
}

void SelectReverseFrom(const std::vector<ReverseEntry>& entries, std::int16_t number) {
    auto& reverse = State().Reverse;
    reverse.ReverseNumber = number;
    for (const auto& entry : entries) {
        if (entry.Number != number) continue;
        reverse.ReverseName = Trim(entry.Name);
        reverse.ReverseExecutable = Upper(Trim(entry.Executable));
        return;
    }
}

// The table is empty where the reverse product is not installed, but a
// processor named in the file can still run.
void SelectReverse(std::int16_t number) {
    auto entries = ReadReverseList(ReverseListPath());
    SelectReverseFrom(entries ? *entries : std::vector<ReverseEntry>(), number);
}

ListRows FillReverseList(std::int16_t currentNumber, bool includeCurrent, int selectMode) {
    return FillEntryRows(State().Config.ReverseTable, currentNumber, includeCurrent, selectMode);
}

Result<std::int16_t> ReadReverseConfiguration() {
    auto reader = OpenRequiredFields("reverse processor choice", ReverseConfigurationPath());
    if (!reader) return reader.status();
    std::int16_t number = reader->nextInt16();
    return number < 1 ? std::int16_t{1} : number;
}

Status WriteReverseConfiguration(std::int16_t number) {
    std::string text = NumberText(number);
    if (number >= 0) text = " " + text;
    return WriteLines(ReverseConfigurationPath(), {text});
}

}  // namespace qv
