// The working note of the current concept.

#include "ui/MsgBox.h"
#include "frmOntoEdit.h"

#include "frmNote.h"
#include "ontology/ConceptNotes.h"
#include "ui/Toolbar.h"

void frmOntoEdit::mnuConceptNote_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    EditConceptNote(*this, CurrentConcept);
    ToolBar1->setButtonImage(QStringLiteral("Note"),
                             ConceptHasNote(CurrentConcept) ? QStringLiteral("note-in") : QStringLiteral("note-out"));
}

bool frmOntoEdit::ConceptHasNote(const QString &identifier) { return ConceptHasNoteRow(identifier); }
