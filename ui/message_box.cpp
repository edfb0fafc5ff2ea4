// The program's message boxes.
#include "ui/message_box.h"

#include "common/input_error.h"

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

void refuseInput(QWidget* parent, const korvane::InputError& error, QWidget* first, QWidget* second,
                 QWidget* third) {
    showMessage(parent, QString::fromStdString(error.message));
    QWidget* focus = error.focus == korvane::InputField::First    ? first
                     : error.focus == korvane::InputField::Second ? second
                     : error.focus == korvane::InputField::Third  ? third
                                                                  : nullptr;
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
