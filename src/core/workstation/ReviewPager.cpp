// Paging through the review records.
#include "core/workstation/ReviewPager.h"

#include <algorithm>

#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ReviewRecords.h"

namespace qv {

namespace {
constexpr std::int32_t PageStep = ReviewPager::VisibleLines - 1;
}

ReviewPager ReviewPager::ForCurrentRun() {
    ReviewPager pager;
    pager.BlockCount = ReverseRun().BlockCount;
    return pager;
}

std::int32_t ReviewPager::lastTop() const { return std::max<std::int32_t>(BlockCount - PageStep, 1); }

void ReviewPager::keepInRange() { TopRecord = std::clamp(TopRecord, std::int32_t{1}, lastTop()); }

void ReviewPager::scrollTo(std::int32_t value) {
    TopRecord = value;
    keepInRange();
}

ReviewKeyResult ReviewPager::onKey(ReviewKey key) {
    const std::int32_t before = TopRecord;
    const bool canGoUp = TopRecord >= 2;
    const bool canGoDown = TopRecord < BlockCount - PageStep;
    ReviewKeyResult result;
    switch (key) {
    case ReviewKey::PageUp:
        result.consumed = true;
        if (canGoUp) TopRecord -= PageStep;
        break;
    case ReviewKey::PageDown:
        result.consumed = true;
        if (canGoDown) TopRecord += PageStep;
        break;
    case ReviewKey::End:
        if (canGoDown) TopRecord = BlockCount - PageStep;
        break;
    case ReviewKey::Home:
        if (canGoUp) TopRecord = 1;
        break;
    case ReviewKey::Up:
        if (canGoUp) TopRecord -= 1;
        break;
    case ReviewKey::Down:
        if (canGoDown) TopRecord += 1;
        break;
    case ReviewKey::Other:
        break;
    }
    keepInRange();
    result.moved = TopRecord != before;
    return result;
}

Result<std::vector<std::string>> ReviewPager::lines() const {
    return ReadReviewRecords(SystemFile(ReviewRecordsFile), TopRecord, VisibleLines, BlockCount);
}

}  // namespace qv
