// The program frame of a reverse run: the directory and the programs in it.
#pragma once

#include <QGroupBox>

class QComboBox;
class QListWidget;
class QPushButton;

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
};

}  // namespace qv::ui
