// The calculator tab turns clicks and keypad keys into engine calls and shows
// the engine's display text; it keeps no calculator state of its own.
#include "calc/calc_frame.h"

#include "ui/default_button.h"
#include "ui/named.h"
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

#include <array>

using korvane::Operator;
using korvane::Special;

namespace {

// Key codes the keypad table acts on.
constexpr int vkEscape = 27;
constexpr int vkNumpad0 = 96;
constexpr int vkMultiply = 106;
constexpr int vkAdd = 107;
constexpr int vkSubtract = 109;
constexpr int vkDivide = 111;

// The function of each special button, by index; the caption is only a label.
constexpr std::array specialFunctions{Special::Reciprocal, Special::Square, Special::SquareRoot,
                                      Special::Pi};

// The display: read-only, right-aligned blue text (lighter on a dark palette),
// a little larger than the keys.
QLineEdit* makeDisplay(QWidget* parent) {
    auto* display = named(new QLineEdit(parent), "txtResult");
    display->setReadOnly(true);
    display->setAlignment(Qt::AlignRight);
    setTextColour(display, QPalette::Text, QPalette::Base, Qt::blue);
    QFont larger = display->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    display->setFont(larger);
    return display;
}

} // namespace

CalcFrame::CalcFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton) {
    txtResult = makeDisplay(this);

    // The keypad grid: digits 7-8-9 on top, operators and functions in two columns.
    static constexpr KeyPlace numberPlaces[] = {{"0", 3, 0}, {"1", 2, 0}, {"2", 2, 1}, {"3", 2, 2},
                                                {"4", 1, 0}, {"5", 1, 1}, {"6", 1, 2}, {"7", 0, 0},
                                                {"8", 0, 1}, {"9", 0, 2}, {".", 3, 1}};
    static constexpr KeyPlace signPlaces[] = {{"*", 1, 3}, {"/", 0, 3}, {"+", 3, 3}, {"-", 2, 3}};
    static constexpr KeyPlace specialPlaces[] = {
        {"1/x", 0, 4}, {"x^2", 1, 4}, {"sqrt", 2, 4}, {"pi", 3, 4}};
    QPushButton** const numbers[] = {&cmdNumber_0, &cmdNumber_1, &cmdNumber_2, &cmdNumber_3,
                                     &cmdNumber_4, &cmdNumber_5, &cmdNumber_6, &cmdNumber_7,
                                     &cmdNumber_8, &cmdNumber_9, &cmdNumber_10};
    QPushButton** const signs[] = {&cmdSign_0, &cmdSign_1, &cmdSign_2, &cmdSign_3};
    QPushButton** const specials[] = {&cmdSpecial_0, &cmdSpecial_1, &cmdSpecial_2, &cmdSpecial_3};

    auto* keypad = new QGridLayout;
    makeButtons(keypad, "cmdNumber", numbers, numberPlaces, &CalcFrame::cmdNumber_Click);
    makeButtons(keypad, "cmdSign", signs, signPlaces, &CalcFrame::cmdSign_Click);
    makeButtons(keypad, "cmdSpecial", specials, specialPlaces, &CalcFrame::cmdSpecial_Click);

    cmdEquals = makeButton("cmdEquals", "=");
    keypad->addWidget(cmdEquals, 3, 2);
    connect(cmdEquals, &QPushButton::clicked, this, &CalcFrame::cmdEquals_Click);

    ClearAnswer = makeButton("ClearAnswer", "Clear");
    cmdCopyAnswer = makeButton("cmdCopyAnswer", "Copy Answer           Ctrl+C");
    cmdPasteAnswer = makeButton("cmdPasteAnswer", "Paste Answer        Ctrl+V");
    connect(ClearAnswer, &QPushButton::clicked, this, &CalcFrame::ClearAnswer_Click);
    connect(cmdCopyAnswer, &QPushButton::clicked, this, &CalcFrame::cmdCopyAnswer_Click);
    connect(cmdPasteAnswer, &QPushButton::clicked, this, &CalcFrame::cmdPasteAnswer_Click);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {ClearAnswer, cmdCopyAnswer, cmdPasteAnswer})
        commands->addWidget(button);

    Label2 =
        named(new QLabel(QStringLiteral(
                             "Keybaord can be used to enter values.  Values up to 1.79*10^308."),
                         this),
              "Label2");
    Label2->setWordWrap(true);

    // A screen reader says the key's purpose, not its symbol.
    txtResult->setAccessibleName(QStringLiteral("Calculator display"));
    ClearAnswer->setAccessibleName(QStringLiteral("Clear answer"));
    // clang-format off
    const std::pair<QPushButton*, const char*> spokenKeys[] = {
        {cmdNumber_10, "Decimal point"}, {cmdSign_0, "Multiply"}, {cmdSign_1, "Divide"},
        {cmdSign_2, "Add"}, {cmdSign_3, "Subtract"}, {cmdSpecial_0, "Reciprocal"},
        {cmdSpecial_1, "Square"}, {cmdSpecial_2, "Square root"}, {cmdSpecial_3, "Pi"},
        {cmdEquals, "Equals"}};
    // clang-format on
    for (const auto& [key, words] : spokenKeys)
        key->setAccessibleName(QString::fromLatin1(words));

    auto* layout = new QVBoxLayout(this);
    // The keys share the tab's height: four keypad rows to one command row.
    layout->addWidget(txtResult);
    layout->addLayout(keypad, 4);
    layout->addLayout(commands, 1);
    layout->addWidget(Label2);

    forwardKeysToSensory();
}

