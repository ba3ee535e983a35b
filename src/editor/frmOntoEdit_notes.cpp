// The working note of the current concept.

#include "frmOntoEdit.h"

#include "frmNote.h"
#include "ontology/ConceptNotes.h"
#include "ui/Toolbar.h"

void frmOntoEdit::mnuConceptNote_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    try {
        EditConceptNote(*this, CurrentConcept);
        ToolBar1->setButtonImage(QStringLiteral("Note"),
                                 ConceptHasNote(CurrentConcept) ? QStringLiteral("note-in") : QStringLiteral("note-out"));
    } catch (const db::DbError &e) {
        reportCommandFailure(e);
    }
}

bool frmOntoEdit::ConceptHasNote(const QString &identifier) { return ConceptHasNoteRow(identifier); }
