// The save and copy dialogs never lose the user's work: the replace question,
// Enter on a folder, a drive list read afresh, the page total never clipped,
// and failures inside a copy or a save reported without harm.
#include "export/copy_dialog.h"
#include "export/directory_list.h"
#include "export/drive_source.h"
#include "export/export_commands.h"
#include "export/save_dialog.h"
#include "tests/page_fill.h"
#include "tests/widget_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

const QByteArray header = "Prime number generation:  Using Korvane 6\r\n\r\n";

// The search tab as the export commands see it: three pages " 1", " 2", " 3".
struct Main {
    LiteralPages pages;
    QLabel lblPageTotal{QStringLiteral("3")}, lblSearch{QStringLiteral("Ready")};
    QWidget frmMain;
    ExportCommands* commands = new ExportCommands(&frmMain, pages, &lblPageTotal, &lblSearch);
    QStringList drives; // what the drive source gives, when a test sets one

    Main() {
        pages.fill({" 1", " 2", " 3"});
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's"));
    }
    void useDrives() {
        commands->setDriveSource([this] { return drives; });
    }
    SaveDialog* openSave() {
        commands->cmdSave_Click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(commands->Save()));
        return commands->Save();
    }
    // Opens the save dialog on `dir` with the file name `name`.
    SaveDialog* openSaveIn(const QString& dir, const QString& name) {
        SaveDialog* dialog = openSave();
        dialog->Directory->setPath(QStorageInfo(dir).rootPath(), dir);
        dialog->Filename->setText(name);
        return dialog;
    }
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList driveRoots(const QComboBox* drives) {
    QStringList roots;
    for (int i = 0; i < drives->count(); ++i)
        roots << drives->itemData(i).toString();
    return roots;
}

} // namespace

TEST(ReplaceQuestion, asksBeforeReplacingAFileAndOnlyYesReplacesIt) {
    Main main;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    writeFile(path, "the user's work");
    SaveDialog* dialog = main.openSaveIn(dir.path(), "old.txt");
    const struct {
        const char* name;
        Response answer;
        QByteArray file;
    } rows[] = {
        {"No", clickButton(QMessageBox::No), "the user's work"},
        {"Escape", pressKey(Qt::Key_Escape), "the user's work"},
        {"Enter presses the default", pressKey(Qt::Key_Return), "the user's work"},
        {"Yes", clickButton(QMessageBox::Yes), header + " 1\r\n 2\r\n 3\r\n"},
    };
    for (const auto& row : rows) {
        dialog->ProgressBar1->setValue(0);
        const SeenMessage seen = catchMessage([&] { dialog->cmdSave->click(); }, row.answer);
        EXPECT_EQ(seen.text, "\"" + dialog->txtLocation->text() + "\" already exists. Replace it?")
            << row.name;
        EXPECT_EQ(seen.title, "Korvane 6") << row.name;
        EXPECT_TRUE(seen.iconless) << row.name;
        EXPECT_EQ(seen.buttons, "&Yes &No") << row.name;
        EXPECT_EQ(seen.defaultButton, "&No") << row.name;
        EXPECT_EQ(seen.escapeButton, "&No") << row.name;
        EXPECT_EQ(readFile(path), row.file) << row.name;
        EXPECT_TRUE(dialog->isVisible()) << row.name;
        EXPECT_EQ(dialog->Filename->text(), "old.txt") << row.name;
        EXPECT_EQ(dialog->txtFrom->text() + "-" + dialog->txtTo->text(), "1-3") << row.name;
    }
    EXPECT_EQ(dialog->ProgressBar1->value(), 100); // only the Yes wrote
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
}

TEST(ReplaceQuestion, aFolderAtThePathGetsTheWriteErrorWithoutTheQuestion) {
    Main main;
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    SaveDialog* dialog = main.openSaveIn(dir.path(), "folder");
    const SeenMessage seen = catchMessage([&] { dialog->cmdSave->click(); });
    EXPECT_TRUE(seen.text.startsWith("The results could not be saved to \"" +
                                     dir.filePath("folder") + "\"."))
        << seen.text.toStdString();
    EXPECT_TRUE(seen.okOnly);
}

