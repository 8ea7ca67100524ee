// The tooling table: four list columns (station, type, size, angle) that
// select and scroll together under one scroll bar; at least 21 rows visible,
// more when the window is taller.
#pragma once

#include <QFrame>
#include <array>
#include <string>
#include <vector>

#include "core/workstation/TurretTable.h"

class QListWidget;
class QScrollBar;

namespace qv::ui {

class TurretTable : public QFrame {
    Q_OBJECT
public:
    static constexpr int VisibleRows = TurretVisibleRows;

    explicit TurretTable(QWidget* parent = nullptr);

    /// Replaces every row; selects selectedRow (-1 none) in every column.
    void fill(const std::vector<TurretRow>& rows, int selectedRow);
    /// Whole rows the columns show at their present height.
    int visibleRows() const;
    /// Rewrites the type, size and angle of one row; the station stays.
    void setRow(int row, const TurretRow& texts);
    int selectedRow() const;
    /// Selects a row in every column; without focus the table does not take
    /// the keyboard (a hit clicked in the drawing selects its row).
    void selectRow(int row, bool focus = true);
    int rowCount() const;
    /// Rows whose tool the user confirmed; they show in bold.
    int confirmedCount() const;
    bool isConfirmed(int row) const;

    std::array<QListWidget*, 5> TrtList{};  // 1 station, 2 type, 3 size, 4 angle
    QScrollBar* TrtBar = nullptr;

signals:
    /// A double-click on any column: edit that row's tool.
    void rowActivated(int row);
    /// The rows were filled or a row's tool was confirmed.
    void confirmationsChanged();
    /// The user moved the selection to another row.
    void rowSelected(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void keepInStep(int column, bool focus = true);
    void scrollTo(int top);
    void markRow(int row, bool confirmed);
    void updateScrollRange();

    std::vector<bool> confirmed_;
};

}  // namespace qv::ui
