// The main window's part of a reverse run: the program frame, the processor
// run, the reverse panel and its two ways out.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "core/tooling/Material.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/RecentFile.h"
#include "core/workstation/ReverseRunSteps.h"
#include "ui/common/Messages.h"
#include "ui/common/CoreText.h"
#include "ui/common/ListFill.h"
#include "ui/common/WaitCursor.h"
#include "ui/tooling/RvsTol.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/Review.h"
#include "ui/workstation/TurretTable.h"

namespace qv::ui {

void ReverseForm::connectRun() {
    connect(ReverseEngineer, &QAction::triggered, this, &ReverseForm::openProgramList);
    connect(ProgFrame->DirectoryList, qOverload<int>(&QComboBox::activated), this, &ReverseForm::directoryChosen);
    connect(ProgFrame->ProgList, &QListWidget::itemDoubleClicked, this, &ReverseForm::progOk);
    connect(ProgFrame->ProgOk, &QPushButton::clicked, this, &ReverseForm::progOk);
    connect(ProgFrame->ProgCncl, &QPushButton::clicked, this, &ReverseForm::progCncl);
    connect(RvsBck->SelectTool, &QPushButton::clicked, this, &ReverseForm::selectTool);
    connect(RvsBck->Trt, &TurretTable::rowActivated, this, &ReverseForm::selectTool);
    connect(RvsBck->MaterialList, qOverload<int>(&QComboBox::activated), this, &ReverseForm::materialChosen);
    connect(RvsBck->ViewProgram, &QPushButton::clicked, this, &ReverseForm::viewProgram);
    connect(RvsBck->RvsOk, &QPushButton::clicked, this, &ReverseForm::rvsOk);
    connect(RvsBck->RvsCncl, &QPushButton::clicked, this, &ReverseForm::rvsCncl);
}

void ReverseForm::fillProgramList(const std::string& current, int mode) {
    const ModuleState& s = State();
    WaitCursor busy;
    FillListWidget(ProgFrame->ProgList, FillFileList(s.Mach.MachineFolder, s.Config.CurrentDirectory, current, mode, 2, ""));
}

void ReverseForm::openProgramList() {
    DisableMenus();
    {
        SuppressEventsScope quiet;
        ModuleState& s = State();
        if (HasColon(s.Config.CurrentDirectory)) {
            SelectCurrentDirectory("");
            PaintStatusBar();
        }
        std::string directory, name;
        if (RecallLastFile(directory, name)) {
            SelectCurrentDirectory(directory);
            PaintStatusBar();
            fillProgramList(name, 2);
        } else {
            fillProgramList("", 0);
        }
        WaitCursor busy;
        FillComboBox(ProgFrame->DirectoryList,
                  FillDirectoryList(s.Mach.MachineFolder, s.Config.CurrentDirectory, true, true, 2));
    }
    centre_->setCurrentWidget(programPage_);
    ProgFrame->ProgList->setFocus();
}

void ReverseForm::directoryChosen() {
    if (State().SuppressEvents) return;
    SelectCurrentDirectory(Trim(ToCore(ProgFrame->DirectoryList->currentText())));
    fillProgramList("", 0);
    PaintStatusBar();
    if (ProgFrame->isVisible()) ProgFrame->ProgList->setFocus();
}

void ReverseForm::progCncl() {
    centre_->setCurrentWidget(idle_);
    EnableMenus();
}

void ReverseForm::progOk() {
    QListWidgetItem* line = ProgFrame->ProgList->currentItem();
    const std::string selected = line && line->isSelected() ? ToCore(line->text()) : std::string();
    std::optional<WaitCursor> busy;
    ReverseRunHooks hooks;
    hooks.ask = AskUser();
    hooks.programChosen = [this](const RunRequest& request) {
        if (request.directoryChanged) PaintStatusBar();
        centre_->setCurrentWidget(idle_);
    };
    hooks.waiting = [this, &busy] {
        repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        busy.emplace();
    };
    const RunOutcome run = RunReverse(selected, hooks);
    busy.reset();
    for (const Outcome& notice : run.notices) Show(notice);
    if (!run.programChosen) {
        ProgFrame->ProgList->setFocus();
        return;
    }
    if (!run.panel) {
        EnableMenus();
        return;
    }
    showPanel(*run.panel);
}

void ReverseForm::showPanel(const qv::ReversePanel& panel) {
    for (int i = 1; i <= 4; ++i) RvsBck->ShtBox[i]->setText(FromCore(panel.sheetTexts[i - 1]));
    RvsBck->Trt->fill(panel.rows, panel.selectedRow);
    {
        SuppressEventsScope quiet;
        FillComboBox(RvsBck->MaterialList, panel.materials);
        if (RvsBck->MaterialList->currentIndex() < 0 && RvsBck->MaterialList->count() > 0)
            RvsBck->MaterialList->setCurrentIndex(0);
    }
    RvsBck->ViewPanel->setTitle(FromCore(panel.caption));
    RvsBck->RvsOk->setDefault(true);
    centre_->setCurrentWidget(RvsBck);
    refreshView(false);
    highlightRow(panel.selectedRow);
    RvsBck->Trt->TrtList[1]->setFocus();
}

void ReverseForm::materialChosen() {
    if (State().SuppressEvents) return;
    const std::string name = Trim(ToCore(RvsBck->MaterialList->currentText()));
    Tooling().CurrentMaterial = name;
    SelectMaterial(name);
}

void ReverseForm::viewProgram() {
    if (!review_) {
        review_ = new Review(this);
        review_->setAttribute(Qt::WA_DeleteOnClose);
        connect(review_, &QObject::destroyed, this, [this, window = review_] {
            if (review_ == window) review_ = nullptr;
        });
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

void ReverseForm::closeReview() {
    if (review_) {
        review_->close();  // deletes itself later
        review_ = nullptr;
    }
}

void ReverseForm::rvsOk() {
    std::array<std::string, 4> texts;
    for (int i = 1; i <= 4; ++i) texts[i - 1] = ToCore(RvsBck->ShtBox[i]->text());
    std::optional<WaitCursor> busy(std::in_place);
    const Outcome outcome = AcceptResult(texts);
    busy.reset();
    // The window is back to idle before the user reads the closing notice.
    if (outcome.done()) {
        centre_->setCurrentWidget(idle_);
        closeReview();
    }
    Show(outcome);
    if (outcome.done()) EnableMenus();
}

void ReverseForm::rvsCncl() {
    // Discarding touches no file: the processor's drawing and the exchange
    // files stay as the processor left them.
    centre_->setCurrentWidget(idle_);
    closeReview();
    EnableMenus();
}

void ReverseForm::selectTool() {
    const int row = RvsBck->Trt->selectedRow();
    if (row < 0) return;
    if (const std::optional<ToolRecord> chosen = RvsTol::Choose(this, TurretRowTool(ReverseRun(), row)))
        RvsBck->Trt->setRow(row, ApplyChosenTool(row, *chosen, State().Mach.InchUnits));
    RvsBck->Trt->TrtList[1]->setFocus();
    RvsBck->RvsOk->setDefault(true);
}

}  // namespace qv::ui
