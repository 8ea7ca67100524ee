// Entries by identity on the POSIX platform.
#include "platform/PosixErrors.h"
#include "platform/PosixPlatform.h"
#include "platform/WindowsPath.h"

namespace qv::platform {

Result<bool> PosixPlatform::sameEntry(const std::string& a, const std::string& b) {
    for (const std::string* path : {&a, &b})
        if (HasControlCharacter(*path)) return ControlCharacterStatus(*path);
    HostTarget ta = resolver_.resolve(a);
    HostTarget tb = resolver_.resolve(b);
    return ta.exists && tb.exists && ta.st.st_dev == tb.st.st_dev && ta.st.st_ino == tb.st.st_ino;
}

}  // namespace qv::platform
