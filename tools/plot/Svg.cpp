// The SVG text of a display list, written without any SVG library.
#include <cmath>
#include <cstdio>

#include "Plot.h"

namespace qv::plot {
namespace {

std::string Num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    std::string s = buffer;
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

// Suite text is single bytes; bytes above 127 are written as character references.
std::string Escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (c < 32 || c > 126) out += "&#" + std::to_string(c) + ";";
        else out += static_cast<char>(c);
    }
    return out;
}

std::string PathData(const ShapeOutline& o) {
    std::string d;
    for (const Contour& c : o.Contours) {
        for (std::size_t i = 0; i < c.Points.size(); ++i)
            d += (i == 0 ? "M" : "L") + Num(c.Points[i].X) + " " + Num(c.Points[i].Y);
        if (c.Closed) d += "Z";
    }
    return d;
}

const char* KindClass(OutlineKind kind) {
    switch (kind) {
        case OutlineKind::Hole: return "hole";
        case OutlineKind::Form: return "form";
        default: return "mark";
    }
}
}  // namespace

std::string SvgOf(const DisplayList& list, int width, int height) {
    const double margin = 10;
    const double w = std::max(1.0, width - 2 * margin), h = std::max(1.0, height - 2 * margin);
    const DrawBox& e = list.Extent;
    double scale = 1;
    if (!e.Empty && (e.width() > 0 || e.height() > 0))
        scale = std::min(e.width() > 0 ? w / e.width() : HUGE_VAL, e.height() > 0 ? h / e.height() : HUGE_VAL);
    const double ox = width / 2.0 - scale * (e.Empty ? 0 : (e.MinX + e.MaxX) / 2);
    const double oy = height / 2.0 + scale * (e.Empty ? 0 : (e.MinY + e.MaxY) / 2);

    std::string s;
    s.reserve(200 + list.Hits.size() * 48);
    s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
         std::to_string(width) + " " + std::to_string(height) + "\">\n";
    s += "<style>*{vector-effect:non-scaling-stroke}.sheet{fill:#e8ecf0;stroke:#5a6068}"
         ".clamp{fill:#465a96}.c{fill:#14286e;stroke:#14286e}.u{fill:none;stroke:#e67800}"
         ".form{fill:none;stroke-dasharray:4 2}.mark{fill:none}.arrow{stroke:#1e8c3c;fill:none}"
         "text{font:11px sans-serif;fill:#282828}</style>\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n<defs>\n";
    for (std::size_t i = 0; i < list.Outlines.size(); ++i)
        s += "<path id=\"o" + std::to_string(i) + "\" class=\"" + KindClass(list.Outlines[i].Kind) + "\" d=\"" +
             PathData(list.Outlines[i]) + "\"/>\n";
    s += "</defs>\n<g transform=\"matrix(" + Num(scale) + " 0 0 " + Num(-scale) + " " + Num(ox) + " " + Num(oy) +
         ")\">\n";
    const auto rect = [&](const DrawBox& b, const char* cls) {
        s += "<rect class=\"" + std::string(cls) + "\" x=\"" + Num(b.MinX) + "\" y=\"" + Num(b.MinY) +
             "\" width=\"" + Num(b.width()) + "\" height=\"" + Num(b.height()) + "\"/>\n";
    };
    if (!list.Sheet.Empty) rect(list.Sheet, "sheet");
    for (const DrawBox& c : list.Clamps) rect(c, "clamp");
    for (const DisplayHit& hit : list.Hits)
        s += std::string("<use class=\"") + (hit.confirmed() ? "c" : "u") + "\" xlink:href=\"#o" +
             std::to_string(hit.Outline) + "\" x=\"" + Num(hit.X) + "\" y=\"" + Num(hit.Y) + "\"/>\n";
    const double head = 6 / scale;
    for (const DisplayArrow& a : list.Arrows) {
        const double dir = a.To.X >= a.From.X ? 1 : -1;
        s += "<path class=\"arrow\" d=\"M" + Num(a.From.X) + " " + Num(a.From.Y) + "L" + Num(a.To.X) + " " +
             Num(a.To.Y) + "M" + Num(a.To.X - dir * head) + " " + Num(a.To.Y + head * 0.7) + "L" + Num(a.To.X) +
             " " + Num(a.To.Y) + "L" + Num(a.To.X - dir * head) + " " + Num(a.To.Y - head * 0.7) + "\"/>\n";
    }
    s += "</g>\n";
    for (const DisplayHit& hit : list.Hits) {
        const ShapeOutline& o = list.Outlines[hit.Outline];
        if (o.Kind != OutlineKind::Special || o.Label.empty()) continue;
        s += "<text x=\"" + Num(ox + scale * (hit.X + o.Bounds.MaxX) + 3) + "\" y=\"" + Num(oy - scale * hit.Y + 4) +
             "\">" + Escape(o.Label) + "</text>\n";
    }
    s += "</svg>\n";
    return s;
}

}  // namespace qv::plot
