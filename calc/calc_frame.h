// The "Calculator" tab: display, keypad, and copy/paste of the display.
#pragma once

#include <QWidget>

class DefaultButton;
class QPushButton;

class CalcFrame : public QWidget {
public:
    explicit CalcFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    // Start-up: the fresh-number flags go to 0, then the calculator is cleared.
    void resetFlags();
    void ClearAnswer_Click();

    QPushButton* cmdEquals = nullptr;

private:
    DefaultButton& defaultButton_;
};
