// Saving the results file: the one way every writer of it goes about it,
// whatever puts the finished file in place (QSaveFile in the save dialog, the
// engine's own ReplacingFile in the benchmark). No Qt.
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
using ResultsWriter = std::function<bool(const search::PageSource&, double, double, const ByteSink&,
                                         const SaveProgress&)>;

// Saves the results file for pages first..last (the typed values) into
// `file`: reserves its whole size first, so a full disk is reported before a
// page is written; hands the pages over in pieces, starting the disk write of
// every 8 MiB so the commit's flush finds little left; then commits, or cancels
// on any failure. Returns why the file was not saved ("an unknown error" for
// a step that failed without a reason), empty only when it was saved.
std::string saveResults(StagedFile& file, const search::PageSource& store, double first,
                        double last, const SaveProgress& progress = {},
                        const ResultsWriter& write = writeResults);

// The engine's own StagedFile: a new file beside the target, flushed to disk
// and renamed over the target on commit. An uncommitted file is removed.
class ReplacingFile : public StagedFile {
  public:
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
    void discard();

    std::string target_;
    std::string staged_;
    int fd_ = -1;
    std::string error_;
};

} // namespace korvane::exporting
