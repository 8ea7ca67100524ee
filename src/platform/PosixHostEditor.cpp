// The default editor on POSIX: the one the user named in the environment,
// else whatever the desktop opens text files with.
#include <cstdlib>
#include <string>

#include "platform/HostEditor.h"

namespace qv::platform {

std::string HostEditorCommand() {
    for (const char* name : {"VISUAL", "EDITOR"}) {
        const std::string value = std::getenv(name) ? std::getenv(name) : "";
        if (value.find_first_not_of(" \t") != std::string::npos) return value + " ";
    }
    return "xdg-open ";
}

}  // namespace qv::platform
