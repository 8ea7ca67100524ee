// What the processor reported in "Reverse.sht" and "Reverse.trt", read into
// a value of its own so that a bad file leaves the current run untouched.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"
#include "core/workstation/ReverseRunState.h"
#include "platform/Result.h"

namespace qv {

struct RunFindings {
    std::array<double, 4> SheetValues{};
    /// Every station starts cleared, so no tool of an earlier run survives.
    std::array<ToolRecord, TurretSlots> TurretTools{};
    std::array<std::int16_t, TurretSlots> TurretOrder{};
    std::int16_t TurretCount = 0;
};

/// Both files read whole; an error names the file and what is wrong with it.
Result<RunFindings> ReadRunFindings(const std::string& sheetFile, const std::string& toolsFile);

/// Puts findings into the run state (the tables and the sheet values).
void CommitRunFindings(const RunFindings& findings, ReverseRunState& run);

}  // namespace qv
