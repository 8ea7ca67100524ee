// Opens its windows from the main window's menus.
#include "ui/workstation/MenuWiring.h"

#include "ui/workstation/ReverseForm.h"

namespace qv::ui {

void ConnectImportMenus(ReverseForm& /*form*/) {}

}  // namespace qv::ui
