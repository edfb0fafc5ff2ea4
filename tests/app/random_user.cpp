// The random user: one action per turn of the event loop, so that an action
// which opens a message box and waits for it is answered by the next.
#include "tests/app/random_user.h"

#include "common/number_text.h"
#include "tests/widget_test_support.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr std::size_t keptActions = 30;
// An action that takes longer than this means the window stopped answering.
constexpr auto patience = std::chrono::seconds(30);

} // namespace

RandomUser::RandomUser(QMainWindow* main, std::uint64_t seed, QString safeFolder)
    : main_(main), safe_(std::move(safeFolder)), seed_(seed), random_(seed) {}

RandomUser::Outcome RandomUser::run(int count) {
    wanted_ = count;
    // Ends a run whose window no longer answers, with what led there.
    std::mutex watchLock;
    std::condition_variable ended;
    bool runOver = false;
    std::thread watch([&] {
        std::unique_lock lock(watchLock);
        int seen = progress_.load();
        auto since = std::chrono::steady_clock::now();
        while (!ended.wait_for(lock, std::chrono::seconds(1), [&] { return runOver; })) {
            if (progress_.load() != seen) {
                seen = progress_.load();
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > patience) {
                const std::lock_guard logged(logLock_);
                std::fprintf(stderr,
                             "seed %llu: action %d has not returned in %lld s; the last "
                             "actions:\n",
                             static_cast<unsigned long long>(seed_), seen,
                             static_cast<long long>(patience.count()));
                for (const std::string& line : log_)
                    std::fprintf(stderr, "  %s\n", line.c_str());
                std::abort();
            }
        }
    });
    QTimer::singleShot(0, this, &RandomUser::step);
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (over_)
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    {
        const std::lock_guard lock(watchLock);
        runOver = true;
    }
    ended.notify_one();
    watch.join();

    Outcome outcome{done_, problem_, {}};
    for (const std::string& line : log_)
        outcome.lastActions += "  " + line + '\n';
    return outcome;
}

void RandomUser::step() {
    if (stopped_)
        return finish();
    // An action still under way let events through without opening a modal
    // window of its own: the next action waits for it to return.
    if (!waiting_.empty() && QApplication::activeModalWidget() == waiting_.back()) {
        QTimer::singleShot(1, this, &RandomUser::step);
        return;
    }
    problem_ = problem();
    if (!problem_.isEmpty() || done_ == wanted_) {
        stopped_ = true;
        return finish();
    }
    ++done_;
    progress_ = done_;
    QTimer::singleShot(0, this, &RandomUser::step);
    waiting_.emplace_back(QApplication::activeModalWidget());
    act();
    waiting_.pop_back();
    if (!stopped_) {
        problem_ = problem();
        stopped_ = !problem_.isEmpty();
    }
}

// Closes what the run left open, one modal window at a time, until every
// action under way has returned.
void RandomUser::finish() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        modal->reject();
    else if (QWidget* other = QApplication::activeModalWidget())
        other->close();
    if (!waiting_.empty() || QApplication::activeModalWidget()) {
        QTimer::singleShot(0, this, &RandomUser::finish);
        return;
    }
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != main_ && top->isVisible() && top->isWindow())
            top->close();
    over_ = true;
}

QString RandomUser::problem() const {
    // Go To shows the page number as typed ("2.5", "02"); the page it names
    // is its whole part, as Go To reads it.
    const auto* now = main_->findChild<QLabel*>("lblPageNow");
    const auto* total = main_->findChild<QLabel*>("lblPageTotal");
    const auto page = korvane::parseNumber(now ? now->text().toStdString() : "");
    const auto pages = korvane::parseNumber(total ? total->text().toStdString() : "");
    if (!page || !pages)
        return "the page labels show no numbers";
    if (korvane::intPart(*page) > *pages)
        return QString("lblPageNow shows page %1 of %2").arg(now->text(), total->text());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (const QAbstractSlider* slider : top->findChildren<QAbstractSlider*>())
            if (slider->value() < slider->minimum() || slider->value() > slider->maximum())
                return QString("%1 stands at %2 outside %3 to %4")
                    .arg(slider->objectName())
                    .arg(slider->value())
                    .arg(slider->minimum())
                    .arg(slider->maximum());
        QStringList texts{top->windowTitle()};
        if (const auto* box = qobject_cast<QMessageBox*>(top))
            texts << box->text();
        for (const QLabel* label : top->findChildren<QLabel*>())
            if (label->isVisible())
                texts << label->text();
        for (const QString& text : texts)
            if (text.contains("unknown error", Qt::CaseInsensitive))
                return "a message says " + text;
    }
    return {};
}

void RandomUser::note(const std::string& action) {
    static const bool aloud = qEnvironmentVariableIsSet("KORVANE_RANDOM_VERBOSE");
    if (aloud)
        std::fprintf(stderr, "%d: %s\n", done_, action.c_str());
    const std::lock_guard lock(logLock_);
    log_.push_back(std::to_string(done_) + ": " + action);
    if (log_.size() > keptActions)
        log_.pop_front();
}

// A modal window takes every action while it is open; otherwise any shown
// window that takes input does, the main window most often.
QWidget* RandomUser::surface() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    std::vector<QWidget*> windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->isEnabled() &&
            (top->windowType() == Qt::Window || top->windowType() == Qt::Dialog))
            windows.push_back(top);
    if (main_->isEnabled() && below(2) == 0)
        return main_;
    return windows.empty() ? nullptr : oneOf(windows);
}

void RandomUser::act() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return onPopup(popup);
    QWidget* window = surface();
    if (!window) {
        note("nothing shown to act on");
        return;
    }
    if (const auto* box = qobject_cast<QMessageBox*>(window))
        note("reads the message \"" + box->text().toStdString() + '"');
    // A window showing a location outside the run's folder gets no click or
    // key that could save there, only what finds the way back or leaves.
    mayPress_ = !pointsOutsideSafeFolder(window);
    using Action = void (RandomUser::*)(QWidget*);
    static const std::pair<int, Action> actions[] = {
        {30, &RandomUser::clickButton}, {20, &RandomUser::typeText},
        {20, &RandomUser::pressKey},    {8, &RandomUser::triggerMenuItem},
        {5, &RandomUser::moveSlider},   {8, &RandomUser::pickItem},
        {5, &RandomUser::clickTab},     {2, &RandomUser::openContextMenu},
        {2, &RandomUser::closeWindow}};
    if (!mayPress_) {
        const Action ways[] = {&RandomUser::closeWindow, &RandomUser::typeText,
                               &RandomUser::pickItem, &RandomUser::pickItem};
        return (this->*ways[below(4)])(window);
    }
    int roll = below(100);
    for (const auto& [weight, action] : actions) {
        if (roll < weight)
            return (this->*action)(window);
        roll -= weight;
    }
}

// The location a window shows (a path in a box the user cannot type in, as
// the save dialog shows where it will save).
bool RandomUser::pointsOutsideSafeFolder(QWidget* window) const {
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        const QString path = QDir::cleanPath(box->text());
        if (box->isReadOnly() && box->text().startsWith(u'/') && path != safe_ &&
            !path.startsWith(safe_ + u'/'))
            return true;
    }
    return false;
}
