// frmStatistics: the figures of the range the last search covered, with
// charts of how its primes spread and how often each gap occurs, counted off
// the window's thread.
#pragma once

#include "stats/statistics_text.h"
#include "ui/secondary_window.h"

#include <atomic>
#include <exception>
#include <functional>
#include <thread>
#include <vector>

class ChartView;
class GapChart;
class PrimeChart;
class QLabel;
class QPushButton;
class QTabWidget;

class StatisticsWindow : public SecondaryWindow {
  public:
    // frmMain is disabled while this window is open and enabled again on the
    // way back.
    explicit StatisticsWindow(QWidget* frmMain);
    // Stops the count and waits for its thread.
    ~StatisticsWindow() override;

    // Opens over frmMain showing "Counting..." and starts counting `range`.
    void open(const korvane::stats::CoveredRange& range);

    // The engine call, run on the counting thread; a test replaces it to make
    // it fail.
    using Engine = std::function<std::optional<korvane::stats::RangeStatistics>(
        const korvane::stats::CoveredRange&, const korvane::stats::StatisticsOptions&)>;
    void setEngine(Engine engine);

    void cmdCopyPicture_Click();
    void cmdClose_Click();

    QPushButton* cmdCopyPicture = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblRange = nullptr;
    QLabel* lblStoppedEarly = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblTwins = nullptr;
    QLabel* lblTriplets = nullptr;
    QLabel* lblQuadruplets = nullptr;
    QLabel* lblQuintuplets = nullptr;
    QLabel* lblSextuplets = nullptr;
    QLabel* lblCommonGap = nullptr;
    QLabel* lblGap = nullptr;
    QLabel* lblGapStart = nullptr;
    QLabel* lblGapEnd = nullptr;
    QLabel* lblAverageGap = nullptr;
    QLabel* lblLogMiddle = nullptr;
    QLabel* lblPredicted = nullptr;
    QLabel* lblDeviation = nullptr;
    // The two charts share the window as tabs; Copy Picture copies the one on view.
    QTabWidget* tabCharts = nullptr;
    PrimeChart* picChart = nullptr;
    GapChart* picGaps = nullptr;

  protected:
    void wayBack() override { cmdClose_Click(); }

  private:
    void createControls();
    void createLayout();
    void fitScreen();
    void showCounting(const korvane::stats::CoveredRange& range);
    void startCount(const korvane::stats::CoveredRange& range);
    void stopCount();
    // Handed back from the counting thread; `run` tells a stale count's
    // result, which is dropped, from the one the window waits for.
    void showFigures(unsigned run, const korvane::stats::RangeStatistics& s);
    void reportFailure(unsigned run, const std::exception_ptr& failure);

    // Every value label, in the order of the figures' text.
    std::vector<QLabel*> values_;
    Engine engine_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    unsigned run_ = 0;
};
