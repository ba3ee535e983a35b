// Commands of the termbase editor whose work is built elsewhere. Until a command is built,
// its body is empty here and every menu item, pop-up entry and toolbar button that runs it
// is disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmTBEDitor.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmTBEDitor::Tree1_NodeClick(QTreeWidgetItem *) {}                 // filled by the element selection
void frmTBEDitor::Tree2_NodeClick(QTreeWidgetItem *) {}                 // filled by the value editor
void frmTBEDitor::ShowFindDialog() {}                                   // filled by the find window
void frmTBEDitor::ShowEntryPage() {}                                    // filled by the entry preview
void frmTBEDitor::mnuElemGoTo_Click() {}                                // filled by the cross-references
void frmTBEDitor::mnuElemModify_Click() {}                              // filled by the element editing
void frmTBEDitor::mnuElemDelete_Click() {}                              // filled by the element editing
void frmTBEDitor::mnuToolsGenHTML_Click() {}                            // filled by the termbase reports
void frmTBEDitor::mnuToolsOptions_Click() {}                            // filled by the termbase options

void frmTBEDitor::markCommandsNotBuilt()
{
    // "concept" and "term" offer a category through the value editor (Tree2_NodeClick).
    for (const char *key : {"find", "concept", "term", "delete", "refresh"})
        ui::markNotBuilt(ToolBar1->button(QString::fromLatin1(key)));
    for (QAction *command : {mnuEditFind, mnuElemGoTo, mnuElemModify, mnuElemDelete, mnuToolsGenHTML,
                             mnuToolsOptions})
        ui::markNotBuilt(command);
}
