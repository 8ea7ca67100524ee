// Numbers as the system shows them in lists and writes them back into text.
#include "core/common/FormatNumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace qv {
namespace {
// BASIC's general text of a number with at most `digits` significant digits:
// no trailing zeros, no "0" before the point, exponent form ("1E-05",
// "1.5E+20") when the first digit lies below 1E-4 or beyond the digits.
template <typename Real>
std::string GeneralText(Real value, int digits) {
    // Non-finite values cannot come from the suite's numbers; show nothing odd.
    if (value == 0 || !std::isfinite(value)) return "0";
    char buffer[64];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                 digits - 1);
    std::string text(buffer, written.ptr);
    // Near the largest double, rounding up to the digits would give a text
    // beyond every double; cut the digits instead, so it reads back.
    double back = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), back).ec == std::errc::result_out_of_range) {
        written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                digits + 1);
        text.assign(buffer, written.ptr);
        const std::size_t cut = text.find('e');
        text = text.substr(0, static_cast<std::size_t>(digits) + 1) + text.substr(cut);
    }
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
    const int exponent = std::atoi(text.c_str() + e + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string result = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        result += mantissa.substr(0, 1);
        if (mantissa.size() > 1) result += "." + mantissa.substr(1);
        const int magnitude = std::abs(exponent);
        result += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) result += "0";
        result += std::to_string(magnitude);
    } else if (exponent < 0) {
        result += "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= whole) {
            result += mantissa + std::string(whole - mantissa.size(), '0');
        } else {
            result += mantissa.substr(0, whole) + "." + mantissa.substr(whole);
        }
    }
    return result;
}

std::string FromGeneralText(const std::string& text) {
    if (text.find("E-") != std::string::npos || text.find("D-") != std::string::npos) return "0";
    if (text.rfind(".", 0) == 0) return "0" + text;
    if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
    return text;
}
}  // namespace

std::string FormatNumber(double value) { return FromGeneralText(GeneralText(value, 15)); }

std::string FormatNumber(float value) { return FromGeneralText(GeneralText(value, 7)); }

}  // namespace qv
