// frmMain: the tab strip over three frames, the menu bar, and the About window.
#pragma once

#include <QMainWindow>

class AboutWindow;
class CalcFrame;
class DefaultButton;
class ExportCommands;
class FactorFrame;
class QAction;
class QTabBar;
class SearchFrame;

class MainWindow : public QMainWindow {
public:
    MainWindow();

    DefaultButton& defaultButton() { return *defaultButton_; }

    QTabBar* TabStrip1 = nullptr;
    SearchFrame* BigFrame_1 = nullptr;
    CalcFrame* BigFrame_2 = nullptr;
    FactorFrame* BigFrame_3 = nullptr;

    QAction* mnuSave = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuReset = nullptr;
    QAction* mnuClear = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuNextPage = nullptr;
    QAction* mnuPreviousPage = nullptr;
    QAction* mnuAbout = nullptr;

private:
    DefaultButton* defaultButton_ = nullptr;
    ExportCommands* export_ = nullptr;
    AboutWindow* about_ = nullptr;
};
