// The review window: the program's blocks, 21 at a time, for reading only.
// Shown without blocking the main window.
#pragma once

#include <QDialog>

#include "core/workstation/ReviewPager.h"

class QFrame;
class QKeyEvent;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace qv::ui {

class Review : public QDialog {
    Q_OBJECT
public:
    explicit Review(QWidget* parent = nullptr);

    QFrame* BlkBck = nullptr;
    QListWidget* BlockList = nullptr;
    QScrollBar* ListBar = nullptr;
    QPushButton* RvwOk = nullptr;

    const ReviewPager& pager() const { return pager_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showBlocks();
    bool handleKey(QKeyEvent* event);
    ReviewPager pager_;
    bool busy_ = false;
};

}  // namespace qv::ui
