// The main window: menus that open the other windows, the program frame of a
// reverse run, the reverse panel and the status bar.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QStackedWidget;
class QTimer;

namespace qv {
struct ReversePanel;  // what a run gives the panel to show
}

namespace qv::ui {

class StatusBar;
class ProgramFrame;
class ReversePanel;
class Review;

class ReverseForm : public QMainWindow {
    Q_OBJECT
public:
    explicit ReverseForm(QWidget* parent = nullptr);
    ~ReverseForm() override;

    /// Runs the start-up before the window is first shown; false when the
    /// installation cannot be used (the user has been told why).
    bool load();

    void EnableMenus();
    void DisableMenus();
    void PaintStatusBar();
    /// The steps every menu item shares: menus off, the window shown
    /// modally, menus on again, then what that item does afterwards.
    void runModal(const std::function<void()>& show, const std::function<void()>& after = {});

    // Menu items, by the control arrays' indexes (element 0 unused).
    std::array<QAction*, 3> MachineItem{};
    std::array<QAction*, 5> DirectoryItem{};
    QAction* SearchItem = nullptr;
    std::array<QAction*, 6> FileItem{};
    std::array<QAction*, 3> ImportItem{};
    std::array<QAction*, 4> SubItem{};
    QAction* Exit = nullptr;
    std::array<QAction*, 3> EditItem{};
    QAction* ReverseEngineer = nullptr;

    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    StatusBar* statusBar() const { return statusBar_; }
    ProgramFrame* ProgFrame = nullptr;
    ReversePanel* RvsBck = nullptr;
    /// The review window while it is open.
    Review* reviewWindow() const { return review_; }

private:
    void createMenus();
    QWidget* createIdlePage();
    void selectMachine();
    void selectReverse();

    // The reverse run (ReverseFormRun.cpp).
    void connectRun();
    void openProgramList();
    void fillProgramList(const std::string& current, int mode);
    void directoryChosen();
    void progOk();
    void progCncl();
    void showPanel(const qv::ReversePanel& panel);
    void selectTool();
    void materialChosen();
    void viewProgram();
    void rvsOk();
    void rvsCncl();
    void closeReview();

    // The drawing view and the program preview (ReverseFormView.cpp).
    void connectView();
    void refreshView(bool keepView);
    void previewProgram();
    void highlightRow(int row);
    void stationClicked(int station);

    void closeEvent(QCloseEvent* event) override;
    void restoreWindow();

    StatusBar* statusBar_ = nullptr;
    QStackedWidget* centre_ = nullptr;
    QWidget* idle_ = nullptr;
    QWidget* programPage_ = nullptr;
    Review* review_ = nullptr;
    QTimer* viewTimer_ = nullptr;  // redraws once typing in a box pauses
};

}  // namespace qv::ui
