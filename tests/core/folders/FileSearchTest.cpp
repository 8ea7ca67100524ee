// The file search: names in any case across directories, one row per name,
// refusals, and a directory that cannot be read.
#include <gtest/gtest.h>

#include <cstring>

#include "core/common/Text.h"
#include "core/folders/FileSearch.h"
#include "support/ForwardingPlatform.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

// Fails the listing of "Locked".
class LockedPlatform : public test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override {
        if (Upper(folder).find("LOCKED") != std::string::npos)
            return Status::Error(folder + ": permission denied", ErrorKind::Denied);
        return ForwardingPlatform::listFiles(folder, patterns);
    }
};

const std::string kNote = "\n\nNot Searched:\nC:\\JOBS\\M1\\Locked\\: permission denied";

TEST(SearchFiles, HitsRefusalsAndTheFolderNotSearched) {
    // hits: "name@directory"; notice: of a refusal; drawings: the drawings are there.
    const struct { const char* name; std::string text; int kind; std::vector<std::string> hits; std::string notice;
        bool drawings = true; } cases[] = {
        {"any case anywhere in the name, one row per name", "pa", 3,
         {"PART1@JOBS", "spar@JOBS", "X.pa@JOBS", "Apart@Other", "PART1@Other"}, ""},
        {"an empty text finds every drawing", "", 1, {"PART1@JOBS", "PART1@Other"}, ""},
        {"programs only", " PART ", 2, {"PART1@JOBS", "Apart@Other"}, ""},
        {"an extension alone does not match", "prg", 2, {}, "No Occurrences Of \" prg \" Found " + kNote},
        {"no drawing at all", "", 1, {}, "No Drawings Found " + kNote, false},
        {"32 characters are accepted", std::string(32, 'z'), 3, {},
         "No Occurrences Of \" " + std::string(32, 'z') + " \" Found " + kNote},
        {"33 are refused", std::string(33, 'z'), 3, {}, "Invalid Search Text"},
        {"no kind is refused", "pa", 0, {}, "Drawings And / Or Programs Must Be Selected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MachineSandbox box;
        for (const char* file : {"JOBS\\PART1.prg", "JOBS\\PART1.drw", "JOBS\\spar.prg", "JOBS\\X.pa.prg",
                                 "JOBS\\Part1.inf", "Other\\PART1.drw", "Other\\Apart.PRG", "EXSUBS\\Pa.prg",
                                 "Locked\\PA.prg", "Loose.prg"})
            if (c.drawings || !std::strstr(file, ".drw")) box.write(std::string("C:\\JOBS\\M1\\") + file, "x");
        LockedPlatform locked(box.platform());
        platform::ScopedPlatform use(locked);
        const FileSearch found = SearchFiles("M1", c.text, c.kind);
        std::vector<std::string> hits;
        for (std::size_t i = 0; i < found.names.size(); ++i)
            hits.push_back(found.names[i] + "@" + found.directories[i]);
        EXPECT_EQ(hits, c.hits);
        EXPECT_EQ(found.outcome.message(), c.notice);
        EXPECT_EQ(found.outcome.done(), c.notice.empty());
        if (found.outcome.done()) { EXPECT_EQ(found.unreadableNote(), kNote.substr(2)); }
    }
}

}  // namespace
}  // namespace qv
