// A seeded run of random user actions over the whole window: buttons, menu
// items, text typed, pasted and composed, keys, sliders, lists, tabs, and
// every secondary window opened and closed, with the program's message boxes
// answered as they come. After each action the page shown is within the
// pages held, every slider is within its range, no message speaks of an
// unknown error, and the window still answers.
//
// KORVANE_RANDOM_SEED replays a run (its seed is printed); KORVANE_RANDOM_ACTIONS
// runs more actions than the default.
#include "tests/app/random_user.h"
#include "tests/app/window_fixture.h"

#include "export/export_commands.h"
#include "search/range_search.h"

#include <iostream>
#include <random>

namespace {

constexpr int usualActions = 5000;

std::uint64_t seedToUse() {
    bool given = false;
    const qulonglong seed = qEnvironmentVariable("KORVANE_RANDOM_SEED").toULongLong(&given);
    return given ? seed : std::random_device{}();
}

int actionsToRun() {
    bool given = false;
    const int count = qEnvironmentVariableIntValue("KORVANE_RANDOM_ACTIONS", &given);
    return given && count > 0 ? count : usualActions;
}

using RandomActionsTest = WindowTest;

TEST_F(RandomActionsTest, theWindowKeepsItsPromisesUnderRandomActions) {
    // Saves land in a folder of the run's own: the save dialog starts at the
    // current folder, and no action presses a button while it points elsewhere.
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString safe = QDir(folder.path()).canonicalPath();
    for (const char* inside : {"sub folder", "other"})
        QDir(safe).mkdir(QString::fromLatin1(inside));
    const QString wasCurrent = QDir::currentPath();
    QDir::setCurrent(safe);
    // Besides the drive of the current folder, the save dialog offers the
    // run's folder as a drive, whose list cannot climb above it: a way back.
    partOf<ExportCommands>(w.get())->setDriveSource([safe] { return QStringList{safe}; });
    // Fewer result pages keep every search of a huge range short, so that a
    // run spends its time on actions; a full store is still met often.
    s()->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        korvane::search::SearchLimits limits;
        limits.maxPages = 300;
        return korvane::search::runSearch(range, store, progress, limits);
    });

    const std::uint64_t seed = seedToUse();
    const int count = actionsToRun();
    std::cout << "random actions: KORVANE_RANDOM_SEED=" << seed
              << " KORVANE_RANDOM_ACTIONS=" << count << std::endl;
    RecordProperty("seed", std::to_string(seed));
    RandomUser user(w.get(), seed, safe);
    const RandomUser::Outcome outcome = user.run(count);
    EXPECT_TRUE(outcome.problem.isEmpty())
        << "after action " << outcome.actionsDone << " of seed " << seed << ": " << outcome.problem
        << "\nthe last actions:\n"
        << outcome.lastActions;
    EXPECT_EQ(outcome.actionsDone, count);
    QDir::setCurrent(wasCurrent);
}

} // namespace
