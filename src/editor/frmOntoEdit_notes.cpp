// The working note of the current concept, and the notes window.

#include "frmOntoEdit.h"

#include "CommandError.h"
#include "frmNote.h"
#include "frmNoteList.h"
#include "ontology/ConceptNotes.h"
#include "ui/Forms.h"
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
        ReportCommandError(e);
    }
}

bool frmOntoEdit::ConceptHasNote(const QString &identifier) { return ConceptHasNoteRow(identifier); }

void frmOntoEdit::mnuToolsListNotes_Click()
{
    const auto notes = ui::loadedOrNew<frmNoteList>();
    notes->load();
    notes->show();
}
