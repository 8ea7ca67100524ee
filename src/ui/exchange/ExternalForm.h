// The import window: programs, drawings and sub-routines from another drive
// or folder, in the mode the main window sets in ExchangeMode.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qv::ui {

class ExternalForm : public QDialog {
    Q_OBJECT
public:
    explicit ExternalForm(QWidget* parent = nullptr);
    ~ExternalForm() override;

    QComboBox* ExDriveList = nullptr;
    QListWidget* ExDirectoryList = nullptr;
    QListWidget* ExFileList = nullptr;
    QComboBox* ExPatternCombo = nullptr;
    QPushButton* SelectAll = nullptr;
    QLabel* ListLabel = nullptr;
    QPushButton* ExternalOk = nullptr;
    QPushButton* ExternalCncl = nullptr;

    /// The folder the lists show, ending in "\".
    const std::string& folder() const { return folder_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Points the lists at folder; false (lists unchanged) when it cannot be read.
    bool showFolder(const std::string& folder);
    void refreshFiles();
    void driveChosen(int index);
    void folderChosen();
    void importSelected();

    std::string folder_;
    std::int16_t mode_ = 0;
};

}  // namespace qv::ui
