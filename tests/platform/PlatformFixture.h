// A POSIX platform over a temporary folder: drive C: is <tmp>/C, drive E: a
// removable <tmp>/E, mapped through a "Drives.cfg" written for the test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <memory>
#include <string>

#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv::test {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteHostFile(tmp / "C/.keep", "");
        WriteHostFile(tmp / "E/.keep", "");
        unlink((tmp / "C/.keep").c_str());
        unlink((tmp / "E/.keep").c_str());
        WriteHostFile(tmp / "Drives.cfg", "; test drives\nC, " + (tmp / "C") + ", fixed\nE, " + (tmp / "E") +
                                              ", removable\n");
        platform = std::make_unique<platform::PosixPlatform>(tmp / "Drives.cfg");
    }

    /// Host path inside drive C:.
    std::string onC(const std::string& rel) const { return tmp / ("C/" + rel); }

    TempDir tmp;
    std::unique_ptr<platform::PosixPlatform> platform;
};

/// Restores the working folder when the test ends.
class WorkingFolderGuard {
public:
    WorkingFolderGuard() {
        char buffer[PATH_MAX];
        if (getcwd(buffer, sizeof buffer)) saved_ = buffer;
    }
    ~WorkingFolderGuard() {
        if (!saved_.empty() && chdir(saved_.c_str()) != 0) {
        }
    }

private:
    std::string saved_;
};

}  // namespace qv::test
