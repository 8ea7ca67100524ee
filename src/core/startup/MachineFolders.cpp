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

ProgramFolders PrepareProgramFolders(const std::string& folderName, const std::string& directoryName) {
    auto& host = platform::Current();
    const std::string machineFolder = State().Config.MachineRoot + folderName;
    // The machine folder is listed once; what is made in it here is added
    // to the listing instead of listing it again.
    ProgramFolders result;
    std::vector<std::string>& entries = result.entries;
    if (host.entryExists(machineFolder)) {
        entries = host.listEntries(machineFolder, "*.*").value_or({});
    } else {
        // A fresh installation may lack the program root itself.
        const std::string& root = State().Config.MachineRoot;
        MakeFolderIfMissing(root.substr(0, root.size() - 1));
        (void)host.makeFolder(machineFolder);
    }
    if (entries.empty() && host.makeFolder(machineFolder + "\\Quorvane")) entries = {"Quorvane"};

    const std::string name = Trim(directoryName);
    if (name.empty()) return result;
    // A drive entry names nothing in the machine folder.
    const std::string wanted[] = {HasColon(name) ? std::string() : name, "Quorvane", "Quorvane Directory"};
    for (const std::string& candidate : wanted) {
        if (const std::string* listed = FindNoCase(entries, candidate)) {
            result.directory = *listed;
            return result;
        }
    }
    if (!entries.empty()) result.directory = entries.front();
    return result;
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
