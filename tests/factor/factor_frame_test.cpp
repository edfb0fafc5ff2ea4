// The factor tab driven like a user: type, choose the option, press Enter (which
// presses Factor) or Clear, then read the list, the counters, the verdict, the
// status line and any message.
#include "factor/factor_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"
#include "ui/status_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr bool fast = true;            // "Show only first divisor (fastest)"
constexpr bool all = false;            // "Show all divisors (slower)"
constexpr const char* clear = nullptr; // a run that presses "Clear" instead
const std::string done = " | < 1 sec. | Calculations Completed... (yellow) | -";
const std::string untouched = " |  0 sec. | Ready to begin search (yellow) | Factor";

// The tab in a window of its own, with "Factor" as the button Enter presses.
struct Tab {
    QWidget window;
    DefaultButton* defaultButton = new DefaultButton(&window);
    FactorFrame* f = new FactorFrame(&window);
    QString message; // what the last run's message box said

    Tab() {
        (new QVBoxLayout(&window))->addWidget(f);
        defaultButton->set(f->cmdFactor);
        window.show();
    }

    // Types, clicks the option's round mark (the button may be stretched wider
    // than its caption) and presses Enter in the number box: keypad Enter for
    // the fastest option, Return for the other.
    void factor(const char* text, bool fastest) {
        if (text == clear)
            return QTest::mouseClick(f->cmdClearance, Qt::LeftButton);
        QRadioButton* option = fastest ? f->optFastest : f->optSlowest;
        f->txtNumber->clear();
        QTest::keyClicks(f->txtNumber, text);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        window.activateWindow(); // a message box before took the activation
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        f->txtNumber->setFocus();
        const SeenMessage seen = catchMessage([&] {
            QTest::keyClick(f->txtNumber, fastest ? Qt::Key_Enter : Qt::Key_Return,
                            fastest ? Qt::KeypadModifier : Qt::NoModifier);
        });
        // An OK box with our title; the focus stays in the number box.
        EXPECT_TRUE(!seen.shown || (seen.iconless && seen.okOnly && seen.title == "Korvane 6" &&
                                    window.focusWidget() == f->txtNumber));
        message = seen.shown ? " | " + seen.text : "";
    }

    // Everything a run can change, on one line: list (of a long one the first
    // and last two) |
    // count | verdict | percent | pair counter | time | status line and its
    // colour | whether Factor is enabled | the message shown.
    std::string state() const {
        const QAbstractItemModel* list = f->Combo1->model();
        const int n = list->rowCount();
        QStringList items;
        for (int row = 0; row<n; row = n> 20 && row == 1 ? n - 2 : row + 1)
            items << list->index(row, 0).data().toString();
        const auto text = [&](const char* name) { return child<QLabel>(f, name)->text(); };
        const bool red = statusColour(f->lblProgress) == StatusColour::Working;
        return (QStringList({items.join(','), text("lblFactors"), text("lblyesno"),
                             text("lblPercentage") + text("Label6"), text("lblFact"),
                             text("lblSec"), text("lblProgress") + (red ? " (red)" : " (yellow)"),
                             f->cmdFactor->isEnabled() ? "Factor" : "-"})
                    .join(" | ") +
                message)
            .toStdString();
    }
};

} // namespace

