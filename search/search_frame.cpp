// The "Primes Search" tab: its controls and layout, the search itself, page
// navigation, and the Clear and Reset commands.
#include "search/search_frame.h"

#include "common/number_text.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/status_label.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace korvane;
using namespace korvane::search;

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

QString wholeText(long long n) {
    return qText(decimalDigits(static_cast<std::uint64_t>(n)));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& toolTip) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setToolTip(toolTip);
    return b;
}

// A caption label whose mnemonic moves the focus to `buddy`.
QLabel* captionFor(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// Read-outs sit on the dark status background, sized for their widest text.
QLabel* readout(QWidget* parent, const char* name, const QString& text, const char* widest) {
    auto* label = named(new QLabel(text, parent), name);
    makeStatusLabel(label);
    setStatusColour(label, StatusColour::Idle);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) +
                           2 * label->margin() + 4);
    return label;
}

int pageNumber(std::size_t n) {
    return static_cast<int>(n);
}

} // namespace

SearchFrame::SearchFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton),
      searchEngine_([](const SearchRange& range, PageStore& store, const ProgressFn& progress) {
          return runSearch(range, store, progress);
      }) {
    createControls();
    createLayout();
}

void SearchFrame::createControls() {
    // Created in tab order: the bounds, then the commands, then the page view.
    txtFrom = named(new QLineEdit(QStringLiteral("0"), this), "txtFrom");
    txtTo = named(new QLineEdit(QStringLiteral("10000"), this), "txtTo");
    for (QLineEdit* bound : {txtFrom, txtTo})
        bound->setMaxLength(20); // up to "10000000000000000000"
    cmdCalculate =
        button(this, "cmdCalculate", QStringLiteral("SEARCH"), QStringLiteral("Get your results"));
    cmdClear = button(this, "cmdClear", QStringLiteral("&Clear"), QStringLiteral("Clear screen"));
    cmdReset =
        button(this, "cmdReset", QStringLiteral("&Reset"), QStringLiteral("Reset to default"));

    lblSearch = named(new QLabel(QStringLiteral("Ready to begin search"), this), "lblSearch");
    makeStatusLabel(lblSearch);
    setStatusColour(lblSearch, StatusColour::Idle);
    lblSearch->setAlignment(Qt::AlignCenter);
    QFont statusFont = lblSearch->font();
    statusFont.setBold(true);
    lblSearch->setFont(statusFont);
    lblTime = readout(this, "lblTime", QStringLiteral(" 0 sec."), " 00000 sec.");
    lblPrimes = readout(this, "lblPrimes", QStringLiteral("0"), " 1.0000E+08");
    lblPercent = readout(this, "lblPercent", QStringLiteral("0"), "1000");

    txtPrimes = named(new QPlainTextEdit(this), "txtPrimes");
    txtPrimes->setReadOnly(true);
    txtPrimes->setUndoRedoEnabled(false);
    txtPrimes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtPrimes->setWordWrapMode(QTextOption::WordWrap);

    cmdBack = button(this, "cmdBack", QStringLiteral("<"), QStringLiteral("Hold to page back"));
    Slider1 = named(new QSlider(Qt::Horizontal, this), "Slider1");
    Slider1->setRange(0, 1);
    Slider1->setValue(1);
    cmdForward =
        button(this, "cmdForward", QStringLiteral(">"), QStringLiteral("Hold to page forward"));
    PreviousPage =
        button(this, "PreviousPage", QStringLiteral("<"), QStringLiteral("Hold to page back"));
    lblPageNow = named(new QLabel(QStringLiteral("1"), this), "lblPageNow");
    lblPageTotal = named(new QLabel(QStringLiteral("1"), this), "lblPageTotal");
    NextPage =
        button(this, "NextPage", QStringLiteral(">"), QStringLiteral("Hold to page forward"));
    txtGoTo = named(new QLineEdit(QStringLiteral("1"), this), "txtGoTo");
    txtGoTo->setMaxLength(6); // every page up to 500000
    cmdGoTo = button(this, "cmdGoTo", QStringLiteral("Go To"),
                     QStringLiteral("Show the page typed in the box"));
    cmdSave = button(this, "cmdSave", QStringLiteral("&Save"),
                     QStringLiteral("Save result pages to a file"));
    cmdCopy = button(this, "cmdCopy", QStringLiteral("C&opy"),
                     QStringLiteral("Copy result pages to the clipboard"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer2 = named(new QTimer(this), "Timer2");
    for (QTimer* timer : {Timer1, Timer2})
        timer->setInterval(50);
    for (QPushButton* arrow : {cmdBack, cmdForward, PreviousPage, NextPage}) {
        arrow->setAutoRepeat(false);
        arrow->installEventFilter(this);
    }
    for (QLineEdit* box : {txtFrom, txtTo, txtGoTo})
        box->installEventFilter(this);

    connect(cmdCalculate, &QPushButton::clicked, this, &SearchFrame::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &SearchFrame::cmdClear_Click);
    connect(cmdReset, &QPushButton::clicked, this, &SearchFrame::cmdReset_Click);
    connect(cmdGoTo, &QPushButton::clicked, this, &SearchFrame::cmdGoTo_Click);
    connect(txtGoTo, &QLineEdit::textChanged, this, &SearchFrame::txtGoTo_Change);
    // valueChanged comes for dragging, keys and values set by code alike.
    connect(Slider1, &QSlider::valueChanged, this, &SearchFrame::Slider1_Change);
    connect(Timer1, &QTimer::timeout, this, &SearchFrame::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &SearchFrame::Timer2_Timer);
}

QWidget* SearchFrame::boundsBox() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(captionFor(QStringLiteral("&From:"), txtFrom), 0, 0);
    grid->addWidget(txtFrom, 0, 1);
    grid->addWidget(captionFor(QStringLiteral("&To:"), txtTo), 1, 0);
    grid->addWidget(txtTo, 1, 1);
    const int width = txtFrom->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 12;
    txtFrom->setMinimumWidth(width);
    txtTo->setMinimumWidth(width);
    return box;
}

QWidget* SearchFrame::commandsBox() {
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    cmdCalculate->setMinimumHeight(cmdCalculate->sizeHint().height() * 3 / 2);
    column->addWidget(cmdCalculate);
    auto* row = new QHBoxLayout;
    row->addWidget(cmdClear);
    row->addWidget(cmdReset);
    column->addLayout(row);
    return box;
}

QWidget* SearchFrame::resultsBox() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    const std::pair<const char*, QLabel*> rows[] = {
        {"Time Taken:", lblTime}, {"Primes found:", lblPrimes}, {"Percent Done:", lblPercent}};
    int r = 0;
    for (const auto& [caption, value] : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), box), r, 0);
        grid->addWidget(value, r++, 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SearchFrame::pageBox() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* viewing = named(new QGroupBox(QStringLiteral("Viewing page..."), row), "fraViewing");
    auto* viewingRow = new QHBoxLayout(viewing);
    viewingRow->addWidget(PreviousPage);
    viewingRow->addWidget(lblPageNow);
    viewingRow->addWidget(new QLabel(QStringLiteral("of"), viewing));
    viewingRow->addWidget(lblPageTotal);
    viewingRow->addWidget(NextPage);
    const int pageWidth = lblPageNow->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    for (QLabel* label : {lblPageNow, lblPageTotal}) {
        label->setMinimumWidth(pageWidth);
        label->setAlignment(Qt::AlignCenter);
    }

    auto* goTo = named(new QGroupBox(QStringLiteral("Go to page:"), row), "fraGoTo");
    auto* goToRow = new QHBoxLayout(goTo);
    txtGoTo->setMaximumWidth(txtGoTo->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                             12);
    goToRow->addWidget(txtGoTo);
    goToRow->addWidget(cmdGoTo);

    layout->addWidget(viewing);
    layout->addWidget(goTo);
    layout->addStretch(1);
    layout->addWidget(cmdSave, 0, Qt::AlignBottom);
    layout->addWidget(cmdCopy, 0, Qt::AlignBottom);
    return row;
}

