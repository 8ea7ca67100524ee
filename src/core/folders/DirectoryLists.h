// The shared folder toolkit: directory and file lists, the current program
// directory, and the path helpers every file window uses.
//
// Program directories are the sub-folders of MachineRoot & machine; "EXSUBS"
// in any case is never one. A list entry holding ":" is a drive entry
// ("A: [Floppy Disk]", "E: [Removable Drive]") standing for the drive's root.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/ListRows.h"

namespace qv {

/// How a filled list selects: nothing, its first row, or the current entry.
enum SelectionMode : int { SelectNone = 0, SelectFirst = 1, SelectCurrent = 2 };

/// Which files a file list shows.
enum FileKind : int { DrawingFiles = 1, ProgramFiles = 2, DrawingAndProgramFiles = 3 };

/// The program directories of a machine in name order, then (with
/// includeDrives) the floppy and removable drives other than the system
/// folder's drive. The current entry is listed only with includeCurrent.
/// A machine folder without any sub-folder gives an empty list; one that
/// cannot be listed gives an empty list with the error.
ListRows FillDirectoryList(const std::string& machine, const std::string& current,
                           bool includeDrives, bool includeCurrent, int mode);

/// The base names of a directory's files in name order: drawings (kind 1),
/// programs (2), both (3, one row per name) or those matching pattern (any
/// other kind; several patterns separated by ";"). An empty pattern gives an
/// empty list; a folder that cannot be listed, an empty list with the error.
ListRows FillFileList(const std::string& machine, const std::string& directory,
                      const std::string& currentName, int mode, int kind,
                      const std::string& pattern);

/// Makes a program directory or ready drive current, falling back to the
/// machine folder's first program directory (or none), and rewrites
/// "Quorvane.cfg". The only writer of CurrentDirectory and CurrentDirectoryPath.
void SelectCurrentDirectory(const std::string& name);

/// The same for a caller that has just listed the machine folder (files and
/// folders in name order, as listEntries gives them): the choice is made
/// from that listing rather than by reading the folder again.
void SelectCurrentDirectory(const std::string& name, const std::vector<std::string>& machineFolderEntries);

/// The folder of a directory entry, ending in "\": the drive's root for a
/// drive entry, else MachineRoot & machine & "\" & name & "\".
std::string DirectoryPath(const std::string& machine, const std::string& name);

/// True when the directory's folder (or a file of that name) exists; for a
/// drive entry, when the drive is ready.
bool DirectoryExists(const std::string& machine, const std::string& name);

/// True when the drive named by the entry's first letter can be read.
bool DriveReady(const std::string& name);

/// The trimmed name without the text from its last "." on.
std::string StripExtension(const std::string& name);

/// The trimmed path's text after its last "\", "/" or ":".
std::string LastPathComponent(const std::string& path);

/// The trimmed Name (field 1), folder name (2) or Field4 (3) of the last
/// machine with that number; "" when none.
std::string MachineFieldLookup(std::int16_t number, int field);

}  // namespace qv
