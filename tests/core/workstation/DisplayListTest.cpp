// Tool outlines follow shape sizes and angle; drawings that are no whole
// drawing are refused; the pointer finds the nearest hit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "core/workstation/DisplayList.h"
#include "support/DrawingFile.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv::test {
namespace {

std::string BoxText(const DrawBox& b) {
    char text[96];
    std::snprintf(text, sizeof text, "%.3f %.3f %.3f %.3f", b.MinX + 0.0, b.MinY + 0.0, b.MaxX + 0.0, b.MaxY + 0.0);
    return text;
}

TEST(DisplayList, OutlinesFollowShapeSizesAndAngleDrawingsAreRefusedOrPointedAt) {
    const struct { const char* tool; double angle; OutlineKind kind; const char* bounds; } cases[] = {
        {"B,,10,0,0,0,1,10,0,0,1", 45, OutlineKind::Hole, "-7.071 -7.071 7.071 7.071"},
        {"C,,10,0,0,2,1,10,0,0,1", 0, OutlineKind::Hole, "-5.000 -5.000 5.000 5.000"},
        {"E,,20,10,0,2,1,10,0,0,1", 180, OutlineKind::Hole, "-10.000 -5.000 10.000 5.000"},
        {"F,,30,10,0,0,1,10,0,0,1", 0, OutlineKind::Hole, "-15.000 -5.000 15.000 5.000"},
        {"G,,10,8,0,0,1,10,0,0,1", 0, OutlineKind::Hole, "-5.000 -5.000 5.000 3.000"},
        {"H,,10,6,0,0,1,10,0,0,1", 90, OutlineKind::Hole, "-3.000 -5.000 3.000 5.000"},
        {"I,,20,10,0,0,1,10,0,0,1", 0, OutlineKind::Hole, "-10.000 -5.000 10.000 5.000"},
        {"J,,10,0,0,0,1,10,0,0,1", 0, OutlineKind::Hole, "-5.774 -5.000 5.774 5.000"},
        {"K,,10,12,2,0,1,10,0,0,1", 0, OutlineKind::Hole, "-5.000 -5.000 5.000 7.000"},
        {"K,,10,12,-2,0,1,10,0,0,1", 0, OutlineKind::Hole, "-5.000 -7.000 5.000 5.000"},
        {"K,,10,6,2,0,1,10,0,0,1", 0, OutlineKind::Hole, "-5.000 -5.000 5.000 5.000"},
        {"L,,20,10,0,0,1,10,0,0,1", 0, OutlineKind::Form, "-10.000 -5.000 10.000 5.000"},
        {"M,,30,0,5,1,1,10,0,0,1", 0, OutlineKind::Hole, "-15.000 -15.000 15.000 15.000"},
        {"S,KEYHOLE,0,0,0,0,1,10,0,0,1", 45, OutlineKind::Special, "-2.000 -2.000 2.000 2.000"},
        {"D,,20,0,0,0,1,10,0,0,1", 0, OutlineKind::Undefined, "-3.000 -3.000 3.000 3.000"},
        {"K,,10,12,0,0,1,10,0,0,1", 0, OutlineKind::Undefined, "-3.000 -3.000 3.000 3.000"},
    };
    for (const auto& c : cases) {
        const ShapeOutline o = MakeShapeOutline(Tool(c.tool), c.angle);
        EXPECT_EQ(BoxText(o.Bounds), c.bounds) << c.tool << " @" << c.angle;
        EXPECT_EQ(o.Kind, c.kind) << c.tool;
    }

    Sandbox box;
    DrawingRecord header, hit, lost, note;
    header.RecordCount = 2;
    hit.EntityCode = lost.EntityCode = 210;
    lost.Doubles6[0] = std::nan("");
    note.EntityCode = 999;
    const std::string good = DrawingBytes({header, hit});
    // read: the message, or the hits and the entities skipped.
    const std::pair<std::string, const char*> drawings[] = {
        {std::string(100, '\0'), "C:\\D.drw: the drawing is too short to hold its header (100 bytes)"},
        {good.substr(518) + good, "C:\\D.drw: record 1 is no drawing header (entity code 210)"},
        {good.substr(0, 518), "C:\\D.drw: the drawing is cut short (the header counts 2 records, the file holds 1)"},
        {DrawingBytes({header, hit, lost, note}), "1 hits, 2 skipped"},  // damaged and unknown entities
    };
    for (const auto& [bytes, read] : drawings) {
        box.write("C:\\D.drw", bytes);
        const auto list = BuildDisplayList("C:\\D.drw", DisplaySource());
        EXPECT_EQ(list.ok() ? std::to_string(list->Hits.size()) + " hits, " + std::to_string(list->Skipped) + " skipped"
                            : list.message(), read);
    }

    DrawingRecord first, a, b;
    a.EntityCode = b.EntityCode = 210;
    a.Doubles6 = {100, 100};
    a.Tool = Tool("D,,20,10,0,0,3,10,0,0,1");
    b.Doubles6 = {125, 100};
    b.Tool = Tool("A,,10,0,0,0,7,10,0,0,1");
    DisplayListBuilder builder{DisplaySource()};
    std::uint32_t number = 0;
    for (const DrawingRecord& r : {first, a, b}) builder.add(EncodeDrawingRecord(r), ++number);
    const DisplayList list = builder.finish();
    const struct { double x, y, tolerance; int hit; } points[] = {
        {100, 100, 0, 0},  {109, 104, 0, 0},       {112, 100, 1, -1},   {112, 100, 2.5, 0},
        {116, 100, 5, 1}, {125, 105.5, 0.4, -1}, {125, 105.5, 1, 1}, {300, 300, 50, -1}};
    for (const auto& c : points) EXPECT_EQ(HitAt(list, c.x, c.y, c.tolerance), c.hit) << c.x << "," << c.y;
    EXPECT_EQ((std::vector<double>{MachinePoint({254, 12.7}, true).X, MachinePoint({254, 12.7}, true).Y,
                                   MachinePoint({254, 12.7}, false).X}), (std::vector<double>{10, 0.5, 254}));
}

}  // namespace
}  // namespace qv::test
