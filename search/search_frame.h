// The "Primes Search" tab: bound boxes, SEARCH/Clear/Reset, the result labels
// and the page view with its navigation.
#pragma once

#include "search/range_search.h"

#include <QWidget>

class DefaultButton;
class QLabel;
class QPushButton;

class SearchFrame : public QWidget {
  public:
    explicit SearchFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    // The result pages of the last search (empty after Clear and Reset).
    const korvane::search::PageStore& pages() const { return pages_; }

    // Controls other parts of the window work with; each carries its name as
    // objectName.
    QLabel* lblSearch = nullptr;
    QLabel* lblPageTotal = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSave = nullptr;

  private:
    DefaultButton& defaultButton_;
    korvane::search::PageStore pages_;
};
