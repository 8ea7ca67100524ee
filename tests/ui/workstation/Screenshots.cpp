// Pictures of the main window and its windows on the demo installation, for
// the README: into the folder QV_SCREENSHOTS names, else into a temporary
// folder, so that every run shows each window once and grabs it; on the way
// the whole accepted run is checked.
#include <QDir>
#include <QPixmap>
#include <set>

#include "support/DrawingFile.h"
#include "support/TempDir.h"
#include "ui/tooling/RvsTol.h"
#include "ui/workstation/Review.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kBracket = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw";

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

// The demo's BRACKET run accepted, a picture of each window on the way: the
// panel's boxes and table; confirmed tools
// in bold; the table one tab stop whose columns stay in step; the review
// window's 21 blocks, closed with the panel; the drawing takes the confirmed
// tools and the typed sheet.
TEST_F(Screenshots, MainWindowAndItsWindows) {
    ASSERT_TRUE(QDir().mkpath(folder));
    start();
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
    ASSERT_TRUE(form->ProgFrame->isVisible());
    EXPECT_FALSE(menusEnabled());
    save(form.get(), "program-frame.png");

    messages.answer({true});
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    ui::ReversePanel* panel = form->RvsBck;
    ui::TurretTable* table = panel->Trt;
    ASSERT_TRUE(panel->isVisible());
    EXPECT_FALSE(menusEnabled());
    QApplication::processEvents();  // the table's first layout, which sets the scroll range
    EXPECT_EQ((QStringList{panel->ViewPanel->title(), panel->MaterialList->currentText(), panel->ConfirmedLabel->text(),
                           panel->ShtBox[1]->text(), panel->ShtBox[2]->text(), panel->ShtBox[3]->text(),
                           panel->ShtBox[4]->text(), QString::number(table->TrtBar->maximum())}),
              (QStringList{"BRACKET", "Default", "0 of 4 tools confirmed", "1000", "500", "250", "750", "0"}));
    ConfirmTool("Diameter", "10", "Station 1 ");  // a round tool takes no angle
    selectTool(0);
    save(form.get(), "reverse-panel.png");

    // The dialog as it opens on a row: the demo's own library and stations.
    table->selectRow(1);  // station 5, indexable: a typed angle
    whenShown("RvsTol", "rvstol-indexable.png");
    QTest::mouseClick(panel->SelectTool, Qt::LeftButton);
    table->selectRow(2);  // station 4, fixed: the library's angles
    whenShown("RvsTol", "rvstol-fixed.png");
    QTest::mouseClick(panel->SelectTool, Qt::LeftButton);

    ConfirmTool("Rectangle", "20", "Index 5 ", "30");  // indexable
    selectTool(1);
    // Station 4: the dialog opens on its tool, is cancelled, nothing changes;
    // the other rows show as the run found them.
    EXPECT_EQ(openTool(2, false), (QStringList{"Square", "10", "Station 4 (C)"}));
    EXPECT_EQ(rows(), (QStringList{"1|Diameter  |10|0", "5|Rectangle |20x10|idx 30", "4|Square    |10|0",
                                   "8|Special   |KEYHOLE|0"}));
    EXPECT_EQ(panel->ConfirmedLabel->text(), "2 of 4 tools confirmed");
    QString confirmed;  // per row: confirmed in the table, shown in bold
    for (int row = 0; row < 4; ++row)
        confirmed += QString("%1%2 ").arg(table->isConfirmed(row)).arg(table->TrtList[1]->item(row)->font().bold());
    EXPECT_EQ(confirmed, "11 11 00 00 ");
    int stops = 0;
    for (QWidget* w : table->findChildren<QWidget*>())
        stops += w->isVisible() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    EXPECT_EQ(stops, 1);
    table->selectRow(1);
    for (int i = 1; i <= 4; ++i) {
        QListWidget* list = table->TrtList[i];
        const QPoint below(5, list->viewport()->height() - 3), row1 = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, row1);
        for (int j = 1; j <= 4; ++j) {
            const QList<QListWidgetItem*> selected = table->TrtList[j]->selectedItems();
            EXPECT_TRUE(selected.size() == 1 && table->TrtList[j]->row(selected[0]) == 1) << i << " " << j;
        }
    }

    QTest::mouseClick(panel->ViewProgram, Qt::LeftButton);
    ui::Review* review = form->reviewWindow();
    ASSERT_TRUE(review && review->isVisible());
    save(review, "review.png");
    const QStringList first = Texts(review->BlockList);
    EXPECT_EQ(QString("%1 %2 %3").arg(first.size()).arg(review->ListBar->minimum()).arg(review->ListBar->maximum()),
              QString("21 1 %1").arg(std::max(1, review->pager().BlockCount - 20)));
    QTest::keyClick(review->ListBar, Qt::Key_End);
    EXPECT_EQ(first.value(0) + Texts(review->BlockList).value(20), "%%");  // the first line and the last

    panel->ShtBox[1]->setText("2*600-100");  // typed values are expressions
    QTest::mouseClick(panel->RvsOk, Qt::LeftButton);
    EXPECT_EQ(messages.shown.back(), "Reverse Engineering Complete !");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->reviewWindow(), nullptr);
    EXPECT_TRUE(menusEnabled());
    const std::vector<DrawingRecord> records = DrawingRecords(demo.read(kBracket));
    EXPECT_FLOAT_EQ(records.at(0).SheetX(), 1100.0f);
    EXPECT_EQ(records.at(0).MaterialName.substr(0, 8), "Default ");
    EXPECT_FALSE(demo.exists(kBracket + std::string("~")));  // the processor's scratch drawing
    std::set<int> library;  // stations of hits with a library tool
    for (const DrawingRecord& r : records)
        if (r.Tool.Defined) library.insert(r.Tool.Station);
    EXPECT_EQ(library, (std::set<int>{1, 5}));
}

}  // namespace
}  // namespace qv::test
