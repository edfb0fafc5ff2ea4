// The "Primes Search" tab: SEARCH, its refusals and failures, Clear and Reset,
// and what Enter presses.
#include "tests/app/window_fixture.h"

#include <algorithm>
#include <stdexcept>

namespace {

using SearchTabTest = WindowTest;

// A bound of twenty digits fits its box, typed key by key.
TEST_F(SearchTabTest, aTwentyDigitBoundTypedInFullIsSearched) {
    search("9999999999999990000", "10000000000000000000");
    EXPECT_EQ(text("txtTo"), "10000000000000000000");
    EXPECT_EQ(text("lblPrimes"), " 237");
}

TEST_F(SearchTabTest, refusedBoundsShowTheirMessageMoveTheFocusAndChangeNothing) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"abc", "x", "Enter a valid number in the From box", "txtFrom"},
        {"0", "4", "Enter a number greater than 4 in the To box", "txtTo"},
        {"5", "5", "Number in the From box should be less then number in the To box!",
         "cmdCalculate"}};
    for (const auto& [from, to, message, focusName] : rows) {
        SCOPED_TRACE(std::string(from) + " to " + to);
        const SeenMessage seen = catchMessage([&] { search(from, to); });
        EXPECT_EQ(seen.text, message);
        EXPECT_TRUE(focusIs(focusName)) << "focus on " << focus();
        expectNoResults();
    }
}

// The engine throws as a library would, after filling part of the store or
// on the second thread of a split search; the tab is left as after Clear, and
// the next search runs.
TEST_F(SearchTabTest, aSearchTheEngineCannotFinishIsReportedAndClearsTheTab) {
    using namespace korvane::search;
    const std::tuple<const char*, SearchFrame::SearchEngine, const char*> rows[] = {
        {"after filling pages",
         [](const auto& range, auto& store, const auto& progress) -> SearchOutcome {
             runSearch(range, store, progress);
             throw std::runtime_error("the sieve failed.");
         },
         "The search could not be completed: the sieve failed."},
        {"on the helper thread",
         [](const auto& range, auto& store, const auto& progress) {
             return runSearch(range, store, progress, {500000, 0, 1000000},
                              [](std::uint64_t) { throw std::bad_alloc(); });
         },
         "The search could not be completed: not enough memory."},
    };
    for (const auto& [name, engine, message] : rows) {
        SCOPED_TRACE(name);
        s()->setSearchEngine(engine);
        EXPECT_EQ(catchMessage([&] { search("0", "1000"); }).text, message);
        expectNoResults();
    }
    s()->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        return runSearch(range, store, progress);
    });
    search("0", "10");
    EXPECT_EQ(page(), "2 3 5 7");
}

// Logs the percentage at each of its repaints while a search runs, the status
// line of the last one, and whether it stayed red.
struct PaintLog : QObject {
    explicit PaintLog(const Controls& tab) : tab(tab) {
        tab.get("lblPercent")->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && tab.text("lblSearch") != "Search Completed...") {
            percents << tab.text("lblPercent").toInt();
            status = tab.text("lblSearch");
            redWhileSearching &= tab.red("lblSearch");
        }
        return false;
    }
    Controls tab;
    QList<int> percents;
    QString status;
    bool redWhileSearching = true;
};

TEST_F(SearchTabTest, progressRepaintsOnlyWhenThePercentageChanges) {
    PaintLog log(*this);
    // About 9200 pages: hundreds of reports from the engine, but one repaint per
    // new percentage at most. The two threads may skip some percentages.
    search("0", "20000000");
    EXPECT_GE(log.percents.size(), 10);
    EXPECT_LE(log.percents.size(), 101);
    EXPECT_TRUE(std::is_sorted(log.percents.begin(), log.percents.end()));
    EXPECT_EQ(log.status, "Searching... please wait!");
    EXPECT_TRUE(log.redWhileSearching) << "the status line is red while searching";
    EXPECT_EQ(text("lblPrimes"), " 1270607"); // exact, not a 7-digit float
}

TEST_F(SearchTabTest, aSearchThatOutgrowsItsLastPageEndsWithAMessage) {
    const SeenMessage seen = catchMessage([&] { search("1e10", "2e10"); });
    EXPECT_EQ(seen.text, "The result pages are full: the search stopped after 10001920723.");
    EXPECT_EQ(text("lblPrimes"), " 83333");
    EXPECT_EQ(text("lblPercent"), "") << "0.02 percent done rounds to nothing";
    EXPECT_TRUE(page().endsWith(" 10001920723"));
}

