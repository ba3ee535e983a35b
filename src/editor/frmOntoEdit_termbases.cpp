// The main window's side of the termbases linked to the ontology.

#include "frmOntoEdit.h"

#include "tbeditor/frmTBEDitor.h"
#include "termbase/TermbaseLinks.h"

void frmOntoEdit::CheckTermbaseLinks() { ::CheckTermbaseLinks(dlgCommonDialog); }

void frmOntoEdit::SyncConceptToTermbases(const QString &identifier, const QString &previous, int operation)
{
    if (!ApplyConceptChangeToTermbases(identifier, previous, ConceptChange(operation), dlgCommonDialog))
        return;
    TellTermbaseEditors(operation, CurrentConcept);
}
