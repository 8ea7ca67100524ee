// The folders and small files a machine needs, made when missing during the
// machine set-up.
#pragma once

#include <string>
#include <vector>

#include "core/common/State.h"

namespace qv {

/// Sets the machine's path values from its folder name: MachinePrefix,
/// MachineMaterialFolder, StockListFile and the shape folders (the profiles
/// folder only for a punch machine).
void SetMachinePaths(Machine& machine);

/// The program directory a set-up makes current, with the machine folder's
/// entries (files and folders, name order) as they were listed to choose it.
struct ProgramFolders {
    std::string directory;
    std::vector<std::string> entries;
};

/// Makes sure the machine folder MachineRoot & folderName exists and holds
/// something (a "Quorvane" directory is made otherwise) and chooses the
/// program directory: directoryName when the machine folder has it, else
/// "Quorvane", else "Quorvane Directory", else the first entry of the
/// machine folder. An empty directoryName is kept: no directory was
/// remembered, so the current-directory choice takes the first one.
ProgramFolders PrepareProgramFolders(const std::string& folderName, const std::string& directoryName);

/// Creates prefix & "xpt" when missing: a copy of the system folder's
/// "Export.cfg" when there is one, else the default export settings.
void PrepareExportSettings(const Machine& machine);

/// With the full suite: the machine's material folder and stock list, its
/// tool, turret and profile folders (punch machines) and its shape folders.
void PrepareSuiteFolders(const Machine& machine);

}  // namespace qv
