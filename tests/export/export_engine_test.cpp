// The results file byte for byte, the clipboard text, both dialogs' checks,
// and how a save puts the file in place.
#include "export/export_engine.h"
#include "export/results_file.h"
#include "search/page_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace korvane::exporting;

namespace {

const std::string header = "Prime number generation:  Using Korvane 6\r\n\r\n";
using enum korvane::InputField;
const char* const invalid = "You have to enter a valid number!";
const char* const past9 = "12 is an invalid page number, the last page you can enter is 9";

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

// A staged file that fails at the step named, giving `reason`.
struct ScriptedFile : StagedFile {
    enum Step { Nothing, Open, Write, Commit } failAt = Nothing;
    std::string reason = "the step failed";
    bool written = false, committed = false, cancelled = false;
    bool open() override { return failAt != Open; }
    int handle() const override { return -1; }
    bool write(std::string_view) override { return written = true, failAt != Write; }
    bool commit() override { return committed = failAt != Commit; }
    void cancel() override { cancelled = true; }
    std::string errorText() const override { return reason; }
};

} // namespace

TEST(Export, fileHasOneCrLfLinePerPageAndTheClipboardJoinsThem) {
    // The pages, the span typed, the file after its header, the clipboard, and
    // the progress reports (not checked when none are given).
    using Pages = std::vector<std::string>;
    const std::tuple<Pages, double, double, const char*, const char*, std::vector<float>> cases[] =
        {
            // The 54-byte file: 100 for the empty range, 0 while written, 100 at the end.
            {{"2 3 5 7"}, 1, 1, "2 3 5 7\r\n", "2 3 5 7", {100, 0, 100}},
            {{"2 3 5", "", " 11 13", ""}, 2, 3, "\r\n 11 13\r\n", " 11 13", {0, 100, 100}},
            {{"a", "b", "c"}, 1.4, 2.5, "a\r\nb\r\n", "ab", {}}, // nearest(2.5) is 2
            {{"a", "b", "c"}, 1.6, 1.4, "", "", {}},             // rounded ends that cross
        };
    for (const auto& [pages, first, last, body, clip, reports] : cases) {
        SCOPED_TRACE(testing::Message() << "pages " << first << " to " << last);
        const LiteralPages store(pages);
        std::string bytes;
        std::vector<float> progress;
        const auto sink = [&](std::string_view piece) { return bytes += piece, true; };
        const auto span = korvane::search::pagesNamed(first, last, store.pageCount());
        EXPECT_TRUE(writeResults(store, span, sink, [&](float p) { progress.push_back(p); }));
        EXPECT_EQ(bytes, header + body) << "the file";
        EXPECT_EQ(resultsFileSize(store, span), bytes.size()) << "the size reserved";
        EXPECT_EQ(joinPages(store, span), clip) << "the clipboard";
        EXPECT_TRUE(reports.empty() || progress == reports) << "progress reports";
    }
}

