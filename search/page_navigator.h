// The search tab's page view and its ways about the pages: the slider, the
// four arrows that page while held down (through two timers), and "Go to
// page:". The search command, Clear and Reset stay with the tab.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class DefaultButton;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimer;
class QWidget;

namespace korvane::search {
class PageStore;
}

class PageNavigator : public QObject {
  public:
    // Makes the controls as children of `frame`, in tab order, for the tab to
    // lay out; reads its pages from `pages`, which the tab fills.
    PageNavigator(QWidget* frame, DefaultButton& defaultButton,
                  const korvane::search::PageStore& pages);

    // After a search: `last` pages, the last one on view.
    void showLastPage(int last);
    // Back to the one empty page 1 of 1, the view cleared.
    void showNoPages();
    // The "Go to page:" box back to "1".
    void resetGoTo();
    // The number of pages the slider spans.
    int pageCount() const;
    // Moves to page k as every control does, then selects `length` characters from
    // `column` and scrolls them into view; false when the page could not be
    // made (reported, the view left as it was).
    bool showPageSelecting(int k, int column, int length);

    // Puts page k (kept within 1..pageCount()) on view with the slider at it:
    // the one way every control comes to a page. False, with the failure
    // reported and the view as it was, when the page cannot be made.
    bool showPage(int k);

    // The engine call that makes a page's text; a test replaces it to make it
    // fail.
    using PageMaker = std::function<std::string(std::size_t k)>;
    void setPageMaker(PageMaker maker);

    void cmdGoTo_Click();
    void mnuNextPage_Click();
    void mnuPreviousPage_Click();

    // The slider between its two arrows, and the two boxes below the view.
    QHBoxLayout* sliderRow() const;
    QWidget* viewingBox(QWidget* parent) const;
    QWidget* goToBox(QWidget* parent) const;

    QPlainTextEdit* txtPrimes = nullptr;
    QPushButton* cmdBack = nullptr;
    QSlider* Slider1 = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* PreviousPage = nullptr;
    QLabel* lblPageNow = nullptr;
    QLabel* lblPageTotal = nullptr;
    QPushButton* NextPage = nullptr;
    QLineEdit* txtGoTo = nullptr;
    QPushButton* cmdGoTo = nullptr;
    // Step back and forward while an arrow is held: once 300 ms after the
    // press (which itself moved a page), then every 50 ms.
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls(QWidget* frame);
    void Slider1_Change();
    // Moves the slider by `pages`, which shows the page it comes to.
    void step(int pages);
    // Down and the page keys follow the reading direction; true when taken.
    bool sliderKey(const QKeyEvent& key);
    void Timer1_Timer();
    void Timer2_Timer();
    // Pressing a mouse button on an arrow moves a page and starts its timer,
    // releasing stops it; the arrows have no click action of their own.
    void arrowPressed(QObject* arrow, Qt::MouseButton button);
    void arrowReleased(QObject* arrow, Qt::MouseButton button);
    // Enter goes to the page once the "Go to page:" box is in use.
    void txtGoTo_Change();
    void txtGoTo_GotFocus();

    QWidget* frame_;
    DefaultButton& defaultButton_;
    PageMaker pageMaker_;
    int shown_ = 1; // the slider's value for the page on view
};
