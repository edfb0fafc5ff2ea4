// Draws the main window under Fusion's dark palette after a search from 0 to
// 1000 and saves the picture for the README:
//   QT_QPA_PLATFORM=offscreen build/tests/app/dark_screenshot docs/dark-palette.png
#include "app/main_window.h"
#include "search/search_frame.h"
#include "tests/app/dark_palette.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    MainWindow frmMain;
    frmMain.resize(820, 560);
    frmMain.show();
    frmMain.BigFrame_1->cmdCalculate->click();
    QApplication::processEvents();
    return frmMain.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
