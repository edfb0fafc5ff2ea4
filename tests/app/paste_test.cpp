// Pasting into the boxes with a length limit: a paste or drop that would not
// fit whole is refused with a beep by every route, and one that fits (in
// place of the selection) goes in.
#include "tests/app/window_fixture.h"
#include "ui/paste_guard.h"

namespace {

struct PasteTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        setRefusalSound([this] { ++beeps; });
    }
    void TearDown() override { setRefusalSound({}); }

    // Each route puts `text` into the box as a user would.
    static void byKeys(QLineEdit* box, QKeyCombination keys, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    }
    static void byMenu(QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                  box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "the context menu is open";
        for (QAction* item : menu->actions())
            if (item->text().startsWith("&Paste"))
                item->trigger();
        menu->close();
    }
    // Dragged in from elsewhere and dropped after the text.
    static void byDrop(QLineEdit* box, const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPointF end(box->width() - 2, box->height() / 2);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &move);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
    }
    int beeps = 0;
};

TEST_F(PasteTest, aPasteThatWouldNotFitWholeIsRefusedByEveryRoute) {
    using Route = std::function<void(QLineEdit*, const QString&)>;
    const std::pair<const char*, Route> routes[] = {
        {"Ctrl+V", [](auto* box, const auto& t) { byKeys(box, Qt::CTRL | Qt::Key_V, t); }},
        {"Shift+Insert",
         [](auto* box, const auto& t) { byKeys(box, Qt::SHIFT | Qt::Key_Insert, t); }},
        {"context menu", &PasteTest::byMenu},
        {"drop", &PasteTest::byDrop},
    };
    const std::pair<const char*, int> boxes[] = {
        {"txtFrom", 1}, {"txtTo", 1}, {"txtGoTo", 1}, {"txtNumber", 3}};
    for (const auto& [name, tab] : boxes) {
        showTab(tab);
        auto* box = get<QLineEdit>(name);
        const int most = box->maxLength();
        for (const auto& [routeName, paste] : routes) {
            SCOPED_TRACE(std::string(name) + " by " + routeName);
            // One character too many with "12" in the box: refused.
            box->setText("12");
            box->setCursorPosition(1);
            const int before = beeps;
            paste(box, QString(most - 1, u'9'));
            EXPECT_EQ(box->text(), "12");
            EXPECT_EQ(box->cursorPosition(), 1) << "the cursor stays";
            EXPECT_EQ(beeps, before + 1) << "one beep";
            // Exactly filling the box: taken whole, in place of the selection
            // (a drop goes where it lands instead).
            box->selectAll();
            const bool drop = routeName == std::string("drop");
            paste(box, QString(drop ? most - 2 : most, u'7'));
            EXPECT_EQ(box->text(), drop ? "12" + QString(most - 2, u'7') : QString(most, u'7'));
            EXPECT_EQ(beeps, before + 1) << "no beep";
        }
    }
}

// A middle click pastes the system's selection where the platform has one.
TEST_F(PasteTest, aMiddleClickPasteThatWouldNotFitIsRefused) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "no selection to paste on this platform";
    auto* box = get<QLineEdit>("txtGoTo");
    box->setText("12");
    box->setCursorPosition(1);
    clipboard->setText("99999", QClipboard::Selection);
    QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(box->cursorPosition(), 1);
    EXPECT_EQ(beeps, 1);
    clipboard->setText("9999", QClipboard::Selection);
    QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(box->width() - 2, box->height() / 2));
    EXPECT_EQ(box->text(), "129999");
}

} // namespace
