// The reverse panel shown after a successful run: sheet and clamp boxes,
// material, the tooling table, the drawing as it will be written, the
// program's name and the way out.
#pragma once

#include <QFrame>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv::ui {

class DrawingView;
class TurretTable;

class ReversePanel : public QFrame {
    Q_OBJECT
public:
    explicit ReversePanel(QWidget* parent = nullptr);

    QFrame* BttnPanel = nullptr;
    QPushButton* RvsOk = nullptr;
    QPushButton* RvsCncl = nullptr;
    QFrame* ToolingPanel = nullptr;
    QComboBox* MaterialList = nullptr;
    QPushButton* SelectTool = nullptr;
    QLabel* ConfirmedLabel = nullptr;  // "3 of 5 tools confirmed"
    std::array<QLineEdit*, 5> ShtBox{};  // 1 sheet X, 2 sheet Y, 3 left clamp, 4 right clamp
    TurretTable* Trt = nullptr;
    DrawingView* View = nullptr;
    QLabel* ViewCoords = nullptr;  // the pointer's position in the machine's units
    QGroupBox* ViewPanel = nullptr;
    QPushButton* ViewProgram = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv::ui
