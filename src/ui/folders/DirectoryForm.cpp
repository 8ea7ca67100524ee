// The directory window.
#include "ui/folders/DirectoryForm.h"

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
#include "core/folders/DirectoryLists.h"
#include "core/folders/DirectoryOperations.h"
#include "core/tooling/KeyFilter.h"
#include "core/workstation/RecentFile.h"
#include "ui/common/KeyFilterHook.h"
#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

enum Mode { Change = 1, Create = 2, Rename = 3, Delete = 4 };

struct ModeLayout {
    const char* caption;
    const char* listLabel;  // nullptr: no list
    const char* boxLabel;   // nullptr: no box
};

const ModeLayout kLayouts[] = {
    {"Change Directory", "Select Directory", nullptr},
    {"Create New Directory", nullptr, "Directory Name"},
    {"Rename Directory", "Rename Directory", "As"},
    {"Delete Directory", "Delete Directory", nullptr},
};

QGroupBox* Frame(const char* name, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

}  // namespace

DirectoryForm::DirectoryForm(QWidget* parent) : QDialog(parent), mode_(State().Modes.DirectoryMode) {
    setObjectName(QStringLiteral("DirectoryForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    DirectoryFrame = Frame("DirectoryFrame", this);
    ListFrame = Frame("ListFrame", DirectoryFrame);
    auto* listLayout = new QVBoxLayout(ListFrame);
    ListLabel = new QLabel(ListFrame);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    DirectoryList = new QListWidget(ListFrame);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    ListLabel->setBuddy(DirectoryList);
    listLayout->addWidget(ListLabel);
    listLayout->addWidget(DirectoryList);

    BoxFrame = Frame("BoxFrame", DirectoryFrame);
    auto* boxLayout = new QVBoxLayout(BoxFrame);
    BoxLabel = new QLabel(BoxFrame);
    BoxLabel->setObjectName(QStringLiteral("BoxLabel"));
    DirectoryBox = new QLineEdit(BoxFrame);
    DirectoryBox->setObjectName(QStringLiteral("DirectoryBox"));
    BoxLabel->setBuddy(DirectoryBox);
    boxLayout->addWidget(BoxLabel);
    boxLayout->addWidget(DirectoryBox);
    KeyFilterHook::Install(DirectoryBox, FilterName);
    DirectoryBox->installEventFilter(this);

    auto* frameLayout = new QVBoxLayout(DirectoryFrame);
    frameLayout->addWidget(ListFrame, 1);
    frameLayout->addWidget(BoxFrame);

    ButtonFrame = Frame("ButtonFrame", this);
    auto* buttons = new QHBoxLayout(ButtonFrame);
    DirectoryOk = new QPushButton(QStringLiteral("OK"), ButtonFrame);
    DirectoryOk->setObjectName(QStringLiteral("DirectoryOk"));
    DirectoryOk->setDefault(true);
    DirectoryCncl = new QPushButton(QStringLiteral("Cancel"), ButtonFrame);
    DirectoryCncl->setObjectName(QStringLiteral("DirectoryCncl"));
    buttons->addStretch();
    buttons->addWidget(DirectoryOk);
    buttons->addWidget(DirectoryCncl);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DirectoryFrame, 1);
    layout->addWidget(ButtonFrame);

    connect(DirectoryOk, &QPushButton::clicked, this, &DirectoryForm::directoryOk);
    connect(DirectoryCncl, &QPushButton::clicked, this, &QDialog::reject);
    connect(DirectoryList, &QListWidget::itemSelectionChanged, this, &DirectoryForm::listClicked);
    connect(DirectoryList, &QListWidget::itemDoubleClicked, this, &DirectoryForm::listDoubleClicked);
    if (mode_ >= Change && mode_ <= Delete) {
        layOut();
        fill();
    }
}

int DirectoryForm::exec() {
    if (mode_ < Change || mode_ > Delete) {
        done(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

void DirectoryForm::layOut() {
    const ModeLayout& l = kLayouts[mode_ - 1];
    setWindowTitle(QString::fromLatin1(l.caption));
    ListFrame->setVisible(l.listLabel != nullptr);
    BoxFrame->setVisible(l.boxLabel != nullptr);
    if (l.listLabel) ListLabel->setText(QString::fromLatin1(l.listLabel));
    if (l.boxLabel) BoxLabel->setText(QString::fromLatin1(l.boxLabel));
    // Without the list the window is only as tall as the box needs.
    setFixedSize(320, l.listLabel ? (l.boxLabel ? 380 : 320) : sizeHint().height());
}

void DirectoryForm::fill() {
    if (mode_ == Create) return;
    SuppressEventsScope quiet;
    const ModuleState& s = State();
    const bool change = mode_ == Change;
    const ListRows rows = FillDirectoryList(s.Mach.MachineFolder, s.Config.CurrentDirectory, change, false,
                                            change ? SelectFirst : SelectNone);
    // A folder that cannot be read is said so rather than shown as empty.
    if (!rows.error.ok() && rows.error.kind() != ErrorKind::NotFound) Notify(rows.error.message());
    for (const std::string& item : rows.items) DirectoryList->addItem(FromCore(item));
    DirectoryList->setCurrentRow(rows.selected);
    if (rows.selected < 0) DirectoryList->clearSelection();
}

void DirectoryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (mode_ == Create) {
        DirectoryBox->setFocus();
    } else {
        DirectoryList->setFocus();
    }
}

bool DirectoryForm::eventFilter(QObject* watched, QEvent* event) {
    // After the focus arrives, so that a mouse click does not undo it.
    if (watched == DirectoryBox && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, DirectoryBox, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void DirectoryForm::done(int result) {
    State().Modes.DirectoryMode = 0;
    DirectoryList->clear();
    DirectoryBox->clear();
    QDialog::done(result);
}

void DirectoryForm::listClicked() {
    if (State().SuppressEvents || mode_ != Rename) return;
    QListWidgetItem* line = DirectoryList->currentItem();
    if (line && line->isSelected()) DirectoryBox->setText(line->text().trimmed());
}

void DirectoryForm::listDoubleClicked() {
    if (mode_ == Rename) {
        DirectoryBox->setFocus();
    } else {
        directoryOk();
    }
}

std::string DirectoryForm::selectedEntry() {
    QListWidgetItem* line = DirectoryList->currentItem();
    if (line && line->isSelected()) return Trim(ToCore(line->text()));
    Refuse(kNoDirectorySelected, DirectoryList);
    return {};
}

void DirectoryForm::directoryOk() {
    switch (mode_) {
        case Change: changeDirectory(); break;
        case Create: createDirectory(); break;
        case Rename: renameDirectory(); break;
        case Delete: deleteDirectory(); break;
        default: break;
    }
}

void DirectoryForm::changeDirectory() {
    const std::string name = selectedEntry();
    if (name.empty()) return;
    if (HasColon(name) && !DriveReady(name)) {
        Refuse("Disc Not Ready !");
        // The disc may have gone in while the notice was up.
        if (!DriveReady(name)) {
            DirectoryList->setFocus();
            return;
        }
    }
    SelectCurrentDirectory(name);
    accept();
}

void DirectoryForm::createDirectory() {
    closeUnlessRefused(CreateProgramDirectory(ToCore(DirectoryBox->text())));
}

void DirectoryForm::renameDirectory() {
    const std::string oldName = selectedEntry();
    if (oldName.empty()) return;
    closeUnlessRefused(RenameProgramDirectory(oldName, ToCore(DirectoryBox->text()), AskUser()));
}

void DirectoryForm::closeUnlessRefused(const Outcome& outcome) {
    Show(outcome);
    if (outcome.state() == Outcome::State::Refused) {
        DirectoryBox->setFocus();
        return;
    }
    accept();
}

void DirectoryForm::deleteDirectory() {
    const std::string name = selectedEntry();
    if (name.empty()) return;
    const Outcome deleted = DeleteProgramDirectory(name, AskUser(), [] { Beep(); });
    Show(deleted);
    if (deleted.state() != Outcome::State::Declined) {
        // The recall drops a remembered program that went with the directory.
        std::string directory, program;
        (void)RecallLastFile(directory, program);
    }
    accept();
}

}  // namespace qv::ui
