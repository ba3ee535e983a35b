// Deleting the selected element, and starting the change of one: in place for terms and
// back-matter items, in the ontology editor for an entry's concept.

#include "frmTBEDitor.h"

#include "publish/PersonPage.h"
#include "termbase/ElementStore.h"
#include "termbase/ElementTree.h"
#include "termbase/Global.h"
#include "termbase/TermbaseFile.h"
#include "ui/MsgBox.h"

void frmTBEDitor::mnuElemDelete_Click()
{
    // One element throughout: the node selected, whose element is the current one.
    const QModelIndex node = selectedNode();
    if (!node.isValid() || Tree1Nodes->isPlaceholder(node))
        return;
    const qint64 id = Tree1Nodes->elemID(node);
    if (IsSkeletonElement(id)) {
        ui::msgBox(QStringLiteral("This element is part of the termbase's frame and cannot be deleted."), ui::Buttons::Ok,
                   ui::Icon::Information);
        return;
    }
    if (ui::msgBox(QStringLiteral("Are You sure you want to delete this element?\r\n") +
                       QStringLiteral("All references to it will be deleted as well,"),
                   ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm deletion")) != ui::Answer::Yes)
        return;
    const ElementDeleted deleted = DeleteElement(id);
    if (!deleted.deleted)
        return;
    RemoveFilesOfDeleted(deleted);
    EntryCount = CountElements(QStringLiteral("0.3"));
    TermCount = CountElements(QStringLiteral("1"));
    UpdateStatusCounts();

    // The parent is read again and becomes the current element.
    QModelIndex parent = node.parent();
    if (deleted.sectionDeleted != 0)
        parent = parent.parent();
    const QPersistentModelIndex kept(parent);
    rereadNode(kept);
    // What went with the element may be shown in other branches (cross-references to it,
    // references to a record): no node is left for an element that is gone.
    Tree1Nodes->removeElements(MissingElements(Tree1Nodes->elementsRead()));
    CurrentElemID = 0;
    Tree1_NodeClick(kept);
}

void frmTBEDitor::mnuElemModify_Click()
{
    const QModelIndex node = selectedNode();
    const QString image = Tree1Nodes->image(node);
    const QString parentImage = Tree1Nodes->image(node.parent());
    const QString notHere = QStringLiteral("You must modify this element in the 'backmatter'.");
    if (image == QLatin1String("concept")) {
        if (ShowConceptInOntologyEditor)
            ShowConceptInOntologyEditor(Tree1Nodes->text(node));
    } else if (image == QLatin1String("term")) {
        Tree1->edit(node);
    } else if (image == QLatin1String("pub") || image == QLatin1String("url") || image == QLatin1String("subjectfield")) {
        if (parentImage == QLatin1String("container"))
            Tree1->edit(node);
        else
            ui::msgBox(notHere, ui::Buttons::Ok, ui::Icon::Information);
    } else if (image == QLatin1String("responsible")) {
        if (parentImage == QLatin1String("responsibles"))
            Tree1->edit(node);
        else
            ui::msgBox(notHere, ui::Buttons::Ok, ui::Icon::Information);
    }
}
