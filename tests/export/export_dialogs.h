// The copy and save dialogs opened from the real main window, and the files
// a save writes.
#pragma once

#include "export/directory_list.h"
#include "tests/app/window_fixture.h"

#include <QClipboard>
#include <QStorageInfo>
#include <QTemporaryDir>

inline const QByteArray header = "Prime number generation:  Using Korvane 6\r\n\r\n";

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct ExportTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        // Stands for what the user copied last: only a copy may replace it.
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's"));
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    // A new search in place of the one before.
    void searchAgain(const QString& from, const QString& to) {
        if (enabled("cmdClear"))
            click("cmdClear");
        search(from, to);
    }
    Controls openCopy() {
        click("cmdCopy");
        const Controls copy = shownWindow("frmCopy");
        EXPECT_TRUE(copy.becomesActive());
        return copy;
    }
    // Opens the save dialog from the menu, in `dir` when one is given.
    Controls openSave(const QString& dir = {}) {
        w->mnuSave->trigger();
        Controls save = shownWindow("Save");
        EXPECT_TRUE(save.becomesActive()); // for the Enter key
        if (!dir.isEmpty())
            save.get<DirectoryList>("Directory")->setPath(QStorageInfo(dir).rootPath(), dir);
        return save;
    }
    // Types into a dialog's boxes, presses a button: the message shown, if any.
    static QString press(const Controls& dialog, const char* button,
                         std::initializer_list<std::pair<const char*, const char*>> typed = {},
                         const Response& respond = {}) {
        for (const auto& [box, text] : typed)
            dialog.get<QLineEdit>(box)->setText(text);
        dialog.get(button)->setFocus();
        return catchMessage([&] { dialog.click(button); }, respond).text;
    }
    // The results file of pages first..last of the search on view.
    QByteArray resultsFile(int first, int last) const {
        QByteArray file = header;
        for (int k = first; k <= last; ++k)
            file += pageText(k).toLatin1() + "\r\n";
        return file;
    }
};
