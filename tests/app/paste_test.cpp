// Pasting into the boxes with a length limit: a paste or drop that would not
// fit whole is refused with a beep by every route, and one that fits (in
// place of the selection) goes in.
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

namespace {

using Paste = std::function<void(QLineEdit* box, const QString& text)>;

Paste byKeys(QKeyCombination keys) {
    return [keys](QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    };
}

void byMenu(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, {2, 2}, box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the context menu is open";
    for (QAction* item : menu->actions())
        if (item->text().startsWith("&Paste"))
            item->trigger();
    menu->close();
}

// Dragged in from elsewhere and dropped after the text.
void byDrop(QLineEdit* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint end(box->width() - 2, box->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
        QApplication::sendEvent(box, event);
}

// The system's selection, pasted after the text where the platform has one.
void byMiddleClick(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 2, box->height() / 2));
}

using PasteTest = WindowTest;

TEST_F(PasteTest, aPasteThatWouldNotFitWholeIsRefusedByEveryRoute) {
    int beeps = 0;
    setRefusalSound([&] { ++beeps; });
    // Whether the route inserts after the text rather than over the selection.
    std::vector<std::tuple<const char*, Paste, bool>> routes = {
        {"Ctrl+V", byKeys(Qt::CTRL | Qt::Key_V), false},
        {"Shift+Insert", byKeys(Qt::SHIFT | Qt::Key_Insert), false},
        {"context menu", byMenu, false},
        {"drop", byDrop, true}};
    if (QGuiApplication::clipboard()->supportsSelection())
        routes.emplace_back("middle click", byMiddleClick, true);
    for (const auto& [name, tab] :
         {std::pair{"txtFrom", 1}, {"txtTo", 1}, {"txtGoTo", 1}, {"txtNumber", 3}}) {
        showTab(tab);
        auto* box = get<QLineEdit>(name);
        const int most = box->maxLength();
        for (const auto& [routeName, paste, atEnd] : routes) {
            SCOPED_TRACE(std::string(name) + " by " + routeName);
            box->setText("12");
            box->setCursorPosition(1);
            const int before = beeps;
            paste(box, QString(most - 1, u'9')); // one too many
            EXPECT_EQ(box->text(), "12");
            EXPECT_EQ(box->cursorPosition(), 1) << "the cursor stays";
            EXPECT_EQ(beeps, before + 1) << "one beep";
            box->selectAll();
            paste(box, QString(atEnd ? most - 2 : most, u'7')); // exactly fills the box
            EXPECT_EQ(box->text(), atEnd ? "12" + QString(most - 2, u'7') : QString(most, u'7'));
            EXPECT_EQ(beeps, before + 1) << "no beep";
        }
    }
    setRefusalSound({});
}

} // namespace
