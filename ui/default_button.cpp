// Return and keypad Enter in the window press the focused push button, as the
// desktop does, and the current default button everywhere else.
#include "ui/default_button.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

DefaultButton::DefaultButton(QWidget* window) : QObject(window), window_(window) {
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

// The enabled push button with this window's focus.
QPushButton* DefaultButton::focusedButton() const {
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (!button || button->window() != window_ || !button->isEnabled())
        return nullptr;
    return button;
}

void DefaultButton::press() {
    if (QPushButton* focused = focusedButton())
        focused->click();
    else if (current_ && current_->isEnabled() && current_->isVisible())
        current_->click();
}
