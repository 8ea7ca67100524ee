// The review records of programs read a piece at a time give the same bytes
// as taking the whole program's lines, wherever a line, a line end, a long
// blank run or the end-of-file mark falls against the pieces.
#include <gtest/gtest.h>

#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/workstation/ReviewRecords.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

constexpr std::size_t kPiece = 1 << 16;

struct ProgramCase {
    const char* name;
    std::string content;
};

void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }

std::string Filled(std::size_t size, char c) { return std::string(size, c); }

class ReviewRecordsTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ReviewRecordsTest, EqualTheRecordsOfTheWholeProgramsLines) {
    test::Sandbox box;
    box.makeFolder("C:\\JOBS");
    box.write("C:\\JOBS\\P.prg", GetParam().content);
    std::string expected;
    std::int32_t count = 0;
    for (const std::string& line : SplitLines(GetParam().content)) {
        if (Trim(line).empty()) continue;
        expected += ReviewRecordText(line);
        ++count;
    }
    auto written = WriteReviewRecords("C:\\JOBS\\P.prg", "C:\\JOBS\\Reverse.rnd");
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(written.value(), count);
    EXPECT_TRUE(box.read("C:\\JOBS\\Reverse.rnd") == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ReviewRecordsTest,
    ::testing::Values(
        ProgramCase{"Empty", ""}, ProgramCase{"OnlyBlanks", "   \r\n\t\r\n \n\r"},
        ProgramCase{"NoLastLineEnd", "%\r\nO1234\rG50\nT1"},
        ProgramCase{"LongLines", " \tX" + Filled(100, ' ') + "\r\nY" + Filled(78, 'y') + " \t \r\nZ" +
                                     Filled(75, 'z') + Filled(10, '\t') + "q\r\n" + Filled(81, 'w')},
        ProgramCase{"CrLfSplitByAPiece", Filled(kPiece - 1, 'a') + "\r\nB\r\n"},
        ProgramCase{"LineAcrossPieces", "N1\r\n" + Filled(kPiece, 'c') + " \r\nN2"},
        ProgramCase{"BlanksLongerThanAPiece", Filled(kPiece + 7, ' ') + "Q  \r\n" + Filled(3 * kPiece, '\t')},
        ProgramCase{"EndOfFileMarkInALaterPiece", Filled(kPiece + 10, 'e') + "\r\nF\x1aG\r\nH\r\n"},
        ProgramCase{"TailOfEveryLength", Filled(2 * kPiece - 1, '\n') + "T"}),
    test::CaseName());

TEST(ReviewRecords, MissingProgramNamesIt) {
    test::Sandbox box;
    auto written = WriteReviewRecords("C:\\P.prg", "C:\\Reverse.rnd");
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.message(), "C:\\P.prg: no such file");
    EXPECT_FALSE(box.exists("C:\\Reverse.rnd.tmp"));
}

}  // namespace
}  // namespace qv
