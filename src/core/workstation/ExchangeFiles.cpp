// Readers and writers of the reverse run's exchange files.
#include "core/workstation/ExchangeFiles.h"

#include <charconv>
#include <cmath>

#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "platform/Platform.h"

namespace qv {
namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The whole field must be one number: sign, digits with at most one point,
// an optional exponent ("E" or "D", as the suite's readers take it). Unlike
// a leading-number read, "12abc" or "" is refused, so a damaged file is not
// read as zeros.
bool ParseWholeField(const std::string& field, double& value) {
    const std::string text = Trim(field);
    std::size_t i = 0;
    const std::size_t n = text.size();
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            digits = true;
            number += text[i];
        } else if (text[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        number += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) number += text[i++];
        const std::size_t first = i;
        while (i < n && IsDigit(text[i])) number += text[i++];
        if (i == first) return false;
    }
    if (i != n) return false;
    // from_chars takes no "+" and no leading point; both are fine here.
    std::size_t start = 0;
    if (number[0] == '-') start = 1;
    if (number[start] == '.') number.insert(start, "0");
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() && result.ptr == number.data() + number.size() && std::isfinite(value);
}

std::string Quoted(const std::string& field) { return "\"" + field + "\""; }

Status FieldError(const std::string& path, const std::string& where, const std::string& field,
                  const char* expected) {
    return Status::Error(path + ": " + where + " " + Quoted(field) + " is not " + expected);
}

Status ParseNumber(const std::string& path, const std::string& where, const std::string& field,
                   double& out) {
    if (!ParseWholeField(field, out)) return FieldError(path, where, field, "a number");
    return Status::Ok();
}

Status ParseSingle(const std::string& path, const std::string& where, const std::string& field,
                   float& out) {
    double value = 0;
    // Beyond this a value would narrow to infinity.
    constexpr double kFloatLimit = 3.4028235677973366e38;
    if (!ParseWholeField(field, value) || std::fabs(value) >= kFloatLimit) {
        return FieldError(path, where, field, "a single-precision number");
    }
    out = static_cast<float>(value);
    return Status::Ok();
}

Status ParseInt16(const std::string& path, const std::string& where, const std::string& field,
                  std::int16_t& out) {
    double value = 0;
    if (!ParseWholeField(field, value) || value != std::trunc(value) || value < -32768 || value > 32767) {
        return FieldError(path, where, field, "a whole number from -32768 to 32767");
    }
    out = static_cast<std::int16_t>(value);
    return Status::Ok();
}

// True when the field reader gives the text back unchanged after QuoteField.
bool FieldSurvives(const std::string& text) {
    FieldReader reader(QuoteField(text) + "\r\n");
    return reader.next() == text && reader.atEnd();
}

template <typename Real>
std::string ShortestText(Real value) {
    if (value == 0) return "0";  // also -0: the sign of a zero carries nothing here
    char buffer[128];
    // Plain decimals for the sizes and positions the suite deals in;
    // exponent form beyond, which every reader of these files takes.
    const bool plain = std::fabs(value) >= Real(1e-6) && std::fabs(value) < Real(1e15);
    const auto written = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                               : std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, written.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}
}  // namespace

std::string ExactNumberText(double value) {
    if (!std::isfinite(value)) return "0";
    return ShortestText(value);
}

std::string ExactNumberText(float value) {
    if (!std::isfinite(value)) return "0";
    std::string text = ShortestText(value);
    // Readers take the text as a double and narrow it; in the rare case the
    // two roundings disagree, the double's own digits settle it.
    double back = 0;
    if (!ParseWholeField(text, back) || static_cast<float>(back) != value) {
        text = ShortestText(static_cast<double>(value));
    }
    return text;
}

// ---- Reverse.pth --------------------------------------------------------------

Result<ReversePath> ReadReversePath(const std::string& path) {
    Result<std::vector<std::string>> lines = ReadLines(path);
    if (!lines) return lines.status();
    return ParseReversePath(path, *lines);
}

Result<ReversePath> ParseReversePath(const std::string& path, const std::vector<std::string>& lines) {
    static const char* const names[] = {"program path", "program name", "current directory",
                                        "machine folder"};
    if (lines.size() < 4) {
        return Status::Error(path + ": line " + std::to_string(lines.size() + 1) + " (" +
                             names[lines.size()] + ") is missing");
    }
    std::string values[4];
    for (std::size_t i = 0; i < 4; ++i) {
        values[i] = Trim(lines[i]);
        if (values[i].empty() && i != 2) {
            return Status::Error(path + ": line " + std::to_string(i + 1) + " (" + names[i] + ") is empty");
        }
        // A path is handed on through c_str(): a NUL would cut it short.
        for (char c : values[i]) {
            if (static_cast<unsigned char>(c) < 0x20) {
                return Status::Error(path + ": line " + std::to_string(i + 1) + " (" + names[i] +
                                     ") holds a control character");
            }
        }
    }
    return ReversePath{values[0], values[1], values[2], values[3]};
}

Status WriteReversePath(const std::string& path, const ReversePath& value) {
    const std::vector<std::string> lines{value.ProgramPath, value.ProgramName, value.CurrentDirectory,
                                         value.MachineFolder};
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos) {
            return Status::Error(path + ": " + Quoted(line) + " holds a line break");
        }
    }
    return WriteLines(path, lines);
}

// ---- Finished.flg -------------------------------------------------------------

