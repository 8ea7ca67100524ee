// Layout of the program frame.
#include "ui/workstation/ProgramFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/common/ButtonKeys.h"
#include "ui/common/ListKeys.h"
#include "ui/workstation/DrawingView.h"

namespace qv::ui {

ProgramFrame::ProgramFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("ProgFrame"));
    auto* grid = new QGridLayout(this);

    auto* directoryLabel = new QLabel(QStringLiteral("&Directory"), this);
    DirectoryList = new QComboBox(this);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    DirectoryList->setMinimumWidth(260);
    directoryLabel->setBuddy(DirectoryList);

    auto* programLabel = new QLabel(QStringLiteral("Reverse E&ngineer"), this);
    ProgList = new QListWidget(this);
    ProgList->setObjectName(QStringLiteral("ProgList"));
    ProgList->setMinimumHeight(280);
    SelectFirstOnDown(ProgList);
    programLabel->setBuddy(ProgList);

    ProgOk = new QPushButton(QStringLiteral("&OK"), this);
    ProgOk->setObjectName(QStringLiteral("ProgOk"));
    ProgOk->setDefault(true);
    ProgCncl = new QPushButton(QStringLiteral("&Cancel"), this);
    ProgCncl->setObjectName(QStringLiteral("ProgCncl"));
    Search = new QPushButton(QStringLiteral("&Search"), this);
    Search->setObjectName(QStringLiteral("Search"));

    grid->addWidget(directoryLabel, 0, 0);
    grid->addWidget(DirectoryList, 1, 0, 1, 3);
    grid->addWidget(programLabel, 2, 0);
    grid->addWidget(ProgList, 3, 0, 1, 3);
    grid->addWidget(ProgOk, 4, 0);
    grid->addWidget(ProgCncl, 4, 1);
    grid->addWidget(Search, 4, 2);
    Preview = new DrawingView(this, false);
    Preview->setFixedSize(300, 240);
    grid->addWidget(Preview, 1, 3, 3, 1, Qt::AlignTop);
    Search->setEnabled(false);  // until the search window is wired to it
    AddButtonKeys(this, ProgOk, ProgCncl);
}

}  // namespace qv::ui
