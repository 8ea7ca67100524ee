// What a reverse run found, kept for the reverse panel, the review window and
// the acceptance until the next run replaces it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"

namespace qv {

/// TurretTools holds one tool per station 0 to 120.
constexpr std::size_t TurretSlots = 121;

struct ReverseRunState {
    std::string ProgramName;  // as listed, without extension
    std::string ProgramPath;  // CurrentDirectoryPath & ProgramName
    /// Sheet length X, sheet width Y, left clamp, right clamp, mm, as the
    /// processor gave them.
    std::array<double, 4> SheetValues{};
    std::array<ToolRecord, TurretSlots> TurretTools{};  // by station number
    std::array<std::int16_t, TurretSlots> TurretOrder{};  // station of row k
    std::int16_t TurretCount = 0;
    /// Records in "Reverse.rnd"; 32-bit so long programs can be reviewed.
    std::int32_t BlockCount = 0;
};

/// The one instance the workstation runs with.
ReverseRunState& ReverseRun();

/// SystemFolder & name: where the exchange files of a run live.
std::string SystemFile(const std::string& name);

// The files a reverse run exchanges with the processor and the review window.
inline constexpr const char* ReversePathFile = "Reverse.pth";
inline constexpr const char* FinishedFlagFile = "Finished.flg";
inline constexpr const char* ReverseSheetFile = "Reverse.sht";
inline constexpr const char* ReverseToolsFile = "Reverse.trt";
inline constexpr const char* ReviewRecordsFile = "Reverse.rnd";
inline constexpr const char* ScratchDrawingFile = "Rvrsmain.drw";
/// What the processor wrote to its standard output and error.
inline constexpr const char* ProcessorLogFile = "Reverse.log";

}  // namespace qv
