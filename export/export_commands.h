// "C&opy" and "&Save" of the search tab: the two dialogs that choose a span of
// result pages, and the copy and the file write behind them.
#pragma once

#include <QObject>

class QWidget;
class SearchFrame;

class ExportCommands : public QObject {
public:
    // frmMain is disabled while a dialog is open; the pages come from `search`.
    ExportCommands(QWidget* frmMain, SearchFrame& search);

    void cmdCopy_Click();
    void cmdSave_Click();

private:
    QWidget* frmMain_;
    SearchFrame& search_;
};
