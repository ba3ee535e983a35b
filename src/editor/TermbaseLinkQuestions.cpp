#include "TermbaseLinkQuestions.h"

#include "ontology/DataFolders.h"
#include "ontology/Global.h"
#include "termbase/TermbasePaths.h"
#include "ui/FileDialog.h"
#include "ui/MsgBox.h"

namespace {

bool isNotATermbase(const db::DbError &e)
{
    return e.number() == db::err::NotADatabase || e.number() == db::err::ObjectNotFound;
}

// The file the user found for a link whose file is gone: a termbase bound to this
// ontology, or nothing (the user was told why, and is asked again).
bool acceptableReplacement(const QString &path)
{
    try {
        const QString bound = TermbaseOntologyOf(path);
        if (IsWorkingOntology(bound))
            return true;
        ui::msgBox(BoundElsewhereSentence(path, bound), ui::Buttons::Ok, ui::Icon::Exclamation);
    } catch (const db::DbError &e) {
        if (!isNotATermbase(e))
            throw;
        ShowNotATermbase(path);
    }
    return false;
}

// Asks for the file of a link that is gone until the user finds an acceptable one (the
// new path) or gives up (the empty text).
QString findMovedTermbase(const QString &path, ui::CommonDialog &dialog)
{
    for (;;) {
        const ui::Answer answer = ui::msgBox(
            QStringLiteral("TermBase ") + path + QStringLiteral(" can't be found. Do you want to find it?"),
            ui::Buttons::YesNo);
        if (answer != ui::Answer::Yes)
            return {};
        dialog.cancelError = true;
        dialog.filter = QStringLiteral("Termbase Files (*.lxb)|*.lxb|All files (*.*)|*.*|");
        dialog.filterIndex = 1;
        dialog.initDir = TermBasesFolder();
        QString chosen;
        try {
            dialog.showOpen();
            chosen = dialog.fileName;
        } catch (const db::DbError &e) {
            if (e.number() != db::err::DialogCancelled)
                throw;
        }
        dialog.fileName.clear();
        if (chosen.isEmpty() || acceptableReplacement(chosen))
            return chosen;
    }
}

}  // namespace

void CheckTermbaseLinks(ui::CommonDialog &dialog)
{
    try {
        for (const TermbaseLinkRow &link : MissingTermbaseLinks()) {
            const QString found = findMovedTermbase(link.path, dialog);
            if (found.isEmpty()) {
                ui::msgBox(QStringLiteral("Link will be deleted. You can link databases from the ") + QuoteChar +
                           QStringLiteral("Options dialog box") + QuoteChar);
                UnlinkTermbase(link.row);
            } else {
                RelinkTermbase(link.row, found);
            }
        }
    } catch (const db::DbError &e) {
        ui::msgBox(e.description());
    }
}

namespace {

// Tells the user about each termbase a change did not reach: a termbase bound to another
// ontology may be unlinked, a failure is reported.
bool reportFindings(const ConceptChangeFindings &findings)
{
    for (const TermbaseNotChanged &t : findings.notChanged) {
        if (t.finding == TermbaseFinding::Failed) {
            ui::msgBox(t.sentence + QStringLiteral("\r\nThe other linked termbases are updated."), ui::Buttons::Ok,
                       ui::Icon::Exclamation);
            continue;
        }
        const ui::Answer answer =
            ui::msgBox(t.sentence + QStringLiteral("\r\n\r\nDo you want to unlink it from this ontology?"),
                       ui::Buttons::YesNo, ui::Icon::Exclamation);
        if (answer == ui::Answer::Yes)
            UnlinkTermbase(t.link.row);
    }
    return findings.linked;
}

}  // namespace

bool ApplyConceptChangeToTermbases(const QString &identifier, const QString &previous, ConceptChange change,
                                   ui::CommonDialog &dialog)
{
    CheckTermbaseLinks(dialog);
    return reportFindings(ChangeLinkedTermbases(identifier, previous, change));
}

bool ApplyAddedConceptsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog)
{
    CheckTermbaseLinks(dialog);
    return reportFindings(AddConceptsToLinkedTermbases(identifiers));
}

bool ApplyConceptDeletionsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog)
{
    CheckTermbaseLinks(dialog);
    return reportFindings(DeleteFromLinkedTermbases(identifiers));
}
