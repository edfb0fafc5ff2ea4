#include "export/export_commands.h"

#include "search/range_search.h"

#include <QWidget>

ExportCommands::ExportCommands(QWidget* frmMain, const korvane::search::PageStore& pages,
                               QLabel* lblPageTotal, QLabel* lblSearch)
    : QObject(frmMain), frmMain_(frmMain), pages_(pages), lblPageTotal_(lblPageTotal),
      lblSearch_(lblSearch) {}

void ExportCommands::cmdCopy_Click() {}
void ExportCommands::cmdSave_Click() {}
