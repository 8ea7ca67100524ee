// The demo installation, made by the demo maker in a sandbox, with its system
// folder as the working folder and the module state fresh: what a user gets
// from the run command.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/Sandbox.h"

namespace qv::test {

/// The folder of the built programs: QV_BIN_DIR, which ctest sets, or the
/// test program's own folder.
inline std::string BinDir() {
    if (const char* dir = std::getenv("QV_BIN_DIR")) return dir;
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

class DemoInstallation : public Sandbox {
public:
    static constexpr const char* System = "C:\\QUORVANE\\";

    /// Runs "quorvane-demo" with "revsample" as its processor; check ok() before use.
    DemoInstallation() : Sandbox(MakeDemo) {
        if (ok()) enter(System);
    }

    /// Host path of the demo's system folder.
    std::string systemHost() const { return host(System); }

private:
    static std::string MakeDemo(const std::string& root, std::string& error) {
        const std::string bin = BinDir();
        const std::string command =
            "'" + bin + "/quorvane-demo' '" + root + "' --processor '" + bin + "/revsample' > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0) error = "quorvane-demo failed: " + command;
        return root + "/C/QUORVANE/Drives.cfg";
    }
};

}  // namespace qv::test
