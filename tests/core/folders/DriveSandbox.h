// A throw-away installation on real temporary folders: a drive map whose
// letters point into a temporary folder, the host platform built on it, and
// fresh module state with the usual folders of a test machine.
#pragma once

#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/common/State.h"
#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv::test {

struct SandboxDrive {
    char letter;
    const char* type;    // as the drive map writes it: fixed, removable, cdrom...
    bool present = true;  // false: the map names a folder that does not exist
};

class DriveSandbox {
public:
    explicit DriveSandbox(std::vector<SandboxDrive> drives = {{'C', "fixed"}}) {
        std::string map;
        for (const SandboxDrive& d : drives) {
            const std::string host = dir_.path() + "/" + d.letter;
            if (d.present) std::filesystem::create_directories(host);
            map += std::string(1, d.letter) + ", " + host + ", " + d.type + "\n";
        }
        WriteHostFile(dir_ / "Drives.cfg", map);
        platform_ = std::make_unique<platform::PosixPlatform>(dir_ / "Drives.cfg");
        scope_ = std::make_unique<platform::ScopedPlatform>(*platform_);

        State() = ModuleState{};
        Configuration& config = State().Config;
        config.SystemFolder = "C:\\QV\\";
        config.DataFolder = "C:\\QV\\DATA\\";
        config.MachineRoot = "C:\\JOBS\\";
        config.SelectedMachine = 1;
        config.FullSuite = true;
        Machine& mach = State().Mach;
        mach.MachineFolder = "M1";
        mach.MachinePrefix = "C:\\QV\\DATA\\Data\\M1.";
        mach.MachineMaterialFolder = "C:\\QV\\DATA\\Material\\M1\\";
        makeFolder("C:\\QV\\DATA\\Data");
    }
    ~DriveSandbox() { State() = ModuleState{}; }

    /// Host path of a Windows path on one of the sandbox drives.
    std::string host(const std::string& windowsPath) const {
        std::string rest = windowsPath.substr(2);
        for (char& c : rest)
            if (c == '\\') c = '/';
        return dir_.path() + "/" + static_cast<char>(std::toupper(windowsPath[0])) + rest;
    }
    void write(const std::string& windowsPath, const std::string& bytes) const {
        WriteHostFile(host(windowsPath), bytes);
    }
    std::string read(const std::string& windowsPath) const { return ReadHostFile(host(windowsPath)); }
    bool exists(const std::string& windowsPath) const {
        return std::filesystem::exists(host(windowsPath));
    }
    void makeFolder(const std::string& windowsPath) const {
        std::filesystem::create_directories(host(windowsPath));
    }

    platform::PosixPlatform& platform() { return *platform_; }

private:
    TempDir dir_;
    std::unique_ptr<platform::PosixPlatform> platform_;
    std::unique_ptr<platform::ScopedPlatform> scope_;
};

}  // namespace qv::test
