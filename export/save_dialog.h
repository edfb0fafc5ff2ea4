// Save, "Saving results to File": the span of pages, the drive, directory and
// file name of the results file, and the progress of frmMain's SaveFile.
#pragma once

#include "export/drive_source.h"
#include "search/page_number.h"
#include "ui/secondary_window.h"

#include <functional>

class DirectoryList;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace korvane::search {
class PageSource;
}

class SaveDialog : public SecondaryWindow {
  public:
    // `saveFile` is frmMain's SaveFile, given the checked span; the page
    // total is that of `pages`.
    SaveDialog(QWidget* frmMain, const korvane::search::PageSource& pages,
               std::function<void(const korvane::search::PageSpan&)> saveFile);

    // The page total as the dialog writes it into its boxes.
    QString pageTotal() const;

    // Where the drive list comes from; read again by refreshDrives.
    void setDriveSource(DriveSource source);
    // Run at every opening, before Form_Load on the first.
    void refreshDrives();

    void Form_Load();
    void Drives_Change();
    void Directory_Change();
    void Directory_Click();
    void Filename_Change();
    void chkPages_Click();
    void cmdSave_Click();
    void cmdCancel_Click();

    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkPages = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtFrom = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtTo = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Filename = nullptr;
    QLabel* Label2 = nullptr;
    // Each entry's data is the root path of a mounted file system.
    QComboBox* Drives = nullptr;
    DirectoryList* Directory = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtLocation = nullptr;
    QLabel* Label4 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    // The frame's close button acts as "Close".
    void wayBack() override { cmdCancel_Click(); }

  private:
    void layOut();
    void setLocation();
    bool mayReplace();

    const korvane::search::PageSource& pages_;
    std::function<void(const korvane::search::PageSpan&)> saveFile_;
    DriveSource driveSource_ = mountedDrives;
};
