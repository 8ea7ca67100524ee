// What a set change needs to know of its folders' names, read from one
// listing per folder: a case-blind lookup per name would read a busy folder
// once for every file of the change.
#pragma once

#include <map>
#include <string>
#include <unordered_map>

namespace qv::fileset {

class FolderNames {
public:
    /// A path in folder ("...\\") whose name no entry of the folder has, in
    /// any letter case, and that no earlier call returned: "~qv<tag><n>.tmp".
    std::string staging(const std::string& folder, const char* tag);
    /// The existing file at path as its folder spells it; "" when there is none.
    std::string existing(const std::string& path);

private:
    struct Listing {
        bool read = false;  // false: the folder could not be listed, so each name is looked up
        std::unordered_map<std::string, std::string> entries;  // upper case -> as spelt; files and folders
    };
    Listing& of(const std::string& folder);

    std::map<std::string, Listing> folders_;  // by upper-case folder
    unsigned counter_ = 0;
};

}  // namespace qv::fileset
