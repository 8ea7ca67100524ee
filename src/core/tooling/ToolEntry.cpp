// The tool entry dialog's steps: shape, size, station, angle and confirmation.
#include "core/tooling/ToolEntry.h"

#include <optional>

#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/tooling/ShapeFile.h"
#include "core/tooling/ToolLibrary.h"
#include "core/tooling/ToolingState.h"
#include "core/common/FormatNumber.h"

namespace qv {

const char* const NoShapeMessage = "Tool Type Must Be Selected !";
const char* const NoSizeMessage = "Tool Size Must Be Selected !";
const char* const NoStationMessage = "Station Type Must Be Selected !";
const char* const NoAngleMessage = "Tool Angle Must Be Selected !";
const char* const BadAngleMessage = "Tool Angle Is Not A Valid Expression !";

std::string LibraryEntryLostText(const std::string& shapeFile) {
    return "Tool Size Not Found In \"" + shapeFile + "\" !";
}

namespace {

bool ValidRow(int row, std::size_t count) { return row >= 0 && static_cast<std::size_t>(row) < count; }

// The library name as the tool's description; zero-byte padding from other
// writers would otherwise travel into drawings.
std::string DescriptionOf(const LibraryEntry& entry) {
    std::string name = entry.name;
    for (char& c : name)
        if (c == '\0') c = ' ';
    return FixedText(name, ToolDescriptionWidth);
}

ToolConfirmation Refusal(std::string message, EntryControl focus) {
    ToolConfirmation result;
    result.message = std::move(message);
    result.focus = focus;
    return result;
}

}  // namespace

void ToolEntry::initialise() {
    view_.shapes = ToolShapes();
    view_.shapeRow = 0;
    listSizes(SizeRounding::Opening);
    emptyStations(false);
    lastShapeRow_ = view_.shapeRow;
    lastSizeRow_ = view_.sizeRow;
    lastStationRow_ = view_.stationRow;
}

void ToolEntry::startAt(const ToolRecord& tool) {
    const std::size_t shape = PunchShapeLetters().find(tool.Shape);
    if (!IsPunchShape(tool.Shape) || shape == std::string::npos) return;
    selectShape(static_cast<int>(shape));
    const int size = MatchingSizeRow(tool.Shape, view_.sizes, tool);
    if (size < 0) return;
    selectSize(size);
    for (std::size_t i = 0; i < view_.stations.size(); ++i) {
        if (view_.stations[i].Station != tool.Station) continue;
        selectStation(static_cast<int>(i));
        break;
    }
    if (view_.angleEntry == AngleEntry::Box) view_.angleText = FormatNumber(tool.IndexAngle);
    for (std::size_t i = 0; view_.angleEntry == AngleEntry::List && i < view_.angles.size(); ++i)
        if (view_.angles[i] == FormatNumber(tool.Angle)) view_.angleRow = static_cast<int>(i);
}

bool ToolEntry::selectShape(int row) {
    if (row == lastShapeRow_) return false;
    view_.shapeRow = row;
    listSizes(SizeRounding::ShapeChange);
    emptyStations(false);
    lastShapeRow_ = view_.shapeRow;
    lastSizeRow_ = view_.sizeRow;
    lastStationRow_ = view_.stationRow;
    if (view_.sizes.size() == 1) selectSize(0);
    return true;
}

bool ToolEntry::selectSize(int row) {
    if (row == lastSizeRow_) return false;
    view_.sizeRow = row;
    emptyStations(true);
    if (ValidRow(row, view_.sizes.size())) view_.stations = StationChoices(shapeLetter(), sizeRecord());
    lastSizeRow_ = view_.sizeRow;
    lastStationRow_ = view_.stationRow;
    if (view_.stations.size() == 1) selectStation(0);
    return true;
}

bool ToolEntry::selectStation(int row) {
    if (row == lastStationRow_) return false;
    view_.stationRow = row;
    view_.angles.clear();
    view_.angleRow = -1;
    if (shapeLetter() != 'A') {  // a round tool has no angle
        if (!ValidRow(row, view_.stations.size())) {
            view_.angleEntry = AngleEntry::Hidden;
        } else if (IsIndexCode(view_.stations[static_cast<std::size_t>(row)].StationCode)) {
            view_.angleEntry = AngleEntry::Box;
        } else {
            view_.angles = AngleChoices(shapeLetter(), sizeRecord());
            view_.angleEntry = AngleEntry::List;
        }
    }
    lastStationRow_ = view_.stationRow;
    if (view_.angles.size() == 1) view_.angleRow = 0;
    return true;
}

void ToolEntry::selectAngle(int row) { view_.angleRow = ValidRow(row, view_.angles.size()) ? row : -1; }

void ToolEntry::setAngleText(const std::string& text) { view_.angleText = text; }

ToolConfirmation ToolEntry::confirm() {
    if (!ValidRow(view_.shapeRow, view_.shapes.size())) {
        return Refusal(NoShapeMessage, EntryControl::ShapeList);
    }
    const char letter = shapeLetter();
    if (view_.sizes.size() == 1) selectSize(0);
    if (!ValidRow(view_.sizeRow, view_.sizes.size())) {
        return Refusal(NoSizeMessage, EntryControl::SizeList);
    }
    const std::int32_t record = sizeRecord();
    if (view_.stations.size() == 1) selectStation(0);
    if (!ValidRow(view_.stationRow, view_.stations.size())) {
        return Refusal(NoStationMessage, EntryControl::StnList);
    }
    const StationChoice& station = view_.stations[static_cast<std::size_t>(view_.stationRow)];

    float angle = 0;
    float indexAngle = 0;
    if (IsIndexCode(station.StationCode)) {
        const std::optional<double> typed = IndexAngleValue(view_.angleText);
        // A round tool's box is hidden and its angle changes nothing, so only
        // a shaped tool refuses a text that is no number instead of taking 0.
        if (!typed && letter != 'A') {
            return Refusal(BadAngleMessage, EntryControl::AngBox);
        }
        indexAngle = static_cast<float>(typed.value_or(0));
    } else if (letter != 'A') {
        if (view_.angles.size() == 1) view_.angleRow = 0;
        if (!ValidRow(view_.angleRow, view_.angles.size())) {
            return Refusal(NoAngleMessage, EntryControl::AngList);
        }
        angle = static_cast<float>(LeadingNumber(view_.angles[static_cast<std::size_t>(view_.angleRow)]));
    }

    // The file may have changed since the list was built; a record that is
    // gone or no longer live would make a tool of nothing.
    const std::optional<LibraryEntry> entry = ReadLibraryRecord(letter, record);
    if (!entry || !IsLiveEntry(*entry, letter)) {
        return Refusal(LibraryEntryLostText(Tooling().ToolLibraryPrefix + letter), EntryControl::SizeList);
    }

    ToolConfirmation result;
    ToolRecord& tool = result.tool;
    ClearToolRecord(tool);
    tool.Defined = true;
    // A damaged letter in the record must not make a defined tool of no shape.
    tool.Shape = IsPunchShape(entry->shape) ? entry->shape : letter;
    tool.Description = DescriptionOf(*entry);
    tool.Size = entry->size;
    tool.Station = station.Station;
    tool.StationCode = station.StationCode;
    tool.Angle = angle;
    tool.IndexAngle = indexAngle;
    result.accepted = true;
    return result;
}

void ToolEntry::listSizes(SizeRounding rounding) {
    view_.sizes.clear();
    view_.sizeRow = -1;
    view_.sizesShown = true;
    if (ValidRow(view_.shapeRow, view_.shapes.size())) view_.sizes = SizeChoices(shapeLetter(), rounding);
}

void ToolEntry::emptyStations(bool enabled) {
    view_.stations.clear();
    view_.stationRow = -1;
    view_.stationsShown = true;
    view_.stationsEnabled = enabled;
    view_.angles.clear();
    view_.angleRow = -1;
    view_.angleEntry = AngleEntry::Hidden;
}

char ToolEntry::shapeLetter() const {
    return ValidRow(view_.shapeRow, view_.shapes.size())
               ? view_.shapes[static_cast<std::size_t>(view_.shapeRow)].letter
               : ' ';
}

std::int32_t ToolEntry::sizeRecord() const {
    return ValidRow(view_.sizeRow, view_.sizes.size())
               ? view_.sizes[static_cast<std::size_t>(view_.sizeRow)].recordNumber
               : 0;
}

}  // namespace qv
