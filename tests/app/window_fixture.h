// The real main window, shown and active, for the tests to drive as a user
// would: controls found by objectName, clicked and typed into with QTest.
#pragma once

#include "app/main_window.h"
#include "common/elapsed_time.h"
#include "search/search_frame.h"
#include "tests/widget_test_support.h"

#include <memory>

struct WindowTest : ::testing::Test, Controls {
    void SetUp() override {
        // A stopped clock: every run takes "< 1 sec.", however slow the machine.
        korvane::ElapsedClock::setTimeSource(
            [] { return korvane::ElapsedClock::Clock::time_point{}; });
        openWindow();
    }
    // A new main window in place of the one before.
    void openWindow() {
        w.reset();
        w = std::make_unique<MainWindow>();
        root = w.get();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // Opens a window from its menu item; it takes the activation, for the Enter key.
    Controls openFrom(QAction* item, const char* name) const {
        item->trigger();
        const Controls window = shownWindow(name);
        EXPECT_TRUE(window.becomesActive()) << name << " is active";
        return window;
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
    // The number of the one visible frame, 0 unless exactly one is.
    int shownFrame() const {
        int shown = 0;
        for (int k = 1; k <= 3; ++k)
            if (get(qPrintable(QStringLiteral("BigFrame_%1").arg(k)))->isVisible())
                shown = shown ? -1 : k;
        return std::max(shown, 0);
    }
    SearchFrame* s() const { return w->BigFrame_1; }
    QString page() const { return text("txtPrimes"); }
    QString pageText(int k) const {
        return QString::fromStdString(std::string(s()->pages().page(k)));
    }
    // The search tab holds no result and SEARCH waits, as after Clear; with
    // nothing to act on, Save, Copy, Clear and Statistics are off in the menu
    // as on the buttons.
    void expectNoResults() const {
        // clang-format off
        expectTexts({{"lblTime", " 0 sec."}, {"lblPrimes", "0"}, {"lblPercent", "0"}, {"lblPageNow", "1"},
            {"lblPageTotal", "1"}, {"txtPrimes", ""}, {"lblSearch", "Ready to begin search"}});
        EXPECT_FALSE(red("lblSearch")) << "the status line is yellow";
        EXPECT_EQ(get<QSlider>("Slider1")->maximum(), 1);
        for (const char* name : {"cmdClear", "cmdSave", "cmdCopy", "mnuSave", "mnuCopy", "mnuClear", "mnuStatistics"})
            EXPECT_FALSE(enabled(name)) << name << " disabled";
        EXPECT_TRUE(enabled("cmdCalculate") && enabled("cmdReset"));
        // clang-format on
        EXPECT_EQ(defaultButton(), "cmdCalculate");
    }

    std::unique_ptr<MainWindow> w;
};

// A part of the window that is no control, such as the export commands whose
// engine a test replaces.
template <typename T> T* partOf(QObject* root) {
    for (QObject* object : root->findChildren<QObject*>())
        if (auto* part = dynamic_cast<T*>(object))
            return part;
    ADD_FAILURE() << "no such part";
    return nullptr;
}
