// Commands of the main window whose windows and panes are built elsewhere. Until a command
// is built, its body is empty here and every menu item and toolbar button that runs it is
// disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmOntoEdit.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmOntoEdit::mnuToolsBatchNaming_Click() {}  // filled by the batch-naming dialog

void frmOntoEdit::markCommandsNotBuilt()
{
    for (QAction *command : {mnuToolsBatchNaming})
        ui::markNotBuilt(command);
}