// The display and every button hand their keys to Sensory, so the keypad
// works whatever the user clicked last, an operator button included.
void CalcFrame::forwardKeysToSensory() {
    txtResult->installEventFilter(this);
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->installEventFilter(this);
}

void CalcFrame::makeButtons(QGridLayout* grid, const char* arrayName,
                            std::span<QPushButton** const> members,
                            std::span<const KeyPlace> places, IndexHandler onClick) {
    for (size_t i = 0; i < members.size(); ++i) {
        const QByteArray name = QByteArray(arrayName) + '_' + QByteArray::number(qsizetype(i));
        QPushButton* button = makeButton(name.constData(), places[i].caption);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, onClick, index] { (this->*onClick)(index); });
        grid->addWidget(button, places[i].row, places[i].column);
        *members[i] = button;
    }
}

QPushButton* CalcFrame::makeButton(const char* name, const char* caption) {
    auto* button = named(new QPushButton(QString::fromLatin1(caption), this), name);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return button;
}

void CalcFrame::showDisplay(const std::string& display) {
    const QString text = QString::fromStdString(display);
    if (txtResult->text() != text)
        txtResult->setText(text);
}

void CalcFrame::resetFlags() {
    engine_.resetFlags();
}

void CalcFrame::ClearAnswer_Click() {
    showDisplay(engine_.clear());
}

void CalcFrame::cmdNumber_Click(int index) {
    showDisplay(engine_.digit(index));
}

void CalcFrame::cmdSign_Click(int index) {
    if (index >= 0 && index <= 3)
        showDisplay(engine_.chooseOperator(static_cast<Operator>(index)));
}

void CalcFrame::cmdSpecial_Click(int index) {
    if (index >= 0 && index < static_cast<int>(specialFunctions.size()))
        showDisplay(engine_.special(specialFunctions[static_cast<size_t>(index)]));
}

void CalcFrame::cmdEquals_Click() {
    showDisplay(engine_.equals());
}

void CalcFrame::cmdCopyAnswer_Click() {
    // Copying never touches the calculator, so a clipboard that cannot be
    // written leaves it as it was. setText replaces every earlier format.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(txtResult->text());
}

void CalcFrame::cmdPasteAnswer_Click() {
    // A clipboard that cannot be read, or holds no text, reads as "", which the
    // engine refuses without changing anything.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    showDisplay(engine_.paste(clipboard->text().toStdString()));
}

void CalcFrame::Sensory(int keyCode) {
    if (keyCode >= vkNumpad0 && keyCode <= vkNumpad0 + 9)
        cmdNumber_Click(keyCode - vkNumpad0);
    switch (keyCode) {
    case vkMultiply:
        cmdSign_Click(static_cast<int>(Operator::Multiply));
        break;
    case vkAdd:
        cmdSign_Click(static_cast<int>(Operator::Add));
        break;
    case vkSubtract:
        cmdSign_Click(static_cast<int>(Operator::Subtract));
        break;
    case vkDivide:
        cmdSign_Click(static_cast<int>(Operator::Divide));
        break;
    case vkEscape:
        ClearAnswer_Click();
        break;
    default:
        break;
    }
    defaultButton_.set(cmdEquals);
    cmdEquals->setFocus(Qt::OtherFocusReason);
}

int CalcFrame::virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Escape)
        return vkEscape;
    // Main-keyboard digits and signs share their key with the keypad's; only
    // the keypad bit tells them apart.
    if (!event.modifiers().testFlag(Qt::KeypadModifier))
        return 0;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return vkNumpad0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return vkMultiply;
    case Qt::Key_Plus:
        return vkAdd;
    case Qt::Key_Minus:
        return vkSubtract;
    case Qt::Key_Slash:
        return vkDivide;
    default:
        return 0;
    }
}

bool CalcFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab and Shift+Tab keep moving the focus between controls, as they
    // always have; every other key belongs to the calculator.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    Sensory(virtualKeyCode(*key));
    return true;
}
