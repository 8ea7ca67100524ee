// Entries by identity over Win32.
#ifdef _WIN32

#include "platform/Win32Platform.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

/// Volume serial number and file index of an existing file or folder.
bool Identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info, DWORD& error) {
    HANDLE h = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    const bool known = GetFileInformationByHandle(h, &info) != 0;
    if (!known) error = GetLastError();
    CloseHandle(h);
    return known;
}

}  // namespace

Result<bool> Win32Platform::sameEntry(const std::string& a, const std::string& b) {
    for (const std::string* path : {&a, &b})
        if (HasControlCharacter(*path)) return ControlCharacterStatus(*path);
    if (Win32Attributes(a) == INVALID_FILE_ATTRIBUTES || Win32Attributes(b) == INVALID_FILE_ATTRIBUTES) return false;
    BY_HANDLE_FILE_INFORMATION ia, ib;
    DWORD error = 0;
    if (!Identity(a, ia, error)) return Win32Status(a, error);
    if (!Identity(b, ib, error)) return Win32Status(b, error);
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}
}  // namespace qv::platform

#endif  // _WIN32
