// The directory window: changes, creates, renames or deletes a program
// directory, by DirectoryMode (1 to 4), one operation per opening.
#pragma once

#include <QDialog>

#include "core/common/Outcome.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv::ui {

class DirectoryForm : public QDialog {
    Q_OBJECT
public:
    /// Lays itself out for DirectoryMode.
    explicit DirectoryForm(QWidget* parent = nullptr);

    /// Shows the window modally; a mode outside 1..4 opens nothing.
    int exec() override;

    QGroupBox* DirectoryFrame = nullptr;
    QGroupBox* ListFrame = nullptr;
    QGroupBox* BoxFrame = nullptr;
    QGroupBox* ButtonFrame = nullptr;
    QLabel* ListLabel = nullptr;
    QLabel* BoxLabel = nullptr;
    QListWidget* DirectoryList = nullptr;
    QLineEdit* DirectoryBox = nullptr;
    QPushButton* DirectoryOk = nullptr;
    QPushButton* DirectoryCncl = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Unloading: the mode goes back to 0, the list and the box are emptied.
    void done(int result) override;

private:
    void layOut();
    void fill();
    void listClicked();
    void listDoubleClicked();
    void directoryOk();
    /// The trimmed selected entry, or "" (after the notice) when none is.
    std::string selectedEntry();
    void changeDirectory();
    void createDirectory();
    void renameDirectory();
    void deleteDirectory();
    /// Shows a name operation's outcome; a refused name keeps the window open.
    void closeUnlessRefused(const Outcome& outcome);

    int mode_ = 0;
};

}  // namespace qv::ui
