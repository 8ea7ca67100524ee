// The lines of a list box as core fills them: texts, item data and the line
// to select, so windows and tests share one plain value.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Result.h"

namespace qv {

struct ListRows {
    std::vector<std::string> items;  // line texts, in list order
    std::vector<std::int16_t> data;  // item data of each line
    int selected = -1;               // line to select, -1 for none
    Status error;                    // why the folder behind the list could not be read
};

/// The rows of a folder listing, every item's data 0; a listing that failed
/// gives no rows and its error.
inline ListRows RowsOf(Result<std::vector<std::string>> names) {
    ListRows rows;
    if (!names.ok()) {
        rows.error = names.status();
        return rows;
    }
    rows.items = std::move(*names);
    rows.data.assign(rows.items.size(), 0);
    return rows;
}

}  // namespace qv
