// The factor tab driven like a user: type, choose the option, press Factor or
// Enter, then read the list, the counters, the verdict and the status line.
#include "app/default_button.h"
#include "app/status_label.h"
#include "factor/factor_frame.h"
#include "tests/widget_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>
#include <vector>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The tab in a window of its own, with "Factor" as the button Enter presses.
struct Tab {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    DefaultButton* defaultButton = new DefaultButton(window.get());
    FactorFrame* frame = new FactorFrame(*defaultButton, window.get());

    Tab() {
        (new QVBoxLayout(window.get()))->addWidget(frame);
        defaultButton->set(frame->cmdFactor);
    }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Clicks the round mark: the button may be stretched wider than its caption.
    static void choose(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    void factor(const QString& text, bool fastest) {
        frame->txtNumber->clear();
        QTest::keyClicks(frame->txtNumber, text);
        choose(fastest ? frame->optFastest : frame->optSlowest);
        QTest::mouseClick(frame->cmdFactor, Qt::LeftButton);
    }

    QStringList items() const {
        QStringList out;
        const QAbstractItemModel* model = frame->Combo1->model();
        for (int row = 0; row < model->rowCount(); ++row)
            out << model->index(row, 0).data().toString();
        return out;
    }

    QString text(const char* name) const { return child<QLabel>(frame, name)->text(); }

    // Everything a run can change, on one line: list | count | verdict | percent |
    // pair counter | time | status line and its colour | whether Factor is enabled.
    QString state() const {
        const bool working = statusColour(frame->lblProgress) == StatusColour::Working;
        return QStringList{items().join(','),
                           text("lblFactors"),
                           text("lblyesno"),
                           text("lblPercentage") + text("Label6"),
                           text("lblFact"),
                           text("lblSec"),
                           text("lblProgress") + (working ? " (red)" : " (yellow)"),
                           frame->cmdFactor->isEnabled() ? "Factor" : "-"}
            .join(" | ");
    }
};

const char* startState = " | 0 | NO | 0% | 0 |  0 sec. | Ready to begin search (yellow) | Factor";

} // namespace

TEST(FactorTab, opensWithItsCaptionsAndOneOptionChosen) {
    Tab tab;
    FactorFrame& f = *tab.frame;
    EXPECT_EQ(tab.state(), startState);
    EXPECT_EQ(QStringList({tab.text("Label4"), tab.text("Label7"), tab.text("Label14"),
                           tab.text("Label16"), tab.text("Label9"), f.cmdFactor->text(),
                           f.cmdClearance->text(), f.optSlowest->text(), f.optFastest->text()})
                  .join('|'),
              "Enter a numer: (20 digits max)|Prime: Yes/No|Factors Found:|Percent Done:|Time "
              "Taken:|Factor|Clear|Show all divisors (slower)|Show only first divisor (fastest)");
    EXPECT_EQ(f.txtNumber->text(), "7");
    EXPECT_EQ(f.txtNumber->maxLength(), 20);
    EXPECT_TRUE(f.optSlowest->isChecked());
    tab.showActive();
    EXPECT_FALSE(f.lblFact->isVisible());
    Tab::choose(f.optFastest);
    EXPECT_FALSE(f.optSlowest->isChecked());
}

TEST(FactorTab, searchesFromTheClearedState) {
    const char* done = "< 1 sec. | Calculations Completed... (yellow) | -";
    const std::vector<std::pair<const char*, QString>> fastest = {
        {"7", QString("1 | 1 | YES | 100% | 0 | ") + done},
        {"3", QString("1 | 1 | YES | 100% | 0 | ") + done},
        {"9", QString("1,3 | 2 | NO | 100% | 0 | ") + done},
        {"25", QString("1,5 | 2 | NO | 100% | 0 | ") + done},
        {"99984758105200426727", QString("1,9876543211 | 2 | NO | 100% | 0 | ") + done},
        {"99999999999999999989", QString("1 | 1 | YES | 100% | 0 | ") + done},
        // Even numbers are answered without a search: no time, no status change.
        {"4", "1,2 | 2 | NO | 100% | 0 |  0 sec. | Ready to begin search (yellow) | Factor"},
        {"10", "1,2 | 2 | NO | 100% | 0 |  0 sec. | Ready to begin search (yellow) | Factor"}};
    const std::vector<std::pair<const char*, QString>> all = {
        {"3", QString("1,3 | 2 | YES | 100% | 1 | ") + done},
        {"13", QString("1,13 | 2 | YES | 100% | 1 | ") + done},
        {"4", QString("1,2,4 | 3 | NO | 100% | 3 | ") + done},
        {"15", QString("1,3,5,15 | 4 | NO | 100% | 3 | ") + done},
        {"36", QString("1,2,3,4,6,9,12,18,36 | 9 | NO | 100% | 9 | ") + done},
        {"100", QString("1,2,4,5,10,20,25,50,100 | 9 | NO | 100% | 9 | ") + done},
        {"0012", QString("1,2,3,4,6,0012 | 6 | NO | 100% | 5 | ") + done},
        {"1e3",
         QString("1,2,4,5,8,10,20,25,40,50,100,125,200,250,500,1e3 | 16 | NO | 100% | 15 | ") +
             done},
        {"99999999999999999989", QString("1,99999999999999999989 | 2 | YES | 100% | 1 | ") + done}};
    for (const auto& [rows, isFastest] : {std::pair(&fastest, true), std::pair(&all, false)}) {
        for (const auto& [text, expected] : *rows) {
            Tab tab;
            tab.factor(text, isFastest);
            EXPECT_EQ(tab.state(), expected) << text;
        }
    }
}

