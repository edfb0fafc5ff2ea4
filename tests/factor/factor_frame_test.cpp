// The factor tab driven like a user: type, choose the option, press Factor or
// Enter, then read the list, the counters, the verdict and the status line.
#include "app/default_button.h"
#include "app/status_label.h"
#include "factor/factor_frame.h"
#include "tests/widget_test_support.h"

#include <QApplication>
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

// Readable failure output for captions and lists.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
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

    void type(const QString& text) {
        frame->txtNumber->clear();
        QTest::keyClicks(frame->txtNumber, text);
    }

    // Clicks the round mark: the button may be stretched wider than its caption.
    static void choose(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    void factor(const QString& text, bool fastest) {
        type(text);
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
};

} // namespace

TEST(FactorTab, opensWithItsCaptionsAndOneOptionChosen) {
    Tab tab;
    const std::pair<const char*, const char*> labels[] = {
        {"Label4", "Enter a numer: (20 digits max)"},
        {"Label7", "Prime: Yes/No"},
        {"lblyesno", "NO"},
        {"Label14", "Factors Found:"},
        {"lblFactors", "0"},
        {"Label16", "Percent Done:"},
        {"lblPercentage", "0"},
        {"Label6", "%"},
        {"lblProgress", "Ready to begin search"},
        {"Label9", "Time Taken:"},
        {"lblSec", " 0 sec."},
        {"lblFact", "0"},
    };
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(tab.text(name), caption) << name;
    FactorFrame& f = *tab.frame;
    EXPECT_EQ(f.txtNumber->text(), "7");
    EXPECT_EQ(f.txtNumber->maxLength(), 20);
    EXPECT_EQ(f.cmdFactor->text(), "Factor");
    EXPECT_EQ(f.cmdClearance->text(), "Clear");
    EXPECT_EQ(f.optSlowest->text(), "Show all divisors (slower)");
    EXPECT_EQ(f.optFastest->text(), "Show only first divisor (fastest)");
    EXPECT_TRUE(f.optSlowest->isChecked());
    EXPECT_TRUE(f.cmdFactor->isEnabled());
    EXPECT_TRUE(tab.items().isEmpty());
    EXPECT_EQ(statusColour(f.lblProgress), StatusColour::Idle);
    tab.showActive();
    EXPECT_FALSE(f.lblFact->isVisible());
    Tab::choose(f.optFastest);
    EXPECT_FALSE(f.optSlowest->isChecked());
}

TEST(FactorTab, searchesFromTheClearedState) {
    struct Row {
        const char* text;
        bool fastest;
        QStringList items;
        const char* verdict;
        const char* pairCounter; // lblFact; untouched by the first-divisor search
    };
    const Row rows[] = {
        {"7", true, {"1"}, "YES", "0"},
        {"3", true, {"1"}, "YES", "0"},
        {"9", true, {"1", "3"}, "NO", "0"},
        {"25", true, {"1", "5"}, "NO", "0"},
        {"99984758105200426727", true, {"1", "9876543211"}, "NO", "0"},
        {"99999999999999999989", true, {"1"}, "YES", "0"},
        {"3", false, {"1", "3"}, "YES", "1"},
        {"13", false, {"1", "13"}, "YES", "1"},
        {"4", false, {"1", "2", "4"}, "NO", "3"},
        {"15", false, {"1", "3", "5", "15"}, "NO", "3"},
        {"36", false, {"1", "2", "3", "4", "6", "9", "12", "18", "36"}, "NO", "9"},
        {"100", false, {"1", "2", "4", "5", "10", "20", "25", "50", "100"}, "NO", "9"},
        {"0012", false, {"1", "2", "3", "4", "6", "0012"}, "NO", "5"},
        {"1e3",
         false,
         {"1", "2", "4", "5", "8", "10", "20", "25", "40", "50", "100", "125", "200", "250", "500",
          "1e3"},
         "NO",
         "15"},
        {"18446744202558570721", false, {"1", "4294967311", "18446744202558570721"}, "NO", "3"},
        {"99999999999999999989", false, {"1", "99999999999999999989"}, "YES", "1"},
    };
    for (const Row& row : rows) {
        Tab tab;
        tab.factor(row.text, row.fastest);
        EXPECT_EQ(tab.items(), row.items) << row.text;
        EXPECT_EQ(tab.text("lblFactors"), QString::number(row.items.size())) << row.text;
        EXPECT_EQ(tab.text("lblyesno"), row.verdict) << row.text;
        EXPECT_EQ(tab.text("lblFact"), row.pairCounter) << row.text;
        EXPECT_EQ(tab.text("lblPercentage"), "100") << row.text;
        EXPECT_EQ(tab.text("lblProgress"), "Calculations Completed...") << row.text;
        EXPECT_EQ(statusColour(tab.frame->lblProgress), StatusColour::Idle) << row.text;
        EXPECT_EQ(tab.text("lblSec"), "< 1 sec.") << row.text;
        EXPECT_FALSE(tab.frame->cmdFactor->isEnabled()) << row.text;
    }
}

TEST(FactorTab, evenNumbersInFastestModeAreAnsweredWithoutASearch) {
    for (const char* text : {"4", "10", "92005279690628304000"}) {
        Tab tab;
        tab.factor(text, true);
        EXPECT_EQ(tab.items(), QStringList({"1", "2"})) << text;
        EXPECT_EQ(tab.text("lblFactors"), "2");
        EXPECT_EQ(tab.text("lblPercentage"), "100");
        EXPECT_EQ(tab.text("lblyesno"), "NO");
        EXPECT_EQ(tab.text("lblSec"), " 0 sec.");
        EXPECT_EQ(tab.text("lblProgress"), "Ready to begin search");
        EXPECT_TRUE(tab.frame->cmdFactor->isEnabled());
    }
}

