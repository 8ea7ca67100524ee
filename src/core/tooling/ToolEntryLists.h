// The rows the tool entry dialog lists: shapes, library sizes, the stations
// an entry may go into and the angles it may take, as plain values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tooling/ToolRecord.h"

namespace qv {

/// One row of the shape list.
struct ShapeChoice {
    char letter = ' ';
    std::string name;  // "Diameter"
};

/// One row of the size list: the library entry behind it and its text.
struct SizeChoice {
    std::int32_t recordNumber = 0;
    std::string text;  // "20x10r2", or a Special's trimmed name
};

/// One row of the station list: the station slot of the library entry.
struct StationChoice {
    std::int16_t Station = 0;
    std::int16_t StationCode = 0;
    std::string name;  // the station's trimmed name
};

/// How the size texts are rounded: the dialog's first list differs from the
/// lists built when the user changes shape, and both are kept as users know them.
enum class SizeRounding { Opening, ShapeChange };

/// The 14 punch shapes in list order, Diameter first.
std::vector<ShapeChoice> ToolShapes();

/// The live entries of the library's shape file for the letter, in record
/// order, with their sizes in the machine's units (inches when InchUnits).
std::vector<SizeChoice> SizeChoices(char letter, SizeRounding rounding);

/// The station slots of library record recordNumber that the machine offers
/// (StationAvailable), in slot order. A station named twice is listed twice,
/// so rows and slots stay aligned. None when the record cannot be read.
std::vector<StationChoice> StationChoices(char letter, std::int32_t recordNumber);

/// The row of sizes (listed for the letter) whose library entry is the
/// tool's: for a Special the same name regardless of case, else the same
/// sizes to the thousandth of a millimetre; -1 when the library has none.
int MatchingSizeRow(char letter, const std::vector<SizeChoice>& sizes, const ToolRecord& tool);

/// The record's angles that are 0 or more, in slot order, as list texts;
/// negative angles mark unused slots.
std::vector<std::string> AngleChoices(char letter, std::int32_t recordNumber);

/// A typed index angle: the expression's value rounded to 3 decimals; none
/// when the text cannot be evaluated or the value is beyond single precision.
std::optional<double> IndexAngleValue(const std::string& text);

}  // namespace qv
