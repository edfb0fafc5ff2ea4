// korvane-window-timing [TO...]: seconds from a click on SEARCH (From "0") until
// "Search Completed..." is on screen, with the percentage repaints counted; then
// the seconds to copy all 245760 divisors of 92005279690628304000 from the list.
// Run it on a real or virtual display: xvfb-run build/bench/korvane-window-timing
#include "app/main_window.h"
#include "factor/factor_frame.h"
#include "search/page_navigator.h"
#include "search/search_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QWindow>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string seconds(Clock::duration d) {
    char buf[32];
    const double s = std::chrono::duration<double>(d).count();
    const auto end = std::to_chars(buf, buf + sizeof buf, s, std::chars_format::fixed, 3).ptr;
    return std::string(buf, end);
}

std::string whole(long long n) {
    char buf[24];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

// Counts the paints of one label.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // The window keeps its place in the user's settings; a timing run leaves
    // them alone.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    MainWindow frmMain;
    frmMain.show();
    while (!frmMain.windowHandle() || !frmMain.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();

    SearchFrame* tab = frmMain.BigFrame_1;
    const char* const defaults[] = {"100000000", "1000000000"};
    const int count = argc > 1 ? argc - 1 : 2;
    for (int i = 0; i < count; ++i) {
        const QString to = QString::fromLocal8Bit(argc > 1 ? argv[i + 1] : defaults[i]);
        tab->txtFrom->setText(QStringLiteral("0"));
        tab->txtTo->setText(to);
        PaintCounter counter;
        tab->lblPercent->installEventFilter(&counter);

        const auto start = Clock::now();
        tab->cmdCalculate->click();
        const auto searched = Clock::now();
        QApplication::processEvents(); // paints the finished window
        const auto shown = Clock::now();
        tab->lblPercent->removeEventFilter(&counter);
        const QByteArray status = tab->lblSearch->text().toUtf8();
        const QByteArray primes = tab->lblPrimes->text().toUtf8();
        const QByteArray pages = tab->navigator().lblPageTotal->text().toUtf8();

        const auto clearStart = Clock::now();
        tab->cmdClear->click();
        QApplication::processEvents();
        const auto cleared = Clock::now();

        std::printf("to=%s status=\"%s\" primes=\"%s\" pages=%s click_to_shown_s=%s "
                    "search_s=%s percent_paints=%d clear_s=%s\n",
                    to.toUtf8().constData(), status.constData(), primes.constData(),
                    pages.constData(), seconds(shown - start).c_str(),
                    seconds(searched - start).c_str(), counter.paints,
                    seconds(cleared - clearStart).c_str());
    }

    // The whole divisor list of the number with the most divisors, selected
    // and copied as Ctrl+A and Ctrl+C do.
    FactorFrame* factor = frmMain.BigFrame_3;
    factor->txtNumber->setText(QStringLiteral("92005279690628304000"));
    factor->optSlowest->setChecked(true);
    factor->cmdFactor->click();
    factor->Combo1->selectAll();
    QApplication::processEvents();
    const auto copyStart = Clock::now();
    factor->mnuListCopy->trigger();
    const auto copied = Clock::now();
    const QString clipboard = QGuiApplication::clipboard()->text();
    const long long lines = clipboard.isEmpty() ? 0 : clipboard.count(u'\n') + 1;
    std::printf("copy_divisors items=%s lines=%s copy_s=%s\n",
                whole(factor->Combo1->model()->rowCount()).c_str(), whole(lines).c_str(),
                seconds(copied - copyStart).c_str());
    return 0;
}
