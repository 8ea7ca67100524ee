// Windows file-name masks: splitting a pattern list and matching a name.
#pragma once

#include <string>
#include <vector>

namespace qv::platform {

/// The masks of a list separated by ";", each trimmed; empty masks dropped.
std::vector<std::string> SplitPatterns(const std::string& patterns);

/// True when name matches the mask as a Windows file listing would, without
/// regard to case:
///   "*"   any run of characters;
///   "?"   one character, or none when it stands before a "." or at the end of
///         the name ("a?.txt" matches "a.txt", "???" matches "ab");
///   "*."  as in "*.prg" never runs past the last "." of the name;
///   ".*" / "." at the end of the mask also match a name without a dot
///         ("*.*" matches every name, "*." matches names without extension).
/// 8.3 short names are not considered.
bool MatchWildcard(const std::string& mask, const std::string& name);

/// A list of masks prepared once for matching many names.
class WildcardSet {
public:
    /// patterns as for SplitPatterns.
    explicit WildcardSet(const std::string& patterns);
    /// True when no mask is left: nothing matches.
    bool empty() const { return masks_.empty(); }
    /// True when name matches one of the masks.
    bool matches(const std::string& name) const;

private:
    std::vector<std::string> masks_;  // rewritten, see MatchWildcard
    bool all_ = false;
};

/// Sorts a listing by name without regard to case and drops repeats.
void SortNames(std::vector<std::string>& names);

}  // namespace qv::platform
