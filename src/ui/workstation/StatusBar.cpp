// Draws the three status texts.
#include "ui/workstation/StatusBar.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionFrame>

namespace qv::ui {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusBar::setTexts(const QString& directory, const QString& processor, const QString& machine) {
    directory_ = directory;
    processor_ = processor;
    machine_ = machine;
    update();
}

QSize StatusBar::sizeHint() const {
    return {400, fontMetrics().height() + 10};
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));

    const QFontMetrics metrics(font());
    const int baseline = inner.top() + (inner.height() - metrics.height()) / 2 + metrics.ascent();
    const QString left = directory_.trimmed() + QLatin1Char(' ');
    const QString right = QLatin1Char(' ') + machine_;
    const QString centre = QLatin1Char(' ') + processor_.trimmed() + QLatin1Char(' ');

    painter.drawText(inner.left(), baseline, left);
    painter.drawText(inner.right() - metrics.horizontalAdvance(right), baseline, right);
    // Drawn last, over the others, on its own background.
    const int width = metrics.horizontalAdvance(centre);
    const int x = inner.left() + (inner.width() - width) / 2;
    painter.fillRect(QRect(x, inner.top(), width, inner.height()), palette().window());
    painter.drawText(x, baseline, centre);
}

}  // namespace qv::ui
