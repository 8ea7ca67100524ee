// The four sheet and clamp boxes of the reverse panel: their texts after a
// run, and the values they give when the result is accepted.
#pragma once

#include <array>
#include <string>

#include "core/common/State.h"

namespace qv {

/// Sheet length X, sheet width Y, left clamp, right clamp, in millimetres.
struct SheetEntry {
    float X = 0;
    float Y = 0;
    float LeftClamp = 0;
    float RightClamp = 0;
};

/// The box texts for values in millimetres: as they are, or in inches
/// (divided by 25.4, rounded to 4 decimals).
std::array<std::string, 4> SheetBoxTexts(const std::array<double, 4>& values, bool inchUnits);

/// The boxes' typed expressions as millimetres; a text without a value, or
/// one beyond single precision, counts as 0; inches are multiplied by 25.4.
SheetEntry EvaluateSheetBoxes(const std::array<std::string, 4>& texts, bool inchUnits);

/// The machine's rules: a sheet side of 10 or less takes the machine's
/// default; a left clamp outside the first clamp range, a right clamp
/// outside the last, or either clamp at 0 or below sets both clamps to 0.
SheetEntry ApplySheetRules(SheetEntry entry, const Machine& machine);

}  // namespace qv
