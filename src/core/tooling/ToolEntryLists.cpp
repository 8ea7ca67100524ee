// Builds the tool entry dialog's rows from the tool library and the station table.
#include "core/tooling/ToolEntryLists.h"

#include <cmath>
#include <limits>

#include "core/common/Numbers.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ShapeTable.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolLibrary.h"
#include "core/tooling/ToolRecord.h"
#include "core/common/EvaluateExpression.h"
#include "core/common/FormatNumber.h"

namespace qv {
namespace {

// Library files written by other tools may pad names with zero bytes.
std::string ShownName(std::string name) {
    for (char& c : name)
        if (c == '\0') c = ' ';
    return Trim(name);
}

}  // namespace

std::vector<ShapeChoice> ToolShapes() {
    std::vector<ShapeChoice> shapes;
    for (char letter : PunchShapeLetters()) shapes.push_back({letter, ShapeListName(letter)});
    return shapes;
}

std::vector<SizeChoice> SizeChoices(char letter, SizeRounding rounding) {
    Units units = Units::Millimetres;
    int decimals = 3;
    if (State().Mach.InchUnits) {
        units = Units::Inches;
        decimals = rounding == SizeRounding::Opening ? 4 : 3;
    } else if (rounding == SizeRounding::ShapeChange) {
        units = Units::AsStored;
    }
    std::vector<SizeChoice> rows;
    for (const LibraryEntry& entry : ReadShapeFile(letter)) {
        std::string text = letter == 'S' ? ShownName(entry.name)
                                         : SizesText(letter, entry.size, units, decimals);
        rows.push_back({entry.recordNumber, std::move(text)});
    }
    return rows;
}

int MatchingSizeRow(char letter, const std::vector<SizeChoice>& sizes, const ToolRecord& tool) {
    const std::string wanted = letter == 'S' ? Trim(tool.Description)
                                             : SizesText(letter, tool.Size, Units::Millimetres, 3);
    for (const LibraryEntry& entry : ReadShapeFile(letter)) {
        const bool same = letter == 'S' ? EqualsNoCase(ShownName(entry.name), wanted)
                                        : SizesText(letter, entry.size, Units::Millimetres, 3) == wanted;
        if (!same) continue;
        for (std::size_t i = 0; i < sizes.size(); ++i)
            if (sizes[i].recordNumber == entry.recordNumber) return static_cast<int>(i);
    }
    return -1;
}

std::vector<StationChoice> StationChoices(char letter, std::int32_t recordNumber) {
    std::vector<StationChoice> rows;
    const std::optional<LibraryEntry> entry = ReadLibraryRecord(letter, recordNumber);
    if (!entry) return rows;
    for (const auto& [station, code] : entry->stations) {
        if (!StationAvailable(station)) continue;
        std::string name = Trim(StationTable()[static_cast<std::size_t>(station)].Name);
        // A station without a name would be a blank row nobody can read.
        if (name.empty()) name = std::to_string(station);
        rows.push_back({station, code, std::move(name)});
    }
    return rows;
}

std::vector<std::string> AngleChoices(char letter, std::int32_t recordNumber) {
    std::vector<std::string> rows;
    const std::optional<LibraryEntry> entry = ReadLibraryRecord(letter, recordNumber);
    if (!entry) return rows;
    for (float angle : entry->angles)
        if (angle >= 0) rows.push_back(FormatNumber(angle));
    return rows;
}

std::optional<double> IndexAngleValue(const std::string& text) {
    const std::optional<double> value = EvaluateExpression(text);
    // The tool holds a single; beyond it the angle would be infinite.
    if (!value || !(std::fabs(*value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return RoundDecimals(*value, 3);
}

}  // namespace qv
