// The hourglass for as long as a folder scan or a wait lasts; the previous
// pointer comes back however the scope is left.
#pragma once

#include <QApplication>

namespace qv::ui {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    /// Gives the pointer back early (before a message box, say).
    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

}  // namespace qv::ui
