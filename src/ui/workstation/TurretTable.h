// The tooling table: four list columns (station, type, size, angle) that
// select and scroll together under one scroll bar, 21 rows visible.
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
    void fill(const std::vector<TurretRow>& rows, int scrollMaximum, int selectedRow);
    /// Rewrites the type, size and angle of one row; the station stays.
    void setRow(int row, const TurretRow& texts);
    int selectedRow() const;
    void selectRow(int row);
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepInStep(int column);
    void scrollTo(int top);
    void markRow(int row, bool confirmed);

    std::vector<bool> confirmed_;
};

}  // namespace qv::ui
