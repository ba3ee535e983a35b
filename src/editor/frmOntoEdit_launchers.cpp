// The main window's launchers of other windows. The navigator, the notes list and the
// termbase editor are one shared instance each: launching one again brings it to the
// front as it was. Tree windows are one per caption.

#include "frmOntoEdit.h"

#include "frmNoteList.h"
#include "ontology/Global.h"
#include "publish/frmGenHTML.h"
#include "publish/frmOntoNav.h"
#include "publish/frmPartTree.h"
#include "tbeditor/frmTBEDitor.h"
#include "ui/CommandBoundary.h"
#include "ui/Forms.h"

#include <QLineEdit>

namespace {

QString treeCaption(const QString &what) { return OntologyInfo.Name + QStringLiteral(" - ") + what; }

void launchTree(frmOntoEdit &main, const QString &what, const QString &top)
{
    ui::runCommand(main.window(), [&] { frmPartTree::Launch(treeCaption(what), top); });
}

}  // namespace

void frmOntoEdit::mnuToolsTBEd_Click()
{
    const auto editor = ui::loadedOrNew<frmTBEDitor>();
    // Modify on a term entry shows its concept here, found through the search box, with
    // this window brought to the front (restored when minimized).
    editor->ShowConceptInOntologyEditor = [this](const QString &conceptID) {
        show();
        txtCptSearch->setText(conceptID);
    };
    editor->show();
}

void frmOntoEdit::mnuToolsListNotes_Click() { ui::loadedOrNew<frmNoteList>()->show(); }

void frmOntoEdit::mnuGenHTML_Click()
{
    ShowOntologyReports(QStringLiteral("Generate HTML Reports (Ontology)"), QStringLiteral("Ontology"));
}

void frmOntoEdit::mnuFileExport_Click()
{
    ShowOntologyReports(QStringLiteral("Export Ontology"), QStringLiteral("OntologyExport"));
}

void frmOntoEdit::mnuToolsOntoNav_Click()
{
    ui::runCommand(window(), [] { ui::loadedOrNew<frmOntoNav>()->show(); });
}

void frmOntoEdit::mnuTreeFull_Click() { launchTree(*this, QStringLiteral("Full tree"), RootConcept); }
void frmOntoEdit::mnuTreeObject_Click() { launchTree(*this, QStringLiteral("OBJECT partial tree"), QStringLiteral("OBJECT")); }
void frmOntoEdit::mnuTreeEvent_Click() { launchTree(*this, QStringLiteral("EVENT partial tree"), QStringLiteral("EVENT")); }
void frmOntoEdit::mnuTreeRel_Click() { launchTree(*this, QStringLiteral("RELATION partial tree"), QStringLiteral("RELATION")); }
void frmOntoEdit::mnuTreeAttr_Click() { launchTree(*this, QStringLiteral("ATTRIBUTE partial tree"), QStringLiteral("ATTRIBUTE")); }

void frmOntoEdit::mnuTreeSelConcept_Click()
{
    if (!CurrentConcept.isEmpty())
        launchTree(*this, CurrentConcept + QStringLiteral(" partial tree"), CurrentConcept);
}

void frmOntoEdit::dblConcepts_DblClick()
{
    if (CurrentConcept.isEmpty())
        return;
    ui::runCommand(window(), [this] {
        frmPartTree::Launch(treeCaption(QStringLiteral("Full tree")), RootConcept)->lblFind_Change(CurrentConcept);
    });
}
