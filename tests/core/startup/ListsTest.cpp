// "Machine.lst", "Reverse.lst" and "Reverse.cfg": reading rules, list box
// lines and the processor choice.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/startup/MachineList.h"
#include "core/startup/ReverseList.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;

struct ListCase {
    const char* name;
    std::string content;
    std::vector<std::int16_t> numbers;
    std::vector<std::string> names;
};

class ReadLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(ReadLists, MachineListStopsWhereTheFormatSays) {
    InstallationFixture fixture;
    fixture.write("C:\\QUORVANE\\Machine.lst", GetParam().content);
    auto entries = ReadMachineList("C:\\QUORVANE\\Machine.lst");
    ASSERT_TRUE(entries.ok()) << entries.message();
    std::vector<std::int16_t> numbers;
    std::vector<std::string> names;
    for (const auto& e : *entries) {
        numbers.push_back(e.Number);
        names.push_back(e.Name);
    }
    EXPECT_EQ(numbers, GetParam().numbers);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ReadLists,
    ::testing::Values(
        ListCase{"OnePerLine", "1,Alpha,A,x,y\r\n2,Beta,B,x,y\r\n******\r\n", {1, 2}, {"Alpha", "Beta"}},
        ListCase{"ZeroInSecondEntryEndsTheList", "1,Alpha,A,x,y\r\n0,Beta,B,x,y\r\n3,Gamma,C,x,y\r\n", {1}, {"Alpha"}},
        ListCase{"MinusOneEndsTheList", "1,Alpha,A,x,y\r\n-1,Beta,B,x,y\r\n3,Gamma,C,x,y\r\n", {1}, {"Alpha"}},
        ListCase{"EndMarkerEndsTheList", "1,Alpha,A,x,y\r\n******\r\n2,Beta,B,x,y\r\n", {1}, {"Alpha"}},
        ListCase{"EmptyLineEndsTheList", "1,Alpha,A,x,y\r\n\r\n2,Beta,B,x,y\r\n", {1}, {"Alpha"}},
        ListCase{"NumberTruncated", "2.9,Alpha,A,x,y\r\n", {2}, {"Alpha"}},
        ListCase{"FractionBelowOneEnds", "0.5,Alpha,A,x,y\r\n", {}, {}},
        ListCase{"TextNumberEnds", "one,Alpha,A,x,y\r\n", {}, {}},
        ListCase{"FieldsAcrossLines", "1\r\nAlpha\r\nA\r\nx\r\ny\r\n2,Beta,B,x,y\r\n", {1, 2}, {"Alpha", "Beta"}},
        ListCase{"LastEntryCutShortKeepsWhatItHas", "1,Alpha,A,x,y\r\n2,Beta", {1, 2}, {"Alpha", "Beta"}},
        ListCase{"EmptyFile", "", {}, {}}),
    test::CaseName());

TEST(ReadReverseList, ReadsFourFieldsAndStopsLikeTheMachineList) {
    InstallationFixture fixture;
    fixture.write("C:\\QUORVANE\\Reverse.lst",
                  "1, Fanuc ,F, fanucrvs \r\n2,\"Amada, old\",A,amadarvs\r\n-1,Gone,G,gone\r\n4,Late,L,late\r\n");
    auto entries = ReadReverseList("C:\\QUORVANE\\Reverse.lst");
    ASSERT_TRUE(entries.ok()) << entries.message();
    std::vector<std::string> read;
    for (const auto& e : *entries)
        read.push_back(std::to_string(e.Number) + "|" + e.Name + "|" + e.Field2 + "|" + e.Executable);
    EXPECT_EQ(read, (std::vector<std::string>{"1|Fanuc|F|fanucrvs", "2|Amada, old|A|amadarvs"}));
}

TEST(LoadMachineTable, FailureKeepsTheTableAndNamesTheFile) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    State().Config.MachineTable = {MachineEntry{5, "Kept", "K", "", ""}};
    Status loaded = LoadMachineTable();
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), "The machine list \"C:\\QUORVANE\\Machine.lst\" is missing.");
    ASSERT_EQ(State().Config.MachineCount(), 1);
    EXPECT_EQ(State().Config.MachineTable[0].Name, "Kept");
}

