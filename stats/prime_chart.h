// The statistics window's first chart: a bar for the primes of each interval
// of the range, and over the bars a line for the count li predicts for it.
#pragma once

#include "stats/chart_view.h"
#include "stats/range_statistics.h"

#include <cstdint>
#include <vector>

class PrimeChart : public ChartView {
  public:
    explicit PrimeChart(QWidget* parent = nullptr);

    // The figures to draw, and their description for screen readers.
    void setFigures(const korvane::stats::RangeStatistics& s);
    // No figures yet: the chart says it is counting.
    void clearFigures();

    // The line takes a hue opposite the bars', dark on a light background and
    // light on a dark one.
    QColor lineColour() const;

  protected:
    void paint(QPainter& painter) const override;

  private:
    void paintRangeTicks(QPainter& painter, const QRect& plot) const;
    void paintLegend(QPainter& painter, const QRect& plot) const;

    std::vector<std::uint64_t> counts_;
    std::vector<double> predicted_;
    std::uint64_t first_ = 0;
    std::uint64_t last_ = 0;
};
