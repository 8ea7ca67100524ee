// Enter and Escape for a panel of the main window, as a dialog has them: a
// main window has no default or cancel button of its own.
#pragma once

class QPushButton;
class QWidget;

namespace qv::ui {

/// Enter (either key) anywhere in panel presses ok, Escape presses cancel,
/// while the panel is shown and enabled.
void AddButtonKeys(QWidget* panel, QPushButton* ok, QPushButton* cancel);

}  // namespace qv::ui
