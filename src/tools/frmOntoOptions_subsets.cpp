// The "Subsets" tab of the options dialog: the subsets with the number of their concepts,
// the active subset, and adding, activating, removing and transferring between them.

#include "frmOntoOptions.h"
#include "frmTransfer.h"

#include "ontology/Global.h"
#include "ontology/Subsets.h"
#include "ui/BusyRun.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QString noSubsetChosen = QStringLiteral("Select a concept from the list below first.");

// The subset name of the list's selected row, or "" when no row is selected.
QString chosenSubset(const QTreeWidget &list)
{
    const QTreeWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

// Concepts of other subsets whose parents all go with the subset drop out of every tree;
// the user hears how many before answering.
QString losingParentsWarning(qsizetype concepts)
{
    if (concepts == 0)
        return {};
    if (concepts == 1)
        return QStringLiteral("\r\n1 concept of another subset will lose its last parent and no longer show in "
                              "any tree.");
    return QStringLiteral("\r\n%1 concepts of other subsets will lose their last parent and no longer show in "
                          "any tree.")
        .arg(concepts);
}

}  // namespace

void frmOntoOptions::FillSubsetList()
{
    ListView1->clear();
    if (!RSSubsets->isEmpty())
        RSSubsets->moveFirst();
    for (; !RSSubsets->eof(); RSSubsets->moveNext()) {
        const int id = RSSubsets->field(QStringLiteral("Subset_ID")).toInt();
        new QTreeWidgetItem(ListView1, {RSSubsets->text(QStringLiteral("Subset")),
                                        QString::number(CountSubsetConcepts(id))});
    }
    lblActiveSubset->setText(GetSubsetName(OntologyInfo.ActiveSet));
}

void frmOntoOptions::ListView1_ColumnClick(int column)
{
    // As text, as the list has always sorted: "10" comes before "9".
    ListView1->sortItems(column, Qt::AscendingOrder);
}

void frmOntoOptions::cmdActivate_Click()
{
    const QString name = chosenSubset(*ListView1);
    if (name.isEmpty()) {
        ui::msgBox(noSubsetChosen, ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    const int id = GetSubsetID(name);  // tells the user when the name is no subset's
    if (id == 0)
        return;
    OntologyInfo.ActiveSet = id;
    lblActiveSubset->setText(name);
}

void frmOntoOptions::cmdAdd_Click()
{
    // Blanks around a name would make two subsets look alike in every list.
    const QString name = txtNewSubset->text().trimmed();
    if (name.isEmpty()) {
        ui::msgBox(QStringLiteral("Enter a name for the new subset in the box. Then press 'Add'"), ui::Buttons::Ok,
                   ui::Icon::Information);
        return;
    }
    if (SubsetNameLength(name) > SubsetNameMaxLength) {
        ui::msgBox(QStringLiteral("Subset name too long. Max: 65 chars."), ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    const std::optional<int> id = FreeSubsetID();
    if (!id) {
        ui::msgBox(QStringLiteral("You can't define more than 127 subsets for one ontology!\r\n") +
                       QStringLiteral("Consider merging and removing existing subsets."),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Limit reached"));
        return;
    }
    if (SubsetNameTaken(name)) {
        ui::msgBox(QStringLiteral("Subset exists already!"), ui::Buttons::Ok, ui::Icon::Exclamation,
                   QStringLiteral("Error"));
        return;
    }
    AddSubset(*id, name);
    FillSubsetList();
}

void frmOntoOptions::cmdRemove_Click()
{
    const QString name = chosenSubset(*ListView1);
    if (name.isEmpty()) {
        ui::msgBox(noSubsetChosen, ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    const int id = GetSubsetID(name);
    if (id == 0)
        return;
    if (const QString problem = SubsetRemovalProblem(id); !problem.isEmpty()) {
        ui::msgBox(problem, ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    qsizetype orphans = 0;
    {
        const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        orphans = CountConceptsLosingTheirLastParent(id);
    }
    if (ui::msgBox(QStringLiteral("Are you sure you want to remove subset \r\n") + name +
                       QStringLiteral("?\r\nAll concepts assigned to this subset will also be removed!") +
                       losingParentsWarning(orphans),
                   ui::Buttons::YesNo, ui::Icon::Exclamation) != ui::Answer::Yes)
        return;
    {
        const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        QStringList removed;
        {
            // A subset of many concepts takes a while: the windows keep painting meanwhile.
            ui::BusyRun busy;
            removed = RemoveSubset(id, [&] { busy.paint(); });
        }
        // The termbases and the windows that offer concepts keep their own copy of them.
        if (conceptsRemoved)
            conceptsRemoved(removed);
    }
    FillSubsetList();
    // The first subset listed becomes the active one, so that the active subset is
    // always one that exists; the list shows which.
    if (QTreeWidgetItem *first = ListView1->topLevelItem(0)) {
        ListView1->setCurrentItem(first);
        cmdActivate_Click();
    }
}

void frmOntoOptions::cmdTransfer_Click()
{
    const auto transfer = ui::loadedOrNew<frmTransfer>();
    if (transfer->isLoaded())
        transfer->FillSubsetCombos();  // subsets and concepts may have come and gone since it was last shown
    else
        transfer->load();
    transfer->showModal(*this);
    FillSubsetList();
}
