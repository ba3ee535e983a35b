// The main window's side of the termbases linked to the ontology.

#include "frmOntoEdit.h"

#include "TermbaseLinkQuestions.h"

#include "tbeditor/frmTBEDitor.h"

void frmOntoEdit::CheckTermbaseLinks() { ::CheckTermbaseLinks(dlgCommonDialog); }

void frmOntoEdit::SyncConceptToTermbases(const QString &identifier, const QString &previous, int operation)
{
    if (ApplyConceptChangeToTermbases(identifier, previous, ConceptChange(operation), dlgCommonDialog))
        TellTermbaseEditors(operation, CurrentConcept);
}

void frmOntoEdit::SyncAddedConceptsToTermbases(const QStringList &identifiers)
{
    if (!identifiers.isEmpty() && ApplyAddedConceptsToTermbases(identifiers, dlgCommonDialog))
        TellTermbaseEditors(int(ConceptChange::Added), identifiers.last());
}

void frmOntoEdit::SyncDeletedConceptsToTermbases(const QStringList &deleted)
{
    // The editors read only the operation: one message reloads them for the whole batch.
    if (!deleted.isEmpty() && ApplyConceptDeletionsToTermbases(deleted, dlgCommonDialog))
        TellTermbaseEditors(int(ConceptChange::Deleted), deleted.first());
}
