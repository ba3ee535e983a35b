// The element tree of the open termbase: its root, reading and dropping branches,
// revealing an element, the toolbar and pop-up menu that follow the selected node, the
// locked window while a cross-reference's target is picked, and renaming in place.

#include "frmTBEDitor.h"

#include "frmPerson.h"
#include "termbase/DataCategories.h"
#include "termbase/ElementStore.h"
#include "termbase/Global.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

namespace {

constexpr int AddConceptButton = 8;
constexpr int AddTermButton = 9;
constexpr int DeleteButton = 11;

}  // namespace

QModelIndex frmTBEDitor::selectedNode() const { return Tree1->currentIndex(); }

void frmTBEDitor::selectNode(const QModelIndex &node)
{
    Tree1->setCurrentIndex(node);
}

// The view tells Tree1_Expand and Tree1_Collapse; a node already in the wanted state
// is left alone, as the tree control does.
void frmTBEDitor::expandNode(const QModelIndex &node)
{
    if (node.isValid() && !Tree1->isExpanded(node) && Tree1Nodes->rowCount(node) > 0)
        Tree1->expand(node);
}

void frmTBEDitor::collapseNode(const QModelIndex &node)
{
    if (node.isValid() && Tree1->isExpanded(node))
        Tree1->collapse(node);
}

void frmTBEDitor::BuildElementRoot()
{
    Tree1Nodes->addRoot(GetDataCategoryName(QStringLiteral("0")));
}

void frmTBEDitor::Tree1_Expand(const QModelIndex &node)
{
    Tree1Nodes->readChildren(node);
}

void frmTBEDitor::Tree1_Collapse(const QModelIndex &node)
{
    Tree1Nodes->dropChildren(node);
    // The root was collapsed: only it and its placeholder remain.
    if (Tree1Nodes->nodeCount() == 2) {
        selectNode(Tree1Nodes->rootNode());
        Tree1_NodeClick(Tree1Nodes->rootNode());
    }
}

void frmTBEDitor::RevealElement(qint64 elemID)
{
    const ElementChain chain = ElementChainOf(elemID);
    if (chain.damaged) {
        ui::errorBox(QStringLiteral("Element not found. Critical Error. Please Report. Error Code TB003."));
        return;
    }
    const QString targetKey = ElementKey(elemID);
    QModelIndex current = Tree1Nodes->rootNode();
    for (auto it = chain.ids.rbegin(); it != chain.ids.rend(); ++it) {
        const QString key = ElementKey(*it);
        if (Tree1Nodes->key(current) == key)
            break;
        // A long branch is read at once as the page that holds the element.
        Tree1Nodes->readAroundNext(*it);
        expandNode(current);
        Tree1Nodes->readAroundNext(0);
        QModelIndex child = Tree1Nodes->childByKey(current, key);
        // A long branch holds only the pages read so far: read the page that holds it.
        if (!child.isValid())
            child = Tree1Nodes->readChildrenAround(current, *it);
        if (child.isValid())
            current = child;
    }
    QModelIndex found;
    if (Tree1Nodes->key(current) == targetKey) {
        collapseNode(current);
        found = current;
    } else {
        collapseNode(current);
        expandNode(current);
        found = Tree1Nodes->childByKey(current, targetKey);
        if (!found.isValid())
            return;
    }
    selectNode(found);
    Tree1->scrollTo(found);
    Tree1->setVisible(true);
    Tree1->setFocus();
}

void frmTBEDitor::UpdateElementToolbar()
{
    for (int button : {AddConceptButton, AddTermButton, DeleteButton})
        ToolBar1->button(button)->setEnabled(false);
    const QModelIndex node = selectedNode();
    const QString image = Tree1Nodes->image(node);
    if (image == QLatin1String("concept")) {
        ToolBar1->button(AddTermButton)->setEnabled(true);
        ToolBar1->button(DeleteButton)->setEnabled(true);
    } else if (image == QLatin1String("term")) {
        ToolBar1->button(DeleteButton)->setEnabled(true);
    } else if (Tree1Nodes->key(node) == ElementKey(EntriesContainerID)) {
        ToolBar1->button(AddConceptButton)->setEnabled(true);
    }
}

void frmTBEDitor::LockEditorUI() { setPickingTarget(true); }
void frmTBEDitor::UnlockEditorUI() { setPickingTarget(false); }

// While a cross-reference's target is picked, only the element tree answers.
void frmTBEDitor::setPickingTarget(bool picking)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ToolBar1, Tree2, ListView1, fraEdit})
        w->setEnabled(!picking);
    for (QMenu *menu : {mnuFile, mnuEdit, mnuTools, mnuHelp, mnuElem})
        menu->menuAction()->setEnabled(!picking);
    mnuElem->setEnabled(!picking);
    mnuToolsOptions->setEnabled(!picking);
    Tree1->setCursor(picking ? Qt::WhatsThisCursor : Qt::ArrowCursor);
}

void frmTBEDitor::rereadNode(const QModelIndex &node)
{
    const QPersistentModelIndex kept(node);
    collapseNode(kept);
    Tree1Nodes->refreshNode(kept);
    expandNode(kept);
    selectNode(kept);
    Tree1->scrollTo(kept);
    Tree1->setFocus();
}

void frmTBEDitor::Tree1_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton || XRefMode)
        return;
    const QString image = Tree1Nodes->image(selectedNode());
    if (image.isEmpty() || image == QLatin1String("termbase") || image == QLatin1String("folder"))
        return;
    static const QStringList modifiable = {"concept", "term", "url", "pub", "responsible", "subjectfield"};
    const bool canModify = modifiable.contains(image);
    mnuElemModify->setVisible(canModify);
    for (QAction *a : mnuElem->actions())
        if (a->isSeparator())
            a->setVisible(canModify);
    mnuElemGoTo->setVisible(image == QLatin1String("xref"));
    ui::popupMenu(*mnuElem);
}

void frmTBEDitor::Tree1_BeforeLabelEdit(bool &Cancel)
{
    const QModelIndex node = selectedNode();
    const QString image = Tree1Nodes->image(node);
    const QString parentImage = Tree1Nodes->image(node.parent());
    if (image == QLatin1String("term"))
        Cancel = false;
    else if (image == QLatin1String("url") || image == QLatin1String("pub") || image == QLatin1String("subjectfield"))
        Cancel = parentImage != QLatin1String("container");
    else if (image == QLatin1String("responsible"))
        Cancel = parentImage != QLatin1String("responsibles");
    else
        Cancel = true;
}

void frmTBEDitor::Tree1_AfterLabelEdit(bool &Cancel, const QString &NewString)
{
    // The text shown changes only once the new one is stored.
    Cancel = true;
    const QModelIndex node = selectedNode();
    if (NewString == Tree1Nodes->text(node))
        return;
    const qint64 id = Tree1Nodes->elemID(node);
    const QString image = Tree1Nodes->image(node);
    bool stored = false;
    if (image == QLatin1String("term"))
        stored = RenameTerm(id, NewString);
    else if (image == QLatin1String("responsible"))
        stored = renamePerson(id, NewString);
    else if (image == QLatin1String("url") || image == QLatin1String("pub") || image == QLatin1String("subjectfield"))
        stored = RenameTextValue(id, NewString);
    if (stored)
        Tree1Nodes->setText(node, NewString);
}
