// Parses the command line of korvane6 with no Qt involved, so the answers
// need neither a display nor the toolkit's own option handling.
#include "app/command_line.h"

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

constexpr std::string_view usage = "Usage: korvane6 [--help | --version]\n";

constexpr std::string_view help =
    "Korvane 6: search primes in a range, factor a number, and calculate.\n"
    "With no option, opens the window (a graphical display is needed).\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n";

bool isHelp(std::string_view argument) {
    return argument == "-h" || argument == "--help";
}

StartAction printAndExit(int exitCode, std::string standardOutput, std::string standardError) {
    return {false, exitCode, std::move(standardOutput), std::move(standardError)};
}

StartAction refuse(std::string_view argument) {
    const bool looksLikeOption = argument.size() > 1 && argument.front() == '-';
    return printAndExit(2, "",
                        std::string("korvane6: ") +
                            (looksLikeOption ? "unknown option '" : "unexpected argument '") +
                            std::string(argument) + "'\n" + std::string(usage));
}

} // namespace

StartAction parseCommandLine(std::span<const std::string_view> arguments) {
    // Every argument is checked before any answer, so a typo next to --help
    // is reported rather than hidden behind the help text.
    const auto known = [](std::string_view a) { return isHelp(a) || a == "--version"; };
    if (const auto bad = std::ranges::find_if_not(arguments, known); bad != arguments.end())
        return refuse(*bad);
    if (arguments.empty())
        return {};
    if (std::ranges::any_of(arguments, isHelp))
        return printAndExit(0, std::string(usage) + std::string(help), "");
    // KORVANE_VERSION is the project version, given by the build.
    return printAndExit(0, std::string("korvane6 ") + KORVANE_VERSION + "\n", "");
}

} // namespace korvane
