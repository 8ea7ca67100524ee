// Number parsing and rounding as the suite's files and boxes expect them.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

/// The value of the text's leading number, as BASIC Val reads it: optional
/// blanks, a sign, digits with at most one ".", an optional exponent ("E" or
/// "D"). 0 when the text does not start with a number. "1.5.2" gives 1.5.
/// A number beyond the doubles gives 0 and sets outOfRange when given.
double LeadingNumber(const std::string& text, bool* outOfRange = nullptr);

/// Nearest whole number, halves to even, clamped to -32768..32767 (NaN gives 0).
std::int16_t RoundToInt16(double value);

/// Fraction dropped (towards zero), clamped to -32768..32767 (NaN gives 0).
std::int16_t TruncToInt16(double value);

/// Fraction dropped (towards zero), clamped to the 32-bit range (NaN gives 0).
std::int32_t TruncToInt32(double value);

/// The value rounded to the given number of decimals, halves away from zero.
/// The rounding is done on the value's shortest decimal text, so 2.675 with
/// 2 decimals gives 2.68 as a user reading "2.675" expects.
double RoundDecimals(double value, int decimals);

}  // namespace qv
