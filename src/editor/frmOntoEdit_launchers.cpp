// The main window's launchers of other windows. Each window is one shared instance:
// launching it again brings it to the front as it was.

#include "frmOntoEdit.h"

#include "frmNoteList.h"
#include "tbeditor/frmTBEDitor.h"
#include "ui/Forms.h"

#include <QLineEdit>

void frmOntoEdit::mnuToolsTBEd_Click()
{
    const auto editor = ui::loadedOrNew<frmTBEDitor>();
    // Modify on a term entry shows its concept here, found through the search box.
    editor->ShowConceptInOntologyEditor = [this](const QString &conceptID) {
        txtCptSearch->setText(conceptID);
        window()->raise();
        window()->activateWindow();
    };
    editor->show();
}

void frmOntoEdit::mnuToolsListNotes_Click() { ui::loadedOrNew<frmNoteList>()->show(); }
