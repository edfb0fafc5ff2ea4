// The "Primes Search" tab: bound boxes, SEARCH/Clear/Reset, the result labels,
// Save and Copy, and the page view, whose navigation is a class of its own.
#pragma once

#include "common/elapsed_time.h"
#include "search/range_search.h"

#include <QWidget>

#include <functional>
#include <optional>

class DefaultButton;
class PageNavigator;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

class SearchFrame : public QWidget {
  public:
    explicit SearchFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    // The result pages of the last search (one empty page after Clear and Reset).
    const korvane::search::PageStore& pages() const { return pages_; }
    // The page view's slider, arrows and Go To; the window's "&Next Page" and
    // "&Previous Page" act on it.
    PageNavigator& navigator() { return *navigator_; }

    // The window's "&Save", "&Copy" and "&Clear" menu items, whose enabled
    // state follows the search.
    void setMenuItems(QAction* save, QAction* copy, QAction* clear);
    // The window's "S&tatistics..." item, on only while the tab holds the
    // result of a completed search.
    void setStatisticsItem(QAction* statistics);
    // The range that completed search covered; nothing after Clear and Reset.
    const std::optional<korvane::search::CoveredRange>& coveredRange() const { return covered_; }

    // The engine call behind SEARCH; a test replaces it to make it fail.
    using SearchEngine = std::function<korvane::search::SearchOutcome(
        const korvane::search::SearchRange&, korvane::search::PageStore&,
        const korvane::search::ProgressFn&)>;
    void setSearchEngine(SearchEngine engine);

    // Commands of the tab, also run by the window's menus and at start-up.
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdReset_Click();

    // Controls, each named as its objectName.
    QLineEdit* txtFrom = nullptr;
    QLineEdit* txtTo = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCopy = nullptr;
    QLabel* lblSearch = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblPrimes = nullptr;
    QLabel* lblPercent = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createSearchControls();
    void createNavigator();
    void createLayout();
    QWidget* boundsBox();
    QWidget* commandsBox();
    QWidget* resultsBox();
    QWidget* pageBox();

    void Prime3();
    void showResults(const korvane::search::SearchOutcome& outcome);
    void Buttons();
    void abandonSearch();
    void showProgress(double percent);
    void ClearArray(int count);
    void setMenuItemsEnabled(bool enabled);
    void setCoveredRange(std::optional<korvane::search::CoveredRange> covered);

    // Enter searches from a bound box.
    void txtFrom_GotFocus();
    void txtTo_GotFocus();

    DefaultButton& defaultButton_;
    korvane::search::PageStore pages_;
    SearchEngine searchEngine_;
    korvane::ElapsedClock clock_;
    PageNavigator* navigator_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QAction* mnuClear_ = nullptr;
    QAction* mnuStatistics_ = nullptr;
    std::optional<korvane::search::CoveredRange> covered_;
};
