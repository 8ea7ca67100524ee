// The value of a typed arithmetic text such as "1000-2*12.5" or "(90+45)/2".
#pragma once

#include <optional>
#include <string>

namespace qv {

/// Evaluates strictly left to right (no operator precedence), innermost
/// parentheses first. Characters other than digits, ".", "+-*/^()" are
/// dropped. No value for unbalanced parentheses, a division by zero or a text
/// with no number; callers treat no value as 0.
std::optional<double> EvaluateExpression(const std::string& text);

}  // namespace qv
