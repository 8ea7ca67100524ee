// The file search: programs and drawings whose base name holds a piece of
// text, across every program directory of a machine. Names only, never the
// files' contents, and never the drives.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/common/Outcome.h"
#include "core/folders/DirectoryLists.h"  // FileKind

namespace qv {

/// The longest search text accepted.
constexpr std::size_t MaxSearchText = 32;

struct FileSearch {
    /// Done with hits; Refused for a bad text or kind and when nothing is
    /// found (its notice); Failed when the machine folder cannot be read.
    Outcome outcome = Outcome::Done();
    std::vector<std::string> names;        // base names, directory by directory
    std::vector<std::string> directories;  // the directory of each name
    /// "<folder>: <reason>" for each directory that could not be read; the
    /// search goes on past it.
    std::vector<std::string> unreadable;

    /// "Not Searched:" and the unreadable directories, one a line; "" when
    /// every directory was read.
    std::string unreadableNote() const;
};

/// Searches the program directories of machine ("EXSUBS" never, plain files
/// of the machine folder passed over) for drawings (kind 1), programs (2) or
/// both (3: one row per name and directory) whose base name contains the
/// trimmed text in any letter case; an empty text finds every one. Each
/// folder is listed once.
FileSearch SearchFiles(const std::string& machine, const std::string& text, int kind);

/// The search text as the results show it: "\" text \"", or "" for none.
std::string SearchTextCaption(const std::string& text);

/// " Drawings ", " Programs " or " All Files " for kinds 1, 2 and 3.
std::string SearchKindCaption(int kind);

}  // namespace qv
