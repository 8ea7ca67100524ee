// The demo installation, made by the demo maker in a real temporary folder,
// seen through the POSIX platform with its system folder as the working
// folder and the module state fresh: what a user gets from the run command.
#pragma once

#include <memory>
#include <string>

#include "support/TempDir.h"

namespace qv::platform {
class PosixPlatform;
class ScopedPlatform;
}  // namespace qv::platform

namespace qv::test {

class DemoInstallation {
public:
    static constexpr const char* System = "C:\\QUORVANE\\";

    /// Runs "quorvane-demo" (from QV_BIN_DIR) into a temporary folder; check
    /// ok() before use.
    DemoInstallation();
    ~DemoInstallation();
    DemoInstallation(const DemoInstallation&) = delete;
    DemoInstallation& operator=(const DemoInstallation&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    /// Host path of the demo's system folder.
    std::string systemHost() const;
    /// Host path of a Windows path of the installation.
    std::string host(const std::string& windowsPath) const;
    /// Writes a file of the installation, bytes as given.
    void write(const std::string& windowsPath, const std::string& bytes) const;
    std::string read(const std::string& windowsPath) const;

private:
    TempDir temp_;
    std::string previousWorkingFolder_;
    std::unique_ptr<platform::PosixPlatform> platform_;
    std::unique_ptr<platform::ScopedPlatform> scope_;
    bool ok_ = false;
    std::string error_;
};

/// Clears every module-wide value, as at a fresh program start.
void ResetModuleState();

}  // namespace qv::test
