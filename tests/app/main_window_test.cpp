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
    expectNoResults(false);
    EXPECT_TRUE(get<QPlainTextEdit>("txtPrimes")->isReadOnly());
}

// The keys stay with the boxes and the calculator: no menu item takes one.
TEST_F(MainWindowTest, noMenuItemHasAShortcutKey) {
    for (const char* menu : {"mnuFile", "mnuView", "mnuHelp"})
        for (const QAction* item : get<QMenu>(menu)->actions())
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName();
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

TEST_F(MainWindowTest, aboutHoldsTheMainWindowUntilEnterReturnsToWhereTheUserWas) {
    get("txtGoTo")->setFocus(); // the user was about to press Go To
    const Controls about = openFrom(w->mnuAbout, "About");
    EXPECT_FALSE(w->isEnabled()) << "the main window waits";
    EXPECT_EQ(about.defaultButton(), "cmdReturnToProgram");
    about.key(Qt::Key_Return); // presses Return to Program
    EXPECT_FALSE(about.root->isVisible());
    EXPECT_TRUE(w->isEnabled());
    // Back where the user was: disabling the window must not lose its focus.
    EXPECT_TRUE(focusIs("txtGoTo"));
    EXPECT_EQ(defaultButton(), "cmdGoTo");
}

} // namespace
