// Pictures of the main window and its windows on the demo installation, for
// the README: into the folder QV_SCREENSHOTS names, else into a temporary
// folder, so that every run shows each window once and grabs it.
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <iostream>

#include "support/TempDir.h"
#include "ui/tooling/RvsTol.h"
#include "ui/workstation/Review.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

class Screenshots : public MainWindowTest {
protected:
    void save(QWidget* window, const char* name) {
        QApplication::processEvents();
        const QString file = folder + "/" + name;
        ASSERT_TRUE(window->grab().save(file)) << name;
    }
    /// Saves a picture of a modal window while it shows, then closes it.
    void whenShown(const char* objectName, const char* file) {
        WhenModal(objectName, [this, file](QWidget* w) {
            save(w, file);
            w->close();
        });
    }

    TempDir temporary;
    QString folder = qEnvironmentVariableIsEmpty("QV_SCREENSHOTS") ? QString::fromStdString(temporary.path())
                                                                   : qEnvironmentVariable("QV_SCREENSHOTS");
};

TEST_F(Screenshots, MainWindowAndItsWindows) {
    ASSERT_TRUE(QDir().mkpath(folder));
    QElapsedTimer started;
    started.start();
    start();
    QApplication::processEvents();
    std::cout << "Start-up to main window shown: " << started.elapsed() << " ms\n";
    save(form.get(), "main-window.png");

    whenShown("MachineForm", "machine-form.png");
    form->MachineItem[1]->trigger();
    whenShown("EngineForm", "engine-form.png");
    form->MachineItem[2]->trigger();
    {
        ui::RvsTol fresh(form.get());  // as it opens on a row with no known tool
        fresh.show();
        save(&fresh, "rvstol-opening.png");
    }

    form->ReverseEngineer->trigger();
    save(form.get(), "program-frame.png");

    messages.answer({true});
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    ASSERT_TRUE(form->RvsBck->isVisible());
    ConfirmTool("Diameter", "10", "Station 1 ");
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    save(form.get(), "reverse-panel.png");

    // The dialog as it opens on a row: the demo's own library and stations.
    form->RvsBck->Trt->selectRow(1);  // station 5, indexable: a typed angle
    whenShown("RvsTol", "rvstol-indexable.png");
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    form->RvsBck->Trt->selectRow(2);  // station 4, fixed: the library's angles
    whenShown("RvsTol", "rvstol-fixed.png");
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);

    QTest::mouseClick(form->RvsBck->ViewProgram, Qt::LeftButton);
    ASSERT_NE(form->reviewWindow(), nullptr);
    save(form->reviewWindow(), "review.png");
    QTest::mouseClick(form->RvsBck->RvsCncl, Qt::LeftButton);
}

}  // namespace
}  // namespace qv::test
