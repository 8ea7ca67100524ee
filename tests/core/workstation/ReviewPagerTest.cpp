// Paging the review window through "Reverse.rnd": which records show, how
// keys and the scroll bar move, and counts past the 16-bit range.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/Text.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ReviewPager.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

std::vector<std::string> Blocks(int first, int last) {
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n) lines.push_back("N" + std::to_string(n));
    return lines;
}

TEST(ReviewPager, ShowsTheRecordsOfTheRunAndEndShowsTheLastPage) {
    const struct {
        int blocks;
        std::int32_t scrollMaximum, topAfterEnd;
        int lastShownAfterEnd;
    } cases[] = {{5, 1, 1, 5}, {21, 1, 1, 21}, {100, 80, 80, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocks);
        test::MachineSandbox box;
        std::string bytes;
        for (int n = 1; n <= c.blocks; ++n) bytes += FixedText("N" + std::to_string(n), 80);
        box.write("C:\\QV\\Reverse.rnd", bytes);
        ReverseRun().BlockCount = c.blocks;

        ReviewPager pager = ReviewPager::ForCurrentRun();
        EXPECT_EQ(pager.lines().value(), Blocks(1, std::min(c.blocks, 21)));
        EXPECT_EQ(pager.scrollMinimum(), 1);
        EXPECT_EQ(pager.scrollMaximum(), c.scrollMaximum);
        EXPECT_EQ(pager.onKey(ReviewKey::End).moved, c.topAfterEnd != 1);
        EXPECT_EQ(pager.TopRecord, c.topAfterEnd);
        EXPECT_EQ(pager.lines().value(), Blocks(c.topAfterEnd, c.lastShownAfterEnd));
    }
}

TEST(ReviewPager, KeysAndTheScrollBarMoveWithinTheRecords) {
    const struct {
        std::int32_t top;
        ReviewKey key;
        std::int32_t topAfter;
        bool consumed;
    } keys[] = {
        {1, ReviewKey::PageDown, 21, true}, {70, ReviewKey::PageDown, 80, true}, {80, ReviewKey::PageDown, 80, true},
        {41, ReviewKey::PageUp, 21, true},  {5, ReviewKey::PageUp, 1, true},     {1, ReviewKey::PageUp, 1, true},
        {57, ReviewKey::Home, 1, false},    {3, ReviewKey::End, 80, false},      {57, ReviewKey::Up, 56, false},
        {1, ReviewKey::Up, 1, false},       {57, ReviewKey::Down, 58, false},    {80, ReviewKey::Down, 80, false},
        {57, ReviewKey::Other, 57, false},
    };
    ReviewPager pager;
    pager.BlockCount = 100;
    for (const auto& c : keys) {
        SCOPED_TRACE(testing::Message() << "key " << static_cast<int>(c.key) << " at " << c.top);
        pager.TopRecord = c.top;
        const ReviewKeyResult result = pager.onKey(c.key);
        EXPECT_EQ(pager.TopRecord, c.topAfter);
        EXPECT_EQ(result.consumed, c.consumed);
        EXPECT_EQ(result.moved, c.top != c.topAfter);
    }
    for (auto [value, top] : std::vector<std::pair<std::int32_t, std::int32_t>>{{50, 50}, {0, 1}, {500, 80}}) {
        pager.scrollTo(value);
        EXPECT_EQ(pager.TopRecord, top) << value;
    }
    pager.BlockCount = 70000;  // counts beyond 16 bits
    EXPECT_EQ(pager.scrollMaximum(), 69980);
    pager.onKey(ReviewKey::End);
    EXPECT_EQ(pager.TopRecord, 69980);
    pager.onKey(ReviewKey::PageUp);
    EXPECT_EQ(pager.TopRecord, 69960);
}

TEST(ReviewPager, MissingRecordFileIsAnError) {
    test::MachineSandbox box;
    ReviewPager pager;
    pager.BlockCount = 3;
    auto lines = pager.lines();
    ASSERT_FALSE(lines.ok());
    EXPECT_NE(lines.message().find("C:\\QV\\Reverse.rnd"), std::string::npos) << lines.message();
}

}  // namespace
}  // namespace qv
