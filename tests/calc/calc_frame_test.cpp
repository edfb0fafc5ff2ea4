// The calculator tab on its own, driven like a user: clicks, keys from either
// keyboard, Enter and the clipboard.
#include "calc/calc_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"

#include <memory>

namespace {

constexpr auto kp = Qt::KeypadModifier;

// The tab in a window of its own.
struct CalcTabTest : ::testing::Test, Controls {
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* defaultButton = new DefaultButton(window.get());
        frame = new CalcFrame(*defaultButton, window.get());
        (new QVBoxLayout(window.get()))->addWidget(frame);
        root = window.get();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QString display() const { return text("txtResult"); }
    // Each character pressed as its key where the focus is; '\n' is Enter.
    void keys(const char* typed, Qt::KeyboardModifiers modifiers = {}) const {
        for (const char* c = typed; *c; ++c)
            key(modifiers | (*c == '\n' ? Qt::Key_Enter : QTest::asciiToKey(*c)));
    }

    std::unique_ptr<QWidget> window;
    CalcFrame* frame = nullptr;
};

TEST_F(CalcTabTest, eachButtonActsAsItsCaptionSays) {
    // The odd spelling and spacing are meant; a tidy-up must not change them.
    expectTexts({{"cmdCopyAnswer", "Copy Answer           Ctrl+C"},
                 {"cmdPasteAnswer", "Paste Answer        Ctrl+V"},
                 {"Label2", "Keybaord can be used to enter values.  Values up to 1.79*10^308."}});
    EXPECT_TRUE(get<QLineEdit>("txtResult")->isReadOnly());
    for (int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10})
        click(qPrintable(QString("cmdNumber_%1").arg(digit)));
    EXPECT_EQ(display(), "1234567890.");
    // 8 * 2 / 4 + 1 - 3 = 2, then its square, root, reciprocal, and pi.
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {{"ClearAnswer", ""}, {"cmdNumber_8", "8"},
        {"cmdSign_0", "8"}, {"cmdNumber_2", "2"}, {"cmdSign_1", "16"}, {"cmdNumber_4", "4"},
        {"cmdSign_2", "4"}, {"cmdNumber_1", "1"}, {"cmdSign_3", "5"}, {"cmdNumber_3", "3"},
        {"cmdEquals", "2"}, {"cmdSpecial_1", "4"}, {"cmdSpecial_2", "2"}, {"cmdSpecial_0", "0.5"},
        {"cmdSpecial_3", "3.14159265358979"}};
    // clang-format on
    for (const auto& [button, expected] : steps) {
        click(button);
        EXPECT_EQ(display(), expected) << "after " << button;
    }
}

// Every key of both keyboards acts as the button with its caption, from
// whichever control has the focus, and hands the focus to "=".
TEST_F(CalcTabTest, everyKeyActsAsItsButtonAndMovesTheFocusToEquals) {
    // clang-format off
    const char* const controls[] = {"txtResult", "cmdNumber_7", "cmdSign_2", "cmdSpecial_1",
        "ClearAnswer", "cmdCopyAnswer", "cmdPasteAnswer", "cmdNumber_10", "cmdEquals"};
    constexpr Qt::KeyboardModifiers main{}, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const std::tuple<const char*, Qt::KeyboardModifiers, const char*, const char*> rows[] = {
        {"main digits and point", main, "12345.67890", "12345.67890"}, {"Escape", main, "\x1b", ""},
        {"keypad digits and point", kp, "09876.54321", "09876.54321"},
        {"main operators and =", main, "\x1b" "8/2*3-1+2=", "13"},
        {"keypad operators and Enter", kp, "8/2*3-1+2\n", "13"},
        {"keypad decimal key giving a comma", kp, "1,5+", "1.5"},
        {"main comma is no point, Return", main, ",1\r", "2.5"},
        {"shifted *", shift, "*", "2.5"}, {"", main, "4", "4"}, {"shifted +", shift, "+", "10"},
        {"Backspace", main, "14\b", "1"}, {"", main, "\b", ""}, {"", main, "5\r", "15"},
        {"Backspace after an operator", main, "-\b", "15"},
        {"Backspace after an answer", main, "3=\b", "12"},
        {"Ctrl+5 is no digit", ctrl, "5", "12"}, {"a letter only moves the focus", main, "a", "12"},
    };
    // clang-format on
    int turn = 0;
    for (const auto& [name, modifiers, typed, shown] : rows) {
        const char* focused = controls[turn++ % std::size(controls)];
        SCOPED_TRACE(std::string(name) + " on " + focused);
        get(focused)->setFocus();
        keys(typed, modifiers);
        EXPECT_EQ(display(), shown);
        EXPECT_EQ(focus(), "cmdEquals");
        EXPECT_EQ(defaultButton(), "cmdEquals");
    }
    // Space presses the focused button and Tab moves the focus on, as usual.
    get("cmdNumber_7")->setFocus();
    key(Qt::Key_Space);
    EXPECT_EQ(display(), "7") << "Space on 7";
    EXPECT_EQ(focus(), "cmdNumber_7") << "Space keeps the focus";
    key(Qt::Key_Tab);
    EXPECT_FALSE(focus() == "cmdNumber_7" || focus() == "cmdEquals") << "Tab moved it on";
}

// Ctrl+C is Copy Answer and Ctrl+V Paste Answer, exactly: the whole display,
// not its selection, and only numbers. The display shows a paste of up to
// 2000 characters whole and Copy Answer gives it back whole.
TEST_F(CalcTabTest, clipboardKeysAndButtonsCopyTheAnswerWholeAndPasteOnlyNumbers) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString longest = "3." + QString(1998, u'1');
    for (const QString& held : {longest, longest + "1", QString("abc")}) {
        clipboard->setText(held);
        click("cmdPasteAnswer");
        EXPECT_EQ(display(), longest) << "after pasting " << held.size() << " characters";
    }
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), longest) << "copied whole";
    clipboard->setText(" 12 ");
    click("cmdPasteAnswer");
    keys("+07.");
    get<QLineEdit>("txtResult")->setSelection(1, 1);
    get("txtResult")->setFocus();
    key(Qt::ControlModifier | Qt::Key_C);
    EXPECT_EQ(clipboard->text(), "07.") << "Ctrl+C copied the display as shown";
    clipboard->setText("2.5\r\n");
    key(Qt::ControlModifier | Qt::Key_V);
    EXPECT_EQ(display(), "2.5") << "Ctrl+V pasted the second number";
    EXPECT_EQ(focus(), "cmdEquals") << "the focus after Ctrl+V";
}

// Keys reach the calculator only while its tab is shown in the window in front.
TEST_F(CalcTabTest, keysActOnlyWhileTheTabIsShownInTheWindowInFront) {
    keys("4");
    QLineEdit inFront;
    inFront.show();
    inFront.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inFront));
    QTest::keyClicks(&inFront, "5+\x1b");
    EXPECT_EQ(display(), "4") << "keys typed into another window";
    inFront.close();
    window->activateWindow();
    ASSERT_TRUE(becomesActive());
    frame->hide();
    auto* otherTab = new QLineEdit(window.get()); // another tab's box
    otherTab->show();
    otherTab->setFocus();
    keys("7\x1b");
    EXPECT_EQ(otherTab->text(), "7") << "the other tab's box took its key";
    EXPECT_EQ(display(), "4") << "keys typed on another tab";
}

} // namespace
