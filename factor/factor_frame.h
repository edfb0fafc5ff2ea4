// The "Factor a Number" tab: is the number prime, and what are its divisors.
#pragma once

#include "common/elapsed_time.h"
#include "factor/factor_answer.h"

#include <QWidget>

#include <functional>

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

    // The factorization behind "Factor", the one engine step that can fail; a
    // test hands in one that throws.
    void setFactorizer(korvane::factor::Factorizer factorizer);

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
    korvane::factor::Option option() const;
    bool calculate(const std::function<void()>& work);
    void showAnswer(korvane::factor::Answer answer);
    void startProgress();
    void finishProgress();
    void createListMenu();

    korvane::factor::Factorizer factorizer_ = korvane::factor::factorize;
    DivisorListModel* list_ = nullptr;
    korvane::ElapsedClock clock_;
};
