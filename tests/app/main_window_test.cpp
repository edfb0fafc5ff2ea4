// The main window: start-up state, menus, the tabs by mouse and keyboard and
// the About window.
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
    EXPECT_TRUE(get<QPlainTextEdit>("txtPrimes")->isReadOnly());
}

// The keys stay with the boxes and the calculator: no menu item takes one but
// Find's Ctrl+F.
TEST_F(MainWindowTest, noMenuItemHasAShortcutKeyButFind) {
    for (const char* menu : {"mnuFile", "mnuView", "mnuHelp"})
        for (const QAction* item : get<QMenu>(menu)->actions())
            EXPECT_EQ(item->shortcut().isEmpty(), item != w->mnuFind) << item->objectName();
}

// Only a left release switches frames, but every release sets the frame's
// default and focus again, since pressing the strip took them away.
TEST_F(MainWindowTest, tabReleaseSwitchesOnTheLeftButtonOnlyButAlwaysSetsDefaultAndFocus) {
    const std::tuple<const char*, int, Qt::MouseButton, int, const char*, const char*> rows[] = {
        {"left on Calculator", 2, Qt::LeftButton, 2, "cmdEquals", "cmdEquals"},
        {"right on Factor keeps Calculator", 3, Qt::RightButton, 2, "cmdEquals", "cmdEquals"},
        {"left on Factor", 3, Qt::LeftButton, 3, "cmdFactor", "txtNumber"},
        {"left on Search moves no focus", 1, Qt::LeftButton, 1, "cmdCalculate", "TabStrip1"}};
    for (const auto& [name, tab, button, shown, defaultName, focusName] : rows) {
        SCOPED_TRACE(name);
        for (QPushButton* other : w->findChildren<QPushButton*>())
            other->setDefault(false);
        w->TabStrip1->setFocus();
        w->TabStrip1->setCurrentIndex(tab - 1); // as the arrow keys may, ahead of the frames
        QTest::mouseClick(w->TabStrip1, button, {}, w->TabStrip1->tabRect(tab - 1).center());
        EXPECT_EQ(shownFrame(), shown);
        EXPECT_EQ(defaultButton(), defaultName);
        EXPECT_EQ(focus(), focusName);
    }
}

// Each key lands where a left release on the tab would; the search tab moves no focus.
TEST_F(MainWindowTest, theKeyboardReachesEveryTabInTurnAndWraps) {
    const std::tuple<const char*, QKeyCombination, int, const char*> rows[] = {
        {"Ctrl+Tab to Calculator", Qt::CTRL | Qt::Key_Tab, 2, "cmdEquals"},
        {"Ctrl+PgDown to Factor", Qt::CTRL | Qt::Key_PageDown, 3, "cmdFactor"},
        {"Ctrl+Tab wraps to Search", Qt::CTRL | Qt::Key_Tab, 1, "cmdCalculate"},
        {"Ctrl+Shift+Tab wraps to Factor", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 3, "cmdFactor"},
        {"Ctrl+PgUp to Calculator", Qt::CTRL | Qt::Key_PageUp, 2, "cmdEquals"}};
    for (const auto& [name, pressed, tab, defaultName] : rows) {
        SCOPED_TRACE(name);
        key(pressed);
        EXPECT_EQ(shownFrame(), tab);
        EXPECT_EQ(w->TabStrip1->currentIndex() + 1, tab) << "tab selected in the strip";
        EXPECT_EQ(defaultButton(), defaultName);
        EXPECT_TRUE(tab == 1 || focusIs(tab == 2 ? "cmdEquals" : "txtNumber")) << focus();
    }
}

// Return presses "&Return to Program"; Escape leaves the same way.
TEST_F(MainWindowTest, aboutHoldsTheMainWindowUntilEnterOrEscapeReturnsToWhereTheUserWas) {
    for (const Qt::Key leave : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(QKeySequence(leave).toString().toStdString());
        get("txtGoTo")->setFocus(); // the user was about to press Go To
        const Controls about = openFrom(w->mnuAbout, "About");
        EXPECT_FALSE(w->isEnabled()) << "the main window waits";
        EXPECT_EQ(about.defaultButton(), "cmdReturnToProgram");
        about.key(leave);
        EXPECT_FALSE(about.root->isVisible());
        EXPECT_TRUE(w->isEnabled());
        // Back where the user was: disabling the window must not lose its focus.
        EXPECT_TRUE(focusIs("txtGoTo"));
        EXPECT_EQ(defaultButton(), "cmdGoTo");
    }
}

// Below its own details, About names the program's licence, each library
// with its licence, and where the full texts are; Qt's own box follows it in
// the Help menu.
TEST_F(MainWindowTest, aboutCreditsEveryLibraryAndQtsOwnBoxFollowsIt) {
    const Controls about = openFrom(w->mnuAbout, "About");
    // clang-format off
    about.expectTexts({{"lblLicence", "Korvane 6 is distributed under the MIT licence (MIT)."},
        {"lblQt", "Qt 6 (LGPL-3.0)"}, {"lblPrimesieve", "primesieve (BSD-2-Clause)"},
        {"lblFlint", "FLINT (LGPL-2.1-or-later)"}, {"lblGmp", "GMP (LGPL-3.0-or-later)"},
        {"lblMpfr", "MPFR (LGPL-3.0-or-later)"},
        {"lblLicenceTexts", "Full licence texts: /usr/share/doc/<package>/copyright"}});
    // clang-format on
    const auto top = [&](const char* name) {
        return about.get(name)->mapTo(about.root, QPoint()).y();
    };
    EXPECT_GT(top("lblLicence"), top("Label12")) << "below the program's details";
    about.click("cmdReturnToProgram");

    const QList<QAction*> help = w->mnuHelp->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[1]->objectName(), "mnuAboutQt");
    EXPECT_EQ(help[1]->text(), "About &Qt");
    const SeenMessage seen = catchMessage([&] { w->mnuAboutQt->trigger(); });
    EXPECT_EQ(seen.title, "About Qt");
}

} // namespace
