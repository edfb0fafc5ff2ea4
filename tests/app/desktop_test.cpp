// The program among the desktop's others: every window read by a screen
// reader, the main window's place kept from one run to the next, and boxes
// wide enough for the longest number they take.
#include "tests/app/window_fixture.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using DesktopTest = WindowTest;

TEST_F(DesktopTest, everyWindowNamesEachControlForAScreenReader) {
    // The two pairs of page arrows do the same, and are named alike.
    const QStringList arrows{"Previous page", "Next page"};
    expectEveryFocusableControlNamed(w.get(), arrows);
    // clang-format off
    const std::pair<const char*, const char*> spoken[] = {
        {"txtFrom", "From:"}, {"txtTo", "To:"}, {"txtGoTo", "Go to page:"}, {"txtPrimes", "Result page"},
        {"Slider1", "Page slider"}, {"cmdBack", "Previous page"}, {"PreviousPage", "Previous page"},
        {"cmdForward", "Next page"}, {"NextPage", "Next page"}, {"txtResult", "Calculator display"},
        {"cmdSign_0", "Multiply"}, {"cmdSign_1", "Divide"}, {"cmdSign_2", "Add"}, {"cmdSign_3", "Subtract"},
        {"cmdNumber_10", "Decimal point"}, {"cmdSpecial_0", "Reciprocal"}, {"cmdSpecial_1", "Square"},
        {"cmdSpecial_2", "Square root"}, {"cmdSpecial_3", "Pi"}, {"cmdEquals", "Equals"},
        {"txtNumber", "Enter a numer: (20 digits max)"}, {"Combo1", "Divisor list"}};
    // clang-format on
    for (const auto& [control, name] : spoken)
        EXPECT_EQ(accessibleName(get(control)), name) << "the spoken name of " << control;
    // A symbol's button keeps its caption.
    expectTexts(
        {{"cmdBack", "<"}, {"cmdSign_0", "*"}, {"cmdSpecial_1", "x^2"}, {"cmdEquals", "="}});

    click("cmdCalculate"); // result pages to copy and save
    const std::tuple<const char*, const char*, const char*> dialogNames[] = {
        {"frmCopy", "Text1", "Beginning page"},
        {"frmCopy", "Text2", "Ending page"},
        {"Save", "txtFrom", "From page:"},
        {"Save", "txtTo", "To page:"},
        {"Save", "Drives", "Drive"},
        {"Save", "Directory", "Folder"},
        {"Save", "txtLocation", "Save location"}};
    const std::pair<QAction*, const char*> dialogs[] = {
        {w->mnuCopy, "frmCopy"}, {w->mnuSave, "Save"}, {w->mnuAbout, "About"}};
    for (const auto& [open, name] : dialogs) {
        SCOPED_TRACE(name);
        open->trigger();
        QWidget* dialog = shownWindow(name).root;
        ASSERT_NE(dialog, nullptr);
        expectEveryFocusableControlNamed(dialog);
        for (const auto& [window, control, spokenName] : dialogNames) {
            if (name != std::string(window))
                continue;
            QWidget* found = Controls{dialog}.get(control);
            // Here a combo box is spoken as its current item, its own name
            // serving the platforms that read it.
            EXPECT_EQ(qobject_cast<QComboBox*>(found) ? found->accessibleName()
                                                      : accessibleName(found),
                      spokenName)
                << "the spoken name of " << control;
        }
        dialog->close();
    }
}

// The main window's settings in a folder of the test's own while it lives.
struct TemporarySettings {
    QTemporaryDir folder;
    TemporarySettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    ~TemporarySettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    bool written() const { return QFileInfo::exists(folder.filePath("Korvane/korvane6.conf")); }
};

TEST(WindowPlaceTest, exitAndTheCloseButtonKeepSizePlaceAndMaximizedForTheNextRun) {
    const QRect place(40, 30, 700, 520);
    for (const auto& [byExit, maximized] : {std::pair{true, false}, {false, false}, {true, true}}) {
        SCOPED_TRACE(std::string(byExit ? "Exit" : "close button") +
                     (maximized ? ", maximized" : ""));
        const TemporarySettings settings;
        {
            MainWindow first;
            first.setGeometry(place);
            maximized ? first.showMaximized() : first.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
            byExit ? first.mnuExit->trigger() : (void)first.close();
        }
        ASSERT_TRUE(settings.written());
        const MainWindow next; // restored when made, before it is shown
        EXPECT_EQ(next.isMaximized(), maximized);
        EXPECT_EQ(next.normalGeometry().size(), place.size());
        EXPECT_EQ(next.normalGeometry().topLeft(), place.topLeft());
    }
}

TEST(WindowPlaceTest, aWindowWithNothingKeptOpensAtItsDefaultPlace) {
    const TemporarySettings settings;
    const MainWindow frmMain;
    EXPECT_FALSE(frmMain.isMaximized());
    EXPECT_GE(frmMain.width(), 820);
    EXPECT_FALSE(settings.written()) << "opening writes nothing";
}

// Measured as the box lays out its text: the style's text area, less the
// text margins and the two pixels the box keeps each side.
TEST_F(DesktopTest, boundAndPageBoxesShowTheirLongestNumberWhole) {
    for (const auto& [box, longest] : {std::pair{"txtFrom", "99999999999999999999"},
                                       {"txtTo", "99999999999999999999"},
                                       {"txtGoTo", "500000"}}) {
        auto* edit = get<QLineEdit>(box);
        QStyleOptionFrame panel;
        panel.initFrom(edit);
        panel.rect = edit->contentsRect();
        panel.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, edit);
        const QRect area = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, edit)
                               .marginsRemoved(edit->textMargins());
        // One more pixel for the cursor after the last digit.
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(longest) + 1, area.width() - 4) << box;
    }
}

} // namespace
