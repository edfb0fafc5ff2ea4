// The program's one kind of message box.
#include "app/message_box.h"

#include <QMessageBox>

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane 6"), text, QMessageBox::Ok,
                    parent);
    box.exec();
    // Give the window its activation back at once, so the focus moves the
    // callers make next take effect even where no window manager does it.
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
}
