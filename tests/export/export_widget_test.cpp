// The copy and save dialogs driven like a user: opened from a button and a
// menu item of a stand-in main window, filled, and read back from the
// clipboard and the file.
#include "app/status_label.h"
#include "export/copy_dialog.h"
#include "export/directory_list.h"
#include "export/export_commands.h"
#include "export/export_engine.h"
#include "export/save_dialog.h"
#include "search/range_search.h"
#include "tests/page_fill.h"
#include "tests/widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

using korvane::search::PageStore;

namespace {

const QByteArray header = "Prime number generation:  Using Korvane 6\r\n\r\n";

// What the search tab gives the export commands: a window, its store, the
// page total and status labels, and the button and menu item of each command.
struct MainStandIn {
    QMainWindow frmMain;
    PageStore pages;
    QLabel* lblPageTotal = new QLabel(QStringLiteral("1"));
    QLabel* lblSearch = new QLabel(QStringLiteral("Ready"));
    QPushButton* cmdCopy = new QPushButton(QStringLiteral("C&opy"));
    QPushButton* cmdSave = new QPushButton(QStringLiteral("&Save"));
    QAction* mnuCopy = nullptr;
    QAction* mnuSave = nullptr;
    ExportCommands* commands = nullptr;

    MainStandIn() {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        for (QWidget* w : {static_cast<QWidget*>(lblPageTotal), static_cast<QWidget*>(lblSearch),
                           static_cast<QWidget*>(cmdCopy), static_cast<QWidget*>(cmdSave)})
            layout->addWidget(w);
        frmMain.setCentralWidget(central);
        mnuSave = frmMain.menuBar()->addAction(QStringLiteral("&Save"));
        mnuCopy = frmMain.menuBar()->addAction(QStringLiteral("&Copy"));
        commands = new ExportCommands(&frmMain, pages, lblPageTotal, lblSearch);
        QObject::connect(cmdCopy, &QPushButton::clicked, commands, &ExportCommands::cmdCopy_Click);
        QObject::connect(mnuCopy, &QAction::triggered, commands, &ExportCommands::cmdCopy_Click);
        QObject::connect(cmdSave, &QPushButton::clicked, commands, &ExportCommands::cmdSave_Click);
        QObject::connect(mnuSave, &QAction::triggered, commands, &ExportCommands::cmdSave_Click);
        frmMain.show();
    }

