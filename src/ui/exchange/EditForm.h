// The edit window: a program directory and one of its programs, handed to
// the external editor. Falls back on the recent program when none is picked
// and offers the file search to find one by name.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qv::ui {

class EditForm : public QDialog {
    Q_OBJECT
public:
    /// Loads for EditMode 1 (Edit Program); paintStatusBar redraws the main
    /// window's status bar after each change of the current directory.
    explicit EditForm(std::function<void()> paintStatusBar, QWidget* parent = nullptr);

    /// Opens nothing for a mode other than 1.
    int exec() override;
    /// Closing resets EditMode to 0 and empties the program list.
    void done(int result) override;

    QGroupBox* DirectoryFrame = nullptr;
    QLabel* DirectoryLabel = nullptr;
    QComboBox* DirectoryList = nullptr;
    QGroupBox* ListFrame = nullptr;
    QLabel* ListLabel = nullptr;
    std::array<QListWidget*, 2> EditList{};  // element 1: the programs
    QPushButton* EditOk = nullptr;
    QPushButton* EditCncl = nullptr;
    QPushButton* Search = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void fillPrograms(const std::string& current, int mode);
    void fillDirectories();
    void directoryChosen();
    void editOk();
    void search();

    std::function<void()> paintStatusBar_;
};

}  // namespace qv::ui
