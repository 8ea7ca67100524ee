// Builds small suite installations for tests and benchmarks.
#include "support/InstallationFixture.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <stdexcept>

#include "core/common/State.h"
#include "platform/PosixPlatform.h"

namespace fs = std::filesystem;

namespace qv::test {

std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

InstallationFixture::InstallationFixture() {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer)) previousWorkingFolder_ = buffer;
    WriteHostFile(temp_ / "Drives.cfg", "C, " + (temp_ / "C") + ", fixed\n");
    makeFolder(System);
    platform_ = std::make_unique<platform::PosixPlatform>(temp_ / "Drives.cfg");
    scope_ = std::make_unique<platform::ScopedPlatform>(*platform_);
    if (!platform_->setCurrentFolder(System)) throw std::runtime_error("cannot enter C:\\QUORVANE");
    State() = ModuleState{};
}

InstallationFixture::~InstallationFixture() {
    scope_.reset();
    platform_.reset();
    if (!previousWorkingFolder_.empty() && chdir(previousWorkingFolder_.c_str()) != 0) {
        // The temporary folder is removed below either way.
    }
    State() = ModuleState{};
}

platform::Platform& InstallationFixture::platform() { return *platform_; }

std::string InstallationFixture::host(const std::string& windowsPath) const {
    std::string rest = windowsPath.substr(2);  // after "C:"
    for (char& c : rest)
        if (c == '\\') c = '/';
    while (!rest.empty() && rest.back() == '/') rest.pop_back();
    return temp_.path() + "/C" + rest;
}

void InstallationFixture::write(const std::string& windowsPath, const std::string& bytes) const {
    WriteHostFile(host(windowsPath), bytes);
}

void InstallationFixture::writeLines(const std::string& windowsPath,
                                     const std::vector<std::string>& lines) const {
    write(windowsPath, CrLf(lines));
}

std::string InstallationFixture::read(const std::string& windowsPath) const {
    return ReadHostFile(host(windowsPath));
}

bool InstallationFixture::exists(const std::string& windowsPath) const {
    return fs::exists(host(windowsPath));
}

bool InstallationFixture::isFolder(const std::string& windowsPath) const {
    return fs::is_directory(host(windowsPath));
}

void InstallationFixture::makeFolder(const std::string& windowsPath) const {
    fs::create_directories(host(windowsPath));
}

void InstallationFixture::remove(const std::string& windowsPath) const {
    std::error_code ec;
    fs::remove_all(host(windowsPath), ec);
}

void InstallationFixture::writeConfiguration(const std::string& machine,
                                             const std::string& directory) {
    writeLines(std::string(System) + "Quorvane.cfg",
               {"C:\\QUORVANE", Data, Root, machine, directory, "******"});
}

void InstallationFixture::writeMachineList(const std::vector<MachineSpec>& machines) {
    std::vector<std::string> lines;
    for (const auto& m : machines)
        lines.push_back(m.number + "," + m.name + "," + m.folder + ",Field 3,Field 4");
    lines.push_back("******");
    writeLines(std::string(System) + "Machine.lst", lines);
}

std::vector<std::string> InstallationFixture::DescriptionLines(const MachineSpec& m) {
    std::vector<std::string> lines = {"Machine Description",
                                      "Machine Type          : " + m.type,
                                      "Tool Library Value    : 3",
                                      "Drawing Value         : 4",
                                      "Length 5              : 5",
                                      "Length 6              : 6",
                                      "Default Sheet X       : " + m.sheetX,
                                      "Default Sheet Y       : " + m.sheetY};
    for (int line = 9; line <= 13; ++line) lines.push_back("Length " + std::to_string(line) + " : " + std::to_string(line));
    lines.push_back("Flag 14               : Yes");
    for (int line = 15; line <= 20; ++line) lines.push_back("Length " + std::to_string(line) + " : " + std::to_string(line));
    lines.push_back("Clamp Ranges          : " +
                    (m.clampCount.empty() ? std::to_string(m.clamps.size()) : m.clampCount));
    lines.push_back("Length 22             : 22");
    lines.push_back("Length 23             : 23");
    for (const auto& [low, high] : m.clamps) {
        lines.push_back("Clamp Low             : " + low);
        lines.push_back("Clamp High            : " + high);
    }
    return lines;
}

void InstallationFixture::writeMachineFiles(const MachineSpec& m) {
    const std::string prefix = std::string(Data) + "Data\\" + m.folder + ".";
    writeLines(prefix + "msr", {"Measurement System : " + m.measurement});
    writeLines(prefix + "mch", DescriptionLines(m));
    writeLines(prefix + "stn", {"1,Small Round,1,12.7,0,1", "2,Large Round,2,50,0,1", "******"});
}

void InstallationFixture::writeReverseList(const std::vector<ProcessorSpec>& processors) {
    std::vector<std::string> lines;
    for (const auto& p : processors) lines.push_back(p.number + "," + p.name + ",Control," + p.executable);
    lines.push_back("******");
    writeLines(std::string(System) + "Reverse.lst", lines);
}

void InstallationFixture::install(const InstallationSpec& spec) {
    const std::string system = System;
    writeConfiguration(spec.machineNumber, spec.currentDirectory);
    if (spec.fullSuite) {
        write(system + "Quordrw.exe", "");
        write(system + "Quorprg.exe", "");
    }
    if (spec.reverseProduct) write(system + "Quorrvs.exe", "");
    writeMachineList(spec.machines);
    writeReverseList(spec.processors);
    writeLines(system + "Reverse.cfg", {spec.reverseChoice});
    makeFolder(std::string(Data) + "Data");
    for (const auto& m : spec.machines) {
        if (m.descriptionFiles) writeMachineFiles(m);
        for (const auto& directory : m.directories)
            makeFolder(std::string(Root) + m.folder + "\\" + directory);
    }
}

}  // namespace qv::test
