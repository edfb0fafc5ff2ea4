// The command line answers --help and --version, lets Qt's standard options
// through to the window, and refuses anything else with exit code 2. Which
// options Qt itself takes is tried on Qt in qt_options_test.cpp.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using Arguments = std::vector<std::string_view>;
const std::string usage = "Usage: korvane6 [--help | --version | Qt's standard options]\n";
std::string refused(const char* what) {
    return "korvane6: " + std::string(what) + "\n" + usage;
}

TEST(CommandLine, opensTheWindowWithQtsOptionsOnlyAndRefusesAnythingUnknownWithCode2) {
    const std::string help = korvane::parseCommandLine(Arguments{"--help"}).standardOutput;
    EXPECT_TRUE(help.starts_with(usage)) << help;
    EXPECT_NE(help.find("Qt's standard options are accepted"), std::string::npos) << help;
    const std::string version = std::string("korvane6 ") + KORVANE_VERSION + "\n";
    // The arguments; whether the window opens, the exit code, standard output and error.
    const std::tuple<const char*, Arguments, bool, int, std::string, std::string> rows[] = {
        // clang-format off
        {"nothing", {}, true, 0, "", ""},
        {"-h", {"-h"}, false, 0, help, ""},
        {"help given with version", {"--version", "--help"}, false, 0, help, ""},
        {"--version", {"--version"}, false, 0, version, ""},
        {"Qt's option with help", {"-display", ":1", "--help"}, false, 0, help, ""},
        {"unknown long option", {"--verbose"}, false, 2, "", refused("unknown option '--verbose'")},
        {"option with a value", {"--version=2"}, false, 2, "", refused("unknown option '--version=2'")},
        {"a number", {"360"}, false, 2, "", refused("unexpected argument '360'")},
        {"a typo after help", {"--help", "--hepl"}, false, 2, "", refused("unknown option '--hepl'")},
        {"Qt's option without its value", {"-platform"}, false, 2, "", refused("option '-platform' needs a value")},
        {"a value joined where Qt takes the next", {"-platform=xcb"}, false, 2, "", refused("unknown option '-platform=xcb'")},
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
