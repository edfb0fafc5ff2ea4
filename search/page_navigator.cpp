// Paging through the result pages: the slider is the one place the page on
// view is chosen; the arrows, their timers, the menu items and Go To all move
// it, and its change handler shows the page.
#include "search/page_navigator.h"

#include "common/input_error.h"
#include "common/number_text.h"
#include "search/page_store.h"
#include "ui/box_width.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/paste_guard.h"
#include "ui/read_number.h"

#include <QGroupBox>
#include <QHBoxLayout>
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
        timer->setInterval(50);
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
    txtGoTo->setFixedWidth(widthShowing(txtGoTo, QStringLiteral("500000")));
    row->addWidget(txtGoTo);
    row->addWidget(cmdGoTo);
    return goTo;
}

bool PageNavigator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
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

void PageNavigator::arrowPressed(QObject* pressed, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    if (pressed == cmdBack || pressed == PreviousPage)
        Timer1->start();
    else if (pressed == cmdForward || pressed == NextPage)
        Timer2->start();
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
    Slider1->setMaximum(last);
    // The search's page count stands even if its last page cannot be shown.
    lblPageTotal->setText(wholeText(last));
    if (Slider1->value() == last)
        Slider1_Change();
    else
        Slider1->setValue(last); // shows the last page through the slider's handler
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
    const std::optional<QString> text = makePage(k);
    if (!text)
        return false;
    {
        const QSignalBlocker quiet(Slider1); // the page is made already
        Slider1->setValue(k);
    }
    lblPageNow->setText(wholeText(k));
    showMadePage(k, *text);
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
std::optional<QString> PageNavigator::makePage(int k) {
    std::string page;
    const auto make = [&] { page = pageMaker_(k < 1 ? 0 : static_cast<std::size_t>(k)); };
    const auto putBack = [this] {
        Timer1->stop();
        Timer2->stop();
        const QSignalBlocker quiet(Slider1);
        Slider1->setValue(shown_);
    };
    if (!succeeds(frame_, QStringLiteral("The page could not be shown: %1."), make, putBack))
        return std::nullopt;
    return QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size()));
}

void PageNavigator::Slider1_Change() {
    if (Slider1->value() == 0) {
        Slider1->setValue(1); // page 0 is never shown; this runs the handler again
        return;
    }
    const int k = Slider1->value();
    const std::optional<QString> page = makePage(k);
    if (!page)
        return;
    lblPageNow->setText(wholeText(k));
    showMadePage(k, *page);
}

void PageNavigator::showMadePage(int k, const QString& page) {
    lblPageTotal->setText(wholeText(Slider1->maximum()));
    txtPrimes->setPlainText(page);
    shown_ = k;
}

// The slider keeps its value within 0..maximum, so a step past either end
// leaves the first or last page on view.
void PageNavigator::Timer1_Timer() {
    Slider1->setValue(Slider1->value() - 1);
}
void PageNavigator::Timer2_Timer() {
    Slider1->setValue(Slider1->value() + 1);
}
void PageNavigator::mnuPreviousPage_Click() {
    Slider1->setValue(Slider1->value() - 1);
}
void PageNavigator::mnuNextPage_Click() {
    Slider1->setValue(Slider1->value() + 1);
}

void PageNavigator::cmdGoTo_Click() {
    const auto refuse = [this](const char* message) {
        refuseInput(frame_, {message, korvane::InputField::First}, txtGoTo);
    };
    const auto typed = numberIn(txtGoTo);
    if (!typed)
        return refuse("Please enter a valid page number!");
    const double whole = korvane::intPart(*typed);
    const double total = korvane::parseNumber(lblPageTotal->text().toStdString()).value_or(1);
    if (total < whole)
        return refuse("Please enter a valid page number!");
    if (whole < 1)
        return refuse("Please enter a page number greater than 1!");
    // "3.5" of 3 pages passes the checks but rounds to 4; the last page is the
    // nearest page that exists.
    const int page = static_cast<int>(std::min(korvane::nearestEven(*typed), total));
    const std::optional<QString> text = makePage(page);
    if (!text)
        return;
    {
        const QSignalBlocker quiet(Slider1); // the page is made already
        Slider1->setValue(page);
    }
    showMadePage(page, *text);
    lblPageNow->setText(txtGoTo->text());
}

void PageNavigator::txtGoTo_Change() {
    defaultButton_.set(cmdGoTo);
}
void PageNavigator::txtGoTo_GotFocus() {
    defaultButton_.set(cmdGoTo);
}
