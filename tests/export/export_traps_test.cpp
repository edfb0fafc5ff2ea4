// The save and copy dialogs never lose the user's work: the replace question,
// drives and folders chosen by mouse and keys, a drive list read afresh, the
// page total never clipped, and failures inside a copy or a save reported
// without harm.
#include "export/drive_source.h"
#include "export/export_commands.h"
#include "tests/export/export_dialogs.h"

#include <QComboBox>
#include <QListWidget>

#include <new>
#include <stdexcept>

namespace {

using ReplaceQuestionTest = ExportTest;
using SaveDialogBrowsingTest = ExportTest;
using ExportFailureTest = ExportTest;

QStringList driveRoots(const QComboBox* drives) {
    QStringList roots;
    for (int i = 0; i < drives->count(); ++i)
        roots << drives->itemData(i).toString();
    return roots;
}

TEST_F(ReplaceQuestionTest, asksBeforeReplacingAFileAndOnlyYesReplacesIt) {
    search("0", "30");
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the user's work") > 0);
    old.close();
    const Controls save = openSave(dir.path());
    save.get<QLineEdit>("Filename")->setText("old.txt");
    const std::tuple<const char*, Response, QByteArray> rows[] = {
        {"No", clickButton(QMessageBox::No), "the user's work"},
        {"Escape", pressKey(Qt::Key_Escape), "the user's work"},
        {"Enter presses the default", pressKey(Qt::Key_Return), "the user's work"},
        {"Yes", clickButton(QMessageBox::Yes), resultsFile(1, 1)},
    };
    for (const auto& [name, answer, file] : rows) {
        SCOPED_TRACE(name);
        const SeenMessage seen = catchMessage([&] { save.click("cmdSave"); }, answer);
        EXPECT_EQ(seen.text, "\"" + path + "\" already exists. Replace it?");
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(seen.iconless);
        EXPECT_EQ(seen.buttons, "&Yes &No");
        EXPECT_EQ(seen.defaultButton, "&No");
        EXPECT_EQ(seen.escapeButton, "&No");
        EXPECT_EQ(readFile(path), file);
        EXPECT_TRUE(save.root->isVisible());
        save.expectTexts({{"Filename", "old.txt"}, {"txtFrom", "1"}, {"txtTo", "1"}});
        EXPECT_EQ(save.text("ProgressBar1"), name == std::string("Yes") ? "100%" : "0%");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
}

// Drives are mount points the drive source gives; folders open by a
// double-click or by Enter, and the location follows. A drive that went away
// since the list was read is refused and the location stays.
TEST_F(SaveDialogBrowsingTest, drivesAndFoldersAreChosenByMouseAndKeys) {
    search("0", "30");
    QTemporaryDir a, b;
    ASSERT_TRUE(QDir(b.path()).mkpath("sub/inner"));
    partOf<ExportCommands>(w.get())->setDriveSource([&] {
        return QStringList{a.path(), b.path()};
    });
    const Controls save = openSave();
    auto* drives = save.get<QComboBox>("Drives");
    auto* folders = save.get<QListWidget>("Directory");
    const auto folderItem = [&](const char* name) {
        const QList<QListWidgetItem*> found = folders->findItems(name, Qt::MatchEndsWith);
        EXPECT_EQ(found.size(), 1) << name;
        return found.value(0);
    };
    drives->setCurrentIndex(drives->findData(b.path()));
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt"));

    const QPoint sub = folders->visualItemRect(folderItem("sub")).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, sub);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, sub);
    EXPECT_EQ(save.text("txtLocation"), b.filePath("sub/Results.txt")) << "double-click";
    folders->setFocus();
    folders->setCurrentItem(folderItem("inner"));
    EXPECT_FALSE(catchMessage([&] { save.key(Qt::Key_Return); }).shown);
    EXPECT_EQ(save.text("txtLocation"), b.filePath("sub/inner/Results.txt")) << "Enter";
    EXPECT_EQ(readFile(b.filePath("sub/Results.txt")), "<missing>") << "Enter saved nothing";
    save.get("Filename")->setFocus();
    save.key(Qt::KeypadModifier | Qt::Key_Enter); // elsewhere Enter saves
    EXPECT_EQ(readFile(b.filePath("sub/inner/Results.txt")), resultsFile(1, 1));

    ASSERT_TRUE(QDir(a.path()).removeRecursively()); // the medium taken out
    const QString before = save.text("txtLocation");
    const SeenMessage seen =
        catchMessage([&] { drives->setCurrentIndex(drives->findData(a.path())); });
    EXPECT_EQ(seen.text, "No media is inserted in the drive or an invalid drive specified!");
    EXPECT_EQ(drives->currentData(), a.path()) << "the list shows the drive picked";
    EXPECT_EQ(save.text("txtLocation"), before);
}

