// Failure messages of the POSIX platform: the path as the caller gave it and
// the reason in plain words.
#pragma once

#include <string>

#include "platform/Result.h"

namespace qv::platform {

/// A short reason for an errno value ("no such file or folder").
std::string ErrnoText(int error);
/// The kind of failure an errno value stands for.
ErrorKind ErrnoKind(int error);
/// "<path>: <reason of error>", with its kind.
Status ErrnoStatus(const std::string& path, int error);
/// "<path>: <reason>".
Status FailStatus(const std::string& path, const std::string& reason, ErrorKind kind = ErrorKind::Other);
/// The message for a path that leads to no drive, for the reason the
/// resolver gave (a control character in the path is named as such).
Status RefusedStatus(const std::string& path, const std::string& reason);

}  // namespace qv::platform