TEST(SaveDialogKeys, enterOnAFolderOpensItAndEnterElsewhereSaves) {
    Main main;
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    SaveDialog* dialog = main.openSaveIn(dir.path(), "r.txt");
    const QList<QListWidgetItem*> found =
        dialog->Directory->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    dialog->Directory->setFocus();
    dialog->Directory->setCurrentItem(found.front());
    const SeenMessage seen =
        catchMessage([&] { QTest::keyClick(dialog->Directory, Qt::Key_Return); });
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(dialog->Directory->path(), dir.filePath("sub"));
    EXPECT_EQ(dialog->txtLocation->text(), dir.filePath("sub/r.txt"));
    EXPECT_EQ(readFile(dir.filePath("r.txt")), "<missing>");
    EXPECT_EQ(readFile(dir.filePath("sub/r.txt")), "<missing>");

    QTest::keyClick(dialog->Filename, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(readFile(dir.filePath("sub/r.txt")), header + " 1\r\n 2\r\n 3\r\n");
}

TEST(SaveDialogDrives, theListIsReadAgainAtEveryOpeningAndKeepsTheChoice) {
    Main main;
    QTemporaryDir a, b, c;
    const QString here = QStorageInfo(QDir::currentPath()).rootPath();
    main.drives = {b.path(), a.path(), "/no-such-drive"};
    main.useDrives();
    SaveDialog* dialog = main.openSave();
    QStringList expected{a.path(), b.path(), here};
    expected.sort();
    EXPECT_EQ(driveRoots(dialog->Drives), expected) << "a drive that cannot be read is left out";
    EXPECT_EQ(dialog->Drives->currentData().toString(), here);

    dialog->Drives->setCurrentIndex(dialog->Drives->findData(b.path()));
    ASSERT_TRUE(QDir(b.path()).mkpath("deep/er"));
    dialog->Directory->setPath(b.path(), b.filePath("deep/er"));
    dialog->cmdCancel->click();
    ASSERT_TRUE(QDir(b.filePath("deep")).removeRecursively());
    main.drives = {a.path(), b.path(), c.path()};

    main.openSave();
    expected = QStringList{a.path(), b.path(), c.path(), here};
    expected.sort();
    EXPECT_EQ(driveRoots(dialog->Drives), expected) << "a drive mounted since is offered";
    EXPECT_EQ(dialog->Drives->currentData().toString(), b.path()) << "the choice is kept";
    EXPECT_EQ(dialog->Directory->path(), b.path()) << "a removed folder gives way to its parent";
    EXPECT_EQ(dialog->txtLocation->text(), b.filePath("Results.txt"));
    dialog->cmdCancel->click();

    main.drives = {a.path()};
    main.openSave();
    EXPECT_EQ(dialog->Drives->currentData().toString(), here) << "a drive gone since";
    EXPECT_EQ(dialog->Directory->path(), QDir::currentPath());
    EXPECT_EQ(dialog->txtLocation->text(), QDir::currentPath() + "/Results.txt");
}

TEST(SaveDialogDrives, fileSystemsForFilesAndRemovableMediaAreOfferedTheKernelsAreNot) {
    const struct {
        const char* root;
        const char* type;
        bool offered;
    } rows[] = {
        {"/", "ext4", true},
        {"/home", "btrfs", true},
        {"/media/ann/STICK", "vfat", true},
        {"/run/media/ann/DISC", "iso9660", true},
        {"/run/user/1000", "tmpfs", false},
        {"/run", "tmpfs", false},
        {"/proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", false},
        {"/dev/shm", "tmpfs", false},
        {"/snap/core/1", "squashfs", false},
        {"/mnt/data", "autofs", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(isFileVolume(row.root, row.type), row.offered) << row.root;
}

// In a font whose blanks are narrow, twelve of them are narrower than
// "500000"; the total must still show whole.
TEST(CopyDialogTotal, theLargestPageTotalIsNeverClippedWhateverTheFont) {
    Main main;
    main.lblPageTotal.setText("500000");
    main.commands->cmdCopy_Click();
    CopyDialog* dialog = main.commands->frmCopy();
    const struct {
        const char* family;
        int points;
        bool bold;
    } rows[] = {
        {"DejaVu Sans Condensed", 10, false},
        {"DejaVu Sans Condensed", 13, true},
        {"DejaVu Sans", 9, false},
        {"DejaVu Serif", 16, true},
        {"DejaVu Sans Mono", 11, false},
    };
    for (const auto& row : rows) {
        QFont font(row.family, row.points);
        font.setBold(row.bold);
        dialog->setFont(font);
        dialog->adjustSize();
        QApplication::processEvents();
        const QString name =
            QString("%1 %2%3").arg(row.family).arg(row.points).arg(row.bold ? " bold" : "");
        EXPECT_EQ(dialog->lblMax->text(), "500000");
        EXPECT_GE(dialog->lblMax->contentsRect().width(),
                  dialog->lblMax->fontMetrics().horizontalAdvance("500000"))
            << name.toStdString();
        EXPECT_TRUE(dialog->Label1->rect().contains(dialog->lblMax->geometry()))
            << name.toStdString();
    }
    dialog->cmdCancel->click();
}

TEST(ExportFailures, aCopyThatFailsIsReportedAndLeavesTheClipboard) {
    Main main;
    main.commands->setEngine(
        {.joinPages = [](const auto&, double, double) -> std::string { throw std::bad_alloc(); }});
    main.commands->cmdCopy_Click();
    const SeenMessage seen = catchMessage([&] { main.commands->frmCopy()->cmdCopy->click(); });
    EXPECT_EQ(seen.text, "The copy could not be completed: not enough memory.");
    EXPECT_EQ(seen.title, "Korvane 6");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the user's");
    EXPECT_EQ(main.lblSearch.text(), "Ready");
    EXPECT_TRUE(main.frmMain.isEnabled());

    main.commands->setEngine({});
    main.commands->cmdCopy_Click();
    main.commands->frmCopy()->cmdCopy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 1 2 3");
}

TEST(ExportFailures, aSaveThatFailsIsReportedAndLeavesTheFile) {
    Main main;
    QTemporaryDir dir;
    SaveDialog* dialog = main.openSaveIn(dir.path(), "r.txt");
    ExportCommands::Engine failing;
    failing.writeResults = [](const auto&, double, double, const auto& sink, const auto&) -> bool {
        sink("half a file");
        throw std::runtime_error("the library gave up.");
    };
    main.commands->setEngine(failing);
    const SeenMessage seen = catchMessage([&] { dialog->cmdSave->click(); });
    EXPECT_EQ(seen.text, "The save could not be completed: the library gave up.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(dialog->ProgressBar1->value(), 0);
    EXPECT_TRUE(dialog->isVisible());

    main.commands->setEngine({});
    dialog->cmdSave->click();
    EXPECT_EQ(readFile(dir.filePath("r.txt")), header + " 1\r\n 2\r\n 3\r\n");
}
