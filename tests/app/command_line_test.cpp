// The command line answers --help and --version, lets Qt's standard options
// through to the window, and refuses anything else with exit code 2. What it
// lets through is tried on Qt itself, which must take and apply all of it.
#include "app/command_line.h"

#include <QProcess>
#include <QStringList>

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

// What Qt made of the arguments: a program of its own starts QApplication
// with them (each start of Qt needs a process) and reports it.
std::string underQt(const Arguments& arguments) {
    QStringList list;
    for (const std::string_view argument : arguments)
        list << QString::fromUtf8(argument.data(), qsizetype(argument.size()));
    QProcess probe;
    probe.start(QStringLiteral(KORVANE_QT_OPTIONS_PROBE), list);
    EXPECT_TRUE(probe.waitForFinished(30000));
    return probe.readAllStandardOutput().trimmed().toStdString();
}

TEST(CommandLine, opensTheWindowWithQtsOptionsAppliedAndRefusesAnythingUnknownWithCode2) {
    const std::string help = korvane::parseCommandLine(Arguments{"-h"}).standardOutput;
    EXPECT_TRUE(help.starts_with(usage)) << help;
    EXPECT_NE(help.find("Qt's standard options are accepted"), std::string::npos) << help;
    const std::string version = std::string("korvane6 ") + KORVANE_VERSION + "\n";
    const std::string plain = "style=fusion direction=ltr stylesheet= left=0";
    qputenv("QT_QPA_PLATFORM", "offscreen"); // for Qt's run, whatever the display
    qputenv("QT_STYLE_OVERRIDE", "fusion");
    // The arguments; the exit code, standard output and error; and where the
    // window opens, Qt's style, direction, style sheet and arguments left over.
    const std::tuple<const char*, Arguments, int, std::string, std::string, std::string> rows[] = {
        // clang-format off
        {"nothing", {}, 0, "", "", plain},
        {"--version", {"--version"}, 0, version, "", ""},
        {"Qt's option with help", {"-display", ":1", "--help"}, 0, help, "", ""},
        {"unknown long option", {"--verbose"}, 2, "", refused("unknown option '--verbose'"), ""},
        {"a typo after help", {"--help", "--hepl"}, 2, "", refused("unknown option '--hepl'"), ""},
        {"Qt's option without its value", {"-platform"}, 2, "", refused("option '-platform' needs a value"), ""},
        {"a value joined where Qt takes the next", {"-platform=xcb"}, 2, "", refused("unknown option '-platform=xcb'"), ""},
        {"an argument after Qt's options", {"-style", "Fusion", "360"}, 2, "", refused("unexpected argument '360'"), ""},
        {"two dashes, the value joined", {"--style=fusion"}, 0, "", "", plain},
        {"right to left", {"--reverse", "-widgetcount"}, 0, "", "", "style=fusion direction=rtl stylesheet= left=0"},
        {"a style sheet", {"-stylesheet", "look.qss"}, 0, "", "", "style= direction=ltr stylesheet=file:///look.qss left=0"},
        {"the window's own", {"-platform", "offscreen", "-platformtheme", "none", "-qwindowtitle", "T",
            "-qwindowgeometry", "300x200+5+5", "-qwindowicon", "x.png", "-session", "s"}, 0, "", "", plain},
        {"a title that reads --help", {"--platform", "offscreen", "--qwindowtitle", "--help"}, 0, "", "", plain},
        // clang-format on
    };
    for (const auto& [name, arguments, exitCode, out, err, qt] : rows) {
        SCOPED_TRACE(name);
        const korvane::StartAction start = korvane::parseCommandLine(arguments);
        EXPECT_EQ(start.openWindow, !qt.empty()) << "opens the window";
        EXPECT_EQ(start.exitCode, exitCode) << "exit code";
        EXPECT_EQ(start.standardOutput, out) << "standard output";
        EXPECT_EQ(start.standardError, err) << "standard error";
        if (!qt.empty()) {
            EXPECT_EQ(underQt(arguments), qt) << "what Qt made of them";
        }
    }
}

} // namespace
