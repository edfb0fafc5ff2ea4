// frmMain's side of copying and saving: opening the dialogs, Copy, Cancelling
// and SaveFile, which commits through QSaveFile so a file is replaced whole or
// not at all.
#include "export/export_commands.h"

#include "export/copy_dialog.h"
#include "export/export_engine.h"
#include "export/results_file.h"
#include "export/save_dialog.h"
#include "search/page_source.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/read_number.h"
#include "ui/status_label.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QWidget>

namespace {

// The results file as QSaveFile writes it: to a file beside the target that
// replaces it on commit, and is thrown away when not committed (on an
// exception too).
class SavedFile : public korvane::exporting::StagedFile {
  public:
    explicit SavedFile(const QString& path) : file_(path) {}
    // Unbuffered: the engine already hands over large pieces.
    bool open() override { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int handle() const override { return file_.handle(); }
    bool write(std::string_view bytes) override {
        const auto size = static_cast<qint64>(bytes.size());
        return file_.write(bytes.data(), size) == size;
    }
    bool commit() override { return file_.commit(); }
    void cancel() override { file_.cancelWriting(); }
    std::string errorText() const override { return file_.errorString().toStdString(); }

  private:
    QSaveFile file_;
};

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

void ExportCommands::Copy() {
    setStatusColour(lblSearch_, StatusColour::Working);
    lblSearch_->setText(QStringLiteral("Copying..."));
    lblSearch_->repaint();
    // The dialog let only valid numbers through.
    const double first = numberIn(copyDialog_->Text1).value_or(1);
    const double last = numberIn(copyDialog_->Text2).value_or(0);
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
    saveDialog_->openOverMainWindow();
    saveDialog_->defaultButton().set(saveDialog_->cmdSave);
    saveDialog_->cmdSave->setFocus();
    saveDialog_->ProgressBar1->setValue(0);
    saveDialog_->txtFrom->setText(QStringLiteral("1"));
    saveDialog_->txtTo->setText(lblPageTotal_->text());
}

void ExportCommands::SaveFile(double first, double last) {
    const QString path = saveDialog_->txtLocation->text();
    std::string reason;
    const auto save = [&] {
        SavedFile file(path);
        reason = korvane::exporting::saveResults(
            file, pages_, first, last, [this](float percent) { showProgress(percent); },
            engine_.writeResults);
    };
    const bool finished = completes(saveDialog_, QStringLiteral("save"), save);
    if (finished && reason.empty())
        return;
    saveDialog_->ProgressBar1->setValue(0);
    if (finished)
        showMessage(saveDialog_,
                    QStringLiteral("The results could not be saved to \"%1\".\n\n%2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
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
