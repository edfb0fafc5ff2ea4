// frmMain: builds the tab strip, the three frames and the menus, prepares every
// tab at start-up, and switches frames when the tab strip is released.
#include "app/main_window.h"

#include "app/about_window.h"
#include "calc/calc_frame.h"
#include "export/export_commands.h"
#include "factor/factor_frame.h"
#include "search/find_window.h"
#include "search/page_navigator.h"
#include "search/search_frame.h"
#include "stats/statistics_window.h"
#include "ui/default_button.h"
#include "ui/named.h"
#include "ui/screen_fit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

MainWindow::MainWindow() {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Korvane 6"));
    // The installed icon follows the desktop's theme; the bundled one serves a
    // program run from its build folder.
    setWindowIcon(QIcon::fromTheme(QStringLiteral("korvane6"),
                                   QIcon(QStringLiteral(":/icons/korvane6.png"))));
    // Lets the desktop match the window to the installed desktop entry.
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    defaultButton_ = new DefaultButton(this);
    createFrames();
    createMenus();
    connectCommands();
    createTabKeys();
    Form_Load();
    resize(sizeHint().expandedTo(QSize(820, 560)));
    restoreWindowPlace();
    // The page view gives up height first on a small screen or at a large
    // scale factor, and a place kept from a larger screen is fitted too.
    fitToScreen(this);
    // The end of the desktop session closes no window, so it is one more way out.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::saveWindowPlace);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::saveWindowPlace);
}

// Owns the About and statistics windows, top-level windows of their own; the
// statistics window waits for its counting thread as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::createFrames() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    TabStrip1 = named(new QTabBar(central), "TabStrip1");
    TabStrip1->addTab(QStringLiteral("Primes Search"));
    TabStrip1->addTab(QStringLiteral("Calculator"));
    TabStrip1->addTab(QStringLiteral("Factor a Number"));
    TabStrip1->setExpanding(false);
    TabStrip1->setDrawBase(true);
    // Frames follow the strip only on a mouse release over it; a strip that took
    // the keyboard focus or the wheel could show one tab over another's frame.
    TabStrip1->setFocusPolicy(Qt::NoFocus);
    TabStrip1->installEventFilter(this);
    layout->addWidget(TabStrip1);

    BigFrame_1 = named(new SearchFrame(*defaultButton_, central), "BigFrame_1");
    BigFrame_2 = named(new CalcFrame(*defaultButton_, central), "BigFrame_2");
    BigFrame_3 = named(new FactorFrame(central), "BigFrame_3");
    for (int index = 1; index <= 3; ++index)
        layout->addWidget(frame(index), 1);
    setCentralWidget(central);
}

void MainWindow::createMenus() {
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        return named(menu->addAction(caption), name);
    };
    const auto separator = [](QMenu* menu, const char* name) {
        return named(menu->addSeparator(), name);
    };
    const auto menu = [this](const char* name, const QString& caption) {
        return named(menuBar()->addMenu(caption), name);
    };
    mnuFile = menu("mnuFile", QStringLiteral("&File"));
    mnuSave = item(mnuFile, "mnuSave", QStringLiteral("&Save"));
    mnuSep1 = separator(mnuFile, "mnuSep1");
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    mnuView = menu("mnuView", QStringLiteral("&View"));
    mnuReset = item(mnuView, "mnuReset", QStringLiteral("&Reset"));
    mnuClear = item(mnuView, "mnuClear", QStringLiteral("&Clear"));
    // "C" is Clear's; Copy takes the letter its button has.
    mnuCopy = item(mnuView, "mnuCopy", QStringLiteral("C&opy"));
    mnuSep2 = separator(mnuView, "mnuSep2");
    mnuNextPage = item(mnuView, "mnuNextPage", QStringLiteral("&Next Page"));
    mnuPreviousPage = item(mnuView, "mnuPreviousPage", QStringLiteral("&Previous Page"));
    mnuSep3 = separator(mnuView, "mnuSep3");
    mnuStatistics = item(mnuView, "mnuStatistics", QStringLiteral("S&tatistics..."));
    mnuFind = item(mnuView, "mnuFind", QStringLiteral("&Find Number..."));
    mnuFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    // The key finds from the search tab only; the item serves every tab.
    mnuFind->installEventFilter(this);
    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About"));
    mnuAboutQt = item(mnuHelp, "mnuAboutQt", QStringLiteral("About &Qt"));
}

