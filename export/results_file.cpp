// The results file's write policy and the engine's own staged file.
#include "export/results_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

namespace korvane::exporting {
namespace {

// errno 0 means no reason was given; its message ("Success") would read as
// if nothing had failed.
std::string errnoText(int error) {
    return error == 0 ? std::string() : std::generic_category().message(error);
}

// Why a step of `file` failed; a step may fail without saying why.
std::string reasonOf(const StagedFile& file) {
    std::string reason = file.errorText();
    return reason.empty() ? "an unknown error" : reason;
}

// Reserving the whole size first reports a full disk before a single page is
// written, and lets the file system lay the file out in one piece. Where the
// file system cannot reserve, the write simply goes ahead.
bool reserveSpace(int fd, std::size_t bytes, std::string& reason) {
#ifdef __linux__
    if (fd >= 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes)) != 0 &&
        (errno == ENOSPC || errno == EFBIG)) {
        reason = errnoText(errno);
        return false;
    }
#else
    (void)fd;
    (void)bytes;
    (void)reason;
#endif
    return true;
}

// Starts the disk write of every 8 MiB already handed over, so that the flush
// the commit makes finds little left and a large save ends sooner.
void startDiskWrite(int fd, std::size_t& flushed, std::size_t written) {
    constexpr std::size_t step = std::size_t{8} << 20;
    if (written - flushed < step)
        return;
#ifdef __linux__
    if (fd >= 0)
        ::sync_file_range(fd, static_cast<off_t>(flushed), static_cast<off_t>(written - flushed),
                          SYNC_FILE_RANGE_WRITE);
#else
    (void)fd;
#endif
    flushed = written;
}

} // namespace

std::string saveResults(StagedFile& file, const search::PageSource& store,
                        const search::PageSpan& span, const SaveProgress& progress,
                        const ResultsWriter& write) {
    if (!file.open())
        return reasonOf(file);
    std::string reason;
    if (!reserveSpace(file.handle(), resultsFileSize(store, span), reason)) {
        file.cancel();
        return reason;
    }
    std::size_t handedOver = 0;
    std::size_t flushed = 0;
    const auto sink = [&](std::string_view bytes) {
        if (!file.write(bytes))
            return false;
        handedOver += bytes.size();
        startDiskWrite(file.handle(), flushed, handedOver);
        return true;
    };
    if (!write(store, span, sink, progress)) {
        reason = reasonOf(file);
        file.cancel(); // the old file, if any, stays as it was
    } else if (!file.commit()) {
        reason = reasonOf(file);
    }
    return reason;
}

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    discard();
}

bool ReplacingFile::open() {
    discard();
    error_.clear();
    final_ = target_;
    struct stat info {};
    if (::lstat(final_.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(target_.c_str(), nullptr)) {
            final_ = real;
            std::free(real);
        }
    }
    // A new file gets the usual permissions less the user's umask; a replaced
    // one keeps its own.
    unsigned mode = 0666;
    bool replacing = false;
    if (::stat(final_.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return fail(EISDIR);
        // Renaming needs only the folder's permission: a file the user made
        // read-only is not replaced behind their back.
        if (::access(final_.c_str(), W_OK) != 0)
            return fail();
        mode = info.st_mode & 07777;
        replacing = true;
    }
    const std::size_t slash = final_.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : final_.substr(0, slash);
    if (!createStaged(folder, mode))
        return false;
    if (replacing)
        ::fchmod(fd_, mode);
    return true;
}

// The staged file's name is short whatever the target's, so it fits where the
// target's own name already takes all the room the file system gives a name.
bool ReplacingFile::createStaged(const std::string& folder, unsigned mode) {
    static thread_local std::minstd_rand random(std::random_device{}());
    constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder + "/.korvane-";
        for (int i = 0; i < 8; ++i)
            name += letters[pick(random)];
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     static_cast<mode_t>(mode));
        if (fd_ >= 0) {
            staged_ = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return fail();
    }
    return fail();
}

bool ReplacingFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = 0; // wrote nothing without an error: no reason to give
        if (n <= 0)
            return fail();
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool ReplacingFile::commit() {
    if (fd_ < 0)
        return false;
    const bool done = ::fsync(fd_) == 0 && ::close(std::exchange(fd_, -1)) == 0 &&
                      std::rename(staged_.c_str(), final_.c_str()) == 0;
    if (!done) {
        fail();
        discard();
        return false;
    }
    staged_.clear();
    return true;
}

void ReplacingFile::cancel() {
    discard();
}

bool ReplacingFile::fail() {
    return fail(errno);
}

bool ReplacingFile::fail(int error) {
    error_ = errnoText(error);
    return false;
}

void ReplacingFile::discard() {
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!staged_.empty())
        std::remove(std::exchange(staged_, {}).c_str());
}

} // namespace korvane::exporting
