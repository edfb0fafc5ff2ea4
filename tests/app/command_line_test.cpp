// The command line answers --help and --version, refuses anything else with
// exit code 2, and opens the window only when given nothing.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using korvane::parseCommandLine;
using korvane::StartAction;

namespace {

const std::string usage = "Usage: korvane6 [--help | --version]\n";

// "6.0.0": three numbers joined by dots.
bool isThreePartVersion(std::string_view version) {
    int parts = 0;
    bool digits = false;
    for (const char c : version) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && digits) {
            ++parts;
            digits = false;
        } else {
            return false;
        }
    }
    return digits && parts == 2;
}

StartAction parse(std::vector<std::string_view> arguments) {
    return parseCommandLine(arguments);
}

TEST(CommandLine, noArgumentOpensTheWindowAndPrintsNothing) {
    const StartAction start = parse({});
    EXPECT_TRUE(start.openWindow);
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_EQ(start.standardOutput, "");
    EXPECT_EQ(start.standardError, "");
}

TEST(CommandLine, helpPrintsTheUsageAndBothOptionsOnStandardOutput) {
    struct Row {
        const char* name;
        std::vector<std::string_view> arguments;
    };
    const Row rows[] = {
        {"long form", {"--help"}},
        {"short form", {"-h"}},
        {"help given with version", {"--version", "--help"}},
        {"help given twice", {"-h", "--help"}},
    };
    for (const Row& row : rows) {
        const StartAction start = parse(row.arguments);
        EXPECT_FALSE(start.openWindow) << row.name;
        EXPECT_EQ(start.exitCode, 0) << row.name;
        EXPECT_TRUE(start.standardOutput.starts_with(usage)) << row.name;
        EXPECT_NE(start.standardOutput.find("  -h, --help "), std::string::npos) << row.name;
        EXPECT_NE(start.standardOutput.find("      --version "), std::string::npos) << row.name;
        EXPECT_EQ(start.standardError, "") << row.name;
    }
}

TEST(CommandLine, versionPrintsTheProgramNameAndTheBuildVersion) {
    const StartAction start = parse({"--version"});
    EXPECT_FALSE(start.openWindow);
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_EQ(start.standardOutput, std::string("korvane6 ") + KORVANE_VERSION + "\n");
    EXPECT_TRUE(isThreePartVersion(KORVANE_VERSION)) << KORVANE_VERSION;
    EXPECT_EQ(start.standardError, "");
}

TEST(CommandLine, anythingElseIsRefusedWithTheUsageOnStandardErrorAndExitCode2) {
    struct Row {
        const char* name;
        std::vector<std::string_view> arguments;
        const char* complaint;
    };
    const Row rows[] = {
        {"unknown long option", {"--verbose"}, "korvane6: unknown option '--verbose'\n"},
        {"unknown short option", {"-v"}, "korvane6: unknown option '-v'\n"},
        {"option with a value", {"--version=2"}, "korvane6: unknown option '--version=2'\n"},
        {"a number", {"360"}, "korvane6: unexpected argument '360'\n"},
        {"a lone dash", {"-"}, "korvane6: unexpected argument '-'\n"},
        {"an empty argument", {""}, "korvane6: unexpected argument ''\n"},
        {"a typo after help", {"--help", "--hepl"}, "korvane6: unknown option '--hepl'\n"},
        {"a typo before version",
         {"--verison", "--version"},
         "korvane6: unknown option '--verison'\n"},
    };
    for (const Row& row : rows) {
        const StartAction start = parse(row.arguments);
        EXPECT_FALSE(start.openWindow) << row.name;
        EXPECT_EQ(start.exitCode, 2) << row.name;
        EXPECT_EQ(start.standardOutput, "") << row.name;
        EXPECT_EQ(start.standardError, row.complaint + usage) << row.name;
    }
}

} // namespace
