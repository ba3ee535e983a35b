// What the termbase editor does when the ontology editor reports a concept added (1),
// deleted (2) or renamed (3) through lblOntoComm: "<digit><identifier>".

#include "frmTBEDitor.h"

#include "termbase/Global.h"
#include "ui/Forms.h"
#include "ui/Like.h"
#include "ui/MsgBox.h"

#include <QTreeWidget>

namespace {

// A deleted or renamed concept changes the entries under the term-entries branch:
// collapsing and expanding the root reads its branches again, and the branch that holds
// the entries is opened again and selected, so the user finds the tree where it was.
void rebuildEntriesBranch(QTreeWidget &tree)
{
    QTreeWidgetItem *root = tree.topLevelItem(0);
    if (!root)
        return;
    tree.setVisible(false);
    root->setExpanded(false);
    root->setExpanded(true);
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem *branch = root->child(i);
        if (ui::Like(branch->text(0), QStringLiteral("body*"))) {
            branch->setExpanded(true);
            tree.setCurrentItem(branch);
            break;
        }
    }
    tree.setVisible(true);
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
        rebuildEntriesBranch(*Tree1);
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
