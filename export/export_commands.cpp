// frmMain's side of copying and saving: opening the dialogs, Copy, Cancelling
// and SaveFile, whose staged file replaces a file whole or not at all.
#include "export/export_commands.h"

#include "export/copy_dialog.h"
#include "export/export_engine.h"
#include "export/results_file.h"
#include "export/save_dialog.h"
#include "search/page_source.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/status_label.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

ExportCommands::ExportCommands(QWidget* frmMain, const korvane::search::PageSource& pages,
                               QLabel* lblSearch)
    : QObject(frmMain), frmMain_(frmMain), pages_(pages), lblSearch_(lblSearch) {}

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
            frmMain_, pages_, [this](const korvane::search::PageSpan& span) { Copy(span); },
            [this] { Cancelling(); });
    // Taken in again whenever the total has changed since the last opening,
    // so a new search is never checked against the old total.
    if (copyTotal_ != pages_.pageCount()) {
        copyTotal_ = pages_.pageCount();
        copyDialog_->UpdatelblMax();
    }
    copyDialog_->Text2->setText(copyDialog_->pageTotal());
    copyDialog_->openOverMainWindow();
}

void ExportCommands::setEngine(Engine engine) {
    engine_ = std::move(engine);
}

void ExportCommands::setDriveSource(DriveSource source) {
    driveSource_ = std::move(source);
    if (saveDialog_)
        saveDialog_->setDriveSource(driveSource_);
}

void ExportCommands::Copy(const korvane::search::PageSpan& span) {
    setStatusColour(lblSearch_, StatusColour::Working);
    lblSearch_->setText(QStringLiteral("Copying..."));
    lblSearch_->repaint();
    const auto copy = [&] {
        const std::string text = engine_.joinPages(pages_, span);
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
        saveDialog_ = new SaveDialog(
            frmMain_, pages_, [this](const korvane::search::PageSpan& span) { SaveFile(span); });
    saveDialog_->setDriveSource(driveSource_);
    saveDialog_->refreshDrives();
    if (first)
        saveDialog_->Form_Load();
    saveDialog_->openOverMainWindow();
    saveDialog_->defaultButton().set(saveDialog_->cmdSave);
    saveDialog_->cmdSave->setFocus();
    saveDialog_->ProgressBar1->setValue(0);
    saveDialog_->txtFrom->setText(QStringLiteral("1"));
    saveDialog_->txtTo->setText(saveDialog_->pageTotal());
}

void ExportCommands::SaveFile(const korvane::search::PageSpan& span) {
    const QString path = saveDialog_->txtLocation->text();
    std::string reason;
    const auto save = [&] {
        korvane::exporting::ReplacingFile file(QFile::encodeName(path).toStdString());
        reason = korvane::exporting::saveResults(
            file, pages_, span, [this](float percent) { showProgress(percent); },
            engine_.writeResults);
    };
    const bool finished = completes(saveDialog_, QStringLiteral("save"), save);
    if (finished && reason.empty())
        return;
    saveDialog_->ProgressBar1->setValue(0);
    if (finished)
        showMessage(saveDialog_, QStringLiteral("The results could not be saved to \"%1\".\n\n%2")
                                     .arg(QDir::toNativeSeparators(path), qText(reason)));
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
