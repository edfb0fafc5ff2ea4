// frmStatistics: captions and values over the chart, Copy Picture and Close;
// the figures are counted on a thread of their own and handed back here.
#include "search/statistics_window.h"

#include "search/prime_chart.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/named.h"
#include "ui/qt_text.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace korvane::search;

StatisticsWindow::StatisticsWindow(QWidget* frmMain)
    : SecondaryWindow(frmMain, "frmStatistics", QStringLiteral("Prime Statistics")),
      engine_([](const CoveredRange& range, const StatisticsOptions& options) {
          return computeStatistics(range, options);
      }) {
    createControls();
    createLayout();
    defaultButton().set(cmdClose);
    leaveOnEscape();
    connect(cmdCopyPicture, &QPushButton::clicked, this, &StatisticsWindow::cmdCopyPicture_Click);
    connect(cmdClose, &QPushButton::clicked, this, &StatisticsWindow::cmdClose_Click);
    resize(sizeHint().expandedTo(QSize(640, 520)));
}

StatisticsWindow::~StatisticsWindow() {
    stopCount();
}

void StatisticsWindow::createControls() {
    // Plain labels, never focused: a screen reader reads each caption and its
    // value in turn.
    const auto value = [this](const char* name) { return named(new QLabel(this), name); };
    lblRange = value("lblRange");
    lblCount = value("lblCount");
    lblTwins = value("lblTwins");
    lblGap = value("lblGap");
    lblGapStart = value("lblGapStart");
    lblGapEnd = value("lblGapEnd");
    lblAverageGap = value("lblAverageGap");
    lblLogMiddle = value("lblLogMiddle");
    lblPredicted = value("lblPredicted");
    lblDeviation = value("lblDeviation");
    lblStoppedEarly = named(new QLabel(QStringLiteral("The result pages filled up before the "
                                                      "search reached To, so the range ends at "
                                                      "the last prime listed."),
                                       this),
                            "lblStoppedEarly");
    lblStoppedEarly->setWordWrap(true);
    picChart = named(new PrimeChart(this), "picChart");
    cmdCopyPicture = named(new QPushButton(QStringLiteral("Copy Picture"), this), "cmdCopyPicture");
    cmdCopyPicture->setToolTip(QStringLiteral("Copy the chart to the clipboard as a picture"));
    cmdClose = named(new QPushButton(QStringLiteral("Close"), this), "cmdClose");
    cmdClose->setToolTip(QStringLiteral("Return to Program"));
}

// Two columns of captions and values: the primes and their gaps on the left,
// the averages and li's prediction on the right.
void StatisticsWindow::createLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const auto pair = [&](const char* caption, QLabel* value, int row, int column) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(value->objectName() + QStringLiteral("Caption"));
        grid->addWidget(label, row, column);
        grid->addWidget(value, row, column + 1);
    };
    pair("Range:", lblRange, 0, 0);
    grid->addWidget(lblStoppedEarly, 1, 0, 1, 4);
    pair("Primes:", lblCount, 2, 0);
    pair("Twin prime pairs:", lblTwins, 3, 0);
    pair("Largest gap:", lblGap, 4, 0);
    pair("Prime before it:", lblGapStart, 5, 0);
    pair("Prime after it:", lblGapEnd, 6, 0);
    pair("Average gap:", lblAverageGap, 2, 2);
    pair("ln of the range's middle:", lblLogMiddle, 3, 2);
    pair("Count li predicts:", lblPredicted, 4, 2);
    pair("Deviation from li:", lblDeviation, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCopyPicture);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(picChart, 1);
    layout->addLayout(buttons);
}

void StatisticsWindow::setEngine(Engine engine) {
    engine_ = std::move(engine);
}

void StatisticsWindow::open(const CoveredRange& range) {
    showCounting(range);
    openOverMainWindow();
    defaultButton().set(cmdClose);
    cmdClose->setFocus();
    startCount(range);
}

void StatisticsWindow::showCounting(const CoveredRange& range) {
    lblRange->setText(qText(rangeText(range)));
    lblStoppedEarly->setVisible(range.stoppedEarly);
    for (QLabel* label : {lblTwins, lblGap, lblGapStart, lblGapEnd, lblAverageGap, lblLogMiddle,
                          lblPredicted, lblDeviation})
        label->clear();
    lblCount->setText(QStringLiteral("Counting..."));
    picChart->clearFigures();
    cmdCopyPicture->setEnabled(false);
}

void StatisticsWindow::startCount(const CoveredRange& range) {
    stopCount();
    cancel_ = false;
    const unsigned run = ++run_;
    StatisticsOptions options;
    options.cancel = &cancel_;
    try {
        worker_ = std::thread([this, run, range, options, engine = engine_] {
            try {
                if (const auto s = engine(range, options))
                    QMetaObject::invokeMethod(
                        this, [this, run, s = *s] { showFigures(run, s); }, Qt::QueuedConnection);
            } catch (...) {
                QMetaObject::invokeMethod(
                    this,
                    [this, run, failure = std::current_exception()] {
                        reportFailure(run, failure);
                    },
                    Qt::QueuedConnection);
            }
        });
    } catch (...) {
        reportFailure(run, std::current_exception()); // no thread to count on
    }
}

void StatisticsWindow::stopCount() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
}

void StatisticsWindow::showFigures(unsigned run, const RangeStatistics& s) {
    if (run != run_ || isHidden())
        return;
    const StatisticsText t = describe(s);
    const std::pair<QLabel*, const std::string&> rows[] = {
        {lblRange, t.range},           {lblCount, t.count},
        {lblTwins, t.twins},           {lblGap, t.gap},
        {lblGapStart, t.gapStart},     {lblGapEnd, t.gapEnd},
        {lblAverageGap, t.averageGap}, {lblLogMiddle, t.logMiddle},
        {lblPredicted, t.predicted},   {lblDeviation, t.deviation}};
    for (const auto& [label, text] : rows)
        label->setText(qText(text));
    picChart->setFigures(s);
    cmdCopyPicture->setEnabled(true);
}

void StatisticsWindow::reportFailure(unsigned run, const std::exception_ptr& failure) {
    if (run != run_ || isHidden())
        return;
    showFailure(this, QStringLiteral("The statistics could not be computed: %1."), failure);
    cmdClose_Click();
}

void StatisticsWindow::cmdCopyPicture_Click() {
    QGuiApplication::clipboard()->setImage(picChart->picture());
}

// A count still running is called off; whatever it would hand back is dropped.
void StatisticsWindow::cmdClose_Click() {
    cancel_ = true;
    ++run_;
    returnToMainWindow();
}
