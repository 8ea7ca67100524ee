// A second installation, written here rather than by the demo maker: an inch
// machine and a metric machine with tool libraries and materials of their
// own, names in mixed case, a special tool and a station named with the
// 8-bit "\xD8" (O stroke in code page 1252), and the sample processor.
#pragma once

#include <string>

#include "support/Sandbox.h"

namespace qv::test {

class SecondInstallation : public Sandbox {
public:
    static constexpr const char* System = "C:\\Quorvane\\";
    /// The special tool of the inch library and the station it goes into.
    static constexpr const char* SpecialName = "\xD8" "20 KEY";
    static constexpr const char* StationName = "\xD8" " 50 Station";

    /// Machine 1 "Inch Press" (inches, library "Inch Tools", program
    /// Parts\PANEL, current), machine 2 "Combi Press" (millimetres, library
    /// "Combi Set", program Parts\FLANGE); processor "RevTest". The working
    /// folder is the system folder.
    SecondInstallation();
};

}  // namespace qv::test
