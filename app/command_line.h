// The command line of korvane6: read before any window exists, so --help and
// --version answer in a terminal without a display.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvane {

// What main() does with the arguments: open the window, or print and exit.
struct StartAction {
    bool openWindow = true;
    int exitCode = 0;
    std::string standardOutput;
    std::string standardError;
};

// `arguments` excludes the program name. The program takes its two options
// and Qt's standard ones, which QApplication applies; anything else is
// refused with the usage and exit code 2.
StartAction parseCommandLine(std::span<const std::string_view> arguments);

} // namespace korvane
