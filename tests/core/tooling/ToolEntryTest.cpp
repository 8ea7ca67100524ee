// The tool entry dialog's lists and confirmation on a temporary tool library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/ShapeFile.h"
#include "core/tooling/ShapeTable.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolEntry.h"
#include "core/tooling/ToolingState.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

namespace qv {
namespace {

using Slots = std::array<std::pair<std::int16_t, std::int16_t>, 6>;
using Angles = std::array<float, 6>;
constexpr Angles kNoAngles{-1, -1, -1, -1, -1, -1};

LibraryEntry Entry(char shape, const std::string& name, std::array<float, 4> size, Slots stations,
                   Angles angles = kNoAngles) {
    LibraryEntry e;
    e.shape = shape;
    e.name = name;
    e.size = size;
    e.stations = stations;
    e.angles = angles;
    return e;
}

// A machine with stations 1 (fixed), 2 (indexable in the library), 3, a
// station 5 of count 0 and a station 61 that is defined but above 60.
class ToolEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string windows = "C:" + dir_.path();
        for (char& c : windows)
            if (c == '/') c = '\\';
        folder_ = windows + "\\Tools\\";
        ASSERT_TRUE(platform::Current().makeFolder(folder_));
        Tooling().ToolLibraryPrefix = folder_ + "Full Library.";
        ClearToolRecord(Tooling().ChosenTool);
        State().Mach.InchUnits = false;

        StationTable() = StationArray{};
        Station(1, "T1 Fixed", 1);
        Station(2, "  Auto Index  ", 1);
        Station(3, "T3", 2);
        Station(5, "T5 Empty", 0);
        Station(61, "T61", 1);

        WriteShape('A', {Entry('A', "RND 10", {10, 0, 0, 0}, {{{1, 11}, {2, 45}}}),
                         Entry('A', "", {0, 0, 0, 0}, {}),
                         Entry('A', "RND 12.7", {12.7f, 0, 0, 0}, {{{1, 11}}})});
        WriteShape('B', {Entry('B', "SQ 20", {20, 0, 0, 0}, {{{3, 11}, {70, 11}, {5, 11}}},
                               {0, 45, -1, -1, -1, -1})});
        WriteShape('D', {Entry('D', "RECT 20X10", {20, 10, 0, 0},
                               {{{1, 11}, {61, 11}, {5, 12}, {2, 45}, {4, 11}}},
                               {0, 90, -1, -1, -1, -1}),
                         Entry('D', "RECT 30X15", {30, 15, 0, 0}, {{{1, 11}}}),
                         Entry('D', "RECT NO STN", {40, 20, 0, 0}, {{{5, 11}, {61, 11}}})});
        WriteShape('S', {Entry('S', "KEYHOLE", {}, {{{2, 45}}}),
                         Entry('S', "      ", {}, {{{1, 11}}}),
                         Entry('S', "D-SLOT", {}, {{{1, 11}, {1, 12}}}, {0, -1, -1, -1, -1, -1})});
    }

    void Station(int n, const std::string& name, std::int16_t count) {
        StationEntry& s = StationTable()[static_cast<std::size_t>(n)];
        s.Number = static_cast<std::int16_t>(n);
        s.Name = name;
        s.Count = count;
    }

    void WriteShape(char letter, const std::vector<LibraryEntry>& entries) {
        std::string bytes;
        for (const LibraryEntry& e : entries) bytes += EncodeShapeRecord(e);
        ASSERT_TRUE(platform::Current().writeFile(folder_ + "Full Library." + letter, bytes));
    }

    // A dialog opened and moved to the shape of the letter.
    ToolEntry OpenOn(char letter) {
        ToolEntry entry;
        entry.initialise();
        const std::string letters = PunchShapeLetters();
        entry.selectShape(static_cast<int>(letters.find(letter)));
        return entry;
    }

    static std::vector<std::string> SizeTexts(const ToolEntry& e) {
        std::vector<std::string> texts;
        for (const SizeChoice& s : e.view().sizes) texts.push_back(s.text);
        return texts;
    }

    static std::vector<std::int16_t> Stations(const ToolEntry& e) {
        std::vector<std::int16_t> numbers;
        for (const StationChoice& s : e.view().stations) numbers.push_back(s.Station);
        return numbers;
    }

    test::TempDir dir_;
    std::string folder_;
};

TEST_F(ToolEntryTest, ShapeListHoldsTheFourteenShapesInOrder) {
    const std::vector<ShapeChoice> shapes = ToolShapes();
    ASSERT_EQ(shapes.size(), 14u);
    std::string letters;
    for (const ShapeChoice& s : shapes) letters += s.letter;
    EXPECT_EQ(letters, "ABCDEFGHIJKLMS");
    EXPECT_EQ(shapes.front().name, "Diameter");
    EXPECT_EQ(shapes[2].name, "Rad-Square");
    EXPECT_EQ(shapes.back().name, "Special");
}

