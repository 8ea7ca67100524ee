// The file window: deletes programs and drawings, renames or copies one
// under a new name, or moves or copies several to another directory, maybe
// of another machine, by FileMode (1 to 5), one operation per opening.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv::ui {

class FileForm : public QDialog {
    Q_OBJECT
public:
    /// Lays itself out for FileMode.
    explicit FileForm(QWidget* parent = nullptr);

    /// Shows the window modally; a mode outside 1..5 opens nothing.
    int exec() override;

    // Control arrays by their indexes (element 0 unused): FileList(1) takes
    // one name (rename, copy as), FileList(2) several; FileCheck(1) is
    // "Drawings", FileCheck(2) "Programs".
    std::array<QListWidget*, 3> FileList{};
    std::array<QCheckBox*, 3> FileCheck{};
    QLineEdit* FileBox = nullptr;
    QComboBox* DirectoryList = nullptr;
    QComboBox* MachineList = nullptr;
    QPushButton* FileOk = nullptr;
    QPushButton* FileCncl = nullptr;
    QGroupBox* FileFrame = nullptr;
    QGroupBox* ListFrame = nullptr;
    QGroupBox* BoxFrame = nullptr;
    QGroupBox* DirListFrame = nullptr;
    QGroupBox* MchListFrame = nullptr;
    QGroupBox* CheckFrame = nullptr;
    QGroupBox* ButtonFrame = nullptr;
    QLabel* ListLabel = nullptr;
    QLabel* BoxLabel = nullptr;
    QLabel* DirListLabel = nullptr;
    QLabel* MchListLabel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Unloading: the mode goes back to 0, the lists and the box are emptied.
    void done(int result) override;

private:
    void createControls();
    void layOut();
    QListWidget* modeList() const;
    std::int16_t kind() const;
    void fillFileList();
    void fillDirectoryList(const std::string& machine);
    void checkClicked();
    void fileClicked();
    void fileDoubleClicked();
    void machineClicked();
    void fileOk();
    void deleteFiles();
    void nameFile();
    void transferFiles();
    /// The trimmed texts of FileList(2)'s selected lines, in list order.
    std::vector<std::string> selectedNames() const;

    int mode_ = 0;
    bool several_ = false;  // modes 1, 4, 5
    bool targets_ = false;  // modes 4, 5
};

}  // namespace qv::ui
