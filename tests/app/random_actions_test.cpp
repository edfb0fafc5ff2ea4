// A seeded run of random user actions over the whole window: buttons, menu
// items, text typed, pasted and composed, keys, sliders, lists, tabs, and
// every secondary window opened and closed, with the program's message boxes
// answered as they come. After each action the page shown is within the
// pages held, every slider is within its range, no message speaks of an
// unknown error, and the window still answers.
//
// KORVANE_RANDOM_SEED replays a run (its seed is printed); KORVANE_RANDOM_ACTIONS
// runs more actions than the default; KORVANE_RANDOM_VERBOSE lists each action.
#include "tests/app/window_fixture.h"

#include "common/number_text.h"
#include "export/export_commands.h"
#include "search/range_search.h"

#include <atomic>
#include <cstdio>
#include <deque>
#include <iostream>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr int usualActions = 5000;

// The keys a user may press anywhere, with the keys of the calculator and of
// moving between tabs, pages and menus.
// clang-format off
const QKeyCombination keys[] = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up,
    Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
    Qt::Key_End, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space, Qt::Key_0, Qt::Key_1, Qt::Key_5,
    Qt::Key_9, Qt::Key_Period, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk, Qt::Key_Slash,
    Qt::Key_Equal, Qt::Key_E, Qt::Key_X, Qt::Key_F1, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C,
    Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Tab,
    Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_PageDown,
    Qt::SHIFT | Qt::Key_Insert, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_V, Qt::ALT | Qt::Key_H};

// Texts to type: from `fewest` to `most` of the pieces (split at '|'), then
// `end`. Digits up to 25, 25-character mixtures, numbers of every form the
// boxes read or refuse (Arabic-Indic, CJK and fullwidth digits among them),
// line breaks, and file names as long as a file system takes, or longer.
const struct { const char16_t* pieces; int fewest, most; const char* end; } texts[] = {
    {u"0|1|2|3|4|5|6|7|8|9", 1, 25, ""},
    {u"0|1|2|3|4|5|6|7|8|9|+|-|.|e|E| |a|b|c|X|Y|Z|,|\u00e9|\u0436", 25, 25, ""},
    {u"0|1.4|7|42|1000|65536|500000|-3|+12|1E+19|1e19|2.5|1E-41|1e400|-0|.|E|e+|abc|x| 12 |1,5|"
     u"\u0663\u0664\u0665|\u4e00\u4e8c\u4e09|\u043f\u044f\u0442\u044c|\uff11\uff12\uff13|"
     u"\U0001F522|12\n|34\r\n|5\n6", 1, 2, ""},
    {u"n", 245, 256, ".txt"}};
// clang-format on

std::string said(QString text) {
    text.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return '"' + text.toStdString() + '"';
}

std::string nameOf(const QObject* object) {
    return object->objectName().isEmpty() ? std::string("a ") + object->metaObject()->className()
                                          : object->objectName().toStdString();
}

template <typename... T> bool isA(const QObject* object) {
    return (qobject_cast<const T*>(object) || ...);
}

// The kinds of control a user acts on, in the order kindOf numbers them, and
// how often: boxes to type in, lists to pick from, buttons, sliders, and tab
// strips and read-only boxes (their context menu). A window that may save where a
// user does not want it offers only typing and picking, its ways back.
constexpr int kindWeights[] = {25, 10, 35, 6, 6};
int kindOf(const QWidget* control, const QWidget* window, bool mayPress) {
    if (!control->isVisible() || !control->isEnabled() || control->window() != window)
        return -1;
    if (const auto* box = qobject_cast<const QLineEdit*>(control); box && !box->isReadOnly())
        return 0;
    if (isA<QComboBox, QAbstractItemView>(control))
        return 1;
    if (!mayPress)
        return -1;
    if (isA<QAbstractButton>(control))
        return 2;
    if (isA<QAbstractSlider>(control))
        return 3;
    return isA<QTabBar, QLineEdit>(control) ? 4 : -1;
}

// Every enabled item a menu offers, submenus opened; never Exit.
void collectItems(const QList<QAction*>& items, std::vector<QAction*>& into) {
    for (QAction* item : items)
        if (item->menu())
            collectItems(item->menu()->actions(), into);
        else if (item->isEnabled() && item->isVisible() && !item->isSeparator() &&
                 !item->text().remove(u'&').startsWith("Exit"))
            into.push_back(item);
}

