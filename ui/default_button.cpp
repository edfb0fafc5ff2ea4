// Return and keypad Enter anywhere in the window press the current default button.
#include "ui/default_button.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

DefaultButton::DefaultButton(QWidget* window) : QObject(window) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &DefaultButton::press);
    }
}

void DefaultButton::set(QPushButton* button) {
    if (current_ && current_ != button)
        current_->setDefault(false);
    current_ = button;
    if (button)
        button->setDefault(true); // draws the default frame
}

void DefaultButton::press() {
    if (current_ && current_->isEnabled() && current_->isVisible())
        current_->click();
}
