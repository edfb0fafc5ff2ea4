// A shown, active main window for the tests to drive as a user would, and the
// one-line views of it that the tests compare.
#pragma once

#include "app/main_window.h"
#include "search/search_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"
#include "ui/status_label.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

// Lets failed comparisons and their notes print texts.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

struct WindowTest : ::testing::Test {
    static QString name(const QObject* o) { return o ? o->objectName() : QStringLiteral("none"); }
    static QString status(const QLabel* l) {
        return l->text() + (statusColour(l) == StatusColour::Idle ? "|yellow" : "|red");
    }
    // A property of each child named in `names` ("name.property" or just "name"
    // for its text), joined by "|".
    static QString props(QObject* root, const QString& names) {
        QStringList out;
        for (const QString& n : names.split(' ')) {
            const QObject* found = root->findChild<QObject*>(n.section('.', 0, 0));
            const QString property = n.contains('.') ? n.section('.', 1) : "text";
            out << (found ? found->property(property.toLatin1()).toString() : "?");
        }
        return out.join('|');
    }

    void SetUp() override {
        w = std::make_unique<MainWindow>();
        s = w->BigFrame_1;
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // Replaces the text of a box as a user would: click in, select all, type.
    static void type(QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void search(const QString& from, const QString& to) {
        type(s->txtFrom, from);
        type(s->txtTo, to);
        QTest::mouseClick(s->cmdCalculate, Qt::LeftButton);
    }

    QString page() const { return s->txtPrimes->toPlainText(); }
    QString defaultButton() const { return name(w->defaultButton().current()); }
    // The focus arrives with the window's activation, which may take a moment
    // after a message box closes.
    static bool focusIs(const char* expected) {
        return QTest::qWaitFor([&] { return name(QApplication::focusWidget()) == expected; });
    }

    // Status | its colour | time | primes | percent | page captions | slider | enabled SEARCH,
    // Clear, Reset, Save, Copy and menu Save, Copy, Clear | default button.
    QString state() const {
        QString on;
        for (const QObject* o : std::initializer_list<const QObject*>{
                 s->cmdCalculate, s->cmdClear, s->cmdReset, s->cmdSave, s->cmdCopy, nullptr,
                 w->mnuSave, w->mnuCopy, w->mnuClear})
            on += !o ? ' ' : o->property("enabled").toBool() ? '+' : '-';
        return status(s->lblSearch) + "|" + s->lblTime->text() + "|" + s->lblPrimes->text() + "|" +
               s->lblPercent->text() + "|" + s->lblPageNow->text() + " of " +
               s->lblPageTotal->text() +
               QString("|slider %1/%2|").arg(s->Slider1->value()).arg(s->Slider1->maximum()) + on +
               "|" + defaultButton();
    }

    std::unique_ptr<MainWindow> w;
    SearchFrame* s = nullptr;
};
