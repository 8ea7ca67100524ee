// Pictures of the directory and file windows in each mode on the demo
// installation, for the README: into QV_SCREENSHOTS when it names a folder
// (scripts/screenshots.sh), else into a temporary folder, so the windows are
// drawn in every run.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include "FolderWindowTest.h"
#include "ui/folders/DirectoryForm.h"
#include "ui/folders/FileForm.h"

namespace qv::test {
namespace {

class FolderScreenshots : public MainWindowTest {
protected:
    void save(QWidget& window, const char* name) {
        window.show();
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(QString::fromLatin1(name));
        EXPECT_TRUE(window.grab().save(path, "PNG")) << name;
        EXPECT_GT(QImage(path).width(), 100) << name;
        window.close();
    }

    QTemporaryDir temporary;
    QString folder = qEnvironmentVariableIsEmpty("QV_SCREENSHOTS") ? temporary.path() : qEnvironmentVariable("QV_SCREENSHOTS");
};

TEST_F(FolderScreenshots, EveryMode) {
    start();
    ASSERT_TRUE(QDir().mkpath(folder));
    const char* directoryNames[] = {"directory-change.png", "directory-create.png", "directory-rename.png",
                                    "directory-delete.png"};
    for (int mode = 1; mode <= 4; ++mode) {
        State().Modes.DirectoryMode = static_cast<std::int16_t>(mode);
        ui::DirectoryForm window(form.get());
        if (mode == 2) window.DirectoryBox->setText("NEW JOBS");
        if (mode >= 3) Select(window.DirectoryList, {"PROTOTYPES"});
        if (mode == 3) window.DirectoryBox->setText("PROTOS");
        save(window, directoryNames[mode - 1]);
    }
    const char* fileNames[] = {"files-delete.png", "file-rename.png", "file-copy.png", "files-move.png",
                               "files-copy.png"};
    for (int mode = 1; mode <= 5; ++mode) {
        State().Modes.FileMode = static_cast<std::int16_t>(mode);
        ui::FileForm window(form.get());
        if (mode == 2 || mode == 3) {
            Select(window.FileList[1], {"BRACKET"});
            window.FileBox->setText(mode == 2 ? "BRACKET2" : "BRACKET COPY");
        } else {
            Select(window.FileList[2], {"BRACKET", "COVER"});
        }
        save(window, fileNames[mode - 1]);
    }
}

}  // namespace
}  // namespace qv::test
