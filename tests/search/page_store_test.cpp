// The page store: what it gives outside its pages, and a search that stays
// within a small address space.
#include "search/range_search.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>


using namespace korvane::search;

TEST(PageStore, givesNothingOutsideItsPagesAndKeepsOnlyTheLastSearch) {
    PageStore store;
    runSearch({0, 20000}, store);
    ASSERT_EQ(store.pageCount(), 9u);
    EXPECT_EQ(store.page(0), "");
    EXPECT_EQ(store.page(10), "");
    EXPECT_EQ(store.spanBytes(8, 30), store.page(8).size() + store.page(9).size());
    EXPECT_EQ(store.spanBytes(5, 4), 0u);
    int made = 0;
    EXPECT_TRUE(store.makePages(0, 99, [&](std::string_view) { return ++made > 0; }));
    EXPECT_EQ(made, 9);
    made = 0;
    EXPECT_FALSE(store.makePages(1, 9, [&](std::string_view) { return ++made < 3; }));
    EXPECT_EQ(made, 3);
    runSearch({4, 5}, store);
    EXPECT_EQ(store.pageCount(), 1u);
    EXPECT_EQ(store.page(1), " 5");
}

// All 500000 pages of a search from 0 to 1E+10 under a 400 MB address-space
// limit, in a child process so the limit ends with it.
TEST(PageStore, aFullSearchRunsWithinA400MegabyteAddressSpace) {
#ifdef KORVANE_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve terabytes of address space";
#endif
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{400'000'000, 400'000'000};
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(2);
        try {
            PageStore store;
            const SearchOutcome outcome = runSearch({0, 10'000'000'000}, store);
            const bool right = outcome.pageCount == 500000 && outcome.storeFull &&
                               outcome.primeCount == 60266898 && // exact far past 2^24
                               store.page(500000).ends_with(" 1196077591");
            _exit(right ? 0 : 3);
        } catch (...) {
            _exit(4);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: no limit set, 3: wrong result, 4: out of memory";
}
