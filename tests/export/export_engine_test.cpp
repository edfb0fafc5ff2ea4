// The results file byte for byte, the clipboard text, and both dialogs' checks.
#include "export/export_engine.h"

#include "search/range_search.h"
#include "tests/page_fill.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace korvane::exporting;
using korvane::search::PageStore;

namespace {

std::unique_ptr<PageStore> storeOf(const std::vector<std::string>& pages) {
    auto store = std::make_unique<PageStore>();
    fillPages(*store, pages);
    return store;
}

struct SavedFile {
    std::string bytes;
    std::vector<float> progress;
    bool ok = false;
};

SavedFile save(const PageStore& store, double first, double last) {
    SavedFile out;
    out.ok = writeResults(
        store, first, last,
        [&](std::string_view bytes) {
            out.bytes += bytes;
            return true;
        },
        [&](float percent) { out.progress.push_back(percent); });
    return out;
}

const std::string header = "Prime number generation:  Using Korvane 6\r\n\r\n";

} // namespace

TEST(ResultsFile, singlePageIsTheFiftyFourByteExample) {
    const SavedFile file = save(*storeOf({"2 3 5 7"}), 1, 1);
    EXPECT_TRUE(file.ok);
    EXPECT_EQ(file.bytes, "Prime number generation:  Using Korvane 6\r\n\r\n2 3 5 7\r\n");
    EXPECT_EQ(file.bytes.size(), 54u);
    EXPECT_EQ(resultsFileSize(*storeOf({"2 3 5 7"}), 1, 1), 54u);
    // One page: 100 for the empty range, 0 while it is written, 100 at the end.
    EXPECT_EQ(file.progress, (std::vector<float>{100, 0, 100}));
}

TEST(ResultsFile, everyPageIsOneLineAndEmptyPagesGiveEmptyLines) {
    const auto owned = storeOf({"2 3 5", "", " 11 13", ""});
    const PageStore& store = *owned;
    EXPECT_EQ(save(store, 1, 4).bytes, header + "2 3 5\r\n\r\n 11 13\r\n\r\n");
    const SavedFile middle = save(store, 2, 3);
    EXPECT_EQ(middle.bytes, header + "\r\n 11 13\r\n");
    EXPECT_EQ(middle.progress, (std::vector<float>{0, 100, 100}));
}

TEST(ResultsFile, spanBeyondPage32767IsWrittenWhole) {
    std::vector<std::string> pages;
    for (int k = 1; k <= 40000; ++k)
        pages.push_back(std::string(1, ' ').append(std::to_string(k)));
    const SavedFile file = save(*storeOf(pages), 32760, 40000);
    std::string expected = header;
    for (int k = 32760; k <= 40000; ++k)
        expected.append(pages[k - 1]).append("\r\n");
    EXPECT_EQ(file.bytes, expected);
    EXPECT_EQ(resultsFileSize(*storeOf(pages), 32760, 40000), expected.size());
}

TEST(ResultsFile, largeFileGoesToTheSinkInBoundedPieces) {
    std::vector<std::string> pages(5000, std::string(1300, '7'));
    std::size_t largest = 0, total = 0, calls = 0;
    writeResults(*storeOf(pages), 1, 5000, [&](std::string_view bytes) {
        largest = std::max(largest, bytes.size());
        total += bytes.size();
        ++calls;
        return true;
    });
    EXPECT_EQ(total, header.size() + 5000 * 1302);
    EXPECT_GT(calls, 1u);
    EXPECT_LE(largest, std::size_t{1} << 20);
}

