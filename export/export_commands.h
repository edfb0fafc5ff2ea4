// "C&opy" and "&Save" of the search tab: the two dialogs that choose a span of
// result pages, and the copy and the file write behind them.
#pragma once

#include "export/drive_source.h"
#include "export/export_engine.h"
#include "export/results_file.h"

#include <QObject>

#include <cstddef>
#include <functional>
#include <string>

class CopyDialog;
class QLabel;
class QWidget;
class SaveDialog;

namespace korvane::search {
class PageSource;
}

class ExportCommands : public QObject {
  public:
    // frmMain is disabled while a dialog is open. The pages, whose count is
    // the page total, and the status line belong to the search tab and
    // outlive this.
    ExportCommands(QWidget* frmMain, const korvane::search::PageSource& pages, QLabel* lblSearch);
    ~ExportCommands() override;

    // Both run for their button and for their menu item.
    void cmdCopy_Click();
    void cmdSave_Click();

    // The engine calls behind a copy and a save; a test replaces them to make
    // them fail.
    struct Engine {
        std::function<std::string(const korvane::search::PageSource&,
                                  const korvane::search::PageSpan&)>
            joinPages = korvane::exporting::joinPages;
        korvane::exporting::ResultsWriter writeResults = korvane::exporting::writeResults;
    };
    void setEngine(Engine engine);
    // Where the save dialog takes its drives from at each opening.
    void setDriveSource(DriveSource source);

    // The dialogs once they have been opened (null before).
    CopyDialog* frmCopy() const { return copyDialog_; }
    SaveDialog* Save() const { return saveDialog_; }

  private:
    void Copy(const korvane::search::PageSpan& span);
    void Cancelling();
    void SaveFile(const korvane::search::PageSpan& span);
    void showProgress(float percent);

    QWidget* frmMain_;
    const korvane::search::PageSource& pages_;
    QLabel* lblSearch_;
    Engine engine_;
    DriveSource driveSource_ = mountedDrives;
    // Top-level windows without a parent, so they are ours to delete.
    CopyDialog* copyDialog_ = nullptr;
    SaveDialog* saveDialog_ = nullptr;
    // The page total the copy dialog last took in.
    std::size_t copyTotal_ = 0;
};
