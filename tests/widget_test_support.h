// Helpers shared by the widget tests: a window driven through the objectNames
// of its controls, and message boxes read and answered as a user would.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <utility>

// Lets failed comparisons and their notes print texts...
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
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
    QString text(const char* name) const;
    bool enabled(const char* name) const {
        return get<QObject>(name)->property("enabled").toBool();
    }
    bool checked(const char* name) const {
        return get<QObject>(name)->property("checked").toBool();
    }
    // Whether a label shows its text in the red of work under way.
    bool red(const char* label) const {
        return get(label)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    // The name of the control with the focus, and of the button Enter presses.
    QString focus() const;
    QString defaultButton() const;
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
    void type(const char* box, const QString& text) const;
    // A key pressed where the focus is in this window.
    void key(QKeyCombination key) const;
    // Each named control shows its text.
    void expectTexts(std::initializer_list<std::pair<const char*, const char*>> rows) const {
        for (const auto& [name, expected] : rows)
            EXPECT_EQ(text(name), QString::fromUtf8(expected)) << "the text of " << name;
    }
};

// The shown top-level window of that objectName (a dialog, the About window).
Controls shownWindow(const char* name);

// What a message box showed before the test closed it.
struct SeenMessage {
    bool shown = false;
    QString text;
    QString title;
    bool iconless = false;
    QString buttons;       // the captions, in order, joined by blanks ("&Yes &No")
    QString defaultButton; // the caption Enter presses
    QString escapeButton;  // the caption Escape presses
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
