// Paging through the result pages: showPage is the one way a page comes on
// view. The arrows, their timers and the menu items step the slider, whose
// change handler calls it; Go To calls it with the page the rule names.
#include "search/page_navigator.h"

#include "common/input_error.h"
#include "common/number_text.h"
#include "search/page_number.h"
#include "search/page_store.h"
#include "ui/box_width.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/paste_guard.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace {

// A held arrow waits this long before it repeats, so that an ordinary click
// moves exactly the one page its press moved; then it steps at the timers'
// own interval.
constexpr int holdDelayMs = 300;
constexpr int repeatMs = 50;

QString wholeText(long long n) {
    return QString::fromStdString(korvane::decimalDigits(static_cast<std::uint64_t>(n)));
}

QPushButton* arrow(QWidget* parent, const char* name, const char* caption, const char* toolTip) {
    auto* b = named(new QPushButton(QString::fromLatin1(caption), parent), name);
    b->setToolTip(QString::fromLatin1(toolTip));
    b->setAutoRepeat(false);
    // Held with the mouse only, the arrows are no stop for the Tab key: the
    // slider, the menu and Go To page from the keyboard. Out of the focus chain,
    // the two pairs can share their spoken names without a screen reader
    // announcing two controls alike.
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<<<")) + 8);
    return b;
}

} // namespace

PageNavigator::PageNavigator(QWidget* frame, DefaultButton& defaultButton,
                             const korvane::search::PageStore& pages)
    : QObject(frame), frame_(frame), defaultButton_(defaultButton),
      pageMaker_([&pages](std::size_t k) { return pages.page(k); }) {
    createControls(frame);
    for (QPushButton* button : {cmdBack, cmdForward, PreviousPage, NextPage})
        button->installEventFilter(this);
    txtGoTo->installEventFilter(this);
    Slider1->installEventFilter(this);
    connect(cmdGoTo, &QPushButton::clicked, this, &PageNavigator::cmdGoTo_Click);
    // Only the user's edits: Reset putting "1" back, perhaps from the menu
    // while another tab is shown, must not take Enter from that tab.
    connect(txtGoTo, &QLineEdit::textEdited, this, &PageNavigator::txtGoTo_Change);
    // valueChanged comes for dragging, keys and values set by code alike.
    connect(Slider1, &QSlider::valueChanged, this, &PageNavigator::Slider1_Change);
    connect(Timer1, &QTimer::timeout, this, &PageNavigator::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &PageNavigator::Timer2_Timer);
}

