// Helpers shared by the widget tests: a window driven through the objectNames
// of its controls, and message boxes read and answered as a user would.
#pragma once

// All of Qt Test, Widgets, Gui and Core, for every widget test.
#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

// Lets failed comparisons and their notes print texts...
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
// ... and the literal a text is compared with, which GoogleTest would print as
// an address.
template <> class testing::internal::FormatForComparison<const char*, QString> {
  public:
    static std::string Format(const char* value) { return PrintToString(value); }
};

// A window's controls by name, as a user sees and works them.
struct Controls {
    QWidget* root = nullptr;

    // Finds a child by objectName and type, failing the test when it is missing.
    template <typename T = QWidget> T* get(const char* name) const {
        T* found = root ? root->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }
    // The caption, text or title the control shows.
    QString text(const char* name) const {
        const QObject* control = get<QObject>(name);
        for (const char* property : {"plainText", "title", "text"})
            if (control && control->property(property).isValid())
                return control->property(property).toString();
        return QStringLiteral("<no text>");
    }
    bool enabled(const char* n) const { return get<QObject>(n)->property("enabled").toBool(); }
    bool checked(const char* n) const { return get<QObject>(n)->property("checked").toBool(); }
    // Whether a label shows its text in the red of work under way.
    bool red(const char* label) const { return get(label)->palette().windowText() == Qt::red; }
    // The control with the focus in this window (or null), its name ("none"),
    // and the names of the buttons Enter presses.
    QWidget* focused() const {
        QWidget* focused = QApplication::focusWidget();
        return focused && focused->window() == root->window() ? focused : nullptr;
    }
    QString focus() const { return focused() ? focused()->objectName() : QString("none"); }
    QString defaultButton() const {
        QStringList names;
        for (const QPushButton* button : root->findChildren<QPushButton*>())
            if (button->isDefault())
                names << button->objectName();
        return names.join(u' ');
    }
    // Waits a moment for the focus, or the activation, which the window
    // system may give only after a message box or another window closed.
    bool focusIs(const char* name) const {
        return QTest::qWaitFor([&] { return focus() == QLatin1String(name); });
    }
    bool becomesActive() const {
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == root; });
    }
    void click(const char* name) const { QTest::mouseClick(get(name), Qt::LeftButton); }
    // Replaces a box's text as a user would: click in, select all, type.
    void type(const char* box, const QString& text) const {
        click(box);
        get<QLineEdit>(box)->selectAll();
        QTest::keyClick(get(box), Qt::Key_Delete);
        QTest::keyClicks(get(box), text);
    }
    // A key pressed where the focus is in this window.
    void key(QKeyCombination key) const {
        QTest::keyClick(focused() ? focused() : root, key.key(), key.keyboardModifiers());
    }
    // Each named control shows its text.
    void expectTexts(std::initializer_list<std::pair<const char*, const char*>> rows) const {
        for (const auto& [name, expected] : rows)
            EXPECT_EQ(text(name), QString::fromUtf8(expected)) << "the text of " << name;
    }
};

// The shown top-level window of that objectName (a dialog, the About window).
Controls shownWindow(const char* name);

// The name a screen reader says for a control.
QString accessibleName(QWidget* control);
// Every control of `window` that can take the focus, on every tab, shown or
// not, has a name a screen reader says, and no two share one.
void expectEveryFocusableControlNamed(QWidget* window);

// What a message box showed before the test closed it.
struct SeenMessage {
    bool shown = false;
    QString text, title;
    bool iconless = false;
    // The captions in order, joined by blanks ("&Yes &No"), and the one Enter presses.
    QString buttons, defaultButton;
};

// How the test answers a message box: a button clicked, or a key pressed in
// it as a user answering from the keyboard.
using Response = std::function<void(QMessageBox* box)>;
Response clickButton(QMessageBox::StandardButton button);
inline Response pressKey(Qt::Key key) {
    return [key](QMessageBox* box) { QTest::keyClick(box, key); };
}

// Runs `action`; if it opens a modal message box, records it and answers it
// (by default with OK).
SeenMessage catchMessage(const std::function<void()>& action, const Response& respond = {});

// A message box that no test answers would hold its test until the time limit
// of the whole run. Once watched for, a box left open for `patience` fails the
// running test with its text and is closed, so that the test goes on to its
// own checks. Watches from the start of every widget test program.
void failOnUnansweredMessages(std::chrono::milliseconds patience);
