// The two ways out of the reverse panel: accepting the result (RvsOk), which
// rewrites the processor's drawing, and discarding it (RvsCncl).
#pragma once

#include <array>
#include <string>

#include "core/common/Outcome.h"

namespace qv {

/// Evaluates the sheet and clamp box texts, builds the drawing with the
/// header values and confirmed tools beside the exchange files, replaces the
/// drawing named by "Reverse.pth" with it and deletes "Reverse.rnd",
/// "Reverse.pth", "Reverse.sht" and "Reverse.trt".
/// Done: "Reverse Engineering Complete !", the count is the records written;
/// the window closes the panel and the review window before it shows it.
/// Otherwise "Reverse Engineering Result Not Accepted" with the reason,
/// nothing deleted and the processor's drawing as it was. A "Reverse.pth"
/// that names another program than the run's (another copy of the program,
/// a stale file) is not accepted.
Outcome AcceptResult(const std::array<std::string, 4>& sheetTexts);

}  // namespace qv
