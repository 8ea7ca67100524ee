// Names for the temporary files of a set change.
#include "core/exchange/StagingNames.h"

#include "core/common/NumberText.h"
#include "core/common/Text.h"
#include "platform/Platform.h"

namespace qv::fileset {

std::string StagingNames::next(const std::string& folder, const char* tag) {
    unsigned& counter = counter_;
    std::set<std::string>& taken = taken_[Upper(folder)];
    if (!listed_.count(Upper(folder))) {
        listed_.insert(Upper(folder));
        Result<std::vector<std::string>> names = platform::Current().listEntries(folder, "~qv*");
        if (names.ok()) {
            for (const std::string& name : *names) taken.insert(Upper(name));
        } else {
            unlisted_.insert(Upper(folder));
        }
    }
    for (;;) {
        const std::string name = std::string("~qv") + tag + NumberText(++counter) + ".tmp";
        if (taken.count(Upper(name))) continue;
        if (unlisted_.count(Upper(folder)) && platform::Current().entryExists(folder + name)) continue;
        taken.insert(Upper(name));
        return folder + name;
    }
}

}  // namespace qv::fileset
