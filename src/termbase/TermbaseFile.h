#pragma once
// Opening and closing the one termbase the editor works on: the file, its properties
// record, the cursors kept open and the data-category table. The editor window adds
// its own controls around these.

#include "Global.h"
#include "TermbaseLinks.h"

#include <optional>

struct OpenedTermbase {
    // The termbase is bound to another ontology than the open one: nothing was left
    // open and the file was not written. workingOntology is the one it names.
    bool refused = false;
    QString workingOntology;

    qint64 LastElemID = 0;  // the highest elemID in use
    qint64 EntryCount = 0;  // elements of category "0.3"
    qint64 TermCount = 0;   // elements of category "1"
    // False when no category has a name in the termbase's data-category language:
    // DCTable is then empty, and the user should be told.
    bool dataCategoriesNamed = false;
    // What the open did to bring a linked termbase back in step with its ontology.
    TermbaseRepair repaired;

    // The editor's own table cursors on CONCEPTS (index Concept) and TERMS (elemID).
    std::optional<db::TableCursor> RSConcepts;
    std::optional<db::TableCursor> RSTerms;
};

// Opens the termbase at path for work: TermbaseDB, TermbaseInfo (its Modified becomes
// today), TermbasePath and TermbaseFolder, the shared cursors and DCTable; a linked
// termbase is first brought in step with the ontology (BringTermbaseInStep). A termbase
// must not be open already. What an attach stopped half-way left in the termbase's
// folders is finished or dropped first. A file that is no database or lacks a termbase table is
// NotADatabase (3343) or ObjectNotFound (3011), and so is a file without its
// MetaData row. Whatever fails, nothing stays open and the file is not written.
OpenedTermbase OpenTermbaseFile(QString path);

// Writes TermbaseInfo back (WriteTermbaseMetaData), then closes everything
// (ReleaseTermbase). A write-back that fails still closes, and its error follows.
void CloseTermbaseFile();

// Closes the cursors and the database without writing anything, and forgets the
// termbase: TermbasePath, TermbaseFolder, TermbaseInfo and DCTable are emptied.
void ReleaseTermbase();

// The cursor openers, each on TermbaseDB.
qint64 OpenElementsTable();            // RSElements; returns the highest elemID, 0 when none
db::TableCursor OpenConceptTables();   // RSTEConcepts; returns the cursor on CONCEPTS
db::TableCursor OpenTermsTable();      // returns the cursor on TERMS
void OpenElementsUseLangTable();
void OpenRefValuesTable();
void OpenPointersTable();
void OpenTextValuesTable();

// The editor's concept list: every row of CONCEPTS in identifier order, editable.
db::QueryCursor OpenConceptListCursor();
// The working languages in their chosen order, editable.
db::QueryCursor OpenLanguagesCursor();

// How many elements of a category the termbase holds.
qint64 CountElements(const QString &categoryID);
