// The picture of a range's gaps: a bar per even gap, the value axis on the
// left, the gap sizes below, each axis with its title.
#include "stats/gap_chart.h"

#include "common/number_text.h"
#include "ui/qt_text.h"

#include <QPainter>

#include <algorithm>

using namespace korvane;

namespace {

QString gapAxisTitle() {
    return QStringLiteral("Gap between neighbouring primes");
}
QString countAxisTitle() {
    return QStringLiteral("Times it occurs");
}

// Labels every `step`-th gap (2, 4, 10, 20, 50, ...), so that labels `room`
// pixels wide stand apart on bars `barWidth` wide.
std::uint64_t labelStep(double barWidth, int room) {
    const std::uint64_t steps[] = {2, 4, 10, 20, 50, 100, 200, 500, 1000};
    for (const std::uint64_t step : steps)
        if (barWidth * static_cast<double>(step / 2) >= room)
            return step;
    return 2000;
}

} // namespace

GapChart::GapChart(QWidget* parent) : ChartView(parent) {
    setAccessibleName(QStringLiteral("How often each gap occurs"));
    clearFigures();
}

void GapChart::setFigures(const stats::RangeStatistics& s) {
    bars_.clear();
    for (std::size_t gap = 2; gap < s.gapCounts.size(); gap += 2)
        bars_.push_back(s.gapCounts[gap]);
    counted_ = true;
    QStringList parts;
    for (std::size_t i = 0; i < bars_.size(); ++i)
        parts << QStringLiteral("%1: %2").arg(2 * (i + 1)).arg(qText(decimalDigits(bars_[i])));
    setAccessibleDescription(
        bars_.empty() ? QStringLiteral("No two primes of the range lie 2 or more apart.")
                      : QStringLiteral("Times each gap between neighbouring primes occurs, by "
                                       "gap from 2 to %1: %2.")
                            .arg(2 * bars_.size())
                            .arg(parts.join(QStringLiteral(", "))));
    update();
}

void GapChart::clearFigures() {
    bars_.clear();
    counted_ = false;
    setAccessibleDescription(QStringLiteral("Counting..."));
    update();
}

void GapChart::paint(QPainter& painter) const {
    const QString message = counted_
                                ? QStringLiteral("No two primes of the range lie 2 or more apart.")
                                : QStringLiteral("Counting...");
    if (!paintBackground(painter, !bars_.empty(), message))
        return;
    const ValueScale scale =
        valueScale(static_cast<double>(*std::max_element(bars_.begin(), bars_.end())));
    const int left = std::max(valueLabelWidth(scale), 12);
    const int line = fontMetrics().height();
    const QRect plot(left, line + 10, width() - left - 12, height() - 3 * line - 22);
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const double barWidth = static_cast<double>(plot.width()) / static_cast<double>(bars_.size());
    const double gap = barWidth >= 4 ? 1 : 0;
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const double x = plot.left() + static_cast<double>(i) * barWidth;
        const double y = yOf(plot, scale, static_cast<double>(bars_[i]));
        painter.fillRect(QRectF(x + gap, y, barWidth - 2 * gap, plot.bottom() + 1 - y),
                         barColour());
    }
    paintValueAxis(painter, plot, scale);
    paintGapTicks(painter, plot);
    painter.setPen(textColour());
    painter.drawText(QRect(4, 2, width() - 8, line), Qt::AlignLeft | Qt::AlignVCenter,
                     countAxisTitle());
}

void GapChart::paintGapTicks(QPainter& painter, const QRect& plot) const {
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const double barWidth = static_cast<double>(plot.width()) / static_cast<double>(bars_.size());
    const QString widest = QString::number(2 * bars_.size());
    const std::uint64_t step = labelStep(barWidth, metrics.horizontalAdvance(widest) + 8);
    const int y = plot.bottom() + 1;
    for (std::uint64_t gap = step; gap <= 2 * bars_.size(); gap += step) {
        const int x =
            plot.left() + static_cast<int>((static_cast<double>(gap / 2) - 0.5) * barWidth);
        painter.drawLine(x, y, x, y + 4);
        const int room = metrics.horizontalAdvance(widest) + 8;
        painter.drawText(QRect(x - room / 2, y + 6, room, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(gap));
    }
    painter.drawText(QRect(plot.left(), y + line + 8, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop, gapAxisTitle());
}
