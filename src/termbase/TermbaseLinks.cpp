#include "TermbaseLinks.h"

#include "MetaData.h"
#include "TermbasePaths.h"
#include "TermbaseSchema.h"
#include "db/Cursor.h"
#include "db/Text.h"
#include "ontology/DataFolders.h"
#include "ontology/Global.h"
#include "ui/MsgBox.h"

#include <QFileInfo>
#include <algorithm>
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

// In the files' key order, which compareText follows.
QStringList identifierList(const db::Database &file)
{
    QStringList out;
    db::Statement st(file, QStringLiteral("SELECT Concept FROM CONCEPTS ORDER BY Concept"));
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

void applyChange(db::Database &termbase, const QString &identifier, const QString &previous, ConceptChange change)
{
    // What the seek finds stays so until the change is written.
    db::Transaction tx(termbase, db::Transaction::Kind::Write);
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
    tx.commit();
}

QString failureSentence(const QString &path, const QString &identifier, const QString &previous,
                        ConceptChange change, const db::DbError &e)
{
    if (change == ConceptChange::Renamed && e.number() == db::err::DuplicateKey)
        return QStringLiteral("TermBase %1 already has the concept %2, so %3 could not be renamed in it.")
            .arg(path, identifier, previous);
    return QStringLiteral("TermBase %1 could not be updated: %2").arg(path, e.description());
}

std::vector<TermbaseLinkRow> linkRows()
{
    std::vector<TermbaseLinkRow> rows;
    db::Statement st(OntologyDB, QStringLiteral("SELECT rowid, DBName FROM TermBases ORDER BY rowid"));
    while (st.step())
        rows.push_back({st.column(0).toLongLong(), st.column(1).toString()});
    return rows;
}

}  // namespace

db::QueryCursor OpenTermbaseLinkRows()
{
    return db::QueryCursor::dynaset(OntologyDB, QStringLiteral("SELECT * FROM TermBases"));
}

db::Database OpenTermbaseForLink(const QString &path)
{
    db::Database termbase = db::Database::open(path, {false, false, {}, termbaseTables()});
    ReadTermbaseOntology(termbase);  // a file without its properties record is no termbase
    return termbase;
}

void ShowNotATermbase(const QString &path)
{
    ui::errorBox(QStringLiteral("Not a Lexvarin Termbase - ") + path);
}

// --------------------------------------------------------------------------------

ConceptListDifference CompareConceptLists(const db::Database &termbase, const LinkProgress &progress)
{
    // Both lists in the files' key order, walked side by side: one read of each file
    // however many concepts they hold.
    const QStringList ontology = identifierList(OntologyDB);
    const QStringList own = identifierList(termbase);
    ConceptListDifference difference;
    difference.ontologyCount = ontology.size();
    if (!own.isEmpty())
        begin(progress, LinkPhase::Checking, own.size());
    qsizetype o = 0;
    for (qsizetype t = 0; t < own.size(); ++t) {
        step(progress, t + 1);
        int order = 1;
        for (; o < ontology.size() && (order = db::compareText(ontology.at(o), own.at(t))) < 0; ++o)
            difference.missing << ontology.at(o);
        if (o == ontology.size() || order > 0)
            difference.unmatched << own.at(t);
        else
            ++o;
    }
    for (; o < ontology.size(); ++o)
        difference.missing << ontology.at(o);
    return difference;
}

