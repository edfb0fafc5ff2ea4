// The copy and save dialogs, hosted by a stand-in for the main window (its
// two buttons and status line) and driven like a user: filled, left each way,
// and read back from the clipboard and the files; the replace question,
// drives and folders, and failures reported without harm.
#include "export/directory_list.h"
#include "export/drive_source.h"
#include "export/export_commands.h"
#include "search/bounds.h"
#include "search/range_search.h"
#include "tests/widget_test_support.h"

#include <memory>
#include <new>
#include <stdexcept>

namespace {

const QByteArray header = "Prime number generation:  Using Korvane 6\r\n\r\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// frmMain as the dialogs meet it: disabled while one is open, its C&opy and
// &Save buttons taking the focus back, its status line, and the pages of a
// search.
struct ExportTest : ::testing::Test, Controls {
    void SetUp() override {
        host = std::make_unique<QWidget>();
        root = host.get();
        auto* layout = new QVBoxLayout(host.get());
        auto* lblSearch = new QLabel(QStringLiteral("Search Completed..."), host.get());
        lblSearch->setObjectName("lblSearch");
        layout->addWidget(lblSearch);
        commands = new ExportCommands(host.get(), pages, lblSearch);
        for (auto [name, command] : {std::pair{"cmdSave", &ExportCommands::cmdSave_Click},
                                     {"cmdCopy", &ExportCommands::cmdCopy_Click}}) {
            auto* button = new QPushButton(QString::fromLatin1(name), host.get());
            button->setObjectName(QString::fromLatin1(name));
            layout->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, commands, command);
        }
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        // Stands for what the user copied last: only a copy may replace it.
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's"));
    }
    void TearDown() override { host.reset(); }

