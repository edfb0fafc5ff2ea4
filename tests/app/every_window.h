// Every window of the program, found as a user finds them, so windows added
// later are walked too: the main window on each tab, then each a menu opens.
#pragma once

#include "tests/app/window_fixture.h"

#include <functional>

// Calls `visit` with each window while it is shown (`tab` 1..3 for the main
// window's tabs, 0 for the others). Needs a completed search: every item on.
inline void forEveryWindow(WindowTest& test, const std::function<void(QWidget*, int tab)>& visit) {
    MainWindow* w = test.w.get();
    for (int tab = 1; tab <= w->TabStrip1->count(); ++tab) {
        test.showTab(tab);
        visit(w, tab);
    }
    test.showTab(1);
    // Items that change the search or end the program, and Qt's own box.
    const QStringList passive = {"mnuExit", "mnuReset", "mnuClear", "mnuAboutQt"};
    for (QMenu* menu : w->menuBar()->findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || item->menu() || passive.contains(item->objectName()))
                continue;
            catchMessage([&] { item->trigger(); }); // a page item may report
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top == w || !top->isVisible() || qobject_cast<QMenu*>(top))
                    continue;
                SCOPED_TRACE(top->objectName().toStdString());
                EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
                visit(top, 0);
                top->close();
            }
            EXPECT_TRUE(w->isEnabled()) << "back from " << item->objectName();
        }
    }
}
