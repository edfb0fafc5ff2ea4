// The main window: start-up state, the tabs by mouse and keyboard, and the
// About window.
#include "tests/app/window_fixture.h"

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, opensOnTheSearchTabInTheResetState) {
    EXPECT_EQ(shownFrame(), 1);
    // The To box is made with "10000"; the Reset at start-up puts "1000".
    expectTexts({{"txtFrom", "0"}, {"txtTo", "1000"}, {"txtGoTo", "1"}});
    for (const auto& [box, most] : {std::pair{"txtFrom", 20}, {"txtTo", 20}, {"txtGoTo", 6}})
        EXPECT_EQ(get<QLineEdit>(box)->maxLength(), most) << box;
    expectNoResults();
}

// Only a left release switches frames, but every release sets the frame's
// default and focus again, since pressing the strip took them away. Each key
// lands where a left release would.
TEST_F(MainWindowTest, theMouseAndKeyboardReachEveryTabWithItsDefaultAndFocus) {
    const auto release = [&](int tab, Qt::MouseButton button) {
        return [=, this] {
            for (QPushButton* other : w->findChildren<QPushButton*>())
                other->setDefault(false);
            w->TabStrip1->setFocus();
            w->TabStrip1->setCurrentIndex(tab - 1); // as the arrow keys may, ahead of the frames
            QTest::mouseClick(w->TabStrip1, button, {}, w->TabStrip1->tabRect(tab - 1).center());
        };
    };
    const auto press = [&](QKeyCombination keys) { return [=, this] { key(keys); }; };
    // clang-format off
    const std::tuple<const char*, std::function<void()>, int, const char*, const char*> rows[] = {
        {"left on Calculator", release(2, Qt::LeftButton), 2, "cmdEquals", "cmdEquals"},
        {"right on Factor", release(3, Qt::RightButton), 2, "cmdEquals", "cmdEquals"},
        {"left on Factor", release(3, Qt::LeftButton), 3, "cmdFactor", "txtNumber"},
        {"left on Search", release(1, Qt::LeftButton), 1, "cmdCalculate", "TabStrip1"},
        {"Ctrl+Tab", press(Qt::CTRL | Qt::Key_Tab), 2, "cmdEquals", "cmdEquals"},
        {"Ctrl+PgDown", press(Qt::CTRL | Qt::Key_PageDown), 3, "cmdFactor", "txtNumber"},
        {"Ctrl+Tab wraps", press(Qt::CTRL | Qt::Key_Tab), 1, "cmdCalculate", ""},
        {"Ctrl+Shift+Tab wraps", press(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), 3, "cmdFactor", "txtNumber"},
        {"Ctrl+PgUp", press(Qt::CTRL | Qt::Key_PageUp), 2, "cmdEquals", "cmdEquals"}};
    // clang-format on
    for (const auto& [name, act, shown, defaultName, focusName] : rows) {
        SCOPED_TRACE(name);
        act();
        EXPECT_EQ(shownFrame(), shown);
        EXPECT_EQ(defaultButton(), defaultName);
        EXPECT_TRUE(!*focusName || focusIs(focusName)) << focus();
    }
}

// Return presses "&Return to Program", Escape leaves the same way, back where
// the user was. About credits each library with its licence.
TEST_F(MainWindowTest, aboutCreditsEveryLibraryAndReturnsToWhereTheUserWas) {
    for (const Qt::Key leave : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(QKeySequence(leave).toString());
        get("txtGoTo")->setFocus(); // the user was about to press Go To
        const Controls about = openFrom(w->mnuAbout, "About");
        EXPECT_FALSE(w->isEnabled()) << "the main window waits";
        // clang-format off
        about.expectTexts({{"lblLicence", "Korvane 6 is distributed under the MIT licence (MIT)."},
            {"lblQt", "Qt 6 (LGPL-3.0)"}, {"lblPrimesieve", "primesieve (BSD-2-Clause)"},
            {"lblFlint", "FLINT (LGPL-2.1-or-later)"}, {"lblGmp", "GMP (LGPL-3.0-or-later)"},
            {"lblMpfr", "MPFR (LGPL-3.0-or-later)"},
            {"lblLicenceTexts", "Full licence texts: /usr/share/doc/<package>/copyright"}});
        // clang-format on
        about.key(leave);
        EXPECT_FALSE(about.root->isVisible());
        EXPECT_TRUE(focusIs("txtGoTo"));
        EXPECT_EQ(defaultButton(), "cmdGoTo");
    }
    EXPECT_EQ(w->mnuHelp->actions().value(1), w->mnuAboutQt) << "Qt's own box follows About";
}

} // namespace
