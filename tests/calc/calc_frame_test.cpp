// The calculator tab in a window of its own: clicks, keypad keys, Enter and the clipboard.
#include "app/default_button.h"
#include "calc/calc_frame.h"
#include "tests/widget_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

class CalcFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        defaults_ = new DefaultButton(window_.get());
        frame = new CalcFrame(*defaults_, window_.get());
        (new QVBoxLayout(window_.get()))->addWidget(frame);
        frame->resetFlags();
        frame->ClearAnswer_Click();
        // What the tab switch does when the calculator comes up.
        defaults_->set(frame->cmdEquals);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        frame->cmdEquals->setFocus();
    }

    QString display() const { return frame->txtResult->text(); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Types at whatever control has the focus, as a user would.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void expectFocusOnEquals() const {
        EXPECT_EQ(QApplication::focusWidget(), frame->cmdEquals);
        EXPECT_EQ(defaults_->current(), frame->cmdEquals);
    }

    CalcFrame* frame = nullptr;

  private:
    std::unique_ptr<QWidget> window_;
    DefaultButton* defaults_ = nullptr;
};

constexpr auto keypad = Qt::KeypadModifier;

} // namespace

TEST_F(CalcFrameTest, controlsCarryTheirNamesAndCaptions) {
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdNumber_0", "0"},
        {"cmdNumber_9", "9"},
        {"cmdNumber_10", "."},
        {"cmdSign_0", "*"},
        {"cmdSign_1", "/"},
        {"cmdSign_2", "+"},
        {"cmdSign_3", "-"},
        {"cmdSpecial_0", "1/x"},
        {"cmdSpecial_1", "x^2"},
        {"cmdSpecial_2", "sqrt"},
        {"cmdSpecial_3", "pi"},
        {"cmdEquals", "="},
        {"ClearAnswer", "Clear"},
        {"cmdCopyAnswer", "Copy Answer           Ctrl+C"},
        {"cmdPasteAnswer", "Paste Answer        Ctrl+V"}};
    for (const auto& [name, caption] : buttons) {
        if (auto* button = child<QPushButton>(frame, name)) {
            EXPECT_EQ(button->text(), QString::fromLatin1(caption)) << name;
        }
    }
    EXPECT_EQ(child<QLabel>(frame, "Label2")->text(),
              "Keybaord can be used to enter values.  Values up to 1.79*10^308.");
    QLineEdit* result = child<QLineEdit>(frame, "txtResult");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->alignment() & Qt::AlignRight);
    EXPECT_EQ(result->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(result->text(), "");
}

TEST_F(CalcFrameTest, clicksEvaluateLeftToRightAndSpecialsGoByMeaning) {
    const std::pair<QPushButton*, const char*> steps[] = {
        {frame->cmdNumber_2, "2"},
        {frame->cmdSign_2, "2"},
        {frame->cmdNumber_3, "3"},
        {frame->cmdSign_0, "5"},
        {frame->cmdNumber_4, "4"},
        {frame->cmdEquals, "20"},
        {frame->cmdSpecial_1, "400"},
        {frame->cmdSpecial_2, "20"},
        {frame->cmdSpecial_0, "0.05"},
        {frame->cmdSign_1, "0.05"},
        {frame->cmdNumber_10, "."},
        {frame->cmdEquals, "Error:  Division by zero!"},
        {frame->cmdSpecial_3, "3.14159265358979"},
        {frame->ClearAnswer, ""}};
    for (const auto& [button, expected] : steps) {
        click(button);
        EXPECT_EQ(display(), expected) << button->objectName().toStdString();
    }
}

TEST_F(CalcFrameTest, keypadKeysActOnlyWithTheKeypadBit) {
    struct Row {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* display;
        const char* pending;
    };
    const Row rows[] = {
        {Qt::Key_7, keypad, "7", "none"},
        {Qt::Key_7, {}, "7", "none"},
        {Qt::Key_4, keypad, "74", "none"},
        {Qt::Key_Plus, {}, "74", "none"},
        {Qt::Key_Plus, keypad, "74", "2"},
        {Qt::Key_2, keypad, "2", "2"},
        {Qt::Key_Asterisk, {}, "2", "2"},
        {Qt::Key_Asterisk, keypad, "76", "0"},
        {Qt::Key_3, keypad | Qt::ShiftModifier, "3", "0"},
        {Qt::Key_Minus, keypad, "228", "3"},
        {Qt::Key_8, keypad, "8", "3"},
        {Qt::Key_Slash, keypad, "220", "1"},
        {Qt::Key_5, keypad, "5", "1"},
        {Qt::Key_Minus, {}, "5", "1"},
        {Qt::Key_Period, keypad, "5", "1"},
        {Qt::Key_Home, keypad, "5", "1"},
        {Qt::Key_A, Qt::ControlModifier, "5", "1"},
        {Qt::Key_Return, {}, "44", "none"},
    };
    for (const Row& row : rows) {
        frame->cmdNumber_7->setFocus();
        type(row.key, row.modifiers);
        const std::string where = std::to_string(row.key) + (row.modifiers ? " on keypad" : "");
        EXPECT_EQ(display().toStdString(), row.display) << where;
        EXPECT_EQ(frame->engine().pendingSign(), row.pending) << where;
        if (row.key != Qt::Key_Return)
            expectFocusOnEquals();
    }
}

