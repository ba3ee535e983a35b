// Commands of the main window whose windows and panes are built elsewhere. Each body is
// replaced by the work that fills it; until then the command does nothing.

#include "frmOntoEdit.h"


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

