#include "TermbaseLinks.h"

#include "MetaData.h"
#include "TermbasePaths.h"
#include "TermbaseSchema.h"
#include "db/Cursor.h"
#include "db/Text.h"
#include "ontology/DataFolders.h"
#include "ontology/Global.h"
#include "ui/FileDialog.h"
#include "ui/MsgBox.h"

#include <QFileInfo>
#include <set>

namespace {

const QString conceptField = QStringLiteral("Concept");
const QString dbNameField = QStringLiteral("DBName");

// Identifiers as the files' keys see them: two that differ only in ASCII letter case are one.
struct SameKeyLess {
    bool operator()(const QString &a, const QString &b) const { return db::compareText(a, b) < 0; }
};
using IdentifierSet = std::set<QString, SameKeyLess>;

IdentifierSet identifiersOf(const db::Database &file)
{
    IdentifierSet out;
    db::Statement st(file, QStringLiteral("SELECT Concept FROM CONCEPTS"));
    while (st.step())
        out.insert(st.column(0).toString());
    return out;
}

QStringList identifierList(const db::Database &file, const QString &order)
{
    QStringList out;
    db::Statement st(file, QStringLiteral("SELECT Concept FROM CONCEPTS") + order);
    while (st.step())
        out << st.column(0).toString();
    return out;
}

void begin(const LinkProgress &p, LinkPhase phase, qsizetype maximum)
{
    if (p.begin)
        p.begin(phase, maximum);
}

void step(const LinkProgress &p, qsizetype value)
{
    if (p.step)
        p.step(value);
}

QString boundElsewhere(const QString &path, const QString &ontology)
{
    return QStringLiteral("TermBase %1 belongs to the ontology %2, not to %3.").arg(path, ontology, OntologyPath);
}

void showLinkDeleted()
{
    ui::msgBox(QStringLiteral("Link will be deleted. You can link databases from the ") + QuoteChar +
               QStringLiteral("Options dialog box") + QuoteChar);
}

bool isNotATermbase(const db::DbError &e)
{
    return e.number() == db::err::NotADatabase || e.number() == db::err::ObjectNotFound;
}

// The file the user found for a link whose file is gone: a termbase bound to this
// ontology, or nothing (the user was told why, and is asked again).
bool acceptableReplacement(const QString &path)
{
    try {
        const db::Database termbase = OpenTermbaseForLink(path);
        const QString bound = ReadTermbaseOntology(termbase);
        if (IsWorkingOntology(bound))
            return true;
        ui::msgBox(boundElsewhere(path, bound), ui::Buttons::Ok, ui::Icon::Exclamation);
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

void applyChange(db::Database &termbase, const QString &identifier, const QString &previous, ConceptChange change)
{
    db::TableCursor concepts(termbase, QStringLiteral("CONCEPTS"), conceptField);
    switch (change) {
    case ConceptChange::Added:
        concepts.seek(identifier);
        if (concepts.noMatch()) {
            concepts.addNew();
            concepts.setField(conceptField, identifier);
            concepts.update();
        }
        break;
    case ConceptChange::Deleted:
        concepts.seek(identifier);
        if (!concepts.noMatch())
            concepts.deleteRow();
        break;
    case ConceptChange::Renamed:
        // A termbase without the old identifier gets nothing.
        concepts.seek(previous);
        if (!concepts.noMatch()) {
            concepts.edit();
            concepts.setField(conceptField, identifier);
            concepts.update();
        }
        break;
    }
}

void reportFailure(const QString &path, const QString &identifier, const QString &previous, ConceptChange change,
                   const db::DbError &e)
{
    QString prompt;
    if (change == ConceptChange::Renamed && e.number() == db::err::DuplicateKey)
        prompt = QStringLiteral("TermBase %1 already has the concept %2, so %3 could not be renamed in it.")
                     .arg(path, identifier, previous);
    else
        prompt = QStringLiteral("TermBase %1 could not be updated: %2").arg(path, e.description());
    ui::msgBox(prompt + QStringLiteral("\r\nThe other linked termbases are updated."), ui::Buttons::Ok,
               ui::Icon::Exclamation);
}

}  // namespace

db::Database OpenTermbaseForLink(const QString &path)
{
    db::Database termbase = db::Database::open(path, {false, false, {}, termbaseTables()});
    ReadTermbaseOntology(termbase);  // a file without its properties record is no termbase
    return termbase;
}

void ShowNotATermbase(const QString &path)
{
    ui::msgBox(QStringLiteral("Not a Lexvarin Termbase - ") + path, ui::Buttons::Ok, ui::Icon::Critical,
               QStringLiteral("Error"));
}

// --------------------------------------------------------------------------------

TermbaseLink::TermbaseLink(const QString &path, LinkProgress progress)
    : m_termbase(OpenTermbaseForLink(path)), m_progress(std::move(progress))
{
    const IdentifierSet ontology = identifiersOf(OntologyDB);
    const QStringList own = identifierList(m_termbase, QStringLiteral(" ORDER BY Concept"));
    if (own.isEmpty())
        return;
    begin(m_progress, LinkPhase::Checking, own.size());
    for (qsizetype i = 0; i < own.size(); ++i) {
        step(m_progress, i + 1);
        if (!ontology.count(own.at(i)))
            m_unmatched << own.at(i);
    }
}

qsizetype TermbaseLink::apply()
{
    db::Transaction tx(m_termbase);
    if (!m_unmatched.isEmpty()) {
        begin(m_progress, LinkPhase::DeletingUnmatched, m_unmatched.size());
        db::Statement remove(m_termbase, QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = ?"));
        for (qsizetype i = 0; i < m_unmatched.size(); ++i) {
            step(m_progress, i + 1);
            remove.bind(1, m_unmatched.at(i));
            remove.run();
        }
    }

    const QStringList ontology = identifierList(OntologyDB, {});
    const IdentifierSet own = identifiersOf(m_termbase);
    begin(m_progress, LinkPhase::AddingConcepts, ontology.size());
    db::Statement add(m_termbase, QStringLiteral("INSERT INTO CONCEPTS (Concept) VALUES (?)"));
    qsizetype added = 0;
    for (qsizetype i = 0; i < ontology.size(); ++i) {
        step(m_progress, i + 1);
        if (own.count(ontology.at(i)))
            continue;
        add.bind(1, ontology.at(i));
        add.run();
        ++added;
    }

    BindTermbaseToOntology(m_termbase);
    tx.commit();
    m_termbase.close();
    return added;
}

// --------------------------------------------------------------------------------

void CheckTermbaseLinks(ui::CommonDialog &dialog)
{
    try {
        // A fresh cursor stands on the first row, or at the end of an empty table.
        db::TableCursor links(OntologyDB, QStringLiteral("TermBases"));
        for (; !links.eof(); links.moveNext()) {
            const QString path = links.text(dbNameField);
            if (!path.isEmpty() && QFileInfo::exists(path))
                continue;
            const QString found = findMovedTermbase(path, dialog);
            if (found.isEmpty()) {
                showLinkDeleted();
                links.deleteRow();
            } else {
                links.edit();
                links.setField(dbNameField, found);
                links.update();
            }
        }
    } catch (const db::DbError &e) {
        ui::msgBox(e.description());
    }
}

namespace {

// Runs write on every termbase linked to the open ontology, after CheckTermbaseLinks; a
// file that fails is reported by failed and the others are still written. False when
// the ontology has no linked termbase.
bool writeLinkedTermbases(ui::CommonDialog &dialog, const std::function<void(db::Database &)> &write,
                          const std::function<void(const QString &path, const db::DbError &)> &failed)
{
    CheckTermbaseLinks(dialog);
    db::TableCursor links(OntologyDB, QStringLiteral("TermBases"));
    if (links.isEmpty())
        return false;
    for (; !links.eof(); links.moveNext()) {
        const QString path = links.text(dbNameField);
        try {
            // Opened anew for each change and let go before the next file: the termbase
            // editor may hold the same file open meanwhile.
            db::Database termbase = OpenTermbaseForLink(path);
            const QString bound = ReadTermbaseOntology(termbase);
            if (!IsWorkingOntology(bound)) {
                const ui::Answer answer = ui::msgBox(
                    boundElsewhere(path, bound) +
                        QStringLiteral(" It was not changed.\r\n\r\nDo you want to unlink it from this ontology?"),
                    ui::Buttons::YesNo, ui::Icon::Exclamation);
                if (answer == ui::Answer::Yes)
                    links.deleteRow();
                continue;
            }
            write(termbase);
        } catch (const db::DbError &e) {
            failed(path, e);
        }
    }
    return true;
}

}  // namespace

bool ApplyConceptChangeToTermbases(const QString &identifier, const QString &previous, ConceptChange change,
                                   ui::CommonDialog &dialog)
{
    return writeLinkedTermbases(
        dialog, [&](db::Database &termbase) { applyChange(termbase, identifier, previous, change); },
        [&](const QString &path, const db::DbError &e) { reportFailure(path, identifier, previous, change, e); });
}

bool ApplyConceptDeletionsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog)
{
    return writeLinkedTermbases(
        dialog,
        [&](db::Database &termbase) {
            db::Transaction tx(termbase);
            db::Statement remove(termbase, QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = ?"));
            for (const QString &identifier : identifiers) {
                remove.bind(1, identifier);
                remove.run();
            }
            tx.commit();
        },
        [](const QString &path, const db::DbError &e) {
            reportFailure(path, {}, {}, ConceptChange::Deleted, e);
        });
}
