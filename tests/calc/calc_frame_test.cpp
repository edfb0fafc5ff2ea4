// The calculator tab in a window of its own: clicks, keypad keys, Enter and the clipboard.
#include "calc/calc_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr auto kp = Qt::KeypadModifier;

class CalcFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame->ClearAnswer_Click();
        defaults->set(frame->cmdEquals); // what the tab switch does
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString display() const { return frame->txtResult->text(); }
    // The display and the pending operator; "!" when "=" lost the focus or the default role.
    QString state() const {
        QWidget* equals = frame->cmdEquals;
        return display() + "|" + frame->engine().pendingSign().c_str() +
               (QApplication::focusWidget() == equals && defaults->current() == equals ? "" : "!");
    }
    // Clicks and keys as a user makes them (keys go to the focus), noting what follows.
    void click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        seen << display();
    }
    void type(QKeyCombination key) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        seen << state();
    }
    std::string seenText() const { return seen.join(' ').toStdString(); }

    QStringList seen;
    QWidget window;
    DefaultButton* defaults = new DefaultButton(&window);
    CalcFrame* frame = new CalcFrame(*defaults, &window);
};

} // namespace

TEST_F(CalcFrameTest, controlsCarryTheirNamesAndCaptions) {
    QStringList buttons;
    for (const QPushButton* button : frame->findChildren<QPushButton*>())
        buttons << button->objectName() + "=" + button->text();
    buttons.sort();
    EXPECT_EQ(buttons.join('|').toStdString(),
              "ClearAnswer=Clear|cmdCopyAnswer=Copy Answer           Ctrl+C|cmdEquals==|"
              "cmdNumber_0=0|cmdNumber_10=.|cmdNumber_1=1|cmdNumber_2=2|cmdNumber_3=3|"
              "cmdNumber_4=4|cmdNumber_5=5|cmdNumber_6=6|cmdNumber_7=7|cmdNumber_8=8|"
              "cmdNumber_9=9|cmdPasteAnswer=Paste Answer        Ctrl+V|cmdSign_0=*|cmdSign_1=/|"
              "cmdSign_2=+|cmdSign_3=-|cmdSpecial_0=1/x|cmdSpecial_1=x^2|cmdSpecial_2=sqrt|"
              "cmdSpecial_3=pi");
    EXPECT_EQ(child<QLabel>(frame, "Label2")->text(),
              "Keybaord can be used to enter values.  Values up to 1.79*10^308.");
    QLineEdit* result = child<QLineEdit>(frame, "txtResult");
    EXPECT_TRUE(result->isReadOnly() && (result->alignment() & Qt::AlignRight));
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(Qt::blue));
}

TEST_F(CalcFrameTest, clicksEvaluateLeftToRight) {
    for (QPushButton* button :
         {frame->cmdNumber_2, frame->cmdSign_2, frame->cmdNumber_3, frame->cmdSign_0,
          frame->cmdNumber_4, frame->cmdEquals, frame->cmdSpecial_1, frame->cmdSpecial_2,
          frame->cmdSpecial_0, frame->cmdSign_1, frame->cmdNumber_10, frame->cmdNumber_5,
          frame->cmdEquals, frame->cmdSpecial_3, frame->ClearAnswer})
        click(button);
    EXPECT_EQ(seenText(), "2 2 3 5 4 20 400 20 0.05 0.05 . .5 0.1 3.14159265358979 ");
}

// Keypad 6, a mouse click on an operator, keypad 3 and Enter: the clicked
// button passes the keys on like every other button of the tab.
TEST_F(CalcFrameTest, theKeypadWorksAfterAClickOnAnOperator) {
    const std::pair<QPushButton*, const char*> rows[] = {
        {frame->cmdSign_0, "18"},
        {frame->cmdSign_1, "2"},
        {frame->cmdSign_2, "9"},
        {frame->cmdSign_3, "3"},
    };
    for (const auto& [sign, result] : rows) {
        type(Qt::Key_Escape);
        type(kp | Qt::Key_6);
        QTest::mouseClick(sign, Qt::LeftButton);
        type(kp | Qt::Key_3);
        type(kp | Qt::Key_Enter);
        EXPECT_EQ(display(), result) << sign->text().toStdString();
    }
}

// Each key goes to the next forwarding control in turn; only the keypad bit
// makes a digit or an operator count, and every key moves the focus to "=".
TEST_F(CalcFrameTest, keypadKeysActOnlyWithTheKeypadBit) {
    const QKeyCombination shifted3 = kp | Qt::ShiftModifier | Qt::Key_3;
    QWidget* forwarders[] = {frame->txtResult,     frame->cmdEquals,      frame->ClearAnswer,
                             frame->cmdCopyAnswer, frame->cmdPasteAnswer, frame->cmdNumber_0,
                             frame->cmdNumber_10,  frame->cmdSpecial_0,   frame->cmdSpecial_3};
    const QKeyCombination keys[] = {
        kp | Qt::Key_7,        Qt::Key_7,      kp | Qt::Key_4,      Qt::Key_Plus,
        kp | Qt::Key_Plus,     Qt::Key_Escape, kp | Qt::Key_0,      Qt::Key_Asterisk,
        kp | Qt::Key_Asterisk, shifted3,       kp | Qt::Key_Minus,  kp | Qt::Key_9,
        kp | Qt::Key_Slash,    kp | Qt::Key_5, kp | Qt::Key_Period, kp | Qt::Key_Home};
    for (size_t i = 0; i < std::size(keys); ++i) {
        forwarders[i % std::size(forwarders)]->setFocus();
        type(keys[i]);
    }
    type(kp | Qt::Key_Enter);
    EXPECT_EQ(seenText(), "7|none 7|none 74|none 74|none 74|2 |none 0|none 0|none 0|0 3|0 0|3 9|3 "
                          "-9|1 5|1 5|1 5|1 -1.8|none");
    frame->cmdNumber_7->setFocus(); // Tab still moves between the controls
    QTest::keyClick(frame->cmdNumber_7, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->cmdNumber_8);
}

TEST_F(CalcFrameTest, copyAndPasteTakePlainTextAndOnlyNumbers) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("old");
    click(frame->cmdCopyAnswer);
    seen << clipboard->text();
    for (const char* text : {" 12 ", "abc", "1.2.3", ""}) {
        clipboard->setText(text);
        click(frame->cmdPasteAnswer);
    }
    for (QPushButton* button : {frame->cmdSign_2, frame->cmdNumber_0, frame->cmdNumber_0,
                                frame->cmdNumber_7, frame->cmdNumber_10, frame->cmdCopyAnswer})
        click(button);
    seen << clipboard->text();
    clipboard->setText("2.5");
    frame->txtResult->setFocus();
    frame->txtResult->selectAll();
    type(Qt::ControlModifier | Qt::Key_C); // the captions' keys are only labels
    type(Qt::ControlModifier | Qt::Key_V);
    seen << clipboard->text();
    click(frame->cmdPasteAnswer);
    click(frame->cmdEquals);
    // Blank copied; " 12 " pasted, three refusals change nothing; "007." copied as
    // shown; Ctrl+C and Ctrl+V do neither; a paste fills the second number.
    EXPECT_EQ(seen.join('/').toStdString(),
              "// 12 / 12 / 12 / 12 / 12 /0/00/007/007./007./007./007.|2/007.|2/2.5/2.5/14.5");
}
