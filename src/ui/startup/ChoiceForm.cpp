// Shared layout and behaviour of the machine and processor windows.
#include "ui/startup/ChoiceForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"
#include "ui/common/ListKeys.h"

namespace qv::ui {

ChoiceForm::ChoiceForm(const QString& objectName, const QString& caption, const QString& listLabel,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    MachineFrame = new QGroupBox(this);
    MachineFrame->setObjectName(QStringLiteral("MachineFrame"));
    auto* listLayout = new QVBoxLayout(MachineFrame);
    ListLabel = new QLabel(listLabel, MachineFrame);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    MachineList = new QListWidget(MachineFrame);
    MachineList->setObjectName(QStringLiteral("MachineList"));
    SelectFirstOnDown(MachineList);
    ListLabel->setBuddy(MachineList);
    listLayout->addWidget(ListLabel);
    listLayout->addWidget(MachineList);

    ButtonFrame = new QGroupBox(this);
    ButtonFrame->setObjectName(QStringLiteral("ButtonFrame"));
    auto* buttons = new QHBoxLayout(ButtonFrame);
    MachineOk = new QPushButton(QStringLiteral("&OK"), ButtonFrame);
    MachineOk->setObjectName(QStringLiteral("MachineOk"));
    MachineOk->setDefault(true);
    MachineCncl = new QPushButton(QStringLiteral("&Cancel"), ButtonFrame);
    MachineCncl->setObjectName(QStringLiteral("MachineCncl"));
    buttons->addStretch();
    buttons->addWidget(MachineOk);
    buttons->addWidget(MachineCncl);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MachineFrame, 1);
    layout->addWidget(ButtonFrame);
    setFixedSize(340, 300);

    connect(MachineOk, &QPushButton::clicked, this, &ChoiceForm::confirm);
    connect(MachineList, &QListWidget::itemDoubleClicked, this, &ChoiceForm::confirm);
    connect(MachineCncl, &QPushButton::clicked, this, &QDialog::reject);
}

void ChoiceForm::fill(const ListRows& rows) {
    MachineList->clear();
    for (std::size_t i = 0; i < rows.items.size(); ++i) {
        auto* line = new QListWidgetItem(FromCore(rows.items[i]), MachineList);
        line->setData(Qt::UserRole, i < rows.data.size() ? rows.data[i] : 0);
    }
    MachineList->setCurrentRow(rows.selected);
    if (rows.selected < 0) MachineList->clearSelection();
}

void ChoiceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    MachineList->setFocus();
}

void ChoiceForm::confirm() {
    QListWidgetItem* line = MachineList->currentItem();
    if (!line || !line->isSelected()) {
        Refuse(nothingSelectedText(), MachineList);
        return;
    }
    choose(static_cast<std::int16_t>(line->data(Qt::UserRole).toInt()));
    accept();
}

}  // namespace qv::ui
