// The body in a child without privileges, its failures sent back through a pipe.
#include "support/Unprivileged.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <unistd.h>

#include <filesystem>

#include "support/ForkedChild.h"

namespace qv::test {
namespace {

constexpr uid_t kNobody = 65534;

void HandOver(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (chown(folder.c_str(), kNobody, kNobody) != 0) ADD_FAILURE() << "cannot hand over " << folder;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (lchown(it->path().c_str(), kNobody, kNobody) != 0) ADD_FAILURE() << "cannot hand over " << it->path();
}

std::string RunDropped(const std::function<void()>& body) {
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) return "cannot drop to 65534";
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &results);
        body();
    }
    std::string text;
    for (int i = 0; i < results.size(); ++i) {
        const ::testing::TestPartResult& r = results.GetTestPartResult(i);
        if (r.failed())
            text += std::string(r.file_name() ? r.file_name() : "?") + ":" + std::to_string(r.line_number()) + ": " +
                    r.message() + "\n";
    }
    return text;
}

}  // namespace

void AsUnprivileged(const std::string& hostFolder, const std::function<void()>& body) {
    if (geteuid() != 0) return body();
    HandOver(hostFolder);
    EXPECT_EQ(InChild([&] { return RunDropped(body); }), "") << "as uid 65534";
}

}  // namespace qv::test