TEST(DialogChecks, firstFailingStepAnswersWithItsFocus) {
    // The span typed, the page total, the file name (null for the copy dialog),
    // the message ("" when the request passes) and the focus it sends.
    using Field = korvane::InputField;
    const std::tuple<std::string, std::string, std::size_t, const char*, const char*, Field>
        cases[] = {
            {"   ", "zzz", 9, nullptr, invalid, First},
            {"1", "1e400", 9, nullptr, invalid, Second},
            {"0.5", "3", 9, nullptr, "Your starting page cannot be less than 1!", First},
            {"1", "0", 9, nullptr, "Your ending page cannot be less than 1!", Second},
            {"5", "3", 9, nullptr, "Invalid entry!", None},
            {"1", "12", 9, nullptr, past9, None},
            {"1", "1001", 5000, nullptr, "You can copy up to 1000 pages maximum!", None},
            // The span is the difference before Int: 999.3 pages pass.
            {"1.9", "1001.2", 5000, nullptr, "", None},
            // Saving: the page steps come first, then a name; no page limit.
            {"1", "12", 9, "", past9, None},
            {"1", "9", 9, "", "Enter a filename!", None},
            {"1", "500000", 500000, "r.txt", "", None},
            // A source without pages: every span is refused.
            {"1", "1", 0, nullptr, "1 is an invalid page number, the last page you can enter is 0",
             None},
            {"1", "9", 9, "sub/r.txt", "A file name cannot contain \"/\".", Third},
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

TEST(SaveResults, aFailingStepIsReportedAndOnlyAFinishedFileIsCommitted) {
    const LiteralPages pages(std::vector<std::string>{" 1", " 2"});
    // What fails and the reason it gives; the answer, and whether the file was
    // written, committed and cancelled.
    using enum ScriptedFile::Step;
    const std::tuple<const char*, ScriptedFile::Step, const char*, const char*, bool, bool, bool>
        rows[] = {
            // clang-format off
        {"saved", Nothing, "", "", true, true, false},
        {"cannot open", Open, "the step failed", "the step failed", false, false, false},
        {"write fails", Write, "the step failed", "the step failed", true, false, true},
        {"commit fails", Commit, "the step failed", "the step failed", true, false, false},
        {"open fails silently", Open, "", "an unknown error", false, false, false},
        {"write fails silently", Write, "", "an unknown error", true, false, true},
        {"commit fails silently", Commit, "", "an unknown error", true, false, false},
            // clang-format on
        };
    for (const auto& [name, failAt, reason, answer, written, committed, cancelled] : rows) {
        SCOPED_TRACE(name);
        ScriptedFile file;
        file.failAt = failAt;
        file.reason = reason;
        EXPECT_EQ(saveResults(file, pages, korvane::search::pagesNamed(1, 2, 2)), answer)
            << "the answer";
        EXPECT_EQ(file.written, written) << "written";
        EXPECT_EQ(file.committed, committed) << "committed";
        EXPECT_EQ(file.cancelled, cancelled) << "cancelled";
    }
}

struct ReplacingFileTest : testing::Test {
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string contents(const std::filesystem::path& file) const {
        return (std::stringstream() << std::ifstream(file).rdbuf()).str();
    }
    long entries() const { return std::distance(std::filesystem::directory_iterator(folder), {}); }
    // Saves pages " 1" and " 2" to `target`: the answer saveResults gives.
    std::string save(const std::filesystem::path& target,
                     const ResultsWriter& write = writeResults) {
        ReplacingFile file(target.string());
        return saveResults(file, pages, korvane::search::pagesNamed(1, 2, 2), {}, write);
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("korvane-" + std::to_string(getpid()));
    const LiteralPages pages{std::vector<std::string>{" 1", " 2"}};
    const std::string saved = header + " 1\r\n 2\r\n";
};

TEST_F(ReplacingFileTest, replacesTheTargetOnlyWhenTheWholeFileIsWritten) {
    const auto target = folder / "r.txt";
    std::ofstream(target) << "the user's work";
    save(target, [](const auto&, const auto&, const ByteSink& sink, const auto&) {
        return sink("half a file"), false;
    });
    EXPECT_EQ(contents(target), "the user's work");
    EXPECT_EQ(entries(), 1) << "a staged file was left";
    EXPECT_EQ(save(target), "");
    EXPECT_EQ(contents(target), saved);
    EXPECT_EQ(entries(), 1) << "a staged file was left";
}

// The staged file's own name must fit beside a name that already takes all
// the room a file system gives one.
TEST_F(ReplacingFileTest, aNameOfEveryLengthIsSavedAndThenReplaced) {
    for (const std::size_t length : {1, 248, 249, 255}) {
        SCOPED_TRACE(length);
        const auto target = folder / std::string(length, 'n');
        EXPECT_EQ(save(target), "") << "the first save";
        std::ofstream(target) << "old";
        EXPECT_EQ(save(target), "") << "the replacement";
        EXPECT_EQ(contents(target), saved);
        std::filesystem::remove(target);
    }
}

// A replaced file keeps its permissions, and a link keeps pointing at the
// file it named, now replaced; a folder or a file the user made read-only is
// refused before anything is written.
TEST_F(ReplacingFileTest, whatIsReplacedKeepsItsPermissionsAndLinksWhatIsRefusedIsLeft) {
    namespace fs = std::filesystem;
    const auto kept = folder / "kept.txt";
    std::ofstream(kept) << "old";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(save(kept), "");
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    const auto link = folder / "link.txt";
    fs::create_symlink(kept, link);
    std::ofstream(kept) << "old";
    EXPECT_EQ(save(link), "");
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(contents(kept), saved);

    fs::create_directory(folder / "sub");
    const auto readOnly = folder / "read-only.txt";
    std::ofstream(readOnly) << "old";
    fs::permissions(readOnly, fs::perms::owner_read);
    EXPECT_EQ(save(folder / "sub"), "Is a directory");
    if (getuid() != 0) { // root may write any file
        EXPECT_EQ(save(readOnly), "Permission denied");
    }
    EXPECT_EQ(contents(readOnly), "old");
    EXPECT_EQ(entries(), 4) << "a staged file was left";
}
