// The picture of a range's primes: bars, li's line, axes with a few ticks and
// a legend, all from the palette so it follows a light or dark desktop.
#include "stats/prime_chart.h"

#include "common/number_text.h"
#include "ui/qt_text.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace korvane;

PrimeChart::PrimeChart(QWidget* parent) : ChartView(parent) {
    setAccessibleName(QStringLiteral("Chart of the primes in each interval of the range"));
    clearFigures();
}

void PrimeChart::setFigures(const stats::RangeStatistics& s) {
    counts_ = s.intervalPrimes;
    predicted_ = s.intervalPredicted;
    first_ = s.range.first;
    last_ = s.range.last;
    QStringList counted, predicted;
    for (const std::uint64_t n : counts_)
        counted << qText(decimalDigits(n));
    for (const double p : predicted_)
        predicted << wholeText(p);
    setAccessibleDescription(
        QStringLiteral("Primes in each of %1 intervals from %2 to %3, first to last: %4. "
                       "The counts li predicts for them: %5.")
            .arg(counts_.size())
            .arg(qText(decimalDigits(first_)), qText(decimalDigits(last_)),
                 counted.join(QStringLiteral(", ")), predicted.join(QStringLiteral(", "))));
    update();
}

void PrimeChart::clearFigures() {
    counts_.clear();
    predicted_.clear();
    setAccessibleDescription(QStringLiteral("Counting..."));
    update();
}

QColor PrimeChart::lineColour() const {
    const int hue = barColour().hslHue();
    const bool darkBackground = backgroundColour().lightness() < 128;
    return QColor::fromHsl(hue < 0 ? 20 : (hue + 180) % 360, 230, darkBackground ? 175 : 95);
}

void PrimeChart::paint(QPainter& painter) const {
    if (!paintBackground(painter, !counts_.empty(), QStringLiteral("Counting...")))
        return;
    double most = 1;
    for (std::size_t i = 0; i < counts_.size(); ++i)
        most = std::max({most, static_cast<double>(counts_[i]), predicted_[i]});
    const ValueScale scale = valueScale(most);
    const int left = valueLabelWidth(scale);
    const int line = fontMetrics().height();
    const QRect plot(left, line + 14, width() - left - 12, height() - 2 * line - 26);
    if (plot.width() < 20 || plot.height() < 20)
        return;

    const double width = static_cast<double>(plot.width()) / static_cast<double>(counts_.size());
    const double gap = width >= 4 ? 1 : 0;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        const double x = plot.left() + static_cast<double>(i) * width;
        const double y = yOf(plot, scale, static_cast<double>(counts_[i]));
        painter.fillRect(QRectF(x + gap, y, width - 2 * gap, plot.bottom() + 1 - y), barColour());
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(lineColour(), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    for (std::size_t i = 0; i < predicted_.size(); ++i) {
        const QPointF point(plot.left() + (static_cast<double>(i) + 0.5) * width,
                            yOf(plot, scale, predicted_[i]));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    // One interval has no neighbour to join: its prediction spans its bar.
    if (predicted_.size() == 1) {
        path.moveTo(plot.left(), yOf(plot, scale, predicted_[0]));
        path.lineTo(plot.right(), yOf(plot, scale, predicted_[0]));
    }
    painter.drawPath(path);
    painter.setRenderHint(QPainter::Antialiasing, false);

    paintValueAxis(painter, plot, scale);
    paintRangeTicks(painter, plot);
    paintLegend(painter, plot);
}

void PrimeChart::paintRangeTicks(QPainter& painter, const QRect& plot) const {
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    painter.setPen(textColour());
    // The ends and the middle of the range, written in full as the pages write
    // primes, or in the shorter general form ("1E+19") where that is too wide.
    const int wide = plot.width() / 3;
    const auto tickText = [&](std::uint64_t value) {
        const QString full = qText(decimalDigits(value));
        return metrics.horizontalAdvance(full) < wide - 8
                   ? full
                   : qText(generalForm(static_cast<double>(value)));
    };
    const std::uint64_t middle = first_ + (last_ - first_) / 2;
    const std::pair<std::uint64_t, Qt::Alignment> ticks[] = {
        {first_, Qt::AlignLeft}, {middle, Qt::AlignHCenter}, {last_, Qt::AlignRight}};
    const int y = plot.bottom() + 1;
    for (const auto& [value, align] : ticks) {
        // A range of one or two numbers would write the same number twice.
        if (align != Qt::AlignLeft &&
            (value == first_ || (align == Qt::AlignHCenter && value == last_)))
            continue;
        const int x = align == Qt::AlignLeft    ? plot.left()
                      : align == Qt::AlignRight ? plot.right()
                                                : plot.center().x();
        painter.drawLine(x, y, x, y + 4);
        const QRect box(align == Qt::AlignLeft    ? x
                        : align == Qt::AlignRight ? x - wide
                                                  : x - wide / 2,
                        y + 6, wide, line);
        painter.drawText(box, align | Qt::AlignTop, tickText(value));
    }
}

void PrimeChart::paintLegend(QPainter& painter, const QRect& plot) const {
    const QFontMetrics metrics(font());
    const QString counted = QStringLiteral("primes found");
    const QString predicted = QStringLiteral("li's prediction");
    const int line = metrics.height();
    const int swatch = line;
    int x = plot.right() - (2 * swatch + 18 + metrics.horizontalAdvance(counted) +
                            metrics.horizontalAdvance(predicted) + 6);
    const int y = 4;
    painter.fillRect(QRect(x, y + line / 4, swatch, line / 2), barColour());
    x += swatch + 4;
    painter.setPen(textColour());
    painter.drawText(QRect(x, y, metrics.horizontalAdvance(counted) + 2, line), Qt::AlignVCenter,
                     counted);
    x += metrics.horizontalAdvance(counted) + 14;
    painter.setPen(QPen(lineColour(), 2.5));
    painter.drawLine(x, y + line / 2, x + swatch, y + line / 2);
    x += swatch + 4;
    painter.setPen(textColour());
    painter.drawText(QRect(x, y, metrics.horizontalAdvance(predicted) + 2, line), Qt::AlignVCenter,
                     predicted);
}
