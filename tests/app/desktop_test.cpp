// The program among the desktop's others: access letters typed as a user
// would, the program's end with the main window's place kept for the next
// run, and boxes wide enough for the longest number they take.
#include "tests/app/window_fixture.h"

namespace {

using DesktopTest = WindowTest;

// Alt+F opens the File menu every time, and From has a letter of its own; in
// the View menu, C clears and O copies.
TEST_F(DesktopTest, theLettersOfTheSearchTabAndTheViewMenuDoWhatTheySay) {
    get("txtTo")->setFocus();
    for (const char* time : {"first", "again, not the From box"}) {
        key(Qt::ALT | Qt::Key_F);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_TRUE(menu && menu->objectName() == "mnuFile") << time;
        QTest::keyClick(menu, Qt::Key_Escape);
    }
    key(Qt::ALT | Qt::Key_M);
    EXPECT_TRUE(focusIs("txtFrom"));

    click("cmdCalculate");
    key(Qt::ALT | Qt::Key_V);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O);
    const Controls copy = shownWindow("frmCopy");
    ASSERT_TRUE(copy.root) << "O copies";
    copy.root->close();
    key(Qt::ALT | Qt::Key_V);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
    EXPECT_EQ(text("lblSearch"), "Ready to begin search") << "C clears";
}

// Exit, and the main window's close button, end the program at once whatever
// is open over it and leave no window of it behind; the window's size, place
// and maximized state are kept for the next run. The run keeps its settings in
// a folder of its own; each case starts from none, so that only its own save
// can be read back.
TEST(ProgramEndTest, exitAndTheCloseButtonEndTheProgramWhateverIsOpenAndKeepThePlace) {
    const QRect place(40, 30, 700, 520);
    // clang-format off
    const std::tuple<bool, bool, const char*, QAction* MainWindow::*> rows[] = {
        {true, false, "About", &MainWindow::mnuAbout}, {false, false, "frmCopy", &MainWindow::mnuCopy},
        {true, true, "Save", &MainWindow::mnuSave}};
    // clang-format on
    for (const auto& [byExit, maximized, window, item] : rows) {
        SCOPED_TRACE(window); // one row each
        QSettings("Korvane", "korvane6").clear();
        auto frmMain = std::make_unique<MainWindow>();
        frmMain->setGeometry(place);
        maximized ? frmMain->showMaximized() : frmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain.get()));
        frmMain->BigFrame_1->cmdCalculate->click(); // result pages held ask for nothing
        (frmMain.get()->*item)->trigger();
        ASSERT_TRUE(shownWindow(window).root);
        // The timers die with the window, so they cannot end a later loop.
        QTimer::singleShot(2000, frmMain.get(), [] { QCoreApplication::exit(99); });
        QTimer::singleShot(0, frmMain.get(),
                           [&] { byExit ? frmMain->mnuExit->trigger() : (void)frmMain->close(); });
        EXPECT_EQ(QApplication::exec(), 0);
        frmMain.reset(); // as main() returns
        for (const QWidget* top : QApplication::topLevelWidgets())
            EXPECT_FALSE(top->isVisible()) << top->objectName() << " left open";
        const MainWindow next; // restored when made, before it is shown
        EXPECT_EQ(next.isMaximized(), maximized);
        EXPECT_EQ(next.normalGeometry(), place);
    }
}

// As the user sees it: with the cursor after the last digit, where typing
// leaves it, the box shows exactly what it shows with the cursor before the
// first, so no digit has scrolled out of view at either end. The box draws no
// cursor without the focus, so the two pictures differ only by a scroll.
TEST_F(DesktopTest, boundAndPageBoxesShowTheirLongestNumberWholeAtAnyFontSize) {
    const QFont usual = QApplication::font();
    for (const qreal scale : {1.0, 2.5}) {
        QFont font = usual;
        font.setPointSizeF(usual.pointSizeF() * scale);
        QApplication::setFont(font);
        openWindow();
        for (const auto& [box, longest] : {std::pair{"txtFrom", "12345678901234567890"},
                                           {"txtTo", "98765432109876543210"},
                                           {"txtGoTo", "400000"}}) {
            auto* edit = get<QLineEdit>(box);
            edit->clearFocus();
            edit->setText(QString::fromLatin1(longest));
            edit->end(false);
            const QImage atEnd = edit->grab().toImage();
            edit->home(false);
            EXPECT_EQ(atEnd, edit->grab().toImage())
                << box << " at " << font.pointSizeF() << " points hides its first digit";
        }
    }
    QApplication::setFont(usual);
}

} // namespace
