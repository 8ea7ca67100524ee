// Keystroke filtering for the suite's entry boxes.
#include "ui/common/KeyFilterHook.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "core/tooling/KeyFilter.h"

namespace qv::ui {

KeyFilterHook* KeyFilterHook::Install(QWidget* box, std::int16_t mode) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(box);
    if (auto* combo = qobject_cast<QComboBox*>(box)) edit = combo->lineEdit();
    if (!edit) return nullptr;
    // The typed text reaches an editable combo box itself, which hands it on
    // to its line edit; the hook sits where the keys arrive.
    auto* hook = new KeyFilterHook(edit, mode, box);
    box->installEventFilter(hook);
    if (box != edit) edit->installEventFilter(hook);
    // Text that arrives other than by single keys would bypass the filter.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return hook;
}

KeyFilterHook::KeyFilterHook(QLineEdit* edit, std::int16_t mode, QObject* owner)
    : QObject(owner), edit_(edit), mode_(mode) {}

bool KeyFilterHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && refuses(static_cast<QKeyEvent*>(event))) return true;
    return QObject::eventFilter(watched, event);
}

bool KeyFilterHook::refuses(QKeyEvent* key) const {
    int code = 0;
    if (key->matches(QKeySequence::Paste)) {
        code = 22;  // Ctrl+V as a typed character, which no mode accepts
    } else if (key->key() == Qt::Key_Backspace) {
        code = KeyBackspace;
    } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        return false;
    } else {
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint()) return false;  // types nothing
        const Qt::KeyboardModifiers mods = key->modifiers();
        const bool altGr = (mods & Qt::ControlModifier) && (mods & Qt::AltModifier);
        if ((mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !altGr) return false;
        code = text.at(0).unicode();
    }
    KeyFilterMode() = mode_;
    const std::string current = edit_->text().toStdString();
    return FilterKey(code, mode_, current, static_cast<int>(edit_->selectedText().size())) == 0;
}

}  // namespace qv::ui