TEST_F(ToolEntryTest, OpensOnDiameterWithNothingChosen) {
    Tooling().ChosenTool.Defined = true;
    Tooling().ChosenTool.Shape = 'B';
    ToolEntry entry;
    EXPECT_FALSE(Tooling().ChosenTool.Defined);  // a cancelled dialog leaves no tool
    EXPECT_EQ(Tooling().ChosenTool.Shape, ' ');
    EXPECT_EQ(entry.view().angleText, "0");
    entry.initialise();
    const ToolEntryView& v = entry.view();
    EXPECT_EQ(v.shapeRow, 0);
    EXPECT_EQ(SizeTexts(entry), (std::vector<std::string>{"10", "12.7"}));
    EXPECT_EQ(v.sizes[1].recordNumber, 3);
    EXPECT_EQ(v.sizeRow, -1);
    EXPECT_TRUE(v.stationsShown);
    EXPECT_FALSE(v.stationsEnabled);
    EXPECT_EQ(v.angleEntry, AngleEntry::Hidden);
}

struct RoundingCase {
    const char* name;
    bool inches;
    float size;
    SizeRounding rounding;
    const char* shown;
};

const RoundingCase kRounding[] = {
    {"mm opening", false, 12.7f, SizeRounding::Opening, "12.7"},
    {"mm shape change", false, 12.7f, SizeRounding::ShapeChange, "12.7"},
    {"mm opening rounds to 3", false, 10.0004f, SizeRounding::Opening, "10"},
    {"mm shape change as stored", false, 10.0004f, SizeRounding::ShapeChange, "10.0004"},
    {"inch opening half inch", true, 12.7f, SizeRounding::Opening, "0.5"},
    {"inch shape change half inch", true, 12.7f, SizeRounding::ShapeChange, "0.5"},
    {"inch opening four decimals", true, 10, SizeRounding::Opening, "0.3937"},
    {"inch shape change three decimals", true, 10, SizeRounding::ShapeChange, "0.394"},
};

TEST_F(ToolEntryTest, SizeTextsFollowUnitsAndWhenTheListIsBuilt) {
    for (const RoundingCase& c : kRounding) {
        SCOPED_TRACE(c.name);
        State().Mach.InchUnits = c.inches;
        WriteShape('C', {Entry('C', "RSQ", {c.size, 0, 0, 25.4f}, {})});
        const std::vector<SizeChoice> rows = SizeChoices('C', c.rounding);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].text, std::string(c.shown) + (c.inches ? "r1" : "r25.4"));
    }
}

TEST_F(ToolEntryTest, SpecialsShowTheirNameAndSkipBlankNames) {
    const std::vector<SizeChoice> rows = SizeChoices('S', SizeRounding::ShapeChange);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "KEYHOLE");
    EXPECT_EQ(rows[1].text, "D-SLOT");
    EXPECT_EQ(rows[1].recordNumber, 3);
}

TEST_F(ToolEntryTest, MissingShapeFileGivesNoSizes) {
    EXPECT_TRUE(SizeChoices('K', SizeRounding::ShapeChange).empty());
}

TEST_F(ToolEntryTest, StationsAreThoseTheEntryAllowsAndTheMachineOffers) {
    struct Case {
        char letter;
        std::int32_t record;
        std::vector<std::int16_t> stations;
    } cases[] = {
        {'B', 1, {3}},                 // 70 above 60, 5 of count 0
        {'D', 1, {1, 2}},              // 61 defined but above 60, 4 not defined
        {'D', 3, {}},                  // nothing the machine offers
        {'S', 3, {1, 1}},              // a station named twice stays twice
        {'D', 9, {}},                  // no such record
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.letter) + std::to_string(c.record));
        std::vector<std::int16_t> got;
        for (const StationChoice& s : StationChoices(c.letter, c.record)) got.push_back(s.Station);
        EXPECT_EQ(got, c.stations);
    }
    const std::vector<StationChoice> d = StationChoices('D', 1);
    EXPECT_EQ(d[1].name, "Auto Index");
    EXPECT_EQ(d[1].StationCode, 45);
    EXPECT_EQ(StationChoices('S', 3)[1].StationCode, 12);
}

