// Number parsing and rounding as the suite's files and boxes expect them.
#include "core/common/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace qv {
namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Parsed with from_chars, which ignores the host locale (a Qt program sets
// LC_NUMERIC from the environment, and strtod would then want a comma).
// Out of range reads as infinity, so the caller can tell it from 0.
double ParseDecimal(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // A tiny value (1E-999, .000...1) is 0; a huge one is beyond the doubles.
        const std::size_t e = text.find_first_of("eE");
        const std::string mantissa = text.substr(0, e);
        const std::size_t first = mantissa.find_first_of("123456789");
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        long magnitude = first == std::string::npos ? 0 : static_cast<long>(point) - static_cast<long>(first);
        if (e != std::string::npos) magnitude += std::strtol(text.c_str() + e + 1, nullptr, 10);
        return magnitude > 0 ? HUGE_VAL : 0;
    }
    if (result.ec != std::errc()) return 0;
    return value;
}

template <typename Int>
Int Clamp(double value) {
    if (std::isnan(value)) return 0;
    constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double high = static_cast<double>(std::numeric_limits<Int>::max());
    if (value <= low) return std::numeric_limits<Int>::min();
    if (value >= high) return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}
}  // namespace

double LeadingNumber(const std::string& text, bool* outOfRange) {
    if (outOfRange) *outOfRange = false;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool point = false;
    bool digits = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            number += text[i];
            digits = true;
        } else if (text[i] == '.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;

    // An exponent counts only when at least one digit follows it.
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < n && IsDigit(text[j])) exponent += text[j++];
        if (j > firstDigit) number += exponent;
    }
    if (number.front() == '.') number.insert(0, "0");
    const double value = ParseDecimal(number);
    // A number too large for a double reads as no number rather than infinity.
    if (!std::isfinite(value)) {
        if (outOfRange) *outOfRange = true;
        return 0;
    }
    return negative ? -value : value;
}

std::int16_t RoundToInt16(double value) {
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    return Clamp<std::int16_t>(std::nearbyint(value));
}

std::int16_t TruncToInt16(double value) { return Clamp<std::int16_t>(std::trunc(value)); }

std::int32_t TruncToInt32(double value) { return Clamp<std::int32_t>(std::trunc(value)); }

double RoundDecimals(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value;
    if (decimals < 0) decimals = 0;
    // Round the shortest decimal text of the value, so a value written 2.675
    // rounds up as it reads, not down as its binary neighbour would.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    if (written.ec != std::errc()) return value;
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
    const int exponent = std::atoi(text.c_str() + e + 1);

    // Digits kept: those up to the requested decimal place.
    const int keep = exponent + 1 + decimals;
    if (keep >= static_cast<int>(digits.size())) return value;
    if (keep < 0) return 0;
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    int shift = 0;
    if (roundUp) {
        int k = keep - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') {
            digits[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++digits[static_cast<std::size_t>(k)];
        } else {
            digits.insert(0, "1");
            shift = 1;
        }
    }
    if (digits.empty()) return 0;
    const std::string rounded = digits + "e" + std::to_string(exponent + shift - static_cast<int>(digits.size()) + 1);
    const double result = ParseDecimal(rounded);
    return value < 0 ? -result : result;
}

}  // namespace qv
