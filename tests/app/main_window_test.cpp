// The main window: start-up state, menus, the tab switch, the About window and
// the end of the program.
#include "tests/app/window_fixture.h"

#include "app/about_window.h"
#include "calc/calc_frame.h"
#include "factor/factor_frame.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, opensOnTheSearchTabWithSearchAsDefault) {
    EXPECT_EQ(w->objectName(), "frmMain");
    EXPECT_EQ(w->windowTitle(), "Korvane 6");
    EXPECT_FALSE(w->windowIcon().isNull()); // the icon is built into the program
    ASSERT_EQ(w->TabStrip1->count(), 3);
    EXPECT_EQ(w->TabStrip1->tabText(0), "Primes Search");
    EXPECT_EQ(w->TabStrip1->tabText(1), "Calculator");
    EXPECT_EQ(w->TabStrip1->tabText(2), "Factor a Number");
    EXPECT_EQ(w->TabStrip1->currentIndex(), 0);
    EXPECT_TRUE(w->BigFrame_1->isVisible());
    EXPECT_FALSE(w->BigFrame_2->isVisible());
    EXPECT_FALSE(w->BigFrame_3->isVisible());
    EXPECT_EQ(w->CurrentTab, 0);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
    // The To box is made with "10000"; the Reset at start-up puts "1000".
    EXPECT_EQ(s->txtFrom->text(), "0");
    EXPECT_EQ(s->txtTo->text(), "1000");
    EXPECT_EQ(s->txtGoTo->text(), "1");
}

TEST_F(MainWindowTest, menusHaveTheirCaptionsNoShortcutsAndStartUpStates) {
    const auto items = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions()) {
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
            list << (a->isSeparator() ? QStringLiteral("-")
                                      : a->text() + (a->isEnabled() ? "" : " (off)"));
        }
        return menu->title() + ": " + list.join(" | ");
    };
    EXPECT_EQ(items(w->mnuFile), "&File: &Save (off) | - | E&xit");
    EXPECT_EQ(items(w->mnuView),
              "&View: &Reset | &Clear (off) | &Copy (off) | - | &Next Page | &Previous Page");
    EXPECT_EQ(items(w->mnuHelp), "&Help: &About");
    for (QAction* a : {w->mnuSave, w->mnuSep1, w->mnuExit, w->mnuReset, w->mnuClear, w->mnuCopy,
                       w->mnuSep2, w->mnuNextPage, w->mnuPreviousPage, w->mnuAbout})
        EXPECT_TRUE(a->objectName().startsWith("mnu"));
}

TEST_F(MainWindowTest, searchTabStartsInTheResetState) {
    const std::pair<const char*, const char*> captions[] = {{"cmdCalculate", "SEARCH"},
                                                            {"cmdClear", "&Clear"},
                                                            {"cmdReset", "&Reset"},
                                                            {"cmdSave", "&Save"},
                                                            {"cmdCopy", "C&opy"},
                                                            {"cmdGoTo", "Go To"},
                                                            {"cmdBack", "<"},
                                                            {"PreviousPage", "<"},
                                                            {"cmdForward", ">"},
                                                            {"NextPage", ">"},
                                                            {"lblSearch", "Ready to begin search"},
                                                            {"lblTime", " 0 sec."},
                                                            {"lblPrimes", "0"},
                                                            {"lblPercent", "0"},
                                                            {"lblPageNow", "1"},
                                                            {"lblPageTotal", "1"}};
    for (const auto& [name, caption] : captions) {
        auto* widget = child<QWidget>(w.get(), name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->property("text").toString(), caption) << name;
    }
    EXPECT_EQ(s->cmdCalculate->toolTip(), "Get your results");
    EXPECT_EQ(s->cmdClear->toolTip(), "Clear screen");
    EXPECT_EQ(s->cmdReset->toolTip(), "Reset to default");
    EXPECT_EQ(states(), "+-+-- ---");
    EXPECT_EQ(statusColour(s->lblSearch), StatusColour::Idle);
    EXPECT_EQ(s->txtFrom->maxLength(), 10);
    EXPECT_EQ(s->txtTo->maxLength(), 10);
    EXPECT_EQ(s->txtGoTo->maxLength(), 5);
    EXPECT_TRUE(s->txtPrimes->isReadOnly());
    EXPECT_EQ(s->Slider1->minimum(), 0);
    EXPECT_EQ(s->Slider1->maximum(), 1);
    EXPECT_EQ(s->Slider1->value(), 1);
    EXPECT_EQ(child<QGroupBox>(w.get(), "fraViewing")->title(), "Viewing page...");
    EXPECT_EQ(child<QGroupBox>(w.get(), "fraGoTo")->title(), "Go to page:");
}

class TabSwitchTest : public WindowTest {
  protected:
    void release(int tab, Qt::MouseButton button) {
        QTest::mouseClick(w->TabStrip1, button, {}, w->TabStrip1->tabRect(tab - 1).center());
    }
    int visibleFrame() const {
        int shown = 0;
        int count = 0;
        const QWidget* frames[] = {w->BigFrame_1, w->BigFrame_2, w->BigFrame_3};
        for (int i = 0; i < 3; ++i)
            if (frames[i]->isVisible()) {
                shown = i + 1;
                ++count;
            }
        return count == 1 ? shown : -count;
    }
};

