// A small suite installation in a real temporary folder, seen through the
// POSIX platform with drive C: mapped onto it and the system folder as the
// working folder, for start-up and set-up tests and benchmarks.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "support/TempDir.h"

namespace qv::platform {
class PosixPlatform;
}

namespace qv::test {

/// One machine of "Machine.lst" and its description files. Values are texts
/// so that tests can write what a user's files hold ("1.25", "").
struct MachineSpec {
    std::string number = "1";
    std::string name = "Press One";
    std::string folder = "PRESS1";
    std::string measurement = "METRIC";
    std::string type = "20";
    std::string sheetX = "2500";
    std::string sheetY = "1250";
    std::string clampCount;  // "" writes the number of clamps below
    std::vector<std::pair<std::string, std::string>> clamps = {{"100", "900"}, {"1200", "2400"}};
    std::vector<std::string> directories = {"JOBS"};  // program directories made
    bool descriptionFiles = true;  // "msr", "mch" and "stn"
};

struct ProcessorSpec {
    std::string number;
    std::string name;
    std::string executable;
};

struct InstallationSpec {
    bool fullSuite = true;       // "Quordrw.exe" and "Quorprg.exe"
    bool reverseProduct = true;  // "Quorrvs.exe"
    std::string machineNumber = "1";
    std::string currentDirectory = "JOBS";
    std::vector<MachineSpec> machines = {MachineSpec{}};
    std::vector<ProcessorSpec> processors = {{"1", "Fanuc", "fanucrvs"}, {"2", "Amada", "amadarvs"}};
    std::string reverseChoice = " 1";
};

class InstallationFixture {
public:
    static constexpr const char* System = "C:\\QUORVANE\\";
    static constexpr const char* Data = "C:\\QUORVANE\\DATA\\";
    static constexpr const char* Root = "C:\\QUORVANE\\PROGRAMS\\";

    /// An empty drive C: with the folder C:\QUORVANE as the working folder,
    /// the platform installed and the module state cleared.
    InstallationFixture();
    ~InstallationFixture();
    InstallationFixture(const InstallationFixture&) = delete;
    InstallationFixture& operator=(const InstallationFixture&) = delete;

    /// Writes the whole installation the spec describes.
    void install(const InstallationSpec& spec = InstallationSpec());

    void writeConfiguration(const std::string& machine, const std::string& directory);
    void writeMachineList(const std::vector<MachineSpec>& machines);
    void writeMachineFiles(const MachineSpec& machine);
    void writeReverseList(const std::vector<ProcessorSpec>& processors);

    /// The description file lines for a machine.
    static std::vector<std::string> DescriptionLines(const MachineSpec& machine);

    // Direct host access by Windows path, around the platform under test.
    std::string host(const std::string& windowsPath) const;
    void write(const std::string& windowsPath, const std::string& bytes) const;
    /// Lines each ended by CR LF.
    void writeLines(const std::string& windowsPath, const std::vector<std::string>& lines) const;
    std::string read(const std::string& windowsPath) const;
    bool exists(const std::string& windowsPath) const;
    bool isFolder(const std::string& windowsPath) const;
    void makeFolder(const std::string& windowsPath) const;
    void remove(const std::string& windowsPath) const;

    /// The installation's platform; installed for the fixture's life.
    platform::Platform& platform();
    const TempDir& folder() const { return temp_; }

private:
    TempDir temp_;
    std::string previousWorkingFolder_;
    std::unique_ptr<platform::PosixPlatform> platform_;
    std::unique_ptr<platform::ScopedPlatform> scope_;
};

/// Lines joined with CR LF after each.
std::string CrLf(const std::vector<std::string>& lines);

}  // namespace qv::test
