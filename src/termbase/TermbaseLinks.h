#pragma once
// The termbases linked to the open ontology. The ontology lists their files in its table
// TermBases (one row per link, in the order they were made; the same file may stand
// twice). Each termbase keeps its own copy of the ontology's concept identifiers in its
// CONCEPTS: linking makes that copy match the ontology, and every later addition,
// deletion and rename of a concept is applied to it.

#include "db/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace ui {
class CommonDialog;
}

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
    const QStringList &unmatched() const { return m_unmatched; }
    // Returns how many concepts were added.
    qsizetype apply();

private:
    db::Database m_termbase;
    LinkProgress m_progress;
    QStringList m_unmatched;
};

// Goes through TermBases and asks about every linked file that is not there any more:
// the user finds it (the link then names the file found) or the link is deleted. A file
// found must be a termbase bound to this ontology; anything else is refused and the
// question asked again. An error of the file system or of the ontology ends the check
// with its description; the links not reached yet stay unchecked.
void CheckTermbaseLinks(ui::CommonDialog &dialog);

enum class ConceptChange { Added = 1, Deleted = 2, Renamed = 3 };

// Applies one change of the ontology's concepts to every linked termbase, after
// CheckTermbaseLinks: Added gives the termbase a row for identifier unless it has one,
// Deleted removes the row of identifier, Renamed gives the row of previous the new
// identifier (its term entries follow through the cascade). A termbase bound to another
// ontology is not written: the user is told and may unlink it. A termbase that cannot
// be opened or written (locked, replaced by another file, holding the new identifier
// already) is reported, and the other termbases are still updated. Returns false when
// the ontology has no linked termbase, so that no termbase editor needs telling.
bool ApplyConceptChangeToTermbases(const QString &identifier, const QString &previous, ConceptChange change,
                                   ui::CommonDialog &dialog);

// Deletes many concepts from every linked termbase at once (a subset removed with its
// concepts): each termbase is opened once and loses them all in one transaction, or none
// when it fails; failures are reported as above. False when no termbase is linked.
bool ApplyConceptDeletionsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog);
