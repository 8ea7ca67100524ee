// The sub-routine window: deletes, renames, copies or edits the reverse
// product's sub-routines, by SubMode (1 to 4), one operation per opening.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv::ui {

class SubForm : public QDialog {
    Q_OBJECT
public:
    explicit SubForm(QWidget* parent = nullptr);

    /// Opens nothing for a mode outside 1 to 4.
    int exec() override;
    /// Closing resets SubMode to 0.
    void done(int result) override;

    QGroupBox* SubFrame = nullptr;
    QGroupBox* ListFrame = nullptr;
    QGroupBox* BoxFrame = nullptr;
    QGroupBox* ButtonFrame = nullptr;
    QLabel* ListLabel = nullptr;
    QLabel* BoxLabel = nullptr;
    /// [1] one sub-routine (rename, copy, edit), [2] several (delete).
    std::array<QListWidget*, 3> SubList{};
    QLineEdit* SubBox = nullptr;  // the new name
    QPushButton* SubOk = nullptr;
    QPushButton* SubCncl = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list() const { return SubList[mode_ == 1 ? 2 : 1]; }
    void layOut();
    void subOk();
    void doubleClicked();

    std::int16_t mode_;
};

}  // namespace qv::ui
