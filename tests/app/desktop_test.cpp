// The program among the desktop's others: every window read by a screen
// reader, the main window's place kept from one run to the next, and boxes
// wide enough for the longest number they take.
#include "tests/app/window_fixture.h"

namespace {

using DesktopTest = WindowTest;

TEST_F(DesktopTest, everyWindowNamesEachControlForAScreenReader) {
    expectEveryFocusableControlNamed(w.get());
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
    const auto expectSpoken = [](const Controls& window, const auto& names) {
        for (const auto& [control, spokenName] : names) {
            // Here a combo box is spoken as its current item; its own name
            // serves the platforms that read it.
            QWidget* found = window.get(control);
            EXPECT_EQ(qobject_cast<QComboBox*>(found) ? found->accessibleName()
                                                      : accessibleName(found),
                      spokenName)
                << "the spoken name of " << control;
        }
    };
    expectSpoken(*this, spoken);

    click("cmdCalculate"); // result pages to copy and save
    using Names = std::vector<std::pair<const char*, const char*>>;
    // clang-format off
    const std::tuple<QAction*, const char*, Names> dialogs[] = {
        {w->mnuCopy, "frmCopy", {{"Text1", "Beginning page"}, {"Text2", "Ending page"}}},
        {w->mnuSave, "Save", {{"txtFrom", "From page:"}, {"txtTo", "To page:"}, {"Drives", "Drive"},
            {"Directory", "Folder"}, {"txtLocation", "Save location"},
            {"Filename", "Filename:              (use .txt or .doc extensions)"}}},
        {w->mnuAbout, "About", {}}, {w->mnuStatistics, "frmStatistics", {{"picChart", "Chart of the primes in each interval of the range"}}}};
    // clang-format on
    for (const auto& [open, name, names] : dialogs) {
        SCOPED_TRACE(name);
        const Controls dialog = openFrom(open, name);
        ASSERT_NE(dialog.root, nullptr);
        expectEveryFocusableControlNamed(dialog.root);
        expectSpoken(dialog, names);
        dialog.root->close();
    }
}

// The run keeps its settings in a folder of its own; each case starts from
// none, so that only its own save can be read back.
TEST(WindowPlaceTest, exitAndTheCloseButtonKeepSizePlaceAndMaximizedForTheNextRun) {
    const QRect place(40, 30, 700, 520);
    for (const auto& [byExit, maximized] : {std::pair{true, false}, {false, false}, {true, true}}) {
        SCOPED_TRACE(std::string(byExit ? "Exit" : "close button") +
                     (maximized ? ", maximized" : ""));
        QSettings("Korvane", "korvane6").clear();
        {
            MainWindow first;
            first.setGeometry(place);
            maximized ? first.showMaximized() : first.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
            byExit ? first.mnuExit->trigger() : (void)first.close();
        }
        ASSERT_FALSE(QSettings("Korvane", "korvane6").allKeys().isEmpty()) << "nothing saved";
        const MainWindow next; // restored when made, before it is shown
        EXPECT_EQ(next.isMaximized(), maximized);
        EXPECT_EQ(next.normalGeometry().size(), place.size());
        EXPECT_EQ(next.normalGeometry().topLeft(), place.topLeft());
    }
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
