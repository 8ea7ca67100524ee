// Runs the blocks of a punch program: positions, hits, patterns, clamp moves.
#include "PunchProgram.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/common/Numbers.h"
#include "core/common/TextFile.h"
#include "core/common/FormatNumber.h"

namespace qv::revsample {
namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kMmPerInch = 25.4;

Status Fail(int line, const std::string& what) {
    return Status::Error("line " + std::to_string(line) + ": " + what);
}

std::string WordText(char letter, double value) {
    return std::string(1, letter) + FormatNumber(value);
}

class Interpreter {
public:
    Status run(const std::string& text);
    PunchProgram program;

private:
    Status block(const BlockText& words, int line);
    Status units(bool inch, int line);
    Status pattern(const std::map<char, Word>& w, int line, double blockAngle);
    Status hit(double x, double y, double angle, int line);
    void scaleToMillimetres();

    bool incremental_ = false;
    int units_ = 0;  // 0 not said, 1 inch, 2 mm
    int unitsLine_ = 0;
    double x_ = 0;
    double y_ = 0;
    std::int16_t station_ = 0;
    bool ended_ = false;
};

Status Interpreter::units(bool inch, int line) {
    const int wanted = inch ? 1 : 2;
    if (units_ != 0 && units_ != wanted) {
        return Fail(line, std::string(inch ? "inch" : "millimetre") + " units, but line " +
                              std::to_string(unitsLine_) + " set " + (inch ? "millimetres" : "inches"));
    }
    if (units_ == 0) unitsLine_ = line;
    units_ = wanted;
    return Status::Ok();
}

Status Interpreter::hit(double x, double y, double angle, int line) {
    if (station_ == 0) return Fail(line, "a hit before any T word");
    if (program.Hits.size() >= MaxHits) return Fail(line, "more than " + std::to_string(MaxHits) + " hits");
    program.Hits.push_back(Hit{x, y, station_, angle, line});
    return Status::Ok();
}

Status Interpreter::pattern(const std::map<char, Word>& w, int line, double blockAngle) {
    if (!w.count('I') || !w.count('K')) return Fail(line, "G26 needs a radius I and a hole count K");
    const double radius = w.at('I').Value;
    const double start = w.count('J') ? w.at('J').Value : 0;
    const Word& k = w.at('K');
    if (!(radius > 0)) return Fail(line, "G26 radius I must be above 0");
    if (!k.Whole || k.Value < 1 || k.Value > 360) return Fail(line, "G26 hole count K must be a whole number from 1 to 360");
    const int count = static_cast<int>(k.Value);
    program.Circles.push_back(BoltCircle{x_, y_, radius, start, count, station_, line});
    for (int i = 0; i < count; ++i) {
        const double angle = (start + 360.0 * i / count) * kPi / 180.0;
        // Six decimals drop the trigonometry's last-bit noise.
        const double hx = RoundDecimals(x_ + radius * std::cos(angle), 6);
        const double hy = RoundDecimals(y_ + radius * std::sin(angle), 6);
        if (Status s = hit(hx, hy, blockAngle, line); !s) return s;
    }
    return Status::Ok();
}

Status Interpreter::block(const BlockText& text, int line) {
    std::map<char, Word> w;
    int action = 0;
    bool endAfter = false;
    for (const Word& word : text.Words) {
        const bool needsWhole = word.Letter == 'G' || word.Letter == 'M' || word.Letter == 'N' ||
                                word.Letter == 'O' || word.Letter == 'T';
        if (needsWhole && (!word.Whole || word.Value < 0)) {
            return Fail(line, "\"" + WordText(word.Letter, word.Value) + "\" wants a whole number");
        }
        if (word.Letter == 'G') {
            const int g = static_cast<int>(word.Value);
            if (g == 90 || g == 91) {
                incremental_ = g == 91;
            } else if (g == 20 || g == 21) {
                if (Status s = units(g == 20, line); !s) return s;
            } else if (g == 70 || g == 72 || g == 92 || g == 27 || g == 25 || g == 26 || g == 50) {
                if (action != 0) return Fail(line, "G" + std::to_string(action) + " and G" + std::to_string(g) + " in one block");
                action = g;
            } else {
                return Fail(line, "G" + std::to_string(g) + " is not part of this dialect");
            }
            continue;
        }
        if (word.Letter == 'M') {
            endAfter = endAfter || word.Value == 30 || word.Value == 2;
            continue;
        }
        if (word.Letter == 'N' || word.Letter == 'O') continue;
        if (w.count(word.Letter)) return Fail(line, std::string(1, word.Letter) + " given twice in one block");
        w[word.Letter] = word;
    }

    if (w.count('T') && !StationFromT(w['T'].Value, station_)) {
        return Fail(line, "\"" + WordText('T', w['T'].Value) + "\" names no station from 1 to 120");
    }
    if (w.count('T')) {
        bool known = false;
        for (std::int16_t s : program.StationOrder) known = known || s == station_;
        if (!known) program.StationOrder.push_back(station_);
    }
    if ((w.count('I') || w.count('J') || w.count('K')) && action != 26) {
        return Fail(line, "I, J and K belong to a G26 bolt-hole circle");
    }

    const bool hasXY = w.count('X') || w.count('Y');
    double x = x_;
    double y = y_;
    if (w.count('X')) x = incremental_ ? x_ + w['X'].Value : w['X'].Value;
    if (w.count('Y')) y = incremental_ ? y_ + w['Y'].Value : w['Y'].Value;
    const double angle = w.count('C') ? w['C'].Value : 0;

    switch (action) {
        case 92:
            // G92 states where the punch stands now, always in absolute terms.
            if (!hasXY) return Fail(line, "G92 needs X and Y");
            x_ = w.count('X') ? w['X'].Value : x_;
            y_ = w.count('Y') ? w['Y'].Value : y_;
            program.HasOrigin = true;
            program.OriginX = x_;
            program.OriginY = y_;
            break;
        case 70:
        case 72:
            x_ = x;
            y_ = y;
            break;
        case 27:
        case 25:
            if (!w.count('X')) return Fail(line, "G" + std::to_string(action) + " needs the distance X");
            program.ClampMoves.push_back(ClampMove{action, w['X'].Value, station_, line});
            break;
        case 50:
            x_ = program.OriginX;
            y_ = program.OriginY;
            break;
        case 26:
            x_ = x;
            y_ = y;
            if (Status s = pattern(w, line, angle); !s) return s;
            break;
        default:
            if (hasXY) {
                x_ = x;
                y_ = y;
                if (Status s = hit(x, y, angle, line); !s) return s;
            }
            break;
    }
    ended_ = endAfter;
    return Status::Ok();
}

void Interpreter::scaleToMillimetres() {
    program.Inch = units_ == 1;
    if (!program.Inch) return;
    auto mm = [](double& v) { v = RoundDecimals(v * kMmPerInch, 6); };
    mm(program.SheetX);
    mm(program.SheetY);
    mm(program.Thickness);
    mm(program.LeftClamp);
    mm(program.RightClamp);
    mm(program.OriginX);
    mm(program.OriginY);
    for (ToolComment& t : program.Tools) {
        for (double& s : t.Size) mm(s);
    }
    for (Hit& h : program.Hits) {
        mm(h.X);
        mm(h.Y);
    }
    for (BoltCircle& c : program.Circles) {
        mm(c.CentreX);
        mm(c.CentreY);
        mm(c.Radius);
    }
    for (ClampMove& m : program.ClampMoves) mm(m.Distance);
}

Status Interpreter::run(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size() && !ended_; ++i) {
        const int line = static_cast<int>(i) + 1;
        BlockText block;
        if (Status s = SplitBlock(lines[i], block); !s) return Fail(line, s.message());
        for (const std::string& comment : block.Comments) {
            bool inch = false;
            if (Status s = ReadComment(comment, line, program, inch); !s) return s;
            if (inch) {
                if (Status s = units(true, line); !s) return s;
            }
        }
        if (Status s = this->block(block, line); !s) return s;
    }
    if (program.Hits.empty()) return Status::Error("the program has no hits");
    scaleToMillimetres();
    if (!program.HasSheet) {
        // Without a SHEET comment the hits' extent is the least the sheet can be.
        for (const Hit& h : program.Hits) {
            program.SheetX = std::max(program.SheetX, h.X);
            program.SheetY = std::max(program.SheetY, h.Y);
        }
    }
    return Status::Ok();
}
}  // namespace

const ToolComment* PunchProgram::FindTool(std::int16_t station) const {
    for (const ToolComment& tool : Tools) {
        if (tool.Station == station) return &tool;
    }
    return nullptr;
}

Result<PunchProgram> ParsePunchProgram(const std::string& text) {
    Interpreter interpreter;
    if (Status s = interpreter.run(text); !s) return s;
    return std::move(interpreter.program);
}

}  // namespace qv::revsample
