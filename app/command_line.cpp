// Parses the command line of korvane6 with no Qt involved, so the answers
// need neither a display nor the toolkit's own option handling.
#include "app/command_line.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace korvane {

namespace {

constexpr std::string_view usage = "Usage: korvane6 [--help | --version | Qt's standard options]\n";

constexpr std::string_view help =
    "Korvane 6: search primes in a range, factor a number, and calculate.\n"
    "With no option, opens the window (a graphical display is needed).\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Qt's standard options are accepted as well, with one dash or two, such as\n"
    "-style NAME, -stylesheet FILE, -platform NAME, -reverse,\n"
    "-qwindowgeometry WxH+X+Y, -qwindowtitle TITLE and -display DISPLAY.\n";

// The options QApplication and QGuiApplication document (X11's among them),
// which the toolkit applies itself when the window opens. Each takes its value
// from the next argument, after "=" in the same one, or either way.
enum class Value { None, Next, Joined, Either };

struct QtOption {
    std::string_view name;
    Value value;
};

constexpr QtOption qtOptions[] = {
    {"style", Value::Either},
    {"stylesheet", Value::Either},
    {"widgetcount", Value::None},
    {"reverse", Value::None},
    {"qmljsdebugger", Value::Joined},
    {"platform", Value::Next},
    {"platformpluginpath", Value::Next},
    {"platformtheme", Value::Next},
    {"plugin", Value::Either},
    {"qwindowgeometry", Value::Next},
    {"qwindowicon", Value::Next},
    {"qwindowtitle", Value::Next},
    {"session", Value::Next},
    {"display", Value::Next},
    {"geometry", Value::Next},
};

bool isHelp(std::string_view argument) {
    return argument == "-h" || argument == "--help";
}

StartAction printAndExit(int exitCode, std::string standardOutput, std::string standardError) {
    return {false, exitCode, std::move(standardOutput), std::move(standardError)};
}

StartAction refuse(const std::string& why) {
    return printAndExit(2, "", "korvane6: " + why + "\n" + std::string(usage));
}

StartAction refuse(std::string_view argument) {
    const bool looksLikeOption = argument.size() > 1 && argument.front() == '-';
    return refuse((looksLikeOption ? "unknown option '" : "unexpected argument '") +
                  std::string(argument) + "'");
}

// How many arguments a Qt option at `at` takes up (1 or 2); nothing when it is
// none, and 0 when its value is missing.
std::optional<std::size_t> qtOptionAt(std::span<const std::string_view> arguments, std::size_t at) {
    std::string_view argument = arguments[at];
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    if (!argument.starts_with('-'))
        return std::nullopt;
    argument.remove_prefix(1);
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto* option = std::ranges::find(qtOptions, name, &QtOption::name);
    if (option == std::end(qtOptions))
        return std::nullopt;
    const bool joined = equals != std::string_view::npos;
    switch (option->value) {
    case Value::None:
        return joined ? std::nullopt : std::optional<std::size_t>(1);
    case Value::Joined:
        return joined ? std::optional<std::size_t>(1) : std::nullopt;
    case Value::Next:
        if (joined)
            return std::nullopt;
        break;
    case Value::Either:
        if (joined)
            return 1;
        break;
    }
    return at + 1 < arguments.size() ? 2 : 0;
}

} // namespace

StartAction parseCommandLine(std::span<const std::string_view> arguments) {
    // Every argument is checked before any answer, so a typo next to --help
    // is reported rather than hidden behind the help text. A Qt option's value
    // is its own, even where it reads "--help".
    bool helpAsked = false;
    bool versionAsked = false;
    for (std::size_t at = 0; at < arguments.size();) {
        const std::string_view argument = arguments[at];
        if (isHelp(argument) || argument == "--version") {
            (isHelp(argument) ? helpAsked : versionAsked) = true;
            ++at;
        } else if (const auto taken = qtOptionAt(arguments, at)) {
            if (*taken == 0)
                return refuse("option '" + std::string(argument) + "' needs a value");
            at += *taken;
        } else {
            return refuse(argument);
        }
    }
    if (helpAsked)
        return printAndExit(0, std::string(usage) + std::string(help), "");
    if (versionAsked)
        // KORVANE_VERSION is the project version, given by the build.
        return printAndExit(0, std::string("korvane6 ") + KORVANE_VERSION + "\n", "");
    return {};
}

} // namespace korvane