namespace {

// Deletes the unmatched identifiers (the cascade unties their term entries, which stay)
// and adds the missing ones, inside the caller's transaction.
void writeDifference(db::Database &termbase, const ConceptListDifference &difference, const LinkProgress &progress)
{
    if (!difference.unmatched.isEmpty()) {
        begin(progress, LinkPhase::DeletingUnmatched, difference.unmatched.size());
        db::Statement remove(termbase, QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = ?"));
        for (qsizetype i = 0; i < difference.unmatched.size(); ++i) {
            step(progress, i + 1);
            remove.bind(1, difference.unmatched.at(i));
            remove.run();
        }
    }
    begin(progress, LinkPhase::AddingConcepts, difference.ontologyCount);
    db::Statement add(termbase, QStringLiteral("INSERT INTO CONCEPTS (Concept) VALUES (?)"));
    for (qsizetype i = 0; i < difference.missing.size(); ++i) {
        step(progress, i + 1);
        add.bind(1, difference.missing.at(i));
        add.run();
    }
    if (difference.ontologyCount > 0)
        step(progress, difference.ontologyCount);
}

}  // namespace

TermbaseLink::TermbaseLink(const QString &path, LinkProgress progress)
    : m_termbase(OpenTermbaseForLink(path)), m_progress(std::move(progress)),
      m_difference(CompareConceptLists(m_termbase, m_progress))
{
}

qsizetype TermbaseLink::apply()
{
    db::Transaction tx(m_termbase);
    writeDifference(m_termbase, m_difference, m_progress);
    BindTermbaseToOntology(m_termbase);
    tx.commit();
    m_termbase.close();
    return m_difference.missing.size();
}

// --------------------------------------------------------------------------------

bool IsLinkedTermbase(const QString &path)
{
    const std::vector<TermbaseLinkRow> links = linkRows();
    return std::any_of(links.begin(), links.end(), [&](const TermbaseLinkRow &link) { return SameFile(link.path, path); });
}

TermbaseRepair BringTermbaseInStep(db::Database &termbase, const QString &path)
{
    const auto difference = [&] {
        ConceptListDifference d = CompareConceptLists(termbase);
        // A termbase is made without the root; only linking adds it.
        d.missing.removeIf([](const QString &id) { return db::sameText(id, RootConcept); });
        return d;
    };
    bool linked = false;
    try {
        linked = IsLinkedTermbase(path);
        if (!linked)
            return {};
        // Compared under the write lock: another instance writing between the comparison
        // and the repair would make the repair add what is there already.
        db::Transaction tx(termbase, db::Transaction::Kind::Write);
        const ConceptListDifference d = difference();
        if (d.unmatched.isEmpty() && d.missing.isEmpty())
            return {};
        writeDifference(termbase, d, {});
        tx.commit();
        return {d.missing, d.unmatched, {}};
    } catch (const db::DbError &e) {
        // The termbase is sound as it is: it opens, and the user is told what is not in step.
        TermbaseRepair notMade{{}, {}, e.description()};
        if (!linked)
            return notMade;
        try {
            const ConceptListDifference d = difference();
            if (d.unmatched.isEmpty() && d.missing.isEmpty())
                return {};
            notMade.added = d.missing;
            notMade.deleted = d.unmatched;
        } catch (const db::DbError &) {
            // The lists cannot be read at all: the sentence says they were not compared.
        }
        return notMade;
    }
}

QString TermbaseRepairSentence(const TermbaseRepair &repair, const QString &path)
{
    // Enough names to recognise the concepts by, not a page of them.
    const auto named = [](const QStringList &ids) {
        constexpr qsizetype shown = 10;
        QString names = ids.mid(0, shown).join(QStringLiteral(", "));
        if (ids.size() > shown)
            names += QStringLiteral(" ...");
        return names;
    };
    const auto concepts = [](const QStringList &ids) {
        return QString::number(ids.size()) +
               (ids.size() == 1 ? QStringLiteral(" concept") : QStringLiteral(" concepts"));
    };
    const QString termbase = QStringLiteral("TermBase ") + path;
    if (!repair.failure.isEmpty() && repair.added.isEmpty() && repair.deleted.isEmpty())
        return termbase + QStringLiteral(" could not be compared with the concepts of ") + OntologyPath +
               QStringLiteral(" (") + repair.failure +
               QStringLiteral("). It opens as it is, and may lack concepts of the ontology or hold concepts the "
                              "ontology no longer has; opening it again compares them again.");
    if (!repair.failure.isEmpty()) {
        QStringList lines{termbase + QStringLiteral(" had not been told of every change to the concepts of ") +
                          OntologyPath + QStringLiteral(", and could not be brought in step with it (") +
                          repair.failure + QStringLiteral("). It opens as it is; opening it again tries again.")};
        if (!repair.added.isEmpty())
            lines << QStringLiteral("It lacks ") + concepts(repair.added) + QStringLiteral(" of the ontology: ") +
                         named(repair.added);
        if (!repair.deleted.isEmpty())
            lines << QStringLiteral("It holds ") + concepts(repair.deleted) +
                         QStringLiteral(" that the ontology no longer has: ") + named(repair.deleted);
        return lines.join(QStringLiteral("\r\n"));
    }
    QStringList lines{termbase + QStringLiteral(" had not been told of every change to the concepts of ") + OntologyPath +
                      QStringLiteral(", and was brought in step with it.")};
    if (!repair.added.isEmpty())
        lines << QString::number(repair.added.size()) + QStringLiteral(" concepts were added to it: ") + named(repair.added);
    if (!repair.deleted.isEmpty())
        lines << QString::number(repair.deleted.size()) +
                     QStringLiteral(" concepts that the ontology no longer has were deleted from it (their term entries "
                                    "stay, without a concept): ") +
                     named(repair.deleted);
    return lines.join(QStringLiteral("\r\n"));
}

// --------------------------------------------------------------------------------

QString BoundElsewhereSentence(const QString &path, const QString &ontology)
{
    return QStringLiteral("TermBase %1 belongs to the ontology %2, not to %3.").arg(path, ontology, OntologyPath);
}

QString TermbaseOntologyOf(const QString &path)
{
    const db::Database termbase = OpenTermbaseForLink(path);
    return ReadTermbaseOntology(termbase);
}

std::vector<TermbaseLinkRow> MissingTermbaseLinks()
{
    std::vector<TermbaseLinkRow> missing;
    for (TermbaseLinkRow &link : linkRows())
        if (link.path.isEmpty() || !QFileInfo::exists(link.path))
            missing.push_back(std::move(link));
    return missing;
}

void RelinkTermbase(qint64 row, const QString &path)
{
    OntologyDB.execute(QStringLiteral("UPDATE TermBases SET DBName = ? WHERE rowid = ?"), {path, row});
}

void UnlinkTermbase(qint64 row) { OntologyDB.execute(QStringLiteral("DELETE FROM TermBases WHERE rowid = ?"), {row}); }

namespace {

// Applies a change to every linked termbase bound to this ontology; the ones bound
// elsewhere, and the ones the change failed on, are returned with what to tell the user.
ConceptChangeFindings changeEachLinkedTermbase(const std::function<void(db::Database &)> &apply,
                                               const std::function<QString(const QString &, const db::DbError &)> &failure)
{
    ConceptChangeFindings findings;
    const std::vector<TermbaseLinkRow> links = linkRows();
    findings.linked = !links.empty();
    for (const TermbaseLinkRow &link : links) {
        try {
            // Opened anew for each change and let go before the next file: the termbase
            // editor may hold the same file open meanwhile.
            db::Database termbase = OpenTermbaseForLink(link.path);
            const QString bound = ReadTermbaseOntology(termbase);
            if (!IsWorkingOntology(bound)) {
                findings.notChanged.push_back({link, TermbaseFinding::BoundElsewhere,
                                               BoundElsewhereSentence(link.path, bound) + QStringLiteral(" It was not changed.")});
                continue;
            }
            apply(termbase);
        } catch (const db::DbError &e) {
            findings.notChanged.push_back({link, TermbaseFinding::Failed, failure(link.path, e)});
        }
    }
    return findings;
}

}  // namespace

ConceptChangeFindings ChangeLinkedTermbases(const QString &identifier, const QString &previous, ConceptChange change)
{
    return changeEachLinkedTermbase(
        [&](db::Database &termbase) { applyChange(termbase, identifier, previous, change); },
        [&](const QString &path, const db::DbError &e) { return failureSentence(path, identifier, previous, change, e); });
}

ConceptChangeFindings AddConceptsToLinkedTermbases(const QStringList &identifiers)
{
    return changeEachLinkedTermbase(
        [&](db::Database &termbase) {
            // Read under the write lock: another instance adding one of them between the
            // read and the writes would make the whole addition fail.
            db::Transaction tx(termbase, db::Transaction::Kind::Write);
            const IdentifierSet own = identifiersOf(termbase);
            db::Statement add(termbase, QStringLiteral("INSERT INTO CONCEPTS (Concept) VALUES (?)"));
            for (const QString &id : identifiers)
                if (!own.count(id))
                    add.bind(1, id).run();
            tx.commit();
        },
        [&](const QString &path, const db::DbError &e) {
            return QStringLiteral("TermBase %1 could not be given the %2 concepts added: %3")
                .arg(path)
                .arg(identifiers.size())
                .arg(e.description());
        });
}

ConceptChangeFindings DeleteFromLinkedTermbases(const QStringList &identifiers)
{
    return changeEachLinkedTermbase(
        [&](db::Database &termbase) {
            const db::BulkCache cache(termbase);
            db::Transaction tx(termbase);
            db::Statement remove(termbase, QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = ?"));
            for (const QString &identifier : identifiers) {
                remove.bind(1, identifier);
                remove.run();
            }
            tx.commit();
        },
        [](const QString &path, const db::DbError &e) {
            return failureSentence(path, {}, {}, ConceptChange::Deleted, e);
        });
}
