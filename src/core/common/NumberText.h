// Whole numbers and counts as the system's messages write them.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

/// Decimal text of n with no leading blank; a negative number keeps its sign.
std::string NumberText(std::int64_t n);

/// "No Files Copied !", "1 File Copied !", "3 Files Copied !" for
/// CountMessage(n, "File", "Files", "Copied").
std::string CountMessage(std::int64_t n, const std::string& singular, const std::string& plural,
                         const std::string& verb);

}  // namespace qv
