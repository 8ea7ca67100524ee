// "Reverse.lst" and "Reverse.cfg": the installed reverse processors and the
// one in use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/State.h"
#include "platform/Result.h"

namespace qv {

/// SystemFolder & "Reverse.lst" and SystemFolder & "Reverse.cfg".
std::string ReverseListPath();
std::string ReverseConfigurationPath();

/// The entries of a reverse-processor list in file order, by the reading
/// rules of "Machine.lst": number, Name, Field2, Executable, all trimmed.
Result<std::vector<ReverseEntry>> ReadReverseList(const std::string& path);

/// Reads "Reverse.lst" into State().Config.ReverseTable. On failure the table
/// is left as it was.
Status LoadReverseTable();

/// Makes the processor numbered number current: ReverseNumber is set, and
/// ReverseName and ReverseExecutable (upper case) are taken from the first
/// entry of "Reverse.lst" with that number; without one (or without a
/// readable file) they keep their values.
void SelectReverse(std::int16_t number);
/// The same over entries already read from "Reverse.lst".
void SelectReverseFrom(const std::vector<ReverseEntry>& entries, std::int16_t number);

/// The processor list box lines, by the rules of FillMachineList.
ListRows FillReverseList(std::int16_t currentNumber, bool includeCurrent, int selectMode);

/// The number held in "Reverse.cfg" (its first field, as a whole number);
/// a value below 1, or an empty file, gives 1.
Result<std::int16_t> ReadReverseConfiguration();

/// Replaces "Reverse.cfg" with the number printed with a leading blank.
Status WriteReverseConfiguration(std::int16_t number);

}  // namespace qv
