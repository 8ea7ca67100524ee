// The reverse product's NC sub-routines: plain files in ReverseSubsFolder,
// handled by their full names, extension included, with no companions.
//
// Each operation asks its question through ask and returns Done with its
// closing notice: count 0 and the "not done" notice when the user said No,
// else the number of files handled. A missing selection or a bad name is
// Refused; a file-system failure is Failed and names the file and reason.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/Outcome.h"

namespace qv {

/// The longest sub-routine name accepted.
constexpr std::size_t MaxSubRoutineName = 36;

/// Every file of ReverseSubsFolder in name order, nothing selected.
ListRows SubRoutineList();

/// Deletes the named sub-routines in list order after one question.
Outcome DeleteSubRoutines(const std::vector<std::string>& names, const AskFunction& ask);

/// Renames oldName to newName, replacing a file of that name without a
/// further question. A rename onto its own name, also in another letter
/// case, keeps the file (taking the new spelling).
Outcome RenameSubRoutine(const std::string& oldName, const std::string& newName, const AskFunction& ask);

/// Copies oldName to newName, replacing a file of that name without a
/// further question; a copy onto itself leaves the file as it is.
Outcome CopySubRoutine(const std::string& oldName, const std::string& newName, const AskFunction& ask);

}  // namespace qv
