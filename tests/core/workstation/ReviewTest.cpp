// The review records and their paging: records of a program read a piece at
// a time equal those of the whole program's lines wherever a line, a line
// end, a long blank run or the end-of-file mark falls against the pieces;
// which records show, how keys and the scroll bar move, counts past 16 bits.
#include <gtest/gtest.h>


#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ReviewPager.h"
#include "core/workstation/ReviewRecords.h"
#include "support/Fields.h"
#include "support/Sandbox.h"

namespace qv::test {
namespace {

constexpr std::size_t kPiece = 1 << 16;

std::string Filled(std::size_t size, char c) { return std::string(size, c); }

TEST(ReviewRecords, EqualTheRecordsOfTheWholeProgramsLines) {
    const std::string programs[] = {
        "", "   \r\n\t\r\n \n\r", "%\r\nO1234\rG50\nT1",
        " \tX" + Filled(100, ' ') + "\r\nY" + Filled(78, 'y') + " \t \r\nZ" + Filled(75, 'z') + Filled(10, '\t') +
            "q\r\n" + Filled(81, 'w'),
        Filled(kPiece - 1, 'a') + "\r\nB\r\n",                       // CR LF split by a piece
        "N1\r\n" + Filled(kPiece, 'c') + " \r\nN2",                  // a line across pieces
        Filled(kPiece + 7, ' ') + "Q  \r\n" + Filled(3 * kPiece, '\t'),  // blanks longer than a piece
        Filled(kPiece + 10, 'e') + "\r\nF\x1aG\r\nH\r\n",            // the end-of-file mark in a later piece
        Filled(2 * kPiece - 1, '\n') + "T",                          // a tail of every length
    };
    for (const std::string& content : programs) {
        SCOPED_TRACE(content.size());
        Sandbox box;
        box.write("C:\\JOBS\\P.prg", content);
        std::string expected;
        for (const std::string& line : SplitLines(content))
            if (!Trim(line).empty()) expected += ReviewRecordText(line);
        auto written = WriteReviewRecords("C:\\JOBS\\P.prg", "C:\\JOBS\\Reverse.rnd");
        ASSERT_TRUE(written.ok()) << written.message();
        EXPECT_EQ(written.value() * ReviewRecordLength, expected.size());
        EXPECT_TRUE(box.read("C:\\JOBS\\Reverse.rnd") == expected);
    }
    Sandbox box;
    EXPECT_EQ(WriteReviewRecords("C:\\P.prg", "C:\\Reverse.rnd").message(), "C:\\P.prg: no such file");
    EXPECT_FALSE(box.exists("C:\\Reverse.rnd.tmp"));
}

// A run of less than a page shows whole and cannot scroll; a longer one is
// the review window test's, a page's end the long count's.
TEST(ReviewPager, ShowsTheRecordsAndMovesByKeysAndTheScrollBar) {
    MachineSandbox box;
    const std::vector<std::string> lines = {"N1", "N2", "N3", "N4", "N5"};
    std::string bytes;
    for (const std::string& line : lines) bytes += FixedText(line, 80);
    box.write("C:\\QV\\Reverse.rnd", bytes);
    ReverseRun().BlockCount = 5;
    ReviewPager run = ReviewPager::ForCurrentRun();
    EXPECT_EQ(run.lines().value_or({}), lines);
    const bool moved = run.onKey(ReviewKey::End).moved;
    EXPECT_EQ(Fields(run.scrollMaximum(), moved, run.lines().value_or({}) == lines), "1 0 1");
    box.remove("C:\\QV\\Reverse.rnd");
    EXPECT_NE(run.lines().message().find("C:\\QV\\Reverse.rnd"), std::string::npos);
    // Page keys are consumed; the others are left to the list.
    const struct { std::int32_t top; ReviewKey key; std::int32_t topAfter; bool consumed; } keys[] = {
        {1, ReviewKey::PageDown, 21, true}, {70, ReviewKey::PageDown, 80, true}, {80, ReviewKey::PageDown, 80, true},
        {41, ReviewKey::PageUp, 21, true},  {5, ReviewKey::PageUp, 1, true},     {1, ReviewKey::PageUp, 1, true},
        {57, ReviewKey::Home, 1, false},    {3, ReviewKey::End, 80, false},      {57, ReviewKey::Up, 56, false},
        {1, ReviewKey::Up, 1, false},       {57, ReviewKey::Down, 58, false},    {80, ReviewKey::Down, 80, false},
        {57, ReviewKey::Other, 57, false},
    };
    ReviewPager pager;
    pager.BlockCount = 100;
    for (const auto& c : keys) {
        pager.TopRecord = c.top;
        const ReviewKeyResult result = pager.onKey(c.key);
        EXPECT_EQ(Fields(pager.TopRecord, result.consumed, result.moved),
                  Fields(c.topAfter, c.consumed, c.top != c.topAfter)) << static_cast<int>(c.key) << " at " << c.top;
    }
    for (auto [value, top] : std::vector<std::pair<std::int32_t, std::int32_t>>{{50, 50}, {0, 1}, {500, 80}}) {
        pager.scrollTo(value);
        EXPECT_EQ(pager.TopRecord, top) << value;
    }
    pager.BlockCount = 70000;
    pager.onKey(ReviewKey::End);
    const std::int32_t end = pager.TopRecord;
    pager.onKey(ReviewKey::PageUp);
    EXPECT_EQ(Fields(pager.scrollMaximum(), end, pager.TopRecord), "69980 69980 69960");
}

}  // namespace
}  // namespace qv::test
