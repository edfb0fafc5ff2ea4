// The copy and save dialogs driven like a user from the main window's buttons
// and menu items: filled, left each way, and read back from the clipboard and
// the file.
#include "tests/export/export_dialogs.h"

#include <QCheckBox>
#include <QProgressBar>

#include <sys/resource.h>

#include <csignal>

namespace {

using CopyDialogTest = ExportTest;
using SaveDialogTest = ExportTest;

TEST_F(ExportTest, bothDialogsOpenFromTheirButtonAndMenuItemWithTheirCaptions) {
    search("0", "30");
    const std::tuple<const char*, std::function<void()>, const char*, const char*> rows[] = {
        {"C&opy", [&] { click("cmdCopy"); }, "frmCopy", "Copy Options..."},
        {"menu &Copy", [&] { w->mnuCopy->trigger(); }, "frmCopy", "Copy Options..."},
        {"&Save", [&] { click("cmdSave"); }, "Save", "Saving results to File"},
        {"menu &Save", [&] { w->mnuSave->trigger(); }, "Save", "Saving results to File"},
    };
    for (const auto& [name, open, dialog, title] : rows) {
        SCOPED_TRACE(name);
        open();
        const Controls shown = shownWindow(dialog);
        ASSERT_TRUE(shown.root);
        EXPECT_EQ(shown.root->windowTitle(), title);
        EXPECT_FALSE(w->isEnabled()) << "the main window waits";
        shown.click("cmdCancel");
    }
    Controls copy = openCopy();
    // clang-format off
    copy.expectTexts({{"Frame1", "Copy pages:"},
        {"Label1", "You can choose to copy any page(s) between 1 and             , you can copy up to 1000 pages at a time!"},
        {"Label2", "Beginning  page:"}, {"Label3", "Ending page:"},
        {"chkCopy", "Copy All (if < 1000 pages)"}, {"cmdCopy", "Copy..."}, {"cmdCancel", "Close"}});
    // clang-format on
    EXPECT_EQ(copy.defaultButton(), "cmdCopy");
    copy.click("cmdCancel");
    Controls save = openSave();
    // clang-format off
    save.expectTexts({{"Frame1", "Save Pages:"}, {"chkPages", "All Pages"}, {"Label6", "From page:"},
        {"Label7", "To page:"}, {"Label1", "Filename:              (use .txt or .doc extensions)"},
        {"Label2", "Choose directory:"}, {"Label3", "Will be saved in location:"},
        {"Label4", "Note:  Some files might be enormously large due to the amount of information being saved."},
        {"cmdSave", "Save"}, {"cmdCancel", "Close"}});
    // clang-format on
    EXPECT_EQ(save.defaultButton(), "cmdSave");
    EXPECT_TRUE(save.focusIs("cmdSave"));
}

// Every way out gives the main window back with its focus; only a copy
// replaces the clipboard, and Escape is "Close".
TEST_F(ExportTest, eachWayOutOfADialogGivesTheMainWindowBack) {
    const struct {
        const char* name;
        const char* dialog;
        std::function<void(const Controls&)> leave;
        const char* status; // null: as before the opening
        const char* clipboard;
    } rows[] = {
        {"copy: Close", "frmCopy", [](auto& d) { d.click("cmdCancel"); }, "Ready", "the user's"},
        {"copy: frame's close button", "frmCopy", [](auto& d) { d.root->close(); }, "Ready",
         "the user's"},
        {"copy: Escape", "frmCopy", [](auto& d) { d.key(Qt::Key_Escape); }, "Ready", "the user's"},
        {"copy: Enter presses Copy...", "frmCopy", [](auto& d) { d.key(Qt::Key_Return); },
         "Copy Completed...", "2 3 5 7 11 13 17 19 23 29"},
        {"save: Close", "Save", [](auto& d) { d.click("cmdCancel"); }, nullptr, "the user's"},
        {"save: frame's close button", "Save", [](auto& d) { d.root->close(); }, nullptr,
         "the user's"},
        {"save: Escape", "Save", [](auto& d) { d.key(Qt::Key_Escape); }, nullptr, "the user's"},
    };
    search("0", "30");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->setText("the user's");
        const bool copy = row.dialog == std::string("frmCopy");
        const QString before = text("lblSearch");
        click(copy ? "cmdCopy" : "cmdSave");
        const Controls dialog = shownWindow(row.dialog);
        ASSERT_TRUE(dialog.becomesActive());
        EXPECT_EQ(text("lblSearch"), copy ? "Copying..." : before);
        EXPECT_EQ(red("lblSearch"), copy) << "red while copying";
        row.leave(dialog);
        EXPECT_FALSE(dialog.root->isVisible());
        EXPECT_TRUE(w->isEnabled());
        EXPECT_TRUE(focusIs(copy ? "cmdCopy" : "cmdSave")) << "focus on " << focus();
        EXPECT_EQ(text("lblSearch"), row.status ? row.status : before);
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_EQ(clipboard(), row.clipboard);
    }
}

