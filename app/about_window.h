// The About window: the program's details, and the way back to the main window.
#pragma once

#include <QWidget>

class AboutWindow : public QWidget {
public:
    explicit AboutWindow(QWidget* frmMain);

private:
    QWidget* frmMain_;
};
