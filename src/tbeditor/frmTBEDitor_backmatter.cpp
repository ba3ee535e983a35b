// Back-matter records made at once when their category is chosen under a container:
// subject field sets, URLs and FPIs typed in a box, persons and bibliographical records
// through their dialogs.

#include "frmTBEDitor.h"

#include "frmPerson.h"
#include "publish/PersonPage.h"
#include "termbase/ElementStore.h"
#include "termbase/Global.h"
#include "termbase/TermbasePaths.h"
#include "ui/Forms.h"
#include "ui/InputBox.h"
#include "ui/MsgBox.h"

#include <QLineEdit>

namespace {

// The record as typed, however the box was left: Cancel is an empty answer.
QString typedRecord(const QString &prompt, const QString &title) { return ui::inputBoxOrEmpty(prompt, title); }

}  // namespace

void frmTBEDitor::addTextRecord(const QString &categoryID, const QString &prompt, const QString &title)
{
    const QString text = typedRecord(prompt, title);
    if (text.isEmpty())
        return;
    StoreBackMatterRecord(Tree1Nodes->elemID(selectedNode()), categoryID, text, {}, LastElemID);
}

void frmTBEDitor::AddSubjectFieldSet()
{
    addTextRecord(QStringLiteral("xx4"), QStringLiteral("Enter subject field set (e.g.: medicine)"),
                  QStringLiteral("New Subject Field Set"));
}

void frmTBEDitor::AddUrl()
{
    addTextRecord(QStringLiteral("x10.21.1"),
                  QStringLiteral("Enter URL. Don't forget to include ") + QStringLiteral("initial sequence (e.g.: 'http://')"),
                  QStringLiteral("New URL"));
}

void frmTBEDitor::AddFpi() { addTextRecord(QStringLiteral("x10.21.2"), QStringLiteral("Enter FPI:"), QStringLiteral("New FPI")); }

void frmTBEDitor::AddResponsible()
{
    // Before anything is typed: a Name that names no folder of the termbase's own says so.
    const QString back = TermbaseBackFolder();
    const auto person = ui::loadedOrNew<frmPerson>();
    person->load();
    person->showModal(*this);
    // Closed by its frame, or cancelled: nothing is stored, the fields wait for next time.
    if (!person->isLoaded() || person->txtAlias->text().isEmpty())
        return;
    const PersonFields fields{person->txtAlias->text(), person->txtName->text(),  person->txtRole->text(),
                              person->txtEmail->text(), person->txtPhone->text(), person->txtRemarks->text()};
    const PersonStored stored = StorePersonWithPage(Tree1Nodes->elemID(selectedNode()), fields, back, LastElemID);
    person->unload();
    if (!stored.pageError.isEmpty())
        ui::msgBox(QStringLiteral("The person ") + fields.alias +
                       QStringLiteral(" is stored, but the page could not be written: ") + stored.pageError,
                   ui::Buttons::Ok, ui::Icon::Exclamation);
}

bool frmTBEDitor::renamePerson(qint64 recordID, const QString &alias)
{
    if (AliasRefusedTold(alias, recordID))
        return false;
    const PersonRenamed renamed = RenamePersonWithPage(recordID, alias, TermbaseBackFolder());
    if (!renamed.pageError.isEmpty())
        ui::msgBox(QStringLiteral("The person ") + alias +
                       QStringLiteral(" is renamed, but the page could not be written: ") + renamed.pageError,
                   ui::Buttons::Ok, ui::Icon::Exclamation);
    return renamed.renamed;
}

void frmTBEDitor::AddBibliographicRecord()
{
    const auto biblio = ui::loadedOrNew<frmBiblio>();
    biblio->load();
    biblio->showModal(*this);
    if (!biblio->isLoaded() || biblio->txtDescriptor->text().isEmpty())
        return;
    // Pages come before the publishing house.
    StoreBackMatterRecord(Tree1Nodes->elemID(selectedNode()), QStringLiteral("x10.20"), biblio->txtDescriptor->text(),
                          {{QStringLiteral("x10.20.1"), biblio->txtAuthor->text()},
                           {QStringLiteral("x10.20.2"), biblio->txtDate->text()},
                           {QStringLiteral("x10.20.3"), biblio->txtArticle->text()},
                           {QStringLiteral("x10.20.4"), biblio->txtBook->text()},
                           {QStringLiteral("x10.20.8"), biblio->txtPages->text()},
                           {QStringLiteral("x10.20.5"), biblio->txtPHouse->text()},
                           {QStringLiteral("x10.20.6"), biblio->txtPPlace->text()}},
                          LastElemID);
    biblio->unload();
}
