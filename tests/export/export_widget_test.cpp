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
    // Pages first..last of the search, each followed by `end`.
    QString pageTexts(int first, int last, const char* end = "") const {
        QString texts;
        for (int k = first; k <= last; ++k)
            texts += QString::fromStdString(pages.page(k)) + end;
        return texts;
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    // Opens a dialog; the save dialog in `dir` when one is given.
    Controls open(const char* button, const char* name, const QString& dir = {}) const {
        click(button);
        const Controls window = shownWindow(name);
        EXPECT_TRUE(window.becomesActive()) << name << " is active";
        if (!dir.isEmpty())
            window.get<DirectoryList>("Directory")->setPath(QStorageInfo(dir).rootPath(), dir);
        return window;
    }
    Controls openCopy() const { return open("cmdCopy", "frmCopy"); }
    Controls openSave(const QString& dir = {}) const { return open("cmdSave", "Save", dir); }
    // Types into a dialog's boxes, presses a button: the message shown, if any.
    static QString press(const Controls& dialog, const char* button,
                         std::initializer_list<std::pair<const char*, const char*>> typed = {}) {
        for (const auto& [box, text] : typed)
            dialog.get<QLineEdit>(box)->setText(QString::fromUtf8(text));
        dialog.get(button)->setFocus();
        return catchMessage([&] { dialog.click(button); }).text;
    }
    std::unique_ptr<QWidget> host;
    korvane::search::PageStore pages;
    ExportCommands* commands = nullptr;
};

// Each dialog, left by Escape or by Enter on the focused Close, gives the
// main window back with its focus and the clipboard as it was.
TEST_F(ExportTest, bothDialogsOpenOverTheMainWindowAndCloseEachWay) {
    search("0", "30");
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"cmdCopy", "frmCopy", true},
        {"cmdCopy", "frmCopy", false},
        {"cmdSave", "Save", true},
        {"cmdSave", "Save", false},
    };
    for (const auto& [button, dialogName, escape] : rows) {
        SCOPED_TRACE(testing::Message() << dialogName << (escape ? ", Escape" : ", Enter"));
        const bool copy = dialogName == std::string("frmCopy");
        const QString before = text("lblSearch");
        const Controls dialog = open(button, dialogName);
        EXPECT_EQ(dialog.defaultButton(), button);
        EXPECT_FALSE(host->isEnabled()) << "the main window waits";
        EXPECT_EQ(text("lblSearch"), copy ? "Copying..." : before);
        EXPECT_EQ(red("lblSearch"), copy) << "red while copying";
        if (!escape)
            dialog.get("cmdCancel")->setFocus();
        dialog.key(escape ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_FALSE(dialog.root->isVisible());
        EXPECT_TRUE(focusIs(button)) << "focus on " << focus();
        EXPECT_EQ(text("lblSearch"), copy ? "Ready" : before);
        EXPECT_FALSE(red("lblSearch"));
        EXPECT_EQ(clipboard(), "the user's");
    }
}

// "Copy All" only up to 1000 pages; unticked, the span is the user's.
TEST_F(ExportTest, copyTakesAllOfASmallResultAndASpanOfALargeOne) {
    search("0", "10000");
    Controls copy = openCopy();
    copy.expectTexts({{"Text1", "1"}, {"Text2", "5"}, {"lblMax", "5"}});
    EXPECT_FALSE(copy.enabled("Text1")) << "the span is all pages";
    copy.click("cmdCopy");
    EXPECT_EQ(clipboard(), pageTexts(1, 5));
    copy = openCopy();
    copy.get<QCheckBox>("chkCopy")->click();
    EXPECT_TRUE(copy.enabled("Text1") && copy.enabled("Text2")) << "unticked";
    copy.click("cmdCancel");

    search("0", "3000000"); // 1358 pages
    copy = openCopy();
    EXPECT_FALSE(copy.checked("chkCopy") || copy.enabled("chkCopy")) << "Copy All not offered";
    copy.expectTexts({{"Text1", "1"}, {"Text2", "1358"}, {"lblMax", "1358"}});
    EXPECT_EQ(press(copy, "cmdCopy"), "You can copy up to 1000 pages maximum!");
    EXPECT_EQ(press(copy, "cmdCopy", {{"Text2", ""}}), "You have to enter a valid number!");
    EXPECT_TRUE(copy.focusIs("Text2"));
    EXPECT_TRUE(clipboard().endsWith(" 9973")) << "a refusal copies nothing";
    press(copy, "cmdCopy", {{"Text1", "1357"}, {"Text2", "1358.4"}});
    EXPECT_EQ(clipboard(), pageTexts(1357, 1358));
    EXPECT_EQ(text("lblSearch"), "Copy Completed...");
}

