// frmStatistics: captions and values over the charts, Copy Picture and Close;
// the figures are counted on a thread of their own and handed back here.
#include "stats/statistics_window.h"

#include "stats/gap_chart.h"
#include "stats/prime_chart.h"
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
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace korvane::stats;

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
    fitScreen();
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
    lblTriplets = value("lblTriplets");
    lblQuadruplets = value("lblQuadruplets");
    lblQuintuplets = value("lblQuintuplets");
    lblSextuplets = value("lblSextuplets");
    lblCommonGap = value("lblCommonGap");
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
    tabCharts = named(new QTabWidget(this), "tabCharts");
    tabCharts->setAccessibleName(QStringLiteral("Charts"));
    picChart = named(new PrimeChart(tabCharts), "picChart");
    picGaps = named(new GapChart(tabCharts), "picGaps");
    tabCharts->addTab(picChart, QStringLiteral("Primes in each interval"));
    tabCharts->addTab(picGaps, QStringLiteral("How often each gap occurs"));
    cmdCopyPicture = named(new QPushButton(QStringLiteral("Copy Picture"), this), "cmdCopyPicture");
    cmdCopyPicture->setToolTip(
        QStringLiteral("Copy the chart on view to the clipboard as a picture"));
    cmdClose = named(new QPushButton(QStringLiteral("Close"), this), "cmdClose");
    cmdClose->setToolTip(QStringLiteral("Return to Program"));
}

// Two columns of captions and values: the primes and their constellations on
// the left, the gaps, averages and li's prediction on the right.
void StatisticsWindow::createLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    const auto pair = [&](const char* caption, QLabel* value, int row, int column, int span = 1) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(value->objectName() + QStringLiteral("Caption"));
        grid->addWidget(label, row, column);
        grid->addWidget(value, row, column + 1, 1, span);
        values_.push_back(value);
    };
    pair("Range:", lblRange, 0, 0, 3);
    grid->addWidget(lblStoppedEarly, 1, 0, 1, 4);
    const std::pair<const char*, QLabel*> left[] = {{"Primes:", lblCount},
                                                    {"Twin prime pairs:", lblTwins},
                                                    {"Prime triplets:", lblTriplets},
                                                    {"Prime quadruplets:", lblQuadruplets},
                                                    {"Prime quintuplets:", lblQuintuplets},
                                                    {"Prime sextuplets:", lblSextuplets},
                                                    {"Most common gap:", lblCommonGap}};
    const std::pair<const char*, QLabel*> right[] = {{"Largest gap:", lblGap},
                                                     {"Prime before it:", lblGapStart},
                                                     {"Prime after it:", lblGapEnd},
                                                     {"Average gap:", lblAverageGap},
                                                     {"ln of the range's middle:", lblLogMiddle},
                                                     {"Count li predicts:", lblPredicted},
                                                     {"Deviation from li:", lblDeviation}};
    for (int row = 0; row < 7; ++row) {
        pair(left[row].first, left[row].second, row + 2, 0);
        pair(right[row].first, right[row].second, row + 2, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCopyPicture);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(tabCharts, 1);
    layout->addLayout(buttons);
}

// As large as the charts like, but never larger than the screen: on a small
// one the charts give up height first, down to their minimum.
void StatisticsWindow::fitScreen() {
    QSize room(800, 500);
    if (const QScreen* s = screen())
        room = s->availableGeometry().size();
    // The frame and title bar the desktop adds.
    room -= QSize(16, 40);
    resize(sizeHint().expandedTo(QSize(640, 540)).boundedTo(room).expandedTo(minimumSizeHint()));
}

void StatisticsWindow::setEngine(Engine engine) {
    engine_ = std::move(engine);
}

void StatisticsWindow::open(const CoveredRange& range) {
    showCounting(range);
    fitScreen();
    openOverMainWindow();
    defaultButton().set(cmdClose);
    cmdClose->setFocus();
    startCount(range);
}

void StatisticsWindow::showCounting(const CoveredRange& range) {
    lblRange->setText(qText(korvane::search::rangeText(range)));
    lblStoppedEarly->setVisible(range.stoppedEarly);
    for (QLabel* label : values_)
        if (label != lblRange)
            label->clear();
    lblCount->setText(QStringLiteral("Counting..."));
    picChart->clearFigures();
    picGaps->clearFigures();
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
    const std::pair<QLabel*, const std::string&> rows[] = {{lblRange, t.range},
                                                           {lblCount, t.count},
                                                           {lblTwins, t.twins},
                                                           {lblTriplets, t.triplets},
                                                           {lblQuadruplets, t.quadruplets},
                                                           {lblQuintuplets, t.quintuplets},
                                                           {lblSextuplets, t.sextuplets},
                                                           {lblCommonGap, t.commonGap},
                                                           {lblGap, t.gap},
                                                           {lblGapStart, t.gapStart},
                                                           {lblGapEnd, t.gapEnd},
                                                           {lblAverageGap, t.averageGap},
                                                           {lblLogMiddle, t.logMiddle},
                                                           {lblPredicted, t.predicted},
                                                           {lblDeviation, t.deviation}};
    for (const auto& [label, text] : rows)
        label->setText(qText(text));
    picChart->setFigures(s);
    picGaps->setFigures(s);
    cmdCopyPicture->setEnabled(true);
}

void StatisticsWindow::reportFailure(unsigned run, const std::exception_ptr& failure) {
    if (run != run_ || isHidden())
        return;
    showFailure(this, QStringLiteral("The statistics could not be computed: %1."), failure);
    cmdClose_Click();
}

void StatisticsWindow::cmdCopyPicture_Click() {
    QGuiApplication::clipboard()->setImage(
        static_cast<const ChartView*>(tabCharts->currentWidget())->picture());
}

// A count still running is called off; whatever it would hand back is dropped.
void StatisticsWindow::cmdClose_Click() {
    cancel_ = true;
    ++run_;
    returnToMainWindow();
}
