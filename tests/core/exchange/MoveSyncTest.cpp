// How a copy or a move brings its files across: a move within one drive
// renames, across drives it copies, and it flushes every copy to the disc
// before it deletes any source.
#include <gtest/gtest.h>

#include "core/exchange/FileSet.h"
#include "support/Answers.h"
#include "support/FileSetWorld.h"
#include "support/ForwardingPlatform.h"

namespace qv::test {
namespace {

// Records the copies, syncs and deletions in the order they are made.
class Log : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<std::string> calls;

    Status copyFile(const std::string& from, const std::string& to) override {
        calls.push_back("copy");
        return ForwardingPlatform::copyFile(from, to);
    }
    Status syncFile(const std::string& path) override {
        calls.push_back("sync " + path);
        return ForwardingPlatform::syncFile(path);
    }
    Status deleteFile(const std::string& path) override {
        calls.push_back(path.find(kJobs) == 0 ? "delete source" : "delete");
        return ForwardingPlatform::deleteFile(path);
    }
};

TEST(TransferMethod, EveryCopyIsOnTheDiscBeforeAnySourceGoes) {
    const std::vector<std::string> pair = {"BRACKET.drw", "BRACKET.prg"};
    const std::string drw = std::string("sync ") + kOtherDriveOwn + "BRACKET.drw";
    const std::string prg = std::string("sync ") + kOtherDriveOwn + "BRACKET.prg";
    const struct {
        bool move;
        const char* target;
        std::vector<std::string> calls;  // the intent record's removal is the last delete
    } cases[] = {
        {false, kOtherDriveOwn, {"copy", "copy", "delete"}},
        {true, kParts, {"delete"}},
        {true, kOtherDriveOwn, {"copy", "copy", drw, prg, "delete source", "delete source", "delete"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + (c.move ? " move" : " copy"));
        FileSetWorld world;
        world.putFiles(kJobs, pair, "src");
        Log log(world.platform());
        platform::ScopedPlatform use(log);
        const Outcome done = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk())
                                    : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk());
        EXPECT_EQ(done.count(), 1) << done.message();
        EXPECT_EQ(log.calls, c.calls);
        world.expectUntouched(c.target, pair, "src");
        world.expectUntouched(kJobs, c.move ? std::vector<std::string>{} : pair, "src");
    }
}

}  // namespace
}  // namespace qv::test
