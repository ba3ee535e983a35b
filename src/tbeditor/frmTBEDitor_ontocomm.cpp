// What the termbase editor does when the ontology editor reports a concept added (1),
// deleted (2) or renamed (3) through lblOntoComm: "<digit><identifier>".

#include "frmTBEDitor.h"

#include "termbase/Global.h"
#include "ui/Forms.h"
#include "ui/Like.h"
#include "ui/MsgBox.h"


namespace {

// A deleted or renamed concept changes the entries under the term-entries branch:
// collapsing and expanding the root reads its branches again, and the branch that holds
// the entries is opened again and selected, so the user finds the tree where it was.
void rebuildEntriesBranch(frmTBEDitor &editor)
{
    const QModelIndex root = editor.Tree1Nodes->rootNode();
    if (!root.isValid())
        return;
    editor.Tree1->setVisible(false);
    editor.collapseNode(root);
    editor.expandNode(root);
    for (int i = 0; i < editor.Tree1Nodes->rowCount(root); ++i) {
        const QModelIndex branch = editor.Tree1Nodes->index(i, 0, root);
        if (ui::Like(editor.Tree1Nodes->text(branch), QStringLiteral("body*"))) {
            editor.expandNode(branch);
            editor.selectNode(branch);
            break;
        }
    }
    editor.Tree1->setVisible(true);
}

}  // namespace

void frmTBEDitor::lblOntoComm_Change()
{
    const QString message = lblOntoComm.caption();
    // Without a termbase the window has nothing that mirrors the ontology.
    if (message.isEmpty() || TermbasePath.isEmpty())
        return;
    const int operation = message.left(1).toInt();
    if (operation == 2 || operation == 3)
        rebuildEntriesBranch(*this);
    // The termbase was written through another connection a moment ago; a reload that
    // fails once is tried again, and a second failure is told rather than retried forever.
    for (int attempt = 1;; ++attempt) {
        try {
            RequeryConceptList();
            return;
        } catch (const db::DbError &e) {
            if (attempt == 2) {
                ui::msgBox(QStringLiteral("The concept list of the termbase could not be reloaded: ") + e.description(),
                           ui::Buttons::Ok, ui::Icon::Exclamation);
                return;
            }
        }
    }
}

void TellTermbaseEditors(int operation, const QString &identifier)
{
    const QString message = QString::number(operation) + identifier;
    for (const auto &editor : ui::forms().ofType<frmTBEDitor>()) {
        // Written empty first, so that the same message twice is still a change.
        editor->lblOntoComm.setCaption(QString());
        editor->lblOntoComm.setCaption(message);
    }
}
