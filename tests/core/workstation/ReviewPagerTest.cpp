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
    void TearDown() override { ReverseRun() = ReverseRunState{}; }

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

struct KeyCase {
    const char* name;
    std::int32_t top;
    ReviewKey key;
    std::int32_t topAfter;
    bool consumed;
};

class ReviewKeys : public ReviewPagerTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ReviewKeys, MoveWithinTheRecords) {
    const KeyCase& c = GetParam();
    ReviewPager pager;
    pager.BlockCount = 100;
    pager.TopRecord = c.top;
    const ReviewKeyResult result = pager.onKey(c.key);
    EXPECT_EQ(pager.TopRecord, c.topAfter);
    EXPECT_EQ(result.consumed, c.consumed);
    EXPECT_EQ(result.moved, c.top != c.topAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReviewKeys,
    ::testing::Values(KeyCase{"PageDownFromTop", 1, ReviewKey::PageDown, 21, true},
                      KeyCase{"PageDownStopsAtLastPage", 70, ReviewKey::PageDown, 80, true},
                      KeyCase{"PageDownAtEnd", 80, ReviewKey::PageDown, 80, true},
                      KeyCase{"PageUpFromMiddle", 41, ReviewKey::PageUp, 21, true},
                      KeyCase{"PageUpStopsAtFirst", 5, ReviewKey::PageUp, 1, true},
                      KeyCase{"PageUpAtTop", 1, ReviewKey::PageUp, 1, true},
                      KeyCase{"Home", 57, ReviewKey::Home, 1, false},
                      KeyCase{"End", 3, ReviewKey::End, 80, false},
                      KeyCase{"Up", 57, ReviewKey::Up, 56, false},
                      KeyCase{"UpAtTop", 1, ReviewKey::Up, 1, false},
                      KeyCase{"Down", 57, ReviewKey::Down, 58, false},
                      KeyCase{"DownAtEnd", 80, ReviewKey::Down, 80, false},
                      KeyCase{"OtherKey", 57, ReviewKey::Other, 57, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReviewPagerTest, ScrollBarValueIsKeptInRange) {
    ReviewPager pager;
    pager.BlockCount = 100;
    for (auto [value, top] : std::vector<std::pair<std::int32_t, std::int32_t>>{{50, 50}, {0, 1}, {500, 80}}) {
        pager.scrollTo(value);
        EXPECT_EQ(pager.TopRecord, top) << value;
    }
}

TEST_F(ReviewPagerTest, CountsBeyondSixteenBits) {
    ReviewPager pager;
    pager.BlockCount = 70000;
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
