// SEARCH, Clear and Reset on the "Primes Search" tab, and the default button.
#include "tests/app/window_fixture.h"

#include "export/copy_dialog.h"
#include "export/directory_list.h"
#include "export/save_dialog.h"

#include <algorithm>

namespace {

using SearchTabTest = WindowTest;

TEST_F(SearchTabTest, smallRangesFillPageOneAfterClearEmptiedIt) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"0", "10", "2 3 5 7| 4"},
        {"4", "5", " 5| 1"}, // nothing of the search before remains
        {"8", "9", "| 0"},
    };
    for (const auto& [from, to, expected] : cases) {
        search(from, to);
        EXPECT_EQ(page() + "|" + s->lblPrimes->text(), expected);
        QTest::mouseClick(s->cmdClear, Qt::LeftButton);
    }
}

TEST_F(SearchTabTest, refusedBoundsShowTheirMessageMoveTheFocusAndChangeNothing) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"abc", "x", "Enter a valid number in the From box", "txtFrom"},
        {"", "100", "Enter a valid number in the From box", "txtFrom"},
        {"0", "1,000", "Enter a valid number in the To box", "txtTo"},
        {"-1", "100", "Enter 0 or a greater number in the From box", "txtFrom"},
        {"0", "4", "Enter a number greater than 4 in the To box", "txtTo"},
        {"5", "5", "Number in the From box should be less then number in the To box!",
         "cmdCalculate"},
    };
    const QString startUp = state();
    for (const auto& [from, to, message, focus] : cases) {
        type(s->txtFrom, from);
        type(s->txtTo, to);
        const SeenMessage seen =
            catchMessage([&] { QTest::mouseClick(s->cmdCalculate, Qt::LeftButton); });
        EXPECT_EQ(seen.text + "|" + seen.title, QString(message) + "|Korvane 6");
        EXPECT_TRUE(seen.iconless && seen.okOnly);
        EXPECT_TRUE(focusIs(focus)) << message;
        EXPECT_EQ(state(), startUp);
        EXPECT_TRUE(s->pages().empty());
    }
}

// Logs the percentage at each of its repaints while a search runs, and the
// status line of the last one.
struct PaintLog : QObject {
    explicit PaintLog(SearchFrame* frame) : s(frame) { s->lblPercent->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && s->lblSearch->text() != "Search Completed...") {
            percents << s->lblPercent->text().toInt();
            lastStatus = WindowTest::status(s->lblSearch);
        }
        return false;
    }
    SearchFrame* s;
    QList<int> percents;
    QString lastStatus;
};

TEST_F(SearchTabTest, progressRepaintsOnlyWhenThePercentageChanges) {
    PaintLog log(s);
    // About 9200 pages: hundreds of reports from the engine, but one repaint per
    // new percentage at most. The two threads may skip some percentages.
    search("0", "20000000");
    EXPECT_TRUE(log.percents.size() >= 10 && log.percents.size() <= 101) << log.percents.size();
    EXPECT_TRUE(std::is_sorted(log.percents.begin(), log.percents.end()));
    EXPECT_EQ(log.lastStatus, "Searching... please wait!|red");
    EXPECT_EQ(s->lblPrimes->text(), " 1270607"); // exact, not a 7-digit float
}

TEST_F(SearchTabTest, aSearchThatOutgrowsItsLastPageEndsWithAMessage) {
    const SeenMessage seen = catchMessage([&] { search("1e10", "2e10"); });
    EXPECT_EQ(seen.text, "The result pages are full: the search stopped after 10001920723.");
    // 0.02 percent done rounds to nothing.
    EXPECT_EQ(status(s->lblSearch) + "|" + s->lblPrimes->text() + "|" + s->lblPercent->text(),
              "Search Completed...|yellow| 83333|");
    EXPECT_TRUE(page().endsWith(" 10001920723"));
}

// The enabled states and captions after a search, and after each way to Clear
// or Reset it.
TEST_F(SearchTabTest, commandsFollowTheSearchAndAreArmedAgainByClearOrReset) {
    const QString empty = "Ready to begin search|yellow| 0 sec.|0|0|1 of 1|slider 1/1|";
    const std::pair<QObject*, const char*> cases[] = {
        {s->cmdClear, "+-+-- +++|cmdCalculate 3|10000|3"},
        {w->mnuClear, "+-+-- +++|cmdCalculate 3|10000|3"},
        {s->cmdReset, "+-+-- ---|cmdCalculate 0|1000|1"},
        {w->mnuReset, "+-+-- ---|cmdCalculate 0|1000|1"},
    };
    for (const auto& [command, rest] : cases) {
        search("3", "10000");
        EXPECT_EQ(
            state() + page().right(15),
            "Search Completed...|yellow|< 1 sec.| 1228|100|5 of 5|slider 5/5|-++++ +++|cmdCalculate"
            " 9949 9967 9973");
        EXPECT_TRUE(focusIs("cmdClear"));
        s->Slider1->setValue(2);
        type(s->txtGoTo, "3"); // Go To becomes the default
        QMetaObject::invokeMethod(command, command->inherits("QAction") ? "trigger" : "click");
        EXPECT_EQ(state() + " " + page() + props(s, "txtFrom txtTo txtGoTo"), empty + rest)
            << name(command);
        EXPECT_TRUE(s->pages().empty());
    }
}

template <class Dialog> Dialog* shownDialog() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* dialog = dynamic_cast<Dialog*>(top); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

// After Clear the menu's "&Save" and "&Copy" stay on, and they export the one
// empty page 1 that the page total announces.
TEST_F(SearchTabTest, saveAndCopyAfterClearExportTheOneEmptyPage) {
    search("0", "100000");
    QTest::mouseClick(s->cmdClear, Qt::LeftButton);
    ASSERT_TRUE(w->mnuSave->isEnabled());
    ASSERT_TRUE(w->mnuCopy->isEnabled());

    w->mnuSave->trigger();
    auto* save = shownDialog<SaveDialog>();
    ASSERT_NE(save, nullptr);
    QTemporaryDir dir;
    save->Directory->setPath(QStorageInfo(dir.path()).rootPath(), dir.path());
    save->Filename->setText(QStringLiteral("cleared.txt"));
    save->cmdSave->click();
    save->close();
    QFile file(dir.filePath(QStringLiteral("cleared.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Prime number generation:  Using Korvane 6\r\n\r\n\r\n"));

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w->mnuCopy->trigger();
    auto* copy = shownDialog<CopyDialog>();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->chkCopy->isChecked()); // "1" page: all of it
    copy->cmdCopy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

TEST_F(SearchTabTest, boxesMoveTheDefaultButtonWhichReturnPresses) {
    QString seen;
    for (QLineEdit* box : {s->txtGoTo, s->txtFrom, s->txtGoTo, s->txtTo}) {
        QTest::mouseClick(box, Qt::LeftButton);
        seen += defaultButton() + " ";
    }
    s->txtGoTo->setText("3"); // a change made by code counts as well
    EXPECT_EQ(seen + defaultButton(), "cmdGoTo cmdCalculate cmdGoTo cmdCalculate cmdGoTo");
    type(s->txtFrom, "1"); // the focus comes back: SEARCH is the default again
    EXPECT_FALSE(catchMessage([&] { QTest::keyClick(s->txtFrom, Qt::Key_Return); }).shown);
    EXPECT_EQ(s->lblPrimes->text(), " 168"); // 1 to 1000
}

} // namespace
