// The command line answers --help and --version, lets Qt's standard options
// through to the window, and refuses anything else with exit code 2.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string usage = "Usage: korvane6 [--help | --version | Qt's standard options]\n";
const std::string help =
    usage + "Korvane 6: search primes in a range, factor a number, and calculate.\n"
            "With no option, opens the window (a graphical display is needed).\n\n"
            "  -h, --help     print this help and exit\n"
            "      --version  print the version and exit\n\n"
            "Qt's standard options are accepted as well, with one dash or two, such as\n"
            "-style NAME, -stylesheet FILE, -platform NAME, -reverse,\n"
            "-qwindowgeometry WxH+X+Y, -qwindowtitle TITLE and -display DISPLAY.\n";
const std::string version = std::string("korvane6 ") + KORVANE_VERSION + "\n";
std::string refused(const char* what) {
    return "korvane6: " + std::string(what) + "\n" + usage;
}

TEST(CommandLine, opensTheWindowWithQtsOptionsOnlyAndRefusesAnythingUnknownWithCode2) {
    // The arguments; whether the window opens, the exit code, standard output and error.
    using Arguments = std::vector<std::string_view>;
    const std::tuple<const char*, Arguments, bool, int, std::string, std::string> rows[] = {
        // clang-format off
        {"nothing", {}, true, 0, "", ""},
        {"-h", {"-h"}, false, 0, help, ""},
        {"help given with version", {"--version", "--help"}, false, 0, help, ""},
        {"--version", {"--version"}, false, 0, version, ""},
        {"unknown long option", {"--verbose"}, false, 2, "", refused("unknown option '--verbose'")},
        {"option with a value", {"--version=2"}, false, 2, "", refused("unknown option '--version=2'")},
        {"a number", {"360"}, false, 2, "", refused("unexpected argument '360'")},
        {"a typo after help", {"--help", "--hepl"}, false, 2, "", refused("unknown option '--hepl'")},
        {"a typo before version", {"--verison", "--version"}, false, 2, "", refused("unknown option '--verison'")},
        {"Qt's options, one dash", {"-style", "Fusion", "-reverse", "-platform", "xcb", "-display", ":1"}, true, 0, "", ""},
        {"Qt's options, two dashes", {"--style=Fusion", "--stylesheet", "a.qss", "--qwindowgeometry", "400x300+0+0"}, true, 0, "", ""},
        {"a title that reads --help", {"-qwindowtitle", "--help"}, true, 0, "", ""},
        {"Qt's option with help", {"-reverse", "--help"}, false, 0, help, ""},
        {"Qt's option without its value", {"-platform"}, false, 2, "", refused("option '-platform' needs a value")},
        {"a value joined where Qt takes none", {"-platform=xcb"}, false, 2, "", refused("unknown option '-platform=xcb'")},
        {"an argument after Qt's options", {"-style", "Fusion", "360"}, false, 2, "", refused("unexpected argument '360'")},
        // clang-format on
    };
    for (const auto& [name, arguments, openWindow, exitCode, out, err] : rows) {
        SCOPED_TRACE(name);
        const korvane::StartAction start = korvane::parseCommandLine(arguments);
        EXPECT_EQ(start.openWindow, openWindow) << "opens the window";
        EXPECT_EQ(start.exitCode, exitCode) << "exit code";
        EXPECT_EQ(start.standardOutput, out) << "standard output";
        EXPECT_EQ(start.standardError, err) << "standard error";
    }
}

} // namespace
