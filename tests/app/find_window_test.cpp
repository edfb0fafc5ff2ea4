// "Find a Number": when the menu and Ctrl+F offer it, the window's controls,
// the answers and the page they put on view, a page that cannot be made, and
// the ways back.
#include "search/page_navigator.h"
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

#include <new>

namespace {

struct FindTest : WindowTest {
    Controls openFind() { return openFrom(w->mnuFind, "frmFind"); }
    // Types the number and presses Enter, as a user would.
    QString find(const Controls& window, const QString& number) const {
        window.type("txtFind", number);
        window.key(Qt::Key_Return);
        return window.text("lblFindResult");
    }
    QPlainTextEdit* view() const { return get<QPlainTextEdit>("txtPrimes"); }
};

TEST_F(FindTest, theItemFollowsStatisticsAndCtrlFFindsFromTheSearchTabOnly) {
    const QList<QAction*> items = get<QMenu>("mnuView")->actions();
    ASSERT_GT(items.indexOf(w->mnuFind), 0);
    EXPECT_EQ(items[items.indexOf(w->mnuFind) - 1], w->mnuStatistics) << "after Statistics";
    EXPECT_EQ(w->mnuFind->text(), "&Find Number...");
    EXPECT_EQ(w->mnuFind->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_FALSE(enabled("mnuFind")) << "off at start-up";
    search("0", "1000");
    EXPECT_TRUE(enabled("mnuFind")) << "on after a search";

    showTab(2);
    key(Qt::CTRL | Qt::Key_F);
    EXPECT_TRUE(w->isEnabled()) << "Ctrl+F on the calculator tab opens nothing";
    showTab(1);
    key(Qt::CTRL | Qt::Key_F);
    const Controls found = shownWindow("frmFind");
    ASSERT_NE(found.root, nullptr) << "Ctrl+F on the search tab opens Find";
    found.click("cmdClose");

    click("cmdReset");
    EXPECT_FALSE(enabled("mnuFind")) << "off after Reset";
    key(Qt::CTRL | Qt::Key_F);
    EXPECT_TRUE(w->isEnabled()) << "Ctrl+F after Reset opens nothing";
}

TEST_F(FindTest, opensEmptyWithItsControlsAndKeepsTheAnswerUntilItCloses) {
    search("0", "1000000");
    const Controls f = openFind();
    EXPECT_EQ(f.root->windowTitle(), "Find a Number");
    EXPECT_FALSE(w->isEnabled()) << "the main window waits";
    f.expectTexts(
        {{"txtFind", ""}, {"lblFindResult", ""}, {"cmdFind", "&Find"}, {"cmdClose", "Close"}});
    EXPECT_EQ(f.get<QLineEdit>("txtFind")->maxLength(), 20);
    EXPECT_EQ(accessibleName(f.get("txtFind")), "Number:");
    EXPECT_TRUE(f.focusIs("txtFind"));
    EXPECT_EQ(f.defaultButton(), "cmdFind");
    EXPECT_TRUE(f.get<QLabel>("lblFindResult")->textInteractionFlags() & Qt::TextSelectableByMouse);
    expectEveryFocusableControlNamed(f.root);

    EXPECT_EQ(find(f, "2.5"), "Enter a whole number.");
    EXPECT_EQ(accessibleName(f.get("lblFindResult")), "Enter a whole number.") << "spoken";
    EXPECT_EQ(find(f, "1000"),
              "1000 is not prime; the nearest primes listed are 997 (page 1) and 1009 (page 1).");
    f.click("cmdFind");
    f.expectTexts({{"txtFind", "1000"}}); // kept between Finds
    f.key(Qt::Key_Escape);
    EXPECT_FALSE(f.root->isVisible());
    EXPECT_TRUE(w->isEnabled() && becomesActive());
    openFind().expectTexts({{"txtFind", ""}, {"lblFindResult", ""}}); // empty when opened again
}

// The page move is any page move's: the slider and both captions follow, and
// the number is selected where the view shows it.
TEST_F(FindTest, goesToThePageOfThePrimeItNamesWithTheNumberSelectedInView) {
    search("0", "1000000");
    const Controls f = openFind();
    const struct {
        const char *typed, *selected;
        int page;
    } rows[] = {{"104729", "104729", 45}, {"1000", "997", 1}, {"999999", "999983", 436}};
    for (const auto& [typed, selected, page] : rows) {
        SCOPED_TRACE(typed);
        find(f, typed);
        EXPECT_EQ(get<QSlider>("Slider1")->value(), page);
        expectTexts({{"lblPageTotal", "436"}});
        EXPECT_EQ(text("lblPageNow"), QString::number(page));
        EXPECT_EQ(view()->textCursor().selectedText(), selected);
        EXPECT_TRUE(view()->viewport()->rect().contains(view()->cursorRect()))
            << "scrolled into view";
    }
    // Answers that name no listed prime leave the view where it was.
    for (const char* typed : {"abc", "2000000"}) {
        find(f, typed);
        EXPECT_EQ(get<QSlider>("Slider1")->value(), 436) << typed;
    }
}

// Primes of 11 digits never close their page: the one page runs to 52 KB.
TEST_F(FindTest, scrollsAPrimeFarDownTheOnePageIntoView) {
    search("10000000000", "10000100000");
    view()->verticalScrollBar()->setValue(0);
    const Controls f = openFind();
    EXPECT_EQ(find(f, "10000099999"), "10000099999 is the 4306th prime listed, on page 1.");
    EXPECT_EQ(view()->textCursor().selectedText(), "10000099999");
    EXPECT_GT(view()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(view()->viewport()->rect().contains(view()->cursorRect()));
}

// The message shows over the Find window, which stays usable.
TEST_F(FindTest, aPageThatCannotBeMadeIsReportedAndTheViewStays) {
    search("0", "1000000");
    s()->navigator().setPageMaker([this](std::size_t k) -> std::string {
        if (k == 45)
            throw std::bad_alloc();
        return s()->pages().page(k);
    });
    const Controls f = openFind();
    const SeenMessage seen = catchMessage([&] { find(f, "104729"); });
    EXPECT_EQ(seen.text, "The page could not be shown: not enough memory.");
    EXPECT_EQ(f.text("lblFindResult"), "104729 is the 10000th prime listed, on page 45.");
    EXPECT_EQ(get<QSlider>("Slider1")->value(), 436);
    expectTexts({{"lblPageNow", "436"}});
    EXPECT_TRUE(f.becomesActive()) << "Find takes the activation back";
    EXPECT_EQ(find(f, "1000"),
              "1000 is not prime; the nearest primes listed are 997 (page 1) and 1009 (page 1).");
    EXPECT_EQ(get<QSlider>("Slider1")->value(), 1);
}

TEST_F(FindTest, aPasteThatWouldNotFitIsRefused) {
    search("0", "1000");
    const Controls f = openFind();
    int beeps = 0;
    setRefusalSound([&] { ++beeps; });
    QGuiApplication::clipboard()->setText(QString(21, u'9'));
    QTest::keyClick(f.get("txtFind"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.text("txtFind"), "");
    EXPECT_EQ(beeps, 1);
    setRefusalSound({});
}

} // namespace
