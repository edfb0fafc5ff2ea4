#include "ui/read_number.h"

#include "common/number_text.h"

#include <QLineEdit>

std::optional<double> numberIn(const QLineEdit* box) {
    return korvane::parseNumber(box->text().toStdString());
}
