// The "Primes Search" tab: SEARCH, its refusals and failures, Clear and Reset,
// and what Enter presses.
#include "tests/app/window_fixture.h"

#include <QSlider>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <system_error>

namespace {

struct SearchTabTest : WindowTest {
    int lastPage() const { return get<QSlider>("Slider1")->maximum(); }
    // The tab holds no result and SEARCH waits, as after Clear; the menu's
    // Save, Copy and Clear are on only after a search that Clear undid.
    void expectNoResults(bool menusOn = false) const {
        expectTexts({{"lblSearch", "Ready to begin search"},
                     {"lblTime", " 0 sec."},
                     {"lblPrimes", "0"},
                     {"lblPercent", "0"},
                     {"lblPageNow", "1"},
                     {"lblPageTotal", "1"},
                     {"txtPrimes", ""}});
        EXPECT_FALSE(red("lblSearch")) << "the status line is yellow";
        EXPECT_EQ(lastPage(), 1);
        EXPECT_TRUE(s()->pages().empty());
        expectEnabled({"cmdCalculate", "cmdReset"}, true);
        expectEnabled({"cmdClear", "cmdSave", "cmdCopy"}, false);
        EXPECT_EQ(defaultButton(), "cmdCalculate");
        expectEnabled({"mnuSave", "mnuCopy", "mnuClear"}, menusOn);
    }
};

TEST_F(SearchTabTest, smallRangesFillPageOneAfterClearEmptiedIt) {
    const struct {
        const char* name;
        const char* from;
        const char* to;
        const char* page;
        const char* primes;
    } rows[] = {
        {"from 0, with the 2", "0", "10", "2 3 5 7", " 4"},
        {"nothing of the search before remains", "4", "5", " 5", " 1"},
        {"no prime at all", "8", "9", "", " 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        search(row.from, row.to);
        EXPECT_EQ(page(), row.page);
        EXPECT_EQ(text("lblPrimes"), row.primes);
        click("cmdClear");
    }
}

TEST_F(SearchTabTest, aTwentyDigitBoundIsTypedInFullAndSearched) {
    search("9999999999999990000", "10000000000000000000");
    EXPECT_EQ(text("txtTo"), "10000000000000000000");
    EXPECT_EQ(text("lblSearch"), "Search Completed...");
    EXPECT_EQ(text("lblPrimes"), " 247");
}

TEST_F(SearchTabTest, refusedBoundsShowTheirMessageMoveTheFocusAndChangeNothing) {
    const struct {
        const char* from;
        const char* to;
        const char* message;
        const char* focusName;
    } rows[] = {
        {"abc", "x", "Enter a valid number in the From box", "txtFrom"},
        {"", "100", "Enter a valid number in the From box", "txtFrom"},
        {"0", "1,000", "Enter a valid number in the To box", "txtTo"},
        {"-1", "100", "Enter 0 or a greater number in the From box", "txtFrom"},
        {"0", "4", "Enter a number greater than 4 in the To box", "txtTo"},
        {"5", "5", "Number in the From box should be less then number in the To box!",
         "cmdCalculate"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " to " + row.to);
        type("txtFrom", row.from);
        type("txtTo", row.to);
        const SeenMessage seen = catchMessage([&] { click("cmdCalculate"); });
        EXPECT_EQ(seen.text, row.message);
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(seen.iconless);
        EXPECT_EQ(seen.buttons, "OK");
        EXPECT_TRUE(focusIs(row.focusName)) << "focus on " << focus();
        expectNoResults();
    }
}

// The engine throws as it would without memory, without a thread, or from a
// library; the tab is left as after Clear, and the next search runs.
TEST_F(SearchTabTest, aSearchTheEngineCannotFinishIsReportedAndClearsTheTab) {
    const std::pair<std::function<void()>, const char*> rows[] = {
        {[] { throw std::bad_alloc(); }, "not enough memory"},
        {[] {
             throw std::system_error(
                 std::make_error_code(std::errc::resource_unavailable_try_again));
         },
         "Resource temporarily unavailable"},
        {[] { throw std::runtime_error("the sieve failed."); }, "the sieve failed"},
    };
    for (const auto& [fail, reason] : rows) {
        SCOPED_TRACE(reason);
        s()->setSearchEngine([&](const auto& range, auto& store, const auto& progress) {
            korvane::search::runSearch(range, store, progress); // a half-filled store
            fail();
            return korvane::search::SearchOutcome{};
        });
        const SeenMessage seen = catchMessage([&] { search("0", "1000"); });
        EXPECT_EQ(seen.text, QString("The search could not be completed: %1.").arg(reason));
        EXPECT_EQ(seen.title, "Korvane 6");
        expectNoResults();
    }
    s()->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        return korvane::search::runSearch(range, store, progress);
    });
    search("0", "10");
    EXPECT_EQ(page(), "2 3 5 7");
}

