// The About window and the two dialogs take all input by disabling frmMain
// while they are open. This base opens and leaves every one of them the same
// way, and gives the frame's close button the meaning of the window's own way
// back.
#pragma once

#include <QPointer>
#include <QWidget>

class DefaultButton;

class SecondaryWindow : public QWidget {
  public:
    // No parent: frmMain is disabled while this is open, and a disabled parent
    // would disable its child windows too. Closing it never quits the program.
    SecondaryWindow(QWidget* frmMain, const char* objectName, const QString& title,
                    Qt::WindowFlags flags = {});

    // Disables frmMain, keeping the control that had its focus (disabling drops
    // it), then shows this window in front and centred over frmMain, fitted to
    // its screen, owned by frmMain for the window system, which keeps it above.
    void openOverMainWindow();

    // The button Return and keypad Enter press in this window.
    DefaultButton& defaultButton() { return *defaultButton_; }

  protected:
    // Hides this window, shows frmMain in front and enabled, and gives the
    // focus back to the control that had it, so the user is where they were
    // and Enter presses what it did.
    void returnToMainWindow();

    // The window's Close or Return button: what the frame's close button does.
    virtual void wayBack() = 0;

    // Makes Escape take the way back too, for the windows a user may dismiss
    // with it.
    void leaveOnEscape();

    // Runs wayBack() and accepts, so frmMain is never left disabled and a quit
    // of the whole program is never held up here. Closing only hides the
    // window, which keeps its state for the next opening.
    void closeEvent(QCloseEvent* event) final;

    QWidget* frmMain() const { return frmMain_; }

  private:
    QWidget* frmMain_;
    DefaultButton* defaultButton_;
    QPointer<QWidget> keptFocus_;
};