TEST_F(SaveDialogBrowsingTest, theDriveListIsReadAgainAtEveryOpeningAndKeepsTheChoice) {
    search("0", "30");
    QTemporaryDir a, b, c;
    const QString here = QStorageInfo(QDir::currentPath()).rootPath();
    QStringList mounted{b.path(), a.path(), "/no-such-drive"};
    partOf<ExportCommands>(w.get())->setDriveSource([&] { return mounted; });
    Controls save = openSave();
    auto* drives = save.get<QComboBox>("Drives");
    QStringList expected{a.path(), b.path(), here};
    expected.sort();
    EXPECT_EQ(driveRoots(drives), expected) << "a drive that cannot be read is left out";
    EXPECT_EQ(drives->currentData().toString(), here);

    drives->setCurrentIndex(drives->findData(b.path()));
    ASSERT_TRUE(QDir(b.path()).mkpath("deep/er"));
    save.get<DirectoryList>("Directory")->setPath(b.path(), b.filePath("deep/er"));
    save.click("cmdCancel");
    ASSERT_TRUE(QDir(b.filePath("deep")).removeRecursively());
    mounted = {a.path(), b.path(), c.path()};

    save = openSave();
    expected = QStringList{a.path(), b.path(), c.path(), here};
    expected.sort();
    EXPECT_EQ(driveRoots(drives), expected) << "a drive mounted since is offered";
    EXPECT_EQ(drives->currentData().toString(), b.path()) << "the choice is kept";
    EXPECT_EQ(save.text("txtLocation"), b.filePath("Results.txt"))
        << "a removed folder gives way to its parent";
    save.click("cmdCancel");

    mounted = {a.path()};
    save = openSave();
    EXPECT_EQ(drives->currentData().toString(), here) << "a drive gone since";
    EXPECT_EQ(save.text("txtLocation"), QDir::currentPath() + "/Results.txt");
}

TEST(DriveSource, fileSystemsForFilesAndRemovableMediaAreOfferedTheKernelsAreNot) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> rows[] = {{"/", "ext4", true},
        {"/home", "btrfs", true}, {"/media/ann/STICK", "vfat", true}, {"/run/media/ann/DISC", "iso9660", true},
        {"/run/user/1000", "tmpfs", false}, {"/run", "tmpfs", false}, {"/proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", false}, {"/dev/shm", "tmpfs", false},
        {"/snap/core/1", "squashfs", false}, {"/mnt/data", "autofs", false}};
    // clang-format on
    for (const auto& [root, type, offered] : rows)
        EXPECT_EQ(isFileVolume(root, type), offered) << root;
}

// In a font whose blanks are narrow, twelve of them are narrower than a
// six-digit total; it must still show whole.
TEST_F(ExportTest, aSixDigitPageTotalIsNeverClippedWhateverTheFont) {
    search("1000000000", "1250000000");
    const Controls copy = openCopy();
    // clang-format off
    const std::tuple<const char*, int, bool> rows[] = {{"DejaVu Sans Condensed", 10, false},
        {"DejaVu Sans Condensed", 13, true}, {"DejaVu Sans", 9, false}, {"DejaVu Serif", 16, true},
        {"DejaVu Sans Mono", 11, false}};
    // clang-format on
    auto* total = copy.get<QLabel>("lblMax");
    for (const auto& [family, points, bold] : rows) {
        SCOPED_TRACE(QString("%1 %2%3").arg(family).arg(points).arg(bold ? " bold" : ""));
        QFont font(family, points);
        font.setBold(bold);
        copy.root->setFont(font);
        copy.root->adjustSize();
        QApplication::processEvents();
        EXPECT_EQ(total->text(), "119962");
        EXPECT_GE(total->contentsRect().width(), total->fontMetrics().horizontalAdvance("119962"));
        EXPECT_TRUE(copy.get("Label1")->rect().contains(total->geometry())) << "over its sentence";
    }
}

TEST_F(ExportFailureTest, aCopyThatFailsIsReportedAndLeavesTheClipboard) {
    search("0", "30");
    auto* commands = partOf<ExportCommands>(w.get());
    commands->setEngine(
        {.joinPages = [](const auto&, double, double) -> std::string { throw std::bad_alloc(); }});
    const SeenMessage seen = catchMessage([&] { openCopy().click("cmdCopy"); });
    EXPECT_EQ(seen.text, "The copy could not be completed: not enough memory.");
    EXPECT_EQ(seen.title, "Korvane 6");
    EXPECT_EQ(clipboard(), "the user's");
    EXPECT_EQ(text("lblSearch"), "Ready");
    EXPECT_TRUE(w->isEnabled());

    commands->setEngine({});
    openCopy().click("cmdCopy");
    EXPECT_EQ(clipboard(), "2 3 5 7 11 13 17 19 23 29");
}

TEST_F(ExportFailureTest, aSaveThatFailsIsReportedAndLeavesTheFile) {
    search("0", "30");
    QTemporaryDir dir;
    const Controls save = openSave(dir.path());
    auto* commands = partOf<ExportCommands>(w.get());
    ExportCommands::Engine failing;
    failing.writeResults = [](const auto&, double, double, const auto& sink, const auto&) -> bool {
        sink("half a file");
        throw std::runtime_error("the library gave up.");
    };
    commands->setEngine(failing);
    const SeenMessage seen = catchMessage([&] { save.click("cmdSave"); });
    EXPECT_EQ(seen.text, "The save could not be completed: the library gave up.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(save.text("ProgressBar1"), "0%");
    EXPECT_TRUE(save.root->isVisible());

    commands->setEngine({});
    save.click("cmdSave");
    EXPECT_EQ(readFile(dir.filePath("Results.txt")), resultsFile(1, 1));
}

} // namespace
