// The current machine's tool library: which one is in use, the list and
// layout files the suite expects beside it, and reading its shape files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tooling/ShapeFile.h"

namespace qv {

/// The library every machine falls back to.
extern const char* const FullLibraryName;  // "Full Library"
constexpr std::size_t LibraryDefaultsRecordSize = 47;

/// DataFolder & "Tools\" & MachineFolder & "\".
std::string ToolFolder();
/// DataFolder & "Turrets\" & MachineFolder & "\".
std::string TurretFolder();

/// Content of a new library list file (".lkp").
std::string LibraryListText();
/// Content of a new turret layout file (".0") for a turret of stations stations.
std::string TurretLayoutText(std::int16_t stations);

/// Settles ToolLibraryName and ToolLibraryPrefix for the current machine
/// and, on a punch machine, creates the missing list, layout and defaults
/// files. A step that fails is skipped and the next one runs.
void PrepareToolLibrary();

/// The live entries of the library's shape file for a punch shape letter,
/// in record order. A missing file gives no entries and is created empty,
/// as the suite's other programs expect every shape file to exist.
std::vector<LibraryEntry> ReadShapeFile(char letter);

/// Record n of the library's shape file for the letter, live or not; none
/// when the file or the record does not exist or cannot be read.
std::optional<LibraryEntry> ReadLibraryRecord(char letter, std::int32_t n);

}  // namespace qv
