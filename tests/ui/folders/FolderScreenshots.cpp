// Pictures of the directory and file windows in each mode and of the search,
// edit, sub-routine and import windows on the demo installation, for the README: into
// QV_SCREENSHOTS when it names a folder (scripts/screenshots.sh), else into a
// temporary folder, so the windows are drawn in every run.
#include "FolderWindowTest.h"
#include "core/common/State.h"
#include "ui/exchange/ExternalForm.h"
#include "ui/folders/DirectoryForm.h"
#include "ui/folders/FileForm.h"
#include "ui/folders/SearchForm.h"
#include "ui/folders/SubForm.h"

namespace qv::test {
namespace {

class FolderScreenshots : public MainWindowTest {
protected:
    void save(QWidget* window, const char* name) {
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
        EXPECT_TRUE(window->grab().save(path, "PNG") && QImage(path).width() > 100) << name;
    }
    /// Opens a window from its menu item and lets act prepare and save it; the window closes after.
    void take(const char* window, QAction* item, const std::function<void(QWidget*)>& act) {
        WhenModal(window, act);
        item->trigger();
    }

    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariable("QV_SCREENSHOTS", temporary.path());
};

TEST_F(FolderScreenshots, EveryMode) {
    start();
    const char* directories[] = {"directory-change", "directory-create", "directory-rename", "directory-delete"};
    for (int mode = 1; mode <= 4; ++mode) {
        take("DirectoryForm", form->DirectoryItem[mode], [&](QWidget* w) {
            auto* f = static_cast<ui::DirectoryForm*>(w);
            if (mode >= 3) Select(f->DirectoryList, {"PROTOTYPES"});
            f->DirectoryBox->setText(mode == 2 ? "NEW JOBS" : "PROTOS");
            save(w, directories[mode - 1]);
        });
    }
    const char* files[] = {"files-delete", "file-rename", "file-copy", "files-move", "files-copy"};
    for (int mode = 1; mode <= 5; ++mode) {
        take("FileForm", form->FileItem[mode], [&](QWidget* w) {
            auto* f = static_cast<ui::FileForm*>(w);
            Select(f->FileList[mode == 2 || mode == 3 ? 1 : 2], {"BRACKET"});
            if (mode != 2 && mode != 3) Select(f->FileList[2], {"COVER"});
            f->FileBox->setText("BRACKET2");
            save(w, files[mode - 1]);
        });
    }
}

TEST_F(FolderScreenshots, SearchEditSubRoutineAndImportWindows) {
    start();
    take("SearchForm", form->SearchItem, [this](QWidget* w) {
        auto* search = static_cast<ui::SearchForm*>(w);
        search->CriteriaBox->setText("o");
        save(w, "search-criteria");
        QTest::mouseClick(search->CriteriaOk, Qt::LeftButton);
        search->SearchList[1]->setCurrentRow(1);
        save(w, "search-results");
    });
    take("EditForm", form->EditItem[1], [this](QWidget* w) { save(w, "edit-form"); });
    take("SubForm", form->SubItem[2], [this](QWidget* w) {
        auto* sub = static_cast<ui::SubForm*>(w);
        sub->SubList[1]->setCurrentRow(1);
        sub->SubBox->setText("NIBBLE2.SUB");
        save(w, "sub-form");
    });
    State().Config.ExchangeFolder = "E:\\";
    for (int item : {1, 2}) {
        take("ExternalForm", form->ImportItem[item], [this, item](QWidget* w) {
            auto* files = static_cast<ui::ExternalForm*>(w)->ExFileList;
            if (files->count() > 1) files->item(1)->setSelected(true);
            save(w, item == 1 ? "import-files" : "import-subroutines");
        });
    }
}

}  // namespace
}  // namespace qv::test
