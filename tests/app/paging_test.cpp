// Moving between result pages: slider, held arrows, menu steps and "Go To".
#include "tests/app/window_fixture.h"

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
    // Holds the left button on an arrow until the slider reaches `page`, then a
    // few ticks longer (which must not fail at either end) and releases it:
    // nothing moves afterwards.
    void holdUntil(const char* arrow, int page) {
        SCOPED_TRACE(arrow);
        QTest::mousePress(get(arrow), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return slider()->value() == page; }, 3000));
        QTest::qWait(120);
        QTest::mouseRelease(get(arrow), Qt::LeftButton);
        const int released = slider()->value();
        QTest::qWait(120);
        expectShown(released);
    }
};

TEST_F(PagingTest, sliderAndMenuStepsShowThePageAndNeverPageZero) {
    slider()->setValue(2);
    expectShown(2);
    EXPECT_TRUE(page().startsWith(" 2087 2089 "));
    QTest::keyClick(slider(), Qt::Key_Home); // the slider's lowest position, 0
    expectShown(1);
    EXPECT_TRUE(page().startsWith("2 3 5 7 11 13 "));
    slider()->setValue(5);
    const std::tuple<const char*, QAction*, int> steps[] = {
        {"next on the last page", w->mnuNextPage, 5}, {"previous", w->mnuPreviousPage, 4},
        {"previous", w->mnuPreviousPage, 3},          {"previous", w->mnuPreviousPage, 2},
        {"previous", w->mnuPreviousPage, 1},          {"previous on page 1", w->mnuPreviousPage, 1},
        {"next from page 1", w->mnuNextPage, 2}};
    for (const auto& [name, item, expected] : steps) {
        SCOPED_TRACE(name);
        item->trigger();
        expectShown(expected);
    }
}

TEST_F(PagingTest, heldArrowsKeepSteppingUntilReleased) {
    slider()->setValue(1);
    holdUntil("cmdForward", 3);
    holdUntil("NextPage", 5); // past the last page: it stays on view
    holdUntil("cmdBack", 3);
    holdUntil("PreviousPage", 1);                         // before page 1: it stays on view
    QTest::mouseClick(get("cmdForward"), Qt::LeftButton); // shorter than a tick
    QTest::qWait(80);
    expectShown(1);
}

// Only the left button starts an arrow's timer; the release of any button stops
// the first back arrow's, only the left button's the others'.
TEST_F(PagingTest, arrowsStartOnTheLeftButtonAndOnlyTheFirstBackArrowStopsOnAny) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> rows[] = {{"cmdBack", "Timer1", true},
        {"PreviousPage", "Timer1", false}, {"cmdForward", "Timer2", false}, {"NextPage", "Timer2", false}};
    // clang-format on
    const auto running = [&](const char* timer) { return get<QTimer>(timer)->isActive(); };
    for (const auto& [name, timer, rightReleaseStops] : rows) {
        SCOPED_TRACE(name);
        QWidget* arrow = get(name);
        QTest::mousePress(arrow, Qt::RightButton);
        EXPECT_FALSE(running("Timer1") || running("Timer2")) << "right press";
        QTest::mouseRelease(arrow, Qt::RightButton);
        QTest::mousePress(arrow, Qt::LeftButton);
        EXPECT_TRUE(running(timer)) << "left press";
        QTest::mouseRelease(arrow, Qt::RightButton);
        EXPECT_EQ(running(timer), !rightReleaseStops) << "right release while held";
        QTest::mouseRelease(arrow, Qt::LeftButton);
        EXPECT_FALSE(running("Timer1") || running("Timer2")) << "left release";
    }
}

// The caption shows the page as typed; "5.5" rounds to a page that does not
// exist, and the last one stays on view.
TEST_F(PagingTest, goToShowsTheTypedPageAndItsCaptionAsTyped) {
    // clang-format off
    for (const auto& [typed, expected] : {std::pair{"2", 2}, {"02", 2}, {"2.5", 2}, {"3.5", 4},
                                          {"1", 1}, {" 4 ", 4}, {"5", 5}, {"5.5", 5}}) {
        // clang-format on
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
    // clang-format off
    for (const auto& [typed, message] : {std::pair{"abc", invalid}, {"", invalid}, {"6", invalid},
                                         {"1e9", invalid}, {"0", low}, {"0.9", low}, {"-2", low}}) {
        // clang-format on
        SCOPED_TRACE(typed);
        type("txtGoTo", typed);
        EXPECT_EQ(catchMessage([&] { click("cmdGoTo"); }).text, message);
        EXPECT_TRUE(focusIs("txtGoTo"));
        expectShown(3);
    }
}

using LargeResultTest = WindowTest;

TEST_F(LargeResultTest, goToReachesASixDigitPage) {
    search("1000000000", "1250000000");
    ASSERT_EQ(text("lblPageTotal"), "119962");
    type("txtGoTo", "100000");
    click("cmdGoTo");
    EXPECT_EQ(text("lblPageNow"), "100000");
    EXPECT_EQ(get<QSlider>("Slider1")->value(), 100000);
}

} // namespace
