// The file search window.
#include "ui/folders/SearchForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "core/folders/FileSearch.h"
#include "ui/common/Messages.h"
#include "ui/common/WaitCursor.h"
#include "ui/common/CoreText.h"

namespace qv::ui {
namespace {

bool ValidMode(std::int16_t mode) { return mode == 2 || mode == 3; }

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* Label(const char* caption, const char* name, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

SearchForm::SearchForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("File Search"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    State().Search = SearchResult{};
    createCriteria();
    createResults();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriteriaFrame);
    layout->addWidget(SearchFrame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SearchFrame->hide();

    SuppressEventsScope quiet;
    const bool programsOnly = State().Modes.SearchMode == 2;
    FileCheck[1]->setChecked(!programsOnly);
    FileCheck[2]->setChecked(true);
    CheckFrame->setVisible(!programsOnly);
    if (programsOnly) CriteriaLabel[1]->setText(QStringLiteral("Programs"));
}

void SearchForm::createCriteria() {
    CriteriaFrame = new QGroupBox(this);
    CriteriaFrame->setObjectName(QStringLiteral("CriteriaFrame"));
    auto* grid = new QGridLayout(CriteriaFrame);
    CriteriaLabel[0] = Label("Search Text", "CriteriaLabel0", CriteriaFrame);
    CriteriaBox = new QLineEdit(CriteriaFrame);
    CriteriaBox->setObjectName(QStringLiteral("CriteriaBox"));
    CriteriaBox->setMinimumWidth(260);
    CriteriaLabel[0]->setBuddy(CriteriaBox);
    CriteriaLabel[1] = Label("File Types", "CriteriaLabel1", CriteriaFrame);
    CheckFrame = new QGroupBox(CriteriaFrame);
    CheckFrame->setObjectName(QStringLiteral("CheckFrame"));
    auto* checks = new QHBoxLayout(CheckFrame);
    const char* captions[] = {"Drawings", "Programs"};
    for (int i = 1; i <= 2; ++i) {
        FileCheck[i] = new QCheckBox(QString::fromLatin1(captions[i - 1]), CheckFrame);
        FileCheck[i]->setObjectName(QStringLiteral("FileCheck%1").arg(i));
        checks->addWidget(FileCheck[i]);
    }
    CriteriaOk = Button("OK", "CriteriaOk", CriteriaFrame);
    CriteriaOk->setDefault(true);
    CriteriaCncl = Button("Cancel", "CriteriaCncl", CriteriaFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CriteriaOk);
    buttons->addWidget(CriteriaCncl);
    grid->addWidget(CriteriaLabel[0], 0, 0);
    grid->addWidget(CriteriaBox, 0, 1);
    grid->addWidget(CriteriaLabel[1], 1, 0);
    grid->addWidget(CheckFrame, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(CriteriaOk, &QPushButton::clicked, this, &SearchForm::criteriaOk);
    connect(CriteriaCncl, &QPushButton::clicked, this, &QDialog::reject);
}

void SearchForm::createResults() {
    SearchFrame = new QGroupBox(this);
    SearchFrame->setObjectName(QStringLiteral("SearchFrame"));
    auto* grid = new QGridLayout(SearchFrame);
    SearchLabel[0] = Label("Searched For", "SearchLabel0", SearchFrame);
    SearchLabel[2] = Label("", "SearchLabel2", SearchFrame);
    SearchLabel[1] = Label("File Name", "SearchLabel1", SearchFrame);
    DirectoryHeading = Label("Directory", "DirectoryHeading", SearchFrame);
    for (int i = 1; i <= 2; ++i) {
        QListWidget* list = SearchList[i] = new QListWidget(SearchFrame);
        list->setObjectName(QStringLiteral("SearchList%1").arg(i));
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        list->setUniformItemSizes(true);
        list->setMinimumWidth(i == 1 ? 220 : 200);
        // Exactly VisibleRows rows, so that the lists' own ranges match the bar's.
        list->addItem(QStringLiteral("X"));
        list->setFixedHeight(VisibleRows * list->sizeHintForRow(0) + 2 * list->frameWidth());
        list->clear();
    }
    SearchList[2]->setFocusPolicy(Qt::NoFocus);
    SearchLabel[1]->setBuddy(SearchList[1]);
    SearchBar = new QScrollBar(Qt::Vertical, SearchFrame);
    SearchBar->setObjectName(QStringLiteral("SearchBar"));
    SearchBar->setRange(0, 0);
    SearchBar->setPageStep(VisibleRows);
    NotSearchedLabel = Label("", "NotSearchedLabel", SearchFrame);
    NotSearchedLabel->setWordWrap(true);
    NotSearchedLabel->hide();
    SearchOk = Button("OK", "SearchOk", SearchFrame);
    SearchCncl = Button("Cancel", "SearchCncl", SearchFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SearchOk);
    buttons->addWidget(SearchCncl);
    auto* top = new QHBoxLayout;
    top->addWidget(SearchLabel[0]);
    top->addWidget(SearchLabel[2], 1);
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(SearchLabel[1], 1, 0);
    grid->addWidget(DirectoryHeading, 1, 1);
    grid->addWidget(SearchList[1], 2, 0);
    grid->addWidget(SearchList[2], 2, 1);
    grid->addWidget(SearchBar, 2, 2);
    grid->addWidget(NotSearchedLabel, 3, 0, 1, 3);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setHorizontalSpacing(0);

    for (int i = 1; i <= 2; ++i) {
        connect(SearchList[i], &QListWidget::currentRowChanged, this, [this, i](int row) { rowChosen(i, row); });
        connect(SearchList[i], &QListWidget::itemDoubleClicked, this, &SearchForm::searchOk);
        connect(SearchList[i]->verticalScrollBar(), &QScrollBar::valueChanged, SearchBar, &QScrollBar::setValue);
    }
    connect(SearchList[2], &QListWidget::itemPressed, this, [this] { SearchList[1]->setFocus(); });
    connect(SearchBar, &QScrollBar::valueChanged, this, [this](int top) {
        for (int i = 1; i <= 2; ++i) SearchList[i]->verticalScrollBar()->setValue(top);
    });
    connect(SearchOk, &QPushButton::clicked, this, &SearchForm::searchOk);
    connect(SearchCncl, &QPushButton::clicked, this, &QDialog::reject);
}

int SearchForm::exec() {
    if (!ValidMode(State().Modes.SearchMode)) {
        State().Modes.SearchMode = 0;
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void SearchForm::done(int result) {
    State().Modes.SearchMode = 0;
    QDialog::done(result);
}

void SearchForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (CriteriaFrame->isVisible()) CriteriaBox->setFocus();
}

int SearchForm::kind() const {
    return (FileCheck[1]->isChecked() ? 1 : 0) + (FileCheck[2]->isChecked() ? 2 : 0);
}

void SearchForm::criteriaOk() {
    const std::string text = Trim(ToCore(CriteriaBox->text()));
    const int k = kind();
    WaitCursor busy;
    const FileSearch found = SearchFiles(State().Mach.MachineFolder, text, k);
    busy.restore();
    if (!found.outcome.done()) {
        Show(found.outcome);
        CriteriaBox->setFocus();
        return;
    }
    showResults(found, text, k);
}

void SearchForm::showResults(const FileSearch& found, const std::string& text, int k) {
    {
        SuppressEventsScope quiet;
        for (int i = 1; i <= 2; ++i) {
            const std::vector<std::string>& column = i == 1 ? found.names : found.directories;
            SearchList[i]->clear();
            for (const std::string& item : column) SearchList[i]->addItem(FromCore(item));
            SearchList[i]->setCurrentRow(0);
        }
        SearchBar->setRange(0, std::max(0, static_cast<int>(found.names.size()) - VisibleRows));
        SearchBar->setValue(0);
        SearchLabel[2]->setText(FromCore(SearchTextCaption(text)));
        SearchLabel[0]->setText(FromCore(SearchKindCaption(k)));
        const std::string note = found.unreadableNote();
        NotSearchedLabel->setText(FromCore(note));
        NotSearchedLabel->setVisible(!note.empty());
        CriteriaFrame->hide();
        SearchFrame->show();
        CriteriaOk->setDefault(false);
        SearchOk->setDefault(true);
    }
    SearchList[1]->setFocus();
}

void SearchForm::rowChosen(int list, int row) {
    if (State().SuppressEvents || inStep_ || row < 0) return;
    inStep_ = true;
    SearchList[list == 1 ? 2 : 1]->setCurrentRow(row);
    SearchBar->setValue(SearchList[1]->verticalScrollBar()->value());
    inStep_ = false;
    SearchList[1]->setFocus();
}

void SearchForm::searchOk() {
    const int row = SearchList[1]->currentRow();
    if (row < 0) return;
    SearchResult& result = State().Search;
    result.Found = true;
    result.MachineFolder = State().Mach.MachineFolder;
    result.Directory = Trim(ToCore(SearchList[2]->item(row)->text()));
    result.FileName = Trim(ToCore(SearchList[1]->item(row)->text()));
    accept();
}

}  // namespace qv::ui
