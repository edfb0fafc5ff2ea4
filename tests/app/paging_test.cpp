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
    // Holds the left button on an arrow for `ticks` ticks of its 50 ms timer,
    // which the test gives itself rather than waiting for them, and releases
    // it: the timer runs exactly as long as the button is held.
    void hold(const char* arrow, const char* timerName, int ticks) {
        SCOPED_TRACE(arrow);
        auto* timer = get<QTimer>(timerName);
        QTest::mousePress(get(arrow), Qt::LeftButton);
        EXPECT_TRUE(timer->isActive() && timer->interval() == 50) << "runs every 50 ms";
        for (int k = 0; k < ticks && timer->isActive(); ++k)
            QMetaObject::invokeMethod(timer, "timeout");
        QTest::mouseRelease(get(arrow), Qt::LeftButton);
        EXPECT_FALSE(timer->isActive()) << "stops on the release";
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

// Past either end the first or last page stays on view.
TEST_F(PagingTest, heldArrowsStepOnePagePerTickUntilReleased) {
    slider()->setValue(1);
    const std::tuple<const char*, const char*, int, int> holds[] = {
        {"cmdForward", "Timer2", 2, 3}, {"NextPage", "Timer2", 4, 5},
        {"cmdBack", "Timer1", 2, 3},    {"PreviousPage", "Timer1", 4, 1},
        {"cmdForward", "Timer2", 0, 1}, // released before a tick
    };
    for (const auto& [arrow, timer, ticks, expected] : holds) {
        hold(arrow, timer, ticks);
        expectShown(expected);
    }
}

// A page that cannot be made is reported, by every way to it; the view keeps
// the page, slider and captions it had, and a held arrow stops before the
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
        {"held arrow", [&] { hold("PreviousPage", "Timer1", 1); }},
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

// The caption shows the page as typed; "5.5" rounds to a page that does not
// exist, and the last one stays on view.
TEST_F(PagingTest, goToShowsTheTypedPageAndItsCaptionAsTyped) {
    for (const auto& [typed, expected] : {std::pair{"02", 2}, {"3.5", 4}, {" 1 ", 1}, {"5.5", 5}}) {
        SCOPED_TRACE(typed);
        slider()->setValue(expected == 1 ? 3 : 1);
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