// A user who acts at random on the window in front, finding its controls as a
// user does, by what is shown and enabled, so that new windows and controls
// take part without being listed here. One action per turn of the event loop,
// so that an action which opens a message box and waits for it is answered by
// the next.
struct RandomUser {
    RandomUser(QMainWindow* window, QString folder, std::uint64_t seed)
        : main(window), safe(std::move(folder)), seed(seed) {}
    QMainWindow* main;
    QString safe; // saves go only here
    std::uint64_t seed;
    std::mt19937_64 random{seed};
    int wanted = 0, done = 0;
    bool stopped = false;
    bool mayPress = true; // no click or key may save where the window points
    QString problem;      // the first broken promise
    // The modal window that was active when each unfinished action began: an
    // action acts within one only after it opened a new one.
    std::vector<QPointer<QWidget>> waiting;
    QEventLoop loop;
    // Read by the watch that ends a run whose window stopped answering.
    std::mutex logLock;
    std::deque<std::string> log;
    std::atomic<int> progress = 0;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <typename T> T* oneOf(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[std::size_t(below(int(items.size())))];
    }

    // Acts `count` times, or until a promise breaks, and leaves every message
    // box and secondary window closed.
    void run(int count) {
        wanted = count;
        // Ends a run whose window stopped answering, with what led there.
        std::jthread watch([this](const std::stop_token& stop) {
            for (int seen = -1, still = 0; !stop.stop_requested(); ++still) {
                std::this_thread::sleep_for(100ms);
                if (progress != seen) {
                    seen = progress;
                    still = 0;
                } else if (still == 300) {
                    std::fprintf(stderr, "seed %llu: action %d has not returned in 30 s:\n%s",
                                 static_cast<unsigned long long>(seed), seen,
                                 lastActions().c_str());
                    std::abort();
                }
            }
        });
        QTimer::singleShot(0, &loop, [this] { step(); });
        loop.exec();
    }

    void step() {
        if (stopped)
            return finish();
        // An action still under way let events through without opening a
        // modal window of its own: the next action waits for it to return.
        if (!waiting.empty() && QApplication::activeModalWidget() == waiting.back())
            return QTimer::singleShot(1, &loop, [this] { step(); });
        problem = brokenPromise();
        if (!problem.isEmpty() || done == wanted) {
            stopped = true;
            return finish();
        }
        progress = ++done;
        QTimer::singleShot(0, &loop, [this] { step(); });
        waiting.emplace_back(QApplication::activeModalWidget());
        act();
        waiting.pop_back();
    }

