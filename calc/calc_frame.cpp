// The calculator tab turns clicks and keys into calculator keys for the engine
// and shows the engine's display text; it keeps no calculator state of its own.
#include "calc/calc_frame.h"

#include "ui/default_button.h"
#include "ui/named.h"
#include "ui/qt_text.h"
#include "ui/text_contrast.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

using korvane::CalcKey;

namespace {

// The display: read-only, right-aligned blue text (lighter on a dark palette),
// a little larger than the keys.
QLineEdit* makeDisplay(QWidget* parent) {
    auto* display = named(new QLineEdit(parent), "txtResult");
    display->setReadOnly(true);
    display->setAlignment(Qt::AlignRight);
    // The display shows the engine's text whole, however long a typed number grows.
    display->setMaxLength(std::numeric_limits<int>::max());
    setTextColour(display, QPalette::Text, QPalette::Base, Qt::blue);
    QFont larger = display->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    display->setFont(larger);
    display->setAccessibleName(QStringLiteral("Calculator display"));
    return display;
}

// Keys that keep their usual meaning on a calculator control: Tab and
// Shift+Tab move the focus, Space presses the focused button.
bool passesThrough(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Space;
}

bool isClipboardKey(const QKeyEvent& event) {
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Paste);
}

} // namespace

CalcFrame::CalcFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton) {
    txtResult = makeDisplay(this);
    QGridLayout* keypad = makeKeypad();
    QHBoxLayout* commands = makeCommands();
    Label2 =
        named(new QLabel(QStringLiteral(
                             "Keybaord can be used to enter values.  Values up to 1.79*10^308."),
                         this),
              "Label2");
    Label2->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    // The keys share the tab's height: four keypad rows to one command row.
    layout->addWidget(txtResult);
    layout->addLayout(keypad, 4);
    layout->addLayout(commands, 1);
    layout->addWidget(Label2);

    forwardKeysToSensory();
}

// The keypad grid: digits 7-8-9 on top, operators and functions in two columns.
QGridLayout* CalcFrame::makeKeypad() {
    // clang-format off
    static constexpr KeypadButton numbers[] = {
        {&CalcFrame::cmdNumber_0, "cmdNumber_0", "0", CalcKey::Digit0, 3, 0, nullptr},
        {&CalcFrame::cmdNumber_1, "cmdNumber_1", "1", CalcKey::Digit1, 2, 0, nullptr},
        {&CalcFrame::cmdNumber_2, "cmdNumber_2", "2", CalcKey::Digit2, 2, 1, nullptr},
        {&CalcFrame::cmdNumber_3, "cmdNumber_3", "3", CalcKey::Digit3, 2, 2, nullptr},
        {&CalcFrame::cmdNumber_4, "cmdNumber_4", "4", CalcKey::Digit4, 1, 0, nullptr},
        {&CalcFrame::cmdNumber_5, "cmdNumber_5", "5", CalcKey::Digit5, 1, 1, nullptr},
        {&CalcFrame::cmdNumber_6, "cmdNumber_6", "6", CalcKey::Digit6, 1, 2, nullptr},
        {&CalcFrame::cmdNumber_7, "cmdNumber_7", "7", CalcKey::Digit7, 0, 0, nullptr},
        {&CalcFrame::cmdNumber_8, "cmdNumber_8", "8", CalcKey::Digit8, 0, 1, nullptr},
        {&CalcFrame::cmdNumber_9, "cmdNumber_9", "9", CalcKey::Digit9, 0, 2, nullptr},
        {&CalcFrame::cmdNumber_10, "cmdNumber_10", ".", CalcKey::Point, 3, 1, "Decimal point"}};
    static constexpr KeypadButton signs[] = {
        {&CalcFrame::cmdSign_0, "cmdSign_0", "*", CalcKey::Multiply, 1, 3, "Multiply"},
        {&CalcFrame::cmdSign_1, "cmdSign_1", "/", CalcKey::Divide, 0, 3, "Divide"},
        {&CalcFrame::cmdSign_2, "cmdSign_2", "+", CalcKey::Add, 3, 3, "Add"},
        {&CalcFrame::cmdSign_3, "cmdSign_3", "-", CalcKey::Subtract, 2, 3, "Subtract"}};
    static constexpr KeypadButton specials[] = {
        {&CalcFrame::cmdSpecial_0, "cmdSpecial_0", "1/x", CalcKey::Reciprocal, 0, 4, "Reciprocal"},
        {&CalcFrame::cmdSpecial_1, "cmdSpecial_1", "x^2", CalcKey::Square, 1, 4, "Square"},
        {&CalcFrame::cmdSpecial_2, "cmdSpecial_2", "sqrt", CalcKey::SquareRoot, 2, 4, "Square root"},
        {&CalcFrame::cmdSpecial_3, "cmdSpecial_3", "pi", CalcKey::Pi, 3, 4, "Pi"}};
    // clang-format on
    auto* keypad = new QGridLayout;
    makeButtons(keypad, numbers, &CalcFrame::cmdNumber_Click);
    makeButtons(keypad, signs, &CalcFrame::cmdSign_Click);
    makeButtons(keypad, specials, &CalcFrame::cmdSpecial_Click);

    cmdEquals = makeButton("cmdEquals", "=");
    cmdEquals->setAccessibleName(QStringLiteral("Equals"));
    keypad->addWidget(cmdEquals, 3, 2);
    connect(cmdEquals, &QPushButton::clicked, this, &CalcFrame::cmdEquals_Click);
    return keypad;
}

