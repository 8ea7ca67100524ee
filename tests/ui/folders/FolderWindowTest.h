// The directory and file windows opened from the main window's File menu on
// the demo installation: a row acts on the window and presses OK; the test
// reads back the messages, whether the window stayed open and where its focus
// went, the window mode and the folders.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <functional>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {

/// Passes messages on to a recorder and runs a hook after each notice: a
/// disc put in while a notice is up.
class HookedSink : public MessageSink {
public:
    explicit HookedSink(MessageRecorder& inner) : inner_(inner), scope_(*this) {}
    void notify(const std::string& text) override {
        inner_.notify(text);
        if (onNotify) onNotify();
    }
    std::int16_t ask(const std::string& text) override { return inner_.ask(text); }
    void beep() override { inner_.beep(); }
    std::function<void()> onNotify;

private:
    MessageRecorder& inner_;
    ScopedMessageSink scope_;
};

/// Selects the lines of list with these texts.
inline void Select(QListWidget* list, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        const auto found = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
        if (found.isEmpty()) ADD_FAILURE() << "no line " << text;
        for (QListWidgetItem* line : found) {
            list->setCurrentItem(line);
            line->setSelected(true);
        }
    }
}

/// Host-side names of a demo folder; empty when it is gone.
inline std::vector<std::string> Names(const DemoInstallation& demo, const std::string& folder) {
    return demo.exists(folder) ? demo.names(folder) : std::vector<std::string>{};
}

constexpr const char* kPunch1 = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\";
constexpr const char* kJobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
constexpr const char* kPrototypes = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\";

/// What a row found: the window stayed open (with its focus) or closed.
struct WindowRun {
    bool open = false;
    QString focus;
};

/// Opens the window of menu item with the mode it sets, acts on it, presses
/// ok and closes it again when it stayed open.
template <typename Form>
WindowRun RunWindow(const char* objectName, QAction* item, const std::function<void(Form&)>& act,
                    QPushButton* Form::*ok) {
    WindowRun run;
    WhenModal(QString::fromLatin1(objectName), [&](QWidget* w) {
        Form& form = *static_cast<Form*>(w);
        if (act) act(form);
        QTest::mouseClick(form.*ok, Qt::LeftButton);
        run.open = form.isVisible();
        if (!run.open) return;
        run.focus = form.focusWidget() ? form.focusWidget()->objectName() : QString();
        form.reject();
    });
    item->trigger();
    return run;
}

}  // namespace qv::test
