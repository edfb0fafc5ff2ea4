// The statistics window's picture: a bar for the primes of each interval of
// the range, and over the bars a line for the count li predicts for it.
#pragma once

#include "search/range_statistics.h"

#include <QWidget>

#include <cstdint>
#include <vector>

// Drawn by hand with QPainter: Qt's chart module is available only under the
// GPL or a commercial licence, which our MIT licence with Qt linked
// dynamically under the LGPL would not cover.
class PrimeChart : public QWidget {
  public:
    explicit PrimeChart(QWidget* parent = nullptr);

    // The figures to draw, and their description for screen readers.
    void setFigures(const korvane::search::RangeStatistics& s);
    // No figures yet: the chart says it is counting.
    void clearFigures();

    // The chart as it is on screen, for the clipboard.
    QImage picture() const;
    // The bars take the palette's highlight; the line a hue opposite it, dark
    // on a light background and light on a dark one.
    QColor barColour() const;
    QColor lineColour() const;

    QSize sizeHint() const override { return {560, 260}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paint(QPainter& painter) const;
    void paintAxes(QPainter& painter, const QRect& plot, double top, double step) const;
    void paintLegend(QPainter& painter, const QRect& plot) const;

    std::vector<std::uint64_t> counts_;
    std::vector<double> predicted_;
    std::uint64_t first_ = 0;
    std::uint64_t last_ = 0;
};
