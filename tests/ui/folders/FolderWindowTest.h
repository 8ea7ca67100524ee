// The directory and file windows opened from the main window's File menu on
// the demo installation. A row acts on the window and presses OK; the test
// reads back the messages and beeps, whether the window stayed open and where
// its focus went, the window mode, the current directory and the folders.
#pragma once

#include <filesystem>

#include "core/common/State.h"
#include "support/FaultyPlatform.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {

using Folders = std::vector<std::pair<std::string, std::vector<std::string>>>;

// shown: questions and notices in order; focus: "" when the window closed; after: host names of each folder afterwards;
// lastFile: "Lastfile.lst" afterwards; "" unchecked.
struct WindowCase { const char* name; int mode; std::function<void(QWidget&)> act; std::vector<bool> answers;
    std::vector<std::string> shown; const char* focus; Folders after;
    std::function<void(DemoInstallation&, MessageRecorder&)> prepare = {}; Fault fault = {0};
    std::string current = "JOBS"; std::string lastFile = {}; };

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

/// Runs a table's rows in the directory window (files false) or the file window.
class FolderWindow : public MainWindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    void run(bool files) {
        const WindowCase& c = GetParam();
        if (c.prepare) c.prepare(demo, messages);
        start();
        FaultyPlatform faulty(demo.platform());
        platform::ScopedPlatform use(faulty);
        if (c.fault.kinds) faulty.arm(c.fault);
        for (bool yes : c.answers) messages.answer({yes});
        bool open = false;
        std::string focus;
        WhenModal(files ? "FileForm" : "DirectoryForm", [&](QWidget* w) {
            if (c.act) c.act(*w);
            Click(w, files ? "FileOk" : "DirectoryOk");
            open = w->isVisible();
            if (open && w->focusWidget()) focus = w->focusWidget()->objectName().toStdString();
        });
        (files ? form->FileItem[c.mode] : form->DirectoryItem[c.mode])->trigger();
        faulty.disarm();

        EXPECT_EQ(messages.shown, c.shown);
        // Each failed check beeps, and so does the warning before a directory's files go.
        int beeps = 0;
        for (const std::string& text : c.shown)
            for (const char* end : {"Selected !", "Name !", "Exists !", "Ready !", "Anyway ?"})
                beeps += QByteArray::fromStdString(text).endsWith(end);
        EXPECT_EQ(messages.beeps, beeps);
        EXPECT_EQ(open ? focus : "", c.focus);
        EXPECT_EQ(files ? State().Modes.FileMode : State().Modes.DirectoryMode, 0);
        EXPECT_TRUE(menusEnabled());
        EXPECT_EQ(State().Config.CurrentDirectory, c.current);
        EXPECT_EQ(form->statusBar()->directoryText().toStdString(), c.current);
        for (const auto& [folder, names] : c.after)
            EXPECT_EQ(demo.exists(folder) ? demo.names(folder) : std::vector<std::string>{}, names) << folder;
        EXPECT_EQ(c.lastFile.empty() ? "" : demo.read("C:\\QUORVANE\\Lastfile.lst"), c.lastFile);
    }
};

constexpr const char* kPunch1 = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\";
constexpr const char* kJobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
constexpr const char* kPrototypes = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\";
constexpr const char* kCard = "E: [Removable Drive]";

/// The demo's E: drive without its disc.
inline void NoDisc(DemoInstallation& demo, MessageRecorder&) { std::filesystem::remove_all(demo.root() + "/E"); }

const std::vector<std::string> kProto = {"BROKEN.prg", "PROTO1.drw", "PROTO1.prg"};

}  // namespace qv::test
