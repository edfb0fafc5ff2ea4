// The main window: start-up state, menus, the tab switch, the About window and
// the end of the program.
#include "tests/app/window_fixture.h"

#include "app/about_window.h"

namespace {

class MainWindowTest : public WindowTest {
  protected:
    // Visible frames, the strip's selected tab, CurrentTab and the default button.
    QString frames() const {
        QString out = "frames ";
        for (const char* frame : {"BigFrame_1", "BigFrame_2", "BigFrame_3"})
            out += child<QWidget>(w.get(), frame)->isVisible() ? QString(frame).right(1) : "";
        return out + ", strip " + QString::number(w->TabStrip1->currentIndex() + 1) + ", tab " +
               QString::number(w->CurrentTab) + ", default " + defaultButton();
    }
};

TEST_F(MainWindowTest, opensOnTheSearchTabInTheResetStateWithItsMenus) {
    const QTabBar* tabs = w->TabStrip1;
    EXPECT_EQ(w->objectName() + "|" + w->windowTitle() + "|" + tabs->tabText(0) + "|" +
                  tabs->tabText(1) + "|" + tabs->tabText(2),
              "frmMain|Korvane 6|Primes Search|Calculator|Factor a Number");
    EXPECT_EQ(frames(), "frames 1, strip 1, tab 0, default cmdCalculate");
    // The To box is made with "10000"; the Reset at start-up puts "1000".
    EXPECT_EQ(
        props(w.get(),
              "cmdCalculate cmdClear cmdReset cmdSave cmdCopy cmdGoTo cmdBack PreviousPage "
              "cmdForward NextPage txtFrom txtTo txtGoTo cmdCalculate.toolTip cmdClear.toolTip "
              "cmdReset.toolTip fraViewing.title fraGoTo.title txtFrom.maxLength txtTo.maxLength "
              "txtGoTo.maxLength txtPrimes.readOnly Slider1.minimum"),
        "SEARCH|&Clear|&Reset|&Save|C&opy|Go To|<|<|>|>|0|1000|1|Get your results|Clear screen|"
        "Reset to default|Viewing page...|Go to page:|20|20|6|true|0");
    EXPECT_EQ(state(),
              "Ready to begin search|yellow| 0 sec.|0|0|1 of 1|slider 1/1|+-+-- ---|cmdCalculate");

    QString menus;
    for (const QMenu* menu : {w->mnuFile, w->mnuView, w->mnuHelp}) {
        menus += menu->title() + ":";
        for (const QAction* a : menu->actions())
            menus += " " + (a->isSeparator() ? "-" : a->text() + (a->isEnabled() ? "" : " (off)")) +
                     (a->shortcut().isEmpty() ? "" : " (shortcut)");
        menus += "; ";
    }
    EXPECT_EQ(menus,
              "&File: &Save (off) - E&xit; &View: &Reset &Clear (off) &Copy (off) - &Next Page "
              "&Previous Page; &Help: &About; ");
}

TEST_F(MainWindowTest, tabReleaseSwitchesOnTheLeftButtonOnlyButAlwaysSetsDefaultAndFocus) {
    const std::tuple<int, Qt::MouseButton, const char*> steps[] = {
        {2, Qt::LeftButton, "frames 2, strip 2, tab 2, default cmdEquals, focus cmdEquals"},
        {3, Qt::RightButton, "frames 2, strip 3, tab 2, default cmdEquals, focus cmdEquals"},
        {3, Qt::LeftButton, "frames 3, strip 3, tab 3, default cmdFactor, focus txtNumber"},
        {3, Qt::LeftButton, "frames 3, strip 3, tab 3, default cmdFactor, focus txtNumber"},
        // The search tab moves the focus nowhere.
        {1, Qt::LeftButton, "frames 1, strip 1, tab 1, default cmdCalculate, focus TabStrip1"},
    };
    for (const auto& [tab, button, after] : steps) {
        w->defaultButton().set(nullptr); // so that every release must set them again
        w->TabStrip1->setFocus();
        w->TabStrip1->setCurrentIndex(tab - 1); // as the arrow keys may, ahead of the frames
        QTest::mouseClick(w->TabStrip1, button, {}, w->TabStrip1->tabRect(tab - 1).center());
        EXPECT_EQ(frames() + ", focus " + name(QApplication::focusWidget()), after);
    }
}

TEST_F(MainWindowTest, aboutWindowShowsTheDetailsAndHoldsTheMainWindowUntilEachWayBack) {
    AboutWindow* about = nullptr;
    s->txtGoTo->setFocus(); // the user was about to press Go To
    for (int way = 0; way < 3; ++way) {
        w->mnuAbout->trigger();
        about = about ? about : w->aboutWindow();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(w->aboutWindow(), about); // the same window each time
        EXPECT_TRUE(about->isVisible() && !w->isEnabled());
        if (way == 0)
            QTest::mouseClick(child<QPushButton>(about, "cmdReturnToProgram"), Qt::LeftButton);
        else if (way == 1 && QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }))
            QTest::keyClick(about, Qt::Key_Return); // its default button
        else if (way == 2)
            about->close(); // by the frame's close button
        EXPECT_TRUE(!about->isVisible() && w->isEnabled()) << way;
        // Back where the user was: disabling the window must not lose its focus.
        EXPECT_TRUE(focusIs("txtGoTo") && defaultButton() == "cmdGoTo") << way;
    }
    EXPECT_EQ(about->objectName() + "|" + about->windowTitle(), "About|About Window");
    EXPECT_EQ(props(about, "Frame1.title Label4 Label9 Label18 Label17 Label2 Label7 Label3 Label8 "
                           "Label14 Label13 Label5 Label10 Label1 Label6 Label11 Label12 "
                           "cmdReturnToProgram cmdReturnToProgram.toolTip"),
              "Program's Information:|Author/Prog.|The Korvane 6 developers|"
              "Author's E-mail:|not published|Product Name:|Korvane|Version:|6.0 Final|"
              "Language:|C++ with Qt 6|Release Date:|December 2026|Author's Website:|not published|"
              "Send any feedback regarding this program to the author by e-mail.|"
              "This program has been tested to search from 0 through 100 million numbers.|"
              "&Return to Program|Return to Program");
}

TEST(ProgramEndTest, exitAndTheCloseButtonEndTheProgramAtOnce) {
    for (const bool byExit : {true, false}) {
        MainWindow frmMain;
        frmMain.show();
        frmMain.BigFrame_1->cmdCalculate->click(); // result pages held ask for nothing
        frmMain.mnuAbout->trigger();               // nor does the About window hold it
        // The timers die with the window, so they cannot end a later loop.
        QTimer::singleShot(2000, &frmMain, [] { QCoreApplication::exit(99); });
        QTimer::singleShot(0, &frmMain,
                           [&] { byExit ? frmMain.mnuExit->trigger() : (void)frmMain.close(); });
        EXPECT_EQ(QApplication::exec(), 0) << (byExit ? "E&xit" : "close button");
    }
}

} // namespace
