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
    if (!entries.ok()) return listing;
    listing.read = true;
    for (std::string& name : *entries) listing.entries.emplace(Upper(name), std::move(name));
    return listing;
}

std::string FolderNames::staging(const std::string& folder, const char* tag) {
    Listing& listing = of(folder);
    for (;;) {
        const std::string name = std::string("~qv") + tag + NumberText(++counter_) + ".tmp";
        if (!listing.entries.emplace(Upper(name), name).second) continue;
        if (!listing.read && platform::Current().entryExists(folder + name)) continue;
        return folder + name;
    }
}

std::string FolderNames::existing(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    const std::string folder = cut == std::string::npos ? "" : path.substr(0, cut + 1);
    const Listing& listing = of(folder);
    if (!listing.read) return ExistingFile(path);
    const auto found = listing.entries.find(Upper(path.substr(folder.size())));
    if (found == listing.entries.end()) return "";
    // Only a file is replaced; a folder of that name fails later, by name.
    const std::string spelt = folder + found->second;
    return platform::Current().fileExists(spelt) ? spelt : "";
}

}  // namespace qv::fileset