TEST_F(CopyDialogTest, aSmallResultOffersCopyAllOfEveryPage) {
    search("0", "10000");
    const Controls copy = openCopy();
    EXPECT_TRUE(copy.checked("chkCopy"));
    EXPECT_TRUE(copy.enabled("chkCopy"));
    // clang-format off
    copy.expectTexts({{"Text1", "1"}, {"Text2", "5"}, {"lblMax", "5"}});
    // clang-format on
    EXPECT_FALSE(copy.enabled("Text1") || copy.enabled("Text2")) << "the span is all pages";
    copy.click("cmdCopy");
    EXPECT_EQ(clipboard(), pageText(1) + pageText(2) + pageText(3) + pageText(4) + pageText(5));
}

// After Clear the menu's "&Save" and "&Copy" stay on, and they export the one
// empty page 1 that the page total announces.
TEST_F(ExportTest, saveAndCopyAfterClearExportTheOneEmptyPage) {
    search("0", "100000");
    click("cmdClear");
    QTemporaryDir dir;
    const Controls save = openSave(dir.path());
    EXPECT_EQ(press(save, "cmdSave"), "");
    EXPECT_EQ(readFile(dir.filePath("Results.txt")), header + "\r\n");
    save.click("cmdCancel");
    w->mnuCopy->trigger();
    const Controls copy = shownWindow("frmCopy");
    EXPECT_TRUE(copy.checked("chkCopy")) << "the one page: all of it";
    copy.click("cmdCopy");
    EXPECT_EQ(clipboard(), "");
}

TEST_F(CopyDialogTest, aLargeResultNeedsASpanAndEachNewTotalIsTakenIn) {
    search("0", "3000000"); // 1358 pages
    Controls copy = openCopy();
    EXPECT_FALSE(copy.checked("chkCopy"));
    EXPECT_FALSE(copy.enabled("chkCopy"));
    // clang-format off
    copy.expectTexts({{"Text1", "1"}, {"Text2", "1358"}, {"lblMax", "1358"}});
    // clang-format on
    EXPECT_EQ(press(copy, "cmdCopy"), "You can copy up to 1000 pages maximum!");
    EXPECT_TRUE(copy.focusIs("cmdCopy"));
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text1", "abc"}}), "You have to enter a valid number!");
    EXPECT_TRUE(copy.focusIs("Text1"));
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text1", "1"}, {"Text2", ""}}),
              "You have to enter a valid number!");
    EXPECT_TRUE(copy.focusIs("Text2"));
    EXPECT_FALSE(w->isEnabled()) << "a refusal keeps the dialog open";
    EXPECT_EQ(text("lblSearch"), "Copying...");
    EXPECT_EQ(clipboard(), "the user's");
    press(copy, "cmdCopy", {{"Text1", "1357"}, {"Text2", "1358.4"}});
    EXPECT_EQ(clipboard(), pageText(1357) + pageText(1358));
    EXPECT_EQ(text("lblSearch"), "Copy Completed...");

    searchAgain("0", "400000"); // 181 pages
    copy = openCopy();
    EXPECT_TRUE(copy.checked("chkCopy"));
    copy.expectTexts({{"Text2", "181"}, {"lblMax", "181"}});
    copy.get<QCheckBox>("chkCopy")->setChecked(false);
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text2", "182"}}),
              "182 is an invalid page number, the last page you can enter is 181");
    copy.click("cmdCancel");
    copy = openCopy(); // the same total: the user's choice is kept
    EXPECT_FALSE(copy.checked("chkCopy"));
    EXPECT_TRUE(copy.enabled("Text2"));
    EXPECT_EQ(copy.text("Text2"), "181");
    copy.click("cmdCancel");
    searchAgain("0", "4000000"); // 1800 pages
    copy = openCopy();
    EXPECT_FALSE(copy.enabled("chkCopy"));
    EXPECT_EQ(copy.text("lblMax"), "1800");
}

