// Folders and default files of the current machine.
#include "core/startup/MachineFolders.h"

#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/startup/InstallationFiles.h"
#include "platform/Platform.h"

namespace qv {
namespace {

const char* const ShapeFolders[] = {
    "Circle",   "Circle\\Inside",   "Circle\\Outside",   "Single-D",  "Single-D\\Inside",
    "Single-D\\Outside", "Double-D", "Double-D\\Inside", "Double-D\\Outside", "Obround",
    "Obround\\Inside",   "Obround\\Outside", "Rad-Rect", "Rad-Rect\\Inside", "Rad-Rect\\Outside",
    "Rectangle", "Rectangle\\Inside", "Rectangle\\Outside", "Custom", "Undefined"};

bool HasEntry(const std::string& folder, const std::string& name) {
    return !name.empty() && !HasColon(name) && platform::Current().entryExists(folder + "\\" + name);
}

}  // namespace

void SetMachinePaths(Machine& machine) {
    const auto& config = State().Config;
    const std::string& folder = machine.MachineFolder;
    machine.MachinePrefix = config.DataFolder + "Data\\" + folder + ".";
    machine.MachineMaterialFolder = config.DataFolder + "Material\\" + folder + "\\";
    machine.StockListFile = config.DataFolder + "Material\\" + folder + "\\Stock.lst";
    machine.MachineProfilesFolder =
        machine.PunchMachine ? config.DataFolder + "Profiles\\" + folder + "\\" : std::string();
    machine.MachineShapesFolder = config.DataFolder + "Shapes\\" + folder + "\\";
    machine.CustomShapesFolder = machine.MachineShapesFolder + "Custom\\";
    machine.UndefinedShapesFolder = machine.MachineShapesFolder + "Undefined\\";
}

std::string PrepareProgramFolders(const std::string& folderName, const std::string& directoryName) {
    auto& host = platform::Current();
    const std::string machineFolder = State().Config.MachineRoot + folderName;
    if (!host.entryExists(machineFolder)) {
        // A fresh installation may lack the program root itself.
        const std::string& root = State().Config.MachineRoot;
        MakeFolderIfMissing(root.substr(0, root.size() - 1));
        (void)host.makeFolder(machineFolder);
        (void)host.makeFolder(machineFolder + "\\Quorvane");
    }
    auto entries = host.listEntries(machineFolder, "*.*");
    if (entries.empty()) {
        (void)host.makeFolder(machineFolder + "\\Quorvane");
        entries = host.listEntries(machineFolder, "*.*");
    }

    const std::string name = Trim(directoryName);
    if (HasEntry(machineFolder, name)) return name;
    if (HasEntry(machineFolder, "Quorvane")) return "Quorvane";
    if (HasEntry(machineFolder, "Quorvane Directory")) return "Quorvane Directory";
    return entries.empty() ? std::string() : entries.front();
}

void PrepareExportSettings(const Machine& machine) {
    auto& host = platform::Current();
    const std::string target = machine.MachinePrefix + "xpt";
    if (host.fileExists(target)) return;
    const std::string& system = State().Config.SystemFolder;
    if (host.fileExists(system + "Export.cfg")) {
        // Copied through a whole-file write so a failed copy leaves no part file.
        if (auto content = host.readFile(system + "Export.cfg"))
            (void)host.writeFile(target, *content);
        return;
    }
    (void)WriteLines(target, {"0", "prg", "3", "2", system.substr(0, 3), "******"});
}

void PrepareSuiteFolders(const Machine& machine) {
    auto& host = platform::Current();
    const std::string& data = State().Config.DataFolder;
    const std::string& folder = machine.MachineFolder;

    MakeFolderIfMissing(data + "Material\\" + folder);
    if (!host.fileExists(machine.StockListFile)) (void)WriteLines(machine.StockListFile, {"******"});

    if (machine.PunchMachine) {
        MakeFolderIfMissing(data + "Tools");
        MakeFolderIfMissing(data + "Tools\\" + folder);
        MakeFolderIfMissing(data + "Turrets");
        MakeFolderIfMissing(data + "Turrets\\" + folder);
        MakeFolderIfMissing(data + "Profiles");
        MakeFolderIfMissing(data + "Profiles\\" + folder);
    }

    MakeFolderIfMissing(data + "Shapes");
    MakeFolderIfMissing(data + "Shapes\\" + folder);
    for (const char* shape : ShapeFolders) MakeFolderIfMissing(machine.MachineShapesFolder + shape);
}

}  // namespace qv
