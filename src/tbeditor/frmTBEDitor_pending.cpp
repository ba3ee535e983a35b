// Commands of the termbase editor whose work is built elsewhere. Until a command is built,
// its body is empty here and every menu item, pop-up entry and toolbar button that runs it
// is disabled; building it moves the body into a proper file and takes its lines out of here.

#include "frmTBEDitor.h"

#include "ui/NotBuilt.h"
#include "ui/Toolbar.h"

void frmTBEDitor::ShowEntryPage() {}                                    // filled by the entry preview

void frmTBEDitor::markCommandsNotBuilt()
{
    for (const char *key : {"refresh"})
        ui::markNotBuilt(ToolBar1->button(QString::fromLatin1(key)));
}
