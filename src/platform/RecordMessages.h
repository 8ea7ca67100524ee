// The refusals of record files, worded the same on every host.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv::platform {

inline Status RecordNumberStatus(const std::string& path, std::int64_t n) {
    return Status::Error(path + ": record " + std::to_string(n) + " does not exist (records are numbered from 1)");
}

inline Status RecordPastEndStatus(const std::string& path, std::int64_t n, std::int64_t count) {
    return Status::Error(path + ": record " + std::to_string(n) + " is past the end (" + std::to_string(count) +
                         (count == 1 ? " record)" : " records)"));
}

inline Status RecordTooLongStatus(const std::string& path, std::int64_t n, std::size_t size, std::size_t length) {
    return Status::Error(path + ": record " + std::to_string(n) + " has " + std::to_string(size) +
                         " bytes, more than the record length " + std::to_string(length));
}

inline Status RecordLengthStatus(const std::string& path) {
    return Status::Error(path + ": a record length of 0 bytes");
}

}  // namespace qv::platform
