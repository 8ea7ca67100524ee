// Builds small suite installations for tests and benchmarks.
#include "support/InstallationFixture.h"

namespace qv::test {

std::vector<std::string> DescriptionLines(const MachineLayout& m) {
    std::vector<std::string> lines = {"Machine Description",     "Machine Type          : " + m.type,
                                      "Tool Library Value    : 3", "Drawing Value         : 4",
                                      "Length 5              : 5", "Length 6              : 6",
                                      "Default Sheet X       : " + m.sheetX, "Default Sheet Y       : " + m.sheetY};
    for (int line = 9; line <= 20; ++line)
        lines.push_back(line == 14 ? "Flag 14 : Yes" : "Length " + std::to_string(line) + " : " + std::to_string(line));
    const std::string clampCount = m.clampCount.empty() ? std::to_string(m.clamps.size()) : m.clampCount;
    lines.insert(lines.end(), {"Clamp Ranges          : " + clampCount, "Length 22             : 22",
                               "Length 23             : 23"});
    for (const auto& [low, high] : m.clamps)
        lines.insert(lines.end(), {"Clamp Low             : " + low, "Clamp High            : " + high});
    return lines;
}

MachineLayout OtherMachine(const std::string& number, const std::string& name, const std::string& folder) {
    return MachineLayout{number, name, folder};
}

void InstallationFixture::writeConfiguration(const std::string& machine, const std::string& directory) const {
    writeLines(std::string(System) + "Quorvane.cfg", {"C:\\QUORVANE", Data, Root, machine, directory, "******"});
}

void InstallationFixture::writeMachineFiles(const MachineLayout& m) const {
    const std::string prefix = std::string(Data) + "Data\\" + m.folder + ".";
    writeLines(prefix + "msr", {"Measurement System : " + m.measurement});
    writeLines(prefix + "mch", m.description.empty() ? DescriptionLines(m) : m.description);
    writeLines(prefix + "stn", {"1,Small Round,1,12.7,0,1", "2,Large Round,2,50,0,1", "******"});
}

void InstallationFixture::install(const InstallationLayout& layout) {
    const std::string system = System;
    writeConfiguration(layout.machineNumber, layout.currentDirectory);
    for (const char* marker : {"Quordrw.exe", "Quorprg.exe"})
        if (layout.fullSuite) write(system + marker, "");
    if (layout.reverseProduct) write(system + "Quorrvs.exe", "");
    std::vector<std::string> machines, processors;
    for (const auto& m : layout.machines)
        machines.push_back(m.number + "," + m.name + "," + m.folder + ",Field 3,Field 4");
    for (const auto& p : layout.processors) processors.push_back(p.number + "," + p.name + ",Control," + p.executable);
    machines.push_back("******");
    processors.push_back("******");
    writeLines(system + "Machine.lst", machines);
    writeLines(system + "Reverse.lst", processors);
    writeLines(system + "Reverse.cfg", {layout.reverseChoice});
    makeFolder(std::string(Data) + "Data");
    for (const auto& m : layout.machines) {
        if (m.descriptionFiles) writeMachineFiles(m);
        for (const auto& directory : m.directories) makeFolder(std::string(Root) + m.folder + "\\" + directory);
    }
}

}  // namespace qv::test
