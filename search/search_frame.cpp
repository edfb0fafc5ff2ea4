// The "Primes Search" tab: its controls and layout, the search itself, and the
// Clear and Reset commands. Paging through the results is PageNavigator's.
#include "search/search_frame.h"

#include "common/number_text.h"
#include "search/page_navigator.h"
#include "ui/box_width.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/paste_guard.h"
#include "ui/qt_text.h"
#include "ui/status_label.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace korvane;
using namespace korvane::search;

namespace {

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

} // namespace

SearchFrame::SearchFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton),
      searchEngine_([](const SearchRange& range, PageStore& store, const ProgressFn& progress) {
          return runSearch(range, store, progress);
      }) {
    createControls();
    createLayout();
}

// Created in tab order: the bounds, then the commands, then the page view,
// then Save and Copy.
void SearchFrame::createControls() {
    createSearchControls();
    createNavigator();
    cmdSave = button(this, "cmdSave", QStringLiteral("&Save"),
                     QStringLiteral("Save result pages to a file"));
    cmdCopy = button(this, "cmdCopy", QStringLiteral("C&opy"),
                     QStringLiteral("Copy result pages to the clipboard"));

    for (QLineEdit* box : {txtFrom, txtTo})
        box->installEventFilter(this);
    connect(cmdCalculate, &QPushButton::clicked, this, &SearchFrame::cmdCalculate_Click);
    connect(cmdClear, &QPushButton::clicked, this, &SearchFrame::cmdClear_Click);
    connect(cmdReset, &QPushButton::clicked, this, &SearchFrame::cmdReset_Click);
}

void SearchFrame::createSearchControls() {
    txtFrom = named(new QLineEdit(QStringLiteral("0"), this), "txtFrom");
    txtTo = named(new QLineEdit(QStringLiteral("10000"), this), "txtTo");
    for (QLineEdit* bound : {txtFrom, txtTo}) {
        bound->setMaxLength(20); // up to "10000000000000000000"
        guardPastes(bound);
    }
    cmdCalculate =
        button(this, "cmdCalculate", QStringLiteral("SEARCH"), QStringLiteral("Get your results"));
    cmdClear = button(this, "cmdClear", QStringLiteral("&Clear"), QStringLiteral("Clear screen"));
    // The calculator and factor tabs have a "Clear" of their own.
    cmdClear->setAccessibleName(QStringLiteral("Clear results"));
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
}

void SearchFrame::createNavigator() {
    navigator_ = new PageNavigator(this, defaultButton_, pages_);
}

QWidget* SearchFrame::boundsBox() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    // "F" opens the File menu, "R" is Reset's.
    grid->addWidget(captionFor(QStringLiteral("Fro&m:"), txtFrom), 0, 0);
    grid->addWidget(txtFrom, 0, 1);
    grid->addWidget(captionFor(QStringLiteral("&To:"), txtTo), 1, 0);
    grid->addWidget(txtTo, 1, 1);
    // Twenty digits, the most either box takes, show without scrolling.
    const int width = widthShowing(txtFrom, QStringLiteral("99999999999999999999"));
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
    layout->addWidget(navigator_->viewingBox(row));
    layout->addWidget(navigator_->goToBox(row));
    layout->addStretch(1);
    layout->addWidget(cmdSave, 0, Qt::AlignBottom);
    layout->addWidget(cmdCopy, 0, Qt::AlignBottom);
    return row;
}

void SearchFrame::createLayout() {
    auto* top = new QHBoxLayout;
    top->addWidget(boundsBox());
    top->addWidget(commandsBox());
    top->addWidget(resultsBox(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(lblSearch);
    layout->addWidget(navigator_->txtPrimes, 1);
    layout->addLayout(navigator_->sliderRow());
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

void SearchFrame::setStatisticsItem(QAction* statistics) {
    mnuStatistics_ = statistics;
    mnuStatistics_->setEnabled(covered_.has_value());
}

void SearchFrame::setCoveredRange(std::optional<CoveredRange> covered) {
    covered_ = covered;
    if (mnuStatistics_)
        mnuStatistics_->setEnabled(covered_.has_value());
}

void SearchFrame::setMenuItemsEnabled(bool enabled) {
    for (QAction* item : {mnuSave_, mnuCopy_, mnuClear_})
        if (item)
            item->setEnabled(enabled);
}

bool SearchFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtFrom)
            txtFrom_GotFocus();
        else if (watched == txtTo)
            txtTo_GotFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void SearchFrame::txtFrom_GotFocus() {
    defaultButton_.set(cmdCalculate);
}
void SearchFrame::txtTo_GotFocus() {
    defaultButton_.set(cmdCalculate);
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
    setCoveredRange(outcome.covered());
    showResults(outcome);
}

void SearchFrame::showResults(const SearchOutcome& outcome) {
    lblTime->setText(qText(elapsedCaption(clock_.seconds())));
    lblTime->repaint();
    lblPrimes->setText(qText(leadingBlankForm(outcome.primeCount)));
    cmdSave->setEnabled(true);
    lblSearch->setText(QStringLiteral("Search Completed..."));
    lblPercent->setText(outcome.stoppedEarly() ? qText(hashFormat(outcome.percentDone))
                                               : QStringLiteral("100"));
    setStatusColour(lblSearch, StatusColour::Idle);
    Buttons();
    cmdClear->setFocus();
    setMenuItemsEnabled(true);
    // Last, so that a page which cannot be shown is reported over a finished
    // search, which stands.
    navigator_->showLastPage(static_cast<int>(outcome.pageCount));
    // Primes of 11 or more digits never close a page, so the text can run out
    // of room before the page slots do.
    if (outcome.stoppedEarly()) {
        const QString full =
            outcome.storeFull
                ? QStringLiteral("All %1 result pages are full").arg(PageStore::maxPages)
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

// --- Clear and Reset ------------------------------------------------------

// The store holds exactly the pages of the last search, and the callers pass
// their count, so emptying pages 1..count leaves the one empty page 1.
void SearchFrame::ClearArray(int count) {
    if (count >= 1)
        pages_.clear();
}

// Save, Copy and Clear have nothing to act on afterwards, in the menu as on
// the buttons.
void SearchFrame::cmdClear_Click() {
    cmdSave->setEnabled(false);
    setMenuItemsEnabled(false);
    setCoveredRange(std::nullopt);
    lblPercent->setText(QStringLiteral("0"));
    ClearArray(navigator_->pageCount());
    navigator_->showNoPages();
    lblSearch->setText(QStringLiteral("Ready to begin search"));
    lblTime->setText(QStringLiteral(" 0 sec."));
    lblPrimes->setText(QStringLiteral("0"));
    cmdCalculate->setEnabled(true);
    cmdCopy->setEnabled(false);
    // From the menu while another tab is shown, SEARCH must not take Enter
    // from that tab's own default button.
    if (!isHidden())
        defaultButton_.set(cmdCalculate);
    cmdClear->setEnabled(false);
}

void SearchFrame::cmdReset_Click() {
    navigator_->resetGoTo();
    lblPercent->setText(QStringLiteral("0"));
    ClearArray(navigator_->pageCount());
    navigator_->showNoPages();
    lblTime->setText(QStringLiteral(" 0 sec."));
    cmdClear_Click();
    txtFrom->setText(QStringLiteral("0"));
    txtTo->setText(QStringLiteral("1000"));
    lblPrimes->setEnabled(true);
    cmdCopy->setEnabled(false);
    setMenuItemsEnabled(false);
}
