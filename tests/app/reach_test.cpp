// What the keyboard and the boxes can reach: the largest bounds and pages, every
// tab, Enter after the menu's Clear and Reset; and a search the engine cannot
// finish.
#include "tests/app/window_fixture.h"

#include "calc/calc_frame.h"
#include "factor/factor_frame.h"

#include <new>
#include <stdexcept>
#include <system_error>

namespace {

class ReachTest : public WindowTest {
  protected:
    // The visible frame's number, or 0 unless exactly one is visible.
    int visibleFrame() const {
        const QWidget* frames[] = {w->BigFrame_1, w->BigFrame_2, w->BigFrame_3};
        int shown = 0;
        for (int i = 0; i < 3; ++i)
            if (frames[i]->isVisible())
                shown = shown ? -1 : i + 1;
        return std::max(shown, 0);
    }
    // A key as the user presses it: to whatever has the focus.
    void press(QKeyCombination key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
    void showTab(int tab) {
        QTest::mouseClick(w->TabStrip1, Qt::LeftButton, {},
                          w->TabStrip1->tabRect(tab - 1).center());
    }
};

TEST_F(ReachTest, aTwentyDigitBoundIsTypedInFullAndSearched) {
    search("9999999999999990000", "10000000000000000000");
    EXPECT_EQ(s->txtTo->text(), "10000000000000000000");
    EXPECT_EQ(s->lblSearch->text(), "Search Completed...");
    EXPECT_EQ(s->lblPrimes->text(), " 247");
}

TEST_F(ReachTest, aSixDigitPageIsReachedWithGoTo) {
    search("1000000000", "1250000000"); // 119962 pages
    ASSERT_EQ(s->lblPageTotal->text(), "119962");
    type(s->txtGoTo, "100000");
    QTest::mouseClick(s->cmdGoTo, Qt::LeftButton);
    EXPECT_EQ(s->lblPageNow->text(), "100000");
    EXPECT_EQ(s->Slider1->value(), 100000);
}

// Each row presses one key where the focus is and lands on a tab with the
// default button and focus a mouse release there gives.
TEST_F(ReachTest, theKeyboardReachesEveryTabInTurnAndWraps) {
    const struct {
        const char* name;
        QKeyCombination key;
        int tab;
        const char* defaultButton;
        const char* focus; // null: the focus is not moved, as by the mouse
    } rows[] = {
        {"Ctrl+Tab to Calculator", Qt::CTRL | Qt::Key_Tab, 2, "cmdEquals", "cmdEquals"},
        {"Ctrl+PgDown to Factor", Qt::CTRL | Qt::Key_PageDown, 3, "cmdFactor", "txtNumber"},
        {"Ctrl+Tab wraps to Search", Qt::CTRL | Qt::Key_Tab, 1, "cmdCalculate", nullptr},
        {"Ctrl+Shift+Tab wraps to Factor", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 3, "cmdFactor",
         "txtNumber"},
        {"Ctrl+PgUp to Calculator", Qt::CTRL | Qt::Key_PageUp, 2, "cmdEquals", "cmdEquals"},
        {"Ctrl+PgUp to Search", Qt::CTRL | Qt::Key_PageUp, 1, "cmdCalculate", nullptr},
    };
    for (const auto& row : rows) {
        press(row.key);
        EXPECT_EQ(visibleFrame(), row.tab) << row.name;
        EXPECT_EQ(w->TabStrip1->currentIndex() + 1, row.tab) << row.name;
        EXPECT_EQ(w->CurrentTab, row.tab) << row.name;
        EXPECT_EQ(defaultButton(), row.defaultButton) << row.name;
        if (row.focus) {
            EXPECT_TRUE(focusIs(row.focus)) << row.name;
        }
    }
}

TEST_F(ReachTest, enterKeepsWorkingOnTheTabShownAfterTheMenusClearOrReset) {
    const std::tuple<const char*, int, QAction*> rows[] = {
        {"Clear on Factor", 3, w->mnuClear},
        {"Reset on Factor", 3, w->mnuReset},
        {"Reset on Calculator", 2, w->mnuReset},
    };
    search("0", "100"); // so that the menu's Clear is enabled
    for (const auto& [name, tab, item] : rows) {
        showTab(tab);
        item->trigger();
        EXPECT_EQ(defaultButton(), tab == 3 ? "cmdFactor" : "cmdEquals") << name;
        if (tab == 3) {
            QTest::mouseClick(w->BigFrame_3->cmdClearance, Qt::LeftButton);
            w->BigFrame_3->txtNumber->setFocus();
            press(Qt::Key_Return); // factors the 7 in the box
            EXPECT_EQ(w->BigFrame_3->lblyesno->text(), "YES") << name;
        } else {
            for (const QKeyCombination key :
                 {Qt::KeypadModifier | Qt::Key_2, Qt::KeypadModifier | Qt::Key_Plus,
                  Qt::KeypadModifier | Qt::Key_3, QKeyCombination(Qt::Key_Return)})
                press(key);
            EXPECT_EQ(w->BigFrame_2->txtResult->text(), "5") << name;
        }
        EXPECT_EQ(s->lblPrimes->text(), "0") << name; // the search tab was cleared
        showTab(1);
        search("0", "100");
    }
}

// The engine throws as it would without memory, without a thread, or from a
// library; the tab is left as after Clear, and the next search runs.
TEST_F(ReachTest, aSearchTheEngineCannotFinishIsReportedAndClearsTheTab) {
    const std::pair<std::function<void()>, const char*> rows[] = {
        {[] { throw std::bad_alloc(); }, "not enough memory"},
        {[] {
             throw std::system_error(
                 std::make_error_code(std::errc::resource_unavailable_try_again));
         },
         "Resource temporarily unavailable"},
        {[] { throw std::runtime_error("the sieve failed."); }, "the sieve failed"},
    };
    const QString cleared = state();
    for (const auto& [fail, reason] : rows) {
        s->setSearchEngine([&](const auto& range, auto& store, const auto& progress) {
            korvane::search::runSearch(range, store, progress); // a half-filled store
            fail();
            return korvane::search::SearchOutcome{};
        });
        const SeenMessage seen = catchMessage([&] { search("0", "1000"); });
        EXPECT_EQ(seen.text, QString("The search could not be completed: %1.").arg(reason));
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_EQ(state(), cleared) << reason;
        EXPECT_EQ(page(), "") << reason;
        EXPECT_TRUE(s->pages().empty()) << reason;
    }
    s->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        return korvane::search::runSearch(range, store, progress);
    });
    search("0", "10");
    EXPECT_EQ(page(), "2 3 5 7");
}

} // namespace
