// The menu items of the folder, file, search, edit, sub-routine and import
// windows: each group connects its items to its windows and enables them.
#pragma once

namespace qv::ui {

class ReverseForm;

/// "Change/Create/Rename/Delete Directory" and the file operations.
void ConnectDirectoryAndFileMenus(ReverseForm& form);
/// "File &Search", the program frame's Search, the Edit menu and the sub-routine items.
void ConnectSearchEditSubMenus(ReverseForm& form);
/// "Import Program(s)" and "Import Sub-Routine(s)".
void ConnectImportMenus(ReverseForm& form);

}  // namespace qv::ui
