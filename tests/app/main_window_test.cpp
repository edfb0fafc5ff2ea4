// The main window: start-up state, menus, the tabs by mouse and keyboard, the
// About window and the end of the program.
#include "tests/app/window_fixture.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QSlider>

namespace {

struct MainWindowTest : WindowTest {
    // The objectNames of the visible frames.
    QString shownFrames() const {
        QStringList shown;
        for (const char* frame : {"BigFrame_1", "BigFrame_2", "BigFrame_3"})
            if (get(frame)->isVisible())
                shown << frame;
        return shown.join(u' ');
    }
    // Where the tab switch leaves the window: frame shown, tab selected in the
    // strip, CurrentTab, the default button and (unless null) the focus.
    void expectTab(const char* row, int tab, const char* defaultName, const char* focusName) {
        EXPECT_EQ(shownFrames(), QStringLiteral("BigFrame_%1").arg(tab)) << row;
        EXPECT_EQ(w->TabStrip1->currentIndex() + 1, tab) << row << ": tab selected in the strip";
        EXPECT_EQ(w->CurrentTab, tab) << row;
        EXPECT_EQ(defaultButton(), defaultName) << row << ": default button";
        if (focusName) {
            EXPECT_TRUE(focusIs(focusName)) << row << ": focus on " << focus();
        }
    }
};

TEST_F(MainWindowTest, opensOnTheSearchTabInTheResetState) {
    EXPECT_EQ(w->objectName(), "frmMain");
    EXPECT_EQ(w->windowTitle(), "Korvane 6");
    const char* const tabs[] = {"Primes Search", "Calculator", "Factor a Number"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w->TabStrip1->tabText(i), tabs[i]) << "tab " << i + 1;
    EXPECT_EQ(shownFrames(), "BigFrame_1");
    EXPECT_EQ(defaultButton(), "cmdCalculate");
    // The To box is made with "10000"; the Reset at start-up puts "1000".
    expectTexts({{"cmdCalculate", "SEARCH"},
                 {"cmdClear", "&Clear"},
                 {"cmdReset", "&Reset"},
                 {"cmdSave", "&Save"},
                 {"cmdCopy", "C&opy"},
                 {"cmdGoTo", "Go To"},
                 {"cmdBack", "<"},
                 {"PreviousPage", "<"},
                 {"cmdForward", ">"},
                 {"NextPage", ">"},
                 {"txtFrom", "0"},
                 {"txtTo", "1000"},
                 {"txtGoTo", "1"},
                 {"txtPrimes", ""},
                 {"lblTime", " 0 sec."},
                 {"lblPrimes", "0"},
                 {"lblPercent", "0"},
                 {"lblPageNow", "1"},
                 {"lblPageTotal", "1"},
                 {"fraGoTo", "Go to page:"},
                 {"fraViewing", "Viewing page..."},
                 {"lblSearch", "Ready to begin search"}});
    EXPECT_FALSE(red("lblSearch")) << "the status line is yellow";
    EXPECT_EQ(get("cmdCalculate")->toolTip(), "Get your results");
    EXPECT_EQ(get("cmdClear")->toolTip(), "Clear screen");
    EXPECT_EQ(get("cmdReset")->toolTip(), "Reset to default");
    EXPECT_EQ(get<QLineEdit>("txtFrom")->maxLength(), 20);
    EXPECT_EQ(get<QLineEdit>("txtTo")->maxLength(), 20);
    EXPECT_EQ(get<QLineEdit>("txtGoTo")->maxLength(), 6);
    EXPECT_TRUE(get<QPlainTextEdit>("txtPrimes")->isReadOnly());
    EXPECT_EQ(get<QSlider>("Slider1")->minimum(), 0);
    expectEnabled({"cmdCalculate", "cmdReset"}, true);
    expectEnabled({"cmdClear", "cmdSave", "cmdCopy", "mnuSave", "mnuCopy", "mnuClear"}, false);
}

TEST_F(MainWindowTest, menusHoldTheirItemsInOrderWithoutShortcuts) {
    const std::pair<const char*, QStringList> menus[] = {
        {"mnuFile", {"mnuSave", "mnuSep1", "mnuExit"}},
        {"mnuView",
         {"mnuReset", "mnuClear", "mnuCopy", "mnuSep2", "mnuNextPage", "mnuPreviousPage"}},
        {"mnuHelp", {"mnuAbout"}},
    };
    for (const auto& [menu, items] : menus) {
        QStringList names;
        for (const QAction* item : get<QMenu>(menu)->actions()) {
            names << item->objectName();
            EXPECT_EQ(item->isSeparator(), item->objectName().contains("Sep"))
                << item->objectName();
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName();
        }
        EXPECT_EQ(names, items) << menu;
    }
    expectTexts({{"mnuFile", "&File"},
                 {"mnuSave", "&Save"},
                 {"mnuExit", "E&xit"},
                 {"mnuView", "&View"},
                 {"mnuReset", "&Reset"},
                 {"mnuClear", "&Clear"},
                 {"mnuCopy", "&Copy"},
                 {"mnuNextPage", "&Next Page"},
                 {"mnuPreviousPage", "&Previous Page"},
                 {"mnuHelp", "&Help"},
                 {"mnuAbout", "&About"}});
}

// Each release first loses the default role and the focus, so it must give them again.
TEST_F(MainWindowTest, tabReleaseSwitchesOnTheLeftButtonOnlyButAlwaysSetsDefaultAndFocus) {
    const struct {
        const char* name;
        int tab;
        Qt::MouseButton button;
        int shown;
        const char* defaultName;
        const char* focusName;
    } rows[] = {
        {"left on Calculator", 2, Qt::LeftButton, 2, "cmdEquals", "cmdEquals"},
        {"right on Factor keeps Calculator", 3, Qt::RightButton, 2, "cmdEquals", "cmdEquals"},
        {"left on Factor", 3, Qt::LeftButton, 3, "cmdFactor", "txtNumber"},
        {"left on Factor again", 3, Qt::LeftButton, 3, "cmdFactor", "txtNumber"},
        {"left on Search moves no focus", 1, Qt::LeftButton, 1, "cmdCalculate", "TabStrip1"},
    };
    for (const auto& row : rows) {
        for (QPushButton* button : w->findChildren<QPushButton*>())
            button->setDefault(false);
        w->TabStrip1->setFocus();
        w->TabStrip1->setCurrentIndex(row.tab - 1); // as the arrow keys may, ahead of the frames
        QTest::mouseClick(w->TabStrip1, row.button, {},
                          w->TabStrip1->tabRect(row.tab - 1).center());
        EXPECT_EQ(shownFrames(), QStringLiteral("BigFrame_%1").arg(row.shown)) << row.name;
        EXPECT_EQ(w->CurrentTab, row.shown) << row.name;
        EXPECT_EQ(defaultButton(), row.defaultName) << row.name;
        EXPECT_EQ(focus(), row.focusName) << row.name;
    }
}

// Each row presses one key where the focus is and lands where a left release would.
TEST_F(MainWindowTest, theKeyboardReachesEveryTabInTurnAndWraps) {
    const struct {
        const char* name;
        QKeyCombination key;
        int tab;
        const char* defaultName;
        const char* focusName; // null: the focus is not moved, as by the mouse
    } rows[] = {
        {"Ctrl+Tab to Calculator", Qt::CTRL | Qt::Key_Tab, 2, "cmdEquals", "cmdEquals"},
        {"Ctrl+PgDown to Factor", Qt::CTRL | Qt::Key_PageDown, 3, "cmdFactor", "txtNumber"},
        {"Ctrl+Tab wraps to Search", Qt::CTRL | Qt::Key_Tab, 1, "cmdCalculate", nullptr},
        {"Ctrl+Shift+Tab wraps to Factor", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 3, "cmdFactor",
         "txtNumber"},
        {"Ctrl+PgUp to Calculator", Qt::CTRL | Qt::Key_PageUp, 2, "cmdEquals", "cmdEquals"},
        {"Ctrl+PgUp to Search", Qt::CTRL | Qt::Key_PageUp, 1, "cmdCalculate", nullptr},
    };
    for (const auto& row : rows) {
        key(row.key);
        expectTab(row.name, row.tab, row.defaultName, row.focusName);
    }
}

TEST_F(MainWindowTest, aboutShowsTheDetailsAndHoldsTheMainWindowUntilEachWayBack) {
    const std::pair<const char*, std::function<void(Controls&)>> ways[] = {
        {"Return to Program", [](Controls& about) { about.click("cmdReturnToProgram"); }},
        {"Enter presses Return to Program", [](Controls& about) { about.key(Qt::Key_Return); }},
        {"the frame's close button", [](Controls& about) { about.root->close(); }},
    };
    get("txtGoTo")->setFocus(); // the user was about to press Go To
    for (const auto& [way, leave] : ways) {
        w->mnuAbout->trigger();
        Controls about = shownWindow("About");
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about.root; }))
            << way;
        EXPECT_FALSE(w->isEnabled()) << way << ": the main window waits";
        EXPECT_EQ(about.defaultButton(), "cmdReturnToProgram");
        leave(about);
        EXPECT_FALSE(about.root->isVisible()) << way;
        EXPECT_TRUE(w->isEnabled()) << way;
        // Back where the user was: disabling the window must not lose its focus.
        EXPECT_TRUE(focusIs("txtGoTo")) << way;
        EXPECT_EQ(defaultButton(), "cmdGoTo") << way;
    }
    w->mnuAbout->trigger();
    Controls about = shownWindow("About");
    EXPECT_EQ(about.root->windowTitle(), "About Window");
    about.expectTexts(
        {{"Frame1", "Program's Information:"},
         {"Label4", "Author/Prog."},
         {"Label9", "The Korvane 6 developers"},
         {"Label18", "Author's E-mail:"},
         {"Label17", "not published"},
         {"Label2", "Product Name:"},
         {"Label7", "Korvane"},
         {"Label3", "Version:"},
         {"Label8", "6.0 Final"},
         {"Label14", "Language:"},
         {"Label13", "C++ with Qt 6"},
         {"Label5", "Release Date:"},
         {"Label10", "December 2026"},
         {"Label1", "Author's Website:"},
         {"Label6", "not published"},
         {"Label11", "Send any feedback regarding this program to the author by e-mail."},
         {"Label12", "This program has been tested to search from 0 through 100 million numbers."},
         {"cmdReturnToProgram", "&Return to Program"}});
    EXPECT_EQ(about.get("cmdReturnToProgram")->toolTip(), "Return to Program");
}

