// Several values as one line, so that one comparison checks them all and a
// failure shows every one of them.
#pragma once

#include <sstream>
#include <string>

namespace qv::test {

/// The values streamed with one blank between them: Fields(3, "a", 1.5) is "3 a 1.5".
template <typename First, typename... Rest>
std::string Fields(const First& first, const Rest&... rest) {
    std::ostringstream out;
    out << first;
    ((out << ' ' << rest), ...);
    return out.str();
}

}  // namespace qv::test
