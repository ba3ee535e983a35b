// Help on data categories from the termbase editor: the toolbar's help button, and
// "Help on this" on the data categories' pop-up.

#include "frmDCHelp.h"
#include "frmTBEDitor.h"

#include "ui/Forms.h"
#include "ui/PopupMenu.h"

#include <QTreeWidget>

void frmTBEDitor::ShowDataCategoryHelp(const QString &categoryID)
{
    const QString target = categoryID.trimmed();
    // The back matter's records ("x" ...) have no help page of their own.
    if (target.startsWith(QLatin1Char('x')))
        return;
    std::shared_ptr<frmDCHelp> help = ui::loadedOrNew<frmDCHelp>();
    help->load();
    // Emptied first, so asking again for the category shown goes back to it after the
    // user browsed elsewhere.
    help->lblTarget.setCaption(QString());
    help->lblTarget.setCaption(frmDCHelp::helpAddress(target));
    help->show();
}

void frmTBEDitor::Tree2_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        ui::popupMenu(*mnuHelpDC);
}

void frmTBEDitor::mnuHelpDCShow_Click()
{
    // By the node's key, not its name: two categories may share a name.
    const QTreeWidget *shown = ListView1->isVisible() ? ListView1 : Tree2;
    const QTreeWidgetItem *node = shown->currentItem();
    if (!node)
        return;
    const QString key = nodeKey(node);
    if (key.size() > 1 && key.startsWith(QLatin1Char('n')))
        ShowDataCategoryHelp(key.mid(1));
}
