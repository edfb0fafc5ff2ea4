// The statistics window: the figures and the charts of a search, the
// clipboard, the way back, and a count that fails or comes too late. When the
// menu offers it is checked with the search tab's other commands; the figures
// themselves, with the engine.
#include "stats/gap_chart.h"
#include "stats/prime_chart.h"
#include "stats/statistics_window.h"
#include "tests/app/window_fixture.h"
#include "ui/text_contrast.h"

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {

using namespace korvane::stats;

struct StatisticsTest : WindowTest {
    // Opens the window from the menu; with `figures`, waits until they are shown.
    Controls openStatistics(bool figures = true) {
        w->mnuStatistics->trigger();
        Controls window = shownWindow("frmStatistics");
        EXPECT_TRUE(!figures ||
                    QTest::qWaitFor([&] { return window.text("lblCount") != "Counting..."; }));
        return window;
    }
};

// 0 to 100, counted by hand from a listing of its primes: 25 of them; the
// twins from (3, 5) to (71, 73); the gaps 2, 4, 6 and 8 (from 89 to 97), 8, 7, 7
// and 1 times, and the gap of 1 from 2 to 3, which is no bar of the chart.
TEST_F(StatisticsTest, showsTheFiguresUnderTheirCaptionsAndChartsThatFollowThePalette) {
    search("0", "100");
    const Controls stats = openStatistics();
    stats.expectTexts({{"lblRange", "0 to 100"}, {"lblGapStart", "89"}, {"lblGapEnd", "97"}});
    // The left column, top to bottom.
    const std::tuple<const char*, const char*, const char*> column[] = {
        {"lblCount", "Primes:", "25"},
        {"lblTwins", "Twin prime pairs:", "8"},
        {"lblTriplets", "Prime triplets:", "8"},
        {"lblQuadruplets", "Prime quadruplets:", "2"},
        {"lblQuintuplets", "Prime quintuplets:", "3"},
        {"lblSextuplets", "Prime sextuplets:", "1"},
        {"lblCommonGap", "Most common gap:", "2 (8 times)"}};
    const QWidget* above = nullptr;
    for (const auto& [name, caption, value] : column) {
        const QString captionName = QString(name) + "Caption";
        EXPECT_EQ(stats.text(qPrintable(captionName)), caption);
        EXPECT_EQ(stats.text(name), value) << name;
        const QWidget* here = stats.get(qPrintable(captionName));
        EXPECT_TRUE(!above || (here->x() == above->x() && here->y() > above->y())) << name;
        above = here;
    }
    EXPECT_EQ(stats.get<GapChart>("picGaps")->bars(), (std::vector<std::uint64_t>{8, 7, 7, 1}));

    // Both charts on a light desktop, a dark one, and one whose text colour is
    // too faint against its background: the palette's background, li's line
    // and the text standing out. Copy Picture copies the chart on view.
    const QPalette dark(QColor(60, 60, 64), QColor(30, 30, 30)); // white text on black
    QPalette faint = dark;
    faint.setColor(QPalette::Text, QColor(70, 70, 70));
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", QApplication::palette()}, {"dark", dark}, {"faint text", faint}};
    auto* prime = stats.get<PrimeChart>("picChart");
    const std::pair<ChartView*, const char*> charts[] = {
        {prime, "Chart of the primes in each interval of the range"},
        {stats.get<GapChart>("picGaps"), "How often each gap occurs"}};
    for (const auto& [chart, name] : charts) {
        stats.get<QTabWidget>("tabCharts")->setCurrentWidget(chart);
        EXPECT_EQ(chart->accessibleName(), name);
        EXPECT_FALSE(chart->accessibleDescription().isEmpty()) << name;
        for (const auto& [desktop, colours] : palettes) {
            SCOPED_TRACE(chart->objectName() + ", " + desktop);
            chart->setPalette(colours);
            const QColor background = colours.color(QPalette::Base);
            EXPECT_EQ(chart->picture().pixelColor(1, 1), background);
            EXPECT_GE(contrastRatio(chart->textColour(), background), 4.5) << "the text";
            if (chart == prime) { // the line drawn over the bars
                EXPECT_GE(contrastRatio(prime->lineColour(), background), 3.0) << "li's line";
            }
        }
        stats.click("cmdCopyPicture");
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
                  chart->picture().convertToFormat(QImage::Format_ARGB32));
    }
    stats.key(Qt::Key_Escape);
    EXPECT_FALSE(stats.root->isVisible());
    EXPECT_TRUE(w->isEnabled() && becomesActive()) << "back to the main window";
}

// Figures that arrive after the window closed do not reopen it; a count that
// fails is reported.
TEST_F(StatisticsTest, aLateCountIsDroppedAndAFailedOneReported) {
    search("0", "1000");
    openStatistics().click("cmdClose"); // the window, made, for its engine to be replaced
    // Shared: the counting thread may outlive this test's own variables.
    const auto release = std::make_shared<std::atomic<bool>>(false);
    w->statisticsWindow()->setEngine(
        [release](const CoveredRange& range, const StatisticsOptions&) {
            while (!*release)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return computeStatistics(range);
        });
    const Controls stats = openStatistics(false);
    stats.click("cmdClose");
    *release = true;
    QTest::qWait(100);
    EXPECT_FALSE(stats.root->isVisible()) << "the late figures do not reopen the window";
    EXPECT_EQ(stats.text("lblCount"), "Counting...") << "nor are they shown";

    w->statisticsWindow()->setEngine(
        [](const CoveredRange&, const StatisticsOptions&) -> std::optional<RangeStatistics> {
            throw std::runtime_error("the sieve failed.");
        });
    const SeenMessage seen = catchMessage([&] {
        openStatistics(false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !stats.root->isVisible(); }));
    });
    EXPECT_EQ(seen.text, "The statistics could not be computed: the sieve failed.");
}

} // namespace
