// A punch program in the plain ISO dialect, parsed into what the sample
// reverse processor reports: sheet, clamps, tools, hits. Pure: text in,
// values out, no files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv::revsample {

/// A tool described by a header comment "(T5 D 20 10 IDX)".
struct ToolComment {
    std::int16_t Station = 0;
    char Shape = 'U';                // upper case
    std::string SpecialName;         // the name after "S"
    std::array<double, 4> Size{};    // Size(1)..Size(4), mm
    bool Indexable = false;          // "IDX" given
    int Line = 0;
};

/// One punch hit, mm.
struct Hit {
    double X = 0;
    double Y = 0;
    std::int16_t Station = 0;
    double IndexAngle = 0;  // the block's C word; 0 without one
    int Line = 0;
};

/// A bolt-hole circle (G26); its holes are also in the hits.
struct BoltCircle {
    double CentreX = 0;
    double CentreY = 0;
    double Radius = 0;
    double StartAngle = 0;  // degrees
    int Count = 0;
    std::int16_t Station = 0;
    int Line = 0;
};

/// A clamp repositioning (G27 or G25).
struct ClampMove {
    int Code = 27;
    double Distance = 0;  // mm
    std::int16_t Station = 0;  // the tool active at that block, 0 when none
    int Line = 0;
};

struct PunchProgram {
    bool Inch = false;  // the program was written in inches; every length here is mm
    bool HasSheet = false;
    double SheetX = 0;
    double SheetY = 0;
    double Thickness = 0;
    bool HasClamps = false;
    double LeftClamp = 0;
    double RightClamp = 0;
    bool HasOrigin = false;  // G92 given
    double OriginX = 0;
    double OriginY = 0;
    std::vector<ToolComment> Tools;          // comment order
    std::vector<std::int16_t> StationOrder;  // stations in the order first called by T
    std::vector<Hit> Hits;
    std::vector<BoltCircle> Circles;
    std::vector<ClampMove> ClampMoves;

    /// The comment describing a station, nullptr when none does.
    const ToolComment* FindTool(std::int16_t station) const;
};

/// Most hits one program may give (a runaway bolt circle is refused).
constexpr std::size_t MaxHits = 100000;

/// Parses the program text. Errors read "line 7: unknown word \"Q5\""; a
/// program with no hit is an error.
Result<PunchProgram> ParsePunchProgram(const std::string& text);

// ---- Pieces shared by the parser's files ---------------------------------------

/// One address word of a block: letter (upper case) and its number.
struct Word {
    char Letter = 0;
    double Value = 0;
    bool Whole = true;  // no fraction digits and no point
};

struct BlockText {
    std::vector<Word> Words;
    std::vector<std::string> Comments;  // texts inside "( )", trimmed
};

/// Splits one line into words and comments. The error message has no line
/// number.
Status SplitBlock(const std::string& line, BlockText& block);

/// Takes the facts a header comment carries into the program (program
/// units, not yet mm). Other comments are ignored.
Status ReadComment(const std::string& comment, int line, PunchProgram& program, bool& inchMark);

/// A T number as a station: the number modulo 1000, which must lie in 1..120.
bool StationFromT(double value, std::int16_t& station);

}  // namespace qv::revsample