TEST_F(ToolEntryTest, ShapeWithOneEntryIsChosenAtOnceDownToItsStation) {
    ToolEntry entry = OpenOn('B');
    const ToolEntryView& v = entry.view();
    EXPECT_EQ(v.sizeRow, 0);
    EXPECT_EQ(Stations(entry), (std::vector<std::int16_t>{3}));
    EXPECT_EQ(v.stationRow, 0);
    EXPECT_TRUE(v.stationsEnabled);
    EXPECT_EQ(v.angleEntry, AngleEntry::List);
    EXPECT_EQ(v.angles, (std::vector<std::string>{"0", "45"}));
    EXPECT_EQ(v.angleRow, -1);
}

TEST_F(ToolEntryTest, ClickOnTheSelectedShapeChangesNothing) {
    ToolEntry entry;
    entry.initialise();
    entry.selectSize(1);
    EXPECT_FALSE(entry.selectShape(0));
    EXPECT_EQ(entry.view().sizeRow, 1);
    EXPECT_EQ(Stations(entry), (std::vector<std::int16_t>{1}));
}

TEST_F(ToolEntryTest, StationStepShowsTheAngleListOrTheAngleBox) {
    ToolEntry entry = OpenOn('D');
    entry.selectSize(0);
    EXPECT_EQ(entry.view().angleEntry, AngleEntry::Hidden);
    entry.selectStation(0);
    EXPECT_EQ(entry.view().angleEntry, AngleEntry::List);
    EXPECT_EQ(entry.view().angles, (std::vector<std::string>{"0", "90"}));
    entry.selectStation(1);
    EXPECT_EQ(entry.view().angleEntry, AngleEntry::Box);
    EXPECT_TRUE(entry.view().angles.empty());
    entry.selectShape(0);  // a new shape hides the angle again
    EXPECT_EQ(entry.view().angleEntry, AngleEntry::Hidden);
    EXPECT_FALSE(entry.view().stationsEnabled);
}

TEST_F(ToolEntryTest, RoundToolNeverShowsAnAngle) {
    ToolEntry entry;
    entry.initialise();
    entry.selectSize(0);
    for (int row : {0, 1}) {
        entry.selectStation(row);
        EXPECT_EQ(entry.view().angleEntry, AngleEntry::Hidden);
    }
}

struct RefusalCase {
    const char* name;
    char shape;  // '\0': the dialog is not initialised
    int size;    // -1: none picked
    int station;
    int angle;
    std::string typed;
    std::string message;
    EntryControl focus;
};

const RefusalCase kRefusals[] = {
    {"no shape", '\0', -1, -1, -1, "0", NoShapeMessage, EntryControl::ShapeList},
    {"no size among two", 'A', -1, -1, -1, "0", NoSizeMessage, EntryControl::SizeList},
    {"no station among two", 'D', 0, -1, -1, "0", NoStationMessage, EntryControl::StnList},
    {"no station offered", 'D', 2, -1, -1, "0", NoStationMessage, EntryControl::StnList},
    {"no angle among two", 'D', 0, 0, -1, "0", NoAngleMessage, EntryControl::AngList},
    {"all angles unused", 'D', 1, -1, -1, "0", NoAngleMessage, EntryControl::AngList},
    {"typed angle no expression", 'D', 0, 1, -1, "(45", BadAngleMessage, EntryControl::AngBox},
    {"typed angle empty", 'D', 0, 1, -1, "", BadAngleMessage, EntryControl::AngBox},
};

TEST_F(ToolEntryTest, ConfirmationRefusesEachMissingChoice) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        ToolEntry entry;
        if (c.shape) entry = OpenOn(c.shape);
        if (c.size >= 0) entry.selectSize(c.size);
        if (c.station >= 0) entry.selectStation(c.station);
        if (c.angle >= 0) entry.selectAngle(c.angle);
        entry.setAngleText(c.typed);
        const ToolConfirmation result = entry.confirm();
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.focus, c.focus);
        EXPECT_FALSE(Tooling().ChosenTool.Defined);
    }
}

TEST_F(ToolEntryTest, FixedStationToolIsBuiltFromItsLibraryRecord) {
    ToolEntry entry = OpenOn('D');
    entry.selectSize(0);
    entry.selectStation(0);
    entry.selectAngle(1);
    const ToolConfirmation result = entry.confirm();
    ASSERT_TRUE(result.accepted);
    const ToolRecord& t = Tooling().ChosenTool;
    EXPECT_TRUE(t.Defined);
    EXPECT_EQ(t.Shape, 'D');
    EXPECT_EQ(t.Description, "RECT 20X10" + std::string(54, ' '));  // the entry's name, not "Rectangle"
    EXPECT_EQ(t.Size, (std::array<float, 4>{20, 10, 0, 0}));
    EXPECT_EQ(t.Station, 1);
    EXPECT_EQ(t.StationCode, 11);
    EXPECT_EQ(t.Angle, 90.0f);
    EXPECT_EQ(t.IndexAngle, 0.0f);
    EXPECT_EQ(t.Count, 0);
}

