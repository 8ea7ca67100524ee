// The current machine's turret stations, loaded from its station file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv {

constexpr std::size_t StationNameWidth = 18;
constexpr int StationTableSize = 65;  // entries 0 to 64; entry n is station n
constexpr int HighestOfferedStation = 60;

struct StationEntry {
    std::int16_t Number = 0;  // equals the entry's index once loaded, 0 when empty
    std::string Name = std::string(StationNameWidth, ' ');
    std::int16_t Kind = 0;
    float Length1 = 0;  // mm
    float Length2 = 0;  // mm
    std::int16_t Count = 0;  // 0 or less: stored, never offered
};

using StationArray = std::array<StationEntry, StationTableSize>;

/// The module's table, live for the whole run.
StationArray& StationTable();

/// Empties the table and reads MachinePrefix & "stn" into it; does nothing
/// without the full suite. A station number outside 1 to 64 ends the list
/// normally. A missing file, a list that reaches the end of the file without
/// "******", or a field that is not a number gives an error naming the file;
/// the stations read before the fault stay loaded.
Status LoadStationTable();

/// True when n is 1 to 60 and the table gives station n a count above 0.
bool StationAvailable(std::int16_t n);

}  // namespace qv
