// What the random user does with the controls of the window in front: each
// action notes itself in words, so a failing seed can be read and replayed.
#include "tests/app/random_user.h"

#include "tests/widget_test_support.h"

namespace {

std::string said(const QString& text) {
    QString shown = text;
    shown.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return '"' + shown.toStdString() + '"';
}

std::string nameOf(const QObject* object) {
    const QString name = object->objectName();
    return name.isEmpty() ? std::string("a ") + object->metaObject()->className()
                          : name.toStdString();
}

bool quits(const QAction* item) {
    const QString caption = QString(item->text()).remove(u'&');
    return item->menuRole() == QAction::QuitRole || item->objectName().contains("Exit") ||
           caption.startsWith("Exit") || caption.startsWith("Quit");
}

// Every item a menu bar or menu offers, submenus opened; never Exit.
void collectItems(const QList<QAction*>& items, std::vector<QAction*>& into) {
    for (QAction* item : items) {
        if (item->menu())
            collectItems(item->menu()->actions(), into);
        else if (item->isEnabled() && item->isVisible() && !item->isSeparator() && !quits(item))
            into.push_back(item);
    }
}

// The keys a user may press anywhere, with the keys of the calculator and of
// moving between tabs, pages and menus.
// clang-format off
const QKeyCombination keys[] = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up,
    Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
    Qt::Key_End, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space, Qt::Key_0, Qt::Key_1, Qt::Key_5,
    Qt::Key_9, Qt::Key_Period, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk, Qt::Key_Slash,
    Qt::Key_Equal, Qt::Key_E, Qt::Key_X, Qt::Key_F1, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C,
    Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Tab,
    Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_PageDown,
    Qt::SHIFT | Qt::Key_Insert, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_V, Qt::ALT | Qt::Key_H};
// clang-format on

QString character(const QKeyCombination key) {
    const int code = key.key();
    if (key.keyboardModifiers() != Qt::NoModifier || code > 0xff)
        return {};
    return QString(QChar(code)).toLower();
}

// Types each character as a key that sends it, whether or not a key of the
// keyboard is named for it.
void typeKeys(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        const char16_t code = c.toUpper().unicode();
        const Qt::Key key = code >= 0x20 && code < 0x7f ? Qt::Key(code) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

} // namespace

template <typename T> std::vector<T*> RandomUser::shown(QWidget* window) const {
    std::vector<T*> found;
    for (T* control : window->findChildren<T*>())
        if (control->isVisible() && control->isEnabled() && control->window() == window)
            found.push_back(control);
    return found;
}

QString RandomUser::randomText() {
    // Numbers of every form the boxes read or refuse, page counts, digits of
    // other scripts (Arabic-Indic, CJK, fullwidth), words, and line breaks.
    // clang-format off
    static const QString pieces[] = {
        "0", "1.4", "7", "42", "1000", "65536", "500000", "-3", "+12", "1E+19", "1e19", "2.5", "1E-41",
        "1e400", "-0", ".", "E", "e+", "abc", "x", " 12 ", "1,5", "\u0663\u0664\u0665",
        "\u4e00\u4e8c\u4e09", "\u043f\u044f\u0442\u044c", "\uff11\uff12\uff13", "\U0001F522",
        "12\n", "34\r\n", "5\n6"};
    // clang-format on
    switch (below(5)) {
    case 0: { // digits, up to 25 of them
        QString digits;
        for (int k = below(25) + 1; k > 0; --k)
            digits += QChar(u'0' + below(10));
        return digits;
    }
    case 1: { // a 25-character mixture
        static const QString letters = "0123456789+-.eE abcXYZ,\u00e9\u0436";
        QString mixed;
        for (int k = 0; k < 25; ++k)
            mixed += letters[below(int(letters.size()))];
        return mixed;
    }
    case 2: // a file name as long as a file system takes, or longer
        return QString(245 + below(12), u'n') + ".txt";
    default:
        return pieces[below(int(std::size(pieces)))];
    }
}

void RandomUser::onPopup(QWidget* popup) {
    std::vector<QAction*> items;
    if (auto* menu = qobject_cast<QMenu*>(popup))
        collectItems(menu->actions(), items);
    QAction* item = below(3) == 0 ? nullptr : oneOf(items);
    note(item ? "picks " + said(item->text()) + " in a menu" : "closes " + nameOf(popup));
    popup->close();
    if (item)
        item->trigger();
}

