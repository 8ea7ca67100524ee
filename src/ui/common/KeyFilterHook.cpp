// Keystroke filtering for the suite's entry boxes.
#include "ui/common/KeyFilterHook.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "core/tooling/KeyFilter.h"
#include "ui/common/CoreText.h"

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
        const std::string typed = ToCore(text);
        // Keys that type nothing pass; a character beyond 16 bits comes as two units.
        if (typed.size() != 1 || !(text.at(0).isPrint() || text.at(0).isSurrogate())) return false;
        const Qt::KeyboardModifiers mods = key->modifiers();
        const bool altGr = (mods & Qt::ControlModifier) && (mods & Qt::AltModifier);
        if ((mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !altGr) return false;
        // A character the suite's files cannot hold is refused like any other.
        code = typed == "?" && text != QStringLiteral("?") ? 0 : static_cast<unsigned char>(typed[0]);
    }
    KeyFilterMode() = mode_;
    // Limits count the characters the files will hold.
    const std::string current = ToCore(edit_->text());
    return FilterKey(code, mode_, current, static_cast<int>(ToCore(edit_->selectedText()).size())) == 0;
}

}  // namespace qv::ui
