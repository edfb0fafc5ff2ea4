// The charts' shared drawing: colours that follow a light or dark desktop,
// the value axis, and the picture the clipboard takes.
#include "stats/chart_view.h"

#include "common/number_text.h"
#include "ui/qt_text.h"
#include "ui/text_contrast.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QColor ChartView::backgroundColour() const {
    return palette().color(QPalette::Base);
}

QColor ChartView::textColour() const {
    return readableOn(palette().color(QPalette::Text), backgroundColour());
}

QColor ChartView::barColour() const {
    return palette().color(QPalette::Highlight);
}

QImage ChartView::picture() const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    paint(painter);
    return image;
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter);
}

bool ChartView::paintBackground(QPainter& painter, bool hasFigures, const QString& message) const {
    painter.fillRect(rect(), backgroundColour());
    painter.setFont(font());
    painter.setPen(textColour());
    if (!hasFigures)
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, message);
    return hasFigures;
}

ChartView::ValueScale ChartView::valueScale(double most) {
    most = std::max(most, 1.0);
    double step = 1;
    const double factors[] = {2, 2.5, 2};
    for (int i = 0; most > 4 * step; ++i)
        step *= factors[i % 3];
    return {std::ceil(most / step) * step, step};
}

int ChartView::valueLabelWidth(const ValueScale& scale) const {
    return fontMetrics().horizontalAdvance(wholeText(scale.top)) + 12;
}

double ChartView::yOf(const QRect& plot, const ValueScale& scale, double value) {
    return plot.bottom() + 1 - value / scale.top * plot.height();
}

void ChartView::paintValueAxis(QPainter& painter, const QRect& plot,
                               const ValueScale& scale) const {
    const QColor text = textColour();
    const int line = fontMetrics().height();
    QColor grid = text;
    grid.setAlpha(40);
    for (double value = 0; value <= scale.top + scale.step / 2; value += scale.step) {
        const int y =
            plot.bottom() - static_cast<int>(std::lround(value / scale.top * plot.height()));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(text);
        painter.drawLine(plot.left() - 4, y, plot.left(), y);
        painter.drawText(QRect(0, y - line / 2, plot.left() - 8, line),
                         Qt::AlignRight | Qt::AlignVCenter, wholeText(value));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

QString ChartView::wholeText(double x) {
    return qText(
        korvane::decimalDigits(static_cast<std::uint64_t>(std::llround(std::max(0.0, x)))));
}
