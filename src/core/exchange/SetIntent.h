// The record a staged set change keeps in its target folder while it runs:
// which files it stages under which temporary names, which files it sets
// aside, whether sources go, and whether the new set is already whole. A
// process that dies half-way leaves it behind, so the change can be finished
// or undone later (see SetRecovery.h).
//
// "~qvset.tmp", plain lines ending CR LF, paths as the platform takes them
// ("|" cannot occur in a path):
//   QVSET 1
//   BEGUN | COMMITTED        committed: the new set is whole and on the disc
//   COPY | MOVE              a move's sources go once the change is committed
//   STAGED <temp>|<source>|<target>
//   ASIDE <temp>|<original>
//   END
#pragma once

#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv::fileset {

struct SetIntent {
    struct Staged {
        std::string temp;  // where the source is copied or renamed to first
        std::string from;
        std::string to;
    };
    struct Aside {
        std::string temp;  // where an existing file waits until the change is over
        std::string original;
    };
    bool committed = false;
    bool move = false;
    std::vector<Staged> staged;
    std::vector<Aside> aside;
};

/// The intent record of folder (which ends in "\"); a folder holds one at most.
std::string IntentPath(const std::string& folder);

/// Replaces the record whole and flushes it to the disc.
Status WriteIntent(const std::string& path, const SetIntent& intent);

/// Fails when the file cannot be read or is not a whole record.
Result<SetIntent> ReadIntent(const std::string& path);

}  // namespace qv::fileset
