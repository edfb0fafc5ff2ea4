// "Find a Number": when the menu and Ctrl+F offer it, the window's controls,
// its answers and the page they put on view, and the ways back.
#include "search/page_navigator.h"
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

#include <new>

namespace {

struct FindTest : WindowTest {
    Controls openFind() { return openFrom(w->mnuFind, "frmFind"); }
    // Types the number and presses Enter, as a user would.
    QString find(const Controls& window, const QString& number) const {
        window.type("txtFind", number);
        window.key(Qt::Key_Return);
        return window.text("lblFindResult");
    }
    QPlainTextEdit* view() const { return get<QPlainTextEdit>("txtPrimes"); }
    // Whether Ctrl+F opened Find (then closed by its Close button).
    bool ctrlFOpens() {
        key(Qt::CTRL | Qt::Key_F);
        const bool opened = !w->isEnabled();
        if (opened)
            shownWindow("frmFind").click("cmdClose");
        return opened;
    }
};

// The item follows Statistics and is on exactly with it; Ctrl+F, the only
// shortcut of the menus, finds from the search tab only.
TEST_F(FindTest, theItemFollowsStatisticsAndCtrlFFindsFromTheSearchTabOnly) {
    const QList<QAction*> items = get<QMenu>("mnuView")->actions();
    EXPECT_EQ(items.value(items.indexOf(w->mnuFind) - 1), w->mnuStatistics) << "after Statistics";
    EXPECT_EQ(w->mnuFind->text(), "&Find Number...");
    for (const char* menu : {"mnuFile", "mnuView", "mnuHelp"})
        for (const QAction* item : get<QMenu>(menu)->actions())
            EXPECT_EQ(item->shortcut().toString(), item == w->mnuFind ? "Ctrl+F" : "")
                << item->objectName();
    EXPECT_FALSE(enabled("mnuFind") || enabled("mnuStatistics")) << "off at start-up";
    search("0", "1000");
    EXPECT_TRUE(enabled("mnuFind") && enabled("mnuStatistics")) << "on after a search";
    showTab(2);
    EXPECT_FALSE(ctrlFOpens()) << "on the calculator tab";
    showTab(1);
    EXPECT_TRUE(ctrlFOpens()) << "on the search tab";
    click("cmdReset");
    EXPECT_FALSE(enabled("mnuFind") || enabled("mnuStatistics")) << "off after Reset";
    EXPECT_FALSE(ctrlFOpens()) << "after Reset";
}

// It keeps the answer between Finds and opens empty; it refuses a paste that
// would not fit, as the bound boxes do.
TEST_F(FindTest, opensEmptyWithItsControlsAndKeepsTheAnswerUntilItCloses) {
    search("0", "1000000");
    const Controls f = openFind();
    EXPECT_EQ(f.root->windowTitle(), "Find a Number");
    EXPECT_FALSE(w->isEnabled()) << "the main window waits";
    f.expectTexts(
        {{"txtFind", ""}, {"lblFindResult", ""}, {"cmdFind", "&Find"}, {"cmdClose", "Close"}});
    EXPECT_EQ(accessibleName(f.get("txtFind")), "Number:");
    EXPECT_TRUE(f.focusIs("txtFind"));
    EXPECT_EQ(f.defaultButton(), "cmdFind");
    EXPECT_TRUE(f.get<QLabel>("lblFindResult")->textInteractionFlags() & Qt::TextSelectableByMouse);
    find(f, "1000");
    f.click("cmdFind");
    int beeps = 0;
    setRefusalSound([&] { ++beeps; });
    QGuiApplication::clipboard()->setText(QString(21, u'9'));
    QTest::keyClick(f.get("txtFind"), Qt::Key_V, Qt::ControlModifier);
    setRefusalSound({});
    EXPECT_EQ(beeps, 1) << "the paste refused";
    f.expectTexts({{"txtFind", "1000"}});
    // A page that cannot be made is reported over Find, which stays usable.
    s()->navigator().setPageMaker([this](std::size_t k) -> std::string {
        if (k == 45)
            throw std::bad_alloc();
        return s()->pages().page(k);
    });
    EXPECT_EQ(catchMessage([&] { find(f, "104729"); }).text,
              "The page could not be shown: not enough memory.");
    EXPECT_EQ(f.text("lblFindResult"), "104729 is the 10000th prime listed, on page 45.");
    expectTexts({{"lblPageNow", "1"}});
    EXPECT_TRUE(f.becomesActive()) << "Find takes the activation back";
    f.key(Qt::Key_Escape);
    EXPECT_FALSE(f.root->isVisible());
    EXPECT_TRUE(w->isEnabled() && becomesActive());
    openFind().expectTexts({{"txtFind", ""}, {"lblFindResult", ""}}); // empty when opened again
}

// Each kind of answer; one that names a listed prime moves to its page as any
// page move does, with the number selected where the view shows it. Primes of
// 11 digits never close their page, so the one page runs to 52 KB.
TEST_F(FindTest, answersAndGoesToThePageOfThePrimeItNames) {
    const struct {
        const char *from, *to, *typed, *answer, *selected;
        int page;
    } rows[] = {
        // clang-format off
        {"0", "1000000", "2000000", "2000000 is outside the searched range, 0 to 1000000.", "", 0},
        {"0", "1000000", "104729", "104729 is the 10000th prime listed, on page 45.", "104729", 45},
        {"0", "1000000", "1000", "1000 is not prime; the nearest primes listed are 997 (page 1) and 1009 (page 1).",
         "997", 1},
        {"0", "1000", "1", "1 is not prime; the nearest prime listed is 2 (page 1).", "2", 1},
        {"10000000000", "10000100000", "10000099999", "10000099999 is the 4306th prime listed, on page 1.",
         "10000099999", 1}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        click("cmdReset");
        search(row.from, row.to);
        const int before = get<QSlider>("Slider1")->value();
        view()->verticalScrollBar()->setValue(0);
        const Controls f = openFind();
        EXPECT_EQ(find(f, row.typed), row.answer);
        const int k = row.page ? row.page : before;
        EXPECT_EQ(get<QSlider>("Slider1")->value(), k);
        EXPECT_EQ(text("lblPageNow"), QString::number(k));
        EXPECT_EQ(view()->textCursor().selectedText(), row.selected);
        EXPECT_TRUE(view()->viewport()->rect().contains(view()->cursorRect())) << "in view";
        f.click("cmdClose");
    }
}

} // namespace
