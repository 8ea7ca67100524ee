// The twin selection windows (machine, reverse processor): a list of entries
// with OK and Cancel. A subclass says what the list holds and what OK does.
#pragma once

#include <QDialog>
#include <string>

#include "core/common/ListRows.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qv::ui {

class ChoiceForm : public QDialog {
    Q_OBJECT
public:
    /// caption is the window's; listLabel the list's, with its access key.
    ChoiceForm(const QString& objectName, const QString& caption, const QString& listLabel, QWidget* parent);

    QListWidget* MachineList = nullptr;
    QLabel* ListLabel = nullptr;
    QGroupBox* MachineFrame = nullptr;
    QGroupBox* ButtonFrame = nullptr;
    QPushButton* MachineOk = nullptr;
    QPushButton* MachineCncl = nullptr;

protected:
    /// Fills the list; called when the window loads.
    void fill(const ListRows& rows);
    /// Takes the chosen entry's number; the window closes afterwards.
    virtual void choose(std::int16_t number) = 0;
    /// The notice when OK finds nothing selected.
    virtual std::string nothingSelectedText() const = 0;
    void showEvent(QShowEvent* event) override;

private:
    void confirm();
};

}  // namespace qv::ui