TEST_F(SaveDialogTest, opensOnTheCurrentDirectoryChecksTheSpanAndKeepsItsChoices) {
    search("0", "10000");
    Controls save = openSave();
    EXPECT_FALSE(save.checked("chkPages"));
    save.expectTexts(
        {{"txtFrom", "1"}, {"txtTo", "5"}, {"Filename", "Results.txt"}, {"ProgressBar1", "0%"}});
    EXPECT_EQ(save.get<QComboBox>("Drives")->currentData(),
              QStorageInfo(QDir::currentPath()).rootPath());
    EXPECT_EQ(save.text("txtLocation"), QDir::currentPath() + "/Results.txt");
    EXPECT_TRUE(save.get<QLineEdit>("txtLocation")->isReadOnly());
    QTemporaryDir dir; // where a save that should be refused would land
    save = openSave(dir.path());
    EXPECT_EQ(press(save, "cmdSave", {{"txtFrom", "abc"}, {"txtTo", "-0"}}),
              "You have to enter a valid number!");
    EXPECT_TRUE(save.focusIs("txtFrom"));
    save.get<QCheckBox>("chkPages")->setChecked(true); // not a number: the boxes are left alone
    save.expectTexts({{"txtFrom", "abc"}, {"txtTo", "-0"}});
    save.get<QCheckBox>("chkPages")->setChecked(false);
    EXPECT_EQ(press(save, "cmdSave", {{"txtFrom", "1"}}),
              "Your ending page cannot be less than 1!");
    EXPECT_TRUE(save.focusIs("txtTo"));
    save.get<QLineEdit>("txtFrom")->setText("3");
    save.get<QCheckBox>("chkPages")->setChecked(true);
    save.expectTexts({{"txtFrom", "1"}, {"txtTo", "5"}});
    EXPECT_FALSE(save.enabled("txtFrom") || save.enabled("txtTo")) << "All Pages";
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", ""}}), "Enter a filename!");
    EXPECT_TRUE(save.focusIs("cmdSave"));
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "kept.txt"}}), "");
    save.click("cmdCancel");

    searchAgain("0", "30000");
    save = openSave();
    EXPECT_TRUE(save.checked("chkPages"));
    const QByteArray total = text("lblPageTotal").toLatin1();
    // clang-format off
    save.expectTexts({{"txtFrom", "1"}, {"txtTo", total.constData()}, {"Filename", "kept.txt"},
        {"ProgressBar1", "0%"}});
    // clang-format on
    EXPECT_EQ(save.text("txtLocation"), dir.filePath("kept.txt"));
    save.get<QCheckBox>("chkPages")->setChecked(false);
    EXPECT_TRUE(save.enabled("txtFrom") && save.enabled("txtTo"));
    save.get<DirectoryList>("Directory")->setPath("/", "/");
    EXPECT_EQ(save.text("txtLocation"), "//kept.txt") << "a drive's root keeps its separator";
}

TEST_F(SaveDialogTest, savesWhereTheLocationSaysAndReplacesTheFileWhole) {
    search("0", "10000");
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    Controls save = openSave(dir.path());
    save.get<QLineEdit>("Filename")->clear();
    EXPECT_EQ(save.text("txtLocation"), dir.path() + "/");
    QTest::keyClicks(save.get("Filename"), "out.txt");
    EXPECT_EQ(save.text("txtLocation"), path) << "the location follows each key";
    EXPECT_EQ(press(save, "cmdSave"), "");
    EXPECT_EQ(readFile(path), resultsFile(1, 5));
    EXPECT_EQ(save.text("ProgressBar1"), "100%");
    press(save, "cmdSave", {{"txtFrom", "2"}, {"txtTo", "2.4"}}, clickButton(QMessageBox::Yes));
    EXPECT_EQ(readFile(path), resultsFile(2, 2)) << "the longer file is replaced whole";
    save.get<QLineEdit>("Filename")->setText(QStringLiteral("Résultats – 素数.txt"));
    ASSERT_TRUE(save.becomesActive()); // the question had the activation
    save.get("txtTo")->setFocus();
    save.key(Qt::Key_Return);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Résultats – 素数.txt"))), resultsFile(2, 2));
    save.click("cmdCancel");

    searchAgain("1000000000", "1250000000"); // pages beyond 32767
    save = openSave();
    press(save, "cmdSave", {{"txtFrom", "32767"}, {"txtTo", "32769"}},
          clickButton(QMessageBox::Yes));
    EXPECT_EQ(readFile(save.text("txtLocation")), resultsFile(32767, 32769));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no stray temporary file";
}

TEST_F(SaveDialogTest, failedWritesAreReportedAndLeaveNothingHalfWritten) {
    search("0", "10000");
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    QStringList names{"missing/r.txt", "plain/r.txt", "folder"};
    // Only a user who may not write into a read-only folder can try one.
    QFile::setPermissions(dir.filePath("folder"), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.filePath("folder")).isWritable())
        names << "folder/r.txt";
    const Controls save = openSave(dir.path());
    const QString failed = "The results could not be saved to \"";
    for (const QString& name : names) {
        SCOPED_TRACE(name);
        const QString text = press(save, "cmdSave", {{"Filename", qPrintable(name)}});
        const QString start = failed + dir.filePath(name) + "\".";
        EXPECT_TRUE(text.startsWith(start)) << text;
        EXPECT_GT(text.size(), start.size() + 15) << "the reason is given";
        EXPECT_EQ(save.text("ProgressBar1"), "0%");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain"}));
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "r.txt"}}), "") << "still usable";
    EXPECT_EQ(readFile(dir.filePath("r.txt")), resultsFile(1, 5));

    // A file size limit fails the write as a full disk would, even for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{16, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const QString text = press(save, "cmdSave", {}, clickButton(QMessageBox::Yes));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(text.startsWith(failed)) << text;
    EXPECT_EQ(readFile(dir.filePath("r.txt")), resultsFile(1, 5)) << "the old file is kept";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"plain", "r.txt"}));
}

} // namespace
