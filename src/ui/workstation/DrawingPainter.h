// Paints a drawing's display list onto any QPainter (a widget, an offscreen
// image): world millimetres to pixels with Y up. Qt Gui only, no widgets.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "core/workstation/DisplayList.h"

class QPainter;

namespace qv::ui {

/// pixel x = OffsetX + Scale * x, pixel y = OffsetY - Scale * y.
struct ViewTransform {
    double Scale = 1;  // pixels per mm
    double OffsetX = 0;
    double OffsetY = 0;

    QPointF toPixel(double x, double y) const { return {OffsetX + Scale * x, OffsetY - Scale * y}; }
    QPointF toPixel(DrawPoint p) const { return toPixel(p.X, p.Y); }
    DrawPoint toWorld(QPointF pixel) const { return {(pixel.x() - OffsetX) / Scale, (OffsetY - pixel.y()) / Scale}; }
    QRectF toPixel(const DrawBox& box) const;
};

/// The view that shows `world` whole and centred in `pixels`, leaving
/// `margin` pixels free around it. An empty world shows 1 pixel per mm.
ViewTransform FitToRect(const DrawBox& world, const QRectF& pixels, double margin = 8);

/// The view zoomed by `factor` (above 1: closer) keeping the world point
/// under `pixel` where it is.
ViewTransform ZoomAbout(const ViewTransform& view, QPointF pixel, double factor);

struct DrawingColours {
    QColor Background{255, 255, 255};  // transparent: the target is left as it is
    QColor Sheet{232, 236, 240};
    QColor SheetEdge{90, 96, 104};
    QColor Clamp{70, 90, 150};
    QColor Confirmed{20, 40, 110};     // confirmed tools, filled
    QColor Unconfirmed{230, 120, 0};   // unconfirmed tools, outlined
    QColor Highlight{210, 20, 120};    // the highlighted station's hits
    QColor Arrow{30, 140, 60};
    QColor Label{40, 40, 40};
};

/// Keeps the outlines drawn at the current scale, so that repainting many
/// hits of few tools is cheap. One per view; the list must outlive a paint.
class DrawingPainter {
public:
    DrawingColours Colours;
    /// Station whose hits are drawn in the highlight colour; -1 for none.
    int HighlightStation = -1;

    void paint(QPainter& painter, const DisplayList& list, const ViewTransform& view);
    /// Forget what was drawn for the list (a rebuilt list is noticed by its
    /// Generation; this is for a list changed by hand, or new Colours).
    void invalidate();

private:
    enum Style { StyleConfirmed, StyleUnconfirmed, StyleHighlight, StyleCount };
    struct Sprite {
        QImage image;
        QPointF origin;  // the hit point inside the image
        bool made = false;
    };
    void prepare(const DisplayList& list, double scale);
    const Sprite& sprite(const DisplayList& list, std::uint32_t outline, int style);
    Style styleOf(const DisplayHit& hit) const;
    void drawOutline(QPainter& painter, const ShapeOutline& outline, const QPainterPath& path, int style,
                     double penWidth) const;

    const DisplayList* list_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t outlineCount_ = 0;
    double scale_ = 0;
    std::vector<QPainterPath> paths_;
    std::vector<Sprite> sprites_;
};

/// Paints once with a painter of its own (default colours).
void PaintDisplayList(QPainter& painter, const DisplayList& list, const ViewTransform& view,
                      int highlightStation = -1);

}  // namespace qv::ui
