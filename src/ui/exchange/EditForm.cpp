// The edit window.
#include "ui/exchange/EditForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/EditorLaunch.h"
#include "core/folders/DirectoryLists.h"
#include "core/workstation/RecentFile.h"
#include "ui/common/ListFill.h"
#include "ui/common/Messages.h"
#include "ui/common/WaitCursor.h"
#include "ui/folders/SearchForm.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

std::string Text(const QString& text) { return Trim(ToCore(text)); }

}  // namespace

EditForm::EditForm(std::function<void()> paintStatusBar, QWidget* parent)
    : QDialog(parent), paintStatusBar_(std::move(paintStatusBar)) {
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("Edit Program"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    DirectoryFrame = new QGroupBox(this);
    DirectoryFrame->setObjectName(QStringLiteral("DirectoryFrame"));
    auto* directoryLayout = new QVBoxLayout(DirectoryFrame);
    DirectoryLabel = new QLabel(QStringLiteral("Directory"), DirectoryFrame);
    DirectoryList = new QComboBox(DirectoryFrame);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    DirectoryLabel->setBuddy(DirectoryList);
    directoryLayout->addWidget(DirectoryLabel);
    directoryLayout->addWidget(DirectoryList);

    ListFrame = new QGroupBox(this);
    ListFrame->setObjectName(QStringLiteral("ListFrame"));
    auto* listLayout = new QVBoxLayout(ListFrame);
    ListLabel = new QLabel(QStringLiteral("Edit Program"), ListFrame);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    EditList[1] = new QListWidget(ListFrame);
    EditList[1]->setObjectName(QStringLiteral("EditList1"));
    EditList[1]->setMinimumHeight(240);
    ListLabel->setBuddy(EditList[1]);
    listLayout->addWidget(ListLabel);
    listLayout->addWidget(EditList[1]);

    EditOk = new QPushButton(QStringLiteral("OK"), this);
    EditOk->setObjectName(QStringLiteral("EditOk"));
    EditOk->setDefault(true);
    EditCncl = new QPushButton(QStringLiteral("Cancel"), this);
    EditCncl->setObjectName(QStringLiteral("EditCncl"));
    Search = new QPushButton(QStringLiteral("Search"), this);
    Search->setObjectName(QStringLiteral("Search"));
    Search->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(EditOk);
    buttons->addWidget(EditCncl);
    buttons->addWidget(Search);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DirectoryFrame);
    layout->addWidget(ListFrame, 1);
    layout->addLayout(buttons);
    setFixedSize(340, 420);

    connect(DirectoryList, qOverload<int>(&QComboBox::activated), this, &EditForm::directoryChosen);
    connect(EditList[1], &QListWidget::itemDoubleClicked, this, &EditForm::editOk);
    connect(EditOk, &QPushButton::clicked, this, &EditForm::editOk);
    connect(EditCncl, &QPushButton::clicked, this, &QDialog::reject);
    connect(Search, &QPushButton::clicked, this, &EditForm::search);
    if (State().Modes.EditMode == 1) load();
}

int EditForm::exec() {
    if (State().Modes.EditMode != 1) {
        State().Modes.EditMode = 0;
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void EditForm::done(int result) {
    State().Modes.EditMode = 0;
    EditList[1]->clear();
    QDialog::done(result);
}

void EditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    EditList[1]->setFocus();
}

void EditForm::load() {
    SuppressEventsScope quiet;
    const Configuration& config = State().Config;
    if (HasColon(config.CurrentDirectory) && !DriveReady(config.CurrentDirectory)) {
        SelectCurrentDirectory("");
        paintStatusBar_();
    }
    std::string directory, name;
    if (RecallLastFile(directory, name)) {
        SelectCurrentDirectory(directory);
        paintStatusBar_();
        fillPrograms(name, SelectCurrent);
    } else {
        fillPrograms("", SelectNone);
    }
    fillDirectories();
}

void EditForm::fillPrograms(const std::string& current, int mode) {
    const ModuleState& s = State();
    WaitCursor busy;
    FillListWidget(EditList[1],
                   FillFileList(s.Mach.MachineFolder, s.Config.CurrentDirectory, current, mode, ProgramFiles, ""));
}

void EditForm::fillDirectories() {
    SuppressEventsScope quiet;
    const ModuleState& s = State();
    WaitCursor busy;
    FillComboBox(DirectoryList, FillDirectoryList(s.Mach.MachineFolder, s.Config.CurrentDirectory, true, true,
                                                  SelectCurrent));
}

void EditForm::directoryChosen() {
    if (State().SuppressEvents) return;
    std::string name = Text(DirectoryList->currentText());
    if (HasColon(name) && !DriveReady(name)) {
        Refuse("Disc Not Ready !");
        if (!DriveReady(name)) name = State().Config.CurrentDirectory;
    }
    SelectCurrentDirectory(name);
    const std::string current = State().Config.CurrentDirectory;
    if (current != Text(DirectoryList->currentText())) {
        SuppressEventsScope quiet;
        int row = 0;
        for (int i = 0; i < DirectoryList->count(); ++i)
            if (Text(DirectoryList->itemText(i)) == current) row = i;
        DirectoryList->setCurrentIndex(DirectoryList->count() > 0 ? row : -1);
    }
    fillPrograms("", SelectNone);
    paintStatusBar_();
    EditList[1]->setFocus();
}

void EditForm::editOk() {
    QListWidgetItem* line = EditList[1]->currentItem();
    std::string name;
    if (line && line->isSelected()) {
        name = Text(line->text());
    } else {
        std::string directory;
        if (!RecallLastFile(directory, name)) {
            Refuse("No Program Selected !", EditList[1]);
            return;
        }
        SelectCurrentDirectory(directory);
        paintStatusBar_();
    }
    const Outcome launched = LaunchEditor(State().Config.CurrentDirectoryPath + name + ".prg");
    if (!launched.done()) {
        // The user can mend "Editor.cfg" and try again, or cancel.
        Show(launched);
        EditList[1]->setFocus();
        return;
    }
    (void)RememberLastFile(State().Config.CurrentDirectory, name);
    accept();
}

void EditForm::search() {
    ModuleState& s = State();
    s.Modes.SearchMode = 2;
    {
        SearchForm form(this);
        form.exec();
    }
    if (!s.Search.Found) {
        EditList[1]->setFocus();
        return;
    }
    if (Upper(s.Search.Directory) != Upper(s.Config.CurrentDirectory)) {
        SelectCurrentDirectory(s.Search.Directory);
        fillDirectories();
        paintStatusBar_();
    }
    fillPrograms(s.Search.FileName, SelectCurrent);
    if (QListWidgetItem* line = EditList[1]->currentItem(); line && line->isSelected()) {
        editOk();
        return;
    }
    EditList[1]->setFocus();
}

}  // namespace qv::ui