void SearchFrame::createLayout() {
    for (QPushButton* arrow : {cmdBack, cmdForward, PreviousPage, NextPage})
        arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<<<")) + 8);

    auto* top = new QHBoxLayout;
    top->addWidget(boundsBox());
    top->addWidget(commandsBox());
    top->addWidget(resultsBox(), 1);

    auto* slider = new QHBoxLayout;
    slider->addWidget(cmdBack);
    slider->addWidget(Slider1, 1);
    slider->addWidget(cmdForward);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(lblSearch);
    layout->addWidget(txtPrimes, 1);
    layout->addLayout(slider);
    layout->addWidget(pageBox());
}

void SearchFrame::setSearchEngine(SearchEngine engine) {
    searchEngine_ = std::move(engine);
}

void SearchFrame::setMenuItems(QAction* save, QAction* copy, QAction* clear) {
    mnuSave_ = save;
    mnuCopy_ = copy;
    mnuClear_ = clear;
}

void SearchFrame::setMenuItemsEnabled(bool enabled) {
    for (QAction* item : {mnuSave_, mnuCopy_, mnuClear_})
        if (item)
            item->setEnabled(enabled);
}

bool SearchFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == txtFrom)
            txtFrom_GotFocus();
        else if (watched == txtTo)
            txtTo_GotFocus();
        else if (watched == txtGoTo)
            txtGoTo_GotFocus();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: { // the second press of a double click
        const Qt::MouseButton pressed = static_cast<QMouseEvent*>(event)->button();
        if (watched == cmdBack)
            cmdBack_MouseDown(pressed);
        else if (watched == PreviousPage)
            PreviousPage_MouseDown(pressed);
        else if (watched == cmdForward)
            cmdForward_MouseDown(pressed);
        else if (watched == NextPage)
            NextPage_MouseDown(pressed);
        break;
    }
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton released = static_cast<QMouseEvent*>(event)->button();
        if (watched == cmdBack)
            cmdBack_MouseUp(released);
        else if (watched == PreviousPage)
            PreviousPage_MouseUp(released);
        else if (watched == cmdForward)
            cmdForward_MouseUp(released);
        else if (watched == NextPage)
            NextPage_MouseUp(released);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// --- SEARCH ---------------------------------------------------------------

