#include "ui/secondary_window.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// The focus each main window had when it was disabled.
QHash<const QWidget*, QPointer<QWidget>>& keptFocus() {
    static QHash<const QWidget*, QPointer<QWidget>> kept;
    return kept;
}

} // namespace

void openOverMainWindow(QWidget* window, QWidget* frmMain) {
    if (frmMain->isEnabled())
        keptFocus().insert(frmMain, frmMain->focusWidget());
    frmMain->setEnabled(false);
    // The window has no parent (frmMain is disabled under it), so tell the
    // window system whose it is: it keeps it above frmMain and places it over it.
    window->winId();
    if (QWindow* owner = frmMain->window()->windowHandle())
        window->windowHandle()->setTransientParent(owner);
    window->show();
    window->raise();
    window->activateWindow();
}

void returnToMainWindow(QWidget* frmMain) {
    frmMain->show();
    frmMain->raise();
    frmMain->activateWindow();
    frmMain->setEnabled(true);
    if (const QPointer<QWidget> focus = keptFocus().take(frmMain); focus && focus->isVisible())
        focus->setFocus();
}
