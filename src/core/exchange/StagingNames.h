// Temporary names for the files of one set change, chosen against one
// listing per folder: a case-blind lookup per name would read a busy folder
// once for every file of the change.
#pragma once

#include <map>
#include <set>
#include <string>

namespace qv::fileset {

class StagingNames {
public:
    /// A path in folder ("...\\") whose name no entry of the folder has, in
    /// any letter case, and that no earlier call returned: "~qv<tag><n>.tmp".
    std::string next(const std::string& folder, const char* tag);

private:
    std::map<std::string, std::set<std::string>> taken_;
    std::set<std::string> listed_, unlisted_;
    unsigned counter_ = 0;
};

}  // namespace qv::fileset
