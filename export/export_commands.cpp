// frmMain's side of copying and saving: opening the dialogs, Copy, Cancelling
// and SaveFile, which writes through QSaveFile so a file is replaced whole or
// not at all.
#include "export/export_commands.h"

#include "ui/secondary_window.h"

#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/status_label.h"
#include "common/number_text.h"
#include "export/copy_dialog.h"
#include "export/export_engine.h"
#include "export/save_dialog.h"
#include "search/page_source.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QWidget>
#include <QWindow>

#ifdef __linux__
#include <fcntl.h>

#include <cerrno>
#endif

namespace {

// Reserving the whole size first reports a full disk before a single page is
// written, and lets the file system lay the file out in one piece. Where the
// file system cannot reserve, the write simply goes ahead.
bool reserveSpace([[maybe_unused]] QSaveFile& file, [[maybe_unused]] std::size_t bytes,
                  [[maybe_unused]] QString& reason) {
#ifdef __linux__
    if (::fallocate(file.handle(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes)) != 0 &&
        (errno == ENOSPC || errno == EFBIG)) {
        reason = qt_error_string(errno);
        return false;
    }
#endif
    return true;
}

// Starts the disk write of every 8 MiB already handed over, so that the flush
// the commit makes finds little left and a large save ends sooner.
void startDiskWrite([[maybe_unused]] QSaveFile& file, qint64& flushed, qint64 written) {
    constexpr qint64 step = qint64{8} << 20;
    if (written - flushed < step)
        return;
#ifdef __linux__
    ::sync_file_range(file.handle(), flushed, written - flushed, SYNC_FILE_RANGE_WRITE);
#endif
    flushed = written;
}

} // namespace

ExportCommands::ExportCommands(QWidget* frmMain, const korvane::search::PageSource& pages,
                               QLabel* lblPageTotal, QLabel* lblSearch)
    : QObject(frmMain), frmMain_(frmMain), pages_(pages), lblPageTotal_(lblPageTotal),
      lblSearch_(lblSearch) {}

ExportCommands::~ExportCommands() {
    delete copyDialog_;
    delete saveDialog_;
}

// The clipboard is the user's: only a copy that succeeds replaces what it holds.
void ExportCommands::cmdCopy_Click() {
    setStatusColour(lblSearch_, StatusColour::Working);
    lblSearch_->setText(QStringLiteral("Copying..."));
    if (!copyDialog_)
        copyDialog_ = new CopyDialog(
            frmMain_, lblPageTotal_, [this] { Copy(); }, [this] { Cancelling(); });
    // Taken in again whenever the total has changed since the last opening,
    // so a new search is never checked against the old total.
    if (copyTotal_ != lblPageTotal_->text()) {
        copyTotal_ = lblPageTotal_->text();
        copyDialog_->UpdatelblMax();
    }
    copyDialog_->Text2->setText(lblPageTotal_->text());
    openOverMainWindow(copyDialog_, frmMain_);
}

void ExportCommands::setEngine(Engine engine) {
    engine_ = std::move(engine);
}

void ExportCommands::setDriveSource(DriveSource source) {
    driveSource_ = std::move(source);
    if (saveDialog_)
        saveDialog_->setDriveSource(driveSource_);
}

void ExportCommands::Copy() {
    setStatusColour(lblSearch_, StatusColour::Working);
    lblSearch_->setText(QStringLiteral("Copying..."));
    lblSearch_->repaint();
    // The dialog let only valid numbers through.
    const double first = korvane::parseNumber(copyDialog_->Text1->text().toStdString()).value_or(1);
    const double last = korvane::parseNumber(copyDialog_->Text2->text().toStdString()).value_or(0);
    const auto copy = [&] {
        const std::string text = engine_.joinPages(pages_, first, last);
        QGuiApplication::clipboard()->setText(
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    };
    // Nothing was copied: the status line reads as after "Close".
    if (!completes(frmMain_, QStringLiteral("copy"), copy))
        return Cancelling();
    setStatusColour(lblSearch_, StatusColour::Idle);
    lblSearch_->setText(QStringLiteral("Copy Completed..."));
    lblSearch_->repaint();
}

void ExportCommands::Cancelling() {
    lblSearch_->setText(QStringLiteral("Ready"));
    setStatusColour(lblSearch_, StatusColour::Idle);
}

void ExportCommands::cmdSave_Click() {
    const bool first = !saveDialog_;
    if (first)
        saveDialog_ = new SaveDialog(frmMain_, lblPageTotal_,
                                     [this](double first, double last) { SaveFile(first, last); });
    saveDialog_->setDriveSource(driveSource_);
    saveDialog_->refreshDrives();
    if (first)
        saveDialog_->Form_Load();
    openOverMainWindow(saveDialog_, frmMain_);
    saveDialog_->defaultButton().set(saveDialog_->cmdSave);
    saveDialog_->cmdSave->setFocus();
    saveDialog_->ProgressBar1->setValue(0);
    saveDialog_->txtFrom->setText(QStringLiteral("1"));
    saveDialog_->txtTo->setText(lblPageTotal_->text());
}

void ExportCommands::SaveFile(double first, double last) {
    const QString path = saveDialog_->txtLocation->text();
    QString reason;
    const bool finished = completes(saveDialog_, QStringLiteral("save"),
                                    [&] { reason = writeFile(path, first, last); });
    if (finished && reason.isEmpty())
        return;
    saveDialog_->ProgressBar1->setValue(0);
    if (finished)
        showMessage(saveDialog_, QStringLiteral("The results could not be saved to \"%1\".\n\n%2")
                                     .arg(QDir::toNativeSeparators(path), reason));
}

// Writes the file whole or not at all (an unfinished QSaveFile is thrown away,
// on an exception too) and gives the reason when it could not.
QString ExportCommands::writeFile(const QString& path, double first, double last) {
    QSaveFile file(path);
    QString reason;
    // Unbuffered: the engine already hands over large pieces.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
    } else if (!reserveSpace(file, korvane::exporting::resultsFileSize(pages_, first, last),
                             reason)) {
        file.cancelWriting();
    } else {
        qint64 handedOver = 0;
        qint64 flushed = 0;
        const auto sink = [&](std::string_view bytes) {
            const auto size = static_cast<qint64>(bytes.size());
            if (file.write(bytes.data(), size) != size)
                return false;
            handedOver += size;
            startDiskWrite(file, flushed, handedOver);
            return true;
        };
        const bool written = engine_.writeResults(pages_, first, last, sink,
                                                  [this](float percent) { showProgress(percent); });
        if (!written) {
            reason = file.errorString();
            file.cancelWriting(); // the old file, if any, stays as it was
        } else if (!file.commit()) {
            reason = file.errorString();
        }
    }
    return reason;
}

void ExportCommands::showProgress(float percent) {
    // Called for every page; the bar is redrawn only when its value moves.
    QProgressBar* bar = saveDialog_->ProgressBar1;
    const int value = static_cast<int>(percent);
    if (value == bar->value())
        return;
    bar->setValue(value);
    bar->repaint();
}
