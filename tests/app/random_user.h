// A user who acts at random on a window and whatever it opens, finding the
// controls as a user does, by looking at what is shown and enabled, so that
// new windows and controls take part without being listed here.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QWidget;

class RandomUser : public QObject {
  public:
    // Saves go only to `safeFolder`: a window that shows a location outside it
    // gets no clicks or keys that could save there.
    RandomUser(QMainWindow* main, std::uint64_t seed, QString safeFolder);

    struct Outcome {
        int actionsDone = 0;
        QString problem;         // the first broken promise, or empty
        std::string lastActions; // the last 30, one a line, for replaying the seed
    };
    // Acts `count` times, or until a promise breaks, and leaves every message
    // box and secondary window closed.
    Outcome run(int count);

  private:
    void step();
    void finish();
    void act();
    // What breaks a promise the window makes, or empty.
    QString problem() const;

    // The window acted in, and the actions on it.
    QWidget* surface();
    void onPopup(QWidget* popup);
    void clickButton(QWidget* window);
    void triggerMenuItem(QWidget* window);
    void typeText(QWidget* window);
    void pressKey(QWidget* window);
    void moveSlider(QWidget* window);
    void pickItem(QWidget* window);
    void clickTab(QWidget* window);
    void openContextMenu(QWidget* window);
    void closeWindow(QWidget* window);

    QString randomText();
    bool pointsOutsideSafeFolder(QWidget* window) const;
    template <typename T> std::vector<T*> shown(QWidget* window) const;
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T> T* oneOf(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[std::size_t(below(int(items.size())))];
    }
    void note(const std::string& action);

    QMainWindow* main_;
    QString safe_;
    std::uint64_t seed_;
    std::mt19937_64 random_;
    int wanted_ = 0;
    int done_ = 0;
    bool stopped_ = false;
    bool over_ = false;
    bool mayPress_ = true; // no button or key may save where the window points
    QString problem_;
    // The modal window that was active when each unfinished action began: an
    // action acts within one only after it opened a new one.
    std::vector<QPointer<QWidget>> waiting_;

    // Read by the watch that ends a run whose window stopped answering.
    mutable std::mutex logLock_;
    std::deque<std::string> log_;
    std::atomic<int> progress_ = 0;
};
