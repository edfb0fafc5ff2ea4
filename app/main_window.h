// frmMain: the tab strip over three frames, the menu bar, and the About window.
#pragma once

#include <QMainWindow>

#include <memory>

class AboutWindow;
class CalcFrame;
class DefaultButton;
class ExportCommands;
class FactorFrame;
class FindWindow;
class QAction;
class QMenu;
class QTabBar;
class SearchFrame;
class StatisticsWindow;

class MainWindow : public QMainWindow {
  public:
    MainWindow();
    ~MainWindow() override;

    DefaultButton& defaultButton() { return *defaultButton_; }
    // Created on first use, then only hidden and shown again.
    AboutWindow* aboutWindow() const { return about_.get(); }
    StatisticsWindow* statisticsWindow() const { return statistics_.get(); }
    FindWindow* findWindow() const { return find_.get(); }

    // The tab chosen by the last left-button release over the tab strip (1..3;
    // 0 until the first).
    int CurrentTab = 0;

    QTabBar* TabStrip1 = nullptr;
    SearchFrame* BigFrame_1 = nullptr;
    CalcFrame* BigFrame_2 = nullptr;
    FactorFrame* BigFrame_3 = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSep1 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuReset = nullptr;
    QAction* mnuClear = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuSep2 = nullptr;
    QAction* mnuNextPage = nullptr;
    QAction* mnuPreviousPage = nullptr;
    QAction* mnuSep3 = nullptr;
    QAction* mnuStatistics = nullptr;
    QAction* mnuFind = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuAboutQt = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createFrames();
    void createMenus();
    void connectCommands();
    void createTabKeys();
    void stepTab(int step);
    void Form_Load();
    void TabStrip1_MouseUp(Qt::MouseButton button);
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuStatistics_Click();
    void mnuFind_Click();
    void restoreWindowPlace();
    void saveWindowPlace() const;
    QWidget* frame(int index) const;

    DefaultButton* defaultButton_ = nullptr;
    ExportCommands* export_ = nullptr;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<StatisticsWindow> statistics_;
    std::unique_ptr<FindWindow> find_;
};
