// A shown, active main window for the tests to drive as a user would.
#pragma once

#include "app/default_button.h"
#include "app/main_window.h"
#include "app/status_label.h"
#include "search/search_frame.h"
#include "tests/widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        w = std::make_unique<MainWindow>();
        s = w->BigFrame_1;
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // Types both bounds and clicks SEARCH.
    void search(const QString& from, const QString& to) {
        type(s->txtFrom, from);
        type(s->txtTo, to);
        QTest::mouseClick(s->cmdCalculate, Qt::LeftButton);
    }

    // Replaces the text of a box as a user would: click in, select all, type.
    static void type(QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    QString page() const { return s->txtPrimes->toPlainText(); }
    QPushButton* defaultButton() { return w->defaultButton().current(); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    // The focus arrives with the window's activation, which may take a moment
    // after a message box closes.
    static bool focusIs(QWidget* expected) {
        return QTest::qWaitFor([&] { return QApplication::focusWidget() == expected; }, 1000);
    }

    // Enabled states of the tab's commands and the three menu items that follow
    // the search, as "+" and "-".
    QString states() const {
        QString out;
        for (const QWidget* b :
             {static_cast<QWidget*>(s->cmdCalculate), static_cast<QWidget*>(s->cmdClear),
              static_cast<QWidget*>(s->cmdReset), static_cast<QWidget*>(s->cmdSave),
              static_cast<QWidget*>(s->cmdCopy)})
            out += b->isEnabled() ? '+' : '-';
        out += ' ';
        for (const QAction* a : {w->mnuSave, w->mnuCopy, w->mnuClear})
            out += a->isEnabled() ? '+' : '-';
        return out;
    }

    std::unique_ptr<MainWindow> w;
    SearchFrame* s = nullptr;
};
