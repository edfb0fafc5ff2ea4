// Helpers shared by the widget tests.
#pragma once

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
};

// Runs `action`; if it opens a modal message box, records it and presses OK.
SeenMessage catchMessage(const std::function<void()>& action);

// Finds a child by objectName and type, failing the test when it is missing.
template <typename T> T* child(QObject* root, const char* name);

#include <QObject>
#include <gtest/gtest.h>

template <typename T> T* child(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no child named " << name;
    return found;
}
