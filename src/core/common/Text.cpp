// Small text helpers shared by every reader and writer of the suite's files.
#include "core/common/Text.h"

namespace qv {
namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string Upper(std::string text) {
    for (char& c : text) c = UpperChar(c);
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    }
    return true;
}

const std::string* FindNoCase(const std::vector<std::string>& names, const std::string& name) {
    const std::string* match = nullptr;
    for (const std::string& candidate : names) {
        if (candidate == name) return &candidate;
        if (!match && EqualsNoCase(candidate, name)) match = &candidate;
    }
    return match;
}

bool HasColon(const std::string& text) { return text.find(':') != std::string::npos; }

std::string ValueAfterColon(const std::string& line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) return Trim(line);
    return Trim(line.substr(colon + 1));
}

std::string FixedText(const std::string& text, std::size_t width) {
    std::string fixed = text.substr(0, width);
    fixed.resize(width, ' ');
    return fixed;
}

std::string QuoteField(const std::string& text) {
    const bool edgeBlank = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
    // A quote inside an unquoted field is read as text; only a leading one
    // would open a quoted field.
    const bool needsQuotes = edgeBlank || text.find(',') != std::string::npos ||
                             (!text.empty() && text.front() == '"');
    // Line ends would split the field in two on reading back.
    std::string body = text;
    for (char& c : body) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (!needsQuotes) return body;
    // The field reader has no escape for a quote inside quotes.
    for (char& c : body) {
        if (c == '"') c = '\'';
    }
    return "\"" + body + "\"";
}

}  // namespace qv