// Unticking "All Pages" writes the span in general form; the location has
// one separator between folder and name, even at the root; a name holding "/"
// is refused before anything is written. A name as long as the file system
// allows is saved, and replaced only after the question is answered Yes. The
// choices are kept for the next opening.
TEST_F(ExportTest, saveOpensOnTheCurrentDirectoryChecksTheSpanAndKeepsItsChoices) {
    search("0", "10000");
    Controls save = openSave();
    save.expectTexts(
        {{"txtFrom", "1"}, {"txtTo", "5"}, {"Filename", "Results.txt"}, {"ProgressBar1", "0%"}});
    EXPECT_EQ(save.text("txtLocation"), QDir::currentPath() + "/Results.txt");
    save.get<DirectoryList>("Directory")->setPath("/", "/");
    EXPECT_EQ(save.text("txtLocation"), "/Results.txt");
    QTemporaryDir dir; // where a save that should be refused would land
    save = openSave(dir.path());
    auto* allPages = save.get<QCheckBox>("chkPages");
    allPages->click();
    EXPECT_FALSE(save.enabled("txtFrom")) << "All Pages";
    save.get<QLineEdit>("txtFrom")->setText("1e0");
    save.get<QLineEdit>("txtTo")->setText("05.0");
    allPages->click();
    save.expectTexts({{"txtFrom", "1"}, {"txtTo", "5"}});
    EXPECT_EQ(press(save, "cmdSave", {{"txtTo", "-0"}}), "Your ending page cannot be less than 1!");
    EXPECT_TRUE(save.focusIs("txtTo"));
    allPages->click();
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub"));
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "sub/r.txt"}}),
              "A file name cannot contain \"/\".");
    EXPECT_TRUE(save.focusIs("Filename"));
    EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), QStringList()) << "nothing written";
    QString name = QStringLiteral("Résultats – 素数.txt");
    name.insert(name.size() - 4, QString(255 - name.toUtf8().size(), u'n')); // the longest name
    save.get<QLineEdit>("Filename")->setText(name.chopped(4));
    QTest::keyClicks(save.get("Filename"), ".txt");
    EXPECT_EQ(save.text("txtLocation"), dir.filePath(name)) << "the location follows each key";
    EXPECT_EQ(press(save, "cmdSave"), "");
    EXPECT_EQ(readFile(dir.filePath(name)), header + pageTexts(1, 5, "\r\n").toLatin1());
    EXPECT_EQ(save.text("ProgressBar1"), "100%");
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly | QIODevice::Truncate);
    const auto answer = [&](QMessageBox::StandardButton button) {
        return catchMessage([&] { save.click("cmdSave"); }, clickButton(button));
    };
    const SeenMessage seen = answer(QMessageBox::No);
    EXPECT_EQ(seen.text, "\"" + dir.filePath(name) + "\" already exists. Replace it?");
    EXPECT_EQ(seen.title + " " + seen.buttons + " " + seen.defaultButton, "Korvane 6 &Yes &No &No");
    EXPECT_TRUE(seen.iconless);
    EXPECT_EQ(readFile(dir.filePath(name)), "") << "No keeps the file";
    EXPECT_TRUE(answer(QMessageBox::Yes).shown);
    EXPECT_EQ(readFile(dir.filePath(name)), header + pageTexts(1, 5, "\r\n").toLatin1());
    save.click("cmdCancel");

    search("0", "30000");
    save = openSave();
    EXPECT_TRUE(save.checked("chkPages"));
    save.expectTexts({{"txtTo", "14"}, {"ProgressBar1", "0%"}});
    EXPECT_EQ(save.text("txtLocation"), dir.filePath(name));
}

// A write that fails, even at a folder's name, is reported with its reason
// and without the replace question. A save or a copy the engine cannot finish
// leaves no file and the clipboard as it was.
TEST_F(ExportTest, aSaveOrCopyThatFailsIsReportedAndLeavesFilesAndClipboardAsTheyWere) {
    search("0", "30");
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("folder"));
    const Controls save = openSave(dir.path());
    EXPECT_EQ(press(save, "cmdSave", {{"Filename", "folder"}}),
              "The results could not be saved to \"" + dir.filePath("folder") +
                  "\".\n\nIs a directory");
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
}

// The drive list is read again at every opening: an unreadable drive is left
// out, one mounted since is offered, and one that went away since is refused.
// Folders open by Enter (which saves nothing), and the location follows; a
// removed folder gives way to its nearest existing parent. Escape in the open
// drive list closes the list alone.
TEST_F(ExportTest, drivesReadAtEachOpeningAndFoldersAreChosenByKeys) {
    search("0", "30");
    QTemporaryDir a, b;
    ASSERT_TRUE(QDir(b.path()).mkpath("sub/inner"));
    QStringList mounted{b.path(), "/no-such-drive"};
    commands->setDriveSource([&] { return mounted; });
    Controls save = openSave();
    auto* drives = save.get<QComboBox>("Drives");
    auto* folders = save.get<QListWidget>("Directory");
    EXPECT_EQ(drives->count(), 2) << "the unreadable drive is left out";
    drives->setCurrentIndex(drives->findData(b.path()));
    folders->setFocus();
    for (const char* folder : {"sub", "inner"}) {
        folders->setCurrentItem(folders->findItems(folder, Qt::MatchEndsWith).value(0));
        EXPECT_FALSE(catchMessage([&] { save.key(Qt::Key_Return); }).shown);
    }
    EXPECT_EQ(save.text("txtLocation"), b.filePath("sub/inner/Results.txt")) << "Enter opens";
    EXPECT_EQ(readFile(b.filePath("sub/Results.txt")), "<missing>") << "Enter saved nothing";
    save.click("cmdCancel");

    ASSERT_TRUE(QDir(b.filePath("sub")).removeRecursively());
    mounted = {a.path(), b.path()};
    save = openSave();
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt")) << "the nearest parent";
    EXPECT_EQ(drives->count(), 3) << "one mounted since";
    drives->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    // Through the window system, where the dialog's own shortcuts are looked up.
    QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QTest::qWait(50);
    EXPECT_TRUE(save.root->isVisible()) << "Escape closed the dialog with the list";
    ASSERT_TRUE(QDir(a.path()).removeRecursively()); // the medium taken out
    const SeenMessage seen =
        catchMessage([&] { drives->setCurrentIndex(drives->findData(a.path())); });
    EXPECT_EQ(seen.text, "No media is inserted in the drive or an invalid drive specified!");
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt"));
}

} // namespace