TEST(FactorTab, answersWithoutASearchLeaveTheListForTheNextRun) {
    Tab two;
    for (const char* text : {"2", "2.0", "0.2e1"}) {
        two.factor(text, false);
        EXPECT_EQ(two.state(), QString(startState).replace("NO", "YES")) << text;
    }
    two.factor("9", true);
    EXPECT_EQ(two.items().join(','), "1,3");
    EXPECT_EQ(two.text("lblyesno"), "NO");

    Tab evenThenPrime;
    evenThenPrime.factor("4", true);
    evenThenPrime.factor("7", true);
    EXPECT_EQ(evenThenPrime.state(),
              "1,2,1 | 3 | YES | 100% | 0 | < 1 sec. | Calculations Completed... (yellow) | -");

    Tab evenThenAll;
    evenThenAll.factor("10", true);
    evenThenAll.factor("9", false);
    EXPECT_EQ(evenThenAll.state(),
              "1,2,1,3,9 | 5 | NO | 100% | 3 | < 1 sec. | Calculations Completed... (yellow) | -");
}

TEST(FactorTab, refusedNumbersShowTheirMessageAndChangeNothing) {
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"You must enter a valid number!", {"", "abc"}},
        {"You must enter a 2 or greater!", {"1", "0", "-5", "2.5"}},
        {"You must enter a whole number!", {"7.5", "123456789012345678.5"}},
        {"You must enter a number of at most 20 digits!", {"1e20", "100000000000000000e3"}},
    };
    Tab tab;
    for (const auto& [message, texts] : rows) {
        for (const char* text : texts) {
            tab.showActive(); // the last box took the activation; Enter needs it back
            tab.frame->txtNumber->setText(text);
            tab.frame->txtNumber->setFocus();
            const SeenMessage seen =
                catchMessage([&] { QTest::keyClick(tab.frame->txtNumber, Qt::Key_Return); });
            EXPECT_EQ(seen.text, message) << text;
            EXPECT_TRUE(seen.shown && seen.iconless && seen.okOnly && seen.title == "Korvane 6");
            EXPECT_EQ(tab.window->focusWidget(), tab.frame->txtNumber) << text;
            EXPECT_EQ(tab.state(), startState) << text;
        }
    }
}

TEST(FactorTab, enterRunsFactorAndClearStartsAfresh) {
    Tab tab;
    tab.showActive();
    Tab::choose(tab.frame->optFastest);
    tab.frame->txtNumber->setText("25");
    QTest::keyClick(tab.frame->optFastest, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(tab.items().join(','), "1,5");

    QTest::mouseClick(tab.frame->cmdClearance, Qt::LeftButton);
    EXPECT_EQ(tab.state(),
              " | 0 | NO | 0% | 0 | 0 sec. | Calculations Completed... (yellow) | Factor");
    EXPECT_EQ(tab.frame->txtNumber->text(), "25");

    Tab::choose(tab.frame->optSlowest);
    tab.frame->txtNumber->setFocus();
    tab.frame->txtNumber->setText("15");
    QTest::keyClick(tab.frame->txtNumber, Qt::Key_Return);
    EXPECT_EQ(tab.items().join(','), "1,3,5,15");
}

TEST(FactorTab, listsAllDivisorsOfTheNumberWithTheMostOfThem) {
    Tab tab;
    tab.factor("92005279690628304000", false);
    const QStringList items = tab.items();
    ASSERT_EQ(items.size(), 245760);
    EXPECT_EQ(QStringList(items.mid(0, 3) + items.mid(items.size() - 2)).join(','),
              "1,2,3,46002639845314152000,92005279690628304000");
    EXPECT_EQ(tab.text("lblFactors"), "245760");
    EXPECT_EQ(tab.text("lblFact"), "245759"); // 122879 divisors from 2 up to the square root
    EXPECT_EQ(tab.text("lblyesno"), "NO");
}
