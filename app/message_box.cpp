#include "app/message_box.h"

#include <QMessageBox>

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane 6"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
