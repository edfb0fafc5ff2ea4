// The main window: start-up state, menus, the tabs by mouse and keyboard and
// the About window; and pasting into the boxes with a
// length limit, where a paste or drop that would not fit whole is refused with
// a beep by every route, and one that fits (in place of the selection) goes in.
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

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

using Paste = std::function<void(QLineEdit* box, const QString& text)>;

Paste byKeys(QKeyCombination keys) {
    return [keys](QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    };
}

void byMenu(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, {2, 2}, box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the context menu is open";
    for (QAction* item : menu->actions())
        if (item->text().startsWith("&Paste"))
            item->trigger();
    menu->close();
}

// Dragged in from elsewhere and dropped after the text.
void byDrop(QLineEdit* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint end(box->width() - 2, box->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
        QApplication::sendEvent(box, event);
}

// The system's selection, pasted after the text where the platform has one.
void byMiddleClick(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 2, box->height() / 2));
}

TEST_F(MainWindowTest, aPasteThatWouldNotFitWholeIsRefusedByEveryRoute) {
    int beeps = 0;
    setRefusalSound([&] { ++beeps; });
    // Whether the route inserts after the text rather than over the selection.
    std::vector<std::tuple<const char*, Paste, bool>> routes = {
        {"Ctrl+V", byKeys(Qt::CTRL | Qt::Key_V), false},
        {"Shift+Insert", byKeys(Qt::SHIFT | Qt::Key_Insert), false},
        {"context menu", byMenu, false},
        {"drop", byDrop, true}};
    if (QGuiApplication::clipboard()->supportsSelection())
        routes.emplace_back("middle click", byMiddleClick, true);
    for (const auto& [name, tab] :
         {std::pair{"txtFrom", 1}, {"txtTo", 1}, {"txtGoTo", 1}, {"txtNumber", 3}}) {
        showTab(tab);
        auto* box = get<QLineEdit>(name);
        const int most = box->maxLength();
        for (const auto& [routeName, paste, atEnd] : routes) {
            SCOPED_TRACE(std::string(name) + " by " + routeName);
            box->setText("12");
            box->setCursorPosition(1);
            const int before = beeps;
            paste(box, QString(most - 1, u'9')); // one too many
            EXPECT_EQ(box->text(), "12");
            EXPECT_EQ(box->cursorPosition(), 1) << "the cursor stays";
            EXPECT_EQ(beeps, before + 1) << "one beep";
            box->selectAll();
            paste(box, QString(atEnd ? most - 2 : most, u'7')); // exactly fills the box
            EXPECT_EQ(box->text(), atEnd ? "12" + QString(most - 2, u'7') : QString(most, u'7'));
            EXPECT_EQ(beeps, before + 1) << "no beep";
        }
    }
    setRefusalSound({});
}

} // namespace
