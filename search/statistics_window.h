// frmStatistics: the figures of the range the last search covered, with a
// chart of how its primes spread, counted off the window's thread.
#pragma once

#include "search/range_statistics.h"
#include "ui/secondary_window.h"

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

class PrimeChart;
class QLabel;
class QPushButton;

class StatisticsWindow : public SecondaryWindow {
  public:
    // frmMain is disabled while this window is open and enabled again on the
    // way back.
    explicit StatisticsWindow(QWidget* frmMain);
    // Stops the count and waits for its thread.
    ~StatisticsWindow() override;

    // Opens over frmMain showing "Counting..." and starts counting `range`.
    void open(const korvane::search::CoveredRange& range);

    // The engine call, run on the counting thread; a test replaces it to make
    // it fail.
    using Engine = std::function<std::optional<korvane::search::RangeStatistics>(
        const korvane::search::CoveredRange&, const korvane::search::StatisticsOptions&)>;
    void setEngine(Engine engine);

    void cmdCopyPicture_Click();
    void cmdClose_Click();

    QPushButton* cmdCopyPicture = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblRange = nullptr;
    QLabel* lblStoppedEarly = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblTwins = nullptr;
    QLabel* lblGap = nullptr;
    QLabel* lblGapStart = nullptr;
    QLabel* lblGapEnd = nullptr;
    QLabel* lblAverageGap = nullptr;
    QLabel* lblLogMiddle = nullptr;
    QLabel* lblPredicted = nullptr;
    QLabel* lblDeviation = nullptr;
    PrimeChart* picChart = nullptr;

  protected:
    void wayBack() override { cmdClose_Click(); }

  private:
    void createControls();
    void createLayout();
    void showCounting(const korvane::search::CoveredRange& range);
    void startCount(const korvane::search::CoveredRange& range);
    void stopCount();
    // Handed back from the counting thread; `run` tells a stale count's
    // result, which is dropped, from the one the window waits for.
    void showFigures(unsigned run, const korvane::search::RangeStatistics& s);
    void reportFailure(unsigned run, const std::exception_ptr& failure);

    Engine engine_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    unsigned run_ = 0;
};
