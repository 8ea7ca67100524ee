// Passes every character typed into a text or combo box through FilterKey.
#pragma once

#include <QObject>
#include <cstdint>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace qv::ui {

/// An event filter that swallows the keys FilterKey refuses (FilterKey
/// beeps). Keys that type nothing (arrows, Delete, Tab, Escape, shortcuts)
/// and Enter pass, so the dialog's default button still answers. Paste,
/// drops and input-method text would slip past the filter and are refused.
class KeyFilterHook : public QObject {
    Q_OBJECT
public:
    /// Filters box (a QLineEdit or an editable QComboBox) with mode; the hook
    /// is owned by box. Returns the hook, or nullptr for any other widget.
    static KeyFilterHook* Install(QWidget* box, std::int16_t mode);

    std::int16_t mode() const { return mode_; }
    void setMode(std::int16_t mode) { mode_ = mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilterHook(QLineEdit* edit, std::int16_t mode, QObject* owner);
    /// True when the key event is to be swallowed.
    bool refuses(QKeyEvent* key) const;

    QLineEdit* edit_;
    std::int16_t mode_;
};

}  // namespace qv::ui
