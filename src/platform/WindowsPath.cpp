// Windows path parsing shared by the host implementations.
#include "platform/WindowsPath.h"

#include <cctype>
#include <cstdio>

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
    out.network = out.drive == '\0' && path.size() >= 2 && isSep(path[0]) && isSep(path[1]);
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

bool HasControlCharacter(const std::string& path) {
    for (char c : path)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

Status ControlCharacterStatus(const std::string& path) {
    std::string shown;
    for (char c : path) {
        if (static_cast<unsigned char>(c) >= 0x20) {
            shown += c;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "[0x%02X]", static_cast<unsigned>(static_cast<unsigned char>(c)));
        shown += code;
    }
    return Status::Error(shown + ": a file name cannot hold a control character");
}

}  // namespace qv::platform
