// Pictures of the tool entry dialog for the documentation. Runs only when
// QV_SCREENSHOTS names the folder to write into, for example
//   QV_SCREENSHOTS=docs/screenshots test_ui_tooling --gtest_filter='RvsTolScreenshots.*'
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "support/ToolLibraryFixture.h"
#include "ui/tooling/RvsTol.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

class RvsTolScreenshots : public ToolLibraryFixture {
protected:
    void SetUp() override {
        folder = qEnvironmentVariable("QV_SCREENSHOTS");
        if (folder.isEmpty()) GTEST_SKIP() << "QV_SCREENSHOTS is not set";
        App();
        ToolLibraryFixture::SetUp();
    }

    void save(ui::RvsTol& dialog, const QString& name) {
        dialog.show();
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(name), "PNG"));
    }

    QString folder;
};

TEST_F(RvsTolScreenshots, Opening) {
    ui::RvsTol dialog;
    save(dialog, QStringLiteral("rvstol-opening.png"));
}

TEST_F(RvsTolScreenshots, FixedStation) {
    ui::RvsTol dialog;
    dialog.ShapeList->setCurrentIndex(3);  // Rectangle
    dialog.SizeList->setCurrentIndex(0);
    dialog.StnList->setCurrentIndex(0);    // a fixed station: its angles are listed
    dialog.AngList->setCurrentIndex(1);
    save(dialog, QStringLiteral("rvstol-fixed.png"));
}

TEST_F(RvsTolScreenshots, IndexableStation) {
    ui::RvsTol dialog;
    dialog.ShapeList->setCurrentIndex(3);
    dialog.SizeList->setCurrentIndex(0);
    dialog.StnList->setCurrentIndex(1);    // an indexable station: the angle is typed
    dialog.AngBox->setText(QStringLiteral("90+45"));
    save(dialog, QStringLiteral("rvstol-indexable.png"));
}

}  // namespace
}  // namespace qv::test
