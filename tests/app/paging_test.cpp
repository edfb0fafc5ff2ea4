// Moving between result pages: slider, held arrows, menu steps and "Go To".
#include "tests/app/window_fixture.h"

namespace {

class PagingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        search("0", "10000"); // five pages, the last on view
    }
    QString pageText(int k) const {
        const auto text = s->pages().page(static_cast<std::size_t>(k));
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    // The page on view when the slider, its caption and the text box agree, else 0.
    int shown() const {
        const int k = s->Slider1->value();
        return s->lblPageNow->text() == QString::number(k) && page() == pageText(k) ? k : 0;
    }
    // Holds the left button on an arrow until the slider reaches `page`, then a
    // few ticks longer (which must not fail at either end), releases it and
    // checks that nothing moves afterwards.
    bool holdUntil(QPushButton* arrow, int page) {
        QTest::mousePress(arrow, Qt::LeftButton);
        const bool reached = QTest::qWaitFor([&] { return s->Slider1->value() == page; }, 3000);
        QTest::qWait(120);
        QTest::mouseRelease(arrow, Qt::LeftButton);
        const int released = s->Slider1->value();
        QTest::qWait(120);
        return reached && s->Slider1->value() == released;
    }
};

TEST_F(PagingTest, sliderAndMenuStepsShowThePageAndNeverPageZero) {
    s->Slider1->setValue(2);
    EXPECT_EQ(shown(), 2);
    EXPECT_TRUE(page().startsWith(" 2087 2089 ")) << page().left(20);
    QTest::keyClick(s->Slider1, Qt::Key_Home); // the slider's lowest position, 0
    EXPECT_EQ(shown(), 1);
    EXPECT_TRUE(page().startsWith("2 3 5 7 11 13 "));

    // The menu steps stop at both ends.
    s->Slider1->setValue(5);
    QString seen;
    for (const QChar step : QStringLiteral("NPPPPPPN")) {
        (step == 'N' ? w->mnuNextPage : w->mnuPreviousPage)->trigger();
        seen += QString::number(shown());
    }
    EXPECT_EQ(seen, "54321112");
}

TEST_F(PagingTest, heldArrowsKeepSteppingUntilReleased) {
    s->Slider1->setValue(1);
    EXPECT_TRUE(holdUntil(s->cmdForward, 3));
    EXPECT_TRUE(holdUntil(s->NextPage, 5)); // past the last page: it stays on view
    EXPECT_EQ(shown(), 5);
    EXPECT_TRUE(holdUntil(s->cmdBack, 3));
    EXPECT_TRUE(holdUntil(s->PreviousPage, 1)); // before page 1: it stays on view
    EXPECT_EQ(shown(), 1);
    QTest::mouseClick(s->cmdForward, Qt::LeftButton); // shorter than a tick
    QTest::qWait(80);
    EXPECT_EQ(shown(), 1);
}

TEST_F(PagingTest, arrowsStartOnTheLeftButtonAndOnlyTheFirstBackArrowStopsOnAny) {
    // The running timer (1 back, 2 forward, - none) after each step: a press (small
    // letter) or release (capital) of the right or left button.
    QString seen;
    for (QPushButton* arrow : {s->cmdBack, s->PreviousPage, s->cmdForward, s->NextPage}) {
        for (const QChar step : QStringLiteral("rRlRL")) {
            const Qt::MouseButton button = step.toLower() == 'l' ? Qt::LeftButton : Qt::RightButton;
            step.isLower() ? QTest::mousePress(arrow, button) : QTest::mouseRelease(arrow, button);
            seen += s->Timer1->isActive() ? '1' : s->Timer2->isActive() ? '2' : '-';
        }
        seen += ' ';
    }
    EXPECT_EQ(seen, "--1-- --11- --22- --22- "); // cmdBack, PreviousPage, cmdForward, NextPage
}

TEST_F(PagingTest, goToShowsTheTypedPage) {
    // "5.5" rounds to a page that does not exist: the last one stays on view.
    const std::pair<const char*, int> cases[] = {{"2", 2}, {"02", 2},  {"2.5", 2}, {"3.5", 4},
                                                 {"1", 1}, {" 4 ", 4}, {"5", 5},   {"5.5", 5}};
    for (const auto& [typed, expected] : cases) {
        s->Slider1->setValue(expected == 1 ? 3 : 1);
        type(s->txtGoTo, typed);
        QTest::keyClick(s->txtGoTo, Qt::Key_Enter, Qt::KeypadModifier); // presses Go To
        EXPECT_EQ(s->Slider1->value(), expected) << typed;
        EXPECT_EQ(page(), pageText(expected)) << typed;
        EXPECT_EQ(s->lblPageNow->text(), typed); // exactly as typed
    }
}

TEST_F(PagingTest, goToRefusesPagesOutsideTheResults) {
    const char* const invalid = "Please enter a valid page number!";
    const char* const low = "Please enter a page number greater than 1!";
    const std::pair<const char*, const char*> cases[] = {
        {"abc", invalid}, {"", invalid}, {"6", invalid}, {"1e9", invalid},
        {"0", low},       {"0.9", low},  {"-2", low}};
    s->Slider1->setValue(3);
    for (const auto& [typed, message] : cases) {
        type(s->txtGoTo, typed);
        EXPECT_EQ(catchMessage([&] { QTest::mouseClick(s->cmdGoTo, Qt::LeftButton); }).text,
                  message);
        EXPECT_TRUE(focusIs("txtGoTo")) << typed;
        EXPECT_EQ(shown(), 3) << typed;
    }
}

} // namespace
