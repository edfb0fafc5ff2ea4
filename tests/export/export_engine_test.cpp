// The results file byte for byte, the clipboard text, and both dialogs' checks.
#include "export/export_engine.h"
#include "export/results_file.h"

#include "tests/page_fill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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
using enum korvane::InputField;
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
        std::size_t total;
        const char* file;    // null for the copy dialog
        const char* message; // "" when the request passes
        korvane::InputField focus;
    } cases[] = {
        {"   ", "zzz", 9, nullptr, invalid, First},
        {std::string(100000, '9'), "1", 9, nullptr, invalid, First}, // beyond any double
        {"1", "1e400", 9, nullptr, invalid, Second},
        {"0.5", "3", 9, nullptr, "Your starting page cannot be less than 1!", First},
        {"1", "0", 9, nullptr, "Your ending page cannot be less than 1!", Second},
        {"5", "3", 9, nullptr, "Invalid entry!", None},
        {"2.9", "2.1", 9, nullptr, "", None},
        {"1", "12", 9, nullptr, past9, None},
        {"1", " 1e308 ", 9, nullptr,
         " 1e308  is an invalid page number, the last page you can enter is 9", None},
        {"1", "9.9", 9, nullptr, "", None},
        {"1", "1000", 1000, nullptr, "", None},
        {"1", "1001", 5000, nullptr, "You can copy up to 1000 pages maximum!", None},
        {"4001", "5000", 5000, nullptr, "", None},
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
    for (const Case& c : cases) {
        const auto error = c.file ? checkSaveRequest(c.first, c.last, c.total, c.file)
                                  : checkCopyRequest(c.first, c.last, c.total);
        const std::string seen = error ? error->message : "";
        EXPECT_EQ(seen, c.message) << c.first.substr(0, 20) << ".." << c.last;
        EXPECT_EQ(error ? error->focus : None, c.focus) << c.message;
    }
    EXPECT_TRUE(offersCopyAll(1000));
    EXPECT_FALSE(offersCopyAll(1001));
}

namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed afterwards.
struct ScratchFolder {
    fs::path path = fs::temp_directory_path() /
                    ("korvane-export-test-" +
                     std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(path))
            found.push_back(entry.path().filename().string());
        return found;
    }
};

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A staged file that records what it was handed and fails at the step named.
struct ScriptedFile : StagedFile {
    enum Step { Nothing, Open, Write, Commit } failAt = Nothing;
    std::string written;
    bool committed = false;
    bool cancelled = false;
    bool open() override { return failAt != Open; }
    int handle() const override { return -1; }
    bool write(std::string_view bytes) override {
        written += bytes;
        return failAt != Write;
    }
    bool commit() override { return committed = failAt != Commit; }
    void cancel() override { cancelled = true; }
    std::string errorText() const override { return "the step failed"; }
};

} // namespace

TEST(SaveResults, aFailingStepIsReportedAndOnlyAFinishedFileIsCommitted) {
    const LiteralPages pages(std::vector<std::string>{" 1", " 2"});
    const struct {
        const char* name;
        ScriptedFile::Step failAt;
        const char* reason;
        bool written, committed, cancelled;
    } rows[] = {
        {"saved", ScriptedFile::Nothing, "", true, true, false},
        {"cannot open", ScriptedFile::Open, "the step failed", false, false, false},
        {"write fails", ScriptedFile::Write, "the step failed", true, false, true},
        {"commit fails", ScriptedFile::Commit, "the step failed", true, false, false},
    };
    for (const auto& row : rows) {
        ScriptedFile file;
        file.failAt = row.failAt;
        EXPECT_EQ(saveResults(file, pages, 1, 2), row.reason) << row.name;
        EXPECT_EQ(!file.written.empty(), row.written) << row.name;
        EXPECT_EQ(file.committed, row.committed) << row.name;
        EXPECT_EQ(file.cancelled, row.cancelled) << row.name;
    }
    ScriptedFile file;
    EXPECT_EQ(saveResults(file, pages, 1, 2), "");
    EXPECT_EQ(file.written, header + " 1\r\n 2\r\n");
}

TEST(ReplacingFile, replacesTheTargetOnlyWhenTheWholeFileIsWritten) {
    ScratchFolder folder;
    const fs::path target = folder.path / "r.txt";
    std::ofstream(target) << "the user's work";
    const LiteralPages pages(std::vector<std::string>{" 1", " 2"});

    ReplacingFile failed(target.string());
    const auto failing = [](const auto&, double, double, const ByteSink& sink, const auto&) {
        sink("half a file");
        return false;
    };
    saveResults(failed, pages, 1, 2, {}, failing);
    EXPECT_EQ(contentOf(target), "the user's work");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"r.txt"}) << "a staged file was left";

    ReplacingFile saved(target.string());
    EXPECT_EQ(saveResults(saved, pages, 1, 2), "");
    EXPECT_EQ(contentOf(target), header + " 1\r\n 2\r\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"r.txt"}) << "a staged file was left";
}

TEST(ReplacingFile, aFolderThatIsMissingGivesTheSystemsReason) {
    ScratchFolder folder;
    ReplacingFile file((folder.path / "gone" / "r.txt").string());
    EXPECT_EQ(saveResults(file, LiteralPages(std::vector<std::string>{" 1"}), 1, 1),
              "No such file or directory");
}
