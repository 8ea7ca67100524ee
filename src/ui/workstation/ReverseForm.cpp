// The main window's menus, start-up and status bar.
#include "ui/workstation/ReverseForm.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/common/Messages.h"
#include "core/common/State.h"
#include "core/startup/Startup.h"
#include "ui/common/CoreText.h"
#include "ui/startup/EngineForm.h"
#include "ui/startup/MachineForm.h"
#include "ui/workstation/MenuWiring.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/StatusBar.h"

namespace qv::ui {

ReverseForm::ReverseForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("ReverseForm"));
    setWindowTitle(QStringLiteral("Reverse Engineering"));
    createMenus();

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    centre_ = new QStackedWidget(body);
    idle_ = createIdlePage();
    centre_->addWidget(idle_);
    programPage_ = new QWidget(centre_);
    auto* programLayout = new QHBoxLayout(programPage_);
    ProgFrame = new ProgramFrame(programPage_);
    programLayout->addStretch();
    programLayout->addWidget(ProgFrame);
    programLayout->addStretch();
    centre_->addWidget(programPage_);
    RvsBck = new ReversePanel(centre_);
    centre_->addWidget(RvsBck);
    layout->addWidget(centre_, 1);
    statusBar_ = new StatusBar(body);
    layout->addWidget(statusBar_);
    setCentralWidget(body);
    connectRun();
    ConnectDirectoryAndFileMenus(*this);
    ConnectSearchEditSubMenus(*this);
    ConnectImportMenus(*this);
    connectView();
    // Never smaller than the reverse panel needs; the drawing takes any room beyond.
    setMinimumSize(sizeHint());
    restoreWindow();
}

ReverseForm::~ReverseForm() = default;

QWidget* ReverseForm::createIdlePage() {
    auto* page = new QWidget(centre_);
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(QStringLiteral("Reverse Engineering"), page);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* hint = new QLabel(QStringLiteral("Choose Reverse to turn a program back into a drawing."), page);
    for (QLabel* label : {title, hint}) label->setAlignment(Qt::AlignCenter);
    hint->setEnabled(false);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addStretch();
    return page;
}

void ReverseForm::createMenus() {
    auto item = [this](QMenu* menu, const char* caption, const char* name) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    MachineItem[1] = item(FileMenu, "Select &Machine", "MachineItem1");
    MachineItem[2] = item(FileMenu, "Select &Reverse", "MachineItem2");
    FileMenu->addSeparator();
    const char* directoryCaptions[] = {"Change &Directory", "Create Directory", "Rename Directory",
                                       "Delete Directory"};
    for (int i = 1; i <= 4; ++i)
        DirectoryItem[i] = item(FileMenu, directoryCaptions[i - 1], ("DirectoryItem" + std::to_string(i)).c_str());
    FileMenu->addSeparator();
    SearchItem = item(FileMenu, "File &Search", "SearchItem");
    FileMenu->addSeparator();
    const char* fileCaptions[] = {"Delete File(s)", "Rename File As ...", "Copy File As ...",
                                  "Move File(s) To ...", "Copy File(s) To ..."};
    for (int i = 1; i <= 5; ++i)
        FileItem[i] = item(FileMenu, fileCaptions[i - 1], ("FileItem" + std::to_string(i)).c_str());
    FileMenu->addSeparator();
    ImportItem[1] = item(FileMenu, "Import Program(s)", "ImportItem1");
    ImportItem[2] = item(FileMenu, "Import Sub-Routine(s)", "ImportItem2");
    FileMenu->addSeparator();
    const char* subCaptions[] = {"Delete Sub-Routine(s)", "Rename Sub-Routine", "Copy Sub-Routine"};
    for (int i = 1; i <= 3; ++i)
        SubItem[i] = item(FileMenu, subCaptions[i - 1], ("SubItem" + std::to_string(i)).c_str());
    FileMenu->addSeparator();
    Exit = item(FileMenu, "E&xit", "Exit");

    EditMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    EditItem[1] = item(EditMenu, "Edit &Program", "EditItem1");
    EditItem[2] = item(EditMenu, "Edit Sub-Routine", "EditItem2");

    ReverseEngineer = menuBar()->addAction(QStringLiteral("&Reverse"));
    ReverseEngineer->setObjectName(QStringLiteral("ReverseEngineer"));

    // Windows that are not built yet stay disabled rather than pretend.
    for (QAction* a : {DirectoryItem[1], DirectoryItem[2], DirectoryItem[3], DirectoryItem[4], SearchItem,
                       FileItem[1], FileItem[2], FileItem[3], FileItem[4], FileItem[5], ImportItem[1],
                       ImportItem[2], SubItem[1], SubItem[2], SubItem[3], EditItem[1], EditItem[2],
                       MachineItem[1], MachineItem[2]})
        a->setEnabled(false);

    connect(MachineItem[1], &QAction::triggered, this, &ReverseForm::selectMachine);
    connect(MachineItem[2], &QAction::triggered, this, &ReverseForm::selectReverse);
    connect(Exit, &QAction::triggered, this, &QWidget::close);
}

bool ReverseForm::load() {
    const Status started = RunStartup();
    if (!started) {
        Notify(started.message() + "\n\nQuorvane cannot start.");
        return false;
    }
    MachineItem[1]->setEnabled(CanSelectMachine());
    MachineItem[2]->setEnabled(CanSelectReverse());
    PaintStatusBar();
    return true;
}

void ReverseForm::EnableMenus() {
    FileMenu->setEnabled(true);
    EditMenu->setEnabled(true);
    ReverseEngineer->setEnabled(true);
}

void ReverseForm::DisableMenus() {
    FileMenu->setEnabled(false);
    EditMenu->setEnabled(false);
    ReverseEngineer->setEnabled(false);
}

void ReverseForm::runModal(const std::function<void()>& show, const std::function<void()>& after) {
    DisableMenus();
    show();
    EnableMenus();
    if (after) after();
}

void ReverseForm::selectMachine() {
    runModal([this] { MachineForm(this).exec(); }, [this] { PaintStatusBar(); });
}

void ReverseForm::selectReverse() {
    runModal([this] { EngineForm(this).exec(); }, [this] { PaintStatusBar(); });
}

void ReverseForm::PaintStatusBar() {
    const ModuleState& s = State();
    statusBar_->setTexts(FromCore(s.Config.CurrentDirectory),
                         FromCore(s.Reverse.ReverseName),
                         FromCore(s.Mach.MachineFolder));
}

}  // namespace qv::ui
