// The file window.
#include "ui/folders/FileForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/FileOperations.h"
#include "core/folders/DirectoryLists.h"
#include "core/folders/DirectoryOperations.h"
#include "core/startup/MachineList.h"
#include "core/tooling/KeyFilter.h"
#include "ui/common/KeyFilterHook.h"
#include "ui/common/Messages.h"
#include "ui/common/WaitCursor.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

enum Mode { DeleteMode = 1, RenameMode = 2, CopyAsMode = 3, MoveMode = 4, CopyToMode = 5 };

struct ModeLayout {
    const char* caption;
    const char* listLabel;
};

const ModeLayout kLayouts[] = {
    {"Delete Files", "Delete Files"}, {"Rename File", "Rename File"}, {"Copy File", "Copy File"},
    {"Move Files", "Move Files"},     {"Copy Files", "Copy Files"},
};

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A frame holding a label over its control.
QGroupBox* LabelledFrame(const char* name, QWidget* parent, QLabel*& label, const char* labelName, QWidget* control) {
    auto* frame = Named(new QGroupBox(parent), name);
    auto* layout = new QVBoxLayout(frame);
    label = Named(new QLabel(frame), labelName);
    label->setBuddy(control);
    control->setParent(frame);
    layout->addWidget(label);
    layout->addWidget(control);
    return frame;
}

// A folder that cannot be read is said so rather than shown as empty.
void ShowListError(const ListRows& rows) {
    if (!rows.error.ok() && rows.error.kind() != ErrorKind::NotFound) Notify(rows.error.message());
}

void FillCombo(QComboBox* combo, const ListRows& rows) {
    ShowListError(rows);
    combo->clear();
    for (std::size_t i = 0; i < rows.items.size(); ++i)
        combo->addItem(FromCore(rows.items[i]), i < rows.data.size() ? rows.data[i] : 0);
    combo->setCurrentIndex(rows.selected);
}

}  // namespace

FileForm::FileForm(QWidget* parent) : QDialog(parent), mode_(State().Modes.FileMode) {
    setObjectName(QStringLiteral("FileForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    several_ = mode_ == DeleteMode || mode_ == MoveMode || mode_ == CopyToMode;
    targets_ = mode_ == MoveMode || mode_ == CopyToMode;
    createControls();
    if (mode_ < DeleteMode || mode_ > CopyToMode) return;
    SuppressEventsScope quiet;
    layOut();
    fillFileList();
    if (targets_) {
        fillDirectoryList(State().Mach.MachineFolder);
        FillCombo(MachineList, FillMachineList(State().Config.SelectedMachine, true, SelectCurrent));
    }
}

void FileForm::createControls() {
    FileFrame = Named(new QGroupBox(this), "FileFrame");
    auto* lists = new QWidget(this);
    auto* listsLayout = new QVBoxLayout(lists);
    listsLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 1; i <= 2; ++i) {
        FileList[i] = Named(new QListWidget(lists), i == 1 ? "FileList1" : "FileList2");
        listsLayout->addWidget(FileList[i]);
    }
    FileList[2]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListFrame = LabelledFrame("ListFrame", FileFrame, ListLabel, "ListLabel", lists);
    ListLabel->setBuddy(FileList[several_ ? 2 : 1]);

    FileBox = Named(new QLineEdit(this), "FileBox");
    BoxFrame = LabelledFrame("BoxFrame", FileFrame, BoxLabel, "BoxLabel", FileBox);
    KeyFilterHook::Install(FileBox, FilterName);
    FileBox->installEventFilter(this);
    DirectoryList = Named(new QComboBox(this), "DirectoryList");
    DirListFrame = LabelledFrame("DirListFrame", FileFrame, DirListLabel, "DirListLabel", DirectoryList);
    MachineList = Named(new QComboBox(this), "MachineList");
    MchListFrame = LabelledFrame("MchListFrame", FileFrame, MchListLabel, "MchListLabel", MachineList);

    CheckFrame = Named(new QGroupBox(FileFrame), "CheckFrame");
    auto* checks = new QVBoxLayout(CheckFrame);
    FileCheck[1] = Named(new QCheckBox(QStringLiteral("Drawings"), CheckFrame), "FileCheck1");
    FileCheck[2] = Named(new QCheckBox(QStringLiteral("Programs"), CheckFrame), "FileCheck2");
    for (int i = 1; i <= 2; ++i) {
        checks->addWidget(FileCheck[i]);
        connect(FileCheck[i], &QCheckBox::clicked, this, &FileForm::checkClicked);
    }

    ButtonFrame = Named(new QGroupBox(FileFrame), "ButtonFrame");
    auto* buttons = new QVBoxLayout(ButtonFrame);
    FileOk = Named(new QPushButton(QStringLiteral("OK"), ButtonFrame), "FileOk");
    FileOk->setDefault(true);
    FileCncl = Named(new QPushButton(QStringLiteral("Cancel"), ButtonFrame), "FileCncl");
    buttons->addWidget(FileOk);
    buttons->addWidget(FileCncl);

    auto* side = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(BoxFrame), static_cast<QWidget*>(DirListFrame),
                       static_cast<QWidget*>(MchListFrame), static_cast<QWidget*>(CheckFrame)})
        side->addWidget(w);
    side->addStretch();
    side->addWidget(ButtonFrame);
    auto* frameLayout = new QHBoxLayout(FileFrame);
    frameLayout->addWidget(ListFrame, 1);
    frameLayout->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FileFrame);

    connect(FileOk, &QPushButton::clicked, this, &FileForm::fileOk);
    connect(FileCncl, &QPushButton::clicked, this, &QDialog::reject);
    connect(FileList[1], &QListWidget::itemSelectionChanged, this, &FileForm::fileClicked);
    for (int i = 1; i <= 2; ++i)
        connect(FileList[i], &QListWidget::itemDoubleClicked, this, &FileForm::fileDoubleClicked);
    connect(MachineList, qOverload<int>(&QComboBox::activated), this, &FileForm::machineClicked);
}

