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
        ListCase{"BlanksTrimmed", "  3 ,   Alpha  , A ,x,y\r\n", {3}, {"Alpha"}},
        ListCase{"QuotedNameKeepsComma", "1,\"Press, large\",A,x,y\r\n", {1}, {"Press, large"}},
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
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].Name, "Fanuc");
    EXPECT_EQ((*entries)[0].Executable, "fanucrvs");
    EXPECT_EQ((*entries)[1].Number, 2);
    EXPECT_EQ((*entries)[1].Name, "Amada, old");
    EXPECT_EQ((*entries)[1].Field2, "A");
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

class FillLists : public ::testing::TestWithParam<FillCase> {
protected:
    void SetUp() override {
        test::ResetModuleState();
        for (int i = 1; i <= GetParam().entries; ++i) {
            auto n = static_cast<std::int16_t>(i);
            std::string name = "  M" + std::to_string(i) + " ";
            State().Config.MachineTable.push_back({n, name, "F", "", ""});
            State().Config.ReverseTable.push_back({n, name, "F", "EXE"});
        }
    }
    void TearDown() override { test::ResetModuleState(); }

    void check(const ListRows& rows) const {
        const auto& c = GetParam();
        EXPECT_EQ(rows.items, c.items);
        ASSERT_EQ(rows.data.size(), rows.items.size());
        for (std::size_t i = 0; i < rows.items.size(); ++i)
            EXPECT_EQ("M" + std::to_string(rows.data[i]), rows.items[i]);
        EXPECT_EQ(rows.selected, c.selected);
    }
};

TEST_P(FillLists, MachineList) {
    const auto& c = GetParam();
    check(FillMachineList(c.current, c.includeCurrent, c.selectMode));
}

TEST_P(FillLists, ReverseList) {
    const auto& c = GetParam();
    check(FillReverseList(c.current, c.includeCurrent, c.selectMode));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FillLists,
    ::testing::Values(
        FillCase{"ThreeWithoutCurrentSelectsNone", 3, 2, false, 1, {"M1", "M3"}, -1},
        FillCase{"TwoWithoutCurrentSelectsTheOther", 2, 1, false, 1, {"M2"}, 0},
        FillCase{"TwoWithCurrentModeOneSelectsNone", 2, 1, true, 1, {"M1", "M2"}, -1},
        FillCase{"ModeTwoSelectsCurrent", 3, 2, true, 2, {"M1", "M2", "M3"}, 1},
        FillCase{"ModeTwoWithoutCurrentSelectsNone", 3, 2, false, 2, {"M1", "M3"}, -1},
        FillCase{"ModeZeroSelectsNone", 1, 5, true, 0, {"M1"}, -1},
        FillCase{"OtherModeSelectsNone", 1, 5, true, 7, {"M1"}, -1},
        FillCase{"EmptyTable", 0, 1, true, 1, {}, -1}),
    test::CaseName());

TEST(SelectReverse, TakesNameAndUpperCaseExecutable) {
    test::ResetModuleState();
    State().Config.ReverseTable = {{1, " Fanuc ", "F", " fanucrvs "}, {2, "Amada", "A", "amadarvs"},
                                   {2, "Second Two", "A", "other"}};
    auto chosen = [](std::int16_t number) {
        SelectReverse(number);
        const auto& r = State().Reverse;
        return std::to_string(r.ReverseNumber) + " " + r.ReverseName + " " + r.ReverseExecutable;
    };
    EXPECT_EQ(chosen(2), "2 Amada AMADARVS");  // the first of a number
    EXPECT_EQ(chosen(9), "9 Amada AMADARVS");  // not listed: the number only
    EXPECT_EQ(chosen(1), "1 Fanuc FANUCRVS");
    test::ResetModuleState();
}

struct ChoiceCase {
    const char* name;
    std::string content;
    std::int16_t number;
};

class ReverseChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ReverseChoice, ReadsTheFirstFieldAtLeastOne) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    fixture.write("C:\\QUORVANE\\Reverse.cfg", GetParam().content);
    auto number = ReadReverseConfiguration();
    ASSERT_TRUE(number.ok()) << number.message();
    EXPECT_EQ(*number, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ReverseChoice,
    ::testing::Values(ChoiceCase{"LeadingBlank", " 3\r\n", 3}, ChoiceCase{"Zero", "0\r\n", 1},
                      ChoiceCase{"Negative", "-4\r\n", 1}, ChoiceCase{"Empty", "", 1},
                      ChoiceCase{"Text", "abc\r\n", 1}, ChoiceCase{"HalfToEven", "2.5\r\n", 2},
                      ChoiceCase{"FollowedByMore", "2,9\r\n", 2}),
    test::CaseName());

TEST(WriteReverseConfiguration, WritesTheNumberWithLeadingBlankAndReadsBack) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    ASSERT_TRUE(WriteReverseConfiguration(3).ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\Reverse.cfg"), " 3\r\n");
    auto number = ReadReverseConfiguration();
    ASSERT_TRUE(number.ok());
    EXPECT_EQ(*number, 3);
}

}  // namespace
}  // namespace qv
