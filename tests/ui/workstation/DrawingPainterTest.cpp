// The painter on an offscreen image: what colour lands where, and the view
// fitted to a rectangle.
#include <cmath>

#include "core/workstation/DrawingRecord.h"
#include "support/TableTest.h"
#include "support/TempDir.h"
#include "ui/workstation/DrawingPainter.h"
#include "uisupport/UiTest.h"

namespace qv::ui {
namespace {

// A punch hit of a station's tool at (x, y), as a drawing record.
std::string Hit(double x, double y, int station, float indexAngle = 0, char shape = ' ') {
    DrawingRecord hit;
    hit.EntityCode = 210;
    hit.Doubles6 = {x, y};
    hit.Tool.Station = static_cast<std::int16_t>(station);
    hit.Tool.IndexAngle = indexAngle;
    hit.Tool.Shape = shape;
    return EncodeDrawingRecord(hit);
}

// The display list of the source with the hits after the sheet record.
DisplayList List(DisplaySource source, const std::vector<std::string>& hits) {
    source.EntityTools = false;
    DisplayListBuilder builder(source);
    builder.add(EncodeDrawingRecord(DrawingRecord()), 1);
    for (const std::string& hit : hits) builder.add(hit, 2);
    return builder.finish();
}

// Sheet 200 x 100 with clamps at 50 and 150; station 1 a confirmed 20 x 10
// rectangle at (40, 50), station 2 a found, unconfirmed 10 round at (100, 50).
DisplayList Sample() {
    DisplaySource source;
    source.SheetX = 200, source.SheetY = 100, source.LeftClamp = 50, source.RightClamp = 150;
    source.Tools[1] = test::Tool("D,LIB,20,10,0,0,1,10,0,0,1");
    source.Confirmed[1] = true;
    source.Tools[2] = test::Tool("A,,10,0,0,0,2,10,0,0,1");
    return List(source, {Hit(40, 50, 1, 0, 'U'), Hit(100, 50, 2, 0, 'U')});
}

QImage Painted(QSize size, const DisplayList& list, const ViewTransform& view, int highlight) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawingPainter drawer;
    drawer.HighlightStation = highlight;
    drawer.paint(painter, list, view);
    painter.end();
    return image;
}

// The name of the palette colour nearest the pixel, so that an antialiased
// edge still tells which colour it is.
std::string ColourAt(const QImage& image, QPointF at) {
    const DrawingColours c;
    const std::pair<const char*, QColor> palette[] = {
        {"sheet", c.Sheet}, {"confirmed", c.Confirmed}, {"unconfirmed", c.Unconfirmed}, {"highlight", c.Highlight},
        {"clamp", c.Clamp}, {"background", c.Background}, {"arrow", c.Arrow}};
    const QPoint pixel(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    if (!image.rect().contains(pixel)) return "outside the image";
    const QColor p = image.pixelColor(pixel);
    const char* best = "";
    int bestDistance = 1 << 30;
    for (const auto& [name, colour] : palette) {
        const int d = std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                      std::abs(p.blue() - colour.blue());
        if (d < bestDistance) best = name, bestDistance = d;
    }
    return best;
}

// Every shape at 0, 30 and 90 degrees (stations 1 to 16, confirmed; the
// rectangle's station highlighted), and once more unconfirmed (stations 21
// to 36): saved for the README into QV_SCREENSHOTS (else a temporary folder);
// each filled shape covers its own centre. Then the sample's colours.
TEST(DrawingPictures, EveryShape) {
    test::App();
    const char* tools[] = {"A,,30,0,0,0", "B,,30,0,0,0", "C,,30,0,0,6", "D,,40,20,0,0", "E,,40,20,0,5",
                           "F,,40,16,0,0", "G,,30,24,0,0", "H,,30,20,0,0", "I,,40,20,0,0", "J,,30,0,0,0",
                           "K,,30,36,8,0", "L,,40,12,0,0", "M,,40,0,10,3", "S,LOGO,0,0,0,0", "U,,0,0,0,0",
                           "D,,40,0,0,0"};
    DisplaySource source;
    source.SheetX = 1180, source.SheetY = 330, source.LeftClamp = 300, source.RightClamp = 900;
    std::vector<std::string> hits;
    for (int i = 0; i < 16; ++i) {
        source.Tools[i + 1] = source.Tools[i + 21] =
            test::Tool(std::string(tools[i]) + "," + std::to_string(i + 1) + ",45,0,0,1");
        source.Confirmed[i + 1] = true;
        for (int row = 0; row < 4; ++row) {
            const int station = i + 1 + (row == 3 ? 20 : 0);
            hits.push_back(Hit(45.0 + 70 * i, 60.0 + 70 * row, station, row == 1 ? 30 : row == 2 ? 90 : 0));
        }
    }
    const DisplayList list = List(source, hits);
    const ViewTransform view = FitToRect(list.Extent, QRectF(0, 0, 1200, 440), 10);
    const QImage image = Painted({1200, 440}, list, view, 4);
    std::string centres;
    for (int i = 0; i < 16; ++i) centres += ColourAt(image, view.toPixel(45.0 + 70 * i, 60)).substr(0, 1);
    EXPECT_EQ(centres, "ccchcccccccscscc");  // the sheet shows through the louvre and the Special's box
    test::TempDir temp;
    const QString folder = qEnvironmentVariable("QV_SCREENSHOTS", QString::fromUtf8(temp.path().c_str()));
    EXPECT_TRUE(QDir().mkpath(folder) && image.save(folder + "/drawing-shapes.png"));

    // The sample: where each colour lands, a fit to a rectangle, and hits below a pixel.
    const DisplayList sample = Sample();
    // zoom: about (40, 50); 8 draws the rectangle as a path, not a cached image.
    // A cached confirmed or highlighted hit and the sheet are the shapes picture's.
    const struct { const char* name; double x, y; int highlight; double zoom; const char* colour; } cases[] = {
        {"unconfirmed inside", 100, 50, -1, 1, "sheet"},
        {"unconfirmed edge", 104.9, 50, -1, 1, "unconfirmed"},
        {"clamp", 50, -20, -1, 1, "clamp"},
        {"below the clamps", 100, -40, 2, 1, "background"},
        {"large hit", 49, 54, -1, 8, "confirmed"},
        {"beside a large hit", 40, 55.5, 1, 8, "sheet"},
        {"large highlighted hit", 31, 46, 1, 8, "highlight"},
    };
    const ViewTransform fit = FitToRect(sample.Extent, QRectF(0, 0, 440, 240), 20);
    for (const auto& k : cases) {
        const ViewTransform at = ZoomAbout(fit, fit.toPixel(40, 50), k.zoom);
        EXPECT_EQ(ColourAt(Painted({440, 240}, sample, at, k.highlight), at.toPixel(k.x, k.y)), k.colour) << k.name;
    }
    const ViewTransform box = FitToRect(DrawBox::Of(0, 0, 200, 100), QRectF(0, 0, 440, 240), 20);
    EXPECT_EQ(QPolygonF({box.toPixel(0, 0), box.toPixel(200, 100)}), QPolygonF({{20, 220}, {420, 20}}));
    // 0.05 pixels a mm: the 20 mm rectangle is a single point.
    const ViewTransform far{0.05, 10, 30};
    const QImage tiny = Painted({40, 40}, sample, far, -1);
    EXPECT_EQ(ColourAt(tiny, far.toPixel(40, 50)) + " " + ColourAt(tiny, far.toPixel(100, 50)),
              "confirmed unconfirmed");
}

}  // namespace
}  // namespace qv::ui
