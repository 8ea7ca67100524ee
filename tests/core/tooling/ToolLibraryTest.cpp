// The tool library: choosing it and the companion files created for it; its
// shape files: the record layout, round trips, live entries and reading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ToolLibrary.h"
#include "core/tooling/ToolingState.h"
#include "support/Fields.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::FromHex;

const std::string kTools = "C:\\QV\\DATA\\Tools\\M1\\";
const std::string kTurrets = "C:\\QV\\DATA\\Turrets\\M1\\";
const std::string kList = "******\r\n";

// A punch machine with its tool and turret folders.
struct Prepared : test::MachineSandbox {
    Prepared() {
        State().Mach.PunchMachine = true;
        State().Mach.MachineValue3 = 2;
        makeFolder(kTools);
        makeFolder(kTurrets);
    }
};

struct ToolLibraryTest : ::testing::Test { Prepared box; };

TEST(LibraryChoice, FallsBackToFullLibrary) {
    // listFiles: ".lkp" files already in the tool folder.
    const struct { const char* name; std::vector<std::string> listFiles; std::string wanted, chosen; } cases[] = {
        {"named library present, name trimmed", {"Thin.lkp", "Full Library.lkp"}, "  Thin ", "Thin"},
        {"named library missing, full present", {"Full Library.lkp", "Alpha.lkp"}, "Thick", "Full Library"},
        {"no list file at all", {}, "Thick", "Full Library"},
        {"named and full missing: first list file", {"Beta.lkp", "alpha.lkp"}, "Thick", "alpha"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Prepared box;
        for (const std::string& f : c.listFiles) box.write(kTools + f, kList);
        Tooling().ToolLibraryName = c.wanted;
        PrepareToolLibrary();
        EXPECT_EQ(Tooling().ToolLibraryName, c.chosen);
        EXPECT_EQ(box.read(kTools + c.chosen + ".lkp"), kList);
        EXPECT_TRUE(box.exists(kTools + c.chosen + ".dft"));
    }
}

// Files already there are kept, the library's defaults with two records and a partial one.
TEST_F(ToolLibraryTest, CreatesTheMissingFilesByteForByte) {
    const std::string dft(47 * 2 + 5, '\x07');
    box.write(kTools + "Thin.lkp", "A,1\r\n******\r\n");
    box.write(kTurrets + "Thin.0", "keep");
    box.write(kTools + "Thin.dft", dft);
    Tooling().ToolLibraryName = "Thin";
    PrepareToolLibrary();
    EXPECT_EQ(box.read(kTools + "Thin.lkp") + box.read(kTurrets + "Thin.0") + box.read(kTools + "Thin.dft"),
              "A,1\r\n******\r\nkeep" + dft);
    for (const std::string& list : {kTools + "Full Library.lkp", kTurrets + "Thin.lkp", kTurrets + "Full Library.lkp"})
        EXPECT_EQ(box.read(list), kList) << list;
    EXPECT_EQ(box.read(kTurrets + "Full Library.0"), "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n******\r\n");
    EXPECT_FALSE(box.exists(kTools + "Full Library.dft"));
    EXPECT_EQ(TurretLayoutText(-3), kList);
}

// A machine that does not punch only gets the prefix. A punching one with no
// turret folder: its four files cannot be made, the tool folder's still are.
TEST_F(ToolLibraryTest, NonPunchMachineOnlySetsThePrefixAndAFailingStepIsSkipped) {
    State().Mach.PunchMachine = false;
    Tooling().ToolLibraryName = "Thick";
    PrepareToolLibrary();
    EXPECT_EQ(Tooling().ToolLibraryName + " " + Tooling().ToolLibraryPrefix, "Thick " + kTools + "Thick.");
    EXPECT_FALSE(box.exists(kTools + "Full Library.lkp") || box.exists(kTools + "Thick.dft"));
    State().Mach.PunchMachine = true;
    box.remove(kTurrets);
    PrepareToolLibrary();
    EXPECT_EQ(test::Fields(Tooling().ToolLibraryName, box.exists(kTools + "Full Library.dft"),
                           box.exists(kTurrets + "Full Library.0")),
              "Full Library 1 0");
    EXPECT_EQ(box.read(kTools + "Full Library.lkp"), kList);
}

const std::string kLib = "C:\\QV\\DATA\\Tools\\M1\\Lib.";

LibraryEntry Entry(char shape, float size1, const std::string& name = "Punch") {
    LibraryEntry e;
    e.shape = shape;
    e.name = FixedText(name, LibraryNameWidth);
    e.size = {size1, 2.5f, -1.5f, 0.75f};
    e.stations = {{{3, 11}, {70, 0}, {5, 25}, {0, 0}, {0, 0}, {-1, -1}}};
    e.angles = {0.0f, 90.0f, -1.0f, -1.0f, 45.5f, -1.0f};
    return e;
}

// Shape, name, sizes 20 2.5 -1.5 0.75, stations (3,11) (70,0) (5,25) (0,0)
// (0,0) (-1,-1), angles 0 90 -1 -1 45.5 -1, the unused tail; little-endian.
TEST(ShapeRecord, FieldsSitAtTheirOffsetsAndAnyRecordRoundTrips) {
    LibraryEntry e = Entry('D', 20.0f, "Slot 20x2.5");
    e.unused = "\x01\x02\x03\x04\x05\x06";
    const std::string expected = "D" + FixedText("Slot 20x2.5", 18) +
                                 FromHex("0000A041" "00002040" "0000C0BF" "0000403F" "03000B00" "46000000" "05001900"
                                         "00000000" "00000000" "FFFFFFFF" "00000000" "0000B442" "000080BF" "000080BF"
                                         "00003642" "000080BF" "010203040506");
    ASSERT_EQ(expected.size(), ShapeRecordSize);
    EXPECT_EQ(EncodeShapeRecord(e), expected);
    // Every byte value in every position, the unused tail included; the
    // floats kept ordinary numbers so that no NaN bit pattern is in play.
    for (int seed = 0; seed < 8; ++seed) {
        std::string raw(ShapeRecordSize, '\0');
        for (std::size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<char>((i * 37 + seed * 101 + 7) & 0xFF);
        for (std::size_t off : {19u, 23u, 27u, 31u, 59u, 63u, 67u, 71u, 75u, 79u})
            raw[off + 3] = static_cast<char>(0x40 + seed);
        Result<LibraryEntry> decoded = DecodeShapeRecord(raw, 4);
        ASSERT_TRUE(decoded.ok());
        EXPECT_EQ(decoded->recordNumber, 4);
        EXPECT_EQ(EncodeShapeRecord(*decoded), raw) << "seed " << seed;
    }
    const Result<LibraryEntry> shortRecord = DecodeShapeRecord(std::string(88, ' '), 3);
    EXPECT_NE(shortRecord.message().find("record 3"), std::string::npos) << shortRecord.message();
}

// Reading changes nothing; a partial record at the end is no record. A missing file of a shape letter is created
// empty; other letters and an unprepared library give nothing and create nothing.
TEST(ShapeFileRead, ListsLiveRecordsReadsOneRecordAndMakesOnlyItsLettersFiles) {
    test::MachineSandbox box;
    box.makeFolder("C:\\QV\\DATA\\Tools\\M1");
    Tooling().ToolLibraryPrefix = kLib;
    std::string bytes;
    for (float s : {10.0f, 0.0f, 0.1f, 12.7f, 1000.0f, 999.9f}) bytes += EncodeShapeRecord(Entry('A', s));
    box.write(kLib + "A", bytes + std::string(40, 'x'));
    std::string numbers;
    for (const LibraryEntry& e : ReadShapeFile('A')) numbers += std::to_string(e.recordNumber) + " ";
    EXPECT_EQ(numbers, "1 4 6 ");
    EXPECT_EQ(box.read(kLib + "A"), bytes + std::string(40, 'x'));
    // Live entries lie strictly between the size limits, or are specials with a name.
    LibraryEntry zeros = Entry('S', 50.0f);
    zeros.name = std::string(18, '\0');
    box.write(kLib + "S", EncodeShapeRecord(Entry('S', 0.0f, "KEYHOLE")) + EncodeShapeRecord(Entry('S', 50.0f, "")) +
                              EncodeShapeRecord(zeros));
    EXPECT_EQ(ReadShapeFile('S').size(), 1u);
    box.write(kLib + "D", EncodeShapeRecord(Entry('D', 20.0f, "Slot")) + EncodeShapeRecord(Entry('D', 0.0f, "Gone")));
    const std::optional<LibraryEntry> first = ReadLibraryRecord('D', 1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(test::Fields(first->name, first->stations[2].first, first->stations[2].second, first->angles[4]),
              "Slot               5 25 45.5");
    EXPECT_EQ(ReadLibraryRecord('D', 2).value_or(LibraryEntry()).recordNumber, 2);  // read live or not
    for (int n : {3, 0}) EXPECT_FALSE(ReadLibraryRecord('D', n).has_value()) << n;
    EXPECT_TRUE(ReadShapeFile('F').empty());
    EXPECT_EQ(test::Fields(box.exists(kLib + "F"), box.read(kLib + "F").size()), "1 0");
    EXPECT_TRUE(ReadShapeFile('Z').empty() && ReadShapeFile('a').empty());
    EXPECT_FALSE(ReadLibraryRecord('Z', 1).has_value() || ReadLibraryRecord('E', 1).has_value());
    EXPECT_FALSE(box.exists(kLib + "Z") || box.exists(kLib + "E"));
    Tooling().ToolLibraryPrefix.clear();
    EXPECT_TRUE(ReadShapeFile('A').empty() && !ReadLibraryRecord('A', 1).has_value());
}

}  // namespace
}  // namespace qv
