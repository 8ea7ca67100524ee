// Finishing or undoing a set change that a crash cut short. The change left
// its intent record in its target folder (see SetIntent.h): a committed
// change is finished (the files it replaced and a move's sources go), any
// other is undone (staged files go or return to their sources, files set
// aside come back). Either way every set ends whole at one end, and the
// staging files and the record go.
#pragma once

#include <string>

#include "platform/Result.h"

namespace qv::fileset {

struct Recovery {
    bool found = false;     // the folder held an unfinished change
    bool finished = false;  // it was carried to its end; otherwise it was undone
    /// What could not be put right, for the user. The record stays while a
    /// later try may still succeed.
    Status status;
};

/// Recovers the change recorded in folder (ending in "\"), if there is one.
/// Runs at start-up over the machine's program directories and before every
/// set change over the folders it involves.
Recovery RecoverSetChanges(const std::string& folder);

}  // namespace qv::fileset
