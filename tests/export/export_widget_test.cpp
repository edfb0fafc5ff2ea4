// The copy and save dialogs driven like a user: opened from a button and a
// menu item of a stand-in main window, filled, and read back from the
// clipboard and the file.
#include "export/copy_dialog.h"
#include "export/directory_list.h"
#include "export/export_commands.h"
#include "export/save_dialog.h"
#include "tests/page_fill.h"
#include "tests/widget_test_support.h"
#include "ui/status_label.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

namespace {

const QByteArray header = "Prime number generation:  Using Korvane 6\r\n\r\n";

// What the search tab gives the export commands: its store, the page total and
// status labels, and the button and menu item of each command.
struct MainStandIn {
    LiteralPages pages;
    QLabel lblPageTotal, lblSearch{QStringLiteral("Ready")};
    QPushButton cmdCopy, cmdSave;
    QAction mnuCopy, mnuSave;
    QWidget frmMain;
    ExportCommands* commands = new ExportCommands(&frmMain, pages, &lblPageTotal, &lblSearch);

    explicit MainStandIn(int pageCount) {
        QObject::connect(&cmdCopy, &QPushButton::clicked, commands, &ExportCommands::cmdCopy_Click);
        QObject::connect(&mnuCopy, &QAction::triggered, commands, &ExportCommands::cmdCopy_Click);
        QObject::connect(&cmdSave, &QPushButton::clicked, commands, &ExportCommands::cmdSave_Click);
        QObject::connect(&mnuSave, &QAction::triggered, commands, &ExportCommands::cmdSave_Click);
        setPages(pageCount);
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    }
    // A new result of `count` pages reading " 1", " 2", ...
    void setPages(int count) {
        std::vector<std::string> texts;
        for (int k = 1; k <= count; ++k)
            texts.push_back(' ' + std::to_string(k));
        pages.fill(std::move(texts));
        lblPageTotal.setText(QString::number(count));
    }
    // Whether frmMain takes input, its status line (and "red" while working), the clipboard.
    QString state() const {
        const bool red = statusColour(&lblSearch) == StatusColour::Working;
        return QStringLiteral("%1 %2%3 [%4]")
            .arg(frmMain.isEnabled() ? "on" : "off", lblSearch.text(), red ? " red" : "",
                 QGuiApplication::clipboard()->text());
    }
};

// Each named control as "name=text" ("[x]" or "[ ]" for a check box), with
// "(off)" when disabled, so one comparison reads a dialog's state.
QString state(QWidget* dialog, std::initializer_list<const char*> names) {
    QStringList parts;
    for (const char* name : names) {
        auto* w = child<QWidget>(dialog, name);
        const QString text = !w->property("checkable").toBool() ? w->property("text").toString()
                             : w->property("checked").toBool()  ? "[x]"
                                                                : "[ ]";
        parts << name + ('=' + text) + (w->isEnabled() ? "" : "(off)");
    }
    return parts.join(" | ");
}

// Types into the boxes, then presses `go`: the message shown and where the focus
// went. A question is answered by `respond`.
QString press(QPushButton* go, std::initializer_list<std::pair<QLineEdit*, const char*>> typed = {},
              const Response& respond = {}) {
    for (auto [box, text] : typed)
        box->setText(text);
    go->setFocus();
    const QString message = catchMessage([&] { go->click(); }, respond).text;
    return message + " @" + go->window()->focusWidget()->objectName();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Opens the save dialog from the menu and chooses `dir`, as double-clicking it would.
SaveDialog* openSave(MainStandIn& main, const QString& dir) {
    main.mnuSave.trigger();
    SaveDialog* dialog = main.commands->Save();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)); // for the Enter key
    dialog->Directory->setPath(QStorageInfo(dir).rootPath(), dir);
    return dialog;
}

} // namespace

TEST(ExportDialogs, carryTheirTitlesNamesAndCaptions) {
    MainStandIn main(3);
    main.cmdCopy.click();
    QWidget* copy = main.commands->frmCopy();
    EXPECT_EQ(copy->windowTitle() + " | " + child<QGroupBox>(copy, "Frame1")->title() + " | " +
                  state(copy, {"Label1", "Label2", "Label3", "cmdCopy", "cmdCancel"}),
              "Copy Options... | Copy pages: | Label1=You can choose to copy any page(s) between "
              "1 and             , you can copy up to 1000 pages at a time! | Label2=Beginning  "
              "page: | Label3=Ending page: | cmdCopy=Copy... | cmdCancel=Close");
    child<QPushButton>(copy, "cmdCancel")->click();
    main.cmdSave.click();
    QWidget* save = main.commands->Save();
    EXPECT_EQ(
        save->windowTitle() + " | " + child<QGroupBox>(save, "Frame1")->title() + " | " +
            state(save, {"Label6", "Label7", "Label1", "Filename", "Label2", "Label3", "Label4",
                         "cmdSave", "cmdCancel"}),
        "Saving results to File | Save Pages: | Label6=From page: | Label7=To page: | "
        "Label1=Filename:              (use .txt or .doc extensions) | Filename=Results.txt | "
        "Label2=Choose directory: | Label3=Will be saved in location: | Label4=Note:  Some "
        "files might be enormously large due to the amount of information being saved. | "
        "cmdSave=Save | cmdCancel=Close");
    child<QPushButton>(save, "cmdCancel")->click();
}

