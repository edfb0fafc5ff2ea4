// One default button per window: the button that Return and keypad Enter press.
// A QMainWindow has no such notion, so the window keeps one here.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

class QWidget;

class DefaultButton : public QObject {
  public:
    // Installs window-wide Return/Enter shortcuts on `window`.
    explicit DefaultButton(QWidget* window);

    // Makes `button` the default, taking the role from the previous one.
    void set(QPushButton* button);
    QPushButton* current() const { return current_.data(); }

  private:
    void press();
    QPushButton* focusedButton() const;

    QWidget* window_;
    QPointer<QPushButton> current_;
};
