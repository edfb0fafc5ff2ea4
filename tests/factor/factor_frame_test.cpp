// The factor tab of the main window driven like a user: type, choose the
// option, press Enter (which presses Factor) or Clear, then read the list, the
// counters, the verdict, the status line and any message.
#include "factor/factor_frame.h"
#include "tests/app/window_fixture.h"

#include <QListView>
#include <QRadioButton>

#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr bool fast = true;            // "Show only first divisor (fastest)"
constexpr bool all = false;            // "Show all divisors (slower)"
constexpr const char* clear = nullptr; // a run that presses "Clear" instead

// What the time and the status line show, and whether Factor waits for a new run.
enum class After { Nothing, Search, Clear };

// The list (items joined by ","; of a long list the first and last two), the
// count, the verdict, the percentage, the hidden pair counter, and the message.
struct Expected {
    const char *list, *found, *verdict, *percent, *pairs;
    After after;
    const char* message = "";
};

struct FactorTabTest : WindowTest {
    void SetUp() override {
        WindowTest::SetUp();
        showTab(3);
    }
    // Types, clicks the option's round mark (the button may be stretched wider
    // than its caption) and presses Enter in the number box: keypad Enter for
    // the fastest option, Return for the other.
    void factor(const char* number, bool fastest) {
        if (number == clear)
            return click("cmdClearance");
        auto* box = get<QLineEdit>("txtNumber");
        box->clear();
        QTest::keyClicks(box, number);
        auto* option = get<QRadioButton>(fastest ? "optFastest" : "optSlowest");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        w->activateWindow(); // a message box before took the activation
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        box->setFocus();
        const SeenMessage seen = catchMessage(
            [&] { key(fastest ? kp(Qt::Key_Enter) : QKeyCombination(Qt::Key_Return)); });
        message = seen.text;
        EXPECT_TRUE(!seen.shown || focusIs("txtNumber")) << "the focus stays in the number box";
    }
    static QKeyCombination kp(Qt::Key key) { return Qt::KeypadModifier | key; }
    QString list() const {
        const QAbstractItemModel* model = get<QListView>("Combo1")->model();
        const int n = model->rowCount();
        QStringList items;
        for (int row = 0; row<n; row = n> 20 && row == 1 ? n - 2 : row + 1)
            items << model->index(row, 0).data().toString();
        return items.join(u',');
    }
    void expect(const Expected& e) const {
        EXPECT_EQ(list(), e.list) << "the divisor list";
        // clang-format off
        expectTexts({{"lblFactors", e.found}, {"lblyesno", e.verdict}, {"lblPercentage", e.percent},
            {"lblFact", e.pairs}});
        // clang-format on
        EXPECT_EQ(text("lblSec"), e.after == After::Search  ? "< 1 sec."
                                  : e.after == After::Clear ? "0 sec."
                                                            : " 0 sec.");
        EXPECT_EQ(text("lblProgress"), e.after == After::Nothing ? "Ready to begin search"
                                                                 : "Calculations Completed...");
        EXPECT_FALSE(red("lblProgress"));
        EXPECT_EQ(enabled("cmdFactor"), e.after != After::Search) << "Factor enabled";
        EXPECT_EQ(message, e.message) << "the message shown";
    }
    QString message;
};

TEST_F(FactorTabTest, opensWithSevenTheSlowerOptionAndItsCaptions) {
    // clang-format off
    expectTexts({{"Label4", "Enter a numer: (20 digits max)"}, {"cmdFactor", "Factor"},
        {"optSlowest", "Show all divisors (slower)"}, {"cmdClearance", "Clear"},
        {"optFastest", "Show only first divisor (fastest)"}, {"Label6", "%"}});
    // clang-format on
    // clang-format off
    expectTexts({{"Label7", "Prime: Yes/No"}, {"Label14", "Factors Found:"}, {"txtNumber", "7"},
        {"Label16", "Percent Done:"}, {"Label9", "Time Taken:"}});
    // clang-format on
    EXPECT_EQ(get<QLineEdit>("txtNumber")->maxLength(), 20);
    EXPECT_TRUE(checked("optSlowest"));
    EXPECT_TRUE(get("lblFact")->isHidden()) << "the pair counter is not shown";
    expect({"", "0", "NO", "0", "0", After::Nothing});
}

