// The host's own text editor, for when the installation names none.
#pragma once

#include <string>

namespace qv::platform {

/// The command that opens a text file in the host's default editor, ending
/// in one blank so that a path can follow directly.
std::string HostEditorCommand();

}  // namespace qv::platform
