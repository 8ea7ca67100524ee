// Pages through "Reverse.rnd" with the scroll bar and the paging keys.
#include "ui/workstation/Review.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

ReviewKey ToReviewKey(int key) {
    switch (key) {
        case Qt::Key_PageUp: return ReviewKey::PageUp;
        case Qt::Key_PageDown: return ReviewKey::PageDown;
        case Qt::Key_End: return ReviewKey::End;
        case Qt::Key_Home: return ReviewKey::Home;
        case Qt::Key_Up: return ReviewKey::Up;
        case Qt::Key_Down: return ReviewKey::Down;
        default: return ReviewKey::Other;
    }
}

}  // namespace

Review::Review(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Review"));
    setWindowTitle(QStringLiteral("View Program"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    BlkBck = new QFrame(this);
    BlkBck->setObjectName(QStringLiteral("BlkBck"));
    BlkBck->setFrameShape(QFrame::StyledPanel);
    auto* listLayout = new QHBoxLayout(BlkBck);
    BlockList = new QListWidget(BlkBck);
    BlockList->setObjectName(QStringLiteral("BlockList"));
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    BlockList->setFont(fixed);
    BlockList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BlockList->setFocusPolicy(Qt::ClickFocus);
    const QFontMetrics metrics = BlockList->fontMetrics();
    BlockList->setFixedSize(metrics.horizontalAdvance(QString(80, QLatin1Char('W'))) / 2 + 16,
                            metrics.height() * ReviewPager::VisibleLines + 8);
    ListBar = new QScrollBar(Qt::Vertical, BlkBck);
    ListBar->setObjectName(QStringLiteral("ListBar"));
    ListBar->setPageStep(ReviewPager::VisibleLines - 1);
    listLayout->addWidget(BlockList);
    listLayout->addWidget(ListBar);

    RvwOk = new QPushButton(QStringLiteral("&OK"), this);
    RvwOk->setObjectName(QStringLiteral("RvwOk"));
    RvwOk->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BlkBck);
    layout->addWidget(RvwOk, 0, Qt::AlignRight);
    setFixedSize(sizeHint());

    BlockList->installEventFilter(this);
    ListBar->installEventFilter(this);
    connect(RvwOk, &QPushButton::clicked, this, &QDialog::close);
    connect(ListBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (busy_) return;
        pager_.scrollTo(value);
        showBlocks();
    });
}

void Review::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    pager_ = ReviewPager::ForCurrentRun();
    busy_ = true;
    ListBar->setRange(pager_.scrollMinimum(), pager_.scrollMaximum());
    busy_ = false;
    showBlocks();
}

void Review::showBlocks() {
    pager_.keepInRange();
    busy_ = true;
    BlockList->clear();
    const Result<std::vector<std::string>> lines = pager_.lines();
    if (lines) {
        for (const std::string& line : *lines) BlockList->addItem(FromCore(line));
    }
    ListBar->setValue(pager_.TopRecord);
    BlockList->clearSelection();
    busy_ = false;
    ListBar->setFocus();
    if (!lines) Notify(lines.message());
}

bool Review::handleKey(QKeyEvent* event) {
    const ReviewKeyResult result = pager_.onKey(ToReviewKey(event->key()));
    if (result.moved) showBlocks();
    return result.consumed || result.moved;
}

void Review::keyPressEvent(QKeyEvent* event) {
    if (handleKey(event)) return;
    QDialog::keyPressEvent(event);
}

bool Review::eventFilter(QObject* watched, QEvent* event) {
    // The window sees the paging keys before its controls do.
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
    // The list is for reading only: the focus goes to the scroll bar.
    if (watched == BlockList && event->type() == QEvent::FocusIn) {
        ListBar->setValue(pager_.TopRecord);
        BlockList->clearSelection();
        ListBar->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qv::ui
