// Contrast by the WCAG formula, and text colours that keep it on whatever
// background the palette gives them.
#include "ui/text_contrast.h"

#include <QColor>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double enough = 4.5;

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// Follows the palette of one widget and sets its text colour again when the
// background under it changes.
class TextColour : public QObject {
  public:
    TextColour(QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole background,
               const QColor& colour)
        : QObject(widget), widget_(widget), text_(text), background_(background), colour_(colour) {
        widget->installEventFilter(this);
        apply();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

  private:
    void apply() {
        const QColor readable = readableOn(colour_, widget_->palette().color(background_));
        // Setting the palette sends the change this filter answers, so an
        // unchanged colour ends it.
        if (widget_->palette().isBrushSet(QPalette::Active, text_) &&
            widget_->palette().color(text_) == readable)
            return;
        // Only the text colour is the widget's own; every other colour,
        // its background's included, still follows the desktop's palette.
        QPalette own;
        own.setColor(text_, readable);
        widget_->setPalette(own);
    }

    QWidget* widget_;
    QPalette::ColorRole text_;
    QPalette::ColorRole background_;
    QColor colour_;
};

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background) {
    if (contrastRatio(wanted, background) >= enough)
        return wanted;
    // Towards white on a dark background, towards black on a light one, in
    // small steps of lightness with hue and saturation kept.
    const bool lighten = luminance(background) < 0.18;
    const QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 100; ++step) {
        const double lightness = lighten ? hsl.lightnessF() + (1 - hsl.lightnessF()) * step / 100
                                         : hsl.lightnessF() * (100 - step) / 100;
        const QColor tried =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).toRgb();
        if (contrastRatio(tried, background) >= enough)
            return tried;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

void setTextColour(QWidget* widget, QPalette::ColorRole textRole,
                   QPalette::ColorRole backgroundRole, const QColor& colour) {
    new TextColour(widget, textRole, backgroundRole, colour);
}
