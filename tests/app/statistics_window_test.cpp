// The statistics window: the figures and the chart of a search, the
// clipboard, the ways back, and a count that fails or comes too late. When the
// menu offers it is checked with the search tab's other commands.
#include "stats/gap_chart.h"
#include "stats/prime_chart.h"
#include "stats/statistics_window.h"
#include "tests/app/window_fixture.h"
#include "ui/text_contrast.h"

#include <QTabWidget>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {

using namespace korvane::search;
using namespace korvane::stats;

struct StatisticsTest : WindowTest {
    // Opens the window from the menu; with `figures`, waits until they are shown.
    Controls openStatistics(bool figures = true) {
        w->mnuStatistics->trigger();
        Controls window = shownWindow("frmStatistics");
        if (figures) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.text("lblCount") != "Counting..."; }));
        }
        return window;
    }
    // The window, made by opening it once, for a test to change its engine.
    StatisticsWindow* statisticsWindow() {
        if (!w->statisticsWindow())
            openStatistics().click("cmdClose");
        return w->statisticsWindow();
    }
    bool mainWindowBack() const { return w->isEnabled() && becomesActive(); }
};

// Pixels of the image within a small distance of the colour (the line is
// drawn smoothed, so its edges blend into what lies under it).
int pixelsNear(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                     std::abs(c.blue() - colour.blue()) <
                 24;
        }
    return n;
}

TEST_F(StatisticsTest, showsTheFiguresOfZeroToAMillionUnderTheirCaptions) {
    search("0", "1000000");
    const Controls stats = openStatistics(false);
    EXPECT_EQ(stats.text("lblCount"), "Counting...") << "before the figures arrive";
    ASSERT_TRUE(QTest::qWaitFor([&] { return stats.text("lblCount") != "Counting..."; }));
    // clang-format off
    stats.expectTexts({{"lblRange", "0 to 1000000"}, {"lblCount", "78498"}, {"lblTwins", "8169"},
        {"lblTriplets", "2837"}, {"lblQuadruplets", "166"}, {"lblQuintuplets", "65"},
        {"lblSextuplets", "5"}, {"lblCommonGap", "6 (13549 times)"}, {"lblGap", "114"}, {"lblGapStart", "492113"}, {"lblGapEnd", "492227"},
        {"lblAverageGap", "12.74"}, {"lblLogMiddle", "13.12"}, {"lblPredicted", "78628"},
        {"lblDeviation", "-0.16 %"}, {"cmdCopyPicture", "Copy Picture"}, {"cmdClose", "Close"}});
    // clang-format on
    EXPECT_FALSE(stats.get("lblStoppedEarly")->isVisible());
    // The constellations stand below the twins, in order of size.
    const char* column[] = {"lblTwins", "lblTriplets", "lblQuadruplets", "lblQuintuplets",
                            "lblSextuplets"};
    const char* captions[] = {"Twin prime pairs:", "Prime triplets:", "Prime quadruplets:",
                              "Prime quintuplets:", "Prime sextuplets:"};
    for (int i = 0; i < 5; ++i) {
        QWidget* caption = stats.get(qPrintable(QString(column[i]) + "Caption"));
        EXPECT_EQ(stats.text(qPrintable(QString(column[i]) + "Caption")), captions[i]);
        if (i > 0) {
            const QWidget* above = stats.get(qPrintable(QString(column[i - 1]) + "Caption"));
            EXPECT_EQ(caption->x(), above->x()) << column[i];
            EXPECT_GT(caption->y(), above->y()) << column[i];
        }
    }
    EXPECT_TRUE(stats.focusIs("cmdClose"));
    EXPECT_EQ(stats.defaultButton(), "cmdClose");
}

TEST_F(StatisticsTest, aStoreThatFilledUpEndsTheRangeAtTheLastPrimeListed) {
    s()->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        return runSearch(range, store, progress, SearchLimits{3});
    });
    catchMessage([&] { search("0", "1000000"); });
    const Controls stats = openStatistics();
    EXPECT_EQ(stats.text("lblRange"), "0 to 6689") << "6689 closes page 3";
    EXPECT_TRUE(stats.get("lblStoppedEarly")->isVisible());
}

TEST_F(StatisticsTest, theChartDrawsBarsAndLiSLineAndFillsTheWindow) {
    search("0", "1000000");
    const Controls stats = openStatistics();
    auto* chart = stats.get<PrimeChart>("picChart");
    // A dark desktop: dark background, the line light so it shows.
    QPalette dark = chart->palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(40, 90, 160));
    for (const auto& [name, colours] : {std::pair{"light", chart->palette()}, {"dark", dark}}) {
        SCOPED_TRACE(name);
        chart->setPalette(colours);
        const QImage picture = chart->picture();
        EXPECT_EQ(picture.pixelColor(1, 1), colours.color(QPalette::Base)) << "the background";
        EXPECT_GT(pixelsNear(picture, colours.color(QPalette::Highlight)), 1000) << "bars";
        EXPECT_GT(pixelsNear(picture, chart->lineColour()), 200) << "the line";
    }
    EXPECT_TRUE(chart->accessibleDescription().startsWith(
        "Primes in each of 50 intervals from 0 to 1000000, first to last: 2262, "))
        << chart->accessibleDescription();

    const QSize before = chart->size();
    stats.root->resize(stats.root->size() + QSize(200, 150));
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart->width() > before.width(); }));
    EXPECT_GT(chart->height(), before.height());

    // Copy Picture copies the chart on view.
    auto* tabs = stats.get<QTabWidget>("tabCharts");
    for (ChartView* onView : {static_cast<ChartView*>(chart),
                              static_cast<ChartView*>(stats.get<GapChart>("picGaps"))}) {
        SCOPED_TRACE(onView->objectName());
        tabs->setCurrentWidget(onView);
        stats.click("cmdCopyPicture");
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
                  onView->picture().convertToFormat(QImage::Format_ARGB32));
    }
}

