// Text in a colour of its own stays readable on any palette: at least the
// 4.5 : 1 contrast that WCAG AA asks of body text.
#pragma once

#include <QPalette>

class QColor;
class QWidget;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// `wanted` where it reads at 4.5 : 1 on `background`; otherwise the same hue
// made lighter or darker, as little as that takes.
QColor readableOn(const QColor& wanted, const QColor& background);

// Gives `widget` text in `colour` (its `textRole`, such as Text for a box),
// kept readable on the palette's own background for that text
// (`backgroundRole`), now and whenever the desktop's palette changes.
void setTextColour(QWidget* widget, QPalette::ColorRole textRole,
                   QPalette::ColorRole backgroundRole, const QColor& colour);
