// The command line answers --help and --version, refuses anything else with
// exit code 2, and opens the window only when given nothing.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string usage = "Usage: korvane6 [--help | --version]\n";
const std::string help = usage +
                         "Korvane 6: search primes in a range, factor a number, and calculate.\n"
                         "With no option, opens the window (a graphical display is needed).\n\n"
                         "  -h, --help     print this help and exit\n"
                         "      --version  print the version and exit\n";
const std::string version = std::string("korvane6 ") + KORVANE_VERSION + "\n";
std::string refused(const char* what) {
    return "korvane6: " + std::string(what) + "\n" + usage;
}

TEST(CommandLine, opensTheWindowOnlyWithoutArgumentsAndRefusesAnythingUnknownWithCode2) {
    const struct {
        const char* name;
        std::vector<std::string_view> arguments;
        bool openWindow;
        int exitCode;
        std::string out, err;
    } rows[] = {
        // clang-format off
        {"nothing", {}, true, 0, "", ""},
        {"--help", {"--help"}, false, 0, help, ""},
        {"-h", {"-h"}, false, 0, help, ""},
        {"help given with version", {"--version", "--help"}, false, 0, help, ""},
        {"--version", {"--version"}, false, 0, version, ""},
        {"unknown long option", {"--verbose"}, false, 2, "", refused("unknown option '--verbose'")},
        {"option with a value", {"--version=2"}, false, 2, "", refused("unknown option '--version=2'")},
        {"a number", {"360"}, false, 2, "", refused("unexpected argument '360'")},
        {"a typo after help", {"--help", "--hepl"}, false, 2, "", refused("unknown option '--hepl'")},
        {"a typo before version", {"--verison", "--version"}, false, 2, "", refused("unknown option '--verison'")},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const korvane::StartAction start = korvane::parseCommandLine(row.arguments);
        EXPECT_EQ(start.openWindow, row.openWindow) << "opens the window";
        EXPECT_EQ(start.exitCode, row.exitCode) << "exit code";
        EXPECT_EQ(start.standardOutput, row.out) << "standard output";
        EXPECT_EQ(start.standardError, row.err) << "standard error";
    }
}

} // namespace
