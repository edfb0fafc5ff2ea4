// The results file byte for byte, the clipboard text, both dialogs' checks,
// and how a save puts the file in place.
#include "export/export_engine.h"
#include "export/results_file.h"
#include "search/page_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace korvane::exporting;
using korvane::search::pagesNamed;
namespace fs = std::filesystem;

namespace {

const std::string header = "Prime number generation:  Using Korvane 6\r\n\r\n";

// Pages with literal texts, exact and hand-picked rather than a search's.
struct LiteralPages : korvane::search::PageSource {
    explicit LiteralPages(std::vector<std::string> pages) : pages_(std::move(pages)) {}
    std::size_t pageCount() const override { return pages_.size(); }
    std::uint64_t spanBytes(std::size_t first, std::size_t last) const override {
        std::uint64_t bytes = 0;
        makePages(first, last, [&](std::string_view page) { return bytes += page.size(), true; });
        return bytes;
    }
    bool makePages(std::size_t first, std::size_t last, const PageFn& each) const override {
        for (std::size_t k = first ? first : 1; k <= last && k <= pages_.size(); ++k)
            if (!each(pages_[k - 1]))
                return false;
        return true;
    }
    std::vector<std::string> pages_;
};
const LiteralPages twoPages{{" 1", " 2"}};

} // namespace

TEST(Export, fileHasOneCrLfLinePerPageAndTheClipboardJoinsThem) {
    // The pages, the span typed, the file after its header, the clipboard and
    // the progress reports.
    using Pages = std::vector<std::string>;
    const std::tuple<Pages, double, double, const char*, const char*, std::vector<float>> cases[] =
        {
            // One page: 100 for the empty typed range, 0 while written, 100 at the end.
            {{"2 3 5 7"}, 1, 1, "2 3 5 7\r\n", "2 3 5 7", {100, 0, 100}},
            {{"2 3 5", "", " 11 13", ""}, 2, 3, "\r\n 11 13\r\n", " 11 13", {0, 100, 100}},
        };
    for (const auto& [pages, first, last, body, clip, reports] : cases) {
        const LiteralPages store(pages);
        std::string bytes;
        std::vector<float> progress;
        const auto sink = [&](std::string_view piece) { return bytes += piece, true; };
        const auto span = pagesNamed(first, last, store.pageCount());
        EXPECT_TRUE(writeResults(store, span, sink, [&](float p) { progress.push_back(p); }));
        EXPECT_EQ(bytes, header + body) << "the file";
        EXPECT_EQ(resultsFileSize(store, span), bytes.size()) << "the size reserved";
        EXPECT_EQ(joinPages(store, span), clip) << "the clipboard";
        EXPECT_EQ(progress, reports) << "progress reports";
    }
}

TEST(DialogChecks, firstFailingStepAnswersWithItsFocus) {
    // The span typed, the page total, the file name (null for the copy dialog),
    // the message ("" when the request passes) and the focus it sends.
    using enum korvane::InputField;
    const std::tuple<std::string, std::string, std::size_t, const char*, const char*,
                     korvane::InputField>
        cases[] = {
            // clang-format off
            {"   ", "zzz", 9, nullptr, "You have to enter a valid number!", First},
            {"0.5", "3", 9, nullptr, "Your starting page cannot be less than 1!", First},
            {"1", "0", 9, nullptr, "Your ending page cannot be less than 1!", Second},
            {"5", "3", 9, nullptr, "Invalid entry!", None},
            {"1", "1001", 5000, nullptr, "You can copy up to 1000 pages maximum!", None},
            {"1.9", "1001.2", 5000, nullptr, "", None}, // the limit counts the typed difference
            // Saving: the page steps first, then the name; no page limit.
            {"1", "12", 9, "", "12 is an invalid page number, the last page you can enter is 9", None},
            {"1", "9", 9, "", "Enter a filename!", None},
            {"1", "9", 9, "sub/r.txt", "A file name cannot contain \"/\".", Third},
            {"1", "500000", 500000, "r.txt", "", None},
            // clang-format on
        };
    for (const auto& [first, last, total, file, message, focus] : cases) {
        SCOPED_TRACE(first + ".." + last);
        const auto checked = file ? checkSaveRequest(first, last, total, file)
                                  : checkCopyRequest(first, last, total);
        const auto* error = std::get_if<korvane::InputError>(&checked);
        EXPECT_EQ(error ? error->message : "", message) << "the message";
        EXPECT_EQ(error ? error->focus : None, focus) << "the focus";
    }
    EXPECT_TRUE(offersCopyAll(1000));
    EXPECT_FALSE(offersCopyAll(1001));
}

struct ReplacingFileTest : testing::Test {
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    static std::string contents(const fs::path& file) {
        return (std::stringstream() << std::ifstream(file).rdbuf()).str();
    }
    // Saves twoPages to `target`: the answer saveResults gives.
    static std::string save(const fs::path& target, const ResultsWriter& write = writeResults) {
        ReplacingFile file(target.string());
        return saveResults(file, twoPages, pagesNamed(1, 2, 2), {}, write);
    }
    const fs::path folder = fs::temp_directory_path() / ("korvane-" + std::to_string(getpid()));
    const std::string saved = header + " 1\r\n 2\r\n";
};

// Every name the file system allows is saved, and replaced all or nothing:
// the staged file's own name must fit beside one that takes all the room. A
// replaced file keeps its permissions, and a link keeps pointing at the file
// it named, now replaced.
TEST_F(ReplacingFileTest, aFileOfAnyNameIsReplacedWholeOrNotAtAllKeepingItsModeAndLinks) {
    const auto halfAFile = [](const auto&, const auto&, const ByteSink& sink, const auto&) {
        return sink("half a file"), false;
    };
    // Every length near the limit, where a staging suffix would not fit.
    for (std::size_t length = 1; length <= 255; length += length < 200 ? 50 : 1) {
        SCOPED_TRACE(length);
        const auto target = folder / std::string(length, 'n');
        ASSERT_EQ(save(target), "") << "the first save";
        std::ofstream(target) << "old";
        EXPECT_EQ(save(target, halfAFile), "an unknown error") << "a failure without a reason";
        EXPECT_EQ(contents(target), "old") << "a failed write replaced the file";
        ASSERT_EQ(save(target), "") << "the replacement";
        EXPECT_EQ(contents(target), saved);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "a staged file was left";
        fs::remove(target);
    }
    // A replaced file keeps its permissions, and a link its place.
    const auto kept = folder / "kept.txt", link = folder / "link.txt";
    std::ofstream(kept) << "old";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(kept, link);
    EXPECT_EQ(save(link), "");
    EXPECT_TRUE(fs::is_symlink(link) && contents(kept) == saved) << "the link's file replaced";
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