void PageNavigator::createControls(QWidget* frame) {
    txtPrimes = named(new QPlainTextEdit(frame), "txtPrimes");
    txtPrimes->setReadOnly(true);
    txtPrimes->setUndoRedoEnabled(false);
    txtPrimes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtPrimes->setWordWrapMode(QTextOption::WordWrap);

    cmdBack = arrow(frame, "cmdBack", "<", "Hold to page back");
    Slider1 = named(new QSlider(Qt::Horizontal, frame), "Slider1");
    Slider1->setRange(0, 1);
    Slider1->setValue(1);
    cmdForward = arrow(frame, "cmdForward", ">", "Hold to page forward");
    PreviousPage = arrow(frame, "PreviousPage", "<", "Hold to page back");
    lblPageNow = named(new QLabel(QStringLiteral("1"), frame), "lblPageNow");
    lblPageTotal = named(new QLabel(QStringLiteral("1"), frame), "lblPageTotal");
    NextPage = arrow(frame, "NextPage", ">", "Hold to page forward");
    txtGoTo = named(new QLineEdit(QStringLiteral("1"), frame), "txtGoTo");
    txtGoTo->setMaxLength(6); // every page up to 500000
    guardPastes(txtGoTo);
    cmdGoTo = named(new QPushButton(QStringLiteral("Go To"), frame), "cmdGoTo");
    cmdGoTo->setToolTip(QStringLiteral("Show the page typed in the box"));
    // Names a screen reader says; the arrows' captions are only symbols.
    txtPrimes->setAccessibleName(QStringLiteral("Result page"));
    Slider1->setAccessibleName(QStringLiteral("Page slider"));
    for (QPushButton* back : {cmdBack, PreviousPage})
        back->setAccessibleName(QStringLiteral("Previous page"));
    for (QPushButton* forward : {cmdForward, NextPage})
        forward->setAccessibleName(QStringLiteral("Next page"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer2 = named(new QTimer(this), "Timer2");
    for (QTimer* timer : {Timer1, Timer2})
        timer->setInterval(repeatMs);
}

QHBoxLayout* PageNavigator::sliderRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(cmdBack);
    row->addWidget(Slider1, 1);
    row->addWidget(cmdForward);
    return row;
}

QWidget* PageNavigator::viewingBox(QWidget* parent) const {
    auto* viewing = named(new QGroupBox(QStringLiteral("Viewing page..."), parent), "fraViewing");
    auto* row = new QHBoxLayout(viewing);
    row->addWidget(PreviousPage);
    row->addWidget(lblPageNow);
    row->addWidget(new QLabel(QStringLiteral("of"), viewing));
    row->addWidget(lblPageTotal);
    row->addWidget(NextPage);
    const int pageWidth = lblPageNow->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    for (QLabel* label : {lblPageNow, lblPageTotal}) {
        label->setMinimumWidth(pageWidth);
        label->setAlignment(Qt::AlignCenter);
    }
    return viewing;
}

QWidget* PageNavigator::goToBox(QWidget* parent) const {
    auto* goTo = named(new QGroupBox(QStringLiteral("Go to page:"), parent), "fraGoTo");
    auto* row = new QHBoxLayout(goTo);
    txtGoTo->setFixedWidth(widthShowing(txtGoTo, wholeText(korvane::search::PageStore::maxPages)));
    row->addWidget(txtGoTo);
    row->addWidget(cmdGoTo);
    return goTo;
}

bool PageNavigator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == Slider1 && sliderKey(*static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::FocusIn:
        if (watched == txtGoTo)
            txtGoTo_GotFocus();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a double click
        arrowPressed(watched, static_cast<QMouseEvent*>(event)->button());
        break;
    case QEvent::MouseButtonRelease:
        arrowReleased(watched, static_cast<QMouseEvent*>(event)->button());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The press itself moves one page; holding on repeats after a pause.
void PageNavigator::arrowPressed(QObject* pressed, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    const bool back = pressed == cmdBack || pressed == PreviousPage;
    if (!back && pressed != cmdForward && pressed != NextPage)
        return;
    QTimer* timer = back ? Timer1 : Timer2;
    timer->start(holdDelayMs);
    step(back ? -1 : 1); // a page that cannot be made stops the timer again
}

// The slider reads like the pages: the keys that go down a document go
// forward. Left, Right, Home and End already do as they should.
bool PageNavigator::sliderKey(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Down:
        return step(1), true;
    case Qt::Key_Up:
        return step(-1), true;
    case Qt::Key_PageDown:
        return step(Slider1->pageStep()), true;
    case Qt::Key_PageUp:
        return step(-Slider1->pageStep()), true;
    default:
        return false;
    }
}

// Only the slider's back arrow stops for any button; the others wait for the
// left one that started them.
void PageNavigator::arrowReleased(QObject* released, Qt::MouseButton button) {
    if (released == cmdBack)
        Timer1->stop();
    else if (button != Qt::LeftButton)
        return;
    else if (released == PreviousPage)
        Timer1->stop();
    else if (released == cmdForward || released == NextPage)
        Timer2->stop();
}

void PageNavigator::showLastPage(int last) {
    {
        const QSignalBlocker quiet(Slider1); // the page comes on view below
        Slider1->setMaximum(last);
    }
    // The search's page count stands even if its last page cannot be shown.
    lblPageTotal->setText(wholeText(last));
    showPage(last);
}

// Clearing makes no page, so it cannot fail.
void PageNavigator::showNoPages() {
    {
        const QSignalBlocker quiet(Slider1);
        Slider1->setMaximum(1);
        Slider1->setValue(1);
    }
    shown_ = 1;
    lblPageNow->setText(QStringLiteral("1"));
    lblPageTotal->setText(QStringLiteral("1"));
    txtPrimes->setPlainText(QString());
}

void PageNavigator::resetGoTo() {
    txtGoTo->setText(QStringLiteral("1"));
}

int PageNavigator::pageCount() const {
    return Slider1->maximum();
}

bool PageNavigator::showPageSelecting(int k, int column, int length) {
    if (!showPage(k))
        return false;
    QTextCursor selection(txtPrimes->document());
    selection.setPosition(column);
    selection.setPosition(column + length, QTextCursor::KeepAnchor);
    txtPrimes->setTextCursor(selection);
    txtPrimes->ensureCursorVisible();
    return true;
}

void PageNavigator::setPageMaker(PageMaker maker) {
    pageMaker_ = std::move(maker);
}

// Only the page on view ever becomes a QString. A page that cannot be made
// leaves the view as it was: the held arrows stop before the message shows,
// so no tick comes while it is open, and the slider goes back to the page on
// view without running its handler again.
bool PageNavigator::showPage(int k) {
    k = std::clamp(k, 1, std::max(pageCount(), 1));
    std::string page;
    const auto make = [&] { page = pageMaker_(static_cast<std::size_t>(k)); };
    const auto putBack = [this] {
        Timer1->stop();
        Timer2->stop();
        const QSignalBlocker quiet(Slider1);
        Slider1->setValue(shown_);
    };
    if (!succeeds(frame_, QStringLiteral("The page could not be shown: %1."), make, putBack))
        return false;
    {
        const QSignalBlocker quiet(Slider1); // the page is made already
        Slider1->setValue(k);
    }
    shown_ = k;
    lblPageNow->setText(wholeText(k));
    lblPageTotal->setText(wholeText(Slider1->maximum()));
    txtPrimes->setPlainText(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
    return true;
}

void PageNavigator::Slider1_Change() {
    if (Slider1->value() == 0) {
        Slider1->setValue(1); // page 0 is never shown; this runs the handler again
        return;
    }
    showPage(Slider1->value());
}

// Every step goes through the slider, which keeps its value within
// 0..maximum, so a step past either end leaves the first or last page on view
// and makes no page again.
void PageNavigator::step(int pages) {
    Slider1->setValue(Slider1->value() + pages);
}

// After the first tick, 300 ms after the press, a held arrow steps every 50 ms.
void PageNavigator::Timer1_Timer() {
    if (Timer1->interval() != repeatMs)
        Timer1->setInterval(repeatMs);
    step(-1);
}
void PageNavigator::Timer2_Timer() {
    if (Timer2->interval() != repeatMs)
        Timer2->setInterval(repeatMs);
    step(1);
}
void PageNavigator::mnuPreviousPage_Click() {
    step(-1);
}
void PageNavigator::mnuNextPage_Click() {
    step(1);
}

// The page number rule decides and rounds; the caption then reads the page as
// typed.
void PageNavigator::cmdGoTo_Click() {
    const auto checked = korvane::search::validatePage(txtGoTo->text().toStdString(),
                                                       static_cast<std::size_t>(pageCount()));
    if (const auto* error = std::get_if<korvane::InputError>(&checked))
        return refuseInput(frame_, *error, txtGoTo);
    if (showPage(static_cast<int>(std::get<std::size_t>(checked))))
        lblPageNow->setText(txtGoTo->text());
}

void PageNavigator::txtGoTo_Change() {
    defaultButton_.set(cmdGoTo);
}
void PageNavigator::txtGoTo_GotFocus() {
    defaultButton_.set(cmdGoTo);
}
