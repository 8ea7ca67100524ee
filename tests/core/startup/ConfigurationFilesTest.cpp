// "Quorvane.cfg", "Machine.lst", "Reverse.lst" and "Reverse.cfg": reading
// rules and the processor choice. The list box lines are the selection and
// file window tests'.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/startup/MachineList.h"
#include "core/startup/ReverseList.h"
#include "support/InstallationFixture.h"

namespace qv {
namespace {

using test::InstallationFixture;

TEST(MachineList, StopsWhereTheFormatSays) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"1,Alpha,A,x,y\r\n2,Beta,B,x,y\r\n******\r\n", {"1 Alpha", "2 Beta"}},
        {"1,Alpha,A,x,y\r\n0,Beta,B,x,y\r\n3,Gamma,C,x,y\r\n", {"1 Alpha"}},
        {"2.9,Alpha,A,x,y\r\n", {"2 Alpha"}},
        {"1,Alpha,A,x,y\r\n2,Beta", {"1 Alpha", "2 Beta"}},  // the last entry cut short keeps what it has
    };
    for (const auto& [content, read] : cases) {
        InstallationFixture fixture;
        fixture.write("C:\\QUORVANE\\Machine.lst", content);
        auto entries = ReadMachineList("C:\\QUORVANE\\Machine.lst");
        ASSERT_TRUE(entries.ok()) << entries.message();
        std::vector<std::string> got;
        for (const auto& e : *entries) got.push_back(std::to_string(e.Number) + " " + e.Name);
        EXPECT_EQ(got, read) << content;
    }
}

// "Reverse.cfg" holds at least 1; the list gives the name and upper-case executable.
TEST(ProcessorChoice, ReadsTheFirstFieldAndTakesNameAndExecutableFromTheList) {
    InstallationFixture fixture;
    const std::pair<const char*, std::int16_t> cases[] = {{" 3\r\n", 3}, {"0\r\n", 1}, {"2.5\r\n", 2}, {"2,9\r\n", 2}};
    for (const auto& [content, number] : cases) {
        fixture.write("C:\\QUORVANE\\Reverse.cfg", content);
        EXPECT_EQ(ReadReverseConfiguration().value_or(-9), number) << content;
    }
    fixture.writeLines("C:\\QUORVANE\\Reverse.lst",
                       {"1,Fanuc,F,fanucrvs", " 2, Amada , A, amadarvs ", "2,Second Two,A,other", "******"});
    auto chosen = [](std::int16_t number) {
        SelectReverse(number);
        const auto& r = State().Reverse;
        return std::to_string(r.ReverseNumber) + " " + r.ReverseName + " " + r.ReverseExecutable;
    };
    EXPECT_EQ(chosen(2), "2 Amada AMADARVS");  // the first of a number, with no table loaded
    EXPECT_EQ(chosen(9), "9 Amada AMADARVS");  // not listed: the number only
    fixture.remove("C:\\QUORVANE\\Reverse.lst");
    EXPECT_EQ(chosen(2), "2 Amada AMADARVS");  // the list gone: the name stays
}

// The system and data folder lines lack their "\"; the program root has one.
TEST(ReadConfiguration, TakesEachLineByItsRuleOrNamesTheFolderLineMissing) {
    const auto config = [](const std::string& machine, const std::string& directory) -> std::vector<std::string> {
        return {"  C:\\QUORVANE ", "C:\\QUORVANE\\DATA", "  C:\\QUORVANE\\PROGRAMS\\  ", machine, directory};
    };
    const struct { std::vector<std::string> lines; std::string read; } cases[] = {
        {config("0", "JOBS"), "1 JOBS"},
        {config("3.5", "JOBS"), "4 JOBS"},  // halves round to even
        {config("1", "D:\\JOBS"), "1 "},  // a drive empties the directory
        {config(" 12", "Job, Shop"), "12 Job, Shop"},  // as written: no field split at the comma
        {{"C:\\QUORVANE\\", "C:\\QUORVANE\\DATA", "C:\\QUORVANE\\PROGRAMS"}, "1 "},
        {{"C:\\QUORVANE", "C:\\QUORVANE\\DATA\\", "C:\\QUORVANE\\PROGRAMS\\", "2", "JOBS", "******", "9", "x"},
         "2 JOBS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        InstallationFixture fixture;
        fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg", c.lines);
        auto values = ReadSystemConfigurationValues();
        ASSERT_TRUE(values.ok()) << values.message();
        EXPECT_EQ(values->SystemFolder + " " + values->DataFolder + " " + values->MachineRoot,
                  "C:\\QUORVANE\\ C:\\QUORVANE\\DATA\\ C:\\QUORVANE\\PROGRAMS\\");
        EXPECT_EQ(std::to_string(values->SelectedMachine) + " " + values->CurrentDirectory, c.read);
    }
    // A folder line missing: the file and the working folder named, the configuration kept.
    const std::string has = "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" "
                            "has no ";
    const std::string end = ". Quorvane is to be started with the system folder as its working folder.";
    const std::pair<std::vector<std::string>, std::string> failures[] = {
        {{"C:\\QUORVANE", "C:\\QUORVANE\\DATA"}, has + "program root folder on line 3" + end},
        {{"   ", "C:\\QUORVANE\\DATA", "C:\\QUORVANE\\PROGRAMS"}, has + "system folder on line 1" + end},
    };
    for (const auto& [lines, message] : failures) {
        InstallationFixture fixture;
        fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg", lines);
        State().Config.SystemFolder = "C:\\BEFORE\\";
        EXPECT_EQ(ReadSystemConfigurationFile().message(), message);
        EXPECT_EQ(State().Config.SystemFolder, "C:\\BEFORE\\");
    }
}

}  // namespace
}  // namespace qv
