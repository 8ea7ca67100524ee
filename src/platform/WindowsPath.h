// Taking a Windows path apart into drive, root and components, and the text
// no Windows path may hold.
#pragma once

#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv::platform {

struct WindowsPath {
    char drive = '\0';       // upper-case letter, or '\0' when none is given
    bool rooted = false;     // starts at the drive's root ("\A" or "C:\A")
    bool network = false;    // "\\server\share\..." (also "\\?\" and "\\.\" forms)
    std::vector<std::string> parts;  // "." removed, ".." applied where possible
    bool endsWithSeparator = false;
};

/// Accepts "\" and "/" as separators; repeated separators count as one. A
/// ".." that would climb above the root is dropped, as Windows does; in a
/// relative path a leading ".." is kept.
WindowsPath ParseWindowsPath(const std::string& path);

/// True when the text holds a byte below 0x20: no Windows name may, and the
/// host would take a NUL for the end of the path.
bool HasControlCharacter(const std::string& path);
/// "<path>: a file name cannot hold a control character", each control
/// character of the path shown as "[0xNN]".
Status ControlCharacterStatus(const std::string& path);

}  // namespace qv::platform
