// Module-wide state that the windows and subsystems share: the installation's
// configuration, the current machine and reverse processor, the window modes,
// the last answer and the event-suppression flag. Plain data; the operations
// that fill it live in their subsystems.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

/// One entry of "Machine.lst".
struct MachineEntry {
    std::int16_t Number = 0;
    std::string Name;
    std::string Field2;  // the machine's folder name
    std::string Field3;
    std::string Field4;
};

/// One entry of "Reverse.lst".
struct ReverseEntry {
    std::int16_t Number = 0;
    std::string Name;
    std::string Field2;
    std::string Executable;  // program name without folder and ".exe"
};

/// Values of "Quorvane.cfg" and what start-up derives from the installation.
/// Folder values always end in "\".
struct Configuration {
    std::string SystemFolder;
    std::string DataFolder;
    std::string MachineRoot;
    std::int16_t SelectedMachine = 1;
    std::string CurrentDirectory;
    std::string CurrentDirectoryPath;
    std::string ReverseSubsFolder;
    std::string ExchangeFolder;
    bool FullSuite = false;
    bool ReverseInstalled = false;
    std::int16_t NestingLevel = 0;
    std::vector<MachineEntry> MachineTable;  // file order; MachineCount = size()
    std::vector<ReverseEntry> ReverseTable;  // file order; ReverseCount = size()
    std::string ReaderPath;
    std::string ManualsFolder;

    std::int16_t MachineCount() const { return static_cast<std::int16_t>(MachineTable.size()); }
    std::int16_t ReverseCount() const { return static_cast<std::int16_t>(ReverseTable.size()); }
};

struct ClampRange {
    float Low = 0;
    float High = 0;
};

/// The current machine, set by the machine set-up. Lengths in millimetres.
struct Machine {
    MachineEntry Entry;  // the current entry's fields, trimmed
    std::string MachineFolder;
    std::string MachinePrefix;
    std::string MachineMaterialFolder;
    std::string StockListFile;
    std::string MachineProfilesFolder;
    std::string MachineShapesFolder;
    std::string CustomShapesFolder;
    std::string UndefinedShapesFolder;
    bool ImperialMachine = false;
    bool InchUnits = false;
    std::int16_t MachineType = 0;
    bool PunchMachine = false;
    bool SecondaryProcess = false;
    std::int16_t MachineValue3 = 0;
    std::int16_t MachineValue4 = 0;
    float DefaultSheetX = 0;
    float DefaultSheetY = 0;
    std::int16_t ClampRangeCount = 0;
    std::array<ClampRange, 4> ClampRanges{};
    /// Lines 5, 6, 9 to 13, 15 to 20, 22 and 23 of the description, held
    /// for the suite in file order; Line14Flag is line 14.
    std::array<float, 15> OtherLengths{};
    bool Line14Flag = false;
};

/// The reverse processor in use.
struct ReverseProcessor {
    std::int16_t ReverseNumber = 0;
    std::string ReverseName;
    std::string ReverseExecutable;  // trimmed, upper case
};

/// The mode each window reads when it loads; 0 when closed.
struct WindowModes {
    std::int16_t DirectoryMode = 0;
    std::int16_t FileMode = 0;
    std::int16_t SubMode = 0;
    std::int16_t SearchMode = 0;
    std::int16_t EditMode = 0;
    std::int16_t ExchangeMode = 0;
};

/// What the search window hands back.
struct SearchResult {
    bool Found = false;
    std::string MachineFolder;
    std::string Directory;
    std::string FileName;
};

constexpr std::int16_t AnswerYes = 6;
constexpr std::int16_t AnswerNo = 7;

/// All module-wide values in one place.
struct ModuleState {
    Configuration Config;
    Machine Mach;
    ReverseProcessor Reverse;
    WindowModes Modes;
    SearchResult Search;
    std::int16_t LastAnswer = 0;
    bool SuppressEvents = false;
};

/// The one instance the program runs with.
ModuleState& State();

/// Sets the event-suppression flag while it lives and restores it after.
class SuppressEventsScope {
public:
    SuppressEventsScope();
    ~SuppressEventsScope();
    SuppressEventsScope(const SuppressEventsScope&) = delete;
    SuppressEventsScope& operator=(const SuppressEventsScope&) = delete;

private:
    bool previous_;
};

}  // namespace qv
