// The drive map: which host folder stands for each drive letter, and the
// parser of its file "Drives.cfg".
//
// One line per drive, "letter, host folder, type", for example
//   C, /home/me/quorvane-demo/C, fixed
//   E, /home/me/quorvane-demo/E, removable
// Types: fixed, removable, remote, cdrom, ramdisk (fixed when left out).
// Lines starting with ";" or "#" are comments; blank lines are ignored.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace qv::platform {

struct DriveEntry {
    std::string hostFolder;  // without a final "/" (except the host root "/")
    DriveType type = DriveType::Fixed;
};

/// Keyed by upper-case letter, so iteration is in drive order.
using DriveMap = std::map<char, DriveEntry>;

struct DriveMapParse {
    DriveMap drives;
    /// One text per line that was not understood ("line 3: unknown drive type
    /// \"floppy\""); such lines are left out of the map.
    std::vector<std::string> problems;
};

/// Parses the text of a drive map. Relative host folders are kept as written;
/// the caller anchors them. A letter given twice keeps its last line.
DriveMapParse ParseDriveMap(const std::string& text);

/// The map used when there is no "Drives.cfg": C: is the host root.
DriveMap DefaultDriveMap();

}  // namespace qv::platform
