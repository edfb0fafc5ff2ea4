// Korvane 6: creating the main window is what starts the program.
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    MainWindow frmMain;
    frmMain.show();
    return app.exec();
}
