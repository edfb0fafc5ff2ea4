// frmFind: "Find a Number" takes a number and says whether it is among the
// listed primes, which one and on which page, and puts it on view in the
// search tab's page view.
#pragma once

#include "search/range_search.h"
#include "ui/secondary_window.h"

class PageNavigator;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::search {
class PageStore;
}

class FindWindow : public SecondaryWindow {
  public:
    // Reads the search tab's pages and moves its page view; frmMain is
    // disabled while this window is open.
    FindWindow(QWidget* frmMain, const korvane::search::PageStore& pages, PageNavigator& navigator);

    // Opens over frmMain with an empty box and result, to find numbers among
    // the primes `range` lists.
    void open(const korvane::search::CoveredRange& range);

    void cmdFind_Click();
    void cmdClose_Click();

    QLineEdit* txtFind = nullptr;
    QPushButton* cmdFind = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblFindResult = nullptr;

  protected:
    void wayBack() override { cmdClose_Click(); }

  private:
    void createLayout(QLabel* caption);
    void showAnswer(const QString& text);

    const korvane::search::PageStore& pages_;
    PageNavigator& navigator_;
    korvane::search::CoveredRange range_;
};
