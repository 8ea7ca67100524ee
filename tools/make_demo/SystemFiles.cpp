// The system folder's configuration and list files and the presence files.
#include "DemoInstall.h"

#include "core/common/Text.h"

namespace qv::demo {
namespace {
std::string Sys(const std::string& name) { return std::string(kSystemFolder) + name; }
}  // namespace

Status WriteSystemFiles(const DemoOptions& options) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> files{
        // Folders, machine 1 (with the reader's leading blank), directory.
        {"Quorvane.cfg", {kSystemFolder, kDataFolder, kProgramRoot, " 1", "JOBS", "******"}},
        {"Reverse.lst",
         {"1, ISO Turret Controls, ISO, REVISO", "2, Fanuc Turret Controls, FANUC, REVFANUC", "******"}},
        {"Reverse.cfg", {" 1"}},
        // A first line naming an existing file turns nesting on where the
        // machine's own nesting file says Yes.
        {"Nesting.cfg", {Sys("Quornst.exe"), "******"}},
        {"Lastfile.lst", {"JOBS", "BRACKET", "******"}},
        {"Editor.cfg", {options.Editor}},
        {"Export.cfg", {"0", "prg", "3", "2", "C:\\", "******"}},
        // No PDF reader on this host: an empty first line, so no search is made.
        {"Acrobat.cfg", {"", "******"}},
        {"Manuals.cfg", {Sys("Manuals\\"), "******"}},
    };
    for (const auto& [name, lines] : files) {
        if (Status s = WriteText(Sys(name), lines); !s) return s;
    }

    std::vector<std::string> machines;
    for (const DemoMachine& m : DemoMachines()) {
        machines.push_back(std::to_string(m.Number) + ", " + QuoteField(m.Name) + ", " + m.Folder + ", " +
                           m.Control + ", " + std::to_string(m.Stations) + " Stations");
    }
    machines.push_back("******");
    if (Status s = WriteText(Sys("Machine.lst"), machines); !s) return s;

    // The sibling programs are only looked for; empty files do.
    for (const char* name : {"Quordrw.exe", "Quorprg.exe", "Quorrvs.exe", "Quornst.exe"}) {
        if (Status s = WriteText(Sys(name), {}); !s) return s;
    }
    return MakeFolders(Sys("Manuals\\"));
}

}  // namespace qv::demo
