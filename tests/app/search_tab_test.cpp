// SEARCH, Clear and Reset on the "Primes Search" tab, and the default button.
#include "tests/app/window_fixture.h"

#include <QTimer>

namespace {

using SearchTabTest = WindowTest;

// SEARCH, Clear, Reset, Save, Copy, then menu Save, Copy, Clear.
const char* const startUpStates = "+-+-- ---";
const char* const searchedStates = "-++++ +++";
const char* const clearedStates = "+-+-- +++";

TEST_F(SearchTabTest, searchShowsCountsLastPageAndArmsTheCommands) {
    search("0", "10000");
    EXPECT_EQ(s->lblSearch->text(), "Search Completed...");
    EXPECT_EQ(statusColour(s->lblSearch), StatusColour::Idle);
    EXPECT_EQ(s->lblPrimes->text(), " 1229");
    EXPECT_EQ(s->lblPercent->text(), "100");
    EXPECT_EQ(s->lblTime->text(), "< 1 sec.");
    EXPECT_EQ(s->lblPageNow->text(), "5");
    EXPECT_EQ(s->lblPageTotal->text(), "5");
    EXPECT_EQ(s->Slider1->maximum(), 5);
    EXPECT_EQ(s->Slider1->value(), 5);
    EXPECT_TRUE(page().endsWith(" 9949 9967 9973")) << page().right(40).toStdString();
    EXPECT_EQ(states(), searchedStates);
    EXPECT_TRUE(focusIs(s->cmdClear));
}

TEST_F(SearchTabTest, smallRangesFillPageOneExactly) {
    struct Case {
        const char* from;
        const char* to;
        const char* page;
        const char* primes;
    };
    const Case cases[] = {
        {"0", "10", "2 3 5 7", " 4"},
        {"2", "5", "2 3 5", " 3"},
        {"4", "5", " 5", " 1"},
        {"8", "9", "", " 0"},
        {"1", "30", "2 3 5 7 11 13 17 19 23 29", " 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + ".." + c.to);
        search(c.from, c.to);
        EXPECT_EQ(page(), c.page);
        EXPECT_EQ(s->lblPrimes->text(), c.primes);
        EXPECT_EQ(s->lblPageTotal->text(), "1");
        QTest::mouseClick(s->cmdClear, Qt::LeftButton);
    }
}

TEST_F(SearchTabTest, refusedBoundsShowTheirMessageMoveTheFocusAndChangeNothing) {
    struct Case {
        const char* from;
        const char* to;
        const char* message;
        const char* focus; // objectName, or nullptr when the focus stays
    };
    const Case cases[] = {
        {"abc", "x", "Enter a valid number in the From box", "txtFrom"},
        {"", "100", "Enter a valid number in the From box", "txtFrom"},
        {"0", "1,000", "Enter a valid number in the To box", "txtTo"},
        {"-1", "100", "Enter 0 or a greater number in the From box", "txtFrom"},
        {"0", "4", "Enter a number greater than 4 in the To box", "txtTo"},
        {"5", "5", "Number in the From box should be less then number in the To box!", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        type(s->txtFrom, c.from);
        type(s->txtTo, c.to);
        const SeenMessage seen =
            catchMessage([&] { QTest::mouseClick(s->cmdCalculate, Qt::LeftButton); });
        EXPECT_EQ(seen.text, c.message);
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(seen.iconless && seen.okOnly);
        EXPECT_TRUE(focusIs(c.focus ? child<QWidget>(w.get(), c.focus) : s->cmdCalculate));
        EXPECT_EQ(s->lblSearch->text(), "Ready to begin search");
        EXPECT_EQ(s->lblPrimes->text(), "0");
        EXPECT_EQ(states(), startUpStates);
        EXPECT_TRUE(s->pages().empty());
    }
}

// Counts the repaints of the percentage during a search, and what the status
// line said meanwhile.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(SearchFrame* frame) : frame_(frame) {
        frame->lblPercent->installEventFilter(this);
    }
    int paints = 0;
    int last = 0;
    bool rising = true;
    QString status;
    StatusColour colour = StatusColour::Idle;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && frame_->lblSearch->text() != "Search Completed...") {
            ++paints;
            const int percent = frame_->lblPercent->text().toInt();
            rising = rising && percent >= last;
            last = percent;
            status = frame_->lblSearch->text();
            colour = statusColour(frame_->lblSearch);
        }
        return false;
    }

  private:
    SearchFrame* frame_;
};

