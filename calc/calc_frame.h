// The "Calculator" tab: display, keypad, and copy/paste of the display.
#pragma once

#include "calc/calc_engine.h"

#include <QWidget>

#include <span>
#include <string>

class DefaultButton;
class QGridLayout;
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

    void cmdNumber_Click(int index);
    void cmdSign_Click(int index);
    void cmdSpecial_Click(int index);
    void cmdEquals_Click();
    void cmdCopyAnswer_Click();
    void cmdPasteAnswer_Click();

    // Acts on one key code of the keypad table, then hands the default button
    // and the focus to "=" whatever the key was.
    void Sensory(int keyCode);
    // The keypad code of a key press, or 0 for a key the calculator ignores.
    static int virtualKeyCode(const QKeyEvent& event);

    const korvane::CalcEngine& engine() const { return engine_; }

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
    // Where a button of an array goes in the keypad grid, and its caption.
    struct KeyPlace {
        const char* caption;
        int row;
        int column;
    };
    using IndexHandler = void (CalcFrame::*)(int);
    // Makes one control array: buttons arrayName_0, arrayName_1... placed in
    // `grid`, each calling `onClick` with its index.
    void makeButtons(QGridLayout* grid, const char* arrayName,
                     std::span<QPushButton** const> members, std::span<const KeyPlace> places,
                     IndexHandler onClick);
    QPushButton* makeButton(const char* name, const char* caption);
    void forwardKeysToSensory();
    void showDisplay(const std::string& display);

    DefaultButton& defaultButton_;
    korvane::CalcEngine engine_;
};
