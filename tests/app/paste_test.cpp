// Text that arrives at once in the boxes with a length limit (From, To, Go To
// and the number to factor): a paste, drop or input-method commit that would
// not fit whole is refused with a beep by every route, one that fits (in place
// of the selection) goes in, and a number copied with its line break goes in
// without it.
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

namespace {

struct PasteTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        setRefusalSound([this] { ++beeps; });
    }
    void TearDown() override { setRefusalSound({}); }
    // Each guarded box, shown on its tab.
    template <typename F> void forEachBox(F&& check) {
        for (const auto& [name, tab] :
             {std::pair{"txtFrom", 1}, {"txtTo", 1}, {"txtGoTo", 1}, {"txtNumber", 3}}) {
            showTab(tab);
            check(name, get<QLineEdit>(name));
        }
    }
    int beeps = 0;
};

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

// Dragged in from elsewhere (not this box) and dropped after the text.
Paste byDrop(Qt::DropAction action) {
    return [action](QLineEdit* box, const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint end(box->width() - 2, box->height() / 2);
        QDragEnterEvent enter(end, action, &data, Qt::LeftButton, {});
        QDragMoveEvent move(end, action, &data, Qt::LeftButton, {});
        QDropEvent drop(end, action, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
            QApplication::sendEvent(box, event);
    };
}

// The system's selection, pasted after the text where the platform has one.
void byMiddleClick(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 2, box->height() / 2));
}

// What an input method composed, committed in one event.
void byInputMethod(QLineEdit* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// A number copied as a spreadsheet cell or a terminal line copies it goes in
// without its one final LF or CR LF, and must fit without it. Any other line
// break stays, for the window's own check to refuse as any text that is no
// number.
TEST_F(PasteTest, textGoesInWholeWithoutOneFinalLineBreakOrIsRefusedByEveryRoute) {
    // Each route, and whether it puts its text after the box's text rather
    // than in place of the selection.
    std::vector<std::tuple<const char*, Paste, bool>> routes = {
        {"Ctrl+V", byKeys(Qt::CTRL | Qt::Key_V), false},
        {"Shift+Insert", byKeys(Qt::SHIFT | Qt::Key_Insert), false},
        {"context menu", byMenu, false},
        {"drop", byDrop(Qt::CopyAction), true},
        {"move drop from elsewhere", byDrop(Qt::MoveAction), true},
        {"input method", byInputMethod, false}};
    if (QGuiApplication::clipboard()->supportsSelection())
        routes.push_back({"middle click", byMiddleClick, true});
    const std::pair<QString, QString> breaks[] = {
        {"123\n\n", "123\n"}, {"12\n3", "12\n3"}, {"123\r", "123\r"}};
    forEachBox([&](const char* name, QLineEdit* box) {
        const int most = box->maxLength();
        for (const auto& [routeName, paste, atEnd] : routes) {
            SCOPED_TRACE(std::string(name) + " by " + routeName);
            const bool committed = std::string_view(routeName) == "input method";
            box->setText("12");
            box->setCursorPosition(1);
            const int before = beeps;
            paste(box, QString(most - 1, u'9')); // one too many
            EXPECT_EQ(box->text(), "12");
            EXPECT_EQ(box->cursorPosition(), 1) << "the cursor stays";
            EXPECT_EQ(beeps, before + 1) << "one beep";
            box->selectAll();
            const QString fill(atEnd ? most - 2 : most, u'7'); // exactly fills the box
            paste(box, fill + (committed ? "" : "\r\n"));
            EXPECT_EQ(box->text(), atEnd ? "12" + fill : fill);
            for (const auto& [pasted, kept] : breaks) {
                if (committed)
                    break;
                box->clear();
                paste(box, pasted);
                EXPECT_EQ(box->text(), kept) << pasted;
            }
            EXPECT_EQ(beeps, before + 1) << "no beep";
        }
    });
}

// A refused commit takes what the input method was composing with it.
TEST_F(PasteTest, aRefusedInputMethodCommitLeavesNothingHalfComposed) {
    auto* box = get<QLineEdit>("txtGoTo");
    box->setText("12345");
    box->setCursorPosition(5);
    const QImage shown = box->grab().toImage();
    QInputMethodEvent composing(QStringLiteral("67"), {});
    QApplication::sendEvent(box, &composing);
    ASSERT_NE(box->grab().toImage(), shown) << "the box shows what is being composed";
    byInputMethod(box, QStringLiteral("67"));
    EXPECT_EQ(box->text(), "12345");
    EXPECT_EQ(box->grab().toImage(), shown) << "the box shows its text alone";
    EXPECT_EQ(beeps, 1);
    QTest::keyClick(box, Qt::Key_6);
    EXPECT_EQ(box->text(), "123456") << "the box still takes a key";
}

} // namespace
