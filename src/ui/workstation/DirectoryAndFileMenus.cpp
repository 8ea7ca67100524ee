// Opens the directory and file windows from the main window's File menu.
#include <QAction>

#include "core/common/State.h"
#include "ui/folders/DirectoryForm.h"
#include "ui/folders/FileForm.h"
#include "ui/workstation/MenuWiring.h"
#include "ui/workstation/ReverseForm.h"

namespace qv::ui {

void ConnectDirectoryAndFileMenus(ReverseForm& form) {
    for (int i = 1; i <= 4; ++i) {
        form.DirectoryItem[i]->setEnabled(true);
        QObject::connect(form.DirectoryItem[i], &QAction::triggered, &form, [&form, i] {
            form.runModal(
                [&form, i] {
                    State().Modes.DirectoryMode = static_cast<std::int16_t>(i);
                    DirectoryForm(&form).exec();
                },
                [&form] { form.PaintStatusBar(); });
        });
    }
    for (int i = 1; i <= 5; ++i) {
        form.FileItem[i]->setEnabled(true);
        QObject::connect(form.FileItem[i], &QAction::triggered, &form, [&form, i] {
            form.runModal([&form, i] {
                State().Modes.FileMode = static_cast<std::int16_t>(i);
                FileForm(&form).exec();
            });
        });
    }
}

}  // namespace qv::ui
