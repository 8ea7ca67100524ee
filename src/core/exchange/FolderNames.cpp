// Names of a set change's folders, from one listing each.
#include "core/exchange/FolderNames.h"

#include <utility>

#include "core/common/NumberText.h"
#include "core/common/Text.h"
#include "core/exchange/FileSetMembers.h"
#include "platform/Platform.h"

namespace qv::fileset {

FolderNames::Listing& FolderNames::of(const std::string& folder) {
    auto [at, added] = folders_.try_emplace(Upper(folder));
    Listing& listing = at->second;
    if (!added) return listing;
    platform::Platform& fs = platform::Current();
    Result<std::vector<std::string>> entries = fs.listEntries(folder, "*");
    Result<std::vector<std::string>> files = fs.listFiles(folder, "*");
    if (!entries.ok() || !files.ok()) return listing;
    listing.read = true;
    for (const std::string& name : *entries) listing.entries.insert(Upper(name));
    for (std::string& name : *files) listing.files.emplace(Upper(name), std::move(name));
    return listing;
}

std::string FolderNames::staging(const std::string& folder, const char* tag) {
    Listing& listing = of(folder);
    for (;;) {
        const std::string name = std::string("~qv") + tag + NumberText(++counter_) + ".tmp";
        if (!listing.entries.insert(Upper(name)).second) continue;
        if (!listing.read && platform::Current().entryExists(folder + name)) continue;
        return folder + name;
    }
}

std::string FolderNames::existing(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    const std::string folder = cut == std::string::npos ? "" : path.substr(0, cut + 1);
    const Listing& listing = of(folder);
    if (!listing.read) return ExistingFile(path);
    const auto found = listing.files.find(Upper(path.substr(folder.size())));
    return found == listing.files.end() ? "" : folder + found->second;
}

}  // namespace qv::fileset
