#include "ui/status_label.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace {
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);
} // namespace

void setStatusColour(QLabel* label, StatusColour colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour == StatusColour::Working ? red : yellow);
    label->setPalette(palette);
}

StatusColour statusColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == red ? StatusColour::Working
                                                               : StatusColour::Idle;
}

void makeStatusLabel(QLabel* label) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    // Dark enough for the red to read at 4.5 : 1, whatever the desktop's palette.
    palette.setColor(QPalette::Window, QColor(12, 12, 20));
    label->setPalette(palette);
    label->setMargin(3);
}
