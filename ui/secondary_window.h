// The About window and the two dialogs take all input by disabling frmMain
// while they are open; these helpers open and leave them the same way.
#pragma once

class QWidget;

// Disables frmMain, keeping the control that had its focus (disabling drops
// it), then shows `window` in front, owned by frmMain for the window system.
void openOverMainWindow(QWidget* window, QWidget* frmMain);

// Shows frmMain in front, enables it, and gives the focus back to the control
// that had it, so the user is where they were and Enter presses what it did.
void returnToMainWindow(QWidget* frmMain);