TEST_F(CalcFrameTest, everyControlButTheOperatorsForwardsKeys) {
    QWidget* forwarders[] = {frame->txtResult,     frame->cmdEquals,      frame->ClearAnswer,
                             frame->cmdCopyAnswer, frame->cmdPasteAnswer, frame->cmdNumber_0,
                             frame->cmdNumber_10,  frame->cmdSpecial_0,   frame->cmdSpecial_3};
    QString typed;
    for (QWidget* control : forwarders) {
        control->setFocus();
        type(Qt::Key_1, keypad);
        typed += '1';
        EXPECT_EQ(display(), typed) << control->objectName().toStdString();
        expectFocusOnEquals();
    }
    for (QPushButton* sign :
         {frame->cmdSign_0, frame->cmdSign_1, frame->cmdSign_2, frame->cmdSign_3}) {
        sign->setFocus();
        type(Qt::Key_1, keypad);
        type(Qt::Key_Escape);
        EXPECT_EQ(display(), typed) << sign->objectName().toStdString();
        EXPECT_EQ(QApplication::focusWidget(), sign);
    }
}

TEST_F(CalcFrameTest, escapeEmptiesAndMouseOperatorStopsTheKeypad) {
    click(frame->cmdNumber_9);
    click(frame->cmdSign_2);
    ASSERT_EQ(QApplication::focusWidget(), frame->cmdSign_2);
    type(Qt::Key_4, keypad); // the operator button keeps the key to itself
    EXPECT_EQ(display(), "9");
    frame->ClearAnswer->setFocus();
    type(Qt::Key_Escape);
    EXPECT_EQ(display(), "");
    EXPECT_EQ(frame->engine().firstNumber(), "none");
    EXPECT_EQ(frame->engine().pendingSign(), "none");
    expectFocusOnEquals();
}

TEST_F(CalcFrameTest, enterPressesEqualsWhereverTheFocusIs) {
    click(frame->cmdNumber_7);
    type(Qt::Key_4, keypad);
    expectFocusOnEquals();
    type(Qt::Key_Plus, keypad);
    type(Qt::Key_6, keypad);
    type(Qt::Key_Enter, keypad);
    EXPECT_EQ(display(), "80");
    click(frame->cmdSign_3);
    click(frame->cmdNumber_1);
    frame->cmdSign_0->setFocus(); // a control that does not forward keys
    type(Qt::Key_Return);
    EXPECT_EQ(display(), "79");
}

TEST_F(CalcFrameTest, tabStillMovesBetweenControls) {
    frame->cmdNumber_7->setFocus();
    type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->cmdNumber_8);
}

TEST_F(CalcFrameTest, copyPutsTheDisplayExactlyAsShown) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("old");
    click(frame->cmdCopyAnswer);
    EXPECT_EQ(clipboard->text(), "");
    for (QPushButton* button :
         {frame->cmdNumber_0, frame->cmdNumber_0, frame->cmdNumber_7, frame->cmdNumber_10})
        click(button);
    click(frame->cmdCopyAnswer);
    EXPECT_EQ(clipboard->text(), "007.");
    clipboard->setText("old");
    frame->txtResult->setFocus();
    frame->txtResult->selectAll();
    type(Qt::Key_C, Qt::ControlModifier); // the caption's Ctrl+C is only a label
    EXPECT_EQ(clipboard->text(), "old");
    expectFocusOnEquals();
}

TEST_F(CalcFrameTest, pasteTakesOnlyANumber) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(" 12 ");
    click(frame->cmdPasteAnswer);
    EXPECT_EQ(display(), " 12 ");
    click(frame->cmdSign_2);
    clipboard->setText("2.5");
    frame->txtResult->setFocus();
    type(Qt::Key_V, Qt::ControlModifier); // no key pastes
    EXPECT_EQ(display(), " 12 ");
    click(frame->cmdPasteAnswer);
    EXPECT_EQ(display(), "2.5");

    auto* imageOnly = new QMimeData;
    imageOnly->setData("image/png", QByteArray("\x89PNG", 4));
    for (const auto& refuse : std::initializer_list<std::function<void()>>{
             [&] { clipboard->setText("abc"); }, [&] { clipboard->setText("1.2.3"); },
             [&] { clipboard->clear(); }, [&] { clipboard->setMimeData(imageOnly); }}) {
        refuse();
        click(frame->cmdPasteAnswer);
        EXPECT_EQ(display(), "2.5");
        EXPECT_EQ(frame->engine().secondNumber(), "2.5");
        EXPECT_EQ(frame->engine().newSecond(), 1);
    }
    click(frame->cmdEquals);
    EXPECT_EQ(display(), "14.5");
}
