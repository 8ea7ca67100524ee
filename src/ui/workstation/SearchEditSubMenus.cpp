// Opens the search, edit and sub-routine windows from the main window's
// menus and the program frame's Search button.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "core/workstation/RecentFile.h"
#include "platform/Platform.h"
#include "ui/common/ListFill.h"
#include "ui/common/WaitCursor.h"
#include "ui/exchange/EditForm.h"
#include "ui/folders/SearchForm.h"
#include "ui/folders/SubForm.h"
#include "ui/workstation/MenuWiring.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"

namespace qv::ui {
namespace {

// Shows the search window for mode; true when a file was chosen.
bool RunSearch(QWidget* parent, std::int16_t mode) {
    State().Modes.SearchMode = mode;
    SearchForm(parent).exec();
    return State().Search.Found;
}

// Makes the found file's directory current when it is not already.
void EnterFoundDirectory(ReverseForm& form) {
    const ModuleState& s = State();
    if (Upper(s.Search.Directory) == Upper(s.Config.CurrentDirectory)) return;
    SelectCurrentDirectory(s.Search.Directory);
    form.PaintStatusBar();
}

// File Search: the found program becomes the current one.
void SearchFromMenu(ReverseForm& form) {
    form.runModal([&form] { RunSearch(&form, 3); },
                  [&form] {
                      const ModuleState& s = State();
                      if (!s.Search.Found) return;
                      EnterFoundDirectory(form);
                      // A drawing without a program is no program to remember.
                      if (platform::Current().fileExists(s.Config.CurrentDirectoryPath + s.Search.FileName + ".prg"))
                          (void)RememberLastFile(s.Config.CurrentDirectory, s.Search.FileName);
                  });
}

// The program frame's Search: a program found there is reversed at once.
void ProgramFrameSearch(ReverseForm& form) {
    ProgramFrame* frame = form.ProgFrame;
    if (!RunSearch(&form, 2)) {
        frame->ProgList->setFocus();
        return;
    }
    EnterFoundDirectory(form);
    {
        SuppressEventsScope quiet;
        const ModuleState& s = State();
        WaitCursor busy;
        // The directory list follows the change, so it never shows another.
        FillComboBox(frame->DirectoryList,
                     FillDirectoryList(s.Mach.MachineFolder, s.Config.CurrentDirectory, true, true, SelectCurrent));
        FillListWidget(frame->ProgList, FillFileList(s.Mach.MachineFolder, s.Config.CurrentDirectory,
                                                     s.Search.FileName, SelectCurrent, ProgramFiles, ""));
    }
    QListWidgetItem* line = frame->ProgList->currentItem();
    if (line && line->isSelected())
        frame->ProgOk->click();
    else
        frame->ProgList->setFocus();
}

void EditProgram(ReverseForm& form) {
    form.runModal([&form] {
        State().Modes.EditMode = 1;
        EditForm([&form] { form.PaintStatusBar(); }, &form).exec();
    });
}

void SubRoutines(ReverseForm& form, std::int16_t mode) {
    form.runModal([&form, mode] {
        State().Modes.SubMode = mode;
        SubForm(&form).exec();
    });
}

}  // namespace

void ConnectSearchEditSubMenus(ReverseForm& form) {
    QObject::connect(form.SearchItem, &QAction::triggered, &form, [&form] { SearchFromMenu(form); });
    QObject::connect(form.ProgFrame->Search, &QPushButton::clicked, &form, [&form] { ProgramFrameSearch(form); });
    QObject::connect(form.EditItem[1], &QAction::triggered, &form, [&form] { EditProgram(form); });
    QObject::connect(form.EditItem[2], &QAction::triggered, &form, [&form] { SubRoutines(form, 4); });
    for (std::int16_t i = 1; i <= 3; ++i)
        QObject::connect(form.SubItem[i], &QAction::triggered, &form, [&form, i] { SubRoutines(form, i); });
    for (QAction* item : {form.SearchItem, form.EditItem[1], form.EditItem[2], form.SubItem[1], form.SubItem[2],
                          form.SubItem[3]})
        item->setEnabled(true);
    form.ProgFrame->Search->setEnabled(true);
}

}  // namespace qv::ui