struct FillCase {
    const char* name;
    int entries;  // numbered 1..entries, named M1..
    std::int16_t current;
    bool includeCurrent;
    int selectMode;
    std::vector<std::string> items;
    int selected;
};

TEST(FillLists, MachineAndReverseListsLeaveOutAndSelectByTheirMode) {
    const FillCase cases[] = {
        {"three without current select none", 3, 2, false, 1, {"M1", "M3"}, -1},
        {"two without current select the other", 2, 1, false, 1, {"M2"}, 0},
        {"two with current, mode 1 selects none", 2, 1, true, 1, {"M1", "M2"}, -1},
        {"mode 2 selects the current", 3, 2, true, 2, {"M1", "M2", "M3"}, 1},
        {"mode 2 without current selects none", 3, 2, false, 2, {"M1", "M3"}, -1},
        {"mode 0 selects none", 1, 5, true, 0, {"M1"}, -1},
        {"other mode selects none", 1, 5, true, 7, {"M1"}, -1},
        {"empty table", 0, 1, true, 1, {}, -1},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::ResetModuleState();
        for (int i = 1; i <= c.entries; ++i) {
            const auto n = static_cast<std::int16_t>(i);
            const std::string name = "  M" + std::to_string(i) + " ";
            State().Config.MachineTable.push_back({n, name, "F", "", ""});
            State().Config.ReverseTable.push_back({n, name, "F", "EXE"});
        }
        for (const ListRows& rows : {FillMachineList(c.current, c.includeCurrent, c.selectMode),
                                     FillReverseList(c.current, c.includeCurrent, c.selectMode)}) {
            EXPECT_EQ(rows.items, c.items);
            EXPECT_EQ(rows.selected, c.selected);
            ASSERT_EQ(rows.data.size(), rows.items.size());
            for (std::size_t i = 0; i < rows.items.size(); ++i)
                EXPECT_EQ("M" + std::to_string(rows.data[i]), rows.items[i]);
        }
    }
    test::ResetModuleState();
}

TEST(SelectReverse, ReadsTheListForNameAndUpperCaseExecutable) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    fixture.writeLines("C:\\QUORVANE\\Reverse.lst",
                       {" 1, Fanuc , F, fanucrvs ", "2,Amada,A,amadarvs", "2,Second Two,A,other", "******"});
    auto chosen = [](std::int16_t number) {
        SelectReverse(number);
        const auto& r = State().Reverse;
        return std::to_string(r.ReverseNumber) + " " + r.ReverseName + " " + r.ReverseExecutable;
    };
    EXPECT_EQ(chosen(2), "2 Amada AMADARVS");  // the first of a number, with no table loaded
    EXPECT_EQ(chosen(9), "9 Amada AMADARVS");  // not listed: the number only
    EXPECT_EQ(chosen(1), "1 Fanuc FANUCRVS");
    fixture.remove("C:\\QUORVANE\\Reverse.lst");
    EXPECT_EQ(chosen(2), "2 Fanuc FANUCRVS");
}

TEST(ReverseConfiguration, ReadsTheFirstFieldAtLeastOneAndWritesItWithALeadingBlank) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    const struct {
        const char* content;
        std::int16_t number;
    } cases[] = {{" 3\r\n", 3},   {"0\r\n", 1},   {"-4\r\n", 1},   {"", 1},
                 {"abc\r\n", 1}, {"2.5\r\n", 2}, {"2,9\r\n", 2}};
    for (const auto& c : cases) {
        fixture.write("C:\\QUORVANE\\Reverse.cfg", c.content);
        auto number = ReadReverseConfiguration();
        ASSERT_TRUE(number.ok()) << number.message();
        EXPECT_EQ(*number, c.number) << c.content;
    }
    ASSERT_TRUE(WriteReverseConfiguration(3).ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\Reverse.cfg"), " 3\r\n");
}

}  // namespace
}  // namespace qv
