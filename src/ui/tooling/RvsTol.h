// The tool entry dialog: shape, size, station and angle of one punch from the
// current tool library. Shown with exec(); on Ok it holds the chosen tool.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/tooling/ToolEntry.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv::ui {

class RvsTol : public QDialog {
    Q_OBJECT
public:
    /// Opens on start's shape, size and station where the library holds them.
    explicit RvsTol(QWidget* parent = nullptr, const ToolRecord& start = ToolRecord());

    /// Shows the dialog modally: the tool confirmed with Ok, or nothing.
    static std::optional<ToolRecord> Choose(QWidget* parent, const ToolRecord& start);
    /// The tool confirmed with Ok; nothing before that or after Cancel.
    const std::optional<ToolRecord>& chosenTool() const { return chosen_; }

    /// Prompt(1) to Prompt(4) are Prompt[0] to Prompt[3].
    std::array<QLabel*, 4> Prompt{};
    QComboBox* ShapeList = nullptr;
    QComboBox* SizeList = nullptr;
    QComboBox* StnList = nullptr;
    QComboBox* AngList = nullptr;
    QLineEdit* AngBox = nullptr;
    QFrame* ButtonPanel = nullptr;
    QPushButton* InptOk = nullptr;
    QPushButton* InptCncl = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createLayout();
    /// Shows the lists, choices and visibility the dialog's state holds.
    void showEntry();
    void confirm();
    QWidget* control(EntryControl which) const;

    ToolEntry entry_;
    std::optional<ToolRecord> chosen_;
};

}  // namespace qv::ui
