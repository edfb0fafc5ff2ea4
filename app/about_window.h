// The About window: the program's details, and the way back to the main window.
#pragma once

#include "ui/secondary_window.h"

class QPushButton;

class AboutWindow : public SecondaryWindow {
  public:
    // frmMain is disabled while this window is open and enabled again on the
    // way back.
    explicit AboutWindow(QWidget* frmMain);

    void cmdReturnToProgram_Click();

    QPushButton* cmdReturnToProgram = nullptr;

  protected:
    void wayBack() override { cmdReturnToProgram_Click(); }
};