    // The pages of a search from..to, in place of those before.
    void search(const char* from, const char* to) {
        korvane::search::runSearch(
            std::get<korvane::search::SearchRange>(korvane::search::validateBounds(from, to)),
            pages);
    }
    QString pageText(int k) const { return QString::fromStdString(pages.page(k)); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    Controls open(const char* button, const char* name) const {
        click(button);
        const Controls window = shownWindow(name);
        EXPECT_TRUE(window.becomesActive()) << name << " is active";
        return window;
    }
    Controls openCopy() const { return open("cmdCopy", "frmCopy"); }
    // Opens the save dialog, in `dir` when one is given.
    Controls openSave(const QString& dir = {}) const {
        Controls save = open("cmdSave", "Save");
        if (!dir.isEmpty())
            save.get<DirectoryList>("Directory")->setPath(QStorageInfo(dir).rootPath(), dir);
        return save;
    }
    // Types into a dialog's boxes, presses a button: the message shown, if any.
    static QString press(const Controls& dialog, const char* button,
                         std::initializer_list<std::pair<const char*, const char*>> typed = {}) {
        for (const auto& [box, text] : typed)
            dialog.get<QLineEdit>(box)->setText(QString::fromUtf8(text));
        dialog.get(button)->setFocus();
        return catchMessage([&] { dialog.click(button); }).text;
    }
    // The results file of pages first..last.
    QByteArray resultsFile(int first, int last) const {
        QByteArray file = header;
        for (int k = first; k <= last; ++k)
            file += pageText(k).toLatin1() + "\r\n";
        return file;
    }

    std::unique_ptr<QWidget> host;
    korvane::search::PageStore pages;
    ExportCommands* commands = nullptr;
};

// Each dialog, left by Escape, the frame's close button or Enter on the
// focused Close, gives the main window back with its focus and the clipboard
// as it was.
TEST_F(ExportTest, bothDialogsOpenOverTheMainWindowAndCloseEachWay) {
    search("0", "30");
    enum Leave { Escape, CloseButton, EnterOnClose };
    const std::tuple<const char*, const char*, const char*, Leave> rows[] = {
        {"C&opy, Escape", "cmdCopy", "frmCopy", Escape},
        {"C&opy, close button", "cmdCopy", "frmCopy", CloseButton},
        {"C&opy, Enter on Close", "cmdCopy", "frmCopy", EnterOnClose},
        {"&Save, Escape", "cmdSave", "Save", Escape},
        {"&Save, close button", "cmdSave", "Save", CloseButton},
        {"&Save, Enter on Close", "cmdSave", "Save", EnterOnClose},
    };
    for (const auto& [name, button, dialogName, leave] : rows) {
        SCOPED_TRACE(name);
        const bool copy = dialogName == std::string("frmCopy");
        const QString before = text("lblSearch");
        const Controls dialog = open(button, dialogName);
        EXPECT_EQ(dialog.defaultButton(), copy ? "cmdCopy" : "cmdSave");
        EXPECT_FALSE(host->isEnabled()) << "the main window waits";
        EXPECT_EQ(text("lblSearch"), copy ? "Copying..." : before);
        EXPECT_EQ(red("lblSearch"), copy) << "red while copying";
        if (leave == EnterOnClose)
            dialog.get("cmdCancel")->setFocus();
        leave == CloseButton ? void(dialog.root->close())
                             : dialog.key(leave == Escape ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_FALSE(dialog.root->isVisible());
        EXPECT_TRUE(focusIs(copy ? "cmdCopy" : "cmdSave")) << "focus on " << focus();
        EXPECT_EQ(text("lblSearch"), copy ? "Ready" : before);
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_EQ(clipboard(), "the user's");
    }
    EXPECT_TRUE(openSave().focusIs("cmdSave"));
}

TEST_F(ExportTest, copyTakesAllOfASmallResultAndASpanOfALargeOne) {
    search("0", "10000");
    Controls copy = openCopy();
    EXPECT_TRUE(copy.checked("chkCopy"));
    copy.expectTexts({{"Text1", "1"}, {"Text2", "5"}, {"lblMax", "5"}});
    EXPECT_FALSE(copy.enabled("Text1")) << "the span is all pages";
    copy.click("cmdCopy");
    EXPECT_EQ(clipboard(), pageText(1) + pageText(2) + pageText(3) + pageText(4) + pageText(5));

    search("0", "3000000"); // 1358 pages
    copy = openCopy();
    EXPECT_FALSE(copy.checked("chkCopy"));
    EXPECT_FALSE(copy.enabled("chkCopy"));
    copy.expectTexts({{"Text1", "1"}, {"Text2", "1358"}, {"lblMax", "1358"}});
    EXPECT_EQ(press(copy, "cmdCopy"), "You can copy up to 1000 pages maximum!");
    EXPECT_TRUE(copy.focusIs("cmdCopy"));
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text1", "abc"}}), "You have to enter a valid number!");
    EXPECT_TRUE(copy.focusIs("Text1"));
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text1", "1"}, {"Text2", ""}}),
              "You have to enter a valid number!");
    EXPECT_TRUE(copy.focusIs("Text2"));
    EXPECT_TRUE(clipboard().endsWith(" 9973")) << "a refusal copies nothing";
    press(copy, "cmdCopy", {{"Text1", "1357"}, {"Text2", "1358.4"}});
    EXPECT_EQ(clipboard(), pageText(1357) + pageText(1358));
    EXPECT_EQ(text("lblSearch"), "Copy Completed...");

    search("0", "400000"); // 181 pages
    copy = openCopy();
    EXPECT_TRUE(copy.checked("chkCopy"));
    copy.get<QCheckBox>("chkCopy")->setChecked(false);
    copy.click("cmdCancel");
    copy = openCopy(); // the same total: the user's choice is kept
    EXPECT_FALSE(copy.checked("chkCopy"));
}

// Unticking "All Pages" or "Copy All" gives the span back to the user: the
// save dialog writes its numbers in general form, the copy dialog leaves them.
TEST_F(ExportTest, untickingAllPagesGivesBothBoxesBack) {
    search("0", "10000");
    const std::tuple<std::function<Controls()>, const char*, const char*, const char*> rows[] = {
        {[&] { return openSave(); }, "chkPages", "txtFrom", "txtTo"},
        {[&] { return openCopy(); }, "chkCopy", "Text1", "Text2"},
    };
    for (const auto& [open, all, from, to] : rows) {
        SCOPED_TRACE(all);
        const Controls dialog = open();
        auto* box = dialog.get<QCheckBox>(all);
        box->setChecked(true);
        dialog.get<QLineEdit>(from)->setText("1e0");
        dialog.get<QLineEdit>(to)->setText("05.0");
        box->click();
        const bool save = all == std::string("chkPages");
        dialog.expectTexts({{from, save ? "1" : "1e0"}, {to, save ? "5" : "05.0"}});
        EXPECT_TRUE(dialog.enabled(from) && dialog.enabled(to)) << "both boxes enabled";
        dialog.click("cmdCancel");
    }
}

TEST_F(ExportTest, saveOpensOnTheCurrentDirectoryChecksTheSpanAndKeepsItsChoices) {
    search("0", "10000");
    Controls save = openSave();
    EXPECT_FALSE(save.checked("chkPages"));
    save.expectTexts(
        {{"txtFrom", "1"}, {"txtTo", "5"}, {"Filename", "Results.txt"}, {"ProgressBar1", "0%"}});
    EXPECT_EQ(save.text("txtLocation"), QDir::currentPath() + "/Results.txt");
    QTemporaryDir dir; // where a save that should be refused would land
    save = openSave(dir.path());
    EXPECT_EQ(press(save, "cmdSave", {{"txtFrom", "abc"}}), "You have to enter a valid number!");
    EXPECT_TRUE(save.focusIs("txtFrom"));
    EXPECT_EQ(press(save, "cmdSave", {{"txtFrom", "1"}, {"txtTo", "-0"}}),
              "Your ending page cannot be less than 1!");
    EXPECT_TRUE(save.focusIs("txtTo"));
    save.get<QCheckBox>("chkPages")->setChecked(true);
    save.expectTexts({{"txtFrom", "1"}, {"txtTo", "5"}});
    EXPECT_FALSE(save.enabled("txtFrom")) << "All Pages";
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", ""}}), "Enter a filename!");
    EXPECT_TRUE(save.focusIs("cmdSave"));
    QTest::keyClicks(save.get("Filename"), "kept.txt");
    EXPECT_EQ(save.text("txtLocation"), dir.filePath("kept.txt"))
        << "the location follows each key";
    EXPECT_EQ(press(save, "cmdSave"), "");
    EXPECT_EQ(readFile(dir.filePath("kept.txt")), resultsFile(1, 5));
    EXPECT_EQ(save.text("ProgressBar1"), "100%");
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "Résultats – 素数.txt"}}), "");
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Résultats – 素数.txt"))), resultsFile(1, 5));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no stray temporary file";
    save.click("cmdCancel");

    search("0", "30000");
    save = openSave();
    EXPECT_TRUE(save.checked("chkPages"));
    const QByteArray total = QByteArray::number(qulonglong(pages.pageCount()));
    save.expectTexts({{"txtTo", total.constData()},
                      {"Filename", "Résultats – 素数.txt"},
                      {"ProgressBar1", "0%"}});
    EXPECT_EQ(save.text("txtLocation"), dir.filePath(QStringLiteral("Résultats – 素数.txt")));
}

