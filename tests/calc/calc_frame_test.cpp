// The calculator tab of the main window: clicks, keypad keys, Enter and the clipboard.
#include "calc/calc_frame.h"
#include "tests/app/window_fixture.h"

namespace {

constexpr auto kp = Qt::KeypadModifier;

struct CalcTabTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        showTab(2);
    }
    QString display() const { return text("txtResult"); }
};

// Each button once; then keypad 6, a mouse click on an operator, keypad 3
// and Enter: the clicked button passes the keys on like every other button.
TEST_F(CalcTabTest, eachButtonActsAndTheyEvaluateLeftToRight) {
    // The odd spelling and spacing are meant; a tidy-up must not change them.
    expectTexts({{"cmdCopyAnswer", "Copy Answer           Ctrl+C"},
                 {"cmdPasteAnswer", "Paste Answer        Ctrl+V"},
                 {"Label2", "Keybaord can be used to enter values.  Values up to 1.79*10^308."}});
    EXPECT_TRUE(get<QLineEdit>("txtResult")->isReadOnly());
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {{"cmdNumber_2", "2"}, {"cmdSign_2", "2"},
        {"cmdNumber_3", "3"}, {"cmdSign_0", "5"}, {"cmdNumber_4", "4"}, {"cmdEquals", "20"},
        {"cmdSpecial_1", "400"}, {"cmdSpecial_2", "20"}, {"cmdSpecial_0", "0.05"}, {"cmdSign_1", "0.05"},
        {"cmdNumber_10", "."}, {"cmdNumber_5", ".5"}, {"cmdEquals", "0.1"},
        {"cmdSpecial_3", "3.14159265358979"}, {"ClearAnswer", ""}, {"cmdNumber_1", "1"}, {"cmdNumber_0", "10"},
        {"cmdNumber_6", "106"}, {"cmdNumber_7", "1067"}, {"cmdNumber_8", "10678"}, {"cmdNumber_9", "106789"},
        {"ClearAnswer", ""}};
    // clang-format on
    for (const auto& [button, expected] : steps) {
        click(button);
        EXPECT_EQ(display(), expected) << "after " << button;
    }
    key(kp | Qt::Key_6);
    click("cmdSign_3");
    key(kp | Qt::Key_3);
    key(kp | Qt::Key_Enter);
    EXPECT_EQ(display(), "3") << "6 - 3 by keypad keys around a click on -";
}

// Each key goes to another control that passes keys on; only the keypad bit
// makes a digit or an operator count, and every key moves the focus to "=".
TEST_F(CalcTabTest, keypadKeysActOnlyWithTheKeypadBit) {
    // The control with the focus, the key, and the display after it.
    const std::tuple<const char*, const char*, QKeyCombination, const char*> rows[] = {
        {"keypad 7 in the display", "txtResult", kp | Qt::Key_7, "7"},
        {"main 7 on =", "cmdEquals", Qt::Key_7, "7"},
        {"keypad 4 on Clear", "ClearAnswer", kp | Qt::Key_4, "74"},
        {"main + on Copy", "cmdCopyAnswer", Qt::Key_Plus, "74"},
        {"keypad + on Paste", "cmdPasteAnswer", kp | Qt::Key_Plus, "74"},
        {"keypad * on pi", "cmdSpecial_3", kp | Qt::Key_Asterisk, "74"},
        {"shifted keypad 3 on 0", "cmdNumber_0", kp | Qt::ShiftModifier | Qt::Key_3, "3"},
        {"keypad - evaluates 74 * 3", "cmdNumber_10", kp | Qt::Key_Minus, "222"},
        {"keypad 5", "ClearAnswer", kp | Qt::Key_5, "5"},
        {"keypad point", "txtResult", kp | Qt::Key_Period, "5"},
        {"keypad Enter presses =", "cmdEquals", kp | Qt::Key_Enter, "217"},
        {"Escape clears", "cmdPasteAnswer", Qt::Key_Escape, ""},
    };
    for (const auto& [name, focused, pressed, shown] : rows) {
        SCOPED_TRACE(name);
        get(focused)->setFocus();
        key(pressed);
        EXPECT_EQ(display(), shown);
        EXPECT_EQ(focus(), "cmdEquals");
    }
    EXPECT_EQ(defaultButton(), "cmdEquals");
}

// The clipboard holds plain text; a paste takes only a number, and the
// captions' Ctrl+C and Ctrl+V are only labels.
TEST_F(CalcTabTest, copyAndPasteTakePlainTextAndOnlyNumbers) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("old");
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), "") << "the blank display copied";
    for (const char* held : {" 12 ", "abc", "1.2.3", ""}) {
        clipboard->setText(held);
        click("cmdPasteAnswer");
        EXPECT_EQ(display(), " 12 ") << "after pasting " << held;
    }
    for (const char* button :
         {"cmdSign_2", "cmdNumber_0", "cmdNumber_7", "cmdNumber_10", "cmdCopyAnswer"})
        click(button);
    EXPECT_EQ(clipboard->text(), "07.") << "copied as shown";
    clipboard->setText("2.5");
    get("txtResult")->setFocus();
    get<QLineEdit>("txtResult")->selectAll();
    key(Qt::ControlModifier | Qt::Key_C);
    EXPECT_EQ(clipboard->text(), "2.5") << "Ctrl+C copies nothing";
    key(Qt::ControlModifier | Qt::Key_V);
    EXPECT_EQ(display(), "07.") << "Ctrl+V pastes nothing";
    click("cmdPasteAnswer");
    click("cmdEquals");
    EXPECT_EQ(display(), "14.5") << "the paste was the second number of 12 + 2.5";
}

} // namespace
