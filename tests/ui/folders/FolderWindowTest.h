// The directory and file windows opened from the main window's File menu on
// the demo installation. A row acts on the window and presses OK; the test
// reads back the messages and beeps, whether the window stayed open and where
// its focus went, the window mode, the current directory and the folders.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/FaultyPlatform.h"
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

using Folders = std::vector<std::pair<std::string, std::vector<std::string>>>;

// shown: questions and notices in order; focus: "" when the window closed; after: host names of each folder afterwards;
// lastFile: "Lastfile.lst" afterwards; "" unchecked.
struct WindowCase { const char* name; int mode; std::function<void(QWidget&)> act; std::vector<bool> answers;
    std::vector<std::string> shown; const char* focus; Folders after;
    std::function<void(DemoInstallation&, HookedSink&)> prepare = {}; Fault fault = {0}; std::string current = "JOBS";
    std::string lastFile = {}; };

/// Runs a table's rows in the directory window (files false) or the file window.
class FolderWindow : public MainWindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    void run(bool files);
};

/// Selects the lines of list with these texts.
void Select(QListWidget* list, std::initializer_list<const char*> texts);

constexpr const char* kPunch1 = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\";
constexpr const char* kJobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
constexpr const char* kPrototypes = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\";
constexpr const char* kCard = "E: [Removable Drive]";

/// The demo's E: drive without its disc.
void NoDisc(DemoInstallation& demo, HookedSink&);

}  // namespace qv::test
