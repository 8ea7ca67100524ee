// The shared run of the directory and file window tables.
#include "FolderWindowTest.h"

#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>

#include "core/common/State.h"
#include "ui/workstation/StatusBar.h"

namespace qv::test {
namespace {

bool EndsWith(const std::string& text, const char* end) {
    const std::string tail(end);
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void Select(QListWidget* list, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        const auto found = list->findItems(QString::fromLatin1(text), Qt::MatchExactly);
        if (found.isEmpty()) ADD_FAILURE() << "no line " << text;
        for (QListWidgetItem* line : found) {
            list->setCurrentItem(line);
            line->setSelected(true);
        }
    }
}

void NoDisc(DemoInstallation& demo, HookedSink&) { std::filesystem::remove_all(demo.root() + "/E"); }

void FolderWindow::run(bool files) {
    const WindowCase& c = GetParam();
    HookedSink sink(messages);
    if (c.prepare) c.prepare(demo, sink);
    start();
    FaultyPlatform faulty(demo.platform());
    platform::ScopedPlatform use(faulty);
    if (c.fault.kinds) faulty.arm(c.fault);
    for (bool yes : c.answers) messages.answer({yes});
    bool open = false;
    std::string focus;
    WhenModal(files ? "FileForm" : "DirectoryForm", [&](QWidget* w) {
        if (c.act) c.act(*w);
        QTest::mouseClick(w->findChild<QPushButton*>(files ? "FileOk" : "DirectoryOk"), Qt::LeftButton);
        open = w->isVisible();
        if (open && w->focusWidget()) focus = w->focusWidget()->objectName().toStdString();
        w->close();
    });
    (files ? form->FileItem[c.mode] : form->DirectoryItem[c.mode])->trigger();
    faulty.disarm();

    EXPECT_EQ(messages.shown, c.shown);
    // Each failed check beeps, and so does the warning before a directory's files go.
    int beeps = 0;
    for (const std::string& text : c.shown) {
        for (const char* end : {"Selected !", "Name !", "Exists !", "Ready !", "Anyway ?"})
            beeps += EndsWith(text, end);
    }
    EXPECT_EQ(messages.beeps, beeps);
    EXPECT_EQ(open ? focus : "", c.focus);
    EXPECT_EQ(files ? State().Modes.FileMode : State().Modes.DirectoryMode, 0);
    EXPECT_TRUE(menusEnabled());
    EXPECT_EQ(State().Config.CurrentDirectory, c.current);
    EXPECT_EQ(form->statusBar()->directoryText().toStdString(), c.current);
    for (const auto& [folder, names] : c.after)
        EXPECT_EQ(demo.exists(folder) ? demo.names(folder) : std::vector<std::string>{}, names) << folder;
    if (!c.lastFile.empty()) {
        EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.lastFile);
    }
}

}  // namespace qv::test
