// The main window's launchers of other windows. Each window is one shared instance:
// launching it again brings it to the front as it was.

#include "frmOntoEdit.h"

#include "frmNoteList.h"
#include "publish/frmGenHTML.h"
#include "tbeditor/frmTBEDitor.h"
#include "ui/Forms.h"

void frmOntoEdit::mnuToolsTBEd_Click() { ui::loadedOrNew<frmTBEDitor>()->show(); }

void frmOntoEdit::mnuToolsListNotes_Click() { ui::loadedOrNew<frmNoteList>()->show(); }

void frmOntoEdit::mnuGenHTML_Click()
{
    ShowOntologyReports(QStringLiteral("Generate HTML Reports (Ontology)"), QStringLiteral("Ontology"));
}
