// The two ways out of the reverse panel: accepting the result (RvsOk), which
// rewrites the processor's drawing, and discarding it (RvsCncl).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace qv {

struct AcceptOutcome {
    /// The drawing was rewritten and the exchange files removed: the window
    /// closes the panel and the review window and enables its menus. When
    /// false the user has been told why, nothing was deleted and the
    /// processor's drawing is as it was.
    bool accepted = false;
    std::int32_t recordsWritten = 0;
};

/// Evaluates the sheet and clamp box texts, builds the drawing with the
/// header values and confirmed tools beside the exchange files, replaces the
/// drawing named by "Reverse.pth" with it, deletes "Reverse.rnd",
/// "Reverse.pth", "Reverse.sht" and "Reverse.trt", and shows
/// "Reverse Engineering Complete !".
/// closePanel runs once the drawing is in place, before the notice, so the
/// window is already back to idle when the user reads it.
AcceptOutcome AcceptResult(const std::array<std::string, 4>& sheetTexts,
                           const std::function<void()>& closePanel = {});

/// Discarding touches no file: the processor's drawing stays beside the
/// program and the exchange files stay in the system folder.
void DiscardResult();

}  // namespace qv
