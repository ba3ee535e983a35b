// IS-A links of the current concept in lstISA, and the domains and ranges of an attribute
// or relation concept: each addition picks through a relation dialog shown modally, each
// deletion confirms first.

#include "frmOntoEdit.h"
#include "ontology/ConceptTypes.h"

#include "PaneCommands.h"
#include "frmEditRel.h"
#include "ontology/Global.h"
#include "ontology/IsaLinks.h"
#include "ontology/LocalSlots.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace {



void refuse(const QString &prompt) { ui::msgBox(prompt, ui::Buttons::Ok, ui::Icon::Exclamation); }

// Says why a link was not written; false when it was.
bool refusedLink(LinkOutcome outcome, const QString &child, const QString &parent)
{
    switch (outcome) {
    case LinkOutcome::Done:
        return false;
    case LinkOutcome::Exists:
        refuse(QStringLiteral("ISA link exists."));
        break;
    case LinkOutcome::Cycle:
        refuse(parent + QStringLiteral(" is ") + child +
               QStringLiteral(" itself or one of its descendants: the link would make a cycle."));
        break;
    case LinkOutcome::Gone:
        refuse(QStringLiteral("Nothing was changed: the link to ") + parent + QStringLiteral(" is no longer there."));
        break;
    }
    return true;
}



}  // namespace

frmOntoEdit::Pick frmOntoEdit::runPicker(const QString &caption, bool rangeIsValue)
{
    auto dialog = std::make_shared<frmEditRel>();
    dialog->load();
    dialog->arrange(caption, CurrentConcept, rangeIsValue);
    dialog->lblStart.setCaption({});
    dialog->lblStart.setCaption(QStringLiteral("Start"));
    dialog->showModal(*this);
    Pick pick{dialog->picked(), dialog->chosenConcept(), dialog->txtValue->text()};
    dialog->unload();
    return pick;
}

void frmOntoEdit::FillISAList()
{
    lstISA->clear();
    if (CurrentConcept.isEmpty())
        return;
    try {
        lstISA->addItems(GetParents(CurrentConcept));
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
}

void frmOntoEdit::lstISA_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    mnuISAEdit->setEnabled(!selectedText(*lstISA).isEmpty());
    try {
        // The last parent stays: without it the concept would lose its place in the tree.
        mnuISADelete->setEnabled(CountIsaLinks(CurrentConcept) != 1);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
        return;
    }
    mnuISAAdd->setEnabled(true);
    ui::popupMenu(*mnuISA);
}

void frmOntoEdit::mnuISAAdd_Click()
{
    const Pick pick = runPicker(QStringLiteral("Add ISA link"));
    if (!pick.chosen)
        return;
    if (!refusedLink(AddIsaLink(CurrentConcept, pick.conceptId), CurrentConcept, pick.conceptId))
        FillISAList();
}

void frmOntoEdit::mnuISAEdit_Click()
{
    const QString oldParent = selectedText(*lstISA);
    if (oldParent.isEmpty())
        return;
    const Pick pick = runPicker(QStringLiteral("Edit ISA link"));
    if (!pick.chosen)
        return;
    if (!refusedLink(ReplaceIsaLink(CurrentConcept, oldParent, pick.conceptId), CurrentConcept, pick.conceptId))
        FillISAList();
}

void frmOntoEdit::mnuISADelete_Click()
{
    const QString parent = selectedText(*lstISA);
    if (parent.isEmpty())
        return;
    if (deleteAfterAsking(QStringLiteral("Confirm deletion of link:\r\n") + CurrentConcept + QStringLiteral(" : ISA : ") +
                              parent,
                          QStringLiteral("link"), [&] { return DeleteIsaLink(CurrentConcept, parent); }))
        FillISAList();
}

void frmOntoEdit::mnuDomainAdd_Click()
{
    const Pick pick = runPicker(QStringLiteral("Add Domain"));
    if (!pick.chosen)
        return;
    try {
        if (AddSlotConcept(CurrentConcept, DomainSlot, pick.conceptId) == AddOutcome::Exists)
            refuse(QStringLiteral("Domain exists."));
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    ShowLocalProperties();
}

void frmOntoEdit::mnuRangeAdd_Click()
{
    const bool relationConcept = CurrentType == RelationType;
    const Pick pick = runPicker(QStringLiteral("Add Range"), !relationConcept);
    if (!pick.chosen)
        return;
    try {
        const AddOutcome outcome = relationConcept ? AddSlotConcept(CurrentConcept, RangeSlot, pick.conceptId)
                                                   : AddSlotValue(CurrentConcept, RangeSlot, pick.value);
        if (outcome == AddOutcome::Exists)
            refuse(QStringLiteral("Range exists."));
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    ShowLocalProperties();
}

void frmOntoEdit::mnuDomainDelete_Click()
{
    QListWidgetItem *item = selectedItem(*lstRels);
    if (!item)
        return;
    const qint64 key = item->data(RowKeyRole).toLongLong();
    if (deleteAfterAsking(QStringLiteral("Confirm deletion of DOMAIN:\r\n") + CurrentConcept + QStringLiteral(" : ") +
                              item->text(),
                          QStringLiteral("domain"), [key] { return DeleteRelationRow(key); }))
        ShowLocalProperties();
}

void frmOntoEdit::mnuRangeDelete_Click()
{
    // The question comes first: with nothing selected, Yes deletes nothing.
    QListWidgetItem *item = selectedItem(*lstAttrs);
    const qint64 key = item ? item->data(RowKeyRole).toLongLong() : 0;
    const bool relationConcept = CurrentType == RelationType;
    if (deleteAfterAsking(QStringLiteral("Confirm deletion of RANGE:\r\n") + CurrentConcept + QStringLiteral(" : ") +
                              (item ? item->text() : QString()),
                          QStringLiteral("range"),
                          [&] { return !item || (relationConcept ? DeleteRelationRow(key) : DeleteAttributeRow(key)); }))
        ShowLocalProperties();
}
