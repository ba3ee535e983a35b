// Commands of the termbase editor whose work is built elsewhere. Each body is replaced by
// the work that fills it; until then the command does nothing.

#include "frmTBEDitor.h"

void frmTBEDitor::Tree1_NodeClick(QTreeWidgetItem *) {}                 // filled by the element selection
void frmTBEDitor::Tree2_NodeClick(QTreeWidgetItem *) {}                 // filled by the value editor
void frmTBEDitor::ShowFindDialog() {}                                   // filled by the find window
void frmTBEDitor::ShowEntryPage() {}                                    // filled by the entry preview
void frmTBEDitor::ShowDataCategoryHelp(const QString &) {}              // filled by the data-category help
void frmTBEDitor::mnuElemGoTo_Click() {}                                // filled by the cross-references
void frmTBEDitor::mnuElemModify_Click() {}                              // filled by the element editing
void frmTBEDitor::mnuElemDelete_Click() {}                              // filled by the element editing
void frmTBEDitor::mnuHelpDCShow_Click() {}                              // filled by the data-category help
void frmTBEDitor::mnuToolsOptions_Click() {}                            // filled by the termbase options
