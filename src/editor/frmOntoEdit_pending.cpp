// Commands of the main window whose windows and panes are built elsewhere. Until a command
// is built, its body is empty here and every menu item and toolbar button that runs it is
// disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmOntoEdit.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmOntoEdit::dblConcepts_DblClick() {}       // filled by the partial-tree windows
void frmOntoEdit::mnuTreeFull_Click() {}          // filled by the partial-tree windows
void frmOntoEdit::mnuTreeObject_Click() {}        // filled by the partial-tree windows
void frmOntoEdit::mnuTreeEvent_Click() {}         // filled by the partial-tree windows
void frmOntoEdit::mnuTreeRel_Click() {}           // filled by the partial-tree windows
void frmOntoEdit::mnuTreeAttr_Click() {}          // filled by the partial-tree windows
void frmOntoEdit::mnuTreeSelConcept_Click() {}    // filled by the partial-tree windows
void frmOntoEdit::mnuFileImport_Click() {}        // filled by the import dialog
void frmOntoEdit::mnuFileExport_Click() {}        // filled by the reports window
void frmOntoEdit::mnuToolsOntoNav_Click() {}      // filled by the navigator
void frmOntoEdit::mnuToolsBatchNaming_Click() {}  // filled by the batch-naming dialog

void frmOntoEdit::markCommandsNotBuilt()
{
    for (QAction *command : {mnuConceptTree, mnuTreeFull, ToolBar1->button(QStringLiteral("FullTree")), mnuTreeObject,
                             mnuTreeEvent, mnuTreeRel, mnuTreeAttr, mnuTreeSelConcept, mnuFileImport, mnuFileExport,
                             mnuToolsOntoNav, mnuToolsBatchNaming})
        ui::markNotBuilt(command);
}
