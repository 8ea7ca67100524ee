// Tool outlines from shape letters and sizes.
#include "core/workstation/ShapeOutline.h"

#include <algorithm>
#include <cmath>

#include "core/common/Text.h"
#include "core/tooling/ShapeTable.h"

namespace qv {

void DrawBox::add(double x, double y) {
    if (Empty) {
        MinX = MaxX = x;
        MinY = MaxY = y;
        Empty = false;
        return;
    }
    MinX = std::min(MinX, x);
    MaxX = std::max(MaxX, x);
    MinY = std::min(MinY, y);
    MaxY = std::max(MaxY, y);
}

void DrawBox::add(const DrawBox& other) {
    if (other.Empty) return;
    add(other.MinX, other.MinY);
    add(other.MaxX, other.MaxY);
}

double DrawBox::distance(double x, double y) const {
    if (Empty) return HUGE_VAL;
    const double dx = std::max({MinX - x, 0.0, x - MaxX});
    const double dy = std::max({MinY - y, 0.0, y - MaxY});
    return std::hypot(dx, dy);
}

DrawBox DrawBox::Of(double minX, double minY, double maxX, double maxY) {
    DrawBox box;
    box.add(minX, minY);
    box.add(maxX, maxY);
    return box;
}

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr int CircleSegments = 64;

using Points = std::vector<DrawPoint>;

double Radians(double degrees) { return degrees * Pi / 180; }

// An arc from angle a to b (degrees; b < a turns clockwise), end points
// included. Inner points sit on a fixed grid of angles that holds the four
// axis directions, so an arc's extent is exact.
void Arc(Points& out, double cx, double cy, double r, double a, double b) {
    const double step = 360.0 / CircleSegments, dir = b >= a ? 1 : -1;
    const auto put = [&](double deg) { out.push_back({cx + r * std::cos(Radians(deg)), cy + r * std::sin(Radians(deg))}); };
    put(a);
    for (double k = dir > 0 ? std::floor(a / step) + 1 : std::ceil(a / step) - 1; (k * step - b) * dir < -1e-9; k += dir)
        if ((k * step - a) * dir > 1e-9) put(k * step);
    put(b);
}

Points Rounded(double w, double h, double r) {
    r = std::clamp(r, 0.0, std::min(w, h) / 2);
    const double x = w / 2 - r, y = h / 2 - r;
    Points p;
    if (r <= 0) return {{-w / 2, -h / 2}, {w / 2, -h / 2}, {w / 2, h / 2}, {-w / 2, h / 2}};
    Arc(p, x, -y, r, -90, 0);
    Arc(p, x, y, r, 0, 90);
    Arc(p, -x, y, r, 90, 180);
    Arc(p, -x, -y, r, 180, 270);
    return p;
}

// A circle of radius r cut by the lines y = low and y = high.
Points CutCircle(double r, double low, double high) {
    const double a1 = std::asin(std::clamp(low / r, -1.0, 1.0)) * 180 / Pi;
    const double a2 = std::asin(std::clamp(high / r, -1.0, 1.0)) * 180 / Pi;
    Points p;
    Arc(p, 0, 0, r, a1, a2);
    Arc(p, 0, 0, r, 180 - a2, 180 - a1);
    return p;
}

Points CannonD(double w, double h) {
    const double r = h / 2, cx = std::max(w / 2 - r, -w / 2);
    Points p{{-w / 2, -r}};
    Arc(p, cx, 0, r, -90, 90);
    p.push_back({-w / 2, r});
    return p;
}

Points Hexagon(double acrossFlats) {
    const double r = acrossFlats / std::sqrt(3.0);
    Points p;
    for (int i = 0; i < 6; ++i) p.push_back({r * std::cos(Radians(60 * i)), r * std::sin(Radians(60 * i))});
    return p;
}

Points Keyway(double d, double height, double width) {
    const double r = d / 2, half = std::min(std::fabs(width) / 2, r);
    const double a0 = std::acos(half / r) * 180 / Pi, top = height - r;
    // A key that would end inside the circle is no notch: the circle stays whole.
    if (top <= std::sqrt(r * r - half * half)) return CutCircle(r, -r, r);
    Points p{{half, top}, {-half, top}};
    Arc(p, 0, 0, r, 180 - a0, 360 + a0);
    if (width < 0)
        for (DrawPoint& q : p) q.Y = -q.Y;
    return p;
}

Points Cruciform(double span, double arm, double r) {
    const double e = span / 2, w = std::min(std::fabs(arm), span) / 2;
    r = std::clamp(r, 0.0, std::max(0.0, e - w));
    Points quarter{{e, -w}, {e, w}};
    if (r > 0)
        Arc(quarter, w + r, w + r, r, 270, 180);  // concave: turns clockwise
    else
        quarter.push_back({w, w});
    Points p;
    for (int q = 0; q < 4; ++q) {
        const double c = std::cos(Radians(90 * q)), s = std::sin(Radians(90 * q));
        for (const DrawPoint& v : quarter) p.push_back({v.X * c - v.Y * s, v.X * s + v.Y * c});
    }
    return p;
}

// The sizes the shape table says the letter shows must be usable.
bool SizesUsable(const ToolRecord& tool) {
    const ShapeInfo* info = FindShape(tool.Shape);
    if (!info) return false;
    for (int i = 0; i < info->partCount; ++i) {
        const ShapePart& part = info->parts[i];
        const float v = tool.Size[static_cast<std::size_t>(part.size - 1)];
        if (!std::isfinite(v) || (part.absolute ? v == 0 : v <= 0)) return false;
    }
    return true;
}

void Cross(ShapeOutline& o) {
    const double a = UndefinedMarkerArm;
    o.Kind = OutlineKind::Undefined;
    o.Contours = {{{{-a, -a}, {a, a}}, false}, {{{-a, a}, {a, -a}}, false}};
}
}  // namespace

