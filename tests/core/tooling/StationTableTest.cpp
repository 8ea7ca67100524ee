// Loading the station file: list ends, offered stations, units and faults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/StationTable.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

const char* const kStationFile = "C:\\QV\\DATA\\Data\\M1.stn";

// Entries left over from an earlier machine must not survive a load.
TEST(StationTable, LoadsStoresAndOffers) {
    // text: nullptr: no station file; loaded: entries holding a station afterwards; offered: stations
    // StationAvailable accepts.
    const struct { const char* name; const char* text; bool ok; std::vector<int> loaded, offered; } cases[] = {
        {"marker first leaves the table empty", "******\r\n1,One,0,0,0,1\r\n", true, {}, {}},
        {"count 0 is stored but never offered", "1,One,1,0,0,2\r\n2,Two,1,0,0,0\r\n3,Three,1,0,0,-1\r\n******\r\n",
         true, {1, 2, 3}, {1}},
        {"stations above 60 are stored, never offered",
         "60,Sixty,0,0,0,1\r\n61,Big,0,0,0,1\r\n64,Last,0,0,0,1\r\n******\r\n", true, {60, 61, 64}, {60}},
        {"65 ends the list", "3,Three,0,0,0,1\r\n65,Over,0,0,0,1\r\n4,Four,0,0,0,1\r\n******\r\n", true, {3}, {3}},
        {"0 ends the list", "3,Three,0,0,0,1\r\n0,Zero,0,0,0,1\r\n4,Four,0,0,0,1\r\n******\r\n", true, {3}, {3}},
        {"an empty field ends the list", "3,Three,0,0,0,1\r\n\r\n4,Four,0,0,0,1\r\n******\r\n", true, {3}, {3}},
        {"fraction of the number dropped", "7.9,Seven,0,0,0,1\r\n******\r\n", true, {7}, {7}},
        {"blank lines then the end are no marker", "1,One,0,0,0,1\r\n\r\n\r\n", false, {1}, {1}},
        {"a station cut short is an error", "1,One,0,0,0,1\r\n2,Two,0\r\n", false, {1}, {1}},
        {"a count that is no number is an error", "1,One,0,0,0,x\r\n******\r\n", false, {}, {}},
        {"a station number that is no number is an error", "one,One,0,0,0,1\r\n******\r\n", false, {}, {}},
        {"a missing file is an error", nullptr, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MachineSandbox box;
        if (c.text) box.write(kStationFile, c.text);
        StationTable()[9].Number = 9;
        StationTable()[9].Count = 1;
        const Status status = LoadStationTable();
        EXPECT_EQ(status.ok(), c.ok) << status.message();
        if (!c.ok) { EXPECT_NE(status.message().find(kStationFile), std::string::npos) << status.message(); }
        std::vector<int> loaded, offered;
        for (int n = 0; n < StationTableSize; ++n) {
            if (StationTable()[n].Number != 0) loaded.push_back(n);
            if (StationAvailable(static_cast<std::int16_t>(n))) offered.push_back(n);
        }
        EXPECT_EQ(loaded, c.loaded);
        EXPECT_EQ(offered, c.offered);
    }
    // Numbers outside 1 to 60 are never available, whatever their count.
    for (StationEntry& e : StationTable()) e.Count = 5;
    for (std::int16_t n : {0, -1, 61, 64, 100, -32768}) EXPECT_FALSE(StationAvailable(n)) << n;
    // Every field of a station is stored, lengths in millimetres.
    for (bool imperial : {false, true}) {
        SCOPED_TRACE(imperial);
        test::MachineSandbox box;
        State().Mach.ImperialMachine = imperial;
        box.write(kStationFile, "12, \"Big, round\" ,3,10.5,20.25,4\r\n"
                                "13,A name longer than eighteen,1,0.03937,48,1\r\n******\r\n");
        ASSERT_TRUE(LoadStationTable().ok());
        const StationEntry& e = StationTable()[12];
        EXPECT_EQ(std::to_string(e.Number) + " " + e.Name + " " + std::to_string(e.Kind) + " " +
                      std::to_string(e.Count) + " " + StationTable()[13].Name,
                  "12 Big, round         3 4 A name longer than");
        EXPECT_FLOAT_EQ(e.Length1, imperial ? 266.7f : 10.5f);
        EXPECT_FLOAT_EQ(e.Length2, imperial ? 514.35f : 20.25f);
        EXPECT_FLOAT_EQ(StationTable()[13].Length1, imperial ? 1.0f : 0.03937f);  // 0.999998 to 3 decimals
        EXPECT_EQ(StationTable()[0].Name, std::string(18, ' '));
    }
}

}  // namespace
}  // namespace qv
