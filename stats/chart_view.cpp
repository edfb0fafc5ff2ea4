// The charts' shared drawing: colours that follow a light or dark desktop,
// the value axis, and the picture the clipboard takes.
#include "stats/chart_view.h"

#include "common/number_text.h"
#include "ui/qt_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QColor ChartView::backgroundColour() const {
    return palette().color(QPalette::Base);
}

QColor ChartView::textColour() const {
    const QColor background = backgroundColour();
    const QColor text = palette().color(QPalette::Text);
    if (contrastRatio(text, background) >= 4.5)
        return text;
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
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
