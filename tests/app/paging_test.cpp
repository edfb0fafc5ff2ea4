// Moving between result pages: slider, held arrows, menu steps and "Go To", up
// to six-digit pages.
#include "search/page_navigator.h"
#include "tests/app/window_fixture.h"

#include <new>

namespace {

struct PagingTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        search("0", "10000"); // five pages, the last on view
    }
    QSlider* slider() const { return get<QSlider>("Slider1"); }
    // Page k is on view: the slider, its caption and the text box agree.
    void expectShown(int k) const {
        EXPECT_EQ(slider()->value(), k) << "slider";
        EXPECT_EQ(text("lblPageNow"), QString::number(k));
        EXPECT_EQ(page(), pageText(k)) << "the text of page " << k;
    }
    // Presses an arrow with the left button and releases it `ms` later.
    void clickFor(const char* arrow, int ms) const {
        QTest::mousePress(get(arrow), Qt::LeftButton);
        QTest::qWait(ms);
        QTest::mouseRelease(get(arrow), Qt::LeftButton);
    }
};

TEST_F(PagingTest, sliderAndMenuStepsShowThePageAndNeverPageZero) {
    slider()->setValue(2);
    expectShown(2);
    QTest::keyClick(slider(), Qt::Key_Home); // the slider's lowest position, 0
    expectShown(1);
    const std::tuple<const char*, int, QAction*, int> steps[] = {
        {"previous on page 1", 1, w->mnuPreviousPage, 1},
        {"next", 1, w->mnuNextPage, 2},
        {"next on the last page", 5, w->mnuNextPage, 5},
        {"previous", 5, w->mnuPreviousPage, 4}};
    for (const auto& [name, from, item, expected] : steps) {
        SCOPED_TRACE(name);
        slider()->setValue(from);
        item->trigger();
        expectShown(expected);
    }
}

// The slider reads like the pages: the keys that go down a document go
// forward (the page keys by the slider's page step, past either end the first
// or last page).
TEST_F(PagingTest, sliderKeysFollowTheReadingDirection) {
    const std::tuple<Qt::Key, int> keys[] = {
        {Qt::Key_Right, 4}, {Qt::Key_Down, 4}, {Qt::Key_PageDown, 5}, {Qt::Key_End, 5},
        {Qt::Key_Left, 2},  {Qt::Key_Up, 2},   {Qt::Key_PageUp, 1},   {Qt::Key_Home, 1},
    };
    for (const auto& [key, expected] : keys) {
        SCOPED_TRACE(QKeySequence(key).toString());
        slider()->setValue(3);
        slider()->setFocus();
        QTest::keyClick(slider(), key);
        expectShown(expected);
    }
}

// One click, one page: the press itself moves it, and a release before the
// repeat starts adds none. Past either end the first or last page stays.
TEST_F(PagingTest, pressingAnArrowMovesOnePageAtOnce) {
    const std::tuple<const char*, int, int> clicks[] = {
        {"cmdForward", 1, 2},   {"NextPage", 2, 3}, {"cmdBack", 3, 2},
        {"PreviousPage", 2, 1}, {"cmdBack", 1, 1},  {"NextPage", 5, 5},
    };
    for (const auto& [arrow, from, expected] : clicks) {
        SCOPED_TRACE(std::string(arrow) + " on page " + std::to_string(from));
        slider()->setValue(from);
        QTest::mousePress(get(arrow), Qt::LeftButton);
        expectShown(expected);
        QTest::qWait(60); // past the timers' 50 ms, well short of the repeat
        QTest::mouseRelease(get(arrow), Qt::LeftButton);
        QTest::qWait(350);
        expectShown(expected);
    }
    slider()->setValue(3);
    QTest::mouseClick(get("NextPage"), Qt::RightButton);
    expectShown(3);
}

// Held, an arrow repeats after a pause, a page every 50 ms, until released.
TEST_F(PagingTest, aHeldArrowRepeatsAfterAPauseUntilReleased) {
    click("cmdClear");
    search("0", "100000"); // pages enough for any hold
    const int last = slider()->maximum();
    ASSERT_GT(last, 20);
    for (const auto& [arrow, from, direction] :
         {std::tuple{"cmdForward", 1, 1}, {"PreviousPage", last, -1}}) {
        SCOPED_TRACE(arrow);
        slider()->setValue(from);
        clickFor(arrow, 500);
        const int moved = (slider()->value() - from) * direction;
        // One at the press, one at 300 ms, then up to four more by 500 ms (fewer
        // when the machine is busy).
        EXPECT_GE(moved, 2) << "repeats while held";
        EXPECT_LE(moved, 6) << "not before the pause, nor faster than every 50 ms";
        QTest::qWait(150);
        EXPECT_EQ((slider()->value() - from) * direction, moved) << "stops at the release";
        expectShown(slider()->value());
    }
}

