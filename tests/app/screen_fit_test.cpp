// On a screen of 800 x 500 (1600 x 1000 at scale 2) every window opens on the
// screen, centred over the main window and in front of it, every control
// whole; the page view and the chart give up height first; a larger kept
// place is fitted.
#include "tests/app/every_window.h"

namespace {

using ScreenFitTest = WindowTest;

// Every shown control lies inside its window, and no two shown controls side
// by side overlap; a window at least its layout's minimum cuts no control.
void expectControlsWhole(QWidget* window) {
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << "on the screen";
    EXPECT_GE(window->width(), window->minimumSizeHint().width()) << "no control cut";
    EXPECT_GE(window->height(), window->minimumSizeHint().height()) << "no control cut";
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->isWindow())
            continue;
        const QRect place(control->mapTo(window, QPoint()), control->size());
        EXPECT_TRUE(window->rect().contains(place)) << control->objectName() << " inside";
        for (QObject* sibling : control->parent()->children()) {
            auto* other = qobject_cast<QWidget*>(sibling);
            if (other && other != control && other->isVisible() && !other->isWindow()) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << control->objectName() << " overlaps " << other->objectName();
            }
        }
    }
}

TEST_F(ScreenFitTest, everyWindowOpensOnTheScreenCentredOverTheMainWindowWithEveryControlWhole) {
    const QRect area = w->screen()->availableGeometry();
    ASSERT_EQ(area.size(), QSize(800, 500)) << "run on the offscreen screen of 800 x 500";
    click("cmdCalculate");
    const auto opened = [](QWidget* window) {
        expectControlsWhole(window);
        // The page view and the chart give up height first; the others keep
        // at least their minimum, as checked above.
        for (const char* first : {"txtPrimes", "picChart"})
            if (const auto* shrinks = window->findChild<QWidget*>(first);
                shrinks && shrinks->window() == window) {
                EXPECT_LT(shrinks->height(), shrinks->sizeHint().height()) << first;
            }
    };
    opened(w.get());
    w->setGeometry(120, 60, 520, 360); // off the centre, so that centring shows
    forEveryWindow(*this, [&](QWidget* window, int tab) {
        if (tab)
            return expectControlsWhole(window);
        opened(window);
        EXPECT_EQ(window->windowHandle()->transientParent(), w->windowHandle()) << "kept in front";
        // Centred, unless that would take it off the screen.
        const QPoint centre = w->frameGeometry().center(), own = window->frameGeometry().center();
        EXPECT_NEAR(own.x(), centre.x(), 1) << "centred across";
        const bool fitsCentred = window->height() < area.height() - 2 * std::abs(centre.y() - 250);
        EXPECT_TRUE(!fitsCentred || std::abs(own.y() - centre.y()) <= 1) << "centred up and down";
    });
}

// Saved from a screen of 1280 x 1024, opened on this one.
TEST_F(ScreenFitTest, aPlaceKeptFromALargerScreenIsFittedToThisOne) {
    w->setGeometry(300, 200, 1200, 900);
    w->mnuExit->trigger(); // keeps the place
    openWindow();
    EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry()));
    EXPECT_GE(w->height(), w->minimumSizeHint().height());
}

} // namespace