TEST(ResultsFile, failingSinkStopsTheWriteAtOnce) {
    std::vector<std::string> pages(5000, std::string(1300, '7'));
    int calls = 0;
    const bool ok = writeResults(*storeOf(pages), 1, 5000, [&](std::string_view) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(calls, 1);
}

TEST(ResultsFile, fractionalEndsStayInsideTheStoreAndTheBar) {
    const auto owned = storeOf({"a", "b", "c"});
    const PageStore& store = *owned;
    // nearest(3.5) is 4, one past the store; nearest(1.4) is 1, before first.
    const SavedFile file = save(store, 1.4, 3.5);
    EXPECT_EQ(file.bytes, header + "a\r\nb\r\nc\r\n");
    EXPECT_EQ(resultsFileSize(store, 1.4, 3.5), file.bytes.size());
    for (float p : file.progress) {
        EXPECT_GE(p, 0.0f);
        EXPECT_LE(p, 100.0f);
    }
    // A huge last value is cut to the store too.
    EXPECT_EQ(save(store, 3, 1e308).bytes, header + "c\r\n");
    // Rounded ends that cross write no page at all.
    EXPECT_EQ(save(store, 1.6, 1.4).bytes, header);
}

TEST(ClipboardText, pagesAreJoinedWithNothingBetween) {
    const auto owned = storeOf({"2 3 5 7", " 11 13", "", " 17"});
    const PageStore& store = *owned;
    EXPECT_EQ(joinPages(store, 1, 2), "2 3 5 7 11 13");
    EXPECT_EQ(joinPages(store, 2, 4), " 11 13 17");
    EXPECT_EQ(joinPages(store, 3, 3), "");
    EXPECT_EQ(joinPages(store, 4, 4.5), " 17");   // nearest(4.5) is 4
    EXPECT_EQ(joinPages(store, 3.6, 4.6), " 17"); // 5 is past the store
    EXPECT_EQ(joinPages(store, 1, 1e308), "2 3 5 7 11 13 17");
}

struct CheckCase {
    const char* first;
    const char* last;
    const char* total;
    const char* message; // "" when the request passes
    Focus focus;
};

class CopyChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(CopyChecks, firstFailingStepAnswers) {
    const CheckCase c = GetParam();
    const auto error = checkCopyRequest(c.first, c.last, c.total);
    if (std::string(c.message).empty()) {
        EXPECT_FALSE(error.has_value()) << error->message;
        return;
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, c.message);
    EXPECT_EQ(error->focus, c.focus);
}

constexpr auto First = Focus::First;
constexpr auto Last = Focus::Last;
constexpr auto None = Focus::Unchanged;

INSTANTIATE_TEST_SUITE_P(
    Table, CopyChecks,
    testing::Values(
        CheckCase{"abc", "zzz", "9", "You have to enter a valid number!", First},
        CheckCase{"", "3", "9", "You have to enter a valid number!", First},
        CheckCase{"   ", "3", "9", "You have to enter a valid number!", First},
        CheckCase{"1", "x", "9", "You have to enter a valid number!", Last},
        CheckCase{"1", "1e400", "9", "You have to enter a valid number!", Last},
        CheckCase{"0.5", "3", "9", "Your starting page cannot be less than 1!", First},
        CheckCase{"-0", "3", "9", "Your starting page cannot be less than 1!", First},
        CheckCase{"1", "0", "9", "Your ending page cannot be less than 1!", Last},
        CheckCase{"5", "3", "9", "Invalid entry!", None}, CheckCase{"2.9", "2.1", "9", "", None},
        CheckCase{"1", "12", "9", "12 is an invalid page number, the last page you can enter is 9",
                  None},
        CheckCase{"1", " 1e308 ", "9",
                  " 1e308  is an invalid page number, the last page you can enter is 9", None},
        CheckCase{"1", "9.9", "9", "", None}, CheckCase{"1", "1000", "1000", "", None},
        CheckCase{"1", "1001", "5000", "You can copy up to 1000 pages maximum!", None},
        CheckCase{"1", "5000", "5000", "You can copy up to 1000 pages maximum!", None},
        CheckCase{"4001", "5000", "5000", "", None}, CheckCase{"+3", "3.0e0", "3", "", None}));

TEST(SaveChecks, sharePageStepsThenWantAFilenameButNoPageLimit) {
    const auto error = [](const char* first, const char* last, const char* file) {
        const auto e = checkSaveRequest(first, last, "9", file);
        return e ? e->message : std::string();
    };
    EXPECT_EQ(error("", "", ""), "You have to enter a valid number!");
    EXPECT_EQ(checkSaveRequest("1", "two", "9", "")->focus, Focus::Last);
    EXPECT_EQ(error("3", "2", ""), "Invalid entry!");
    EXPECT_EQ(error("1", "12", ""),
              "12 is an invalid page number, the last page you can enter is 9");
    EXPECT_EQ(error("1", "9", ""), "Enter a filename!");
    EXPECT_EQ(error("1", "9", "r.txt"), "");
    EXPECT_FALSE(checkSaveRequest("1", "500000", "500000", "r.txt").has_value());
}

TEST(CopyAllOffer, onlyUpToAThousandPages) {
    EXPECT_TRUE(offersCopyAll("1"));
    EXPECT_TRUE(offersCopyAll("1000"));
    EXPECT_FALSE(offersCopyAll("1001"));
    EXPECT_FALSE(offersCopyAll("500000"));
}

TEST(CopyChecks, veryLongTextsAreAnsweredLikeShortOnes) {
    const std::string nines(100000, '9'); // beyond any double
    EXPECT_EQ(checkCopyRequest(nines, "1", "9")->message, "You have to enter a valid number!");
    const std::string padded = std::string(100000, '0') + "12";
    EXPECT_EQ(checkCopyRequest("1", padded, "9")->message,
              padded + " is an invalid page number, the last page you can enter is 9");
}