// A page that cannot be made is reported, by every way to it; the view keeps
// the page, slider and captions it had, and an arrow's timer stops before the
// message shows.
TEST_F(PagingTest, aPageThatCannotBeMadeIsReportedAndTheViewStays) {
    s()->navigator().setPageMaker([this](std::size_t k) -> std::string {
        if (k == 3)
            throw std::bad_alloc();
        return s()->pages().page(k);
    });
    bool timerRan = false;
    const Response seeTimersThenOk = [&](QMessageBox* box) {
        timerRan = get<QTimer>("Timer1")->isActive() || get<QTimer>("Timer2")->isActive();
        clickButton(QMessageBox::Ok)(box);
    };
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"slider", [&] { slider()->setValue(3); }},
        {"menu step", [&] { w->mnuPreviousPage->trigger(); }},
        {"arrow", [&] { clickFor("PreviousPage", 10); }},
        {"Go To", [&] { type("txtGoTo", "3"), click("cmdGoTo"); }},
    };
    for (const auto& [name, route] : routes) {
        SCOPED_TRACE(name);
        slider()->setValue(4);
        const SeenMessage seen = catchMessage(route, seeTimersThenOk);
        EXPECT_EQ(seen.text, "The page could not be shown: not enough memory.");
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_FALSE(timerRan) << "the timers stopped first";
        expectShown(4);
        EXPECT_EQ(text("lblPageTotal"), "5");
    }
    // A search whose last page is page 3 stands, its view left empty.
    click("cmdClear");
    EXPECT_EQ(catchMessage([&] { search("0", "6000"); }).text,
              "The page could not be shown: not enough memory.");
    // clang-format off
    expectTexts({{"lblSearch", "Search Completed..."}, {"lblPrimes", " 783"}, {"lblPageNow", "1"},
        {"lblPageTotal", "3"}, {"txtPrimes", ""}});
    // clang-format on
    EXPECT_TRUE(enabled("cmdSave") && enabled("cmdCopy"));
}

// The page the rule names comes on view, and the caption shows it as typed.
TEST_F(PagingTest, goToShowsTheTypedPageAndItsCaptionAsTyped) {
    for (const auto& [typed, expected] : {std::pair{"3.5", 4}, {"5.5", 5}}) {
        SCOPED_TRACE(typed);
        slider()->setValue(1);
        type("txtGoTo", typed);
        key(Qt::KeypadModifier | Qt::Key_Enter); // presses Go To
        EXPECT_EQ(slider()->value(), expected);
        EXPECT_EQ(page(), pageText(expected));
        EXPECT_EQ(text("lblPageNow"), typed);
    }
}

TEST_F(PagingTest, goToRefusesPagesOutsideTheResults) {
    const char* const invalid = "Please enter a valid page number!";
    const char* const low = "Please enter a page number greater than 1!";
    slider()->setValue(3);
    for (const auto& [typed, message] : {std::pair{"abc", invalid}, {"6", invalid}, {"0.9", low}}) {
        SCOPED_TRACE(typed);
        type("txtGoTo", typed);
        EXPECT_EQ(catchMessage([&] { click("cmdGoTo"); }).text, message);
        EXPECT_TRUE(focusIs("txtGoTo"));
        expectShown(3);
    }
}

using LargeResultTest = WindowTest;

// Go To reaches a six-digit page, and the copy dialog shows a six-digit total
// whole: in a font whose blanks are narrow, twelve of them are narrower than it.
TEST_F(LargeResultTest, sixDigitPagesAreReachedAndTheirTotalIsNeverClippedWhateverTheFont) {
    search("1000000000", "1250000000");
    ASSERT_EQ(text("lblPageTotal"), "119962");
    type("txtGoTo", "100000");
    click("cmdGoTo");
    EXPECT_EQ(text("lblPageNow"), "100000");
    EXPECT_EQ(get<QSlider>("Slider1")->value(), 100000);
    const Controls copy = openFrom(w->mnuCopy, "frmCopy");
    auto* total = copy.get<QLabel>("lblMax");
    for (const auto& [family, points] :
         {std::pair{"DejaVu Sans Condensed", 10}, {"DejaVu Serif", 16}}) {
        SCOPED_TRACE(family);
        copy.root->setFont(QFont(family, points));
        copy.root->adjustSize();
        QApplication::processEvents();
        EXPECT_EQ(total->text(), "119962");
        EXPECT_GE(total->contentsRect().width(), total->fontMetrics().horizontalAdvance("500000"));
        EXPECT_TRUE(copy.get("Label1")->rect().contains(total->geometry())) << "over its sentence";
    }
}

} // namespace
