// The widget tests' own watch: a message box that no test answers fails its
// test within moments and closes, rather than holding the run until its time
// limit.
#include "tests/widget_test_support.h"
#include "ui/message_box.h"

#include <gtest/gtest-spi.h>

namespace {

TEST(UnansweredMessageTest, aMessageBoxNobodyAnswersFailsItsTestWithItsTextAndCloses) {
    failOnUnansweredMessages(std::chrono::milliseconds(200));
    EXPECT_NONFATAL_FAILURE(showMessage(nullptr, QStringLiteral("Nobody reads this")),
                            "Nobody reads this");
    failOnUnansweredMessages(std::chrono::seconds(3));
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const QMessageBox*>(top) && top->isVisible());
}

} // namespace
