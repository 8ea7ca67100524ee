// Making a machine of "Machine.lst" the current one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv {

/// Makes machine number current with directoryName as its program directory
/// (or a default when its folder lacks one): derives its paths, creates its
/// missing folders and default files, reads its measurement and description
/// files (full suite), loads its station table, runs the nesting step and
/// makes the directory current, which rewrites "Quorvane.cfg".
///
/// A number not in the machine table, an entry without a folder name, or a
/// missing, unreadable or broken "msr", "mch" or station file, gives an
/// error naming it and leaves the current machine, its station table and
/// its directory as they were.
Status SetUpMachine(std::int16_t number, const std::string& directoryName);

}  // namespace qv
