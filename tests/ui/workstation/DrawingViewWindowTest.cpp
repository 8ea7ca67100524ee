// The drawing view of the reverse panel and the program frame's preview, on
// the demo's BRACKET run: stations 1 (Diameter), 5 (Rectangle, indexable),
// 4 (Square) and 8 (Special).
#include "core/workstation/TurretTable.h"
#include "ui/workstation/DrawingView.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

class DrawingViewWindow : public MainWindowTest {
protected:
    ui::DrawingView* view() const { return form->RvsBck->View; }
    int stations(int station, bool confirmed) const {
        int n = 0;
        for (const DisplayHit& hit : view()->list().Hits) n += hit.Station == station && hit.confirmed() == confirmed;
        return n;
    }
    QPoint pixelOfHit(int station) const {
        for (const DisplayHit& hit : view()->list().Hits)
            if (hit.Station == station) return view()->transform().toPixel(hit.X, hit.Y).toPoint();
        ADD_FAILURE() << "no hit of station " << station;
        return {};
    }
    void wheel(QPoint at, int delta) {
        QWheelEvent event(at, view()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
};

// Rows and hits select each other; the wheel zooms about the pointer, a drag
// pans, Home fits; a changed box or tool redraws; the window grows and keeps
// its size for the user; the next program frame's preview shows the selected
// program's drawing.
TEST_F(DrawingViewWindow, SelectZoomPanRedrawGrowAndPreview) {
    ASSERT_TRUE(openPanel()) << lastShown();
    EXPECT_EQ(view()->highlightStation(), 1);  // the first row is selected
    const struct { int row, station; } rows[] = {{1, 5}, {3, 8}, {0, 1}};
    for (const auto& r : rows) {
        form->RvsBck->Trt->selectRow(r.row);
        EXPECT_EQ(view()->highlightStation(), r.station);
    }
    for (const auto& r : rows) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, pixelOfHit(r.station));
        EXPECT_EQ(std::pair(form->RvsBck->Trt->selectedRow(), view()->highlightStation()), std::pair(r.row, r.station));
    }
    // A click on bare sheet selects nothing new.
    QTest::mouseClick(view(), Qt::LeftButton, {}, view()->transform().toPixel(990, 10).toPoint());
    EXPECT_EQ(form->RvsBck->Trt->selectedRow(), 0);

    // The read-out is in the machine's units at the pointer.
    const QPoint corner = view()->transform().toPixel(1000, 500).toPoint();
    QTest::mouseMove(view(), corner);
    const QStringList parts = form->RvsBck->ViewCoords->text().split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(parts.size(), 4) << form->RvsBck->ViewCoords->text().toStdString();
    EXPECT_NEAR(parts[1].toDouble(), 1000, 1 / view()->transform().Scale + 0.01);
    EXPECT_NEAR(parts[3].toDouble(), 500, 1 / view()->transform().Scale + 0.01);

    const ui::ViewTransform fitted = view()->transform();
    const QPoint at = pixelOfHit(5);
    const DrawPoint under = fitted.toWorld(at);
    wheel(at, 240);
    EXPECT_NEAR(view()->transform().Scale, fitted.Scale * 1.5625, 1e-9);
    const QPointF still = view()->transform().toPixel(under);
    EXPECT_NEAR(still.x(), at.x(), 0.5);
    EXPECT_NEAR(still.y(), at.y(), 0.5);

    const ui::ViewTransform zoomed = view()->transform();
    QTest::mousePress(view(), Qt::LeftButton, {}, at);
    QTest::mouseMove(view(), at + QPoint(40, -30));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, at + QPoint(40, -30));
    EXPECT_NEAR(view()->transform().OffsetX, zoomed.OffsetX + 40, 1e-9);
    EXPECT_NEAR(view()->transform().OffsetY, zoomed.OffsetY - 30, 1e-9);

    // The wheel stops short of losing the drawing either way.
    for (int delta : {120 * 100, -120 * 100}) {
        wheel(at, delta);
        EXPECT_DOUBLE_EQ(view()->transform().Scale, delta > 0 ? 500 : fitted.Scale / 20);
    }
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Home);
    EXPECT_EQ(QPointF(view()->transform().Scale, view()->transform().OffsetX), QPointF(fitted.Scale, fitted.OffsetX));

    // Redrawn when a box or a tool changes.
    EXPECT_FLOAT_EQ(view()->list().Sheet.MaxX, 1000);
    QLineEdit* length = form->RvsBck->ShtBox[1];
    length->selectAll();
    QTest::keyClicks(length, "1500");
    QTRY_COMPARE(view()->list().Sheet.MaxX, 1500.0);
    // A sheet of 10 or less is drawn at the machine's default, as it will be written.
    length->selectAll();
    QTest::keyClicks(length, "5");
    QTRY_COMPARE(view()->list().Sheet.MaxX, double(State().Mach.DefaultSheetX));

    const int hits = stations(1, false);
    ASSERT_GT(hits, 0);
    ToolRecord tool = TurretRowTool(ReverseRun(), 0);
    tool.Defined = true;
    form->RvsBck->Trt->setRow(0, ApplyChosenTool(0, tool, false));
    EXPECT_EQ(std::pair(stations(1, true), stations(1, false)), std::pair(hits, 0));

    const QSize least = form->minimumSize();
    form->resize(least);
    QApplication::processEvents();
    const int visible = form->RvsBck->Trt->visibleRows();
    EXPECT_GE(visible, TurretVisibleRows);
    const int viewWidth = view()->width();
    form->resize(least + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_GT(form->RvsBck->Trt->visibleRows(), visible);
    EXPECT_GE(view()->width(), viewWidth + 250);
    form->close();
    start();
    EXPECT_EQ(form->size(), least + QSize(300, 200));

    form->ReverseEngineer->trigger();
    ui::DrawingView* preview = form->ProgFrame->Preview;
    EXPECT_TRUE(preview->hasDrawing() && !preview->list().Hits.empty());  // BRACKET, the program remembered
    bool sawNone = false;
    for (int row = 0; row < form->ProgFrame->ProgList->count(); ++row) {
        form->ProgFrame->ProgList->setCurrentRow(row);
        const QString name = form->ProgFrame->ProgList->item(row)->text().trimmed();
        const std::string drawing = ("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\" + name + ".drw").toStdString();
        EXPECT_EQ(preview->hasDrawing(), demo.exists(drawing)) << name.toStdString();
        sawNone = sawNone || !preview->hasDrawing();
    }
    EXPECT_TRUE(sawNone) << "the demo has a program without a drawing";
}

}  // namespace
}  // namespace qv::test
