// The real main window, shown and active, for the tests to drive as a user
// would: controls found by objectName, clicked and typed into with QTest.
#pragma once

#include "app/main_window.h"
#include "search/search_frame.h"
#include "tests/widget_test_support.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QtWidgets>

#include <memory>

struct WindowTest : ::testing::Test, Controls {
    void SetUp() override { openWindow(); }
    // A new main window in place of the one before.
    void openWindow() {
        w.reset();
        w = std::make_unique<MainWindow>();
        root = w.get();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    void search(const QString& from, const QString& to) {
        type("txtFrom", from);
        type("txtTo", to);
        click("cmdCalculate");
    }
    // A left-button click on a tab, numbered from 1.
    void showTab(int tab) {
        QTest::mouseClick(w->TabStrip1, Qt::LeftButton, {},
                          w->TabStrip1->tabRect(tab - 1).center());
    }
    QString page() const { return text("txtPrimes"); }
    QString pageText(int k) const {
        return QString::fromStdString(std::string(s()->pages().page(k)));
    }
    // The focus arrives with the window's activation, which may take a moment
    // after a message box or a dialog closes.
    bool focusIs(const char* expected) const {
        return QTest::qWaitFor([&] { return focus() == expected; });
    }
    // Each named control is enabled or disabled.
    void expectEnabled(std::initializer_list<const char*> names, bool expected) const {
        for (const char* name : names)
            EXPECT_EQ(enabled(name), expected) << name << (expected ? " enabled" : " disabled");
    }
    SearchFrame* s() const { return w->BigFrame_1; }

    std::unique_ptr<MainWindow> w;
};

// Some part of the window that is no control, such as the export commands
// whose engine a test replaces.
template <typename T> T* partOf(QObject* root) {
    for (QObject* object : root->findChildren<QObject*>())
        if (auto* part = dynamic_cast<T*>(object))
            return part;
    ADD_FAILURE() << "no such part";
    return nullptr;
}
