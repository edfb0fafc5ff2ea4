// Moving between result pages: slider, arrows, menu steps and "Go To".
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

// The slider reads like the pages: the keys that go down a document go
// forward. Menu steps stop at either end.
TEST_F(PagingTest, sliderKeysAndMenuStepsShowThePage) {
    const auto press = [this](Qt::Key k) {
        return [this, k] { slider()->setFocus(), QTest::keyClick(slider(), k); };
    };
    const auto next = [&] { w->mnuNextPage->trigger(); };
    const auto previous = [&] { w->mnuPreviousPage->trigger(); };
    // clang-format off
    const std::tuple<const char*, int, std::function<void()>, int> rows[] = {
        {"Right", 3, press(Qt::Key_Right), 4}, {"Down", 3, press(Qt::Key_Down), 4},
        {"PageDown", 3, press(Qt::Key_PageDown), 5}, {"End", 3, press(Qt::Key_End), 5},
        {"Left", 3, press(Qt::Key_Left), 2}, {"Up", 3, press(Qt::Key_Up), 2},
        {"PageUp", 3, press(Qt::Key_PageUp), 1}, {"Home", 3, press(Qt::Key_Home), 1},
        {"next", 1, next, 2}, {"next on the last page", 5, next, 5},
        {"previous", 5, previous, 4}, {"previous on page 1", 1, previous, 1}};
    // clang-format on
    for (const auto& [name, from, move, expected] : rows) {
        SCOPED_TRACE(name);
        slider()->setValue(from);
        move();
        expectShown(expected);
    }
}

// One click, one page: the press itself moves it, and a release before the
// repeat starts adds none. Past either end the first or last page stays.
TEST_F(PagingTest, pressingAnArrowMovesOnePageAtOnce) {
    // clang-format off
    const std::tuple<const char*, int, int> clicks[] = {{"cmdForward", 1, 2}, {"NextPage", 2, 3},
        {"cmdBack", 3, 2}, {"PreviousPage", 2, 1}, {"cmdBack", 1, 1}, {"NextPage", 5, 5}};
    // clang-format on
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
}

// Held, an arrow repeats after a pause, a page every 50 ms, until released.
TEST_F(PagingTest, aHeldArrowRepeatsAfterAPauseUntilReleased) {
    click("cmdClear");
    search("0", "100000"); // pages enough for any hold
    for (const auto& [arrow, from, direction] :
         {std::tuple{"cmdForward", 1, 1}, {"PreviousPage", slider()->maximum(), -1}}) {
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
    }
}

// A page that cannot be made is reported, by every way to it; the view keeps
// its page, and an arrow's timer stops before the message shows. A search
// whose last page is that page stands, its view left empty.
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
    // clang-format off
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"slider", [&] { slider()->setValue(3); }}, {"menu step", [&] { w->mnuPreviousPage->trigger(); }},
        {"arrow", [&] { clickFor("PreviousPage", 10); }}, {"Go To", [&] { type("txtGoTo", "3"), click("cmdGoTo"); }},
        {"search", [&] { click("cmdClear"), search("0", "6000"); }}};
    // clang-format on
    for (const auto& [name, route] : routes) {
        SCOPED_TRACE(name);
        slider()->setValue(4);
        const SeenMessage seen = catchMessage(route, seeTimersThenOk);
        EXPECT_EQ(seen.text, "The page could not be shown: not enough memory.");
        EXPECT_FALSE(timerRan) << "the timers stopped first";
        if (std::string_view(name) != "search")
            expectShown(4);
    }
    expectTexts({{"lblPrimes", " 783"}, {"lblPageTotal", "3"}, {"txtPrimes", ""}});
    EXPECT_TRUE(enabled("cmdSave"));
}

// The page the rule names comes on view, its caption as typed; a page outside
// the results is refused and the view stays.
TEST_F(PagingTest, goToShowsTheTypedPageOrRefusesIt) {
    const char* const invalid = "Please enter a valid page number!";
    // clang-format off
    const std::tuple<const char*, const char*, int> rows[] = {{"3.5", "", 4}, {"5.5", "", 5},
        {"abc", invalid, 3}, {"6", invalid, 3}, {"0.9", "Please enter a page number greater than 1!", 3}};
    // clang-format on
    for (const auto& [typed, message, k] : rows) {
        SCOPED_TRACE(typed);
        slider()->setValue(3);
        type("txtGoTo", typed);
        EXPECT_EQ(catchMessage([&] { key(Qt::KeypadModifier | Qt::Key_Enter); }).text, message);
        EXPECT_EQ(slider()->value(), k);
        EXPECT_EQ(page(), pageText(k));
        EXPECT_EQ(text("lblPageNow"), *message ? "3" : typed);
        EXPECT_TRUE(!*message || focusIs("txtGoTo"));
    }
}

} // namespace