// The clipboard is the user's ("stale" stands for what they copied last): only
// a copy replaces it.
TEST(CopyDialog, smallResultOffersCopyAllAndOnlyACopyReplacesTheClipboard) {
    MainStandIn main(3);
    for (int way : {0, 1, 2}) { // "Close", the frame's close button, "Copy..."
        main.cmdCopy.click();
        CopyDialog* dialog = main.commands->frmCopy();
        EXPECT_EQ(main.state(), "off Copying... red [stale]");
        EXPECT_EQ(state(dialog, {"chkCopy", "Text1", "Text2", "lblMax"}),
                  "chkCopy=[x] | Text1=1(off) | Text2=3(off) | lblMax=3");
        way == 0   ? dialog->cmdCancel->click()
        : way == 1 ? (void)dialog->close()
                   : dialog->cmdCopy->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(main.state(), way < 2 ? "on Ready [stale]" : "on Copy Completed... [ 1 2 3]");
    }
}

TEST(CopyDialog, largeResultNeedsASpanAndReopeningTakesInANewTotal) {
    MainStandIn main(1500);
    main.mnuCopy.trigger();
    CopyDialog* dialog = main.commands->frmCopy();
    EXPECT_EQ(state(dialog, {"chkCopy", "Text1", "Text2", "lblMax"}),
              "chkCopy=[ ](off) | Text1=1 | Text2=1500 | lblMax=1500");
    EXPECT_EQ(press(dialog->cmdCopy), "You can copy up to 1000 pages maximum! @cmdCopy");
    EXPECT_EQ(press(dialog->cmdCopy, {{dialog->Text1, "abc"}}),
              "You have to enter a valid number! @Text1");
    EXPECT_EQ(press(dialog->cmdCopy, {{dialog->Text1, "1"}, {dialog->Text2, ""}}),
              "You have to enter a valid number! @Text2");
    EXPECT_EQ(main.state(), "off Copying... red [stale]");
    press(dialog->cmdCopy, {{dialog->Text1, "1499"}, {dialog->Text2, "1500.4"}});
    EXPECT_EQ(main.state(), "on Copy Completed... [ 1499 1500]");

    main.setPages(300);
    main.cmdCopy.click();
    EXPECT_EQ(state(dialog, {"chkCopy", "Text2", "lblMax"}),
              "chkCopy=[x] | Text2=300(off) | lblMax=300");
    dialog->chkCopy->setChecked(false);
    EXPECT_EQ(press(dialog->cmdCopy, {{dialog->Text2, "301"}}),
              "301 is an invalid page number, the last page you can enter is 300 @cmdCopy");
    dialog->cmdCancel->click();
    main.cmdCopy.click(); // the same total: the user's choice is kept
    EXPECT_EQ(state(dialog, {"chkCopy", "Text2"}), "chkCopy=[ ] | Text2=300");
    dialog->cmdCancel->click();
    main.setPages(2000);
    main.cmdCopy.click();
    EXPECT_EQ(state(dialog, {"chkCopy", "lblMax"}), "chkCopy=[ ](off) | lblMax=2000");
}

