// Commands of the main window whose windows and panes are built elsewhere. Until a command
// is built, its body is empty here and every menu item and toolbar button that runs it is
// disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmOntoEdit.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmOntoEdit::markCommandsNotBuilt()
{
    // Every command of the main window is built.
    const std::initializer_list<QAction *> pending = {};
    for (QAction *command : pending)
        ui::markNotBuilt(command);
}
