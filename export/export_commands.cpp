#include "export/export_commands.h"

#include "search/search_frame.h"

ExportCommands::ExportCommands(QWidget* frmMain, SearchFrame& search)
    : QObject(frmMain), frmMain_(frmMain), search_(search) {}

void ExportCommands::cmdCopy_Click() {}
void ExportCommands::cmdSave_Click() {}
