// What the sample processor reports for a parsed program: the sheet, the
// station list and the drawing records. Pure: no files.
//
// Drawing written (one 518-byte record each, in this order):
//   1       header: entity code 0, program name in Text18, record count,
//           level number 1000, machine setting 0, second setting 0, sheet X/Y
//           and clamps in Singles20, the SHEET thickness as material value 1
//   110     the sheet outline: Doubles6 = 0, 0, X, Y; no tool
//   311 x2  the left and right clamp: Doubles6[0] = position; no tool
//   210     one per hit: Doubles6[0..1] = X, Y; the station's tool with
//           IndexAngle = the block's C
//   220     one per G26 circle: Doubles6 = centre X, Y, radius, start angle,
//           hole count; sign field 1; the station's tool
//   120     one per clamp repositioning: Doubles6[0] = distance; sign field
//           1 for G27, -1 for G25; the tool active then
//   999     a note (Text18 "REVSAMPLE"), a code the workstation drops
#pragma once

#include <string>
#include <vector>

#include "PunchProgram.h"
#include "core/tooling/ToolRecord.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ExchangeFiles.h"

namespace qv::revsample {

/// Station code of a plain station and of one marked "IDX".
constexpr std::int16_t FixedStationCode = 10;
constexpr std::int16_t IndexStationCode = 45;

/// Sheet length, width, left and right clamp in mm.
ReverseSheet SheetOf(const PunchProgram& program);

/// The tool of a station as the drawing's entities carry it.
ToolRecord StationTool(const PunchProgram& program, std::int16_t station);

/// One entry per station called, in first-call order.
std::vector<ReverseTool> ToolsOf(const PunchProgram& program);

/// The drawing's records, header first, as laid out above.
std::vector<DrawingRecord> DrawingOf(const PunchProgram& program, const std::string& programName);

}  // namespace qv::revsample
