// Opens the import window from the main window's menus.
#include "core/common/State.h"
#include "core/exchange/ImportSource.h"
#include "ui/exchange/ExternalForm.h"
#include "ui/workstation/MenuWiring.h"
#include "ui/workstation/ReverseForm.h"

#include <QAction>

namespace qv::ui {

void ConnectImportMenus(ReverseForm& form) {
    const std::int16_t modes[] = {0, ImportFilesMode, ImportSubRoutinesMode};
    for (int i = 1; i <= 2; ++i) {
        const std::int16_t mode = modes[i];
        QObject::connect(form.ImportItem[i], &QAction::triggered, &form, [&form, mode] {
            form.runModal([&form, mode] {
                State().Modes.ExchangeMode = mode;
                ExternalForm(&form).exec();
            });
        });
        form.ImportItem[i]->setEnabled(true);
    }
}

}  // namespace qv::ui
