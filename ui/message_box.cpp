// The program's message boxes.
#include "ui/message_box.h"

#include <QMessageBox>
#include <QWidget>

namespace {

int execBox(QMessageBox& box, QWidget* parent) {
    const int answer = box.exec();
    // Give the window its activation back at once, so the focus moves the
    // callers make next take effect even where no window manager does it.
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
    return answer;
}

} // namespace

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane 6"), text, QMessageBox::Ok,
                    parent);
    execBox(box, parent);
}

void showMessageThenFocus(QWidget* parent, const QString& text, QWidget* focus) {
    showMessage(parent, text);
    if (focus)
        focus->setFocus();
}

bool askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane 6"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return execBox(box, parent) == QMessageBox::Yes;
}
