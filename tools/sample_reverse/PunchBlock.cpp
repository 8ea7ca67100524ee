// Splits one line of a punch program into address words and comments.
#include <charconv>
#include <cmath>

#include "PunchProgram.h"
#include "core/common/Text.h"

namespace qv::revsample {
namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The letters the dialect knows; any other is a syntax error rather than
// something silently skipped.
bool KnownLetter(char c) {
    for (char known : std::string("OGNXYTCIJKM")) {
        if (c == known) return true;
    }
    return false;
}

// Reads "-12.5", "100.", ".5" at pos; false when no digit follows.
bool ReadNumber(const std::string& line, std::size_t& pos, Word& word) {
    std::string text;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
        if (line[pos] == '-') text += '-';
        ++pos;
    }
    bool digits = false;
    bool point = false;
    bool fraction = false;
    while (pos < line.size()) {
        const char c = line[pos];
        if (IsDigit(c)) {
            text += c;
            digits = true;
            fraction = fraction || point;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        if (c == '.') text += c;
        ++pos;
    }
    if (!digits) return false;
    // "100." is a whole 100 written the way punch controls like it.
    word.Whole = !fraction;
    if (!text.empty() && text.back() == '.') text.pop_back();
    const std::size_t start = (text[0] == '-') ? 1 : 0;
    if (text[start] == '.') text.insert(start, "0");
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return false;
    word.Value = value;
    return true;
}
}  // namespace

Status SplitBlock(const std::string& line, BlockText& block) {
    block = BlockText();
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == ' ' || c == '\t' || c == '%' || c == '\r' || c == '\x1A') {
            ++pos;
        } else if (c == ';') {
            break;  // the rest of the line is a comment
        } else if (c == '(') {
            const std::size_t close = line.find(')', pos + 1);
            if (close == std::string::npos) return Status::Error("comment not closed");
            block.Comments.push_back(Trim(line.substr(pos + 1, close - pos - 1)));
            pos = close + 1;
        } else if (IsLetter(c)) {
            Word word;
            word.Letter = UpperChar(c);
            if (!KnownLetter(word.Letter)) {
                return Status::Error("unknown word \"" + line.substr(pos, 1) + "\"");
            }
            const std::size_t start = pos++;
            while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
            if (!ReadNumber(line, pos, word)) {
                return Status::Error("word \"" + Trim(line.substr(start, pos - start)) + "\" has no number");
            }
            block.Words.push_back(word);
        } else {
            return Status::Error("unexpected character \"" + line.substr(pos, 1) + "\"");
        }
    }
    return Status::Ok();
}

bool StationFromT(double value, std::int16_t& station) {
    if (value < 0 || value != std::floor(value) || value > 1e9) return false;
    const auto number = static_cast<long>(value) % 1000;
    if (number < 1 || number > 120) return false;
    station = static_cast<std::int16_t>(number);
    return true;
}

}  // namespace qv::revsample
