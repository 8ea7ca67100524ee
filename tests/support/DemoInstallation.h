// The demo installation, made by the demo maker in a sandbox, with its system
// folder as the working folder and the module state fresh: what a user gets
// from the run command.
#pragma once

#include <string>

#include "support/Sandbox.h"

namespace qv::test {

/// The folder of the built programs: QV_BIN_DIR, which ctest sets, or the
/// test program's own folder.
std::string BinDir();

class DemoInstallation : public Sandbox {
public:
    static constexpr const char* System = "C:\\QUORVANE\\";

    /// Runs "quorvane-demo" with "revsample" as its processor; check ok() before use.
    DemoInstallation();

    bool ok() const { return error().empty(); }
    /// Host path of the demo's system folder.
    std::string systemHost() const { return host(System); }
};

}  // namespace qv::test