TEST(FactorTab, answersEachNumberAndRunsOnFromWhatTheRunsBeforeLeft) {
    const std::string even = "1,2 | 2 | NO | 100% | 0" + untouched;
    const struct {
        std::vector<std::pair<const char*, bool>> runs;
        std::string expected;
    } rows[] = {
        {{}, " | 0 | NO | 0% | 0" + untouched},
        {{{"99984758105200426727", fast}}, "1,9876543211 | 2 | NO | 100% | 0" + done},
        {{{"4", fast}}, even}, // answered without a search: no time, no status change
        {{{"3", all}}, "1,3 | 2 | YES | 100% | 1" + done},
        {{{"0012", all}}, "1,2,3,4,6,0012 | 6 | NO | 100% | 5" + done},
        // 122879 divisors from 2 up to the square root make the pair counter.
        {{{"92005279690628304000", all}},
         "1,2,46002639845314152000,92005279690628304000 | 245760 | NO | 100% | 245759" + done},
        // The answer for 2 changes only the verdict; a search then sets it again.
        {{{"2", all}, {"2.0", all}, {"0.2e1", fast}}, " | 0 | YES | 0% | 0" + untouched},
        {{{"2", all}, {"9", fast}}, "1,3 | 2 | NO | 100% | 0" + done},
        {{{"4", fast}, {"7", fast}}, "1,2,1 | 3 | YES | 100% | 0" + done},
        {{{"10", fast}, {"9", all}}, "1,2,1,3,9 | 5 | NO | 100% | 3" + done},
        {{{"9", fast}, {clear, all}},
         " | 0 | NO | 0% | 0 | 0 sec. | Calculations Completed... (yellow) | Factor"},
        {{{"36", all}, {clear, all}, {"15", all}}, "1,3,5,15 | 4 | NO | 100% | 3" + done},
        // Refused numbers change nothing.
        {{{"4", fast}, {"", all}}, even + " | You must enter a valid number!"},
        {{{"4", fast}, {"2.5", fast}}, even + " | You must enter a 2 or greater!"},
        {{{"4", fast}, {"7.5", all}}, even + " | You must enter a whole number!"},
        {{{"4", fast}, {"1e20", all}}, even + " | You must enter a number of at most 20 digits!"},
    };
    for (const auto& row : rows) {
        Tab tab;
        for (const auto& [text, fastest] : row.runs)
            tab.factor(text, fastest);
        EXPECT_EQ(tab.state(), row.expected);
    }
    Tab tab;
    EXPECT_TRUE(tab.f->txtNumber->text() == "7" && tab.f->txtNumber->maxLength() == 20 &&
                tab.f->optSlowest->isChecked() && tab.f->lblFact->isHidden());
    QStringList captions;
    for (const char* name : {"Label4", "optSlowest", "optFastest", "cmdFactor", "cmdClearance",
                             "Label7", "Label14", "Label16", "Label9"})
        captions << child<QWidget>(tab.f, name)->property("text").toString();
    EXPECT_EQ(captions.join('|'),
              "Enter a numer: (20 digits max)|Show all divisors (slower)|Show only first divisor "
              "(fastest)|Factor|Clear|Prime: Yes/No|Factors Found:|Percent Done:|Time Taken:");
}

// The engine throws; the message says so and the tab is as the run before left
// it, ready for the next run.
TEST(FactorTab, aFactorizationTheEngineCannotFinishIsReportedAndChangesNothing) {
    const std::string even = "1,2 | 2 | NO | 100% | 0" + untouched;
    const struct {
        const char* name;
        bool fastest;
        std::string after;
    } rows[] = {
        {"first divisor", fast, "1,2,1,3 | 4 | NO | 100% | 0" + done},
        {"all divisors", all, "1,2,1,3,9 | 5 | NO | 100% | 3" + done},
    };
    for (const auto& row : rows) {
        Tab tab;
        tab.factor("4", fast);
        FactorFrame::Engine failing;
        failing.firstOddDivisor =
            [](korvane::factor::Whole) -> std::optional<korvane::factor::Whole> {
            throw std::bad_alloc();
        };
        failing.allDivisors = [](korvane::factor::Whole) -> korvane::factor::DivisorList {
            throw std::bad_alloc();
        };
        tab.f->setEngine(failing);
        tab.factor("9", row.fastest);
        EXPECT_EQ(tab.state(),
                  even + " | The factorization could not be completed: not enough memory.")
            << row.name;
        tab.f->setEngine({});
        tab.factor("9", row.fastest);
        EXPECT_EQ(tab.state(), row.after) << row.name;
    }
}