// Logs the percentage at each of its repaints while a search runs, and the
// status line of the last one.
struct PaintLog : QObject {
    explicit PaintLog(const Controls& tab) : tab(tab) {
        tab.get("lblPercent")->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && tab.text("lblSearch") != "Search Completed...") {
            percents << tab.text("lblPercent").toInt();
            lastStatus = tab.text("lblSearch");
            lastRed = tab.red("lblSearch");
        }
        return false;
    }
    Controls tab;
    QList<int> percents;
    QString lastStatus;
    bool lastRed = false;
};

TEST_F(SearchTabTest, progressRepaintsOnlyWhenThePercentageChanges) {
    PaintLog log(*this);
    // About 9200 pages: hundreds of reports from the engine, but one repaint per
    // new percentage at most. The two threads may skip some percentages.
    search("0", "20000000");
    EXPECT_GE(log.percents.size(), 10);
    EXPECT_LE(log.percents.size(), 101);
    EXPECT_TRUE(std::is_sorted(log.percents.begin(), log.percents.end()));
    EXPECT_EQ(log.lastStatus, "Searching... please wait!");
    EXPECT_TRUE(log.lastRed) << "the status line is red while searching";
    EXPECT_EQ(text("lblPrimes"), " 1270607"); // exact, not a 7-digit float
}

TEST_F(SearchTabTest, aSearchThatOutgrowsItsLastPageEndsWithAMessage) {
    const SeenMessage seen = catchMessage([&] { search("1e10", "2e10"); });
    EXPECT_EQ(seen.text, "The result pages are full: the search stopped after 10001920723.");
    EXPECT_EQ(text("lblSearch"), "Search Completed...");
    EXPECT_FALSE(red("lblSearch"));
    EXPECT_EQ(text("lblPrimes"), " 83333");
    EXPECT_EQ(text("lblPercent"), "") << "0.02 percent done rounds to nothing";
    EXPECT_TRUE(page().endsWith(" 10001920723"));
}