TEST_F(ExportTest, theReplaceQuestionKeepsTheFileUnlessAnsweredYes) {
    search("0", "30");
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    const QByteArray work = QByteArray("the user's work\n").repeated(20); // longer than a save
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(work) > 0);
    old.close();
    const Controls save = openSave(dir.path());
    save.get<QLineEdit>("Filename")->setText("old.txt");
    const std::tuple<const char*, Response, QByteArray> rows[] = {
        {"No", clickButton(QMessageBox::No), work},
        {"Escape", pressKey(Qt::Key_Escape), work},
        {"Yes", clickButton(QMessageBox::Yes), resultsFile(1, 1)},
    };
    for (const auto& [name, answer, file] : rows) {
        SCOPED_TRACE(name);
        const SeenMessage seen = catchMessage([&] { save.click("cmdSave"); }, answer);
        EXPECT_EQ(seen.text, "\"" + path + "\" already exists. Replace it?");
        EXPECT_EQ(readFile(path), file) << "Yes replaces the file whole";
        EXPECT_TRUE(save.root->isVisible());
        EXPECT_EQ(save.text("ProgressBar1"), name == std::string("Yes") ? "100%" : "0%");
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(seen.iconless);
        EXPECT_EQ(seen.buttons, "&Yes &No");
        EXPECT_EQ(seen.defaultButton, "&No");
    }
}

