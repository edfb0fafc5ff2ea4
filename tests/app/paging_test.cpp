// Moving between result pages: slider, held arrows, menu steps and "Go To".
#include "tests/app/window_fixture.h"

#include <QAction>

namespace {

class PagingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        search("0", "10000"); // five pages, the last on view
        firstPage = QString::fromLatin1(s->pages().page(1).data(),
                                        static_cast<qsizetype>(s->pages().page(1).size()));
    }
    QString pageText(std::size_t k) const {
        const auto text = s->pages().page(k);
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    // The page on view, as the slider, the caption and the text box show it.
    void expectPage(int k) {
        EXPECT_EQ(s->Slider1->value(), k);
        EXPECT_EQ(s->lblPageNow->text(), QString::number(k));
        EXPECT_EQ(s->lblPageTotal->text(), "5");
        EXPECT_EQ(page(), pageText(k));
    }
    // Holds the left button on an arrow until the slider reaches `page`, then
    // a little longer, and releases it.
    bool holdUntil(QPushButton* arrow, int page) {
        QTest::mousePress(arrow, Qt::LeftButton);
        const bool reached = QTest::qWaitFor([&] { return s->Slider1->value() == page; }, 3000);
        QTest::qWait(120); // a few more ticks, which must not fail at either end
        QTest::mouseRelease(arrow, Qt::LeftButton);
        return reached;
    }
    QString firstPage;
};

TEST_F(PagingTest, sliderShowsThePageAndNeverPageZero) {
    EXPECT_TRUE(firstPage.startsWith("2 3 5 7 11 13 "));
    s->Slider1->setValue(2);
    expectPage(2);
    EXPECT_TRUE(page().startsWith(" 2087 2089 ")) << page().left(20).toStdString();
    QTest::keyClick(s->Slider1, Qt::Key_Home); // the slider's lowest position, 0
    expectPage(1);
    EXPECT_EQ(page(), firstPage);
}

TEST_F(PagingTest, menuStepsStopAtBothEnds) {
    w->mnuNextPage->trigger();
    expectPage(5);
    w->mnuPreviousPage->trigger();
    expectPage(4);
    for (int i = 0; i < 5; ++i)
        w->mnuPreviousPage->trigger();
    expectPage(1);
    w->mnuNextPage->trigger();
    expectPage(2);
}

TEST_F(PagingTest, heldArrowsKeepSteppingUntilReleased) {
    s->Slider1->setValue(1);
    QTest::mousePress(s->cmdForward, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return s->Slider1->value() == 3; }, 3000));
    QTest::mouseRelease(s->cmdForward, Qt::LeftButton);
    EXPECT_FALSE(s->Timer2->isActive());
    const int reached = s->Slider1->value();
    QTest::qWait(120);
    EXPECT_EQ(s->Slider1->value(), reached); // stopped on release
    expectPage(reached);

    EXPECT_TRUE(holdUntil(s->NextPage, 5)); // past the last page: it stays on view
    expectPage(5);
    EXPECT_TRUE(holdUntil(s->cmdBack, 3));
    s->Slider1->setValue(4);
    EXPECT_TRUE(holdUntil(s->PreviousPage, 1)); // before page 1: it stays on view
    expectPage(1);
}

TEST_F(PagingTest, shortPressMovesNothing) {
    QTest::mouseClick(s->cmdBack, Qt::LeftButton);
    QTest::mouseClick(s->PreviousPage, Qt::LeftButton);
    QTest::qWait(80);
    expectPage(5);
    EXPECT_FALSE(s->Timer1->isActive());
}

TEST_F(PagingTest, onlyTheLeftButtonStartsAnArrow) {
    for (QPushButton* arrow : {s->cmdBack, s->PreviousPage, s->cmdForward, s->NextPage}) {
        QTest::mousePress(arrow, Qt::RightButton);
        EXPECT_FALSE(s->Timer1->isActive() || s->Timer2->isActive())
            << arrow->objectName().toStdString();
        QTest::mouseRelease(arrow, Qt::RightButton);
    }
}

TEST_F(PagingTest, releaseStopsOnAnyButtonOnlyForTheFirstBackArrow) {
    struct Case {
        QPushButton* arrow;
        QTimer* timer;
        bool stopsOnRightRelease;
    };
    const Case cases[] = {
        {s->cmdBack, s->Timer1, true},
        {s->PreviousPage, s->Timer1, false},
        {s->cmdForward, s->Timer2, false},
        {s->NextPage, s->Timer2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrow->objectName().toStdString());
        QTest::mousePress(c.arrow, Qt::LeftButton);
        EXPECT_TRUE(c.timer->isActive());
        QTest::mouseRelease(c.arrow, Qt::RightButton);
        EXPECT_EQ(c.timer->isActive(), !c.stopsOnRightRelease);
        QTest::mouseRelease(c.arrow, Qt::LeftButton);
        EXPECT_FALSE(c.timer->isActive());
    }
}

TEST_F(PagingTest, goToShowsTheTypedPage) {
    struct Case {
        const char* typed;
        int page;
    };
    const Case cases[] = {
        {"2", 2},   {"02", 2}, {"2.5", 2}, {"3.5", 4}, {"1", 1},
        {" 4 ", 4}, {"5", 5},  {"5.5", 5}, // rounds to a page that does not exist: the last one
                                           // stays on view
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        s->Slider1->setValue(c.page == 1 ? 3 : 1);
        type(s->txtGoTo, c.typed);
        QTest::mouseClick(s->cmdGoTo, Qt::LeftButton);
        EXPECT_EQ(s->Slider1->value(), c.page);
        EXPECT_EQ(page(), pageText(c.page));
        EXPECT_EQ(s->lblPageNow->text(), c.typed); // exactly as typed
    }
}

TEST_F(PagingTest, goToRefusesPagesOutsideTheResults) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"abc", "Please enter a valid page number!"},
        {"", "Please enter a valid page number!"},
        {"6", "Please enter a valid page number!"},
        {"1e9", "Please enter a valid page number!"},
        {"0", "Please enter a page number greater than 1!"},
        {"0.9", "Please enter a page number greater than 1!"},
        {"-2", "Please enter a page number greater than 1!"},
    };
    s->Slider1->setValue(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        type(s->txtGoTo, c.typed);
        const SeenMessage seen =
            catchMessage([&] { QTest::mouseClick(s->cmdGoTo, Qt::LeftButton); });
        EXPECT_EQ(seen.text, c.message);
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(focusIs(s->txtGoTo));
        EXPECT_EQ(defaultButton(), s->cmdGoTo);
        expectPage(3);
    }
}

TEST_F(PagingTest, enterInTheGoToBoxPressesGoTo) {
    type(s->txtGoTo, "3");
    QTest::keyClick(s->txtGoTo, Qt::Key_Return);
    expectPage(3);
}

} // namespace
