// frmCopy, "Copy Options...": picks the span of result pages (at most 1000)
// that frmMain's Copy puts on the clipboard.
#pragma once

#include "ui/secondary_window.h"

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CopyDialog : public SecondaryWindow {
  public:
    // `copy` and `cancelling` are frmMain's Copy and Cancelling; the dialog
    // reads the page total from lblPageTotal and gives frmMain back its input.
    CopyDialog(QWidget* frmMain, const QLabel* lblPageTotal, std::function<void()> copy,
               std::function<void()> cancelling);

    // Takes the page total into lblMax and offers "Copy All" when it allows.
    void UpdatelblMax();
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

    const QLabel* lblPageTotal_;
    std::function<void()> copy_;
    std::function<void()> cancelling_;
};
