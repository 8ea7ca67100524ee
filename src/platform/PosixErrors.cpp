// Failure messages of the POSIX platform.
#include "platform/PosixErrors.h"

#include <cerrno>
#include <cstring>

#include "platform/WindowsPath.h"

namespace qv::platform {

std::string ErrnoText(int error) {
    switch (error) {
        case ENOENT: return "no such file or folder";
        case ENOTDIR: return "a part of the path is not a folder";
        case EACCES:
        case EPERM: return "access denied";
        case EEXIST: return "already exists";
        case ENOTEMPTY: return "the folder is not empty";
        case EISDIR: return "is a folder";
        case ENOSPC: return "the disc is full";
        case EDQUOT: return "the disc quota is exhausted";
        case EROFS: return "the drive is read-only";
        case EXDEV: return "not on the same drive";
        case EBUSY: return "in use";
        case EIO: return "input/output error";
        case ENAMETOOLONG: return "the name is too long";
        case EMFILE:
        case ENFILE: return "too many open files";
        default: break;
    }
    std::string text = std::strerror(error);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

ErrorKind ErrnoKind(int error) {
    switch (error) {
        case 0: return ErrorKind::Other;
        case ENOENT: return ErrorKind::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
        case ETXTBSY: return ErrorKind::Denied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return ErrorKind::DiscFull;
        case EXDEV: return ErrorKind::CrossDevice;
        case ENOTDIR:
        case EISDIR: return ErrorKind::NotAFolder;
        case EEXIST:
        case ENOTEMPTY: return ErrorKind::Exists;
        default: return ErrorKind::Other;
    }
}

Status ErrnoStatus(const std::string& path, int error) {
    return FailStatus(path, ErrnoText(error), ErrnoKind(error));
}

Status FailStatus(const std::string& path, const std::string& reason, ErrorKind kind) {
    return Status::Error(path + ": " + reason, kind);
}

Status RefusedStatus(const std::string& path, const std::string& reason) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    return FailStatus(path, reason, ErrorKind::NotFound);
}

}  // namespace qv::platform
