// The calculator tab on its own, driven like a user: clicks, keys from either
// keyboard, Enter and the clipboard.
#include "calc/calc_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"

#include <memory>

namespace {

constexpr auto kp = Qt::KeypadModifier;

// The tab in a window of its own, beside a box that stands for another tab's.
struct CalcTabTest : ::testing::Test, Controls {
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* defaultButton = new DefaultButton(window.get());
        frame = new CalcFrame(*defaultButton, window.get());
        otherTab = new QLineEdit(window.get());
        otherTab->hide();
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(frame);
        layout->addWidget(otherTab);
        frame->resetFlags();
        frame->ClearAnswer_Click();
        defaultButton->set(frame->cmdEquals);
        root = window.get();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        frame->cmdEquals->setFocus();
    }
    QString display() const { return text("txtResult"); }

    std::unique_ptr<QWidget> window;
    CalcFrame* frame = nullptr;
    QLineEdit* otherTab = nullptr;
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
        {"cmdNumber_10", "."}, {"cmdNumber_5", ".5"}, {"cmdEquals", "0.1"}, {"cmdSign_3", "0.1"},
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

// Every key of both keyboards acts as the button with its caption, from
// whichever control has the focus, and hands the focus to "=".
TEST_F(CalcTabTest, everyKeyActsAsItsButtonAndMovesTheFocusToEquals) {
    const char* const controls[] = {"txtResult",      "cmdNumber_7",  "cmdSign_2",
                                    "cmdSpecial_1",   "ClearAnswer",  "cmdCopyAnswer",
                                    "cmdPasteAnswer", "cmdNumber_10", "cmdEquals"};
    constexpr auto shift = Qt::ShiftModifier;
    // clang-format off
    const std::tuple<const char*, QKeyCombination, const char*> rows[] = {
        {"keypad 1", kp | Qt::Key_1, "1"}, {"keypad point", kp | Qt::Key_Period, "1."},
        {"keypad 5", kp | Qt::Key_5, "1.5"}, {"keypad +", kp | Qt::Key_Plus, "1.5"},
        {"main 2", Qt::Key_2, "2"}, {"keypad comma of a decimal-comma layout", kp | Qt::Key_Comma, "2."},
        {"main 5", Qt::Key_5, "2.5"}, {"main * (shifted 8)", shift | Qt::Key_Asterisk, "4"},
        {"main point", Qt::Key_Period, "."}, {"main 5 again", Qt::Key_5, ".5"},
        {"main /", Qt::Key_Slash, "2"}, {"keypad 4", kp | Qt::Key_4, "4"},
        {"keypad *", kp | Qt::Key_Asterisk, "0.5"}, {"main 3", Qt::Key_3, "3"},
        {"main -", Qt::Key_Minus, "1.5"}, {"main 1", Qt::Key_1, "1"},
        {"main + (shifted =)", shift | Qt::Key_Plus, "0.5"}, {"keypad 2", kp | Qt::Key_2, "2"},
        {"keypad -", kp | Qt::Key_Minus, "2.5"}, {"keypad 3", kp | Qt::Key_3, "3"},
        {"keypad /", kp | Qt::Key_Slash, "-0.5"}, {"main 7", Qt::Key_7, "7"},
        {"Backspace of the only digit", Qt::Key_Backspace, ""}, {"main 1 after it", Qt::Key_1, "1"},
        {"main 4", Qt::Key_4, "14"}, {"Backspace", Qt::Key_Backspace, "1"},
        {"main =", Qt::Key_Equal, "-0.5"},
        {"Backspace after an answer", Qt::Key_Backspace, "-0.5"},
        {"main comma is no point", Qt::Key_Comma, "-0.5"},
        {"Ctrl+5 is no digit", Qt::ControlModifier | Qt::Key_5, "-0.5"},
        {"main 6 starts afresh", Qt::Key_6, "6"}, {"main + again", Qt::Key_Plus, "6"},
        {"Backspace after an operator", Qt::Key_Backspace, "6"},
        {"main 8", Qt::Key_8, "8"}, {"main 9", Qt::Key_9, "89"}, {"main 0", Qt::Key_0, "890"},
        {"Return", Qt::Key_Return, "896"}, {"keypad -", kp | Qt::Key_Minus, "896"},
        {"keypad 6", kp | Qt::Key_6, "6"}, {"keypad 7", kp | Qt::Key_7, "67"},
        {"keypad 8", kp | Qt::Key_8, "678"}, {"keypad 9", kp | Qt::Key_9, "6789"},
        {"keypad 0", kp | Qt::Key_0, "67890"}, {"keypad Enter", kp | Qt::Key_Enter, "-66994"},
        {"Escape clears", Qt::Key_Escape, ""}, {"a letter only moves the focus", Qt::Key_A, ""},
    };
    // clang-format on
    int turn = 0;
    for (const auto& [name, pressed, shown] : rows) {
        const char* focused = controls[turn++ % std::size(controls)];
        SCOPED_TRACE(std::string(name) + " on " + focused);
        get(focused)->setFocus();
        key(pressed);
        EXPECT_EQ(display(), shown);
        EXPECT_EQ(focus(), "cmdEquals");
        EXPECT_EQ(defaultButton(), "cmdEquals");
    }
}

// Tab and Space keep their meaning: the focus moves on, and Space presses the
// focused button without taking the focus from it.
TEST_F(CalcTabTest, tabMovesTheFocusAndSpacePressesTheFocusedButton) {
    get("cmdNumber_7")->setFocus();
    key(Qt::Key_Space);
    EXPECT_EQ(display(), "7") << "Space on 7";
    EXPECT_EQ(focus(), "cmdNumber_7") << "the focus after Space";
    key(Qt::Key_Tab);
    EXPECT_NE(focus(), "cmdNumber_7") << "Tab moved the focus";
    EXPECT_NE(focus(), "cmdEquals") << "Tab is not a calculator key";
}

// Ctrl+C is Copy Answer and Ctrl+V Paste Answer, exactly: the whole display,
// not the display's selection, and only numbers, one final line break allowed.
TEST_F(CalcTabTest, clipboardKeysAndButtonsCopyTheAnswerAndPasteOnlyNumbers) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("old");
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), "") << "the blank display copied";
    for (const char* held : {" 12 ", "abc", "1.2.3", "", "1\n2"}) {
        clipboard->setText(held);
        click("cmdPasteAnswer");
        EXPECT_EQ(display(), " 12 ") << "after pasting " << held;
    }
    for (const char* button : {"cmdSign_2", "cmdNumber_0", "cmdNumber_7", "cmdNumber_10"})
        click(button);
    get("txtResult")->setFocus();
    get<QLineEdit>("txtResult")->setSelection(1, 1);
    key(Qt::ControlModifier | Qt::Key_C);
    EXPECT_EQ(clipboard->text(), "07.") << "Ctrl+C copied the display as shown";
    EXPECT_EQ(focus(), "cmdEquals") << "the focus after Ctrl+C";
    clipboard->setText("2.5\r\n");
    get("txtResult")->setFocus();
    key(Qt::ControlModifier | Qt::Key_V);
    EXPECT_EQ(display(), "2.5") << "Ctrl+V pasted the second number";
    key(Qt::Key_Return);
    EXPECT_EQ(display(), "14.5") << "12 + 2.5";
}

