// Widget tests run the real windows on Qt's offscreen platform.
#include "tests/widget_test_support.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window keeps its place in the user's settings. Tests use Qt's
    // test folders instead, and settings of their own run, so that no run
    // opens a window where another left one.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    failOnUnansweredMessages(std::chrono::seconds(3));
    return RUN_ALL_TESTS();
}
