#include "ui/secondary_window.h"

#include "ui/default_button.h"
#include "ui/screen_fit.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QWindow>

SecondaryWindow::SecondaryWindow(QWidget* frmMain, const char* objectName, const QString& title,
                                 Qt::WindowFlags flags)
    : QWidget(nullptr, flags), frmMain_(frmMain), defaultButton_(new DefaultButton(this)) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::openOverMainWindow() {
    if (frmMain_->isEnabled())
        keptFocus_ = frmMain_->focusWidget();
    frmMain_->setEnabled(false);
    winId();
    if (QWindow* owner = frmMain_->window()->windowHandle())
        windowHandle()->setTransientParent(owner);
    // Each opening finds the main window where it is now, on whatever screen.
    centreOver(this, frmMain_);
    show();
    raise();
    activateWindow();
}

void SecondaryWindow::returnToMainWindow() {
    hide();
    frmMain_->show();
    frmMain_->raise();
    frmMain_->activateWindow();
    frmMain_->setEnabled(true);
    if (const QPointer<QWidget> focus = std::exchange(keptFocus_, nullptr);
        focus && focus->isVisible())
        focus->setFocus();
}

void SecondaryWindow::leaveOnEscape() {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { wayBack(); });
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    wayBack();
    event->accept();
}
