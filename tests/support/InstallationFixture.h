// A small suite installation in a sandbox: drive C: with C:\QUORVANE as the
// working folder, written as the layout below asks, for start-up and set-up
// tests and benchmarks.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/common/State.h"
#include "support/Sandbox.h"

namespace qv::test {

/// One machine of "Machine.lst" and its description files. Values are texts
/// so that tests can write what a user's files hold ("1.25", "").
struct MachineLayout {
    std::string number = "1";
    std::string name = "Press One";
    std::string folder = "PRESS1";
    std::string measurement = "METRIC";
    std::string type = "20";
    std::string sheetX = "2500";
    std::string sheetY = "1250";
    std::string clampCount{};  // "" writes the number of clamps below
    std::vector<std::pair<std::string, std::string>> clamps = {{"100", "900"}, {"1200", "2400"}};
    std::vector<std::string> directories = {"JOBS"};  // program directories made
    bool descriptionFiles = true;  // "msr", "mch" and "stn"
    std::vector<std::string> description{};  // the "mch" lines; empty: built from the values above
};

/// The "mch" lines built from the layout's values.
std::vector<std::string> DescriptionLines(const MachineLayout& m);

/// A machine like the default one under another number, name and folder.
MachineLayout OtherMachine(const std::string& number, const std::string& name, const std::string& folder);

struct ProcessorLayout { std::string number; std::string name; std::string executable; };

struct InstallationLayout {
    bool fullSuite = true;       // "Quordrw.exe" and "Quorprg.exe"
    bool reverseProduct = true;  // "Quorrvs.exe"
    std::string machineNumber = "1";
    std::string currentDirectory = "JOBS";
    std::vector<MachineLayout> machines = {MachineLayout{}};
    std::vector<ProcessorLayout> processors = {{"1", "Fanuc", "fanucrvs"}, {"2", "Amada", "amadarvs"}};
    std::string reverseChoice = " 1";
};

class InstallationFixture : public Sandbox {
public:
    static constexpr const char* System = "C:\\QUORVANE\\";
    static constexpr const char* Data = "C:\\QUORVANE\\DATA\\";
    static constexpr const char* Root = "C:\\QUORVANE\\PROGRAMS\\";

    /// An empty drive C: with C:\QUORVANE as the working folder and the system folder.
    InstallationFixture() {
        enter(System);
        State().Config.SystemFolder = System;
    }

    /// Writes the whole installation the layout describes.
    void install(const InstallationLayout& layout = InstallationLayout());

private:
    void writeConfiguration(const std::string& machine, const std::string& directory) const;
    void writeMachineFiles(const MachineLayout& machine) const;
};

}  // namespace qv::test
