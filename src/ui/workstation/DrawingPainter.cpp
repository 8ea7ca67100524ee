// Painting a display list: sheet, clamps, hits (as cached images of their
// outlines, or points when smaller than a pixel), arrows and labels.
#include "ui/workstation/DrawingPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/common/CoreText.h"

namespace qv::ui {

QRectF ViewTransform::toPixel(const DrawBox& box) const {
    return QRectF(toPixel(box.MinX, box.MaxY), toPixel(box.MaxX, box.MinY));
}

ViewTransform FitToRect(const DrawBox& world, const QRectF& pixels, double margin) {
    ViewTransform view;
    const double w = std::max(1.0, pixels.width() - 2 * margin), h = std::max(1.0, pixels.height() - 2 * margin);
    if (!world.Empty && (world.width() > 0 || world.height() > 0)) {
        const double sx = world.width() > 0 ? w / world.width() : HUGE_VAL;
        const double sy = world.height() > 0 ? h / world.height() : HUGE_VAL;
        view.Scale = std::min(sx, sy);
    }
    const double cx = world.Empty ? 0 : (world.MinX + world.MaxX) / 2;
    const double cy = world.Empty ? 0 : (world.MinY + world.MaxY) / 2;
    view.OffsetX = pixels.center().x() - view.Scale * cx;
    view.OffsetY = pixels.center().y() + view.Scale * cy;
    return view;
}

ViewTransform ZoomAbout(const ViewTransform& view, QPointF pixel, double factor) {
    const DrawPoint at = view.toWorld(pixel);
    ViewTransform zoomed;
    zoomed.Scale = view.Scale * factor;
    zoomed.OffsetX = pixel.x() - zoomed.Scale * at.X;
    zoomed.OffsetY = pixel.y() + zoomed.Scale * at.Y;
    return zoomed;
}

namespace {
// Outlines larger than this on screen are drawn as paths, not cached.
constexpr double MaxSpritePixels = 256;
constexpr double LabelPixels = 12;  // a Special's name shows from this size on

QPainterPath PathOf(const ShapeOutline& outline) {
    QPainterPath path;
    for (const Contour& c : outline.Contours) {
        if (c.Points.empty()) continue;
        path.moveTo(c.Points.front().X, c.Points.front().Y);
        for (std::size_t i = 1; i < c.Points.size(); ++i) path.lineTo(c.Points[i].X, c.Points[i].Y);
        if (c.Closed) path.closeSubpath();
    }
    return path;
}
}  // namespace

void DrawingPainter::invalidate() {
    list_ = nullptr;
    paths_.clear();
    sprites_.clear();
}

void DrawingPainter::prepare(const DisplayList& list, double scale) {
    if (list_ != &list || generation_ != list.Generation || outlineCount_ != list.Outlines.size()) {
        invalidate();
        list_ = &list;
        generation_ = list.Generation;
        outlineCount_ = list.Outlines.size();
        for (const ShapeOutline& o : list.Outlines) paths_.push_back(PathOf(o));
        scale_ = 0;
    }
    if (scale_ != scale) {
        sprites_.assign(list.Outlines.size() * StyleCount, Sprite{});
        scale_ = scale;
    }
}

DrawingPainter::Style DrawingPainter::styleOf(const DisplayHit& hit) const {
    if (HighlightStation >= 0 && hit.Station == HighlightStation) return StyleHighlight;
    return hit.confirmed() ? StyleConfirmed : StyleUnconfirmed;
}

void DrawingPainter::drawOutline(QPainter& p, const ShapeOutline& outline, const QPainterPath& path, int style,
                                 double penWidth) const {
    const QColor colour = style == StyleHighlight     ? Colours.Highlight
                          : style == StyleConfirmed ? Colours.Confirmed
                                                    : Colours.Unconfirmed;
    QPen pen(colour, penWidth);
    pen.setCosmetic(true);
    const bool fill = outline.Kind == OutlineKind::Hole && style != StyleUnconfirmed;
    if (outline.Kind == OutlineKind::Form) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(fill ? QBrush(colour) : Qt::NoBrush);
    p.drawPath(path);
}

const DrawingPainter::Sprite& DrawingPainter::sprite(const DisplayList& list, std::uint32_t outline, int style) {
    Sprite& s = sprites_[outline * StyleCount + static_cast<std::size_t>(style)];
    if (s.made) return s;
    s.made = true;
    const DrawBox& b = list.Outlines[outline].Bounds;
    const int w = static_cast<int>(std::ceil(b.width() * scale_)) + 4;
    const int h = static_cast<int>(std::ceil(b.height() * scale_)) + 4;
    s.image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    s.image.fill(Qt::transparent);
    s.origin = QPointF(2 - b.MinX * scale_, 2 + b.MaxY * scale_);
    QPainter p(&s.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(s.origin);
    p.scale(scale_, -scale_);
    drawOutline(p, list.Outlines[outline], paths_[outline], style, 1);
    return s;
}

void DrawingPainter::paint(QPainter& p, const DisplayList& list, const ViewTransform& view) {
    prepare(list, view.Scale);
    const QRectF area = p.viewport();
    p.save();
    if (Colours.Background.alpha() > 0) p.fillRect(area, Colours.Background);
    if (!list.Sheet.Empty) {
        p.setPen(QPen(Colours.SheetEdge, 1));
        p.setBrush(Colours.Sheet);
        p.drawRect(view.toPixel(list.Sheet));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Colours.Clamp);
    for (const DrawBox& c : list.Clamps) p.drawRect(view.toPixel(c));

    const DrawPoint low = view.toWorld(area.bottomLeft()), high = view.toWorld(area.topRight());
    const DrawBox visible = DrawBox::Of(low.X, low.Y, high.X, high.Y);
    std::vector<QPoint> points[StyleCount];
    std::vector<std::size_t> large, labels;
    for (std::size_t i = 0; i < list.Hits.size(); ++i) {
        const DisplayHit& hit = list.Hits[i];
        const ShapeOutline& o = list.Outlines[hit.Outline];
        const DrawBox& b = o.Bounds;
        if (hit.X + b.MaxX < visible.MinX || hit.X + b.MinX > visible.MaxX || hit.Y + b.MaxY < visible.MinY ||
            hit.Y + b.MinY > visible.MaxY)
            continue;
        const double size = std::max(b.width(), b.height()) * view.Scale;
        const int style = styleOf(hit);
        if (size < 1.5) {
            const QPointF at = view.toPixel(hit.X, hit.Y);  // the pixel the point falls in
            points[style].push_back(QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))));
        } else if (size > MaxSpritePixels) {
            large.push_back(i);
        } else {
            const Sprite& s = sprite(list, hit.Outline, style);
            const QPointF at = view.toPixel(hit.X, hit.Y) - s.origin;
            p.drawImage(QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))), s.image);
        }
        if (o.Kind == OutlineKind::Special && size >= LabelPixels) labels.push_back(i);
    }
    const QColor colours[StyleCount] = {Colours.Confirmed, Colours.Unconfirmed, Colours.Highlight};
    for (int style = 0; style < StyleCount; ++style) {
        if (points[style].empty()) continue;
        p.setPen(QPen(colours[style], 1));
        p.drawPoints(points[style].data(), static_cast<int>(points[style].size()));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i : large) {
        const DisplayHit& hit = list.Hits[i];
        p.save();
        p.translate(view.toPixel(hit.X, hit.Y));
        p.scale(view.Scale, -view.Scale);
        drawOutline(p, list.Outlines[hit.Outline], paths_[hit.Outline], styleOf(hit), 1.5);
        p.restore();
    }
    p.setPen(QPen(Colours.Arrow, 1.5));
    for (const DisplayArrow& a : list.Arrows) {
        const QPointF from = view.toPixel(a.From), to = view.toPixel(a.To);
        p.drawLine(from, to);
        const double dir = to.x() >= from.x() ? 1 : -1;
        p.drawLine(to, to + QPointF(-6 * dir, -4));
        p.drawLine(to, to + QPointF(-6 * dir, 4));
    }
    p.setPen(Colours.Label);
    for (std::size_t i : labels) {
        const DisplayHit& hit = list.Hits[i];
        const QPointF at = view.toPixel(hit.X + list.Outlines[hit.Outline].Bounds.MaxX, hit.Y);
        p.drawText(at + QPointF(3, 4), FromCore(list.Outlines[hit.Outline].Label));
    }
    p.restore();
}

void PaintDisplayList(QPainter& painter, const DisplayList& list, const ViewTransform& view, int highlightStation) {
    DrawingPainter drawer;
    drawer.HighlightStation = highlightStation;
    drawer.paint(painter, list, view);
}

}  // namespace qv::ui
