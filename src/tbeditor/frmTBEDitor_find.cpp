// Finding entries and terms: the find window, and the element it finds made the current one.

#include "frmFind.h"
#include "frmTBEDitor.h"

#include "termbase/ElementTree.h"
#include "termbase/Elements.h"
#include "ui/Forms.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

void frmTBEDitor::ShowFindDialog()
{
    std::shared_ptr<frmFind> find = ui::loadedOrNew<frmFind>();
    find->show();
    find->cbxFind->setFocus();
}

void frmTBEDitor::SelectFoundElement(qint64 elemID, bool expand)
{
    if (elemID == RootElementID)
        selectNode(Tree1Nodes->rootNode());  // the tree stays as it is open
    else
        RevealElement(elemID);
    const QModelIndex node = selectedNode();
    if (Tree1Nodes->elemID(node) != elemID)
        return;
    if (expand)
        expandNode(node);
    // While a cross-reference's target is picked, the pick is the user's click.
    if (XRefMode)
        return;
    // The element found is the current one, as a click makes it, so that the commands
    // that follow act on it; its value and its page are not opened.
    HideValueControls();
    CurrentElemID = elemID;
    CurrentCategory = GetElementCategory(elemID);
    if (!inBrowseMode()) {
        MarkValidCategories();
        UpdateElementToolbar();
    }
    txtElem->setText(Tree1Nodes->text(node).toUpper());
    fraEdit->hide();
}