void MainWindow::connectCommands() {
    SearchFrame* search = BigFrame_1;
    search->setMenuItems(mnuSave, mnuCopy, mnuClear);
    export_ = new ExportCommands(this, search->pages(), search->lblSearch);
    connect(search->cmdSave, &QPushButton::clicked, export_, &ExportCommands::cmdSave_Click);
    connect(mnuSave, &QAction::triggered, export_, &ExportCommands::cmdSave_Click);
    connect(search->cmdCopy, &QPushButton::clicked, export_, &ExportCommands::cmdCopy_Click);
    connect(mnuCopy, &QAction::triggered, export_, &ExportCommands::cmdCopy_Click);
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(mnuReset, &QAction::triggered, search, &SearchFrame::cmdReset_Click);
    connect(mnuClear, &QAction::triggered, search, &SearchFrame::cmdClear_Click);
    PageNavigator* pages = &search->navigator();
    connect(mnuNextPage, &QAction::triggered, pages, &PageNavigator::mnuNextPage_Click);
    connect(mnuPreviousPage, &QAction::triggered, pages, &PageNavigator::mnuPreviousPage_Click);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(mnuAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    search->setStatisticsItem(mnuStatistics);
    connect(mnuStatistics, &QAction::triggered, this, &MainWindow::mnuStatistics_Click);
    // Find needs what Statistics needs: a completed search on the search tab.
    mnuFind->setEnabled(mnuStatistics->isEnabled());
    connect(mnuStatistics, &QAction::enabledChanged, mnuFind, &QAction::setEnabled);
    connect(mnuFind, &QAction::triggered, this, &MainWindow::mnuFind_Click);
}

void MainWindow::Form_Load() {
    BigFrame_1->cmdReset_Click();
    BigFrame_1->setVisible(true);
    BigFrame_2->setVisible(false);
    BigFrame_3->setVisible(false);
    // The Reset above ran before the search frame was shown, so it left the
    // default button alone.
    defaultButton_->set(BigFrame_1->cmdCalculate);
    BigFrame_2->resetFlags();
    BigFrame_2->ClearAnswer_Click();
    BigFrame_1->cmdClear->setEnabled(false);
}

// The keyboard's way through the tabs. Shift+Tab arrives as Backtab on most
// platforms and as Tab on some, so both forms go to the previous tab.
void MainWindow::createTabKeys() {
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepTab(step); });
    }
}

// Selects the next or previous tab (wrapping) and then acts exactly as a
// left-button release over the strip does, frames, default button and focus.
void MainWindow::stepTab(int step) {
    const int count = TabStrip1->count();
    TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + step + count) % count);
    TabStrip1_MouseUp(Qt::LeftButton);
}

QWidget* MainWindow::frame(int index) const {
    switch (index) {
    case 1:
        return BigFrame_1;
    case 2:
        return BigFrame_2;
    case 3:
        return BigFrame_3;
    default:
        return nullptr;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mnuFind && event->type() == QEvent::Shortcut)
        return BigFrame_1->isHidden();
    if (watched == TabStrip1) {
        if (event->type() == QEvent::MouseButtonRelease)
            TabStrip1_MouseUp(static_cast<QMouseEvent*>(event)->button());
        else if (event->type() == QEvent::Wheel)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::TabStrip1_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        CurrentTab = TabStrip1->currentIndex() + 1;
        for (int index = 1; index <= 3; ++index)
            frame(index)->setVisible(false);
        frame(CurrentTab)->setVisible(true);
    }
    // Whatever the button, the visible frame gets its default button and focus.
    if (!BigFrame_1->isHidden())
        defaultButton_->set(BigFrame_1->cmdCalculate);
    if (!BigFrame_2->isHidden()) {
        defaultButton_->set(BigFrame_2->cmdEquals);
        BigFrame_2->cmdEquals->setFocus();
    }
    if (!BigFrame_3->isHidden()) {
        defaultButton_->set(BigFrame_3->cmdFactor);
        BigFrame_3->txtNumber->setFocus();
    }
}

void MainWindow::mnuAbout_Click() {
    if (!about_)
        about_ = std::make_unique<AboutWindow>(this);
    about_->openOverMainWindow();
}

// The figures of the range the search tab holds; the item is off without one.
void MainWindow::mnuStatistics_Click() {
    const auto& range = BigFrame_1->coveredRange();
    if (!range)
        return;
    if (!statistics_)
        statistics_ = std::make_unique<StatisticsWindow>(this);
    statistics_->open(*range);
}

// Finds numbers among the primes the search tab lists; off without a search.
void MainWindow::mnuFind_Click() {
    const auto& range = BigFrame_1->coveredRange();
    if (!range)
        return;
    if (!find_)
        find_ = std::make_unique<FindWindow>(this, BigFrame_1->pages(), BigFrame_1->navigator());
    find_->open(*range);
}

// The window's size, place and maximized state are all the program keeps
// between runs (~/.config/Korvane/korvane6.conf); a place no screen shows any
// more is moved back onto one by restoreGeometry.
namespace {

QSettings windowSettings() {
    return QSettings(QStringLiteral("Korvane"), QStringLiteral("korvane6"));
}

const QString geometryKey = QStringLiteral("MainWindow/geometry");

} // namespace

void MainWindow::restoreWindowPlace() {
    restoreGeometry(windowSettings().value(geometryKey).toByteArray());
}

void MainWindow::saveWindowPlace() const {
    windowSettings().setValue(geometryKey, saveGeometry());
}

// Ends the event loop at once: no window is asked to close and no prompt is
// shown; only the window's place is kept. The windows go with main().
void MainWindow::mnuExit_Click() {
    saveWindowPlace();
    QCoreApplication::exit(0);
}

// Closing frmMain by its frame ends the program as completely as "E&xit", even
// while the About window or a dialog is still open.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    mnuExit_Click();
}