void RandomUser::clickButton(QWidget* window) {
    if (!mayPress_)
        return note("presses nothing in " + nameOf(window));
    QAbstractButton* button = oneOf(shown<QAbstractButton>(window));
    if (!button)
        return pressKey(window);
    note("clicks " + nameOf(button) + " " + said(button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void RandomUser::triggerMenuItem(QWidget* window) {
    std::vector<QAction*> items;
    if (const auto* main = qobject_cast<QMainWindow*>(window); main && main->menuBar())
        collectItems(main->menuBar()->actions(), items);
    QAction* item = oneOf(items);
    if (!item)
        return clickButton(window);
    note("chooses the menu item " + nameOf(item) + " " + said(item->text()));
    item->trigger();
}

void RandomUser::typeText(QWidget* window) {
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : shown<QLineEdit>(window))
        if (!box->isReadOnly())
            boxes.push_back(box);
    QLineEdit* box = oneOf(boxes);
    if (!box)
        return pressKey(window);
    const QString text = randomText();
    bool keyed = true; // a text that keys can type
    for (const QChar c : text)
        keyed = keyed && c.unicode() < 0x100 && c != u'\n' && c != u'\r';
    switch (keyed ? below(4) : 2 + below(2)) {
    case 0:
        note("types " + said(text) + " over all of " + nameOf(box));
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        typeKeys(box, text);
        break;
    case 1:
        note("types " + said(text) + " in " + nameOf(box));
        typeKeys(box, text);
        break;
    case 2:
        note("pastes " + said(text) + " in " + nameOf(box));
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    default: {
        note("composes " + said(text) + " in " + nameOf(box));
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    }
    }
}

void RandomUser::pressKey(QWidget* window) {
    if (!mayPress_)
        return note("presses nothing in " + nameOf(window));
    const QKeyCombination key = keys[below(int(std::size(keys)))];
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window) {
        std::vector<QWidget*> focusable;
        for (QWidget* control : shown<QWidget>(window))
            if (control->focusPolicy() != Qt::NoFocus)
                focusable.push_back(control);
        target = focusable.empty() ? window : oneOf(focusable);
    }
    note("presses " + QKeySequence(key).toString().toStdString() + " in " + nameOf(target));
    // With the text the key types, as a keyboard sends it.
    QTest::sendKeyEvent(QTest::Click, target, key.key(), character(key), key.keyboardModifiers());
}

// As a drag of the handle: pressed, moved, let go.
void RandomUser::moveSlider(QWidget* window) {
    QAbstractSlider* slider = oneOf(shown<QAbstractSlider>(window));
    if (!slider)
        return pickItem(window);
    const int to = slider->minimum() + below(slider->maximum() - slider->minimum() + 1);
    note("drags " + nameOf(slider) + " to " + std::to_string(to));
    slider->setSliderDown(true);
    slider->setSliderPosition(to);
    slider->setSliderDown(false);
}

void RandomUser::pickItem(QWidget* window) {
    if (QComboBox* combo = below(2) == 0 ? oneOf(shown<QComboBox>(window)) : nullptr;
        combo && combo->count() > 0) {
        const int index = below(combo->count());
        note("picks " + said(combo->itemText(index)) + " in " + nameOf(combo));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return;
    }
    QAbstractItemView* list = oneOf(shown<QAbstractItemView>(window));
    const int rows = list && list->model() ? list->model()->rowCount(list->rootIndex()) : 0;
    if (rows == 0)
        return clickButton(window);
    const QModelIndex item = list->model()->index(below(rows), 0, list->rootIndex());
    list->scrollTo(item);
    const QPoint at = list->visualRect(item).center();
    const bool opens = below(3) == 0;
    note((opens ? "double-clicks " : "clicks ") + said(item.data().toString()) + " in " +
         nameOf(list));
    if (opens)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void RandomUser::clickTab(QWidget* window) {
    QTabBar* strip = oneOf(shown<QTabBar>(window));
    if (!strip || strip->count() == 0)
        return clickButton(window);
    const int tab = below(strip->count());
    const Qt::MouseButton button = below(4) == 0 ? Qt::RightButton : Qt::LeftButton;
    note(std::string(button == Qt::LeftButton ? "clicks" : "right-clicks") + " the tab " +
         said(strip->tabText(tab)));
    QTest::mouseClick(strip, button, {}, strip->tabRect(tab).center());
}

void RandomUser::openContextMenu(QWidget* window) {
    std::vector<QWidget*> texts;
    for (QWidget* control : shown<QWidget>(window))
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control))
            texts.push_back(control);
    QWidget* control = oneOf(texts);
    if (!control)
        return pressKey(window);
    note("opens the context menu of " + nameOf(control));
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    QWidget* receiver = area ? area->viewport() : control;
    QContextMenuEvent request(QContextMenuEvent::Mouse, {4, 4},
                              receiver->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(receiver, &request);
}

// The frame's close button; the main window stays open.
void RandomUser::closeWindow(QWidget* window) {
    if (window == main_)
        return clickButton(window);
    note("closes the window " + nameOf(window));
    window->close();
}
