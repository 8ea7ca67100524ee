// Entries by identity and folder locks over Win32.
#ifdef _WIN32

#include <cstdio>

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

// A mutex object lives while a handle to it is open: the system closes the
// handle when the process ends, however it ends.
class Win32FolderLock : public FolderLock {
public:
    explicit Win32FolderLock(HANDLE mutex) : mutex_(mutex) {}
    ~Win32FolderLock() override { CloseHandle(mutex_); }

private:
    HANDLE mutex_;
};

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

Result<std::unique_ptr<FolderLock>> Win32Platform::lockFolder(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    const DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such folder");
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return Status::Error(path + ": not a folder");
    BY_HANDLE_FILE_INFORMATION info;
    DWORD error = 0;
    if (!Identity(path, info, error)) return Win32Status(path, error);
    // Named after the folder's identity, so every spelling of it meets the
    // same mutex; "Global" reaches the other sessions of the machine too.
    char name[64];
    std::snprintf(name, sizeof name, "Global\\Quorvane-%08lx-%08lx%08lx", info.dwVolumeSerialNumber,
                  info.nFileIndexHigh, info.nFileIndexLow);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) return Win32Status(path, GetLastError());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return std::unique_ptr<FolderLock>();
    }
    return std::unique_ptr<FolderLock>(std::make_unique<Win32FolderLock>(mutex));
}

}  // namespace qv::platform

#endif  // _WIN32