// Exit, and the main window's close button, end the program at once whatever
// is open over it; no window of it is left behind.
TEST(ProgramEndTest, exitAndTheCloseButtonEndTheProgramWhateverIsOpen) {
    const char* const opened[] = {"About", "frmCopy", "Save"};
    for (const bool byExit : {true, false}) {
        for (const char* window : opened) {
            const std::string row =
                std::string(byExit ? "Exit" : "close button") + " over " + window;
            auto frmMain = std::make_unique<MainWindow>();
            frmMain->show();
            frmMain->BigFrame_1->cmdCalculate->click(); // result pages held ask for nothing
            QAction* open = window == opened[0]   ? frmMain->mnuAbout
                            : window == opened[1] ? frmMain->mnuCopy
                                                  : frmMain->mnuSave;
            open->trigger();
            ASSERT_TRUE(shownWindow(window).root) << row;
            // The timers die with the window, so they cannot end a later loop.
            QTimer::singleShot(2000, frmMain.get(), [] { QCoreApplication::exit(99); });
            QTimer::singleShot(0, frmMain.get(), [&] {
                byExit ? frmMain->mnuExit->trigger() : (void)frmMain->close();
            });
            EXPECT_EQ(QApplication::exec(), 0) << row;
            frmMain.reset(); // as main() returns
            for (const QWidget* top : QApplication::topLevelWidgets())
                EXPECT_FALSE(top->isVisible()) << row << ": " << top->objectName() << " left open";
        }
    }
}

} // namespace
