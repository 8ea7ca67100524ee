// Default and cancel keys for panels.
#include "ui/common/ButtonKeys.h"

#include <QPushButton>
#include <QShortcut>

namespace qv::ui {

void AddButtonKeys(QWidget* panel, QPushButton* ok, QPushButton* cancel) {
    auto bind = [panel](const QKeySequence& key, QPushButton* button) {
        auto* shortcut = new QShortcut(key, panel);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled()) button->click();
        });
    };
    bind(QKeySequence(Qt::Key_Return), ok);
    bind(QKeySequence(Qt::Key_Enter), ok);
    bind(QKeySequence(Qt::Key_Escape), cancel);
}

}  // namespace qv::ui
