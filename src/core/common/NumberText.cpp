// Counts in messages.
#include "core/common/NumberText.h"

namespace qv {

std::string NumberText(std::int64_t n) { return std::to_string(n); }

std::string CountMessage(std::int64_t n, const std::string& singular, const std::string& plural,
                         const std::string& verb) {
    if (n == 0) return "No " + plural + " " + verb + " !";
    if (n == 1) return "1 " + singular + " " + verb + " !";
    return NumberText(n) + " " + plural + " " + verb + " !";
}

}  // namespace qv