Result<std::int16_t> ReadFinishedFlag(const std::string& path) {
    Result<FieldReader> reader = OpenFieldReader(path);
    if (!reader) return reader.status();
    if (reader->atEnd()) return Status::Error(path + ": the file is empty");
    std::int16_t status = 0;
    if (Status s = ParseInt16(path, "status", reader->next(), status); !s) return s;
    return status;
}

Status WriteFinishedFlag(const std::string& path, std::int16_t status) {
    return WriteLines(path, {std::to_string(status)});
}

// ---- Reverse.sht --------------------------------------------------------------

Result<ReverseSheet> ReadReverseSheet(const std::string& path) {
    Result<FieldReader> reader = OpenFieldReader(path);
    if (!reader) return reader.status();
    static const char* const names[] = {"sheet length X", "sheet width Y", "left clamp", "right clamp"};
    ReverseSheet sheet;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string where = "item " + std::to_string(i + 1) + " (" + names[i] + ")";
        if (reader->atEnd()) return Status::Error(path + ": " + where + " is missing");
        if (Status s = ParseNumber(path, where, reader->next(), sheet.Values[i]); !s) return s;
    }
    return sheet;
}

Status WriteReverseSheet(const std::string& path, const ReverseSheet& value) {
    std::vector<std::string> lines;
    for (double v : value.Values) {
        if (!std::isfinite(v)) return Status::Error(path + ": a sheet value is not a finite number");
        lines.push_back(ExactNumberText(v));
    }
    return WriteLines(path, lines);
}

// ---- Reverse.trt --------------------------------------------------------------

namespace {
// Reads the nine fields after an entry's station.
Status ReadToolFields(const std::string& path, FieldReader& reader, const std::string& entry,
                      ReverseTool& tool) {
    static const char* const names[] = {"shape letter", "description", "size 1", "size 2", "size 3",
                                        "size 4", "station code", "angle", "index angle"};
    std::string fields[9];
    for (std::size_t i = 0; i < 9; ++i) {
        if (reader.atEnd()) return Status::Error(path + ": " + entry + " ends before its " + names[i]);
        fields[i] = reader.next();
    }
    tool.Shape = fields[0];
    tool.Description = fields[1];
    for (std::size_t i = 0; i < 4; ++i) {
        if (Status s = ParseSingle(path, entry + ": " + names[2 + i], fields[2 + i], tool.Size[i]); !s) return s;
    }
    if (Status s = ParseInt16(path, entry + ": station code", fields[6], tool.StationCode); !s) return s;
    if (Status s = ParseSingle(path, entry + ": angle", fields[7], tool.Angle); !s) return s;
    return ParseSingle(path, entry + ": index angle", fields[8], tool.IndexAngle);
}
}  // namespace

Result<std::vector<ReverseTool>> ReadReverseTools(const std::string& path) {
    Result<FieldReader> reader = OpenFieldReader(path);
    if (!reader) return reader.status();
    std::vector<ReverseTool> tools;
    while (!reader->atEnd()) {
        const std::string entry = "entry " + std::to_string(tools.size() + 1);
        const std::string field = reader->next();
        // An empty field or "******" where a station is due reads as 0, as a
        // whole-number input takes it: the list ends there.
        if (FieldReader::IsListEnd(field)) break;
        ReverseTool tool;
        if (Status s = ParseInt16(path, entry + ": station", field, tool.Station); !s) return s;
        if (tool.Station <= 0) break;
        if (tool.Station > HighestReverseStation) {
            return Status::Error(path + ": " + entry + ": station " + std::to_string(tool.Station) +
                                 " is outside 1 to 120");
        }
        if (tools.size() == MaxReverseTools) {
            return Status::Error(path + ": more than 121 entries");
        }
        const std::string named = entry + " (station " + std::to_string(tool.Station) + ")";
        if (Status s = ReadToolFields(path, *reader, named, tool); !s) return s;
        tools.push_back(std::move(tool));
    }
    return tools;
}

Status WriteReverseTools(const std::string& path, const std::vector<ReverseTool>& tools) {
    if (tools.size() > MaxReverseTools) return Status::Error(path + ": more than 121 entries");
    std::vector<std::string> lines;
    for (const ReverseTool& t : tools) {
        if (t.Station < 1 || t.Station > HighestReverseStation) {
            return Status::Error(path + ": station " + std::to_string(t.Station) + " is outside 1 to 120");
        }
        for (const std::string* text : {&t.Shape, &t.Description}) {
            if (!FieldSurvives(*text)) {
                return Status::Error(path + ": station " + std::to_string(t.Station) + ": " + Quoted(*text) +
                                     " cannot be written as a field");
            }
        }
        const float numbers[] = {t.Size[0], t.Size[1], t.Size[2], t.Size[3], t.Angle, t.IndexAngle};
        for (float number : numbers) {
            if (!std::isfinite(number)) {
                return Status::Error(path + ": station " + std::to_string(t.Station) +
                                     ": a size or angle is not a finite number");
            }
        }
        std::string line = std::to_string(t.Station) + "," + QuoteField(t.Shape) + "," + QuoteField(t.Description);
        for (float size : t.Size) line += "," + ExactNumberText(size);
        line += "," + std::to_string(t.StationCode) + "," + ExactNumberText(t.Angle) + "," +
                ExactNumberText(t.IndexAngle);
        lines.push_back(line);
    }
    lines.push_back("0");
    return WriteLines(path, lines);
}

}  // namespace qv
