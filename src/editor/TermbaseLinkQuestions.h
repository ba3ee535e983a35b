#pragma once
// The questions the main window asks about the linked termbases: where a file that is
// gone went, and whether a termbase bound to another ontology is to be unlinked.

#include "termbase/TermbaseLinks.h"

namespace ui {
class CommonDialog;
}

// Goes through TermBases and asks about every linked file that is not there any more:
// the user finds it (the link then names the file found) or the link is deleted. A file
// found must be a termbase bound to this ontology; anything else is refused and the
// question asked again. An error of the file system or of the ontology ends the check
// with its description; the links not reached yet stay unchecked.
void CheckTermbaseLinks(ui::CommonDialog &dialog);

// Checks the links, then applies the change to every linked termbase and tells the
// user about each one that was not changed: a termbase bound to another ontology may be
// unlinked, a failure is reported. Returns false when the ontology has no linked
// termbase, so that no termbase editor needs telling.
bool ApplyConceptChangeToTermbases(const QString &identifier, const QString &previous, ConceptChange change,
                                   ui::CommonDialog &dialog);
// The same for many concepts added at once (an import): each termbase is written once.
bool ApplyAddedConceptsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog);

// The same for many concepts deleted at once (a subset removed): each linked termbase is
// opened once and loses them all in one transaction.
bool ApplyConceptDeletionsToTermbases(const QStringList &identifiers, ui::CommonDialog &dialog);
