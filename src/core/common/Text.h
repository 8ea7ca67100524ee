// Small text helpers shared by every reader and writer of the suite's files.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

/// The text without blanks and tabs at either end.
std::string Trim(const std::string& text);

/// The text with ASCII letters in upper case.
std::string Upper(std::string text);

/// True when both texts are equal regardless of ASCII letter case.
bool EqualsNoCase(const std::string& a, const std::string& b);

/// The name in names spelled exactly so, else the first equal to it
/// regardless of case; nullptr when none is. Finds a file system's own
/// spelling of a name in a listing of its folder.
const std::string* FindNoCase(const std::vector<std::string>& names, const std::string& name);

/// True when the text contains ":" anywhere (a drive or full path where a
/// bare name is expected).
bool HasColon(const std::string& text);

/// The part after the first ":" trimmed; without a ":" the whole line trimmed.
/// Reads "label : value" lines.
std::string ValueAfterColon(const std::string& line);

/// The text cut or padded with spaces on the right to exactly width characters.
std::string FixedText(const std::string& text, std::size_t width);

/// The text as a field that reads back unchanged through FieldReader: wrapped
/// in double quotes when it holds a comma, starts with a double quote or has
/// blanks at either end. The reader has no escape for a double quote inside a
/// quoted field, so there it becomes a single quote; line ends become blanks.
std::string QuoteField(const std::string& text);

}  // namespace qv
