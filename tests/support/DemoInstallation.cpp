// The demo installation as a test fixture.
#include "support/DemoInstallation.h"

#include <cstdlib>
#include <filesystem>

namespace qv::test {
namespace {

std::string MakeDemo(const std::string& root, std::string& error) {
    const std::string bin = BinDir();
    const std::string command = "'" + bin + "/quorvane-demo' '" + root + "' --processor '" + bin +
                                "/revsample' > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) error = "quorvane-demo failed: " + command;
    return root + "/C/QUORVANE/Drives.cfg";
}

}  // namespace

std::string BinDir() {
    if (const char* dir = std::getenv("QV_BIN_DIR")) return dir;
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

DemoInstallation::DemoInstallation() : Sandbox(MakeDemo) {
    if (ok()) enter(System);
}

}  // namespace qv::test
