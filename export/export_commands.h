// "C&opy" and "&Save" of the search tab: the two dialogs that choose a span of
// result pages, and the copy and the file write behind them.
#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace korvane::search {
class PageStore;
}

class ExportCommands : public QObject {
public:
    // frmMain is disabled while a dialog is open. The store, the page total
    // caption and the status line belong to the search tab and outlive this.
    ExportCommands(QWidget* frmMain, const korvane::search::PageStore& pages,
                   QLabel* lblPageTotal, QLabel* lblSearch);

    void cmdCopy_Click();
    void cmdSave_Click();

private:
    QWidget* frmMain_;
    const korvane::search::PageStore& pages_;
    QLabel* lblPageTotal_;
    QLabel* lblSearch_;
};
