// Helpers shared by the widget tests.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

// What a message box showed before the test closed it.
struct SeenMessage {
    bool shown = false;
    QString text;
    QString title;
    bool iconless = false;
    bool okOnly = false;
    QString buttons;       // the captions, in order, joined by blanks ("&Yes &No")
    QString defaultButton; // the caption Enter presses
    QString escapeButton;  // the caption Escape presses
};

// How the test answers a message box.
using Response = std::function<void(QMessageBox* box)>;
// Clicks the given button.
Response clickButton(QMessageBox::StandardButton button);
// Presses a key in the box, as a user answering from the keyboard.
Response pressKey(Qt::Key key);

// Runs `action`; if it opens a modal message box, records it and answers it
// (by default with OK).
SeenMessage catchMessage(const std::function<void()>& action, const Response& respond = {});

// Finds a child by objectName and type, failing the test when it is missing.
template <typename T> T* child(QObject* root, const char* name);

#include <QObject>
#include <gtest/gtest.h>

template <typename T> T* child(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no child named " << name;
    return found;
}