    // Closes what the run left open, one modal window at a time, until every
    // action under way has returned.
    void finish() {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
        if (!waiting.empty() || QApplication::activeModalWidget())
            return QTimer::singleShot(0, &loop, [this] { finish(); });
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != main && top->isVisible())
                top->close();
        loop.quit();
    }

    QString brokenPromise() const {
        // Go To shows the page number as typed ("2.5", "02"); the page it
        // names is its whole part, as Go To reads it.
        const QString now = main->findChild<QLabel*>("lblPageNow")->text();
        const QString total = main->findChild<QLabel*>("lblPageTotal")->text();
        const auto page = korvane::parseNumber(now.toStdString());
        const auto pages = korvane::parseNumber(total.toStdString());
        if (!page || !pages || korvane::intPart(*page) > *pages)
            return QString("lblPageNow shows page %1 of %2").arg(now, total);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            for (const QAbstractSlider* slider : top->findChildren<QAbstractSlider*>())
                if (slider->value() < slider->minimum() || slider->value() > slider->maximum())
                    return slider->objectName() + " stands outside its range";
            for (const QLabel* label : top->findChildren<QLabel*>())
                if (label->isVisible() &&
                    label->text().contains("unknown error", Qt::CaseInsensitive))
                    return "a message says " + label->text();
        }
        return {};
    }

    void note(const std::string& action) {
        static const bool aloud = qEnvironmentVariableIsSet("KORVANE_RANDOM_VERBOSE");
        const std::lock_guard lock(logLock);
        log.push_back("  " + std::to_string(done) + ": " + action + '\n');
        if (aloud)
            std::fputs(log.back().c_str(), stderr);
        if (log.size() > 30)
            log.pop_front();
    }
    std::string lastActions() {
        const std::lock_guard lock(logLock);
        return std::accumulate(log.begin(), log.end(), std::string());
    }

    void act() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return usePopup(popup);
        // A modal window takes every action while it is open; otherwise the
        // shown window that takes input does.
        std::vector<QWidget*> windows;
        for (QWidget* top : QApplication::topLevelWidgets()) // no popup, no tooltip
            if (top->isVisible() && top->isEnabled() && top->windowType() <= Qt::Dialog)
                windows.push_back(top);
        QWidget* window = QApplication::activeModalWidget();
        if (!window && !(window = oneOf(windows)))
            return note("nothing shown to act on");
        if (const auto* box = qobject_cast<QMessageBox*>(window))
            note("reads the message " + said(box->text()));
        // A window showing a location outside the run's folder (a path in a box
        // the user cannot type in, as the save dialog shows where it will save)
        // gets no click or key that could save there, only what finds the way
        // back or leaves.
        mayPress = std::ranges::none_of(window->findChildren<QLineEdit*>(), [&](auto* box) {
            const QString path = QDir::cleanPath(box->text());
            return box->isReadOnly() && path.startsWith(u'/') &&
                   !(path + u'/').startsWith(safe + u'/');
        });
        std::vector<QWidget*> controls[std::size(kindWeights)];
        int weights = 0;
        for (QWidget* control : window->findChildren<QWidget*>())
            if (const int kind = kindOf(control, window, mayPress); kind >= 0) {
                weights += controls[kind].empty() ? kindWeights[kind] : 0;
                controls[kind].push_back(control);
            }
        int roll = below(100);
        if (window != main && (roll < 2 || weights == 0)) {
            note("closes the window " + nameOf(window));
            window->close();
        } else if (window == main && roll < 10) {
            std::vector<QAction*> items;
            collectItems(main->menuBar()->actions(), items);
            QAction* item = oneOf(items);
            note("chooses the menu item " + nameOf(item) + " " + said(item->text()));
            item->trigger();
        } else if (QWidget* focus = QApplication::focusWidget(); roll < 30) {
            pressKey(focus && focus->window() == window ? focus : window);
        } else {
            roll = below(weights);
            for (std::size_t kind = 0; kind < std::size(kindWeights); ++kind)
                if (!controls[kind].empty() && (roll -= kindWeights[kind]) < 0)
                    return use(oneOf(controls[kind]));
        }
    }

    // What a user does with each kind of control.
    void use(QWidget* control) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            note("clicks " + nameOf(button) + " " + said(button->text()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto* box = qobject_cast<QLineEdit*>(control);
                   box && !box->isReadOnly() && below(10) > 0) {
            typeInto(box);
        } else if (isA<QLineEdit>(control)) {
            note("opens the context menu of " + nameOf(control));
            QContextMenuEvent request(QContextMenuEvent::Mouse, {4, 4},
                                      control->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(control, &request);
        } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
            // As a drag of the handle: pressed, moved, let go.
            const int to = slider->minimum() + below(slider->maximum() - slider->minimum() + 1);
            note("drags " + nameOf(slider) + " to " + std::to_string(to));
            slider->setSliderDown(true);
            slider->setSliderPosition(to);
            slider->setSliderDown(false);
        } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->count() > 0) {
            const int index = below(combo->count());
            note("picks " + said(combo->itemText(index)) + " in " + nameOf(combo));
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else if (auto* list = qobject_cast<QAbstractItemView*>(control);
                   list && list->model()->rowCount() > 0) {
            const QModelIndex item = list->model()->index(below(list->model()->rowCount()), 0);
            list->scrollTo(item);
            const QPoint at = list->visualRect(item).center();
            const bool opens = below(3) == 0;
            note((opens ? "double-clicks " : "clicks ") + said(item.data().toString()) + " in " +
                 nameOf(list));
            if (opens)
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        } else if (auto* strip = qobject_cast<QTabBar*>(control); strip && strip->count() > 0) {
            const int tab = below(strip->count());
            const bool right = below(4) == 0;
            note((right ? "right-clicks the tab " : "clicks the tab ") + said(strip->tabText(tab)));
            QTest::mouseClick(strip, right ? Qt::RightButton : Qt::LeftButton, {},
                              strip->tabRect(tab).center());
        } else {
            pressKey(control);
        }
    }

    void usePopup(QWidget* popup) {
        std::vector<QAction*> items;
        if (const auto* menu = qobject_cast<QMenu*>(popup))
            collectItems(menu->actions(), items);
        QAction* item = below(3) == 0 ? nullptr : oneOf(items);
        note(item ? "picks " + said(item->text()) + " in a menu" : "closes " + nameOf(popup));
        popup->close();
        if (item)
            item->trigger();
    }

    void pressKey(QWidget* target) {
        if (!mayPress)
            return note("presses nothing in " + nameOf(target->window()));
        const QKeyCombination key = keys[below(int(std::size(keys)))];
        note("presses " + QKeySequence(key).toString().toStdString() + " in " + nameOf(target));
        // With the text the key types, as a keyboard sends it.
        const bool types = key.keyboardModifiers() == Qt::NoModifier && key.key() <= 0xff;
        QTest::sendKeyEvent(QTest::Click, target, key.key(),
                            types ? QString(QChar(key.key())).toLower() : QString(),
                            key.keyboardModifiers());
    }

    void typeInto(QLineEdit* box) {
        const auto& kind = texts[below(int(std::size(texts)))];
        const QStringList pieces = QString::fromUtf16(kind.pieces).split(u'|');
        QString text;
        for (int k = kind.fewest + below(kind.most - kind.fewest + 1); k > 0; --k)
            text += pieces[below(int(pieces.size()))];
        text += QLatin1String(kind.end);
        // Keys type only Latin-1 and no line break; a paste or an input method
        // brings anything.
        const bool keyed = QString::fromLatin1(text.toLatin1()) == text && !text.contains(u'\n');
        const int way = keyed ? below(4) : 2 + below(2);
        static const char* const ways[] = {"types over all of ", "types in ", "pastes in ",
                                           "composes in "};
        note(ways[way] + nameOf(box) + ": " + said(text));
        if (way == 0)
            box->selectAll();
        if (way < 2) {
            for (const QChar c : text) // each as a key that sends it, named or not
                QTest::sendKeyEvent(QTest::Click, box,
                                    c.toUpper() < u'\x7f' ? Qt::Key(c.toUpper().unicode())
                                                          : Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
        } else if (way == 2) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
        }
    }
};

