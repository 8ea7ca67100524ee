// The tool entry dialog without its window: which rows each list holds, which
// are chosen, what is shown, and the confirmation that builds the tool.
//
// The window forwards each user change to one select call and then shows the
// view again. A call that selects a list's only row runs that row's step at
// once, as a click on it would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/tooling/ToolEntryLists.h"
#include "core/tooling/ToolRecord.h"

namespace qv {

/// How the angle is given for the chosen station.
enum class AngleEntry {
    Hidden,  // no station yet, or a round tool in a fixed station
    List,    // fixed station: pick one of the entry's angles
    Box,     // indexable station: type an expression
};

/// The controls a refusal gives the focus to.
enum class EntryControl { None, ShapeList, SizeList, StnList, AngList, AngBox };

/// Everything the window shows. Rows are -1 when nothing is selected.
struct ToolEntryView {
    std::vector<ShapeChoice> shapes;
    int shapeRow = -1;
    std::vector<SizeChoice> sizes;
    int sizeRow = -1;
    bool sizesShown = false;
    std::vector<StationChoice> stations;  // StationChoices: row k is pair k
    int stationRow = -1;
    bool stationsShown = false;
    bool stationsEnabled = false;
    std::vector<std::string> angles;
    int angleRow = -1;
    AngleEntry angleEntry = AngleEntry::Hidden;
    std::string angleText = "0";  // AngBox
};

/// What the confirmation found. On a refusal the window beeps, shows message
/// and gives focus to the control; the dialog stays open.
struct ToolConfirmation {
    bool accepted = false;
    std::string message;
    EntryControl focus = EntryControl::None;
    ToolRecord tool;  // the tool, when accepted
};

/// The dialog's refusals.
extern const char* const NoShapeMessage;    // "Tool Type Must Be Selected !"
extern const char* const NoSizeMessage;     // "Tool Size Must Be Selected !"
extern const char* const NoStationMessage;  // "Station Type Must Be Selected !"
extern const char* const NoAngleMessage;    // "Tool Angle Must Be Selected !"
extern const char* const BadAngleMessage;   // "Tool Angle Is Not A Valid Expression !"

/// The refusal when the chosen size's record is gone from its shape file.
std::string LibraryEntryLostText(const std::string& shapeFile);

class ToolEntry {
public:
    /// A fresh dialog: every list empty, angle text "0".
    ToolEntry() = default;

    /// Lists the shapes and the first shape's sizes; no size or station yet.
    void initialise();

    /// After initialise: opens on the tool of a table row, as far as the
    /// library holds it: its shape, then its size, then its station (and a
    /// fixed station's angle, an indexable one's typed angle). A tool of no
    /// punch shape leaves the opening as it is. Nothing is confirmed.
    void startAt(const ToolRecord& tool);

    /// The user's changes. Each does nothing when the row is the one the
    /// list already had (returns false); otherwise refills the lists below it.
    bool selectShape(int row);
    bool selectSize(int row);
    bool selectStation(int row);
    void selectAngle(int row);
    void setAngleText(const std::string& text);

    /// InptOk: checks the choices in order and, when all are made, builds the
    /// tool from its library record.
    ToolConfirmation confirm();

    const ToolEntryView& view() const { return view_; }

private:
    void listSizes(SizeRounding rounding);
    /// Empties the station and angle lists below a new shape or size.
    void emptyStations(bool enabled);
    char shapeLetter() const;
    std::int32_t sizeRecord() const;

    ToolEntryView view_;
    int lastShapeRow_ = -1;
    int lastSizeRow_ = -1;
    int lastStationRow_ = -1;
};

}  // namespace qv