TEST_F(SearchTabTest, progressRepaintsOnlyWhenThePercentageChanges) {
    PaintCounter counter(s);
    // About 9200 pages: hundreds of reports from the engine, but one repaint per
    // new percentage at most. The two threads may skip some percentages.
    search("0", "20000000");
    EXPECT_GE(counter.paints, 10);
    EXPECT_LE(counter.paints, 101);
    EXPECT_TRUE(counter.rising);
    EXPECT_EQ(counter.status, "Searching... please wait!");
    EXPECT_EQ(counter.colour, StatusColour::Working);
    EXPECT_EQ(s->lblPrimes->text(), " 1270607"); // exact, not a 7-digit float
    EXPECT_EQ(s->lblPercent->text(), "100");
}

TEST_F(SearchTabTest, clearEmptiesTheResultsButLeavesBoundsAndMenu) {
    for (const bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "menu" : "button");
        search("0", "10000");
        s->Slider1->setValue(2);
        fromMenu ? w->mnuClear->trigger() : QTest::mouseClick(s->cmdClear, Qt::LeftButton);
        EXPECT_EQ(page(), "");
        EXPECT_TRUE(s->pages().empty());
        EXPECT_EQ(s->lblPageNow->text(), "1");
        EXPECT_EQ(s->lblPageTotal->text(), "1");
        EXPECT_EQ(s->Slider1->maximum(), 1);
        EXPECT_EQ(s->Slider1->value(), 1);
        EXPECT_EQ(s->lblTime->text(), " 0 sec.");
        EXPECT_EQ(s->lblPrimes->text(), "0");
        EXPECT_EQ(s->lblPercent->text(), "0");
        EXPECT_EQ(s->lblSearch->text(), "Ready to begin search");
        EXPECT_EQ(states(), clearedStates);
        EXPECT_EQ(defaultButton(), s->cmdCalculate);
        EXPECT_EQ(s->txtFrom->text(), "0");
        EXPECT_EQ(s->txtTo->text(), "10000");
    }
}

TEST_F(SearchTabTest, aSearchThatOutgrowsItsLastPageEndsWithAMessage) {
    const SeenMessage seen = catchMessage([&] { search("1e10", "2e10"); });
    EXPECT_EQ(seen.text, "The result pages are full: the search stopped after 10001920723.");
    EXPECT_EQ(s->lblSearch->text(), "Search Completed...");
    EXPECT_EQ(s->lblPercent->text(), ""); // 0.02 percent done rounds to nothing
    EXPECT_EQ(s->lblPrimes->text(), " 83333");
    EXPECT_TRUE(page().endsWith(" 10001920723"));
}

TEST_F(SearchTabTest, searchAfterClearStartsFromAnEmptyPageOne) {
    search("0", "100");
    QTest::mouseClick(s->cmdClear, Qt::LeftButton);
    search("20", "30");
    EXPECT_EQ(page(), " 23 29");
    EXPECT_EQ(s->lblPrimes->text(), " 2");
}

TEST_F(SearchTabTest, resetRestoresTheStartUpState) {
    for (const bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "menu" : "button");
        search("3", "10000");
        type(s->txtGoTo, "2");
        fromMenu ? w->mnuReset->trigger() : QTest::mouseClick(s->cmdReset, Qt::LeftButton);
        EXPECT_EQ(page(), "");
        EXPECT_EQ(s->lblPageNow->text(), "1");
        EXPECT_EQ(s->lblPageTotal->text(), "1");
        EXPECT_EQ(s->lblTime->text(), " 0 sec.");
        EXPECT_EQ(s->lblPrimes->text(), "0");
        EXPECT_EQ(s->lblPercent->text(), "0");
        EXPECT_EQ(s->txtFrom->text(), "0");
        EXPECT_EQ(s->txtTo->text(), "1000");
        EXPECT_EQ(s->txtGoTo->text(), "1");
        EXPECT_EQ(states(), startUpStates);
        EXPECT_EQ(defaultButton(), s->cmdCalculate);
    }
}

TEST_F(SearchTabTest, boundBoxesAndGoToBoxMoveTheDefaultButton) {
    search("0", "100");
    QTest::mouseClick(s->txtGoTo, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), s->cmdGoTo);
    QTest::mouseClick(s->txtFrom, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
    QTest::mouseClick(s->txtGoTo, Qt::LeftButton);
    QTest::mouseClick(s->txtTo, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
    s->txtGoTo->setText("3"); // a change made by code counts as well
    EXPECT_EQ(defaultButton(), s->cmdGoTo);
    QTest::mouseClick(s->cmdClear, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
}

TEST_F(SearchTabTest, enterInABoundBoxSearches) {
    type(s->txtTo, "100");
    QTest::keyClick(s->txtTo, Qt::Key_Return);
    EXPECT_EQ(s->lblSearch->text(), "Search Completed...");
    EXPECT_EQ(s->lblPrimes->text(), " 25");

    w->mnuReset->trigger();
    type(s->txtTo, "1000");
    type(s->txtFrom, "980");
    QTest::keyClick(s->txtFrom, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(page(), " 983 991 997");
}

} // namespace