void SearchFrame::cmdCalculate_Click() {
    Prime3();
}

void SearchFrame::Prime3() {
    const auto checked = validateBounds(txtFrom->text().toStdString(), txtTo->text().toStdString());
    if (const auto* error = std::get_if<InputError>(&checked))
        return refuseInput(this, *error, txtFrom, txtTo);
    clock_.start();
    cmdCalculate->setEnabled(false);
    setStatusColour(lblSearch, StatusColour::Working);
    lblSearch->setText(QStringLiteral("Searching... please wait!"));
    lblSearch->repaint();

    SearchOutcome outcome;
    const auto search = [&] {
        outcome = searchEngine_(std::get<SearchRange>(checked), pages_,
                                [this](double percent) { showProgress(percent); });
    };
    if (!completes(this, QStringLiteral("search"), search))
        return abandonSearch();

    clock_.stop();
    lblTime->setText(qText(elapsedCaption(clock_.seconds())));
    lblTime->repaint();
    const int last = pageNumber(outcome.pageCount);
    Slider1->setMaximum(last);
    Slider1->setValue(last); // shows the last page through the slider's handler
    lblPageNow->setText(wholeText(last));
    lblPageTotal->setText(wholeText(last));
    lblPrimes->setText(qText(leadingBlankForm(outcome.primeCount)));
    showPage(last);
    cmdSave->setEnabled(true);
    lblSearch->setText(QStringLiteral("Search Completed..."));
    const bool stoppedEarly = outcome.storeFull || outcome.textFull;
    lblPercent->setText(stoppedEarly ? qText(hashFormat(outcome.percentDone))
                                     : QStringLiteral("100"));
    setStatusColour(lblSearch, StatusColour::Idle);
    Buttons();
    cmdClear->setFocus();
    setMenuItemsEnabled(true);
    // Primes of 11 or more digits never close a page, so the text can run out
    // of room before the page slots do.
    if (stoppedEarly) {
        const QString full = outcome.storeFull ? QStringLiteral("All 500000 result pages are full")
                                               : QStringLiteral("The result pages are full");
        showMessage(this, full + QStringLiteral(": the search stopped after %1.")
                                     .arg(qText(decimalDigits(outcome.lastPrime))));
    }
}

// The engine reports often; only a new caption is worth a repaint, so a long
// search repaints about a hundred times.
void SearchFrame::showProgress(double percent) {
    const QString caption = qText(hashFormat(percent));
    if (caption == lblPercent->text())
        return;
    lblPercent->setText(caption);
    lblPercent->repaint();
}

// A search the engine could not finish leaves the tab as Clear does, ready
// for the next one.
void SearchFrame::abandonSearch() {
    clock_.stop();
    cmdClear_Click();
    setStatusColour(lblSearch, StatusColour::Idle);
}

void SearchFrame::Buttons() {
    cmdCopy->setEnabled(true);
    cmdClear->setEnabled(true);
    cmdCalculate->setEnabled(false);
    cmdReset->setEnabled(true);
    cmdSave->setEnabled(true);
}

// --- Pages ----------------------------------------------------------------

