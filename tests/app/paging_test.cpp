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

TEST_F(LargeResultTest, goToReachesASixDigitPage) {
    search("1000000000", "1250000000");
    ASSERT_EQ(text("lblPageTotal"), "119962");
    type("txtGoTo", "100000");
    click("cmdGoTo");
    EXPECT_EQ(text("lblPageNow"), "100000");
    EXPECT_EQ(get<QSlider>("Slider1")->value(), 100000);
}

} // namespace
