// The factor tab driven like a user: type, choose the option, press Enter
// (which presses Factor) or Clear, then read the list, the counters, the
// verdict, the status line and any message.
#include "common/elapsed_time.h"
#include "factor/factor_frame.h"
#include "tests/widget_test_support.h"
#include "ui/default_button.h"

#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace {

using korvane::factor::Whole;
constexpr bool fast = true; // "Show only first divisor (fastest)"
constexpr bool all = false; // "Show all divisors (slower)"

// What the time and the status line show, and whether Factor waits for a new run.
enum class After { Nothing, Search, Clear };

// The list (items joined by ","; of a long list the first and last two), the
// count, the verdict, the percentage, the hidden pair counter, the prime
// factorization, and the message.
struct Expected {
    const char *list, *found, *verdict, *percent, *pairs, *factors;
    After after;
    const char* message = "";
};

struct FactorTabTest : ::testing::Test, Controls {
    void SetUp() override {
        // A stopped clock: every run takes "< 1 sec.", however slow the machine.
        korvane::ElapsedClock::setTimeSource(
            [] { return korvane::ElapsedClock::Clock::time_point{}; });
        openTab();
    }
    // The tab in a window of its own, Enter pressing Factor as in the program.
    void openTab() {
        w.reset();
        w = std::make_unique<FactorFrame>();
        root = w.get();
        (new DefaultButton(w.get()))->set(w->cmdFactor);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->txtNumber->setFocus();
    }
    // Types, clicks the option's round mark (the button may be stretched wider
    // than its caption) and presses Enter in the number box: keypad Enter for
    // the fastest option, Return for the other. "Clear" presses Clear instead.
    void factor(const char* number, bool fastest) {
        if (number == std::string("Clear"))
            return click("cmdClearance");
        type("txtNumber", number);
        auto* option = get<QRadioButton>(fastest ? "optFastest" : "optSlowest");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        w->activateWindow(); // a message box before took the activation
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        get("txtNumber")->setFocus();
        message =
            catchMessage([&] {
                key(fastest ? Qt::KeypadModifier | Qt::Key_Enter : QKeyCombination(Qt::Key_Return));
            }).text;
    }
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
            {"lblFact", e.pairs}, {"lblPrimeFactors", e.factors}});
        // clang-format on
        const char* const times[] = {" 0 sec.", "< 1 sec.", "0 sec."}; // by After
        EXPECT_EQ(text("lblSec"), times[int(e.after)]);
        EXPECT_EQ(text("lblProgress"), e.after == After::Nothing ? "Ready to begin search"
                                                                 : "Calculations Completed...");
        EXPECT_EQ(enabled("cmdFactor"), e.after != After::Search) << "Factor enabled";
        EXPECT_EQ(message, e.message) << "the message shown";
    }
    QString message;
    std::unique_ptr<FactorFrame> w;
};

TEST_F(FactorTabTest, answersEachRunWithAListOfItsOwn) {
    // clang-format off
    const std::tuple<const char*, std::vector<std::pair<const char*, bool>>, Expected> rows[] = {
        {"an even number, answered without a search", {{"4", fast}}, {"1,2", "2", "NO", "100", "0", "2^2", After::Nothing}},
        {"the first divisor of an odd prime", {{"97", fast}}, {"1", "1", "YES", "100", "0", "97", After::Search}},
        {"all divisors of a prime", {{"13", all}}, {"1,13", "2", "YES", "100", "1", "13", After::Search}},
        {"leading zeros kept as typed", {{"0012", all}}, {"1,2,3,4,6,0012", "6", "NO", "100", "5", "2^2 * 3", After::Search}},
        {"the first divisor of twenty digits", {{"10000000000002409127", fast}}, {"1,99991", "2", "NO", "100", "0", "99991 * 100009000810097", After::Search}},
        // The most divisors: 122879 from 2 up to the square root make the pair counter.
        {"the most divisors", {{"92005279690628304000", all}}, {"1,2,46002639845314152000,92005279690628304000", "245760", "NO", "100", "245759", "2^7 * 3^4 * 5^3 * 7^2 * 11 * 13 * 17 * 19 * 23 * 29 * 31 * 37 * 41", After::Search}},
        {"2 however written changes only the verdict", {{"2", all}, {"2.0", all}, {"0.2e1", fast}}, {"", "0", "YES", "0", "0", "", After::Nothing}},
        // Every run starts from an empty list and a count of 0, whatever ran before.
        {"a first divisor after an even number's", {{"360", fast}, {"91", fast}}, {"1,7", "2", "NO", "100", "0", "7 * 13", After::Search}},
        {"a first divisor after the answer for 2", {{"360", fast}, {"2", fast}, {"91", fast}}, {"1,7", "2", "NO", "100", "0", "7 * 13", After::Search}},
        {"all divisors after an even number's first", {{"10", fast}, {"9", all}}, {"1,3,9", "3", "NO", "100", "3", "3^2", After::Search}},
        {"2 leaves the factorization", {{"10", fast}, {"2", all}}, {"1,2", "2", "YES", "100", "0", "2 * 5", After::Nothing}},
        {"Clear", {{"9", fast}, {"Clear", all}}, {"", "0", "NO", "0", "0", "", After::Clear}},
        {"a refusal changes nothing the run before left", {{"4", fast}, {"1e20", all}}, {"1,2", "2", "NO", "100", "0", "2^2", After::Nothing, "You must enter a number of at most 20 digits!"}},
    };
    // clang-format on
    for (const auto& [name, runs, expected] : rows) {
        SCOPED_TRACE(name);
        openTab();
        for (const auto& [number, fastest] : runs)
            factor(number, fastest);
        expect(expected);
    }
}

// The engine throws, in either mode: the message says so and the tab is as
// the run before left it, ready for the next run.
TEST_F(FactorTabTest, reportsAFactorizationTheEngineCannotFinish) {
    EXPECT_EQ(text("txtNumber"), "7");
    EXPECT_TRUE(checked("optSlowest"));
    EXPECT_TRUE(get("lblFact")->isHidden()) << "the pair counter is not shown";
    factor("4", fast);
    w->setFactorizer([](Whole) -> korvane::factor::FactoredNumber { throw std::bad_alloc(); });
    for (const auto& [number, fastest] : {std::pair{"9", fast}, {"9", all}}) {
        factor(number, fastest);
        expect({"1,2", "2", "NO", "100", "0", "2^2", After::Nothing,
                "The factorization could not be completed: not enough memory."});
    }
    w->setFactorizer(korvane::factor::factorize);
    factor("9", all);
    expect({"1,3,9", "3", "NO", "100", "3", "3^2", After::Search});
    EXPECT_TRUE(get<QLabel>("lblPrimeFactors")->textInteractionFlags() & Qt::TextSelectableByMouse);
}

// Picked in any order, copied one per line in list order.
TEST_F(FactorTabTest, copiesTheSelectedDivisorsOnePerLineInListOrder) {
    factor("360", all);
    auto* view = get<QListView>("Combo1");
    for (const auto& [row, with] :
         {std::pair{5, Qt::NoModifier}, {1, Qt::ControlModifier}, {3, Qt::ControlModifier}})
        QTest::mouseClick(view->viewport(), Qt::LeftButton, with,
                          view->visualRect(view->model()->index(row, 0)).center());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2\n4\n6");
}

} // namespace