    // A real search, as the SEARCH button leaves it.
    void search(const char* to) {
        const auto range = korvane::search::validateBounds("0", to);
        korvane::search::runSearch(std::get<korvane::search::SearchRange>(range), pages);
        lblPageTotal->setText(QString::number(pages.pageCount()));
    }
    // `count` pages reading " 1", " 2", ...
    void numberedPages(std::size_t count) {
        std::vector<std::string> texts;
        for (std::size_t k = 1; k <= count; ++k)
            texts.push_back(' ' + std::to_string(k));
        pages.clear();
        fillPages(pages, texts);
        lblPageTotal->setText(QString::number(count));
    }
    QString joined(std::size_t first, std::size_t last) const {
        std::string text;
        for (std::size_t k = first; k <= last; ++k)
            text += pages.page(k);
        return QString::fromStdString(text);
    }
    CopyDialog* copy() const { return commands->frmCopy(); }
    SaveDialog* save() const { return commands->Save(); }
};

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void retype(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Points the save dialog at `dir`, as double-clicking it in the list would.
void chooseDirectory(SaveDialog* dialog, const QString& dir) {
    dialog->Directory->setPath(QStorageInfo(dir).rootPath(), dir);
}

} // namespace

TEST(CopyDialog, firstOpeningOffersCopyAllAndCopiesEveryPage) {
    MainStandIn main;
    main.search("100000");
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    QTest::mouseClick(main.cmdCopy, Qt::LeftButton);
    CopyDialog* dialog = main.copy();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Copy Options...");
    EXPECT_FALSE(main.frmMain.isEnabled());
    EXPECT_EQ(clipboardText(), "");
    EXPECT_EQ(main.lblSearch->text(), "Copying...");
    EXPECT_EQ(statusColour(main.lblSearch), StatusColour::Working);
    for (auto [name, caption] : {std::pair{"Label1", "You can choose to copy any page(s) between 1 "
                                                     "and             , you can copy up to 1000 "
                                                     "pages at a time!"},
                                 {"Label2", "Beginning  page:"},
                                 {"Label3", "Ending page:"}})
        EXPECT_EQ(child<QLabel>(dialog, name)->text(), caption);
    EXPECT_EQ(dialog->Frame1->title(), "Copy pages:");
    EXPECT_EQ(dialog->chkCopy->text(), "Copy All (if < 1000 pages)");
    EXPECT_EQ(dialog->cmdCopy->text(), "Copy...");
    EXPECT_EQ(dialog->cmdCancel->text(), "Close");
    EXPECT_EQ(dialog->lblMax->text(), main.lblPageTotal->text());
    EXPECT_TRUE(dialog->chkCopy->isChecked() && dialog->chkCopy->isEnabled());
    EXPECT_EQ(dialog->Text1->text(), "1");
    EXPECT_EQ(dialog->Text2->text(), main.lblPageTotal->text());
    EXPECT_FALSE(dialog->Text1->isEnabled() || dialog->Text2->isEnabled());

    QTest::mouseClick(dialog->cmdCopy, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main.frmMain.isEnabled());
    EXPECT_EQ(clipboardText(), main.joined(1, main.pages.pageCount()));
    EXPECT_TRUE(clipboardText().startsWith("2 3 5 7 11"));
    EXPECT_EQ(main.lblSearch->text(), "Copy Completed...");
    EXPECT_EQ(statusColour(main.lblSearch), StatusColour::Idle);
}

TEST(CopyDialog, menuOpensItAndCopiesAChosenSpanOfALargeResult) {
    MainStandIn main;
    main.numberedPages(1500);
    main.mnuCopy->trigger();
    CopyDialog* dialog = main.copy();
    EXPECT_FALSE(dialog->chkCopy->isChecked() || dialog->chkCopy->isEnabled());
    EXPECT_EQ(dialog->Text2->text(), "1500");
    SeenMessage seen = catchMessage([&] { dialog->cmdCopy->click(); });
    EXPECT_EQ(seen.text, "You can copy up to 1000 pages maximum!");
    EXPECT_EQ(seen.title, "Korvane 6");
    EXPECT_TRUE(seen.iconless && seen.okOnly);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(main.frmMain.isEnabled());

    retype(dialog->Text1, "1499");
    retype(dialog->Text2, "1500.4");
    dialog->cmdCopy->click();
    EXPECT_EQ(clipboardText(), " 1499 1500");
}

TEST(CopyDialog, refusedInputKeepsTheDialogAndMovesTheFocus) {
    MainStandIn main;
    main.numberedPages(9);
    main.cmdCopy->click();
    CopyDialog* dialog = main.copy();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->chkCopy->setChecked(false);
    EXPECT_TRUE(dialog->Text1->isEnabled() && dialog->Text2->isEnabled());
    EXPECT_EQ(dialog->Text1->text(), "1");
    EXPECT_EQ(dialog->Text2->text(), "9");
    struct Case {
        const char* first;
        const char* last;
        const char* message;
        QLineEdit* focus;
    } cases[] = {
        {"abc", "9", "You have to enter a valid number!", dialog->Text1},
        {"1", "", "You have to enter a valid number!", dialog->Text2},
        {"2", "12", "12 is an invalid page number, the last page you can enter is 9", nullptr},
    };
    for (const Case& c : cases) {
        retype(dialog->Text1, c.first);
        retype(dialog->Text2, c.last);
        dialog->cmdCopy->setFocus();
        EXPECT_EQ(catchMessage([&] { dialog->cmdCopy->click(); }).text, c.message);
        EXPECT_EQ(dialog->focusWidget(),
                  c.focus ? static_cast<QWidget*>(c.focus) : dialog->cmdCopy);
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(main.lblSearch->text(), "Copying...");
}

TEST(CopyDialog, reopeningTakesInTheNewPageTotal) {
    MainStandIn main;
    main.numberedPages(5000);
    main.cmdCopy->click();
    main.copy()->cmdCancel->click();
    main.numberedPages(300);
    main.cmdCopy->click();
    CopyDialog* dialog = main.copy();
    EXPECT_EQ(dialog->lblMax->text(), "300");
    EXPECT_TRUE(dialog->chkCopy->isChecked() && dialog->chkCopy->isEnabled());
    EXPECT_EQ(dialog->Text2->text(), "300");
    dialog->chkCopy->setChecked(false);
    retype(dialog->Text2, "301");
    EXPECT_EQ(catchMessage([&] { dialog->cmdCopy->click(); }).text,
              "301 is an invalid page number, the last page you can enter is 300");
    dialog->cmdCancel->click();

    // Same total again: the user's choice of boxes is kept.
    main.cmdCopy->click();
    EXPECT_FALSE(dialog->chkCopy->isChecked());
    dialog->cmdCancel->click();

    main.numberedPages(2000);
    main.cmdCopy->click();
    EXPECT_EQ(dialog->lblMax->text(), "2000");
    EXPECT_FALSE(dialog->chkCopy->isChecked() || dialog->chkCopy->isEnabled());
}

TEST(CopyDialog, closingWithoutCopyingLeavesTheClipboardEmpty) {
    MainStandIn main;
    main.numberedPages(3);
    for (bool frameButton : {false, true}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
        main.cmdCopy->click();
        frameButton ? (void)main.copy()->close() : main.copy()->cmdCancel->click();
        EXPECT_FALSE(main.copy()->isVisible());
        EXPECT_TRUE(main.frmMain.isEnabled());
        EXPECT_EQ(clipboardText(), "");
        EXPECT_EQ(main.lblSearch->text(), "Ready");
        EXPECT_EQ(statusColour(main.lblSearch), StatusColour::Idle);
    }
}

TEST(SaveDialog, firstOpeningShowsTheCurrentDirectoryAndTheTotal) {
    MainStandIn main;
    main.numberedPages(7);
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Saving results to File");
    EXPECT_FALSE(main.frmMain.isEnabled());
    EXPECT_EQ(dialog->Frame1->title(), "Save Pages:");
    EXPECT_EQ(dialog->chkPages->text(), "All Pages");
    EXPECT_FALSE(dialog->chkPages->isChecked());
    for (auto [name, caption] :
         {std::pair{"Label6", "From page:"},
          {"Label7", "To page:"},
          {"Label1", "Filename:              (use .txt or .doc extensions)"},
          {"Label2", "Choose directory:"},
          {"Label3", "Will be saved in location:"},
          {"Label4", "Note:  Some files might be enormously large due to the amount of "
                     "information being saved."}})
        EXPECT_EQ(child<QLabel>(dialog, name)->text(), caption);
    EXPECT_EQ(dialog->cmdSave->text(), "Save");
    EXPECT_EQ(dialog->cmdCancel->text(), "Close");
    EXPECT_EQ(dialog->txtFrom->text(), "1");
    EXPECT_EQ(dialog->txtTo->text(), "7");
    EXPECT_EQ(dialog->Filename->text(), "Results.txt");
    EXPECT_EQ(dialog->Directory->path(), QDir::currentPath());
    EXPECT_EQ(dialog->txtLocation->text(), QDir::currentPath() + "/Results.txt");
    EXPECT_TRUE(dialog->txtLocation->isReadOnly());
    EXPECT_EQ(dialog->ProgressBar1->value(), 0);
    EXPECT_EQ(dialog->Drives->currentData().toString(),
              QStorageInfo(QDir::currentPath()).rootPath());
    EXPECT_TRUE(dialog->cmdSave->isDefault());
}

TEST(SaveDialog, savesTheFileAndReplacesItOnTheNextSave) {
    MainStandIn main;
    main.search("100000");
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'x'));
    old.close();

