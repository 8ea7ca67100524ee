// The default editor on Windows, as the suite has always named it.
#include "platform/HostEditor.h"

namespace qv::platform {

std::string HostEditorCommand() { return "Notepad.exe "; }

}  // namespace qv::platform
