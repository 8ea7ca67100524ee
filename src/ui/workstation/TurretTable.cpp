// Keeps the four tooling columns on the same row and scroll position.
#include "ui/workstation/TurretTable.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "core/common/State.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

// Column widths in characters of the fixed font.
constexpr int kColumnChars[5] = {0, 9, 14, 22, 12};

}  // namespace

TurretTable::TurretTable(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("TrtFrame"));
    setFrameShape(QFrame::StyledPanel);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(0);
    grid->setContentsMargins(4, 4, 4, 4);
    // The heading's words sit over their own columns.
    const char* headings[5] = {"", "STAT&ION", "TYPE", "SIZE", "ANGLE"};
    QLabel* stationHeading = nullptr;
    for (int i = 1; i <= 4; ++i) {
        auto* heading = new QLabel(QString::fromLatin1(headings[i]), this);
        if (i == 1) stationHeading = heading;
        heading->setFont(fixed);
        heading->setIndent(3);
        grid->addWidget(heading, 0, i - 1);
    }
    // As wide as its columns; as tall as the window lets it be.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    for (int i = 1; i <= 4; ++i) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("TrtList%1").arg(i));
        list->setFont(fixed);
        const QFontMetrics metrics = list->fontMetrics();
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        list->setFixedWidth(metrics.horizontalAdvance(QString(kColumnChars[i], QLatin1Char(' '))) +
                            2 * list->frameWidth() + 6);
        list->setMinimumHeight(metrics.height() * VisibleRows + 2 * list->frameWidth() + 4);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        list->viewport()->installEventFilter(this);
        list->viewport()->setProperty("column", i);
        // One Tab stop for the table: the first column holds the focus for all four.
        if (i > 1) list->setFocusPolicy(Qt::NoFocus);
        connect(list, &QListWidget::currentRowChanged, this, [this, i](int) {
            if (!State().SuppressEvents) keepInStep(i);
        });
        // A click below the last row, or with Ctrl on the selected one, would
        // leave this column without the row the others keep.
        connect(list, &QListWidget::itemSelectionChanged, this, [list] {
            if (State().SuppressEvents || !list->selectedItems().isEmpty() || list->currentRow() < 0) return;
            const QSignalBlocker block(list);
            list->currentItem()->setSelected(true);
        });
        // A wheel turned over one column scrolls them all.
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
            if (TrtBar->value() != top) TrtBar->setValue(top);
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, i](QListWidgetItem*) {
            keepInStep(i);
            emit rowActivated(selectedRow());
        });
        TrtList[i] = list;
        grid->addWidget(list, 1, i - 1);
    }
    TrtBar = new QScrollBar(Qt::Vertical, this);
    TrtBar->setObjectName(QStringLiteral("TrtBar"));
    TrtBar->setRange(0, 0);
    TrtBar->setFocusPolicy(Qt::NoFocus);
    stationHeading->setBuddy(TrtList[1]);
    connect(TrtBar, &QScrollBar::valueChanged, this, &TurretTable::scrollTo);
    grid->addWidget(TrtBar, 1, 4);
}

int TurretTable::visibleRows() const {
    const QListWidget* list = TrtList[1];
    const int rowHeight = list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    // Never fewer than the least height holds, also before the first layout.
    return std::max(VisibleRows, list->viewport()->height() / std::max(1, rowHeight));
}

void TurretTable::updateScrollRange() {
    TrtBar->setRange(0, std::max(0, rowCount() - visibleRows()));
    TrtBar->setPageStep(visibleRows());
}

void TurretTable::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    updateScrollRange();
}

void TurretTable::fill(const std::vector<TurretRow>& rows, int selectedRow) {
    SuppressEventsScope quiet;
    for (int i = 1; i <= 4; ++i) TrtList[i]->clear();
    for (const TurretRow& row : rows) {
        TrtList[1]->addItem(FromCore(row.station));
        TrtList[2]->addItem(FromCore(row.type));
        TrtList[3]->addItem(FromCore(row.size));
        TrtList[4]->addItem(FromCore(row.angle));
    }
    confirmed_.assign(rows.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r) markRow(static_cast<int>(r), rows[r].confirmed);
    updateScrollRange();
    TrtBar->setValue(0);
    for (int i = 1; i <= 4; ++i) TrtList[i]->setCurrentRow(selectedRow);
    emit confirmationsChanged();
}

void TurretTable::setRow(int row, const TurretRow& texts) {
    if (row < 0 || row >= rowCount()) return;
    TrtList[2]->item(row)->setText(FromCore(texts.type));
    TrtList[3]->item(row)->setText(FromCore(texts.size));
    TrtList[4]->item(row)->setText(FromCore(texts.angle));
    markRow(row, texts.confirmed);
    emit confirmationsChanged();
}

void TurretTable::markRow(int row, bool confirmed) {
    confirmed_[static_cast<std::size_t>(row)] = confirmed;
    for (int i = 1; i <= 4; ++i) {
        QFont font = TrtList[i]->font();
        font.setBold(confirmed);
        TrtList[i]->item(row)->setFont(font);
    }
}

int TurretTable::confirmedCount() const {
    return static_cast<int>(std::count(confirmed_.begin(), confirmed_.end(), true));
}

bool TurretTable::isConfirmed(int row) const {
    return row >= 0 && row < static_cast<int>(confirmed_.size()) && confirmed_[static_cast<std::size_t>(row)];
}

int TurretTable::selectedRow() const { return TrtList[1]->currentRow(); }

int TurretTable::rowCount() const { return TrtList[1]->count(); }

void TurretTable::selectRow(int row, bool focus) {
    const QSignalBlocker block(TrtList[1]);
    TrtList[1]->setCurrentRow(row);
    keepInStep(1, focus);
}

void TurretTable::keepInStep(int column, bool focus) {
    const int row = TrtList[column]->currentRow();
    for (int i = 1; i <= 4; ++i) {
        const QSignalBlocker block(TrtList[i]);
        TrtList[i]->setCurrentRow(row);
    }
    // The first visible row of column 1 drives the shared bar.
    const QModelIndex top = TrtList[column]->indexAt(QPoint(1, 1));
    {
        const QSignalBlocker block(TrtBar);
        TrtBar->setValue(top.isValid() ? top.row() : 0);
    }
    // A row picked elsewhere (a hit in the drawing) is brought into view.
    if (!focus && row >= 0) {
        const int top = TrtBar->value();
        if (row < top || row >= top + visibleRows()) TrtBar->setValue(std::min(row, TrtBar->maximum()));
    }
    scrollTo(TrtBar->value());
    if (focus) TrtList[1]->setFocus();
    emit rowSelected(row);
}

void TurretTable::scrollTo(int top) {
    for (int i = 1; i <= 4; ++i) {
        if (top < TrtList[i]->count())
            TrtList[i]->scrollToItem(TrtList[i]->item(top), QAbstractItemView::PositionAtTop);
    }
}

bool TurretTable::eventFilter(QObject* watched, QEvent* event) {
    // Dragging with a button held keeps every column on the row under the pointer.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int column = watched->property("column").toInt();
        if (column >= 1 && column <= 4 && mouse->buttons() != Qt::NoButton) {
            const QModelIndex index = TrtList[column]->indexAt(mouse->position().toPoint());
            if (index.isValid()) {
                TrtList[column]->setCurrentRow(index.row());
                keepInStep(column);
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qv::ui
