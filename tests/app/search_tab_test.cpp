// The "Primes Search" tab: SEARCH, its refusals and failures, Clear and Reset,
// and what Enter presses.
#include "tests/app/window_fixture.h"

#include <stdexcept>

namespace {

using SearchTabTest = WindowTest;

// A bound of twenty digits fits its box. A refused bound changes nothing; the
// engine may throw as a library would, after filling part of the store or on
// the second thread of a split search, and the tab is left as after Clear.
TEST_F(SearchTabTest, aSearchRefusedOrFailedIsReportedAndClearsTheTab) {
    search("9999999999999990000", "10000000000000000000");
    EXPECT_EQ(text("lblPrimes"), " 237");
    click("cmdClear");
    using namespace korvane::search;
    const SearchFrame::SearchEngine failsAfterFilling = [](const auto& range, auto& store,
                                                           const auto& progress) -> SearchOutcome {
        runSearch(range, store, progress);
        throw std::runtime_error("the sieve failed.");
    };
    const SearchFrame::SearchEngine failsOnItsHelper = [](const auto& range, auto& store,
                                                          const auto& progress) {
        return runSearch(range, store, progress, {500000, 0, 1000000},
                         [](std::uint64_t) { throw std::bad_alloc(); });
    };
    // clang-format off
    const std::tuple<const char*, const char*, SearchFrame::SearchEngine, const char*, const char*> rows[] = {
        {"abc", "x", {}, "Enter a valid number in the From box", "txtFrom"},
        {"0", "4", {}, "Enter a number greater than 4 in the To box", "txtTo"},
        {"5", "5", {}, "Number in the From box should be less then number in the To box!", "cmdCalculate"},
        {"0", "1000", failsAfterFilling, "The search could not be completed: the sieve failed.", ""},
        {"0", "1000", failsOnItsHelper, "The search could not be completed: not enough memory.", ""}};
    // clang-format on
    for (const auto& [from, to, engine, message, focusName] : rows) {
        SCOPED_TRACE(message);
        if (engine)
            s()->setSearchEngine(engine);
        EXPECT_EQ(catchMessage([&] { search(from, to); }).text, message);
        EXPECT_TRUE(!*focusName || focusIs(focusName)) << "focus on " << focus();
        expectNoResults();
    }
}

// The last page outgrown (0.02 percent rounds to nothing), or every page full.
TEST_F(SearchTabTest, aSearchThatFillsTheStoreEndsWithAMessageAndItsPercentage) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"1e10", "2e10", "The result pages are full: the search stopped after 10001920723.", ""},
        {"0", "1e10", "All 500000 result pages are full: the search stopped after 1196077591.", "12"}};
    // clang-format on
    for (const auto& [from, to, message, percent] : rows) {
        click("cmdReset");
        EXPECT_EQ(catchMessage([&] { search(from, to); }).text, message);
        EXPECT_EQ(text("lblPercent"), percent) << from;
        EXPECT_EQ(page(), pageText(text("lblPageTotal").toInt())) << "the last page on view";
    }
    EXPECT_EQ(text("lblPageTotal"), "500000");
}

// After a search the focus is on Clear, which Enter presses. Save, Copy, Clear
// and Statistics are on only while the tab holds a completed search. Chosen
// from the View menu on another tab, Clear and Reset leave Enter to that tab.
TEST_F(SearchTabTest, commandsFollowTheSearchAndAreArmedAgainByClearOrReset) {
    // clang-format off
    const std::tuple<const char*, int, std::function<void()>, const char*, const char*, const char*> rows[] = {
        {"Enter on Clear", 1, [&] { key(Qt::Key_Return); }, "3", "10000", "3"},
        {"View > Clear on Calculator", 2, [&] { w->mnuClear->trigger(); }, "3", "10000", "3"},
        {"View > Reset on Factor", 3, [&] { w->mnuReset->trigger(); }, "0", "1000", "1"},
        {"Reset", 1, [&] { click("cmdReset"); }, "0", "1000", "1"}};
    // clang-format on
    for (const auto& [name, tab, command, from, to, goTo] : rows) {
        SCOPED_TRACE(name);
        showTab(1);
        search("3", "10000");
        // clang-format off
        expectTexts({{"lblSearch", "Search Completed..."}, {"lblTime", "< 1 sec."}, {"lblPrimes", " 1228"},
            {"lblPercent", "100"}, {"lblPageNow", "5"}, {"lblPageTotal", "5"}});
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_EQ(page(), pageText(5)) << "the last page on view";
        for (const char* name : {"cmdClear", "cmdReset", "cmdSave", "cmdCopy", "mnuSave", "mnuCopy", "mnuClear"})
            EXPECT_TRUE(enabled(name)) << name;
        // clang-format on
        EXPECT_FALSE(enabled("cmdCalculate"));
        EXPECT_TRUE(focusIs("cmdClear"));
        get<QSlider>("Slider1")->setValue(2);
        type("txtGoTo", "3"); // Go To becomes the default
        get("cmdClear")->setFocus();
        if (tab != 1)
            showTab(tab);
        command();
        if (tab != 1) {
            EXPECT_EQ(defaultButton(), tab == 2 ? "cmdEquals" : "cmdFactor");
            showTab(1);
        }
        expectNoResults();
        expectTexts({{"txtFrom", from}, {"txtTo", to}, {"txtGoTo", goTo}});
    }
}

// Enter in either bound box presses SEARCH.
TEST_F(SearchTabTest, enterInEitherBoundBoxSearches) {
    for (const auto& [box, bound, key, primes] :
         {std::tuple{"txtFrom", "900", QKeyCombination(Qt::Key_Return), " 14"},
          {"txtTo", "100", Qt::KeypadModifier | Qt::Key_Enter, " 25"}}) {
        click("cmdReset");
        type(box, bound);
        this->key(key);
        EXPECT_EQ(text("lblPrimes"), primes) << box;
    }
}

} // namespace