ShapeOutline MakeShapeOutline(const ToolRecord& tool, double angle) {
    ShapeOutline o;
    o.Shape = tool.Shape;
    o.Angle = static_cast<float>(angle);
    const auto s = [&](int n) { return static_cast<double>(tool.Size[static_cast<std::size_t>(n - 1)]); };
    if (tool.Shape == 'S') {
        o.Kind = OutlineKind::Special;
        o.Label = Trim(tool.Description);
        o.Contours = {{Rounded(SpecialMarkerSize, SpecialMarkerSize, 0), true}};
    } else if (!SizesUsable(tool)) {
        Cross(o);
    } else {
        o.Kind = tool.Shape == 'L' ? OutlineKind::Form : OutlineKind::Hole;
        Points p;
        switch (tool.Shape) {
            case 'A': p = CutCircle(s(1) / 2, -s(1), s(1)); break;
            case 'B': p = Rounded(s(1), s(1), 0); break;
            case 'C': p = Rounded(s(1), s(1), s(4)); break;
            case 'D': case 'L': p = Rounded(s(1), s(2), 0); break;
            case 'E': p = Rounded(s(1), s(2), s(4)); break;
            case 'F': p = Rounded(s(1), s(2), std::min(s(1), s(2)) / 2); break;
            case 'G': p = CutCircle(s(1) / 2, -s(1) / 2, s(2) - s(1) / 2); break;
            case 'H': p = CutCircle(s(1) / 2, -s(2) / 2, s(2) / 2); break;
            case 'I': p = CannonD(s(1), s(2)); break;
            case 'J': p = Hexagon(s(1)); break;
            case 'K': p = Keyway(s(1), s(2), s(3)); break;
            default: p = Cruciform(s(1), s(3), s(4)); break;  // 'M'
        }
        o.Contours = {{std::move(p), true}};
    }
    // Markers stay upright so that they read the same at every angle.
    const bool turn = o.Kind == OutlineKind::Hole || o.Kind == OutlineKind::Form;
    const double c = std::cos(Radians(angle)), sn = std::sin(Radians(angle));
    for (Contour& contour : o.Contours)
        for (DrawPoint& p : contour.Points) {
            if (turn) p = {p.X * c - p.Y * sn, p.X * sn + p.Y * c};
            o.Bounds.add(p.X, p.Y);
        }
    return o;
}

}  // namespace qv