// Only the page on view ever becomes a QString.
void SearchFrame::showPage(double k) {
    const std::string page = pages_.page(k < 1 ? 0 : static_cast<std::size_t>(k));
    txtPrimes->setPlainText(QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
}

void SearchFrame::Slider1_Change() {
    if (Slider1->value() == 0) {
        Slider1->setValue(1); // page 0 is never shown; this runs the handler again
        return;
    }
    lblPageTotal->setText(wholeText(Slider1->maximum()));
    lblPageNow->setText(wholeText(Slider1->value()));
    showPage(Slider1->value());
}

// The slider keeps its value within 0..maximum, so a step past either end
// leaves the first or last page on view.
void SearchFrame::Timer1_Timer() {
    Slider1->setValue(Slider1->value() - 1);
}
void SearchFrame::Timer2_Timer() {
    Slider1->setValue(Slider1->value() + 1);
}
void SearchFrame::mnuPreviousPage_Click() {
    Slider1->setValue(Slider1->value() - 1);
}
void SearchFrame::mnuNextPage_Click() {
    Slider1->setValue(Slider1->value() + 1);
}

void SearchFrame::cmdBack_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer1->start();
}
void SearchFrame::cmdBack_MouseUp(Qt::MouseButton) {
    Timer1->stop();
}

void SearchFrame::PreviousPage_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer1->start();
}
void SearchFrame::PreviousPage_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer1->stop();
}

void SearchFrame::cmdForward_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer2->start();
}
void SearchFrame::cmdForward_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer2->stop();
}

void SearchFrame::NextPage_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer2->start();
}
void SearchFrame::NextPage_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        Timer2->stop();
}

void SearchFrame::cmdGoTo_Click() {
    const auto refuse = [this](const QString& message) {
        showMessage(this, message);
        txtGoTo->setFocus();
    };
    const auto typed = parseNumber(txtGoTo->text().toStdString());
    if (!typed)
        return refuse(QStringLiteral("Please enter a valid page number!"));
    const double whole = intPart(*typed);
    const double total = parseNumber(lblPageTotal->text().toStdString()).value_or(1);
    if (total < whole)
        return refuse(QStringLiteral("Please enter a valid page number!"));
    if (whole < 1)
        return refuse(QStringLiteral("Please enter a page number greater than 1!"));
    // "3.5" of 3 pages passes the checks but rounds to 4; the last page is the
    // nearest page that exists.
    const double page = std::min(nearestEven(*typed), total);
    showPage(page);
    Slider1->setValue(static_cast<int>(page));
    lblPageNow->setText(txtGoTo->text());
}

void SearchFrame::txtGoTo_Change() {
    defaultButton_.set(cmdGoTo);
}
void SearchFrame::txtGoTo_GotFocus() {
    defaultButton_.set(cmdGoTo);
}
void SearchFrame::txtFrom_GotFocus() {
    defaultButton_.set(cmdCalculate);
}
void SearchFrame::txtTo_GotFocus() {
    defaultButton_.set(cmdCalculate);
}

// --- Clear and Reset ------------------------------------------------------

// The store holds exactly the pages of the last search, and the callers pass
// their count, so emptying pages 1..count leaves the one empty page 1.
void SearchFrame::ClearArray(int count) {
    if (count >= 1)
        pages_.clear();
}

void SearchFrame::cmdClear_Click() {
    cmdSave->setEnabled(false);
    lblPercent->setText(QStringLiteral("0"));
    ClearArray(Slider1->maximum());
    Slider1->setMaximum(1);
    Slider1->setValue(1);
    lblPageNow->setText(QStringLiteral("1"));
    lblPageTotal->setText(QStringLiteral("1"));
    lblSearch->setText(QStringLiteral("Ready to begin search"));
    lblTime->setText(QStringLiteral(" 0 sec."));
    lblPrimes->setText(QStringLiteral("0"));
    cmdCalculate->setEnabled(true);
    txtPrimes->setPlainText(QString());
    cmdCopy->setEnabled(false);
    // From the menu while another tab is shown, SEARCH must not take Enter
    // from that tab's own default button.
    if (!isHidden())
        defaultButton_.set(cmdCalculate);
    cmdClear->setEnabled(false);
}

void SearchFrame::cmdReset_Click() {
    txtGoTo->setText(QStringLiteral("1"));
    lblPercent->setText(QStringLiteral("0"));
    ClearArray(Slider1->maximum());
    Slider1->setMaximum(1);
    Slider1->setValue(1);
    lblPageNow->setText(QStringLiteral("1"));
    lblPageTotal->setText(QStringLiteral("1"));
    lblTime->setText(QStringLiteral(" 0 sec."));
    cmdClear_Click();
    txtFrom->setText(QStringLiteral("0"));
    txtTo->setText(QStringLiteral("1000"));
    lblPrimes->setEnabled(true);
    cmdCopy->setEnabled(false);
    setMenuItemsEnabled(false);
}