// The gap chart's bars against a trial-division listing of 0 to 3000: the
// gaps 2, 4, ... up to the largest, 34 (from 1327 to 1361), the gap of 1 left out.
TEST_F(StatisticsTest, theGapChartHasABarForEachEvenGapUpToTheLargest) {
    search("0", "3000");
    const Controls stats = openStatistics();
    std::vector<std::uint64_t> listed(17);
    std::uint64_t previous = 0;
    for (std::uint64_t n = 3; n <= 3000; n += 2) {
        bool prime = true;
        for (std::uint64_t d = 3; d * d <= n && prime; d += 2)
            prime = n % d != 0;
        if (!prime)
            continue;
        if (previous != 0)
            ++listed[(n - previous) / 2 - 1];
        previous = n;
    }
    auto* gaps = stats.get<GapChart>("picGaps");
    EXPECT_EQ(gaps->bars(), listed);
    EXPECT_EQ(gaps->accessibleName(), "How often each gap occurs");
    EXPECT_TRUE(gaps->accessibleDescription().startsWith(
        QStringLiteral("Times each gap between neighbouring primes occurs, by gap from 2 to 34: "
                       "2: %1, 4: %2,")
            .arg(listed[0])
            .arg(listed[1])))
        << gaps->accessibleDescription();
}

// Both charts on a light desktop, a dark one, and one whose text colour is
// too faint against its background: the background is the palette's, and
// the text stands out at least 4.5:1.
TEST_F(StatisticsTest, bothChartsKeepTheirTextReadableOnLightAndDarkDesktops) {
    search("0", "1000");
    const Controls stats = openStatistics();
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(40, 90, 160));
    QPalette faint = dark;
    faint.setColor(QPalette::Text, QColor(70, 70, 70));
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", QApplication::palette()}, {"dark", dark}, {"faint text", faint}};
    for (ChartView* chart : {static_cast<ChartView*>(stats.get<PrimeChart>("picChart")),
                             static_cast<ChartView*>(stats.get<GapChart>("picGaps"))})
        for (const auto& [name, colours] : palettes) {
            SCOPED_TRACE(chart->objectName() + ", " + name);
            chart->setPalette(colours);
            EXPECT_EQ(chart->picture().pixelColor(1, 1), colours.color(QPalette::Base));
            EXPECT_GE(contrastRatio(chart->textColour(), colours.color(QPalette::Base)), 4.5);
            EXPECT_FALSE(chart->accessibleName().isEmpty());
        }
}

// On a screen of 800 by 500 the window fits, its frame included; the charts
// give up height before any figure does.
TEST_F(StatisticsTest, theWindowFitsASmallScreenChartsGivingUpHeightFirst) {
    search("0", "1000000");
    const Controls stats = openStatistics();
    // Made as small as it goes, the window keeps its own minimum.
    stats.root->resize(1, 1);
    QApplication::processEvents();
    const QSize smallest = stats.root->size();
    EXPECT_LE(smallest.width(), 800 - 16);
    EXPECT_LE(smallest.height(), 500 - 40);
    auto* chart = stats.get<PrimeChart>("picChart");
    EXPECT_LT(chart->height(), chart->sizeHint().height()) << "the chart gave up height";
    for (const char* name : {"lblRange", "lblSextuplets", "lblCommonGap", "lblDeviation"})
        EXPECT_GE(stats.get(name)->height(), stats.get(name)->sizeHint().height()) << name;
}

TEST_F(StatisticsTest, escapeAndCloseReturnToTheMainWindow) {
    search("0", "1000");
    const std::pair<const char*, std::function<void(const Controls&)>> ways[] = {
        {"Escape", [](const Controls& s) { s.key(Qt::Key_Escape); }},
        {"Close", [](const Controls& s) { s.click("cmdClose"); }},
        {"the frame's close button", [](const Controls& s) { s.root->close(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        const Controls stats = openStatistics();
        EXPECT_FALSE(w->isEnabled()) << "the main window waits";
        leave(stats);
        EXPECT_FALSE(stats.root->isVisible());
        EXPECT_TRUE(mainWindowBack());
    }
}

TEST_F(StatisticsTest, figuresThatArriveAfterTheWindowClosedAreDropped) {
    search("0", "1000");
    // Shared: the counting thread may outlive this test's own variables.
    const auto release = std::make_shared<std::atomic<bool>>(false);
    statisticsWindow()->setEngine([release](const CoveredRange& range, const StatisticsOptions&) {
        while (!*release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return computeStatistics(range);
    });
    const Controls stats = openStatistics(false);
    stats.click("cmdClose");
    *release = true;
    QTest::qWait(100);
    EXPECT_FALSE(stats.root->isVisible()) << "the late figures do not reopen the window";
    EXPECT_EQ(stats.text("lblCount"), "Counting...");
}

TEST_F(StatisticsTest, aCountThatFailsIsReportedAndTheProgramStaysUsable) {
    search("0", "1000");
    statisticsWindow()->setEngine(
        [](const CoveredRange&, const StatisticsOptions&) -> std::optional<RangeStatistics> {
            throw std::runtime_error("the sieve failed.");
        });
    const SeenMessage seen = catchMessage([&] {
        const Controls stats = openStatistics(false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !stats.root->isVisible(); }));
    });
    EXPECT_EQ(seen.text, "The statistics could not be computed: the sieve failed.");
    EXPECT_TRUE(mainWindowBack());
    statisticsWindow()->setEngine(computeStatistics);
    EXPECT_EQ(openStatistics().text("lblCount"), "168");
}

} // namespace