TEST_F(TabSwitchTest, leftReleaseShowsTheFrameWithItsDefaultAndFocus) {
    release(2, Qt::LeftButton);
    EXPECT_EQ(visibleFrame(), 2);
    EXPECT_EQ(w->CurrentTab, 2);
    EXPECT_EQ(defaultButton(), w->BigFrame_2->cmdEquals);
    EXPECT_EQ(focus(), w->BigFrame_2->cmdEquals);

    release(3, Qt::LeftButton);
    EXPECT_EQ(visibleFrame(), 3);
    EXPECT_EQ(w->CurrentTab, 3);
    EXPECT_EQ(defaultButton(), w->BigFrame_3->cmdFactor);
    EXPECT_EQ(focus(), w->BigFrame_3->txtNumber);

    release(1, Qt::LeftButton);
    EXPECT_EQ(visibleFrame(), 1);
    EXPECT_EQ(w->CurrentTab, 1);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
}

TEST_F(TabSwitchTest, searchTabGivesNoControlTheFocus) {
    s->txtGoTo->setFocus();
    s->cmdGoTo->setFocus(); // Go To is now the default, the focus on a button
    release(1, Qt::LeftButton);
    EXPECT_EQ(defaultButton(), s->cmdCalculate);
    EXPECT_EQ(focus(), s->cmdGoTo);
}

TEST_F(TabSwitchTest, rightReleaseKeepsTheFrameButAppliesTheRule) {
    release(2, Qt::LeftButton);
    w->defaultButton().set(nullptr);
    w->BigFrame_2->cmdEquals->clearFocus();

    release(3, Qt::RightButton);
    EXPECT_EQ(w->TabStrip1->currentIndex(), 1);
    EXPECT_EQ(visibleFrame(), 2);
    EXPECT_EQ(w->CurrentTab, 2);
    EXPECT_EQ(defaultButton(), w->BigFrame_2->cmdEquals);
    EXPECT_EQ(focus(), w->BigFrame_2->cmdEquals);
}

TEST_F(TabSwitchTest, reclickingTheSelectedTabAppliesTheRuleAgain) {
    release(3, Qt::LeftButton);
    s->txtGoTo->setFocus(); // hidden: the focus goes nowhere useful
    w->defaultButton().set(nullptr);
    release(3, Qt::LeftButton);
    EXPECT_EQ(visibleFrame(), 3);
    EXPECT_EQ(defaultButton(), w->BigFrame_3->cmdFactor);
    EXPECT_EQ(focus(), w->BigFrame_3->txtNumber);
}

TEST_F(TabSwitchTest, wheelOverTheStripChangesNoTab) {
    QWheelEvent wheel(QPointF(10, 5), w->TabStrip1->mapToGlobal(QPointF(10, 5)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->TabStrip1, &wheel);
    EXPECT_EQ(w->TabStrip1->currentIndex(), 0);
    EXPECT_EQ(visibleFrame(), 1);
}

TEST_F(MainWindowTest, aboutWindowDisablesTheMainWindowUntilReturn) {
    w->mnuAbout->trigger();
    AboutWindow* about = w->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->objectName(), "About");
    EXPECT_EQ(about->windowTitle(), "About Window");
    EXPECT_FALSE(w->isEnabled());

    // Nothing of frmMain answers meanwhile.
    QTest::mouseClick(s->cmdReset, Qt::LeftButton);
    type(s->txtFrom, "5");
    EXPECT_EQ(s->txtFrom->text(), "0");

    auto* back = child<QPushButton>(about, "cmdReturnToProgram");
    EXPECT_EQ(back->text(), "&Return to Program");
    EXPECT_EQ(back->toolTip(), "Return to Program");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w->isEnabled());

    w->mnuAbout->trigger();
    EXPECT_EQ(w->aboutWindow(), about); // the same window again
    EXPECT_FALSE(w->isEnabled());
}

TEST_F(MainWindowTest, aboutWindowCloseButtonIsAWayBack) {
    w->mnuAbout->trigger();
    AboutWindow* about = w->aboutWindow();
    about->close();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(w->aboutWindow(), about);
}

TEST_F(MainWindowTest, aboutWindowEnterReturnsToProgram) {
    w->mnuAbout->trigger();
    AboutWindow* about = w->aboutWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(MainWindowTest, aboutWindowShowsTheProductDetails) {
    w->mnuAbout->trigger();
    AboutWindow* about = w->aboutWindow();
    const std::pair<const char*, const char*> texts[] = {
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
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(child<QLabel>(about, name)->text(), text) << name;
    EXPECT_EQ(child<QGroupBox>(about, "Frame1")->title(), "Program's Information:");
}

// Runs the event loop until the program ends it, or fails after two seconds.
int runUntilEnd(const std::function<void()>& action) {
    QTimer guard; // dies with this call, so it cannot end a later test's loop
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
    guard.start(2000);
    QTimer::singleShot(0, &guard, action);
    return QApplication::exec();
}

TEST(ProgramEndTest, exitEndsTheProgramAtOnceWithPagesHeld) {
    MainWindow frmMain;
    frmMain.show();
    frmMain.BigFrame_1->cmdCalculate->click();
    EXPECT_EQ(runUntilEnd([&] { frmMain.mnuExit->trigger(); }), 0);
}

TEST(ProgramEndTest, closingTheMainWindowEndsTheProgramWithAboutOpen) {
    MainWindow frmMain;
    frmMain.show();
    frmMain.mnuAbout->trigger();
    EXPECT_EQ(runUntilEnd([&] { frmMain.close(); }), 0);
}

} // namespace
