// The "Factor a Number" tab: is the number prime, and what are its divisors.
#pragma once

#include "common/elapsed_time.h"
#include "factor/factor_engine.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class DivisorListModel;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

class FactorFrame : public QWidget {
  public:
    // The window makes "Factor" its default button whenever this tab is shown.
    explicit FactorFrame(QWidget* parent = nullptr);

    void cmdFactor_Click();
    void cmdClearance_Click();
    // Puts the selected divisors on the clipboard in list order, one per line.
    void mnuListCopy_Click();

    // The engine calls behind "Factor"; a test replaces them to make them fail.
    // The number is factored once; the divisors are read off its factors.
    using Factors = std::vector<korvane::factor::PrimePower>;
    struct Engine {
        std::function<Factors(korvane::factor::Whole)> primeFactors = [](korvane::factor::Whole n) {
            return korvane::factor::primeFactors(n);
        };
        std::function<std::optional<korvane::factor::Whole>(korvane::factor::Whole, const Factors&)>
            firstOddDivisor = [](korvane::factor::Whole n, const Factors& factors) {
                return korvane::factor::firstOddDivisor(n, factors);
            };
        std::function<korvane::factor::DivisorList(korvane::factor::Whole, const Factors&)>
            allDivisors = [](korvane::factor::Whole n, const Factors& factors) {
                return korvane::factor::allDivisors(n, factors);
            };
    };
    void setEngine(Engine engine);

    // The tab's controls; each carries its name as objectName.
    QLabel* Label4 = nullptr;
    QLineEdit* txtNumber = nullptr;
    QRadioButton* optSlowest = nullptr;
    QRadioButton* optFastest = nullptr;
    QPushButton* cmdFactor = nullptr;
    QPushButton* cmdClearance = nullptr;
    QListView* Combo1 = nullptr; // the divisor list, always shown
    QLabel* Label7 = nullptr;
    QLabel* lblyesno = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* lblFactors = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* lblPercentage = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lblProgress = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* lblSec = nullptr;
    QLabel* Label17 = nullptr;         // "Prime factors:"
    QLabel* lblPrimeFactors = nullptr; // the factorization, selectable to copy
    // The divisor list's context menu; Ctrl+C and Ctrl+A work in the list too.
    QAction* mnuListCopy = nullptr;
    QAction* mnuListSelectAll = nullptr;
    QLabel* lblFact = nullptr; // hidden: the divisor-pair counter of the last full search

  private:
    void createControls();
    void layOutControls();
    void FastSearch(korvane::factor::Whole number);
    void SlowSearch(korvane::factor::Whole number, const std::string& typedText);
    void Order(const korvane::factor::DivisorList& found, const std::string& typedText);
    bool calculate(const std::function<void()>& work);
    void startProgress();
    void finishProgress();
    void appendItem(std::string text);
    void setFactorsFound(int count);
    void createListMenu();
    void showFactorization(const Factors& factors);

    Engine engine_;
    DivisorListModel* list_ = nullptr;
    int factorsFound_ = 0; // what lblFactors shows; a new run counts on from it
    korvane::ElapsedClock clock_;
};