// A paste of 2000 characters is the most taken; the display shows it whole and
// Copy Answer gives it back whole. One character more is refused like a word.
TEST_F(CalcTabTest, aPasteOfUpTo2000CharactersIsShownAndCopiedWhole) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString longest = "3." + QString(1998, u'1');
    for (const QString& held : {longest, longest + "1", "-" + QString(2000, u'9')}) {
        clipboard->setText(held);
        click("cmdPasteAnswer");
        EXPECT_EQ(display(), longest) << "after pasting " << held.size() << " characters";
    }
    clipboard->clear();
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), longest) << "copied whole";
}

// Keys reach the calculator only while its tab is shown in the window in front.
TEST_F(CalcTabTest, keysActOnlyWhileTheTabIsShownInTheWindowInFront) {
    key(Qt::Key_4);
    ASSERT_EQ(display(), "4");
    QLineEdit inFront;
    inFront.show();
    inFront.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inFront));
    QTest::keyClicks(&inFront, "5+");
    QTest::keyClick(&inFront, Qt::Key_Escape);
    EXPECT_EQ(display(), "4") << "keys typed into another window";
    inFront.close();
    window->activateWindow();
    ASSERT_TRUE(becomesActive());
    frame->hide();
    otherTab->show();
    otherTab->setFocus();
    key(Qt::Key_7);
    key(Qt::Key_Escape);
    EXPECT_EQ(otherTab->text(), "7") << "the other tab's box took its key";
    EXPECT_EQ(display(), "4") << "keys typed on another tab";
}

} // namespace
