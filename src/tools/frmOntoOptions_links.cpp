// The "Databases" tab of the options dialog: the termbases linked to the ontology.

#include "frmOntoOptions.h"

#include "ontology/DataFolders.h"
#include "ontology/Global.h"
#include "termbase/Global.h"
#include "termbase/TermbaseLinks.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QProgressBar>
#include <QTreeWidget>

namespace {

// Each list row remembers the position of its TermBases row in the dialog's cursor: a
// link is released by its row, never found again by its path.
constexpr int linkRowRole = Qt::UserRole;

}  // namespace

void frmOntoOptions::FillLinkedTermbases()
{
    RSTermBases->requery();
    ListView2->clear();
    if (RSTermBases->isEmpty())
        return;
    for (RSTermBases->moveFirst(); !RSTermBases->eof(); RSTermBases->moveNext()) {
        auto *item = new QTreeWidgetItem(ListView2, {RSTermBases->text(QStringLiteral("DBName"))});
        item->setData(0, linkRowRole, qlonglong(RSTermBases->position()));
    }
}

void frmOntoOptions::cmdRelease_Click()
{
    const QTreeWidgetItem *item = ListView2->currentItem();
    if (!item || !item->isSelected() || item->text(0).isEmpty()) {
        ui::msgBox(QStringLiteral("Select a database from list first."), ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    try {
        RSTermBases->move(item->data(0, linkRowRole).toLongLong());
        RSTermBases->deleteRow();
    } catch (const db::DbError &e) {
        ui::msgBox(e.description());
    }
    FillLinkedTermbases();
}

void frmOntoOptions::showLinkPhase(LinkPhase phase, qsizetype maximum)
{
    static const QString words[] = {QStringLiteral("Checking consistency..."), QStringLiteral("Deleting unmatched..."),
                                    QStringLiteral("Adding concepts...")};
    StatusBar1->setPanelText(2, words[int(phase)]);
    ProgressBar1->setMaximum(int(std::min<qsizetype>(maximum, INT_MAX)));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    window()->repaint();
}

void frmOntoOptions::endLinkProgress()
{
    ProgressBar1->setVisible(false);
    StatusBar1->setPanelText(2, {});
}

void frmOntoOptions::cmdLink_Click()
{
    if (!TermbasePath.isEmpty()) {
        ui::msgBox(QStringLiteral("A termbase is open. Close the TermBase Editor and try again."), ui::Buttons::Ok,
                   ui::Icon::Exclamation);
        return;
    }
    QString chosen;
    try {
        dlgCommonDialog.cancelError = true;
        dlgCommonDialog.filter = QStringLiteral("Lexvarin TermBase Files (*.lxb)|*.lxb|");
        dlgCommonDialog.filterIndex = 1;
        dlgCommonDialog.initDir = TermBasesFolder();
        dlgCommonDialog.showOpen();
        chosen = dlgCommonDialog.fileName;
        dlgCommonDialog.fileName.clear();

        qsizetype added = 0;
        {
            // However linking ends, the pointer, the bar and the panel are put back.
            const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
            struct EndProgress {
                frmOntoOptions &dialog;
                ~EndProgress() { dialog.endLinkProgress(); }
            } restore{*this};
            const LinkProgress progress{[this](LinkPhase p, qsizetype max) { showLinkPhase(p, max); },
                                        [this](qsizetype v) { ProgressBar1->setValue(int(v)); }};
            TermbaseLink link(chosen, progress);
            endLinkProgress();
            if (const qsizetype n = link.unmatched().size()) {
                const ui::Answer answer = ui::msgBox(
                    QString::number(n) + QStringLiteral(" concepts used in ") + chosen +
                        QStringLiteral(" didn't match any concept in ") + OntologyPath +
                        QStringLiteral(". If you proceed these concepts will be deleted from your termbase."),
                    ui::Buttons::YesNo, ui::Icon::Exclamation);
                if (answer != ui::Answer::Yes)
                    return;
            }
            added = link.apply();
            RSTermBases->addNew();
            RSTermBases->setField(QStringLiteral("DBName"), chosen);
            RSTermBases->update();
        }
        if (added > 0)
            ui::msgBox(QString::number(added) + QStringLiteral(" concepts were added to ") + chosen +
                           QStringLiteral(" in order to make it ") + QStringLiteral("consistent with ") +
                           OntologyPath + QStringLiteral("."),
                       ui::Buttons::Ok, ui::Icon::Information);
        FillLinkedTermbases();
    } catch (const db::DbError &e) {
        dlgCommonDialog.fileName.clear();
        if (e.number() == db::err::DialogCancelled)
            return;
        if (e.number() == db::err::NotADatabase || e.number() == db::err::ObjectNotFound)
            ShowNotATermbase(chosen);
        else
            ui::msgBox(e.description());
    }
}
