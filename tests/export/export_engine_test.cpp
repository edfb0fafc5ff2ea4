// The results file byte for byte, the clipboard text, and both dialogs' checks.
#include "export/export_engine.h"

#include "tests/page_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace korvane::exporting;
using korvane::search::PageSource;

namespace {

// What each output makes of one request: the file, its progress reports and the clipboard text.
struct Exported {
    std::string bytes;
    std::vector<float> progress;
    std::string clip;
};

Exported exportOf(const PageSource& store, double first, double last) {
    Exported out{{}, {}, joinPages(store, first, last)};
    const auto sink = [&](std::string_view bytes) {
        out.bytes += bytes;
        return true;
    };
    EXPECT_TRUE(
        writeResults(store, first, last, sink, [&](float p) { out.progress.push_back(p); }));
    EXPECT_EQ(resultsFileSize(store, first, last), out.bytes.size());
    return out;
}

const std::string header = "Prime number generation:  Using Korvane 6\r\n\r\n";
using enum Focus;
const char* const invalid = "You have to enter a valid number!";
const char* const past9 = "12 is an invalid page number, the last page you can enter is 9";

} // namespace

TEST(Export, fileHasOneCrLfLinePerPageAndTheClipboardJoinsThem) {
    struct Case {
        std::vector<std::string> pages;
        double first, last;
        const char *body, *clip;
        std::vector<float> progress; // not checked when empty
    } cases[] = {
        // The 54-byte file: 100 for the empty range, 0 while written, 100 at the end.
        {{"2 3 5 7"}, 1, 1, "2 3 5 7\r\n", "2 3 5 7", {100, 0, 100}},
        {{"2 3 5", "", " 11 13", ""}, 1, 4, "2 3 5\r\n\r\n 11 13\r\n\r\n", "2 3 5 11 13", {}},
        {{"2 3 5", "", " 11 13", ""}, 2, 3, "\r\n 11 13\r\n", " 11 13", {0, 100, 100}},
        {{"a", "b", "c"}, 1.4, 2.5, "a\r\nb\r\n", "ab", {}}, // nearest(2.5) is 2
        {{"a", "b", "c"}, 2.6, 3.5, "c\r\n", "c", {}},       // 4 is past the store
        {{"a", "b", "c"}, 3, 1e308, "c\r\n", "c", {}},
        {{"a", "b", "c"}, 1.6, 1.4, "", "", {}}, // rounded ends that cross
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pages " << c.first << " to " << c.last);
        const Exported out = exportOf(LiteralPages(c.pages), c.first, c.last);
        EXPECT_EQ(out.bytes, header + c.body) << "the file";
        EXPECT_EQ(out.clip, c.clip) << "the clipboard";
        EXPECT_TRUE(c.progress.empty() || out.progress == c.progress) << "progress reports";
        for (float p : out.progress)
            EXPECT_TRUE(p >= 0 && p <= 100) << p;
    }
}

TEST(ResultsFile, goesToTheSinkInBoundedPiecesAndStopsWhenItFails) {
    const LiteralPages store(std::vector<std::string>(5000, std::string(1300, '7')));
    std::vector<std::size_t> pieces; // some 6.5 MB in all
    const auto sink = [&](std::string_view bytes) {
        pieces.push_back(bytes.size());
        return pieces.size() < 3;
    };
    EXPECT_FALSE(writeResults(store, 1, 5000, sink));
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_LE(std::max({pieces[0], pieces[1], pieces[2]}), std::size_t{1} << 20);
}

TEST(DialogChecks, firstFailingStepAnswersWithItsFocus) {
    struct Case {
        std::string first, last;
        const char* total;
        const char* file;    // null for the copy dialog
        const char* message; // "" when the request passes
        Focus focus;
    } cases[] = {
        {"   ", "zzz", "9", nullptr, invalid, First},
        {std::string(100000, '9'), "1", "9", nullptr, invalid, First}, // beyond any double
        {"1", "1e400", "9", nullptr, invalid, Last},
        {"0.5", "3", "9", nullptr, "Your starting page cannot be less than 1!", First},
        {"1", "0", "9", nullptr, "Your ending page cannot be less than 1!", Last},
        {"5", "3", "9", nullptr, "Invalid entry!", Unchanged},
        {"2.9", "2.1", "9", nullptr, "", Unchanged},
        {"1", "12", "9", nullptr, past9, Unchanged},
        // clang-format off
        {"1", " 1e308 ", "9", nullptr, " 1e308  is an invalid page number, the last page you can enter is 9", Unchanged},
        // clang-format on
        {"1", "9.9", "9", nullptr, "", Unchanged},
        {"1", "1000", "1000", nullptr, "", Unchanged},
        {"1", "1001", "5000", nullptr, "You can copy up to 1000 pages maximum!", Unchanged},
        {"4001", "5000", "5000", nullptr, "", Unchanged},
        // The span is the difference before Int: 999.3 pages pass.
        {"1.9", "1001.2", "5000", nullptr, "", Unchanged},
        // Saving: the page steps come first, then a name; no page limit.
        {"1", "12", "9", "", past9, Unchanged},
        {"1", "9", "9", "", "Enter a filename!", Unchanged},
        {"1", "500000", "500000", "r.txt", "", Unchanged},
    };
    for (const Case& c : cases) {
        const auto error = c.file ? checkSaveRequest(c.first, c.last, c.total, c.file)
                                  : checkCopyRequest(c.first, c.last, c.total);
        const std::string seen = error ? error->message : "";
        EXPECT_EQ(seen, c.message) << c.first.substr(0, 20) << ".." << c.last;
        EXPECT_EQ(error ? error->focus : Unchanged, c.focus) << c.message;
    }
    EXPECT_TRUE(offersCopyAll("1000"));
    EXPECT_FALSE(offersCopyAll("1001"));
}
