// The program frame of a reverse run: the directory, the programs in it and
// a preview of the selected program's drawing.
#pragma once

#include <QGroupBox>

class QComboBox;
class QListWidget;
class QPushButton;

namespace qv::ui {
class DrawingView;
}

namespace qv::ui {

class ProgramFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgramFrame(QWidget* parent = nullptr);

    QComboBox* DirectoryList = nullptr;
    QListWidget* ProgList = nullptr;
    QPushButton* ProgOk = nullptr;
    QPushButton* ProgCncl = nullptr;
    QPushButton* Search = nullptr;
    DrawingView* Preview = nullptr;  // the selected program's drawing
};

}  // namespace qv::ui
