// The main window's side of the termbases linked to the ontology.

#include "frmOntoEdit.h"

#include "TermbaseLinkQuestions.h"

#include "tbeditor/frmTBEDitor.h"
#include "ui/Forms.h"

void frmOntoEdit::CheckTermbaseLinks() { ::CheckTermbaseLinks(dlgCommonDialog); }

void frmOntoEdit::SyncConceptToTermbases(const QString &identifier, const QString &previous, int operation)
{
    if (!ApplyConceptChangeToTermbases(identifier, previous, ConceptChange(operation), dlgCommonDialog))
        return;
    const QString message = QString::number(operation) + CurrentConcept;
    for (const auto &editor : ui::forms().ofType<frmTBEDitor>()) {
        // Written empty first, so that the same message twice is still a change.
        editor->lblOntoComm.setCaption(QString());
        editor->lblOntoComm.setCaption(message);
    }
}
