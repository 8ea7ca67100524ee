// The header comments that carry what the program's codes do not say:
// (SHEET ...), (CLAMPS ...), (Tnn ...) and (INCH).
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "PunchProgram.h"
#include "core/common/Text.h"

namespace qv::revsample {
namespace {
bool ParseNumber(const std::string& token, double& value) {
    std::string text = token;
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    const std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (start < text.size() && text[start] == '.') text.insert(start, "0");
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

Status Fail(int line, const std::string& what) {
    return Status::Error("line " + std::to_string(line) + ": " + what);
}

// "1000 X 500 X 1.5" or "1000X500X1.5": the numbers between the X's.
bool SheetNumbers(const std::string& rest, std::vector<double>& numbers) {
    std::string spaced;
    for (char c : rest) spaced += (c == 'X') ? ' ' : c;
    for (const std::string& token : Tokens(spaced)) {
        double value = 0;
        if (!ParseNumber(token, value)) return false;
        numbers.push_back(value);
    }
    return true;
}

Status ReadToolComment(const std::vector<std::string>& words, const std::string& original, int line,
                       PunchProgram& program) {
    ToolComment tool;
    tool.Line = line;
    double number = 0;
    if (!ParseNumber(words[0].substr(1), number) || !StationFromT(number, tool.Station)) {
        return Fail(line, "tool comment \"" + words[0] + "\" names no station from 1 to 120");
    }
    if (words.size() < 2 || words[1].size() != 1 || words[1][0] < 'A' || words[1][0] > 'Z') {
        return Fail(line, "tool comment for T" + std::to_string(tool.Station) + " needs a shape letter");
    }
    tool.Shape = words[1][0];
    std::size_t next = 2;
    if (tool.Shape == 'S') {
        // The special's name is the rest of the comment as written, less IDX.
        std::vector<std::string> name;
        std::vector<std::string> originalWords = Tokens(original);
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (words[i] == "IDX") {
                tool.Indexable = true;
            } else {
                name.push_back(originalWords[i]);
            }
        }
        for (const std::string& part : name) tool.SpecialName += (tool.SpecialName.empty() ? "" : " ") + part;
        next = words.size();
    }
    std::size_t sizes = 0;
    for (std::size_t i = next; i < words.size(); ++i) {
        if (words[i] == "IDX") {
            tool.Indexable = true;
            continue;
        }
        if (sizes == 4 || !ParseNumber(words[i], number)) {
            return Fail(line, "tool comment for T" + std::to_string(tool.Station) + ": \"" + words[i] +
                                  "\" is not one of four sizes");
        }
        tool.Size[sizes++] = number;
    }
    for (const ToolComment& earlier : program.Tools) {
        if (earlier.Station == tool.Station) {
            return Fail(line, "station " + std::to_string(tool.Station) + " is already described on line " +
                                  std::to_string(earlier.Line));
        }
    }
    program.Tools.push_back(tool);
    return Status::Ok();
}
}  // namespace

Status ReadComment(const std::string& comment, int line, PunchProgram& program, bool& inchMark) {
    const std::string upper = Upper(Trim(comment));
    const std::vector<std::string> words = Tokens(upper);
    if (words.empty()) return Status::Ok();

    if (words.size() == 1 && words[0] == "INCH") {
        inchMark = true;
        return Status::Ok();
    }
    // "SHEET 1000 X 500" or "SHEET1000X500"; "(SHEETS OF 3)" is prose.
    if (words[0] == "SHEET" || (words[0].rfind("SHEET", 0) == 0 && std::isdigit(static_cast<unsigned char>(words[0][5])))) {
        std::vector<double> numbers;
        if (!SheetNumbers(upper.substr(upper.find("SHEET") + 5), numbers) || numbers.size() < 2 ||
            numbers.size() > 3) {
            return Fail(line, "SHEET wants length X width, and optionally X thickness");
        }
        program.HasSheet = true;
        program.SheetX = numbers[0];
        program.SheetY = numbers[1];
        program.Thickness = numbers.size() == 3 ? numbers[2] : 0;
        return Status::Ok();
    }
    if (words[0] == "CLAMPS") {
        double left = 0;
        double right = 0;
        if (words.size() != 3 || !ParseNumber(words[1], left) || !ParseNumber(words[2], right)) {
            return Fail(line, "CLAMPS wants the left and the right clamp position");
        }
        program.HasClamps = true;
        program.LeftClamp = left;
        program.RightClamp = right;
        return Status::Ok();
    }
    // A tool comment starts with T and a digit; "(TOP SIDE)" is prose.
    if (words[0].size() >= 2 && words[0][0] == 'T' && words[0][1] >= '0' && words[0][1] <= '9') {
        return ReadToolComment(words, Trim(comment), line, program);
    }
    return Status::Ok();
}

}  // namespace qv::revsample