int FileForm::exec() {
    if (mode_ < DeleteMode || mode_ > CopyToMode) {
        done(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

void FileForm::layOut() {
    const ModeLayout& l = kLayouts[mode_ - 1];
    setWindowTitle(QString::fromLatin1(l.caption));
    ListLabel->setText(QString::fromLatin1(l.listLabel));
    FileList[1]->setVisible(!several_);
    FileList[2]->setVisible(several_);
    BoxFrame->setVisible(mode_ == RenameMode || mode_ == CopyAsMode);
    BoxLabel->setText(QStringLiteral("As"));
    DirListFrame->setVisible(targets_);
    DirListLabel->setText(QStringLiteral("To Directory"));
    // With one machine there is nothing to choose; the list is still filled.
    const bool machines = targets_ && State().Config.MachineCount() >= 2;
    MchListFrame->setVisible(machines);
    MchListLabel->setText(QStringLiteral("For Machine"));
    for (int i = 1; i <= 2; ++i) FileCheck[i]->setChecked(true);
    setFixedSize(460, machines ? 400 : 340);
}

QListWidget* FileForm::modeList() const { return FileList[several_ ? 2 : 1]; }

std::int16_t FileForm::kind() const {
    return static_cast<std::int16_t>((FileCheck[1]->isChecked() ? 1 : 0) + (FileCheck[2]->isChecked() ? 2 : 0));
}

void FileForm::fillFileList() {
    const ModuleState& s = State();
    QListWidget* list = modeList();
    ListRows rows;
    {
        WaitCursor busy;
        rows = FillFileList(s.Mach.MachineFolder, s.Config.CurrentDirectory, "", SelectNone, kind(), "");
    }
    ShowListError(rows);
    list->clear();
    for (const std::string& item : rows.items) list->addItem(FromCore(item));
    list->clearSelection();
}

void FileForm::fillDirectoryList(const std::string& machine) {
    const ModuleState& s = State();
    // The current directory is a target only on another machine, and drives
    // only for the selected one.
    const bool own = machine == s.Mach.MachineFolder;
    FillCombo(DirectoryList, FillDirectoryList(machine, s.Config.CurrentDirectory, own, !own,
                                               own ? SelectFirst : SelectCurrent));
}

void FileForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    modeList()->setFocus();
}

bool FileForm::eventFilter(QObject* watched, QEvent* event) {
    // After the focus arrives, so that a mouse click does not undo it.
    if (watched == FileBox && event->type() == QEvent::FocusIn) QTimer::singleShot(0, FileBox, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void FileForm::done(int result) {
    State().Modes.FileMode = 0;
    for (int i = 1; i <= 2; ++i) FileList[i]->clear();
    DirectoryList->clear();
    MachineList->clear();
    FileBox->clear();
    QDialog::done(result);
}

void FileForm::checkClicked() {
    {
        SuppressEventsScope quiet;
        fillFileList();
    }
    modeList()->setFocus();
}

void FileForm::fileClicked() {
    if (State().SuppressEvents || several_) return;
    QListWidgetItem* line = FileList[1]->currentItem();
    if (line && line->isSelected()) FileBox->setText(line->text().trimmed());
}

void FileForm::fileDoubleClicked() {
    if (mode_ == DeleteMode) {
        fileOk();
    } else if (targets_) {
        DirectoryList->setFocus();
    } else {
        FileBox->setFocus();
    }
}

void FileForm::machineClicked() {
    if (State().SuppressEvents) return;
    const auto number = static_cast<std::int16_t>(MachineList->currentData().toInt());
    {
        SuppressEventsScope quiet;
        fillDirectoryList(MachineFieldLookup(number, 2));
    }
    if (DirectoryList->currentIndex() < 0 && !DirListFrame->isHidden()) DirectoryList->setFocus();
}

std::vector<std::string> FileForm::selectedNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < FileList[2]->count(); ++row) {
        QListWidgetItem* line = FileList[2]->item(row);
        if (line->isSelected()) names.push_back(Trim(ToCore(line->text())));
    }
    return names;
}

void FileForm::fileOk() {
    switch (mode_) {
        case DeleteMode: deleteFiles(); break;
        case RenameMode:
        case CopyAsMode: nameFile(); break;
        case MoveMode:
        case CopyToMode: transferFiles(); break;
        default: break;
    }
}

void FileForm::deleteFiles() {
    const std::int16_t k = kind();
    const std::vector<std::string> names = selectedNames();
    if (names.empty()) {
        Refuse("No Files Selected !", FileList[2]);
        return;
    }
    if (Ask(DeleteFilesQuestion(names))) {
        WaitCursor busy;
        const Outcome deleted = DeleteFiles(State().Config.CurrentDirectoryPath, names, k);
        busy.restore();
        Show(deleted);
    }
    accept();
}

void FileForm::nameFile() {
    const std::int16_t k = kind();
    QListWidgetItem* line = FileList[1]->currentItem();
    if (!line || !line->isSelected()) {
        Refuse("No File Selected !", FileList[1]);
        return;
    }
    const std::string source = Trim(ToCore(line->text()));
    const std::string target = Trim(ToCore(FileBox->text()));
    if (!NameLengthOk(target)) {
        Refuse("Invalid File Name !", FileBox);
        return;
    }
    const bool copy = mode_ == CopyAsMode;
    if (Ask(NewNameQuestion(copy, source, target))) {
        const std::string& folder = State().Config.CurrentDirectoryPath;
        Show(copy ? CopyFileAs(folder, source, target, k, AskUser())
                  : RenameFile(folder, source, target, k, AskUser()));
    }
    accept();
}

void FileForm::transferFiles() {
    const std::int16_t k = kind();
    const std::vector<std::string> names = selectedNames();
    if (names.empty()) {
        Refuse("No Files Selected !", FileList[2]);
        return;
    }
    if (DirectoryList->currentIndex() < 0) {
        Refuse("No Directory Selected !", DirectoryList);
        return;
    }
    if (!MchListFrame->isHidden() && MachineList->currentIndex() < 0) {
        Refuse("No Machine Selected !", MachineList);
        return;
    }
    const bool move = mode_ == MoveMode;
    const std::string directory = Trim(ToCore(DirectoryList->currentText()));
    if (!Ask(TransferQuestion(move, names, directory))) {
        accept();
        return;
    }
    const auto number = static_cast<std::int16_t>(MachineList->currentData().toInt());
    const std::string machine =
        MachineList->currentIndex() < 0 ? State().Mach.MachineFolder : MachineFieldLookup(number, 2);
    if (HasColon(directory) && !DriveReady(directory)) {
        Refuse("Disc Not Ready !");
        // The disc may have gone in while the notice was up.
        if (!DriveReady(directory)) {
            DirectoryList->setFocus();
            return;
        }
    }
    WaitCursor busy;
    const Outcome done = TransferFiles(State().Config.CurrentDirectoryPath, names, DirectoryPath(machine, directory), k,
                                       move, AskUser());
    busy.restore();
    Show(done);
    accept();
}

}  // namespace qv::ui