TEST_F(FactorTabTest, answersEachNumberAndRunsOnFromWhatTheRunsBeforeLeft) {
    const Expected three = {"1,3", "2", "YES", "100", "1", After::Search};
    // A refused number changes nothing the run before left.
    const auto refused = [&](const char* message) {
        return Expected{"1,2", "2", "NO", "100", "0", After::Nothing, message};
    };
    // The most divisors: 122879 from 2 up to the square root make the pair counter.
    const Expected most = {"1,2,46002639845314152000,92005279690628304000",
                           "245760",
                           "NO",
                           "100",
                           "245759",
                           After::Search};
    // clang-format off
    const std::tuple<const char*, std::vector<std::pair<const char*, bool>>, Expected> rows[] = {
        {"two 34-bit primes", {{"99984758105200426727", fast}}, {"1,9876543211", "2", "NO", "100", "0", After::Search}},
        {"an even number, answered without a search", {{"4", fast}}, {"1,2", "2", "NO", "100", "0", After::Nothing}},
        {"a prime", {{"3", all}}, three},
        {"leading zeros kept as typed", {{"0012", all}}, {"1,2,3,4,6,0012", "6", "NO", "100", "5", After::Search}},
        {"the most divisors", {{"92005279690628304000", all}}, most},
        {"2 however written changes only the verdict", {{"2", all}, {"2.0", all}, {"0.2e1", fast}}, {"", "0", "YES", "0", "0", After::Nothing}},
        {"a search after 2 sets the verdict again", {{"2", all}, {"9", fast}}, {"1,3", "2", "NO", "100", "0", After::Search}},
        {"a list grows from the run before", {{"4", fast}, {"7", fast}}, {"1,2,1", "3", "YES", "100", "0", After::Search}},
        {"and counts on from it", {{"10", fast}, {"9", all}}, {"1,2,1,3,9", "5", "NO", "100", "3", After::Search}},
        {"Clear", {{"9", fast}, {clear, all}}, {"", "0", "NO", "0", "0", After::Clear}},
        {"a run after Clear", {{"36", all}, {clear, all}, {"15", all}}, {"1,3,5,15", "4", "NO", "100", "3", After::Search}},
        {"refused: empty", {{"4", fast}, {"", all}}, refused("You must enter a valid number!")},
        {"refused: below three", {{"4", fast}, {"2.5", fast}}, refused("You must enter a 2 or greater!")},
        {"refused: a fraction", {{"4", fast}, {"7.5", all}}, refused("You must enter a whole number!")},
        {"refused: too long", {{"4", fast}, {"1e20", all}}, refused("You must enter a number of at most 20 digits!")},
    };
    // clang-format on
    for (const auto& [name, runs, expected] : rows) {
        SCOPED_TRACE(name);
        openWindow();
        showTab(3);
        for (const auto& [number, fastest] : runs)
            factor(number, fastest);
        expect(expected);
    }
}

// The engine throws; the message says so and the tab is as the run before left
// it, ready for the next run.
TEST_F(FactorTabTest, aFactorizationTheEngineCannotFinishIsReportedAndChangesNothing) {
    const std::pair<bool, Expected> rows[] = {
        {fast, {"1,2,1,3", "4", "NO", "100", "0", After::Search}},
        {all, {"1,2,1,3,9", "5", "NO", "100", "3", After::Search}},
    };
    for (const auto& [fastest, after] : rows) {
        SCOPED_TRACE(fastest ? "first divisor" : "all divisors");
        openWindow();
        showTab(3);
        factor("4", fast);
        FactorFrame::Engine failing;
        failing.firstOddDivisor =
            [](korvane::factor::Whole) -> std::optional<korvane::factor::Whole> {
            throw std::bad_alloc();
        };
        failing.allDivisors = [](korvane::factor::Whole) -> korvane::factor::DivisorList {
            throw std::bad_alloc();
        };
        w->BigFrame_3->setEngine(failing);
        factor("9", fastest);
        expect({"1,2", "2", "NO", "100", "0", After::Nothing,
                "The factorization could not be completed: not enough memory."});
        w->BigFrame_3->setEngine({});
        factor("9", fastest);
        expect(after);
    }
}

} // namespace
