// Windows path parsing shared by the host implementations.
#include "platform/WindowsPath.h"

#include <cctype>

#include "platform/CaseFold.h"

namespace qv::platform {

WindowsPath ParseWindowsPath(const std::string& path) {
    WindowsPath out;
    std::size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        out.drive = FoldCase(path[0]);
        pos = 2;
    }
    auto isSep = [](char c) { return c == '\\' || c == '/'; };
    if (pos < path.size() && isSep(path[pos])) out.rooted = true;
    while (pos < path.size()) {
        while (pos < path.size() && isSep(path[pos])) ++pos;
        std::size_t end = pos;
        while (end < path.size() && !isSep(path[end])) ++end;
        const std::size_t start = pos, length = end - pos;
        pos = end;
        if (length == 0 || (length == 1 && path[start] == '.')) continue;
        if (length == 2 && path[start] == '.' && path[start + 1] == '.') {
            if (!out.parts.empty() && out.parts.back() != "..")
                out.parts.pop_back();
            else if (!out.rooted)
                out.parts.emplace_back("..");
            continue;
        }
        out.parts.emplace_back(path, start, length);
    }
    out.endsWithSeparator = !path.empty() && isSep(path.back()) && !out.parts.empty();
    return out;
}

}  // namespace qv::platform
