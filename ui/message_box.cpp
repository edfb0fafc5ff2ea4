// The program's message boxes.
#include "ui/message_box.h"

#include "common/input_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

// A window waiting for a secondary window is disabled, and so would be a box
// over it, which no one could then answer; the box goes over the window in
// front instead, which also gets the activation back after it.
QWidget* shownOver(QWidget* parent) {
    if (!parent || parent->window()->isEnabled())
        return parent;
    QWidget* front = QApplication::activeWindow();
    return front && front->isEnabled() ? front : nullptr;
}

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
    parent = shownOver(parent);
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
    parent = shownOver(parent);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvane 6"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return execBox(box, parent) == QMessageBox::Yes;
}