// A write that fails, even at a folder's name, is reported with its reason
// and without the replace question. A save or a copy the engine cannot finish
// leaves no file and the clipboard as it was, and the next one works.
TEST_F(ExportTest, aSaveOrCopyThatFailsIsReportedAndLeavesFilesAndClipboardAsTheyWere) {
    search("0", "30");
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("folder") && QDir(dir.path()).mkpath("gone"));
    Controls save = openSave(dir.filePath("gone"));
    ASSERT_TRUE(QDir(dir.filePath("gone")).removeRecursively());
    const std::pair<const char*, QString> rows[] = {
        {"a folder that has gone", dir.filePath("gone/r.txt")},
        {"a folder's own name", dir.filePath("folder")},
    };
    for (const auto& [name, path] : rows) {
        SCOPED_TRACE(name);
        if (path.endsWith("folder"))
            save = openSave(dir.path());
        const QString text =
            press(save, "cmdSave", {{"Filename", qPrintable(QFileInfo(path).fileName())}});
        const QString start = "The results could not be saved to \"" + path + "\".";
        EXPECT_TRUE(text.startsWith(start)) << text;
        EXPECT_GT(text.size(), start.size() + 12) << "the reason is given";
        EXPECT_FALSE(text.contains("nknown error")) << text;
        EXPECT_EQ(save.text("ProgressBar1"), "0%");
    }
    ExportCommands::Engine failing;
    failing.writeResults = [](const auto&, const auto&, const auto& sink, const auto&) -> bool {
        sink("half a file");
        throw std::runtime_error("the library gave up.");
    };
    failing.joinPages = [](const auto&, const auto&) -> std::string { throw std::bad_alloc(); };
    commands->setEngine(failing);
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "r.txt"}}),
              "The save could not be completed: the library gave up.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"folder"}));
    save.click("cmdCancel");
    EXPECT_EQ(catchMessage([&] { openCopy().click("cmdCopy"); }).text,
              "The copy could not be completed: not enough memory.");
    EXPECT_EQ(clipboard(), "the user's");
    commands->setEngine({});
    EXPECT_EQ(press(openSave(dir.path()), "cmdSave"), "") << "still usable";
    EXPECT_EQ(readFile(dir.filePath("r.txt")), resultsFile(1, 1));
    save.click("cmdCancel");
    openCopy().click("cmdCopy");
    EXPECT_EQ(clipboard(), "2 3 5 7 11 13 17 19 23 29");
}

// A name as long as the file system allows is saved, and replaced as often.
TEST_F(ExportTest, aFileWithTheLongestNameIsReplacedLikeAnyOther) {
    search("0", "30");
    QTemporaryDir dir;
    const QString name = QString(251, u'n') + ".txt"; // 255 bytes
    const Controls save = openSave(dir.path());
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", qPrintable(name)}}), "") << "the first save";
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly | QIODevice::Truncate);
    const SeenMessage seen =
        catchMessage([&] { save.click("cmdSave"); }, clickButton(QMessageBox::Yes));
    EXPECT_TRUE(seen.text.endsWith("already exists. Replace it?")) << "and nothing after it";
    EXPECT_EQ(readFile(dir.filePath(name)), resultsFile(1, 1));
}

