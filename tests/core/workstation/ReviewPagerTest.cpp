// Paging the review window through "Reverse.rnd": which records show, how
// keys and the scroll bar move, and counts past the 16-bit range.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ReviewPager.h"
#include "support/InstallationFixture.h"

namespace qv {
namespace {

class ReviewPagerTest : public ::testing::Test {
protected:
    void records(int count) {
        std::string bytes;
        for (int n = 1; n <= count; ++n) bytes += FixedText("N" + std::to_string(n), 80);
        installation.write("C:\\QUORVANE\\Reverse.rnd", bytes);
        State().Config.SystemFolder = "C:\\QUORVANE\\";
        ReverseRun().BlockCount = count;
    }
    static std::vector<std::string> Blocks(int first, int last) {
        std::vector<std::string> lines;
        for (int n = first; n <= last; ++n) lines.push_back("N" + std::to_string(n));
        return lines;
    }

    test::InstallationFixture installation;
};

TEST_F(ReviewPagerTest, FiveBlocksShowAllAndDoNotScroll) {
    records(5);
    ReviewPager pager = ReviewPager::ForCurrentRun();
    EXPECT_EQ(pager.lines().value(), Blocks(1, 5));
    EXPECT_EQ(pager.scrollMinimum(), 1);
    EXPECT_EQ(pager.scrollMaximum(), 1);
    for (ReviewKey key : {ReviewKey::PageDown, ReviewKey::End, ReviewKey::Down})
        EXPECT_FALSE(pager.onKey(key).moved);
    EXPECT_EQ(pager.TopRecord, 1);
}

TEST_F(ReviewPagerTest, HundredBlocksEndShowsEightyToHundred) {
    records(100);
    ReviewPager pager = ReviewPager::ForCurrentRun();
    EXPECT_EQ(pager.scrollMaximum(), 80);
    EXPECT_EQ(pager.lines().value(), Blocks(1, 21));
    EXPECT_TRUE(pager.onKey(ReviewKey::End).moved);
    EXPECT_EQ(pager.TopRecord, 80);
    EXPECT_EQ(pager.lines().value(), Blocks(80, 100));
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

TEST_F(ReviewPagerTest, MissingRecordFileIsAnError) {
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    ReviewPager pager;
    pager.BlockCount = 3;
    auto lines = pager.lines();
    ASSERT_FALSE(lines.ok());
    EXPECT_NE(lines.message().find("Reverse.rnd"), std::string::npos);
}

}  // namespace
}  // namespace qv