TEST(FactorTab, answersWithoutASearchLeaveTheListForTheNextRun) {
    Tab two;
    for (const char* text : {"2", "2.0", "0.2e1"}) {
        two.factor(text, false);
        EXPECT_EQ(two.text("lblyesno"), "YES") << text;
        EXPECT_TRUE(two.items().isEmpty());
        EXPECT_EQ(two.text("lblPercentage"), "0");
        EXPECT_TRUE(two.frame->cmdFactor->isEnabled());
    }
    two.factor("9", true);
    EXPECT_EQ(two.items(), QStringList({"1", "3"}));
    EXPECT_EQ(two.text("lblyesno"), "NO");

    Tab evenThenPrime;
    evenThenPrime.factor("4", true);
    evenThenPrime.factor("7", true);
    EXPECT_EQ(evenThenPrime.items(), QStringList({"1", "2", "1"}));
    EXPECT_EQ(evenThenPrime.text("lblFactors"), "3");
    EXPECT_EQ(evenThenPrime.text("lblyesno"), "YES");

    Tab evenThenAll;
    evenThenAll.factor("10", true);
    evenThenAll.factor("9", false);
    EXPECT_EQ(evenThenAll.items(), QStringList({"1", "2", "1", "3", "9"}));
    EXPECT_EQ(evenThenAll.text("lblFactors"), "5");
    EXPECT_EQ(evenThenAll.text("lblyesno"), "NO");
}

TEST(FactorTab, refusedNumbersShowTheirMessageAndChangeNothing) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "You must enter a valid number!"},
        {"abc", "You must enter a valid number!"},
        {"1", "You must enter a 2 or greater!"},
        {"0", "You must enter a 2 or greater!"},
        {"-5", "You must enter a 2 or greater!"},
        {"2.5", "You must enter a 2 or greater!"},
        {"7.5", "You must enter a whole number!"},
        {"123456789012345678.5", "You must enter a whole number!"},
        {"1e20", "You must enter a number of at most 20 digits!"},
        {"100000000000000000e3", "You must enter a number of at most 20 digits!"},
    };
    Tab tab;
    tab.showActive();
    for (const auto& [text, message] : rows) {
        tab.showActive(); // the box took the activation; Enter needs it back
        tab.type(text);
        tab.frame->txtNumber->setFocus();
        const SeenMessage seen =
            catchMessage([&] { QTest::keyClick(tab.frame->txtNumber, Qt::Key_Return); });
        EXPECT_TRUE(seen.shown) << text;
        EXPECT_EQ(seen.text, message) << text;
        EXPECT_EQ(seen.title, "Korvane 6");
        EXPECT_TRUE(seen.iconless && seen.okOnly);
        EXPECT_EQ(tab.window->focusWidget(), tab.frame->txtNumber) << text;
    }
    EXPECT_TRUE(tab.items().isEmpty());
    EXPECT_EQ(tab.text("lblyesno"), "NO");
    EXPECT_EQ(tab.text("lblFactors"), "0");
    EXPECT_EQ(tab.text("lblProgress"), "Ready to begin search");
    EXPECT_TRUE(tab.frame->cmdFactor->isEnabled());
}

TEST(FactorTab, enterAndKeypadEnterPressFactor) {
    Tab tab;
    tab.showActive();
    Tab::choose(tab.frame->optFastest);
    tab.frame->txtNumber->setFocus();
    tab.type("25");
    QTest::keyClick(tab.frame->txtNumber, Qt::Key_Return);
    EXPECT_EQ(tab.items(), QStringList({"1", "5"}));

    QTest::mouseClick(tab.frame->cmdClearance, Qt::LeftButton);
    Tab::choose(tab.frame->optSlowest);
    tab.type("15");
    QTest::keyClick(tab.frame->optSlowest, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(tab.items(), QStringList({"1", "3", "5", "15"}));
}

TEST(FactorTab, clearResetsTheCountersButKeepsTheStatusLine) {
    Tab tab;
    tab.factor("36", false);
    QTest::mouseClick(tab.frame->cmdClearance, Qt::LeftButton);
    EXPECT_TRUE(tab.items().isEmpty());
    EXPECT_EQ(tab.text("lblFactors"), "0");
    EXPECT_EQ(tab.text("lblPercentage"), "0");
    EXPECT_EQ(tab.text("lblyesno"), "NO");
    EXPECT_EQ(tab.text("lblSec"), "0 sec.");
    EXPECT_EQ(tab.text("lblFact"), "0");
    EXPECT_EQ(tab.text("lblProgress"), "Calculations Completed...");
    EXPECT_TRUE(tab.frame->cmdFactor->isEnabled());
    EXPECT_EQ(tab.frame->txtNumber->text(), "36");

    tab.factor("15", false);
    EXPECT_EQ(tab.items(), QStringList({"1", "3", "5", "15"}));
}

TEST(FactorTab, listsAllDivisorsOfTheNumberWithTheMostOfThem) {
    Tab tab;
    tab.factor("92005279690628304000", false);
    const QStringList items = tab.items();
    ASSERT_EQ(items.size(), 245760);
    EXPECT_EQ(items[0], "1");
    EXPECT_EQ(items[1], "2");
    EXPECT_EQ(items[items.size() - 2], "46002639845314152000");
    EXPECT_EQ(items.back(), "92005279690628304000");
    EXPECT_EQ(tab.text("lblFactors"), "245760");
    EXPECT_EQ(tab.text("lblFact"), "245759"); // 122879 divisors from 2 up to the square root
    EXPECT_EQ(tab.text("lblyesno"), "NO");
}
