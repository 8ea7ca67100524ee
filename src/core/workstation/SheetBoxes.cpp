// Sheet and clamp box texts and the values they give on acceptance.
#include "core/workstation/SheetBoxes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/common/Numbers.h"
#include "core/common/EvaluateExpression.h"
#include "core/common/FormatNumber.h"

namespace qv {

namespace {
constexpr double MillimetresPerInch = 25.4;
}

std::array<std::string, 4> SheetBoxTexts(const std::array<double, 4>& values, bool inchUnits) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double shown = inchUnits ? RoundDecimals(values[i] / MillimetresPerInch, 4) : values[i];
        texts[i] = FormatNumber(shown);
    }
    return texts;
}

SheetEntry EvaluateSheetBoxes(const std::array<std::string, 4>& texts, bool inchUnits) {
    std::array<float, 4> v{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        double value = EvaluateExpression(texts[i]).value_or(0.0);
        if (inchUnits) value *= MillimetresPerInch;
        // The drawing stores singles: a value beyond them would be written
        // as infinity, so it counts as no value, like a text without one.
        if (!(std::fabs(value) <= std::numeric_limits<float>::max())) value = 0;
        v[i] = static_cast<float>(value);
    }
    return SheetEntry{v[0], v[1], v[2], v[3]};
}

SheetEntry ApplySheetRules(SheetEntry entry, const Machine& machine) {
    if (entry.X <= 10) entry.X = machine.DefaultSheetX;
    if (entry.Y <= 10) entry.Y = machine.DefaultSheetY;

    // A machine must describe 1 to 4 clamp ranges; keep within the table
    // whatever the description said.
    const int count = std::clamp<int>(machine.ClampRangeCount, 1, static_cast<int>(machine.ClampRanges.size()));
    const ClampRange& first = machine.ClampRanges[0];
    const ClampRange& last = machine.ClampRanges[static_cast<std::size_t>(count - 1)];
    auto clear = [&entry] { entry.LeftClamp = entry.RightClamp = 0; };
    if (entry.LeftClamp < first.Low || entry.LeftClamp > first.High) clear();
    if (entry.RightClamp < last.Low || entry.RightClamp > last.High) clear();
    if (entry.RightClamp <= 0 || entry.LeftClamp <= 0) clear();
    return entry;
}

}  // namespace qv
