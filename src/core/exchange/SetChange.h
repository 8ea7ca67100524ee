// Carries out a change to a file set all or nothing: new files are staged
// under temporary names beside their targets, the files they replace are set
// aside, the staged files are renamed into place, a move's copies are synced
// to the disc, and only then are the set-aside files and (for a move) the
// sources deleted. Any failure before that point puts every file back where
// it was. An intent record beside the change lets a later start finish or
// undo it when the process dies half-way (SetIntent.h, SetRecovery.h).
#pragma once

#include <string>
#include <vector>

#include "core/exchange/FileSetMembers.h"
#include "platform/Result.h"

namespace qv::fileset {

struct SetChange {
    /// Existing files the change removes (an old target set, or the set that
    /// is being deleted). Files that a transfer replaces are added to them.
    std::vector<std::string> removals;
    std::vector<Transfer> transfers;
    /// Sources go away once the new set is in place; within one drive they
    /// are renamed rather than copied.
    bool move = false;
};

/// Runs the change, after recovering any change cut short in its folders (it
/// is then not made, and the notice says so). On failure the status holds
/// the notice for the user: the file, what could not be done to it and the
/// reason, and where any file that could not be put back was kept.
Status ApplySetChange(const SetChange& change);

/// True for the temporary names the change uses ("~qv..."), which tests and
/// tidy-up tools may look for.
bool IsStagingName(const std::string& name);

}  // namespace qv::fileset
