// The drawing as the user checks it by eye: sheet, clamps and every hit with
// its tool. Wheel zooms about the pointer, a drag pans, Home fits the whole
// drawing; a click on a hit names its station. A preview shows the drawing
// fitted and takes no input.
#pragma once

#include <QString>
#include <QWidget>

#include "core/workstation/DisplayList.h"
#include "ui/workstation/DrawingPainter.h"

namespace qv::ui {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr, bool interactive = true);

    /// Shows a new list. keepView keeps the zoom and position the user chose
    /// (a box or a tool changed); otherwise the drawing is fitted.
    void setList(DisplayList list, bool keepView);
    /// Shows no drawing, only this text in the middle ("" for nothing).
    void clear(const QString& text = QString());
    bool hasDrawing() const { return shown_; }
    const DisplayList& list() const { return list_; }

    void setInchUnits(bool inch) { inch_ = inch; }
    /// Draws this station's hits in the highlight colour (-1: none).
    void setHighlightStation(int station);
    int highlightStation() const { return painter_.HighlightStation; }

    /// World to pixels, as last painted.
    const ViewTransform& transform() const { return view_; }
    void fit();
    /// The read-out of the last pointer position ("X 120.00  Y 45.50").
    QString pointerText() const { return pointerText_; }

signals:
    /// A click on a hit: the station of its tool.
    void stationClicked(int station);
    /// The pointer moved over the drawing; text as pointerText().
    void pointerMoved(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zoom(QPointF about, double factor);

    DisplayList list_;
    DrawingPainter painter_;
    ViewTransform view_;
    bool interactive_;
    bool shown_ = false;
    bool fitted_ = true;  // follows the window's size until the user zooms or pans
    bool inch_ = false;
    QString message_;
    QString pointerText_;
    QPointF pressAt_;
    QPointF lastDrag_;
    bool dragging_ = false;
};

}  // namespace qv::ui
