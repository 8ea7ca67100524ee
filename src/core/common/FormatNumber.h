// Numbers as the system shows them in lists and writes them back into text.
#pragma once

#include <string>
#include <type_traits>

namespace qv {

/// General text of a double with up to 15 significant digits: no trailing
/// zeros, "0" before the point, magnitudes below 0.0001 as "0", large values
/// in exponent form ("1E+20").
std::string FormatNumber(double value);

/// The same from a single-precision value's own 7 significant digits, so a
/// size stored as 12.7 shows 12.7.
std::string FormatNumber(float value);

/// Whole numbers (station numbers, counts) as plain decimal text.
template <typename Int, typename = std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool>>>
std::string FormatNumber(Int value) {
    return std::to_string(value);
}

}  // namespace qv
