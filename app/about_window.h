// The About window: the program's details, and the way back to the main window.
#pragma once

#include <QWidget>

class DefaultButton;
class QPushButton;

class AboutWindow : public QWidget {
  public:
    // frmMain is disabled while this window is open and enabled again on the
    // way back.
    explicit AboutWindow(QWidget* frmMain);

    void cmdReturnToProgram_Click();

    QPushButton* cmdReturnToProgram = nullptr;

  protected:
    // The frame's close button is a way back like "&Return to Program"; without
    // this frmMain would stay disabled.
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* frmMain_;
    DefaultButton* defaultButton_ = nullptr;
};
