#include "app/about_window.h"

AboutWindow::AboutWindow(QWidget* frmMain) : QWidget(nullptr), frmMain_(frmMain) {
    setObjectName("About");
    setWindowTitle(QStringLiteral("About Window"));
}
