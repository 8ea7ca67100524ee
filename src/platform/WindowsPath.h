// Taking a Windows path apart into drive, root and components.
#pragma once

#include <string>
#include <vector>

namespace qv::platform {

struct WindowsPath {
    char drive = '\0';       // upper-case letter, or '\0' when none is given
    bool rooted = false;     // starts at the drive's root ("\A" or "C:\A")
    std::vector<std::string> parts;  // "." removed, ".." applied where possible
    bool endsWithSeparator = false;
};

/// Accepts "\" and "/" as separators; repeated separators count as one. A
/// ".." that would climb above the root is dropped, as Windows does; in a
/// relative path a leading ".." is kept.
WindowsPath ParseWindowsPath(const std::string& path);

}  // namespace qv::platform
