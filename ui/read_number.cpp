#include "ui/read_number.h"

#include "common/number_text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

std::optional<double> numberIn(const QLineEdit* box) {
    return korvane::parseNumber(box->text().toStdString());
}

std::size_t countIn(const QLabel* caption) {
    const double value = korvane::parseNumber(caption->text().toStdString()).value_or(0);
    if (!(value >= 1))
        return 0;
    // Far above any count a window shows, and exact in a double.
    constexpr double largest = 1e15;
    return static_cast<std::size_t>(korvane::intPart(std::min(value, largest)));
}
