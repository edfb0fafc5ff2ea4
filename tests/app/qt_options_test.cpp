// Qt's standard options that the command line lets through are the ones
// QApplication takes and applies: none is left over for the program.
#include "app/command_line.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

TEST(QtOptions, everyOptionLetThroughIsTakenAndAppliedByQt) {
    // The arguments, and what the probe reports Qt made of them.
    const QString plain = "style=fusion direction=ltr stylesheet= left=0";
    const std::pair<QStringList, QString> rows[] = {
        {{"-style", "fusion"}, plain},
        {{"--style=fusion"}, plain},
        {{"--reverse", "-widgetcount"}, "style=fusion direction=rtl stylesheet= left=0"},
        {{"-stylesheet", "look.qss"}, "style= direction=ltr stylesheet=file:///look.qss left=0"},
        {{"-platform", "offscreen", "-platformtheme", "none", "-qwindowtitle", "T",
          "-qwindowgeometry", "300x200+5+5", "-qwindowicon", "x.png", "-session", "s"},
         plain},
        {{"--platform", "offscreen", "--qwindowtitle", "--help"}, plain},
    };
    qputenv("QT_QPA_PLATFORM", "offscreen"); // for the probe, whatever the display
    qputenv("QT_STYLE_OVERRIDE", "fusion");
    for (const auto& [arguments, expected] : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        std::vector<std::string> kept;
        for (const QString& argument : arguments)
            kept.push_back(argument.toStdString());
        const std::vector<std::string_view> views(kept.begin(), kept.end());
        EXPECT_TRUE(korvane::parseCommandLine(views).openWindow) << "the program lets it through";
        QProcess probe;
        probe.start(QStringLiteral(KORVANE_QT_OPTIONS_PROBE), arguments);
        ASSERT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(), expected.toStdString());
    }
}

} // namespace
