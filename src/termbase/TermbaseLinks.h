#pragma once
// The termbases linked to the open ontology. The ontology lists their files in its table
// TermBases (one row per link, in the order they were made; the same file may stand
// twice). Each termbase keeps its own copy of the ontology's concept identifiers in its
// CONCEPTS: linking makes that copy match the ontology, and every later addition,
// deletion and rename of a concept is applied to it.

#include "db/Cursor.h"
#include "db/Database.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The ontology's TermBases rows, editable: a link is added or released through its row.
db::QueryCursor OpenTermbaseLinkRows();

// Opens a file that is to be linked to the open ontology, or written for it, after making
// sure it is a termbase: a file that is no database is NotADatabase (3343), a database
// without the termbase's tables (an ontology picked by mistake, say) or without its
// properties record is ObjectNotFound (3011). Nothing is written to the file.
db::Database OpenTermbaseForLink(const QString &path);

// How the link commands refuse a file that OpenTermbaseForLink refused as no termbase.
void ShowNotATermbase(const QString &path);

enum class LinkPhase { Checking, DeletingUnmatched, AddingConcepts };

struct LinkProgress {
    std::function<void(LinkPhase phase, qsizetype maximum)> begin;
    std::function<void(qsizetype value)> step;  // from 1 up to the phase's maximum
};

// The ontology's concept list and a termbase's compared, each read once. Identifiers
// match without regard to ASCII letter case, as the files compare them.
struct ConceptListDifference {
    QStringList unmatched;  // the termbase's identifiers the ontology does not know, in key order
    QStringList missing;    // the ontology's identifiers the termbase lacks, the root included, in key order
    qsizetype ontologyCount = 0;
};
// The progress, when given, is the Checking phase: one step per identifier of the termbase.
ConceptListDifference CompareConceptLists(const db::Database &termbase, const LinkProgress &progress = {});

// Linking one termbase file to the open ontology:
//
//     TermbaseLink link(path, progress);  // opens the file, compares the concept lists
//     ... when link.unmatched() is not empty, ask whether they may be deleted ...
//     const qsizetype added = link.apply();
//
// apply() deletes the unmatched identifiers from the termbase (the cascade unties their
// term entries, which stay), adds every concept of the ontology that the termbase lacks,
// the root included, and binds the file to this ontology, all in one transaction: a
// failure leaves the file as it was. Listing the link in TermBases is the caller's.
// Identifiers match without regard to ASCII letter case, as the files compare them.
class TermbaseLink {
public:
    explicit TermbaseLink(const QString &path, LinkProgress progress = {});

    // The termbase's identifiers the ontology does not know, in the termbase's key order.
    const QStringList &unmatched() const { return m_difference.unmatched; }
    // Returns how many concepts were added.
    qsizetype apply();

private:
    db::Database m_termbase;
    LinkProgress m_progress;
    ConceptListDifference m_difference;
};

// Whether the ontology lists the termbase file among its links (a released termbase is
// bound to the ontology still, but no longer told of its changes).
bool IsLinkedTermbase(const QString &path);

// The termbase at path, opened beside its ontology, brought back in step with it when it
// is linked and a change of the ontology's concepts never reached it (the program
// stopped between the two files): it gets the concepts it lacks, the root apart (a
// termbase is made without it), and loses those the ontology no longer has, as linking
// does, in one transaction that compares the lists under the termbase's write lock.
// What was added and deleted is returned, for the user to be told. A repair that cannot
// be made (the termbase locked by another instance, the ontology unreadable) writes
// nothing and throws nothing: failure says why, and added and deleted are then what the
// termbase still lacks and still holds, or empty when the lists could not be compared.
struct TermbaseRepair {
    QStringList added;
    QStringList deleted;
    QString failure;
    bool isEmpty() const { return added.isEmpty() && deleted.isEmpty() && failure.isEmpty(); }
};
TermbaseRepair BringTermbaseInStep(db::Database &termbase, const QString &path);
// What the user is told of a repair of the termbase at path.
QString TermbaseRepairSentence(const TermbaseRepair &repair, const QString &path);

// One row of TermBases: the link is changed or released by its row, never found again by
// its path, since the same file may stand twice.
struct TermbaseLinkRow {
    qint64 row = 0;
    QString path;
};

// The links whose file is not there any more (or that name no file), in the order they
// were made. Nothing is asked and nothing changed: the window asks about each.
std::vector<TermbaseLinkRow> MissingTermbaseLinks();
void RelinkTermbase(qint64 row, const QString &path);
void UnlinkTermbase(qint64 row);

// The ontology a termbase file is bound to. A file that is no termbase is refused as
// OpenTermbaseForLink refuses it.
QString TermbaseOntologyOf(const QString &path);
// "TermBase ... belongs to the ontology ..., not to ...".
QString BoundElsewhereSentence(const QString &path, const QString &ontology);

enum class ConceptChange { Added = 1, Deleted = 2, Renamed = 3 };

enum class TermbaseFinding { BoundElsewhere, Failed };
struct TermbaseNotChanged {
    TermbaseLinkRow link;
    TermbaseFinding finding;
    QString sentence;  // what the user is told about it
};
struct ConceptChangeFindings {
    bool linked = false;  // the ontology has at least one linked termbase
    std::vector<TermbaseNotChanged> notChanged;  // in the order of the links
};

// Applies one change of the ontology's concepts to every linked termbase: Added gives the
// termbase a row for identifier unless it has one, Deleted removes the row of identifier,
// Renamed gives the row of previous the new identifier (its term entries follow through
// the cascade). A termbase bound to another ontology is not written; a termbase that
// cannot be opened or written (locked, replaced by another file, holding the new
// identifier already) is left as it was, and the others are still updated. Both are
// returned, nothing is asked.
ConceptChangeFindings ChangeLinkedTermbases(const QString &identifier, const QString &previous, ConceptChange change);

// Many additions at once (an import): every linked termbase gets a row for each identifier
// it lacks, opened once and written in one transaction, so a termbase the additions fail
// on is left as it was; the others are still updated. Returned as ChangeLinkedTermbases
// returns them, nothing is asked.
ConceptChangeFindings AddConceptsToLinkedTermbases(const QStringList &identifiers);

// Deletes many concepts from every linked termbase at once (a subset removed with its
// concepts): each termbase is opened once and loses them all in one transaction, or
// none when it fails. What was not changed is returned as above.
ConceptChangeFindings DeleteFromLinkedTermbases(const QStringList &identifiers);
