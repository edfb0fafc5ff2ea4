// Saving the results file: the one way every writer of it goes about it, and
// the staged file that puts it in place for the save dialog and the benchmark
// alike. No Qt.
#pragma once

#include "export/export_engine.h"

#include <functional>
#include <string>
#include <string_view>

namespace korvane::search {
class PageSource;
}

namespace korvane::exporting {

// A file written beside its target that takes the target's place only when
// committed; one that is not committed leaves the target as it was.
class StagedFile {
  public:
    virtual ~StagedFile() = default;
    // False, with errorText() set, when the file cannot be made.
    virtual bool open() = 0;
    // The open file's descriptor, for reserving space and starting disk
    // writes; -1 where there is none.
    virtual int handle() const = 0;
    virtual bool write(std::string_view bytes) = 0;
    // Puts the written file in the target's place.
    virtual bool commit() = 0;
    // Throws the written file away.
    virtual void cancel() = 0;
    // Why the last step failed, in words; empty when the step gave no reason.
    virtual std::string errorText() const = 0;
};

// The engine call that streams the file: writeResults, or a stand-in.
using ResultsWriter = std::function<bool(const search::PageSource&, const search::PageSpan&,
                                         const ByteSink&, const SaveProgress&)>;

// Saves the results file for the pages of `span` into
// `file`: reserves its whole size first, so a full disk is reported before a
// page is written; hands the pages over in pieces, starting the disk write of
// every 8 MiB so the commit's flush finds little left; then commits, or cancels
// on any failure. Returns why the file was not saved ("an unknown error" for
// a step that failed without a reason), empty only when it was saved.
std::string saveResults(StagedFile& file, const search::PageSource& store,
                        const search::PageSpan& span, const SaveProgress& progress = {},
                        const ResultsWriter& write = writeResults);

// The StagedFile every save uses: a new file under a short name of its own in
// the target's folder, flushed to disk and renamed over the target on commit,
// so a name as long as the file system allows can be replaced too. An
// uncommitted file is removed. The target is refused up front when it is a
// folder or a file the user may not write; a link is followed, so the file it
// points to is the one replaced. A replaced file keeps its permissions.
class ReplacingFile : public StagedFile {
  public:
    // `target` as the file system spells it (on Linux, bytes of any encoding).
    explicit ReplacingFile(std::string target);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool open() override;
    int handle() const override { return fd_; }
    bool write(std::string_view bytes) override;
    bool commit() override;
    void cancel() override;
    std::string errorText() const override { return error_; }

  private:
    bool fail();
    bool fail(int error);
    bool createStaged(const std::string& folder, unsigned mode);
    void discard();

    std::string target_;
    std::string final_; // the target, or the file its link points to
    std::string staged_;
    int fd_ = -1;
    std::string error_;
};

} // namespace korvane::exporting
