// The lines of a list box as core fills them: texts, item data and the line
// to select, so windows and tests share one plain value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv {

struct ListRows {
    std::vector<std::string> items;  // line texts, in list order
    std::vector<std::int16_t> data;  // item data of each line
    int selected = -1;               // line to select, -1 for none
    Status error;                    // why the folder behind the list could not be read
};

}  // namespace qv