TEST(SaveDialog, opensOnTheCurrentDirectoryAndKeepsItsChoices) {
    MainStandIn main(7);
    main.cmdSave.click();
    SaveDialog* dialog = main.commands->Save();
    EXPECT_EQ(main.state(), "off Ready [stale]");
    EXPECT_EQ(state(dialog, {"chkPages", "txtFrom", "txtTo", "Filename", "ProgressBar1"}),
              "chkPages=[ ] | txtFrom=1 | txtTo=7 | Filename=Results.txt | ProgressBar1=0%");
    EXPECT_EQ(dialog->txtLocation->text(), QDir::currentPath() + "/Results.txt");
    EXPECT_TRUE(dialog->txtLocation->isReadOnly() && dialog->cmdSave->isDefault());
    EXPECT_EQ(dialog->Drives->currentData(), QStorageInfo(QDir::currentPath()).rootPath());
    dialog->Drives->addItem(QStringLiteral("/no-such-drive"), QStringLiteral("/no-such-drive"));
    EXPECT_EQ(
        catchMessage([&] { dialog->Drives->setCurrentIndex(dialog->Drives->count() - 1); }).text,
        "No media is inserted in the drive or an invalid drive specified!");
    EXPECT_EQ(dialog->Drives->currentText() + " " + dialog->txtLocation->text(),
              "/no-such-drive " + QDir::currentPath() + "/Results.txt");
    QTemporaryDir dir; // where a save that should be refused would land
    dialog->Directory->setPath(QStorageInfo(dir.path()).rootPath(), dir.path());

    EXPECT_EQ(press(dialog->cmdSave, {{dialog->txtFrom, "abc"}, {dialog->txtTo, "-0"}}),
              "You have to enter a valid number! @txtFrom");
    dialog->chkPages->setChecked(true); // not a number: the boxes are left alone
    EXPECT_EQ(state(dialog, {"txtFrom", "txtTo"}), "txtFrom=abc | txtTo=-0");
    dialog->chkPages->setChecked(false);
    EXPECT_EQ(press(dialog->cmdSave, {{dialog->txtFrom, "1"}}),
              "Your ending page cannot be less than 1! @txtTo");
    dialog->txtFrom->setText("3");
    dialog->chkPages->setChecked(true);
    EXPECT_EQ(state(dialog, {"txtFrom", "txtTo"}), "txtFrom=1(off) | txtTo=7(off)");
    EXPECT_EQ(press(dialog->cmdSave, {{dialog->Filename, ""}}), "Enter a filename! @cmdSave");
    EXPECT_EQ(press(dialog->cmdSave, {{dialog->Filename, "kept.txt"}}), " @cmdSave");
    dialog->cmdCancel->click();

    main.setPages(12);
    main.cmdSave.click();
    EXPECT_EQ(
        state(dialog, {"chkPages", "txtFrom", "txtTo", "Filename", "ProgressBar1"}),
        "chkPages=[x] | txtFrom=1(off) | txtTo=12(off) | Filename=kept.txt | ProgressBar1=0%");
    EXPECT_EQ(dialog->txtLocation->text(), dir.filePath("kept.txt"));
    dialog->chkPages->setChecked(false);
    EXPECT_EQ(state(dialog, {"txtFrom", "txtTo"}), "txtFrom=1 | txtTo=12");
    dialog->Directory->setPath("/", "/"); // a drive's root keeps its own separator
    EXPECT_EQ(dialog->txtLocation->text(), "//kept.txt");
}

TEST(SaveDialog, savesWhereTheLocationSaysAndReplacesTheFile) {
    MainStandIn main(3);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    SaveDialog* dialog = openSave(main, dir.path());
    dialog->Filename->clear();
    EXPECT_EQ(dialog->txtLocation->text(), dir.path() + "/");
    QTest::keyClicks(dialog->Filename, "out.txt");
    EXPECT_EQ(dialog->txtLocation->text(), path);

    EXPECT_EQ(press(dialog->cmdSave), " @cmdSave");
    EXPECT_EQ(readFile(path), header + " 1\r\n 2\r\n 3\r\n");
    EXPECT_EQ(state(dialog, {"ProgressBar1"}), "ProgressBar1=100%");
    press(dialog->cmdSave, {{dialog->txtFrom, "2"}, {dialog->txtTo, "2.4"}},
          clickButton(QMessageBox::Yes));
    EXPECT_EQ(readFile(path), header + " 2\r\n"); // the longer file is replaced whole
    dialog->Filename->setText(QStringLiteral("Résultats – 素数.txt"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)); // the question had the activation
    QTest::keyClick(dialog->txtTo, Qt::Key_Return);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Résultats – 素数.txt"))), header + " 2\r\n");
    main.setPages(40000);
    press(dialog->cmdSave, {{dialog->txtFrom, "32767"}, {dialog->txtTo, "32769"}},
          clickButton(QMessageBox::Yes));
    EXPECT_EQ(readFile(dialog->txtLocation->text()), header + " 32767\r\n 32768\r\n 32769\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no stray temporary file
    dialog->close();                                              // the frame's close button
    EXPECT_EQ(main.state(), "on Ready [stale]");
}

TEST(SaveDialog, failedWritesAreReportedAndLeaveNothingHalfWritten) {
    MainStandIn main(3);
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    QStringList names{"missing/r.txt", "plain/r.txt", "folder"};
    // Only a user who may not write into a read-only folder can try one.
    QFile::setPermissions(dir.filePath("folder"), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.filePath("folder")).isWritable())
        names << "folder/r.txt";
    SaveDialog* dialog = openSave(main, dir.path());
    const QString failed = "The results could not be saved to \"";
    for (const QString& name : names) {
        const QString text = press(dialog->cmdSave, {{dialog->Filename, qPrintable(name)}});
        const QString start = failed + dir.filePath(name) + "\".";
        EXPECT_TRUE(text.startsWith(start) && text.size() > start.size() + 15)
            << text.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"folder", "plain"}));
    EXPECT_EQ(press(dialog->cmdSave, {{dialog->Filename, "r.txt"}}), " @cmdSave"); // still usable
    EXPECT_EQ(readFile(dir.filePath("r.txt")), header + " 1\r\n 2\r\n 3\r\n");

    // A file size limit fails the write as a full disk would, even for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{16, saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const QString text = press(dialog->cmdSave, {}, clickButton(QMessageBox::Yes));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(text.startsWith(failed)) << text.toStdString();
    EXPECT_EQ(readFile(dir.filePath("r.txt")), header + " 1\r\n 2\r\n 3\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"plain", "r.txt"}));
}
