// Alt and a letter does one thing in each window: no two controls or menu
// titles of a window, and no two items of a menu, share an access letter.
#include "tests/app/every_window.h"

namespace {

// The caption whose access letter works in the control's window, if any.
QString captionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->buddy() ? label->text() : QString();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

// Adds each caption's letter to `taken`, failing on one already there.
void expectOwnLetters(const QStringList& captions, const QString& where) {
    QMap<QString, QString> taken; // letter -> caption
    for (const QString& caption : captions) {
        const QString letter = QKeySequence::mnemonic(caption).toString();
        if (letter.isEmpty())
            continue;
        EXPECT_FALSE(taken.contains(letter)) << where.toStdString() << ": " << caption << " and "
                                             << taken[letter] << " share " << letter;
        taken.insert(letter, caption);
    }
}

using AccessLetterTest = WindowTest;

TEST_F(AccessLetterTest, noTwoControlsOrMenuTitlesOfAWindowNorItemsOfAMenuShareALetter) {
    click("cmdCalculate");
    forEveryWindow(*this, [&](QWidget* window, int tab) {
        if (tab > 1)
            return; // every tab's controls are children of the main window
        QStringList captions;
        if (auto* main = qobject_cast<QMainWindow*>(window))
            for (const QAction* title : main->menuBar()->actions())
                captions << title->text();
        for (const QWidget* control : window->findChildren<QWidget*>())
            if (control->window() == window)
                captions << captionOf(control);
        expectOwnLetters(captions, window->objectName());
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* item : menu->actions())
                items << item->text();
            expectOwnLetters(items, menu->objectName());
        }
    });
}

// Typed as a user would: Alt+F opens the File menu every time, and From has
// a letter of its own; in the View menu, C clears and O copies.
TEST_F(AccessLetterTest, theLettersOfTheSearchTabAndTheViewMenuDoWhatTheySay) {
    const auto openedBy = [&](QKeyCombination keys) {
        key(keys);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QString name = menu ? menu->objectName() : QString("none");
        if (menu)
            QTest::keyClick(menu, Qt::Key_Escape);
        return name;
    };
    get("txtTo")->setFocus();
    EXPECT_EQ(openedBy(Qt::ALT | Qt::Key_F), "mnuFile");
    EXPECT_EQ(openedBy(Qt::ALT | Qt::Key_F), "mnuFile") << "again, not the From box";
    key(Qt::ALT | Qt::Key_M);
    EXPECT_TRUE(focusIs("txtFrom"));

    click("cmdCalculate");
    key(Qt::ALT | Qt::Key_V);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O);
    const Controls copy = shownWindow("frmCopy");
    ASSERT_TRUE(copy.root) << "O copies";
    copy.root->close();
    key(Qt::ALT | Qt::Key_V);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
    EXPECT_EQ(text("lblSearch"), "Ready to begin search") << "C clears";
}

} // namespace
