// "Machine.lst": the machine list, its table and the machine list box lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/State.h"
#include "platform/Result.h"

namespace qv {

/// SystemFolder & "Machine.lst".
std::string MachineListPath();

/// The entries of a machine list file in file order. Reading stops, without
/// taking that entry, at a number field that is "******", empty or not above
/// 0 (after truncation), or at the end of the file. A last entry cut short
/// keeps the fields it has. An error names the file when it cannot be read.
Result<std::vector<MachineEntry>> ReadMachineList(const std::string& path);

/// Reads "Machine.lst" into State().Config.MachineTable. On failure the
/// table is left as it was.
Status LoadMachineTable();

/// The first entry of MachineTable numbered number, or nullptr.
const MachineEntry* FindMachineEntry(std::int16_t number);

/// The machine list box lines: one per entry of MachineTable (trimmed Name,
/// Number as item data); the current machine only when includeCurrent;
/// selectMode 0 none, 1 the only line, 2 the current machine's line.
ListRows FillMachineList(std::int16_t currentNumber, bool includeCurrent, int selectMode);

}  // namespace qv
