// The paging of the review window: which 21 records of "Reverse.rnd" it
// shows, how keys and the scroll bar move them, and the lines to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv {

enum class ReviewKey { PageUp, PageDown, End, Home, Up, Down, Other };

struct ReviewKeyResult {
    bool consumed = false;  // the key goes no further (Page Up, Page Down)
    bool moved = false;     // TopRecord changed: show the blocks again
};

struct ReviewPager {
    static constexpr std::int32_t VisibleLines = 21;

    /// First record shown, from 1; 32-bit like BlockCount.
    std::int32_t TopRecord = 1;
    std::int32_t BlockCount = 0;

    /// A pager over the current run's records, at the top.
    static ReviewPager ForCurrentRun();

    /// The highest first record: BlockCount - 20, at least 1.
    std::int32_t lastTop() const;
    std::int32_t scrollMinimum() const { return 1; }
    std::int32_t scrollMaximum() const { return lastTop(); }

    /// Back to the first record (the window receiving the focus).
    void reset() { TopRecord = 1; }
    /// TopRecord kept within 1 and lastTop().
    void keepInRange();
    /// The scroll bar moved to value.
    void scrollTo(std::int32_t value);
    /// Page Up/Down move by 20, End and Home to the ends, Up/Down by 1.
    ReviewKeyResult onKey(ReviewKey key);

    /// Trimmed texts of records TopRecord to TopRecord + 20 that exist, read
    /// from "Reverse.rnd" in the system folder.
    Result<std::vector<std::string>> lines() const;
};

}  // namespace qv
