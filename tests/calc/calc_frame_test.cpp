// The calculator tab of the main window: clicks, keypad keys, Enter and the clipboard.
#include "calc/calc_frame.h"
#include "tests/app/window_fixture.h"

#include <QClipboard>

namespace {

constexpr auto kp = Qt::KeypadModifier;

struct CalcTabTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        showTab(2);
    }
    QString display() const { return text("txtResult"); }
    void clicks(std::initializer_list<const char*> buttons) const {
        for (const char* button : buttons)
            click(button);
    }
};

TEST_F(CalcTabTest, controlsCarryTheirNamesAndCaptions) {
    // clang-format off
    expectTexts({{"cmdNumber_0", "0"}, {"cmdNumber_1", "1"}, {"cmdNumber_2", "2"},
        {"cmdNumber_3", "3"}, {"cmdNumber_4", "4"}, {"cmdNumber_5", "5"}, {"cmdNumber_6", "6"},
        {"cmdNumber_7", "7"}, {"cmdNumber_8", "8"}, {"cmdNumber_9", "9"}, {"cmdNumber_10", "."},
        {"cmdSign_0", "*"}, {"cmdSign_1", "/"}, {"cmdSign_2", "+"}, {"cmdSign_3", "-"},
        {"cmdSpecial_0", "1/x"}, {"cmdSpecial_1", "x^2"}, {"cmdSpecial_2", "sqrt"},
        {"cmdSpecial_3", "pi"}, {"cmdEquals", "="}, {"ClearAnswer", "Clear"},
        {"cmdCopyAnswer", "Copy Answer           Ctrl+C"}, {"cmdPasteAnswer", "Paste Answer        Ctrl+V"},
        {"Label2", "Keybaord can be used to enter values.  Values up to 1.79*10^308."}});
    // clang-format on
    EXPECT_EQ(w->BigFrame_2->findChildren<QPushButton*>().size(), 23) << "no other button";
    const auto* result = get<QLineEdit>("txtResult");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->alignment() & Qt::AlignRight);
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(Qt::blue));
}

TEST_F(CalcTabTest, clicksEvaluateLeftToRight) {
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {{"cmdNumber_2", "2"}, {"cmdSign_2", "2"},
        {"cmdNumber_3", "3"}, {"cmdSign_0", "5"}, {"cmdNumber_4", "4"}, {"cmdEquals", "20"},
        {"cmdSpecial_1", "400"}, {"cmdSpecial_2", "20"}, {"cmdSpecial_0", "0.05"},
        {"cmdSign_1", "0.05"}, {"cmdNumber_10", "."}, {"cmdNumber_5", ".5"}, {"cmdEquals", "0.1"},
        {"cmdSpecial_3", "3.14159265358979"}, {"ClearAnswer", ""}};
    // clang-format on
    for (const auto& [button, expected] : steps) {
        click(button);
        EXPECT_EQ(display(), expected) << "after " << button;
    }
}

// Keypad 6, a mouse click on an operator, keypad 3 and Enter: the clicked
// button passes the keys on like every other button of the tab.
TEST_F(CalcTabTest, theKeypadWorksAfterAClickOnAnOperator) {
    const std::pair<const char*, const char*> rows[] = {
        {"cmdSign_0", "18"}, {"cmdSign_1", "2"}, {"cmdSign_2", "9"}, {"cmdSign_3", "3"}};
    for (const auto& [sign, result] : rows) {
        key(Qt::Key_Escape);
        key(kp | Qt::Key_6);
        click(sign);
        key(kp | Qt::Key_3);
        key(kp | Qt::Key_Enter);
        EXPECT_EQ(display(), result) << "6 " << text(sign) << " 3";
    }
}

