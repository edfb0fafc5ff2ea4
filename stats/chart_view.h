// What the statistics window's charts share: the background and a readable
// text colour from the palette, a value axis, and the picture for the clipboard.
#pragma once

#include <QWidget>

// Drawn by hand with QPainter: Qt's chart module is available only under the
// GPL or a commercial licence, which our MIT licence with Qt linked
// dynamically under the LGPL would not cover.
class ChartView : public QWidget {
  public:
    explicit ChartView(QWidget* parent = nullptr);

    // The chart as it is on screen, for the clipboard.
    QImage picture() const;

    QColor backgroundColour() const;
    // The palette's text colour, or black or white where that would stand
    // out less than 4.5:1 against the background.
    QColor textColour() const;
    // Bars take the palette's highlight.
    QColor barColour() const;

    QSize sizeHint() const override { return {560, 260}; }
    // Small, so that the charts give up height first on a small screen.
    QSize minimumSizeHint() const override { return {240, 110}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void paint(QPainter& painter) const = 0;

    // Fills the background; without figures writes `message` in the middle
    // and gives false.
    bool paintBackground(QPainter& painter, bool hasFigures, const QString& message) const;

    // Values from 0 to `top` in steps of 1, 2 or 5 times a power of ten.
    struct ValueScale {
        double top;
        double step;
    };
    static ValueScale valueScale(double most);
    // The width the value labels of `scale` need left of the plot.
    int valueLabelWidth(const ValueScale& scale) const;
    // Grid lines, ticks and labels up the left of `plot`, and both axes.
    void paintValueAxis(QPainter& painter, const QRect& plot, const ValueScale& scale) const;
    // y of `value` in `plot`.
    static double yOf(const QRect& plot, const ValueScale& scale, double value);

    static QString wholeText(double x);
};
