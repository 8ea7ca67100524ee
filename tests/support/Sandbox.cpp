// Temporary drives under the POSIX platform for tests.
#include "support/Sandbox.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <stdexcept>

#include "core/common/State.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/ReverseRunState.h"

namespace fs = std::filesystem;

namespace qv::test {

void ResetModuleState() {
    State() = ModuleState{};
    Tooling() = ToolingState{};
    ReverseRun() = ReverseRunState{};
    StationTable() = StationArray{};
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

Sandbox::Sandbox(std::vector<Drive> drives) {
    std::string map;
    for (const Drive& d : drives) {
        if (d.present) fs::create_directories(temp_ / std::string(1, d.letter));
        map += std::string(1, d.letter) + ", " + (temp_ / std::string(1, d.letter)) + ", " + d.type + "\n";
    }
    WriteHostFile(temp_ / "Drives.cfg", map);
    mount(temp_ / "Drives.cfg");
}

Sandbox::Sandbox(const std::function<std::string(const std::string&, std::string&)>& fill) {
    const std::string map = fill(temp_.path(), error_);
    if (error_.empty()) mount(map);
}

void Sandbox::mount(const std::string& driveMap) {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer)) previousWorkingFolder_ = buffer;
    platform_ = std::make_unique<platform::PosixPlatform>(driveMap);
    scope_ = std::make_unique<platform::ScopedPlatform>(*platform_);
    ResetModuleState();
}

Sandbox::~Sandbox() {
    scope_.reset();
    platform_.reset();
    // Back where the test started if that still exists; the temporary folder goes either way.
    if (!previousWorkingFolder_.empty()) (void)!chdir(previousWorkingFolder_.c_str());
    ResetModuleState();
}

void Sandbox::enter(const std::string& windowsFolder) {
    makeFolder(windowsFolder);
    if (!platform_->setCurrentFolder(windowsFolder)) throw std::runtime_error("cannot enter " + windowsFolder);
}

std::string Sandbox::host(const std::string& windowsPath) const {
    std::string rest = windowsPath.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return root() + "/" + static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath.at(0)))) + rest;
}

void Sandbox::write(const std::string& windowsPath, const std::string& bytes) const {
    WriteHostFile(host(windowsPath), bytes);
}

void Sandbox::writeLines(const std::string& windowsPath, const std::vector<std::string>& lines) const {
    write(windowsPath, CrLf(lines));
}

std::string Sandbox::read(const std::string& windowsPath) const { return ReadHostFile(host(windowsPath)); }
bool Sandbox::exists(const std::string& windowsPath) const { return fs::exists(host(windowsPath)); }
bool Sandbox::isFolder(const std::string& windowsPath) const { return fs::is_directory(host(windowsPath)); }
void Sandbox::makeFolder(const std::string& windowsPath) const { fs::create_directories(host(windowsPath)); }

void Sandbox::remove(const std::string& windowsPath) const {
    std::error_code ec;
    fs::remove_all(host(windowsPath), ec);
}

std::vector<std::string> Sandbox::names(const std::string& windowsFolder) const {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(host(windowsFolder)))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

Snapshot Sandbox::snapshot() const {
    Snapshot out;
    for (const auto& entry : fs::recursive_directory_iterator(root())) {
        const std::string key = fs::relative(entry.path(), root()).generic_string();
        if (entry.is_regular_file() && key != "Drives.cfg") out[key] = ReadHostFile(entry.path().string());
    }
    return out;
}

MachineSandbox::MachineSandbox(std::vector<Drive> drives) : Sandbox(std::move(drives)) {
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

}  // namespace qv::test