// Each key goes to another control that passes keys on; only the keypad bit
// makes a digit or an operator count, and every key moves the focus to "=".
TEST_F(CalcTabTest, keypadKeysActOnlyWithTheKeypadBit) {
    const struct {
        const char* name;
        const char* focused;
        QKeyCombination key;
        const char* display;
        const char* pending;
    } rows[] = {
        {"keypad 7 in the display", "txtResult", kp | Qt::Key_7, "7", "none"},
        {"main 7 on =", "cmdEquals", Qt::Key_7, "7", "none"},
        {"keypad 4 on Clear", "ClearAnswer", kp | Qt::Key_4, "74", "none"},
        {"main + on Copy", "cmdCopyAnswer", Qt::Key_Plus, "74", "none"},
        {"keypad + on Paste", "cmdPasteAnswer", kp | Qt::Key_Plus, "74", "2"},
        {"Escape on 0", "cmdNumber_0", Qt::Key_Escape, "", "none"},
        {"keypad 0 on .", "cmdNumber_10", kp | Qt::Key_0, "0", "none"},
        {"main * on 1/x", "cmdSpecial_0", Qt::Key_Asterisk, "0", "none"},
        {"keypad * on pi", "cmdSpecial_3", kp | Qt::Key_Asterisk, "0", "0"},
        {"shifted keypad 3", "txtResult", kp | Qt::ShiftModifier | Qt::Key_3, "3", "0"},
        {"keypad - evaluates", "cmdEquals", kp | Qt::Key_Minus, "0", "3"},
        {"keypad 9", "ClearAnswer", kp | Qt::Key_9, "9", "3"},
        {"keypad / evaluates", "cmdCopyAnswer", kp | Qt::Key_Slash, "-9", "1"},
        {"keypad 5", "cmdPasteAnswer", kp | Qt::Key_5, "5", "1"},
        {"keypad point", "cmdNumber_0", kp | Qt::Key_Period, "5", "1"},
        {"keypad Home", "cmdNumber_10", kp | Qt::Key_Home, "5", "1"},
        {"keypad Enter presses =", "cmdEquals", kp | Qt::Key_Enter, "-1.8", "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        get(row.focused)->setFocus();
        key(row.key);
        EXPECT_EQ(display(), row.display);
        EXPECT_EQ(w->BigFrame_2->engine().pendingSign(), row.pending) << "pending operator";
        EXPECT_EQ(focus(), "cmdEquals");
        EXPECT_EQ(defaultButton(), "cmdEquals");
    }
    get("cmdNumber_7")->setFocus(); // Tab still moves between the controls
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), "cmdNumber_8");
}

// The clipboard holds plain text; a paste takes only a number, and the
// captions' Ctrl+C and Ctrl+V are only labels.
TEST_F(CalcTabTest, copyAndPasteTakePlainTextAndOnlyNumbers) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto pasteOf = [&](const char* held) {
        clipboard->setText(held);
        click("cmdPasteAnswer");
        return display();
    };
    clipboard->setText("old");
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), "") << "the blank display copied";
    EXPECT_EQ(pasteOf(" 12 "), " 12 ");
    for (const char* refused : {"abc", "1.2.3", ""})
        EXPECT_EQ(pasteOf(refused), " 12 ") << "pasting " << refused;
    clicks({"cmdSign_2", "cmdNumber_0", "cmdNumber_0", "cmdNumber_7", "cmdNumber_10"});
    click("cmdCopyAnswer");
    EXPECT_EQ(clipboard->text(), "007.") << "copied as shown";
    clipboard->setText("2.5");
    get<QLineEdit>("txtResult")->setFocus();
    get<QLineEdit>("txtResult")->selectAll();
    key(Qt::ControlModifier | Qt::Key_C);
    EXPECT_EQ(clipboard->text(), "2.5") << "Ctrl+C copies nothing";
    key(Qt::ControlModifier | Qt::Key_V);
    EXPECT_EQ(display(), "007.") << "Ctrl+V pastes nothing";
    EXPECT_EQ(pasteOf("2.5"), "2.5");
    click("cmdEquals");
    EXPECT_EQ(display(), "14.5") << "the paste was the second number of 12 + 2.5";
}

} // namespace