// The location reads as a path, one separator between folder and name even
// at the root; a name holding "/" is refused before anything is written, and
// the user is sent back to it.
TEST_F(ExportTest, theLocationNeverDoublesItsSeparatorAndANameWithASlashIsRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub"));
    const Controls save = openSave();
    save.get<DirectoryList>("Directory")->setPath("/", "/");
    EXPECT_EQ(save.text("txtLocation"), "/Results.txt");
    save.get<DirectoryList>("Directory")->setPath(QStorageInfo(dir.path()).rootPath(), dir.path());
    const SeenMessage seen = catchMessage([&] {
        save.get<QLineEdit>("Filename")->setText("sub/r.txt");
        save.click("cmdSave");
    });
    EXPECT_EQ(seen.text, "A file name cannot contain \"/\".");
    EXPECT_EQ(seen.title, "Korvane 6");
    EXPECT_EQ(seen.buttons, "OK");
    EXPECT_TRUE(save.focusIs("Filename"));
    EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Escape in the open drive list closes the list alone; the dialog stays.
TEST_F(ExportTest, escapeInTheOpenDriveListClosesOnlyTheList) {
    const Controls save = openSave();
    auto* drives = save.get<QComboBox>("Drives");
    drives->setFocus();
    drives->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    // Through the window system, where the dialog's own shortcuts are looked up.
    QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QTest::qWait(50);
    EXPECT_TRUE(save.root->isVisible()) << "the dialog stays";
    EXPECT_FALSE(host->isEnabled());
}

// The drive list is read again at every opening: an unreadable drive is left
// out, one mounted since is offered, and one that went away since is refused.
// Folders open by a double-click or by Enter, and the location follows; a
// removed folder gives way to its nearest existing parent.
TEST_F(ExportTest, drivesReadAtEachOpeningAndFoldersAreChosenByMouseAndKeys) {
    search("0", "30");
    QTemporaryDir a, b;
    ASSERT_TRUE(QDir(b.path()).mkpath("sub/inner"));
    const QString here = QStorageInfo(QDir::currentPath()).rootPath();
    QStringList mounted{b.path(), "/no-such-drive"};
    commands->setDriveSource([&] { return mounted; });
    const auto offered = [](const QComboBox* drives, QStringList expected) {
        QStringList roots;
        for (int i = 0; i < drives->count(); ++i)
            roots << drives->itemData(i).toString();
        expected.sort(); // drives are listed in order
        EXPECT_EQ(roots, expected) << "the drives offered";
    };
    Controls save = openSave();
    auto* drives = save.get<QComboBox>("Drives");
    auto* folders = save.get<QListWidget>("Directory");
    offered(drives, {b.path(), here});
    EXPECT_EQ(drives->currentData().toString(), here);
    drives->setCurrentIndex(drives->findData(b.path()));
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt"));
    const QPoint sub =
        folders->visualItemRect(folders->findItems("sub", Qt::MatchEndsWith).value(0)).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, sub);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, sub);
    EXPECT_EQ(save.text("txtLocation"), b.filePath("sub/Results.txt")) << "double-click";
    folders->setFocus();
    folders->setCurrentItem(folders->findItems("inner", Qt::MatchEndsWith).value(0));
    EXPECT_FALSE(catchMessage([&] { save.key(Qt::Key_Return); }).shown);
    EXPECT_EQ(save.text("txtLocation"), b.filePath("sub/inner/Results.txt")) << "Enter";
    EXPECT_EQ(readFile(b.filePath("sub/Results.txt")), "<missing>") << "Enter saved nothing";
    save.get("Filename")->setFocus();
    save.key(Qt::KeypadModifier | Qt::Key_Enter); // elsewhere Enter saves
    EXPECT_EQ(readFile(b.filePath("sub/inner/Results.txt")), resultsFile(1, 1));
    save.click("cmdCancel");

    ASSERT_TRUE(QDir(b.filePath("sub")).removeRecursively());
    mounted = {a.path(), b.path()};
    save = openSave();
    offered(drives, {a.path(), b.path(), here});
    EXPECT_EQ(drives->currentData().toString(), b.path()) << "the choice is kept";
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt")) << "the nearest parent";
    ASSERT_TRUE(QDir(a.path()).removeRecursively()); // the medium taken out
    const SeenMessage seen =
        catchMessage([&] { drives->setCurrentIndex(drives->findData(a.path())); });
    EXPECT_EQ(seen.text, "No media is inserted in the drive or an invalid drive specified!");
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt"));
}

TEST(DriveSource, fileSystemsForFilesAndRemovableMediaAreOfferedTheKernelsAreNot) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> rows[] = {{"/", "ext4", true},
        {"/media/ann/STICK", "vfat", true}, {"/run/media/ann/DISC", "iso9660", true}, {"/run/user/1000", "tmpfs", false},
        {"/proc", "proc", false}, {"/sys/fs/cgroup", "cgroup2", false}, {"/snap/core/1", "squashfs", false}};
    // clang-format on
    for (const auto& [root, type, offered] : rows)
        EXPECT_EQ(isFileVolume(root, type), offered) << root;
}

} // namespace