    main.mnuSave->trigger();
    SaveDialog* dialog = main.save();
    chooseDirectory(dialog, dir.path());
    EXPECT_EQ(dialog->txtLocation->text(), dir.path() + "/Results.txt");
    dialog->Filename->clear();
    EXPECT_EQ(dialog->txtLocation->text(), dir.path() + "/");
    QTest::keyClick(dialog->Filename, Qt::Key_O);
    EXPECT_EQ(dialog->txtLocation->text(), dir.path() + "/o");
    QTest::keyClicks(dialog->Filename, "ut.txt");
    EXPECT_EQ(dialog->txtLocation->text(), path);

    EXPECT_FALSE(catchMessage([&] { dialog->cmdSave->click(); }).shown);
    QByteArray expected = header;
    for (std::size_t k = 1; k <= main.pages.pageCount(); ++k)
        expected += QByteArray(main.pages.page(k).data(), main.pages.page(k).size()) + "\r\n";
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(dialog->ProgressBar1->value(), 100);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(main.frmMain.isEnabled());

    retype(dialog->txtFrom, "2");
    retype(dialog->txtTo, "2.4");
    dialog->cmdSave->click();
    EXPECT_EQ(readFile(path), header + main.joined(2, 2).toLatin1() + "\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"});

    dialog->close(); // the frame's close button
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main.frmMain.isEnabled());
}

