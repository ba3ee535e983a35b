// The concept commands of the main window: adding (through the add-concept dialog),
// renaming, editing the definition and deleting. Each writes the ontology in one
// transaction and only then tells the termbases and the open dialogs.

#include "frmOntoEdit.h"

#include "frmNames.h"
#include "frmNewConcept.h"
#include "ontology/ConceptCommands.h"
#include "ontology/Global.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The add-concept dialog open beside the main window, not its inverse copy.
std::shared_ptr<frmNewConcept> addConceptDialog()
{
    for (const auto &d : ui::forms().ofType<frmNewConcept>())
        if (!d->isInverseDialog())
            return d;
    return nullptr;
}

void tellAddConceptDialog(const QString &word)
{
    if (const auto d = addConceptDialog()) {
        d->lblRefresh.setCaption({});
        d->lblRefresh.setCaption(word);
    }
}

}  // namespace

void frmOntoEdit::mnuConceptAdd_Click()
{
    auto dialog = addConceptDialog();
    if (!dialog)
        dialog = std::make_shared<frmNewConcept>();
    try {
        dialog->load();  // lists the parents
        dialog->show();
    } catch (const db::DbError &e) {
        dialog->unload();
        ui::errorBox(e.description());
    }
}

void frmOntoEdit::lblNewCpt_Change()
{
    const QString added = lblNewCpt.caption();
    if (added.isEmpty())
        return;
    CurrentConcept = added;
    FillNamesList();
    FollowConceptChanges({}, {added});
    WriteSearch(added);
    SyncConceptToTermbases(added, added, 1);
}

void frmOntoEdit::mnuConceptEditDef_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    // The editor starts from what is stored, and compares with it.
    const QString stored = ConceptDefinition(CurrentConcept);
    const auto dialog = std::make_shared<frmNames>();
    dialog->load();
    dialog->setCaption(QStringLiteral("Edit definition of  - ") + CurrentConcept);
    dialog->lblStart.setCaption(QStringLiteral("Definition"));
    dialog->txtConcept->setText(CurrentConcept);
    dialog->txtDef->setPlainText(stored);
    dialog->showModal(*this);
    const bool confirmed = dialog->lblStart.caption() == QStringLiteral("OK");
    const QString edited = dialog->txtDef->toPlainText();
    dialog->unload();
    if (confirmed && edited != stored) {
        SetConceptDefinition(CurrentConcept, edited);
        txtDef->setPlainText(edited);
    }
}

void frmOntoEdit::mnuConceptEdit_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    const QString reason = ProtectedConceptReason(CurrentConcept, QStringLiteral("renamed"));
    if (!reason.isEmpty()) {
        ui::msgBox(reason);
        return;
    }
    const QString old = CurrentConcept;
    const auto dialog = std::make_shared<frmNames>();
    dialog->load();
    dialog->txtConcept->setText(CurrentConcept);
    dialog->ConceptType = CurrentType;
    dialog->lblStart.setCaption(QStringLiteral("Rename"));
    dialog->showModal(*this);
    const bool confirmed = dialog->lblStart.caption() == QStringLiteral("OK");
    const QString renamed = dialog->txtConcept->text();
    dialog->unload();
    if (!confirmed || renamed.isEmpty() || renamed == old)
        return;

    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    try {
        // The key compares without regard to case, so a change of letter case only is
        // taken as the identifier of a concept that exists.
        if (ConceptExists(renamed)) {
            ui::msgBox(QStringLiteral("Concept:\r\n(") + QuoteChar + renamed + QuoteChar +
                           QStringLiteral(")\r\nis already in use. Please, try again."),
                       ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("error"));
            return;
        }
        RenameConcept(old, renamed);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
        return;
    }
    CurrentConcept = renamed;
    try {
        SyncConceptToTermbases(renamed, old, 3);
        FollowConceptRenamed(old, renamed);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    SignalRelationDialogs(CurrentConcept);
    tellAddConceptDialog(CurrentConcept);
}

void frmOntoEdit::mnuConceptDelete_Click()
{
    if (OntologyPath.isEmpty()) {
        ui::msgBox(QStringLiteral("No ontology is currently in use"));
        return;
    }
    if (CurrentConcept.isEmpty()) {
        ui::msgBox(QStringLiteral("You must select a concept in the list"));
        return;
    }
    const QString c = CurrentConcept;
    if (ui::msgBox(QStringLiteral(" Are you sure you want to delete this concept?\r\n") + c +
                       QStringLiteral("\r\nAll references to this concept will be deleted as well. Proceed?"),
                   ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm Deletion")) != ui::Answer::Yes)
        return;
    QString inverse;
    if (CurrentType == RelationType) {
        if (ui::msgBox(QStringLiteral("This concept is a relation. Its inverse relation will also be deleted. Proceed?"),
                       ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm Deletion")) != ui::Answer::Yes)
            return;
        inverse = InverseOf(c);
    }
    const QString reason = CurrentType == RootType ? ProtectedConceptReason(RootConcept, QStringLiteral("deleted"))
                                                   : ProtectedConceptReason(c, QStringLiteral("deleted"));
    if (!reason.isEmpty()) {
        ui::msgBox(reason);
        return;
    }

    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    QStringList deleted;
    try {
        deleted = DeleteConcept(c, inverse);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
        return;
    }
    SignalConceptDeleted();
    try {
        for (const QString &d : deleted)
            SyncConceptToTermbases(d, d == inverse ? c : d, 2);
        // The list is left without the deleted concepts, so the current concept is the
        // first listed one, or the root when none is listed: never a deleted one.
        FollowConceptChanges(deleted, {});
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    dblConcepts->setFocus();
}

void frmOntoEdit::SignalConceptDeleted()
{
    tellAddConceptDialog(QStringLiteral("Delete"));
    SignalRelationDialogs(QStringLiteral("Delete"));
}
