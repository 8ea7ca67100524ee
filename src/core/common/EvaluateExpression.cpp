// The value of a typed arithmetic text such as "1000-2*12.5" or "(90+45)/2".
#include "core/common/EvaluateExpression.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/common/Numbers.h"
#include "core/common/FormatNumber.h"

namespace qv {
namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string KeepExpressionCharacters(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (IsDigit(c) || std::string_view(".+-*/()^").find(c) != std::string_view::npos) kept += c;
    }
    return kept;
}

// V1 op V2; no value when dividing by zero or leaving the finite numbers.
std::optional<double> Apply(double left, char op, double right) {
    double result = left;
    switch (op) {
        case '+': result = left + right; break;
        case '-': result = left - right; break;
        case '*': result = left * right; break;
        case '/':
            if (right == 0) return std::nullopt;
            result = left / right;
            break;
        case '^': result = std::pow(left, right); break;
        default: break;  // no operator between them: the first value stands
    }
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

// The group's value as it goes back into the working text. An exponent form
// ("1.5E+20") would be cut at its "E" by the next scan, so large values go
// back as plain digits of the same 15-digit value.
std::string WriteBackText(double value) {
    std::string text = FormatNumber(value);
    if (text.find_first_of("ED") == std::string::npos) return text;
    text = FormatNumber(RoundDecimals(value, 5));
    if (text.find_first_of("ED") == std::string::npos) return text;
    double shown = 0;
    std::string scientific = text;
    std::replace(scientific.begin(), scientific.end(), 'E', 'e');
    std::from_chars(scientific.data(), scientific.data() + scientific.size(), shown);
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, shown, std::chars_format::fixed);
    return std::string(buffer, written.ptr);
}
}  // namespace

std::optional<double> EvaluateExpression(const std::string& text) {
    std::string work = KeepExpressionCharacters(text);
    if (std::none_of(work.begin(), work.end(), IsDigit)) return std::nullopt;

    for (;;) {
        const auto opens = std::count(work.begin(), work.end(), '(');
        const auto closes = std::count(work.begin(), work.end(), ')');
        if (opens != closes) return std::nullopt;

        const std::size_t lastOpen = work.rfind('(');
        const bool grouped = lastOpen != std::string::npos;
        std::string prefix;
        std::string suffix;
        std::size_t start = 0;
        if (grouped) {
            prefix = work.substr(0, lastOpen);
            start = lastOpen + 1;
            const std::size_t close = work.find(')', start);
            if (close != std::string::npos) suffix = work.substr(close + 1);
        }

        // Strictly left to right: an operator is stored before the number in
        // front of it is converted, so the one after the first value lands in
        // O1 and the one after the second in O2.
        double values[2] = {0, 0};
        char ops[2] = {0, 0};
        int n = 0;
        std::string number;
        bool inNumber = false;
        for (std::size_t i = start; i < work.size(); ++i) {
            const char c = work[i];
            bool ended = false;
            bool stop = false;
            if (IsDigit(c) || c == '.') {
                number += c;
                inNumber = true;
            } else if (c == '-' && !inNumber) {
                number += c;  // a sign
                inNumber = true;
            } else if (c == '-' || c == '+' || c == '*' || c == '/' || c == '^') {
                ops[n] = c;
                ended = true;
                inNumber = false;
            } else {
                ended = true;
                stop = true;
            }
            if (i + 1 == work.size()) ended = true;

            if (ended && !number.empty()) {
                bool outOfRange = false;
                values[n++] = LeadingNumber(number, &outOfRange);
                if (outOfRange) return std::nullopt;
                number.clear();
                if (n == 2) {
                    const std::optional<double> joined = Apply(values[0], ops[0], values[1]);
                    if (!joined) return std::nullopt;
                    values[0] = *joined;
                    ops[0] = ops[1];
                    ops[1] = 0;
                    n = 1;
                }
            }
            if (stop) break;
        }

        if (!grouped) return values[0];
        work = prefix + WriteBackText(values[0]) + suffix;
    }
}

}  // namespace qv
