// The demo installation: its machines, and one writer per file family. The
// writers take Windows paths and go through the platform, so the files land
// where the program will look for them through "Drives.cfg".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "platform/Result.h"

namespace qv::demo {

constexpr const char* kSystemFolder = "C:\\QUORVANE\\";
constexpr const char* kDataFolder = "C:\\QUORVANE\\DATA\\";
constexpr const char* kProgramRoot = "C:\\QUORVANE\\PROGRAMS\\";
constexpr const char* kLibrary = "Full Library";

struct DemoMachine {
    std::int16_t Number;
    std::string Name;
    std::string Folder;
    std::string Control;
    bool Inch;                  // description lengths written in inches
    std::int16_t Type;          // 10 punch, 11 punch with a secondary process
    std::int16_t Stations;      // line 3: stations of the turret layout
    std::int16_t Setting;       // line 4: the drawing's machine setting
    float SheetX, SheetY;       // in the machine's units
    std::vector<ClampRange> Clamps;  // in the machine's units
};

/// Three machines: metric, metric with a secondary process and machine
/// setting 1, and one in inches.
const std::vector<DemoMachine>& DemoMachines();

struct DemoOptions {
    std::string Editor;  // first line of "Editor.cfg"
};

/// Every folder of the path that is missing, from the drive root down.
Status MakeFolders(const std::string& folder);
/// The lines with CR LF, the folder made first.
Status WriteText(const std::string& path, const std::vector<std::string>& lines);
/// A file of fixed records, the folder made first.
Status WriteRecords(const std::string& path, std::size_t length, const std::vector<std::string>& records);

// One writer per file family.
Status WriteSystemFiles(const DemoOptions& options);
Status WriteMachineFiles(const DemoMachine& machine);
Status WriteToolLibrary(const DemoMachine& machine);
Status WriteMaterials(const DemoMachine& machine);
Status WritePrograms();
Status WriteSubRoutines();
Status WriteRemovableDrive();

/// All of the above, in order.
Status WriteInstallation(const DemoOptions& options);

/// Programs of the demo, by name: the text of a ".prg" file (CR LF lines).
std::string DemoProgram(const std::string& name);

}  // namespace qv::demo
