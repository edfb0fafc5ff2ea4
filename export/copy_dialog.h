// frmCopy, "Copy Options...": picks the span of result pages (at most 1000)
// that frmMain's Copy puts on the clipboard.
#pragma once

#include "search/page_number.h"
#include "ui/secondary_window.h"

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::search {
class PageSource;
}

class CopyDialog : public SecondaryWindow {
  public:
    // `copy` (given the checked span) and `cancelling` are frmMain's Copy and
    // Cancelling; the dialog takes the page total from `pages` and gives
    // frmMain back its input.
    CopyDialog(QWidget* frmMain, const korvane::search::PageSource& pages,
               std::function<void(const korvane::search::PageSpan&)> copy,
               std::function<void()> cancelling);

    // Takes the page total into lblMax and offers "Copy All" when it allows.
    void UpdatelblMax();
    // The page total as the dialog writes it into its boxes.
    QString pageTotal() const;
    void chkCopy_Click();
    void cmdCopy_Click();
    void cmdCancel_Click();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* chkCopy = nullptr;
    QLabel* lblMax = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Image1 = nullptr;

  protected:
    // The frame's close button acts as "Close".
    void wayBack() override { cmdCancel_Click(); }

  private:
    void layOut();

    const korvane::search::PageSource& pages_;
    // The total lblMax shows: the limit "Copy..." checks against.
    std::size_t shownTotal_ = 0;
    std::function<void(const korvane::search::PageSpan&)> copy_;
    std::function<void()> cancelling_;
};
