// The "Calculator" tab: display, keypad, keyboard, and copy/paste of the display.
#pragma once

#include "calc/calc_engine.h"

#include <QWidget>

#include <optional>
#include <span>
#include <string>

class DefaultButton;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class CalcFrame : public QWidget {
  public:
    explicit CalcFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    // Start-up: the fresh-number flags go to 0, then the calculator is cleared.
    void resetFlags();
    void ClearAnswer_Click();

    // The three keypad arrays: digits and point, operators, functions.
    void cmdNumber_Click(korvane::CalcKey key);
    void cmdSign_Click(korvane::CalcKey key);
    void cmdSpecial_Click(korvane::CalcKey key);
    void cmdEquals_Click();
    void cmdCopyAnswer_Click();
    void cmdPasteAnswer_Click();

    // Acts on one key press as the button with that caption would (Ctrl+C as
    // Copy Answer, Ctrl+V as Paste Answer), then hands the default button and
    // the focus to "=" whatever the key was.
    void Sensory(const QKeyEvent& event);
    // The calculator key a key press stands for, from either keyboard.
    static std::optional<korvane::CalcKey> calcKeyFor(const QKeyEvent& event);

    QLineEdit* txtResult = nullptr;
    QPushButton* cmdNumber_0 = nullptr;
    QPushButton* cmdNumber_1 = nullptr;
    QPushButton* cmdNumber_2 = nullptr;
    QPushButton* cmdNumber_3 = nullptr;
    QPushButton* cmdNumber_4 = nullptr;
    QPushButton* cmdNumber_5 = nullptr;
    QPushButton* cmdNumber_6 = nullptr;
    QPushButton* cmdNumber_7 = nullptr;
    QPushButton* cmdNumber_8 = nullptr;
    QPushButton* cmdNumber_9 = nullptr;
    QPushButton* cmdNumber_10 = nullptr;
    QPushButton* cmdSign_0 = nullptr;
    QPushButton* cmdSign_1 = nullptr;
    QPushButton* cmdSign_2 = nullptr;
    QPushButton* cmdSign_3 = nullptr;
    QPushButton* cmdSpecial_0 = nullptr;
    QPushButton* cmdSpecial_1 = nullptr;
    QPushButton* cmdSpecial_2 = nullptr;
    QPushButton* cmdSpecial_3 = nullptr;
    QPushButton* cmdEquals = nullptr;
    QPushButton* ClearAnswer = nullptr;
    QPushButton* cmdCopyAnswer = nullptr;
    QPushButton* cmdPasteAnswer = nullptr;
    QLabel* Label2 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One keypad button: its member and name, caption, key and grid place,
    // and the words a screen reader says where the caption is a symbol.
    struct KeypadButton {
        QPushButton* CalcFrame::*member;
        const char* name;
        const char* caption;
        korvane::CalcKey key;
        int row;
        int column;
        const char* spoken;
    };
    using KeyHandler = void (CalcFrame::*)(korvane::CalcKey);
    // Makes one control array in `grid`, each button calling `onClick` with its key.
    void makeButtons(QGridLayout* grid, std::span<const KeypadButton> buttons, KeyHandler onClick);
    QGridLayout* makeKeypad();
    QHBoxLayout* makeCommands();
    QPushButton* makeButton(const char* name, const char* caption);
    void forwardKeysToSensory();
    void press(korvane::CalcKey key);
    void showDisplay(const std::string& display);

    DefaultButton& defaultButton_;
    korvane::CalcEngine engine_;
};
