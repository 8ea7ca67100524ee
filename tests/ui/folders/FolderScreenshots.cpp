// Pictures of the directory and file windows in each mode on the demo
// installation, for the README: into QV_SCREENSHOTS when it names a folder
// (scripts/screenshots.sh), else into a temporary folder, so the windows are
// drawn in every run.
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "FolderWindowTest.h"
#include "core/common/State.h"
#include "ui/folders/DirectoryForm.h"
#include "ui/folders/FileForm.h"

namespace qv::test {
namespace {

class FolderScreenshots : public MainWindowTest {};

TEST_F(FolderScreenshots, EveryMode) {
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariable("QV_SCREENSHOTS", temporary.path());
    ASSERT_TRUE(QDir().mkpath(folder));
    start();
    const char* pictures[] = {"directory-change", "directory-create", "directory-rename", "directory-delete",
                              "files-delete",     "file-rename",      "file-copy",        "files-move", "files-copy"};
    for (std::int16_t i = 0; i < 9; ++i) {
        std::unique_ptr<QDialog> window;
        const auto mode = static_cast<std::int16_t>(i < 4 ? i + 1 : i - 3);
        if (i < 4) {
            State().Modes.DirectoryMode = mode;
            auto* directories = new ui::DirectoryForm(form.get());
            if (mode >= 3) Select(directories->DirectoryList, {"PROTOTYPES"});
            directories->DirectoryBox->setText(mode == 2 ? "NEW JOBS" : "PROTOS");
            window.reset(directories);
        } else {
            State().Modes.FileMode = mode;
            auto* files = new ui::FileForm(form.get());
            Select(files->FileList[mode == 2 || mode == 3 ? 1 : 2], {"BRACKET"});
            if (mode != 2 && mode != 3) Select(files->FileList[2], {"COVER"});
            files->FileBox->setText("BRACKET2");
            window.reset(files);
        }
        window->show();
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(pictures[i]) + ".png");
        EXPECT_TRUE(window->grab().save(path, "PNG") && QImage(path).width() > 100) << pictures[i];
    }
}

}  // namespace
}  // namespace qv::test
