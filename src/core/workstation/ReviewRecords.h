// "Reverse.rnd": the program's blocks as fixed 80-character records for the
// review window, one per non-empty line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv {

constexpr std::size_t ReviewRecordLength = 80;

/// A program line as its record holds it: trimmed, cut or padded with blanks
/// to 80 characters.
std::string ReviewRecordText(const std::string& line);

/// Writes one record per non-empty line of the program, the last line
/// included, and returns how many. The program is read a piece at a time,
/// so memory does not grow with its length. The records are written beside
/// the file first and replace it only when all are written, so a failure
/// leaves the old file as it was.
Result<std::int32_t> WriteReviewRecords(const std::string& programFile, const std::string& reviewFile);

/// The trimmed texts of records first to first + count - 1 that exist (at
/// most up to record `last`).
Result<std::vector<std::string>> ReadReviewRecords(const std::string& reviewFile, std::int32_t first,
                                                   std::int32_t count, std::int32_t last);

}  // namespace qv
