// The import window.
#include "ui/exchange/ExternalForm.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/ImportSource.h"
#include "core/folders/DirectoryLists.h"
#include "core/tooling/KeyFilter.h"
#include "ui/common/CoreText.h"
#include "ui/common/KeyFilterHook.h"
#include "ui/common/ListFill.h"
#include "ui/common/Messages.h"

namespace qv::ui {
namespace {

const char* const FilePatterns[] = {"*.prg           Programs ", "*.drw           Drawings ",
                                    "*.*             All Files "};
const char* const SubPatterns[] = {"*.*             All Files "};

}  // namespace

ExternalForm::ExternalForm(QWidget* parent) : QDialog(parent), mode_(State().Modes.ExchangeMode) {
    setObjectName(QStringLiteral("ExternalForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const bool subs = mode_ == ImportSubRoutinesMode;
    const QString caption = subs ? QStringLiteral("Import Sub-Routines") : QStringLiteral("Import Files");
    setWindowTitle(caption);

    auto* driveLabel = new QLabel(QStringLiteral("&Drive"), this);
    ExDriveList = new QComboBox(this);
    ExDriveList->setObjectName(QStringLiteral("ExDriveList"));
    driveLabel->setBuddy(ExDriveList);
    auto* folderLabel = new QLabel(QStringLiteral("F&older"), this);
    ExDirectoryList = new QListWidget(this);
    ExDirectoryList->setObjectName(QStringLiteral("ExDirectoryList"));
    folderLabel->setBuddy(ExDirectoryList);
    ListLabel = new QLabel(subs ? QStringLiteral("Import &Sub-Routines") : QStringLiteral("Import &Files"), this);
    ListLabel->setObjectName(QStringLiteral("ListLabel"));
    ExFileList = new QListWidget(this);
    ExFileList->setObjectName(QStringLiteral("ExFileList"));
    ExFileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListLabel->setBuddy(ExFileList);
    auto* patternLabel = new QLabel(QStringLiteral("&Pattern"), this);
    ExPatternCombo = new QComboBox(this);
    ExPatternCombo->setObjectName(QStringLiteral("ExPatternCombo"));
    ExPatternCombo->setEditable(true);
    ExPatternCombo->setInsertPolicy(QComboBox::NoInsert);
    patternLabel->setBuddy(ExPatternCombo);
    KeyFilterHook::Install(ExPatternCombo, FilterPattern);
    SelectAll = new QPushButton(QStringLiteral("Select &All"), this);
    SelectAll->setObjectName(QStringLiteral("SelectAll"));
    SelectAll->setAutoDefault(false);
    ExternalOk = new QPushButton(QStringLiteral("OK"), this);
    ExternalOk->setObjectName(QStringLiteral("ExternalOk"));
    ExternalCncl = new QPushButton(QStringLiteral("Cancel"), this);
    ExternalCncl->setObjectName(QStringLiteral("ExternalCncl"));
    ExternalCncl->setAutoDefault(false);

    auto* outside = new QVBoxLayout;
    outside->addWidget(driveLabel);
    outside->addWidget(ExDriveList);
    outside->addWidget(folderLabel);
    outside->addWidget(ExDirectoryList, 1);
    auto* files = new QVBoxLayout;
    files->addWidget(ListLabel);
    files->addWidget(ExFileList, 1);
    files->addWidget(patternLabel);
    files->addWidget(ExPatternCombo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SelectAll);
    buttons->addStretch();
    buttons->addWidget(ExternalOk);
    buttons->addWidget(ExternalCncl);
    auto* grid = new QGridLayout(this);
    grid->addLayout(outside, 0, 0);
    grid->addLayout(files, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    resize(560, 380);

    {
        SuppressEventsScope quiet;
        if (subs) {
            for (const char* entry : SubPatterns) ExPatternCombo->addItem(QString::fromLatin1(entry));
        } else {
            for (const char* entry : FilePatterns) ExPatternCombo->addItem(QString::fromLatin1(entry));
        }
        ExPatternCombo->setCurrentIndex(0);
        std::string start = OpeningFolder(State().Config.ExchangeFolder, State().Config.SystemFolder);
        if (!showFolder(start)) showFolder(OpeningFolder("", State().Config.SystemFolder));
    }
    ExternalOk->setDefault(true);
    ExFileList->installEventFilter(this);

    connect(ExDriveList, qOverload<int>(&QComboBox::activated), this, &ExternalForm::driveChosen);
    connect(ExDirectoryList, &QListWidget::itemActivated, this, &ExternalForm::folderChosen);
    connect(ExPatternCombo, &QComboBox::currentTextChanged, this, [this] {
        if (!State().SuppressEvents) refreshFiles();
    });
    connect(SelectAll, &QPushButton::clicked, this, [this] {
        ExFileList->selectAll();
        ExFileList->setFocus();
    });
    connect(ExternalOk, &QPushButton::clicked, this, &ExternalForm::importSelected);
    connect(ExternalCncl, &QPushButton::clicked, this, &QDialog::reject);
}

ExternalForm::~ExternalForm() { State().Modes.ExchangeMode = 0; }

void ExternalForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ExFileList->setFocus();
}

// Enter in the pattern box must not start an import: OK is the default
// button only while the file list has the focus.
bool ExternalForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ExFileList && event->type() == QEvent::FocusIn) ExternalOk->setDefault(true);
    if (watched == ExFileList && event->type() == QEvent::FocusOut) ExternalOk->setDefault(false);
    return QDialog::eventFilter(watched, event);
}

bool ExternalForm::showFolder(const std::string& folder) {
    Result<OutsideFolder> view = BrowseOutside(folder);
    if (!view.ok()) return false;
    SuppressEventsScope quiet;
    folder_ = view->folder;
    ExDriveList->clear();
    for (const std::string& drive : view->drives.items) ExDriveList->addItem(FromCore(drive));
    ExDriveList->setCurrentIndex(view->drives.selected);
    ExDirectoryList->clear();
    for (const FolderRow& row : view->folders) {
        auto* line = new QListWidgetItem(QString(row.depth * 2, QLatin1Char(' ')) + FromCore(row.text), ExDirectoryList);
        line->setData(Qt::UserRole, FromCore(row.path));
    }
    ExDirectoryList->setCurrentRow(view->openRow);
    refreshFiles();
    return true;
}

void ExternalForm::refreshFiles() {
    FillListWidget(ExFileList, OutsideFiles(folder_, ImportPattern(ToCore(ExPatternCombo->currentText()))));
}

void ExternalForm::driveChosen(int index) {
    if (State().SuppressEvents || index < 0) return;
    const std::string previous = folder_;
    const std::string drive = ToCore(ExDriveList->itemText(index).left(2)) + "\\";
    if (!showFolder(drive)) {
        Refuse("Drive Not Ready !");
        showFolder(previous);
    }
}

void ExternalForm::folderChosen() {
    if (State().SuppressEvents) return;
    QListWidgetItem* line = ExDirectoryList->currentItem();
    if (!line) return;
    const std::string previous = folder_;
    if (!showFolder(ToCore(line->data(Qt::UserRole).toString()))) {
        Refuse("Drive Not Ready !");
        showFolder(previous);
    }
}

void ExternalForm::importSelected() {
    std::vector<std::string> names;
    for (int i = 0; i < ExFileList->count(); ++i)
        if (ExFileList->item(i)->isSelected()) names.push_back(Trim(ToCore(ExFileList->item(i)->text())));
    const bool subs = mode_ == ImportSubRoutinesMode;
    if (names.empty()) {
        Refuse(subs ? "No Sub-Routines Selected !" : "No Files Selected !", ExFileList);
        return;
    }
    const std::string source = folder_;
    if (Ask(ImportQuestion(names, mode_, State().Config.CurrentDirectory))) {
        if (!DriveReady(source)) {
            Refuse("Disc Not Ready !");
            if (!DriveReady(source)) {
                ExDriveList->setFocus();
                return;
            }
        }
        Show(subs ? ImportSubRoutines(source, names, AskUser()) : ImportFiles(source, names, AskUser()));
    }
    State().Config.ExchangeFolder = source;
    accept();
}

}  // namespace qv::ui
