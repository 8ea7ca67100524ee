// Painting and the mouse and keys of the drawing view.
#include "ui/workstation/DrawingView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace qv::ui {
namespace {

// A press that moves less than this is a click, not a drag.
constexpr double kDragStart = 4;
// A click this close to a hit's outline (pixels) still picks it.
constexpr double kPickPixels = 5;
// One notch of the wheel zooms by this factor.
constexpr double kNotchZoom = 1.25;
constexpr double kZoomOutLimit = 20;
constexpr double kMostPixelsPerMm = 500;

}  // namespace

DrawingView::DrawingView(QWidget* parent, bool interactive) : QWidget(parent), interactive_(interactive) {
    setObjectName(interactive ? QStringLiteral("DrawingView") : QStringLiteral("DrawingPreview"));
    setMinimumSize(interactive ? QSize(320, 240) : QSize(200, 150));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (interactive) {
        setFocusPolicy(Qt::ClickFocus);
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
    }
}

void DrawingView::setList(DisplayList list, bool keepView) {
    list_ = std::move(list);
    painter_.invalidate();
    shown_ = true;
    message_.clear();
    if (!keepView || fitted_) fit();
    update();
}

void DrawingView::clear(const QString& text) {
    list_ = DisplayList();
    painter_.invalidate();
    shown_ = false;
    message_ = text;
    update();
}

void DrawingView::setHighlightStation(int station) {
    if (painter_.HighlightStation == station) return;
    painter_.HighlightStation = station;
    update();
}

void DrawingView::fit() {
    view_ = FitToRect(list_.Extent, QRectF(rect()));
    fitted_ = true;
    update();
}

void DrawingView::zoom(QPointF about, double factor) {
    // Held between a twentieth of the whole drawing and a few microns a
    // pixel, so that no turn of the wheel loses the drawing or the numbers.
    const double least = FitToRect(list_.Extent, QRectF(rect())).Scale / kZoomOutLimit;
    const double scale = std::clamp(view_.Scale * factor, least, std::max(least, kMostPixelsPerMm));
    view_ = ZoomAbout(view_, about, scale / view_.Scale);
    fitted_ = false;
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), painter_.Colours.Background);
    if (!shown_) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    painter_.paint(painter, list_, view_);
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_) fit();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    if (!interactive_ || !shown_) return QWidget::wheelEvent(event);
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) zoom(event->position(), std::pow(kNotchZoom, notches));
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (!interactive_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressAt_ = lastDrag_ = event->position();
    dragging_ = false;
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (!interactive_ || !shown_) return;
    const QPointF at = event->position();
    const DrawPoint world = MachinePoint(view_.toWorld(at), inch_);
    const int decimals = inch_ ? 3 : 2;
    pointerText_ = QStringLiteral("X %1  Y %2").arg(world.X, 0, 'f', decimals).arg(world.Y, 0, 'f', decimals);
    emit pointerMoved(pointerText_);
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (!dragging_ && std::hypot(at.x() - pressAt_.x(), at.y() - pressAt_.y()) < kDragStart) return;
    dragging_ = true;
    setCursor(Qt::ClosedHandCursor);
    view_.OffsetX += at.x() - lastDrag_.x();
    view_.OffsetY += at.y() - lastDrag_.y();
    lastDrag_ = at;
    fitted_ = false;
    update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (!interactive_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    if (dragging_) {
        dragging_ = false;
        setCursor(Qt::CrossCursor);
        return;
    }
    if (!shown_) return;
    const DrawPoint world = view_.toWorld(event->position());
    const int station = StationAt(list_, world.X, world.Y, kPickPixels / view_.Scale);
    if (station >= 0) emit stationClicked(station);
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (interactive_ && event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        fit();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace qv::ui
