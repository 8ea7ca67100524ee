// Building the accepted drawing: the processor's drawing copied record by
// record into a new file, header and entities rewritten on the way.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"
#include "core/workstation/DrawingRewrite.h"
#include "core/workstation/ReverseRunState.h"
#include "platform/Result.h"

namespace qv {

/// A drawing fit to be rewritten: it exists and holds a header and whole
/// records only. The message names the drawing and what is wrong.
Status CheckDrawingFile(const std::string& drawing);

/// Writes target (which must be new or empty) from source and returns the
/// number of records written, which the header's record count also holds.
/// The source is streamed, never held whole.
Result<std::int32_t> BuildScratchDrawing(const std::string& source, const std::string& target,
                                         const HeaderValues& values,
                                         const std::array<ToolRecord, TurretSlots>& turret);

}  // namespace qv