// After a search, and after each way to Clear or Reset it.
TEST_F(SearchTabTest, commandsFollowTheSearchAndAreArmedAgainByClearOrReset) {
    const struct {
        const char* name;
        std::function<void()> command;
        bool menusStayOn;
        const char* from;
        const char* to;
        const char* goTo;
    } rows[] = {
        {"Clear", [&] { click("cmdClear"); }, true, "3", "10000", "3"},
        {"menu Clear", [&] { w->mnuClear->trigger(); }, true, "3", "10000", "3"},
        {"Reset", [&] { click("cmdReset"); }, false, "0", "1000", "1"},
        {"menu Reset", [&] { w->mnuReset->trigger(); }, false, "0", "1000", "1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        search("3", "10000");
        expectTexts({{"lblSearch", "Search Completed..."},
                     {"lblTime", "< 1 sec."},
                     {"lblPrimes", " 1228"},
                     {"lblPercent", "100"},
                     {"lblPageNow", "5"},
                     {"lblPageTotal", "5"}});
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_EQ(lastPage(), 5);
        EXPECT_TRUE(page().endsWith(" 9949 9967 9973")) << "the last page on view";
        expectEnabled(
            {"cmdClear", "cmdReset", "cmdSave", "cmdCopy", "mnuSave", "mnuCopy", "mnuClear"}, true);
        expectEnabled({"cmdCalculate"}, false);
        EXPECT_TRUE(focusIs("cmdClear"));
        get<QSlider>("Slider1")->setValue(2);
        type("txtGoTo", "3"); // Go To becomes the default
        row.command();
        expectNoResults(row.menusStayOn);
        expectTexts({{"txtFrom", row.from}, {"txtTo", row.to}, {"txtGoTo", row.goTo}});
    }
}

TEST_F(SearchTabTest, boxesMoveTheDefaultButtonWhichReturnPresses) {
    const std::pair<const char*, const char*> rows[] = {
        {"txtGoTo", "cmdGoTo"},
        {"txtFrom", "cmdCalculate"},
        {"txtGoTo", "cmdGoTo"},
        {"txtTo", "cmdCalculate"},
    };
    for (const auto& [box, expected] : rows) {
        click(box);
        EXPECT_EQ(defaultButton(), expected) << "after a click in " << box;
    }
    get<QLineEdit>("txtGoTo")->setText("3"); // a change made by code counts as well
    EXPECT_EQ(defaultButton(), "cmdGoTo");
    type("txtFrom", "1"); // the focus comes back: SEARCH is the default again
    EXPECT_FALSE(catchMessage([&] { key(Qt::Key_Return); }).shown);
    EXPECT_EQ(text("lblPrimes"), " 168") << "1 to 1000 searched";
}

// SEARCH stays the default but is disabled until Clear: Return, from the
// focused Clear or from a bound box, neither searches again nor clears.
TEST_F(SearchTabTest, returnAfterAFinishedSearchDoesNothing) {
    search("0", "10000");
    for (const char* from : {"cmdClear", "txtTo"}) {
        SCOPED_TRACE(from);
        get(from)->setFocus();
        EXPECT_FALSE(catchMessage([&] { key(Qt::Key_Return); }).shown);
        EXPECT_EQ(text("lblSearch"), "Search Completed...");
        EXPECT_EQ(text("lblPrimes"), " 1229");
        EXPECT_EQ(text("lblPageNow"), "5");
        EXPECT_TRUE(page().endsWith(" 9973"));
        expectEnabled({"cmdClear", "cmdSave", "cmdCopy"}, true);
        expectEnabled({"cmdCalculate"}, false);
        EXPECT_EQ(defaultButton(), "cmdCalculate");
    }
}

// Chosen from the View menu on another tab, Clear and Reset clear the search
// tab but leave Enter to the tab shown.
TEST_F(SearchTabTest, enterKeepsWorkingOnTheTabShownAfterTheMenusClearOrReset) {
    const std::tuple<const char*, int, QAction*> rows[] = {
        {"Clear on Factor", 3, w->mnuClear},
        {"Reset on Factor", 3, w->mnuReset},
        {"Reset on Calculator", 2, w->mnuReset},
    };
    for (const auto& [name, tab, item] : rows) {
        SCOPED_TRACE(name);
        showTab(1);
        search("0", "100"); // so that the menu's Clear is enabled
        showTab(tab);
        item->trigger();
        EXPECT_EQ(defaultButton(), tab == 3 ? "cmdFactor" : "cmdEquals");
        if (tab == 3) {
            click("cmdClearance");
            get("txtNumber")->setFocus();
            key(Qt::Key_Return); // factors the 7 in the box
            EXPECT_EQ(text("lblyesno"), "YES");
        } else {
            for (const QKeyCombination k :
                 {Qt::KeypadModifier | Qt::Key_2, Qt::KeypadModifier | Qt::Key_Plus,
                  Qt::KeypadModifier | Qt::Key_3, QKeyCombination(Qt::Key_Return)})
                key(k);
            EXPECT_EQ(text("txtResult"), "5");
        }
        EXPECT_EQ(text("lblPrimes"), "0") << "the search tab was cleared";
    }
}

} // namespace
