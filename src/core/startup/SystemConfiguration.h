// Reading the installation at start-up: its configuration, which programs of
// the suite are there, its lists, and the data folders it needs.
#pragma once

#include "platform/Result.h"

namespace qv {

/// Fills State().Config: reads "Quorvane.cfg" from the working folder,
/// derives the reverse sub-routine and exchange folders, finds out which
/// sibling programs are installed, loads "Machine.lst" (and "Reverse.lst"
/// when the reverse product is installed), copies the default data, creates
/// the missing data folders and locates the manuals. A missing or unreadable
/// configuration or list file ends it with a message naming the file.
Status ReadSystemConfiguration();

/// When DataFolder & "Data\Default" does not exist: creates it and copies
/// into it every file (not folder) of DataFolder & "Data\". An existing
/// "Default" is left alone. Reports nothing.
void CopyDefaultData();

/// With the full suite: creates the missing "Blocks", "Material" and (with
/// the reverse product) "RevSubs" folders of the data folder and "Undo" in
/// the system folder, in that order.
void CreateSuiteFolders();

}  // namespace qv