using RandomActionsTest = WindowTest;

TEST_F(RandomActionsTest, theWindowKeepsItsPromisesUnderRandomActions) {
    // Saves land in a folder of the run's own: the save dialog starts at the
    // current folder and offers the run's folder as a drive, whose list
    // cannot climb above it. It always offers the drive of the current folder
    // too, the file system's root, so no action may press a button while the
    // dialog points there (RandomUser::mayPress).
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString safe = QDir(folder.path()).canonicalPath();
    QDir(safe).mkpath(QStringLiteral("sub folder/other"));
    QDir::setCurrent(safe);
    partOf<ExportCommands>(w.get())->setDriveSource([safe] { return QStringList{safe}; });
    // Fewer result pages keep every search of a huge range short, so that a
    // run spends its time on actions; a full store is still met often.
    s()->setSearchEngine([](const auto& range, auto& store, const auto& progress) {
        korvane::search::SearchLimits limits;
        limits.maxPages = 300;
        return korvane::search::runSearch(range, store, progress, limits);
    });

    const QString chosen = qEnvironmentVariable("KORVANE_RANDOM_SEED");
    const std::uint64_t seed = chosen.isEmpty() ? std::random_device{}() : chosen.toULongLong();
    const int asked = qEnvironmentVariableIntValue("KORVANE_RANDOM_ACTIONS");
    const int count = asked > 0 ? asked : usualActions;
    std::cout << "random actions: KORVANE_RANDOM_SEED=" << seed
              << " KORVANE_RANDOM_ACTIONS=" << count << std::endl;
    RandomUser user(w.get(), safe, seed);
    user.run(count);
    EXPECT_TRUE(user.problem.isEmpty()) << "after action " << user.done << " of seed " << seed
                                        << ": " << user.problem << "\nthe last actions:\n"
                                        << user.lastActions();
}

} // namespace
