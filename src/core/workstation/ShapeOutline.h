// The outline of a punch tool as a hit draws it: contours around the hit
// point, already turned by the hit's angle, in millimetres.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/tooling/ToolRecord.h"

namespace qv {

struct DrawPoint {
    double X = 0;
    double Y = 0;
};

/// An axis-parallel box; empty until a point is added.
struct DrawBox {
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    bool Empty = true;

    void add(double x, double y);
    void add(const DrawBox& other);
    double width() const { return Empty ? 0 : MaxX - MinX; }
    double height() const { return Empty ? 0 : MaxY - MinY; }
    bool contains(double x, double y) const { return !Empty && x >= MinX && x <= MaxX && y >= MinY && y <= MaxY; }
    /// Distance from a point to the box, 0 inside.
    double distance(double x, double y) const;
    static DrawBox Of(double minX, double minY, double maxX, double maxY);
};

enum class OutlineKind : std::uint8_t {
    Hole,       // a punched shape: filled when its tool is confirmed
    Form,       // a louvre: drawn dashed, never filled
    Special,    // a small box with the tool's name
    Undefined,  // a cross: no usable tool
};

struct Contour {
    std::vector<DrawPoint> Points;
    bool Closed = true;
};

struct ShapeOutline {
    OutlineKind Kind = OutlineKind::Undefined;
    char Shape = 'U';
    float Angle = 0;  // degrees, counter-clockwise
    std::vector<Contour> Contours;
    std::string Label;  // a Special's trimmed name
    DrawBox Bounds;     // of the contours, around the hit point
};

/// Side of the Special marker box and half the arm of the undefined cross, mm.
constexpr double SpecialMarkerSize = 4;
constexpr double UndefinedMarkerArm = 3;

/// The outline of `tool` turned by `angle` degrees. An unknown letter, a
/// cleared tool or a size of 0 the shape needs gives the undefined cross.
ShapeOutline MakeShapeOutline(const ToolRecord& tool, double angle);

}  // namespace qv
