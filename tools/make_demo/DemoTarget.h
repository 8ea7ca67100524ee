// The host side of making a demo: the target folder, its drive map, and the
// processor programs copied into the system folder.
#pragma once

#include <string>

#include "platform/Result.h"

namespace qv::demo {

/// Name of the file that marks a folder as made by this program.
constexpr const char* kMarkerName = ".quorvane-demo";

/// Makes sure target is usable: missing or empty, or, with replace, an
/// earlier demo (it holds the marker), which is then emptied. Anything else
/// is refused with a message saying why. Makes the folder and the marker.
Status PrepareTarget(const std::string& target, bool replace);

/// Writes "<target>/C/QUORVANE/Drives.cfg": C fixed on <target>/C, E
/// removable on <target>/E (absolute host paths), and makes those folders.
Status WriteDriveMap(const std::string& target);

/// Copies the processor program into the system folder under each of the
/// names the processor list uses, executable.
Status CopyProcessor(const std::string& processor, const std::string& systemFolderHost);

/// The sample processor beside this program, or "" when there is none.
std::string ProcessorBeside(const std::string& argv0);

/// "xdg-open " when the host has it, else the suite's default "Notepad.exe ".
std::string EditorCommand();

}  // namespace qv::demo
