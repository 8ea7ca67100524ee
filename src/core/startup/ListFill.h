// The shared rule by which the machine and reverse-processor lists are filled
// and pre-selected.
#pragma once

#include <cstdint>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/Text.h"

namespace qv {

/// One line per entry (trimmed Name, Number as item data); the entry numbered
/// currentNumber only when includeCurrent. selectMode 0 selects nothing, 1
/// the only line when there is exactly one, 2 the current entry's line (none
/// when left out); any other value selects nothing, as there is no earlier
/// selection in a freshly filled list.
template <typename Entry>
ListRows FillEntryRows(const std::vector<Entry>& entries, std::int16_t currentNumber,
                       bool includeCurrent, int selectMode) {
    ListRows rows;
    int currentLine = -1;
    for (const auto& entry : entries) {
        if (entry.Number == currentNumber) {
            if (!includeCurrent) continue;
            currentLine = static_cast<int>(rows.items.size());
        }
        rows.items.push_back(Trim(entry.Name));
        rows.data.push_back(entry.Number);
    }
    if (selectMode == 1 && rows.items.size() == 1) rows.selected = 0;
    if (selectMode == 2) rows.selected = currentLine;
    return rows;
}

}  // namespace qv
