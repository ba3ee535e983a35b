// Commands of the termbase editor whose work is built elsewhere. Until a command is built,
// its body is empty here and every menu item, pop-up entry and toolbar button that runs it
// is disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmTBEDitor.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmTBEDitor::ShowFindDialog() {}                                   // filled by the find window

void frmTBEDitor::markCommandsNotBuilt()
{
    for (const char *key : {"find"})
        ui::markNotBuilt(ToolBar1->button(QString::fromLatin1(key)));
    for (QAction *command : {mnuEditFind})
        ui::markNotBuilt(command);
}