TEST_F(SearchTabTest, aSearchThatFillsEveryPageEndsWithAMessageAndItsPercentage) {
    const SeenMessage seen = catchMessage([&] { search("0", "1e10"); });
    EXPECT_EQ(seen.text, "All 500000 result pages are full: the search stopped after 1196077591.");
    EXPECT_EQ(text("lblPageTotal"), "500000");
    EXPECT_EQ(text("lblPercent"), "12") << "the percentage reached";
}

// After a search the focus is on Clear, which Enter presses. The menu offers
// Save, Copy, Clear and Statistics only while the tab holds a completed
// search: after Clear by its button or its menu item they are off again.
TEST_F(SearchTabTest, commandsFollowTheSearchAndAreArmedAgainByClearOrReset) {
    const auto enterOnClear = [&] {
        get("cmdClear")->setFocus();
        key(Qt::Key_Return);
    };
    const std::tuple<const char*, std::function<void()>, const char*, const char*, const char*>
        rows[] = {{"Enter on Clear", enterOnClear, "3", "10000", "3"},
                  {"View > Clear", [&] { w->mnuClear->trigger(); }, "3", "10000", "3"},
                  {"Reset", [&] { click("cmdReset"); }, "0", "1000", "1"}};
    for (const auto& [name, command, from, to, goTo] : rows) {
        SCOPED_TRACE(name);
        search("3", "10000");
        // clang-format off
        expectTexts({{"lblSearch", "Search Completed..."}, {"lblTime", "< 1 sec."},
            {"lblPrimes", " 1228"}, {"lblPercent", "100"}, {"lblPageNow", "5"},
            {"lblPageTotal", "5"}});
        // clang-format on
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_TRUE(page().endsWith(" 9949 9967 9973")) << "the last page on view";
        for (const char* name : {"cmdClear", "cmdReset", "cmdSave", "cmdCopy", "mnuSave", "mnuCopy",
                                 "mnuClear", "mnuStatistics"})
            EXPECT_TRUE(enabled(name)) << name;
        EXPECT_FALSE(enabled("cmdCalculate"));
        EXPECT_TRUE(focusIs("cmdClear"));
        get<QSlider>("Slider1")->setValue(2);
        type("txtGoTo", "3"); // Go To becomes the default
        command();
        expectNoResults();
        // clang-format off
        expectTexts({{"txtFrom", from}, {"txtTo", to}, {"txtGoTo", goTo}});
        // clang-format on
    }
}

// Enter in either bound box presses SEARCH.
TEST_F(SearchTabTest, enterInEitherBoundBoxSearches) {
    for (const auto& [box, bound, key, primes] :
         {std::tuple{"txtFrom", "900", QKeyCombination(Qt::Key_Return), " 14"},
          {"txtTo", "100", Qt::KeypadModifier | Qt::Key_Enter, " 25"}}) {
        SCOPED_TRACE(box);
        click("cmdReset");
        type(box, bound);
        this->key(key);
        EXPECT_EQ(text("lblPrimes"), primes);
    }
}

// Chosen from the View menu on another tab, Clear and Reset clear the search
// tab but leave Enter to the tab shown, even when Reset puts the Go To box
// back; on a calculator key Enter still means "=".
TEST_F(SearchTabTest, enterKeepsWorkingOnTheTabShownAfterTheMenusClearOrReset) {
    const std::tuple<const char*, int, QAction*> rows[] = {{"Reset on Factor", 3, w->mnuReset},
                                                           {"Clear on Calculator", 2, w->mnuClear}};
    for (const auto& [name, tab, item] : rows) {
        SCOPED_TRACE(name);
        showTab(1);
        search("0", "100"); // so that the menu's Clear is enabled
        type("txtGoTo", "3");
        showTab(tab);
        item->trigger();
        EXPECT_EQ(defaultButton(), tab == 3 ? "cmdFactor" : "cmdEquals");
        if (tab == 3) {
            type("txtNumber", "21");
            key(Qt::Key_Return);
            EXPECT_EQ(text("lblyesno"), "NO");
        } else {
            for (const Qt::Key k : {Qt::Key_2, Qt::Key_Plus, Qt::Key_3})
                key(Qt::KeypadModifier | k);
            get("cmdNumber_7")->setFocus();
            key(Qt::Key_Return);
            EXPECT_EQ(text("txtResult"), "5");
        }
        EXPECT_EQ(text("lblPrimes"), "0") << "the search tab was cleared";
    }
}

} // namespace
