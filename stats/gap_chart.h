// The statistics window's second chart: how often each gap between
// neighbouring primes occurs, one bar per even gap from 2 to the largest.
#pragma once

#include "stats/chart_view.h"
#include "stats/range_statistics.h"

#include <cstdint>
#include <vector>

class GapChart : public ChartView {
  public:
    explicit GapChart(QWidget* parent = nullptr);

    // The figures to draw, and their description for screen readers.
    void setFigures(const korvane::stats::RangeStatistics& s);
    // No figures yet: the chart says it is counting.
    void clearFigures();

    // The bars, first to last: how often the gaps 2, 4, 6, ... occur. The
    // gap of 1, between 2 and 3, is no bar.
    const std::vector<std::uint64_t>& bars() const { return bars_; }

  protected:
    void paint(QPainter& painter) const override;

  private:
    void paintGapTicks(QPainter& painter, const QRect& plot) const;

    std::vector<std::uint64_t> bars_;
    bool counted_ = false;
};
