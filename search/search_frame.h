// The "Primes Search" tab: bound boxes, SEARCH/Clear/Reset, the result labels
// and the page view with its navigation.
#pragma once

#include "common/elapsed_time.h"
#include "search/range_search.h"

#include <QWidget>

#include <functional>

class DefaultButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimer;

class SearchFrame : public QWidget {
  public:
    explicit SearchFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    // The result pages of the last search (one empty page after Clear and Reset).
    const korvane::search::PageStore& pages() const { return pages_; }

    // The window's "&Save", "&Copy" and "&Clear" menu items, whose enabled
    // state follows the search.
    void setMenuItems(QAction* save, QAction* copy, QAction* clear);

    // The engine call behind SEARCH; a test replaces it to make it fail.
    using SearchEngine = std::function<korvane::search::SearchOutcome(
        const korvane::search::SearchRange&, korvane::search::PageStore&,
        const korvane::search::ProgressFn&)>;
    void setSearchEngine(SearchEngine engine);

    // Commands of the tab, also run by the window's menus and at start-up.
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdReset_Click();
    void cmdGoTo_Click();
    void mnuNextPage_Click();
    void mnuPreviousPage_Click();

    // Controls, each named as its objectName.
    QLineEdit* txtFrom = nullptr;
    QLineEdit* txtTo = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCopy = nullptr;
    QLabel* lblSearch = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblPrimes = nullptr;
    QLabel* lblPercent = nullptr;
    QPlainTextEdit* txtPrimes = nullptr;
    QSlider* Slider1 = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* PreviousPage = nullptr;
    QPushButton* NextPage = nullptr;
    QLabel* lblPageNow = nullptr;
    QLabel* lblPageTotal = nullptr;
    QLineEdit* txtGoTo = nullptr;
    QPushButton* cmdGoTo = nullptr;
    QTimer* Timer1 = nullptr; // steps back while an arrow is held
    QTimer* Timer2 = nullptr; // steps forward while an arrow is held

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createLayout();
    QWidget* boundsBox();
    QWidget* commandsBox();
    QWidget* resultsBox();
    QWidget* pageBox();

    void Prime3();
    void Buttons();
    void abandonSearch();
    void showProgress(double percent);
    void ClearArray(int count);
    void Slider1_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void setMenuItemsEnabled(bool enabled);
    void showPage(double k);

    // Pressing and releasing a mouse button on an arrow starts and stops its
    // timer; the arrows have no click action of their own.
    void cmdBack_MouseDown(Qt::MouseButton button);
    void cmdBack_MouseUp(Qt::MouseButton button);
    void PreviousPage_MouseDown(Qt::MouseButton button);
    void PreviousPage_MouseUp(Qt::MouseButton button);
    void cmdForward_MouseDown(Qt::MouseButton button);
    void cmdForward_MouseUp(Qt::MouseButton button);
    void NextPage_MouseDown(Qt::MouseButton button);
    void NextPage_MouseUp(Qt::MouseButton button);

    // Default-button moves: Enter searches from a bound box, goes to the page
    // from the "Go to page:" box.
    void txtFrom_GotFocus();
    void txtTo_GotFocus();
    void txtGoTo_GotFocus();
    void txtGoTo_Change();

    DefaultButton& defaultButton_;
    korvane::search::PageStore pages_;
    SearchEngine searchEngine_;
    korvane::ElapsedClock clock_;
    QAction* mnuSave_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QAction* mnuClear_ = nullptr;
};
