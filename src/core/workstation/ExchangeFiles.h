// The files the workstation and a reverse processor exchange in the system
// folder: "Reverse.pth", "Finished.flg", "Reverse.sht" and "Reverse.trt".
//
// Readers are strict: a missing, short or malformed file gives an error that
// names the file and the line, item or entry, and no partial result. Writers
// end lines with CR LF, replace the file whole, and write numbers as the
// shortest decimal text that reads back to the same value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv {

/// "Reverse.pth": the program to reverse, one value per line.
struct ReversePath {
    std::string ProgramPath;       // full path without ".prg"
    std::string ProgramName;       // as listed, without extension
    std::string CurrentDirectory;  // may be empty
    std::string MachineFolder;
};

/// Lines are trimmed. Lines 1, 2 and 4 must not be empty; line 3 may be.
/// Lines after the fourth are ignored.
Result<ReversePath> ReadReversePath(const std::string& path);
/// The same from the lines already read; path names the file in messages.
Result<ReversePath> ParseReversePath(const std::string& path, const std::vector<std::string>& lines);
/// Refuses values holding a line break (they would shift the lines).
Status WriteReversePath(const std::string& path, const ReversePath& value);

/// "Finished.flg": the first item is the status, 0 or less for success.
/// Anything but a whole number in the 16-bit range is an error, so that a
/// damaged flag is never taken for success.
Result<std::int16_t> ReadFinishedFlag(const std::string& path);
Status WriteFinishedFlag(const std::string& path, std::int16_t status);

/// "Reverse.sht": sheet length X, sheet width Y, left clamp, right clamp,
/// millimetres.
struct ReverseSheet {
    std::array<double, 4> Values{};
    double SheetX() const { return Values[0]; }
    double SheetY() const { return Values[1]; }
    double LeftClamp() const { return Values[2]; }
    double RightClamp() const { return Values[3]; }
};

Result<ReverseSheet> ReadReverseSheet(const std::string& path);
Status WriteReverseSheet(const std::string& path, const ReverseSheet& value);

/// One entry of "Reverse.trt": the tool found in a station.
struct ReverseTool {
    std::int16_t Station = 0;  // 1 to 120
    std::string Shape;         // shape letter as written (not yet upper-cased)
    std::string Description;
    std::array<float, 4> Size{};  // mm
    std::int16_t StationCode = 0;
    float Angle = 0;
    float IndexAngle = 0;
};

constexpr std::int16_t HighestReverseStation = 120;
constexpr std::size_t MaxReverseTools = 121;

/// The entries up to the first station that is 0 or less (or an empty field
/// or "******" where a station is due), or to the end of the file. A station
/// above 120, more than 121 entries, an entry cut short, or a field that is
/// not a number where one is due is an error. Entries keep file order; a
/// station listed twice is kept twice.
Result<std::vector<ReverseTool>> ReadReverseTools(const std::string& path);
/// One line per entry, then the end line "0". Refuses what the reader would
/// refuse (a station outside 1 to 120, more than 121 entries).
Status WriteReverseTools(const std::string& path, const std::vector<ReverseTool>& tools);

/// The shortest decimal text that reads back (as a leading number) to the
/// same value; exposed for the tests and for other writers of these files.
std::string ExactNumberText(double value);
std::string ExactNumberText(float value);

}  // namespace qv
