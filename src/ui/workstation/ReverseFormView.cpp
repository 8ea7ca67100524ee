// The main window's drawings: the reverse panel's view of the drawing as it
// would be accepted, the program frame's preview, and the window's size and
// place, remembered for the user.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/workstation/DisplayList.h"
#include "ui/common/CoreText.h"
#include "ui/workstation/DrawingView.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/TurretTable.h"

namespace qv::ui {
namespace {

// Typing "1000" in a box should not rebuild the drawing four times.
constexpr int kRedrawPauseMs = 150;
constexpr int kFirstExtraWidth = 320;
constexpr int kFirstExtraHeight = 240;

QSettings UserSettings() { return QSettings(QStringLiteral("Quorvane"), QStringLiteral("Quorvane")); }

int StationOfRow(int row) {
    const ReverseRunState& run = ReverseRun();
    if (row < 0 || row >= run.TurretCount) return -1;
    return run.TurretOrder[static_cast<std::size_t>(row)];
}

}  // namespace

void ReverseForm::connectView() {
    viewTimer_ = new QTimer(this);
    viewTimer_->setSingleShot(true);
    viewTimer_->setInterval(kRedrawPauseMs);
    connect(viewTimer_, &QTimer::timeout, this, [this] { refreshView(true); });
    for (int i = 1; i <= 4; ++i)
        connect(RvsBck->ShtBox[i], &QLineEdit::textEdited, viewTimer_, qOverload<>(&QTimer::start));
    connect(RvsBck->Trt, &TurretTable::confirmationsChanged, this, [this] {
        if (RvsBck->isVisible()) refreshView(true);
    });
    connect(RvsBck->Trt, &TurretTable::rowSelected, this, &ReverseForm::highlightRow);
    connect(RvsBck->View, &DrawingView::stationClicked, this, &ReverseForm::stationClicked);
    connect(ProgFrame->ProgList, &QListWidget::currentRowChanged, this, &ReverseForm::previewProgram);
}

// Shows what accepting would write: the boxes after the machine's sheet and
// clamp rules, each station's tool as the user has confirmed it so far.
void ReverseForm::refreshView(bool keepView) {
    viewTimer_->stop();
    std::array<std::string, 4> texts;
    for (int i = 1; i <= 4; ++i) texts[i - 1] = ToCore(RvsBck->ShtBox[i]->text());
    const ReverseRunState& run = ReverseRun();
    Result<DisplayList> list =
        BuildDisplayList(run.ProgramPath + ".drw", PanelDisplaySource(run, texts, State().Mach));
    RvsBck->View->setInchUnits(State().Mach.InchUnits);
    if (!list.ok()) {
        RvsBck->View->clear(FromCore(list.message()));
        return;
    }
    RvsBck->View->setList(std::move(*list), keepView);
}

void ReverseForm::highlightRow(int row) { RvsBck->View->setHighlightStation(StationOfRow(row)); }

void ReverseForm::stationClicked(int station) {
    for (int row = 0; row < RvsBck->Trt->rowCount(); ++row) {
        if (StationOfRow(row) == station) {
            RvsBck->Trt->selectRow(row, false);
            return;
        }
    }
}

void ReverseForm::previewProgram() {
    QListWidgetItem* line = ProgFrame->ProgList->currentItem();
    const std::string name = line ? Trim(ToCore(line->text())) : std::string();
    if (name.empty()) {
        ProgFrame->Preview->clear();
        return;
    }
    const std::string path = State().Config.CurrentDirectoryPath + name + ".drw";
    Result<DisplayList> list = BuildDisplayList(path);
    if (list.ok()) {
        ProgFrame->Preview->setList(std::move(*list), false);
    } else {
        ProgFrame->Preview->clear(list.kind() == ErrorKind::NotFound ? QStringLiteral("No drawing yet")
                                                                      : FromCore(list.message()));
    }
}

void ReverseForm::restoreWindow() {
    const QByteArray geometry = UserSettings().value(QStringLiteral("MainWindow/Geometry")).toByteArray();
    if (!geometry.isEmpty() && restoreGeometry(geometry)) return;
    // The first time, room for the drawing beside the table, as far as the screen allows.
    QSize size = minimumSize() + QSize(kFirstExtraWidth, kFirstExtraHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size()).expandedTo(minimumSize());
    resize(size);
}

void ReverseForm::closeEvent(QCloseEvent* event) {
    UserSettings().setValue(QStringLiteral("MainWindow/Geometry"), saveGeometry());
    QMainWindow::closeEvent(event);
}

}  // namespace qv::ui