TEST(SaveDialog, enterSavesToANonAsciiName) {
    MainStandIn main;
    main.numberedPages(3);
    QTemporaryDir dir;
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    chooseDirectory(dialog, dir.path());
    dialog->Filename->setText(QStringLiteral("Résultats – 素数.txt"));
    QTest::keyClick(dialog->txtTo, Qt::Key_Return);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Résultats – 素数.txt"))),
              header + " 1\r\n 2\r\n 3\r\n");
}

TEST(SaveDialog, unwritablePathsAreReportedAndNothingIsWritten) {
    MainStandIn main;
    main.numberedPages(3);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    plain.close();
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    chooseDirectory(dialog, dir.path());
    for (const char* name : {"missing/r.txt", "plain/r.txt", "folder"}) {
        dialog->Filename->setText(name);
        const SeenMessage seen = catchMessage([&] { dialog->cmdSave->click(); });
        EXPECT_TRUE(seen.text.startsWith("The results could not be saved to \"" + dir.path() + "/" +
                                         name + "\"."))
            << seen.text.toStdString();
        EXPECT_GT(seen.text.size(), dir.path().size() + 50); // a reason follows
        EXPECT_EQ(dialog->ProgressBar1->value(), 0);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain"}));
    // The dialog is still usable.
    dialog->Filename->setText("r.txt");
    dialog->cmdSave->click();
    EXPECT_EQ(readFile(dir.filePath("r.txt")), header + " 1\r\n 2\r\n 3\r\n");
}

TEST(SaveDialog, fullDiskLeavesTheOldFileWhole) {
    // A file size limit fails the write part-way, as a full disk would, even
    // for root.
    MainStandIn main;
    main.numberedPages(200000);
    QTemporaryDir dir;
    QFile old(dir.filePath("r.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old results\r\n");
    old.close();
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    chooseDirectory(dialog, dir.path());
    dialog->Filename->setText("r.txt");

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 256 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const SeenMessage seen = catchMessage([&] { dialog->cmdSave->click(); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(seen.text.startsWith("The results could not be saved to"))
        << seen.text.toStdString();
    EXPECT_EQ(readFile(dir.filePath("r.txt")), "old results\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.txt"});
}

TEST(SaveDialog, readOnlyFolderIsReported) {
    MainStandIn main;
    main.numberedPages(3);
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(dir.path()).isWritable()) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    main.cmdSave->click();
    chooseDirectory(main.save(), dir.path());
    const SeenMessage seen = catchMessage([&] { main.save()->cmdSave->click(); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(seen.text.contains(dir.path() + "/Results.txt"));
    EXPECT_FALSE(QFile::exists(dir.filePath("Results.txt")));
}

TEST(SaveDialog, checksRunInOrderWithTheirFocus) {
    MainStandIn main;
    main.numberedPages(9);
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    struct Case {
        const char* first;
        const char* last;
        const char* file;
        const char* message;
        QWidget* focus;
    } cases[] = {
        {"", "9", "r.txt", "You have to enter a valid number!", dialog->txtFrom},
        {"1", "-0", "r.txt", "Your ending page cannot be less than 1!", dialog->txtTo},
        {"1", "12", "r.txt", "12 is an invalid page number, the last page you can enter is 9",
         dialog->cmdSave},
        {"1", "9", "", "Enter a filename!", dialog->cmdSave},
    };
    for (const Case& c : cases) {
        retype(dialog->txtFrom, c.first);
        retype(dialog->txtTo, c.last);
        dialog->Filename->setText(c.file);
        dialog->cmdSave->setFocus();
        EXPECT_EQ(catchMessage([&] { dialog->cmdSave->click(); }).text, c.message);
        EXPECT_EQ(dialog->focusWidget(), c.focus);
    }
}

TEST(SaveDialog, allPagesAndReopeningKeepWhatTheyShould) {
    MainStandIn main;
    main.numberedPages(9);
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    retype(dialog->txtFrom, "abc");
    dialog->chkPages->setChecked(true);
    EXPECT_EQ(dialog->txtFrom->text(), "abc");
    EXPECT_TRUE(dialog->txtFrom->isEnabled());
    dialog->chkPages->setChecked(false);

    retype(dialog->txtFrom, "3");
    dialog->chkPages->setChecked(true);
    EXPECT_EQ(dialog->txtFrom->text(), "1");
    EXPECT_EQ(dialog->txtTo->text(), "9");
    EXPECT_FALSE(dialog->txtFrom->isEnabled() || dialog->txtTo->isEnabled());
    dialog->Filename->setText("kept.txt");
    dialog->ProgressBar1->setValue(100);
    dialog->cmdCancel->click();

    main.numberedPages(12);
    main.cmdSave->click();
    EXPECT_TRUE(dialog->chkPages->isChecked());
    EXPECT_FALSE(dialog->txtFrom->isEnabled());
    EXPECT_EQ(dialog->txtTo->text(), "12");
    EXPECT_EQ(dialog->Filename->text(), "kept.txt");
    EXPECT_TRUE(dialog->txtLocation->text().endsWith("/kept.txt"));
    EXPECT_EQ(dialog->ProgressBar1->value(), 0);
    dialog->chkPages->setChecked(false);
    EXPECT_TRUE(dialog->txtFrom->isEnabled() && dialog->txtTo->isEnabled());
    EXPECT_EQ(dialog->txtTo->text(), "12");
}

TEST(SaveDialog, unreadableDriveKeepsThePreviousDirectory) {
    MainStandIn main;
    main.cmdSave->click();
    SaveDialog* dialog = main.save();
    const QString before = dialog->txtLocation->text();
    dialog->Drives->addItem(QStringLiteral("/no-such-drive"), QStringLiteral("/no-such-drive"));
    const SeenMessage seen =
        catchMessage([&] { dialog->Drives->setCurrentIndex(dialog->Drives->count() - 1); });
    EXPECT_EQ(seen.text, "No media is inserted in the drive or an invalid drive specified!");
    EXPECT_EQ(dialog->txtLocation->text(), before);
    EXPECT_EQ(dialog->Drives->currentText(), "/no-such-drive");

    // The root of a drive keeps its own separator: two in a row.
    dialog->Directory->setPath("/", "/");
    EXPECT_EQ(dialog->txtLocation->text(), "//Results.txt");
}