TEST_F(ToolEntryTest, IndexAngleIsTheTypedExpressionRounded) {
    const std::pair<const char*, float> cases[] = {
        {"45", 45}, {"90+45", 135}, {"22.5", 22.5f}, {"10/3", 3.333f}, {"-0.0004", 0}};
    for (const auto& [typed, value] : cases) {
        SCOPED_TRACE(typed);
        ToolEntry entry = OpenOn('D');
        entry.selectSize(0);
        entry.selectStation(1);
        entry.setAngleText(typed);
        ASSERT_TRUE(entry.confirm().accepted);
        EXPECT_EQ(Tooling().ChosenTool.Station, 2);
        EXPECT_EQ(Tooling().ChosenTool.StationCode, 45);
        EXPECT_EQ(Tooling().ChosenTool.Angle, 0.0f);
        EXPECT_FLOAT_EQ(Tooling().ChosenTool.IndexAngle, value);
    }
}

TEST_F(ToolEntryTest, RoundToolInIndexableStationTakesTheBoxText) {
    const std::pair<const char*, float> cases[] = {{"0", 0}, {"30", 30}, {"(45", 0}};
    for (const auto& [typed, value] : cases) {
        SCOPED_TRACE(typed);
        ToolEntry entry;
        entry.initialise();
        entry.setAngleText(typed);  // typed for an earlier shape of this opening
        entry.selectSize(0);
        entry.selectStation(1);
        const ToolConfirmation result = entry.confirm();
        ASSERT_TRUE(result.accepted);
        EXPECT_EQ(result.tool.StationCode, 45);
        EXPECT_EQ(result.tool.IndexAngle, value);
    }
}

TEST_F(ToolEntryTest, RoundToolInFixedStationNeedsNoAngle) {
    ToolEntry entry;
    entry.initialise();
    entry.selectSize(1);  // one station: chosen at once
    const ToolConfirmation result = entry.confirm();
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.tool.Shape, 'A');
    EXPECT_FLOAT_EQ(result.tool.Size[0], 12.7f);
    EXPECT_EQ(result.tool.Angle, 0.0f);
}

TEST_F(ToolEntryTest, ConfirmationPicksTheOnlyRowOfEachList) {
    WriteShape('A', {Entry('A', "RND 8", {8, 0, 0, 0}, {{{3, 11}}})});
    ToolEntry entry;
    entry.initialise();
    EXPECT_EQ(entry.view().sizeRow, -1);  // the opening list picks nothing
    const ToolConfirmation result = entry.confirm();
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(entry.view().sizeRow, 0);
    EXPECT_EQ(entry.view().stationRow, 0);
    EXPECT_EQ(result.tool.Station, 3);
}

TEST_F(ToolEntryTest, SpecialInIndexableStation) {
    ToolEntry entry = OpenOn('S');
    entry.selectSize(0);  // its one station is chosen at once
    EXPECT_EQ(entry.view().angleEntry, AngleEntry::Box);
    entry.setAngleText("90");
    const ToolConfirmation result = entry.confirm();
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.tool.Shape, 'S');
    EXPECT_EQ(result.tool.Description.substr(0, 8), "KEYHOLE ");
    EXPECT_EQ(result.tool.IndexAngle, 90.0f);
}

TEST_F(ToolEntryTest, EntryGoneFromItsFileIsRefused) {
    ToolEntry entry = OpenOn('B');
    entry.selectAngle(0);
    WriteShape('B', {Entry('B', "", {0, 0, 0, 0}, {})});
    const ToolConfirmation result = entry.confirm();
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.message, LibraryEntryLostText(folder_ + "Full Library.B"));
    EXPECT_EQ(result.focus, EntryControl::SizeList);
    EXPECT_FALSE(Tooling().ChosenTool.Defined);
}

TEST_F(ToolEntryTest, ZeroPaddedNameBecomesSpaces) {
    WriteShape('J', {Entry('J', std::string("HEX 5") + std::string(13, '\0'), {5, 0, 0, 0}, {{{1, 11}}},
                           {30, -1, -1, -1, -1, -1})});
    ToolEntry entry = OpenOn('J');
    const ToolConfirmation result = entry.confirm();  // one size, one station, one angle
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.tool.Description, "HEX 5" + std::string(59, ' '));
    EXPECT_EQ(result.tool.Angle, 30.0f);
}

}  // namespace
}  // namespace qv
