// Korvane 6: the command line is read first; with no option, creating the
// main window is what starts the program.
#include "app/command_line.h"
#include "app/main_window.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const korvane::StartAction start = korvane::parseCommandLine(arguments);
    if (!start.openWindow) {
        std::fputs(start.standardOutput.c_str(), stdout);
        std::fputs(start.standardError.c_str(), stderr);
        return start.exitCode;
    }
    QApplication app(argc, argv);
    MainWindow frmMain;
    frmMain.show();
    return app.exec();
}