QHBoxLayout* CalcFrame::makeCommands() {
    ClearAnswer = makeButton("ClearAnswer", "Clear");
    ClearAnswer->setAccessibleName(QStringLiteral("Clear answer"));
    cmdCopyAnswer = makeButton("cmdCopyAnswer", "Copy Answer           Ctrl+C");
    cmdPasteAnswer = makeButton("cmdPasteAnswer", "Paste Answer        Ctrl+V");
    connect(ClearAnswer, &QPushButton::clicked, this, &CalcFrame::ClearAnswer_Click);
    connect(cmdCopyAnswer, &QPushButton::clicked, this, &CalcFrame::cmdCopyAnswer_Click);
    connect(cmdPasteAnswer, &QPushButton::clicked, this, &CalcFrame::cmdPasteAnswer_Click);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {ClearAnswer, cmdCopyAnswer, cmdPasteAnswer})
        commands->addWidget(button);
    return commands;
}

// The display and every button hand their keys to Sensory, so the keyboard
// works whatever the user clicked last, an operator button included. Only
// these controls can hold the focus while the tab is shown, and they get no
// keys while another window is in front.
void CalcFrame::forwardKeysToSensory() {
    txtResult->installEventFilter(this);
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->installEventFilter(this);
}

void CalcFrame::makeButtons(QGridLayout* grid, std::span<const KeypadButton> buttons,
                            KeyHandler onClick) {
    for (const KeypadButton& b : buttons) {
        QPushButton* button = makeButton(b.name, b.caption);
        // A screen reader says the key's purpose, not its symbol.
        if (b.spoken)
            button->setAccessibleName(QString::fromLatin1(b.spoken));
        connect(button, &QPushButton::clicked, this,
                [this, onClick, key = b.key] { (this->*onClick)(key); });
        grid->addWidget(button, b.row, b.column);
        this->*b.member = button;
    }
}

QPushButton* CalcFrame::makeButton(const char* name, const char* caption) {
    auto* button = named(new QPushButton(QString::fromLatin1(caption), this), name);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return button;
}

void CalcFrame::press(CalcKey key) {
    showDisplay(engine_.press(key));
}

void CalcFrame::showDisplay(const std::string& display) {
    const QString text = qText(display);
    if (txtResult->text() != text)
        txtResult->setText(text);
}

void CalcFrame::resetFlags() {
    engine_.resetFlags();
}

void CalcFrame::ClearAnswer_Click() {
    press(CalcKey::Clear);
}

void CalcFrame::cmdNumber_Click(CalcKey key) {
    press(key);
}

void CalcFrame::cmdSign_Click(CalcKey key) {
    press(key);
}

void CalcFrame::cmdSpecial_Click(CalcKey key) {
    press(key);
}

void CalcFrame::cmdEquals_Click() {
    press(CalcKey::Equals);
}

void CalcFrame::cmdCopyAnswer_Click() {
    // The engine's text, whole. Copying never touches the calculator, so a
    // clipboard that cannot be written leaves it as it was. setText replaces
    // every earlier format.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(qText(engine_.display()));
}

void CalcFrame::cmdPasteAnswer_Click() {
    // A clipboard that cannot be read, or holds no text, reads as "", which the
    // engine refuses without changing anything.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    showDisplay(engine_.paste(clipboard->text().toStdString()));
}

void CalcFrame::Sensory(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy))
        cmdCopyAnswer_Click();
    else if (event.matches(QKeySequence::Paste))
        cmdPasteAnswer_Click();
    else if (const auto key = calcKeyFor(event))
        press(*key);
    defaultButton_.set(cmdEquals);
    cmdEquals->setFocus(Qt::OtherFocusReason);
}

std::optional<CalcKey> CalcFrame::calcKeyFor(const QKeyEvent& event) {
    // Shift brings the signs, and on some layouts the digits; with Ctrl, Alt
    // or Meta a key is a command, not a calculator key.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<CalcKey>(static_cast<int>(CalcKey::Digit0) + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Period:
        return CalcKey::Point;
    case Qt::Key_Comma: // the keypad's decimal key on layouts with a decimal comma
        if (event.modifiers().testFlag(Qt::KeypadModifier))
            return CalcKey::Point;
        return std::nullopt;
    case Qt::Key_Asterisk:
        return CalcKey::Multiply;
    case Qt::Key_Slash:
        return CalcKey::Divide;
    case Qt::Key_Plus:
        return CalcKey::Add;
    case Qt::Key_Minus:
        return CalcKey::Subtract;
    case Qt::Key_Equal:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CalcKey::Equals;
    case Qt::Key_Backspace:
        return CalcKey::Backspace;
    case Qt::Key_Escape:
        return CalcKey::Clear;
    default:
        return std::nullopt;
    }
}

bool CalcFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (passesThrough(*key))
        return false;
    if (type == QEvent::ShortcutOverride) {
        // The calculator's own keys come to it as key presses: Enter is "="
        // here rather than the window's default button, and Ctrl+C copies the
        // answer rather than the display's selection.
        const bool taken = calcKeyFor(*key) || isClipboardKey(*key);
        if (taken)
            event->accept();
        return taken;
    }
    Sensory(*key);
    return true;
}
