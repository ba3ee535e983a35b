#pragma once
// The page writers: the concept page with its Conceptual Structures table, and the
// term-entry page. Pages are UTF-8 with CR LF line ends, every text from a database is
// HTML-escaped, and a page is written beside its old version and then put in its place,
// so a failed write leaves the old page whole. Failures of the file or the databases are
// thrown (db::DbError) for the caller's command to report.
//
// One page, as the navigator or the termbase editor writes it (through the engine):
//   WriteConceptPage(concept, publishFolder, true, true, true, true);
//   WriteTermEntryPage(entryName, entryElemID, publishFolder, TermbaseInfo.CSBrowser, true, true, true, true);
// Many pages (publishing, reports): read the hierarchy once, then write each page from it.
//   const HierarchySnapshot snapshot = HierarchySnapshot::read(OntologyDB, RootConcept);
//   for (...) WriteConceptPage(concept, folder, true, true, true, true, &snapshot);
//
// Folder is a folder path with or without a trailing separator; the page file name comes
// from PageFileName (PageFileNames.h).

#include "HierarchySnapshot.h"
#include "db/Cursor.h"

#include <QDate>
#include <QString>
#include <QVariant>

// The root's page, and those of the twelve top concepts, carry no Conceptual Structures
// table. Compared exactly, letter case included.
bool IsExcludedFromStructures(const QString &Concept);

// What a Conceptual Structures table shows; a list left empty gives no row.
struct StructuresFacts {
    QStringList parents, children, descendants, ancestors;  // descendants and ancestors sorted
    std::vector<RelationRow> relations;
    std::vector<AttributeRow> attributes;
    std::vector<InheritedRow> inheritedRelations, inheritedAttributes;
};
// What a concept page shows. Read on the window's thread; the text is then made from it
// without a database, so that may be done on any thread.
struct ConceptPageFacts {
    QString definition;
    bool structures = false;  // whether the page has the table (IsExcludedFromStructures)
    StructuresFacts table;
};
StructuresFacts ReadStructuresFacts(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                                    bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                                    const HierarchySnapshot *snapshot = nullptr);
ConceptPageFacts ReadConceptPageFacts(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                                      bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                                      const HierarchySnapshot *snapshot = nullptr);
QString StructuresTableText(const StructuresFacts &facts);
QString ConceptPageText(const QString &Concept, const ConceptPageFacts &facts);

// Writes "<Folder>/<PageFileName(Concept)>" from the open ontology. With a snapshot the
// hierarchy, slots and inherited rows come from it instead of the engine.
void WriteConceptPage(const QString &Concept, const QString &Folder, bool IncludeAncestors, bool IncludeDescendants,
                      bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                      const HierarchySnapshot *snapshot = nullptr);

// The table "Conceptual Structures" of a concept as one piece of HTML without line breaks.
QString ConceptStructuresTable(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                               bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                               const HierarchySnapshot *snapshot = nullptr);

// Writes "<Folder>/<PageFileName(EntryName)>" for the term entry EntryElemID of the open
// termbase. IncludeStructures puts the Conceptual Structures table of the ontology concept
// named EntryName on the page (the caller passes TermbaseInfo.CSBrowser or its own
// choice); the stored option is never read here. A term without its TERMS row is reported
// with a message box, and the page is still finished.
void WriteTermEntryPage(const QString &EntryName, qint64 EntryElemID, const QString &Folder, bool IncludeStructures,
                        bool IncludeAncestors, bool IncludeDescendants, bool IncludeInheritedRelations,
                        bool IncludeInheritedAttributes, const HierarchySnapshot *snapshot = nullptr);

// The HTML of the elements in `rows` (a cursor over elements rows) and all their
// sub-elements: one line per element with its category name, value and language,
// sub-elements in nested blockquotes (none under terms and language sections).
QString ElementTreeHtml(db::QueryCursor &rows);

// The display value, value type and language of one element by its data category.
// Value comes in with what the caller has and goes out with the element's value: for
// pictures, attached files, URLs and cross-references a piece of HTML (its texts already
// escaped); otherwise the stored value with its type (a date stays a QDate), which a page
// must escape. ValueType is set only for categories whose value lies in a value table.
// A missing element, term or category is reported with its message box and leaves the
// out-values as they were.
void ElementValueHtml(qint64 ElemID, QVariant &Value, QString &ValueType, QString &Language);

// Whether ElementValueHtml gives a piece of HTML for the category (rather than a value).
bool IsHtmlValueCategory(const QString &categoryID);

// The language name a section table is headed with ("en" is "English"); other codes as
// they are.
QString SectionLanguageName(const QString &langID);

// The date the "Updated:" line shows: today in the short date format of the default
// locale. Tests fix it; an invalid date goes back to today.
void SetPageDate(const QDate &date);
QString PageDateText();
