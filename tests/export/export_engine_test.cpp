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
            {{"a", "b", "c"}, 3, 1e308, "c\r\n", "c", {}},
            {{"a", "b", "c"}, 1.6, 1.4, "", "", {}}, // rounded ends that cross
        };
    for (const auto& [pages, first, last, body, clip, reports] : cases) {
        SCOPED_TRACE(testing::Message() << "pages " << first << " to " << last);
        const LiteralPages store(pages);
        std::string bytes;
        std::vector<float> progress;
        const auto sink = [&](std::string_view piece) { return bytes += piece, true; };
        EXPECT_TRUE(
            writeResults(store, first, last, sink, [&](float p) { progress.push_back(p); }));
        EXPECT_EQ(bytes, header + body) << "the file";
        EXPECT_EQ(resultsFileSize(store, first, last), bytes.size()) << "the size reserved";
        EXPECT_EQ(joinPages(store, first, last), clip) << "the clipboard";
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
            // A page total the window could not read is 0: every span is refused.
            {"1", "1", 0, nullptr, "1 is an invalid page number, the last page you can enter is 0",
             None},
        };
    for (const auto& [first, last, total, file, message, focus] : cases) {
        SCOPED_TRACE(first + ".." + last);
        const auto error = file ? checkSaveRequest(first, last, total, file)
                                : checkCopyRequest(first, last, total);
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
        EXPECT_EQ(saveResults(file, pages, 1, 2), answer) << "the answer";
        EXPECT_EQ(file.written, written) << "written";
        EXPECT_EQ(file.committed, committed) << "committed";
        EXPECT_EQ(file.cancelled, cancelled) << "cancelled";
    }
}

TEST(ReplacingFile, replacesTheTargetOnlyWhenTheWholeFileIsWritten) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("korvane-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path target = folder / "r.txt";
    std::ofstream(target) << "the user's work";
    const auto contents = [&] {
        return (std::stringstream() << std::ifstream(target).rdbuf()).str();
    };
    const auto entries = [&] { return std::distance(fs::directory_iterator(folder), {}); };
    const LiteralPages pages(std::vector<std::string>{" 1", " 2"});
    ReplacingFile failed(target.string());
    saveResults(failed, pages, 1, 2, {},
                [](const auto&, double, double, const ByteSink& sink, const auto&) {
                    return sink("half a file"), false;
                });
    EXPECT_EQ(contents(), "the user's work");
    EXPECT_EQ(entries(), 1) << "a staged file was left";
    ReplacingFile saved(target.string());
    EXPECT_EQ(saveResults(saved, pages, 1, 2), "");
    EXPECT_EQ(contents(), header + " 1\r\n 2\r\n");
    EXPECT_EQ(entries(), 1) << "a staged file was left";
    fs::remove_all(folder);
}
