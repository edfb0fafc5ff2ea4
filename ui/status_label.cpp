#include "ui/status_label.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace {
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);
// Dark enough for the red to read at 4.5 : 1, whatever the desktop's palette.
const QColor background(12, 12, 20);

// The text and the colour behind it are the label's own; every other colour
// still follows the desktop's palette.
void paint(QLabel* label, const QColor& text) {
    QPalette own;
    own.setColor(QPalette::Window, background);
    own.setColor(QPalette::WindowText, text);
    label->setPalette(own);
}
} // namespace

void setStatusColour(QLabel* label, StatusColour colour) {
    paint(label, colour == StatusColour::Working ? red : yellow);
}

StatusColour statusColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == red ? StatusColour::Working
                                                               : StatusColour::Idle;
}

void makeStatusLabel(QLabel* label) {
    label->setAutoFillBackground(true);
    paint(label, yellow);
    label->setMargin(3);
}
