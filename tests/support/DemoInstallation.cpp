// The demo installation as a test fixture.
#include "support/DemoInstallation.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/common/State.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/ReverseRunState.h"
#include "platform/PosixPlatform.h"

namespace fs = std::filesystem;

namespace qv::test {

void ResetModuleState() {
    State() = ModuleState{};
    Tooling() = ToolingState{};
    ReverseRun() = ReverseRunState{};
    StationTable() = StationArray{};
}

DemoInstallation::DemoInstallation() {
    const char* bin = std::getenv("QV_BIN_DIR");
    if (!bin) {
        error_ = "QV_BIN_DIR is not set: run the tests through ctest";
        return;
    }
    const std::string target = temp_ / "demo";
    const std::string command = std::string(bin) + "/quorvane-demo '" + target + "' --processor '" +
                                bin + "/revsample' > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        error_ = "quorvane-demo failed: " + command;
        return;
    }
    previousWorkingFolder_ = fs::current_path().string();
    fs::current_path(systemHost());
    platform_ = std::make_unique<platform::PosixPlatform>();
    scope_ = std::make_unique<platform::ScopedPlatform>(*platform_);
    ResetModuleState();
    ok_ = true;
}

DemoInstallation::~DemoInstallation() {
    scope_.reset();
    platform_.reset();
    if (!previousWorkingFolder_.empty()) {
        std::error_code ec;
        fs::current_path(previousWorkingFolder_, ec);
    }
    ResetModuleState();
}

std::string DemoInstallation::systemHost() const { return temp_ / "demo/C/QUORVANE"; }

std::string DemoInstallation::host(const std::string& windowsPath) const {
    return platform_ ? platform_->hostPath(windowsPath) : std::string();
}

void DemoInstallation::write(const std::string& windowsPath, const std::string& bytes) const {
    WriteHostFile(host(windowsPath), bytes);
}

std::string DemoInstallation::read(const std::string& windowsPath) const {
    return ReadHostFile(host(windowsPath));
}

}  // namespace qv::test
