#pragma once
// Storing the elements of term entries: term entries, terms with their language
// sections, values of the four value types, references to back-matter records and
// attached files, cross-references, changed values and renamed items; and the reads the
// value editor needs to offer them.
//
// Every command is one transaction: an element is written whole, with its value,
// language, pointer or term rows, or not at all. The target of a reference is checked
// before anything is written, so no element is left pointing at nothing.
//
// New elements take the next numbers above both lastElemID, the caller's counter, and
// the highest elemID in the file when the command runs (another window may have stored
// since); the counter is raised only when the command has committed. A store that fails
// says, after the engine's words, what was not stored.

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

// The highest elemID an element may take: the field holds a 32-bit number.
constexpr qint64 LastPossibleElemID = 2147483647;

// A record a reference may point at: its element and its text (or file name).
struct BackMatterRecord {
    qint64 elemID = 0;
    QString text;
};

// ---- What the value editor offers --------------------------------------------------

// The categories that may be added under an element of parentCategoryID, those allowed
// under every element ('all') included.
QSet<QString> ValidChildCategories(const QString &parentCategoryID);

// Categories whose element points at a back-matter record kept as text: "10.2.2.*",
// "10.20", "4" and "10.21.?".
bool IsReferringCategory(const QString &categoryID);
// The back-matter category a referring category points at.
QString BackMatterCategoryOf(const QString &referringCategoryID);
// The records of a back-matter category, in the order they were stored; records of equal
// text are listed as often as they occur.
std::vector<BackMatterRecord> ListBackMatterRecords(const QString &backMatterCategoryID);

// The file records (attached and context files) a "ref" category may point at.
std::vector<BackMatterRecord> FillReferenceList(const QString &categoryID);
// The back-matter category of file records a "ref" category lists; "" for none.
QString ReferenceKindOf(const QString &categoryID);

QStringList PicklistValues(const QString &categoryID);

// ---- Storing -----------------------------------------------------------------------

enum class ValueKind { Text, Picklist, Reference, Date, Number };

// A term entry for a concept under parentID. A concept has at most one entry in the whole
// termbase, and it must be one of the termbase's concepts.
enum class EntryOutcome { Stored, Exists, UnknownConcept };
struct EntryStored {
    EntryOutcome outcome = EntryOutcome::Stored;
    qint64 elemID = 0;
};
EntryStored StoreTermEntry(qint64 parentID, const QString &conceptID, qint64 &lastElemID);

// A term under its entry, in the entry's language section for langID, made with the
// term when the entry has none for it (the section first, the term next).
struct TermStored {
    qint64 sectionID = 0;
    qint64 termID = 0;
    bool sectionMade = false;
    // Sections of the entry without their language row: left out of the search, for the
    // user to be told.
    std::vector<qint64> sectionsWithoutLanguage;
};
TermStored StoreTerm(qint64 entryID, const QString &term, const QString &langID, qint64 &lastElemID);

// An element of a referring category pointing at the record targetID, which must still
// be a record of backMatterCategoryID. 0, with nothing written, when it is not.
qint64 StoreReferringElement(qint64 parentID, const QString &categoryID, qint64 targetID,
                             const QString &backMatterCategoryID, qint64 &lastElemID);

// An element with its value: text, picklist text, date, number, or (Reference) the elemID
// of the file record it points at. langID, when not empty, becomes its language row.
// 0, with nothing written, when a referenced file record is gone.
qint64 StoreValueElement(qint64 parentID, const QString &categoryID, ValueKind kind, const QVariant &value,
                         const QString &langID, qint64 &lastElemID);

// A cross-reference under sourceID: its text and its pointer to targetID.
qint64 StoreCrossReference(qint64 sourceID, const QString &pointerCategoryID, qint64 targetID, const QString &text,
                           qint64 &lastElemID);

// Changes the value row of the kind, and the language row when langID is given and the
// element has one. False, with nothing changed, when the element has no such value row.
bool UpdateElementValue(qint64 elemID, ValueKind kind, const QVariant &value, const std::optional<QString> &langID);

// In-place renaming. False when the element or its row is missing (nothing changes).
bool RenameTerm(qint64 elemID, const QString &text);
bool RenameTextValue(qint64 elemID, const QString &text);

// ---- Reading one element -----------------------------------------------------------

// An element's value as the value editor shows it for modification: the value with the
// category's value_type, "" for categories that hold a link rather than a value, and the
// language code where the category needs one.
struct ElementValue {
    QVariant value;
    QString valueType;
    QString langID;
};
ElementValue ReadElementValue(qint64 elemID);

// The element the element's pointer names; nullopt when it has no pointer row.
std::optional<qint64> PointerTarget(qint64 elemID);
// The file name of a file record; nullopt when it has none.
std::optional<QString> RefValueOf(qint64 elemID);

// ---- Deleting ----------------------------------------------------------------------

// Whether an element belongs to the skeleton every termbase has (the root, its folders,
// the back-matter containers): those are never deleted.
bool IsSkeletonElement(qint64 elemID);

struct ElementDeleted {
    bool deleted = false;        // false: a skeleton element, or none: nothing changed
    qint64 parentID = 0;         // the parent of the element deleted
    qint64 sectionDeleted = 0;   // a language section emptied by the deletion, deleted too
    qint64 referencesDeleted = 0;  // elements elsewhere that pointed into what was deleted
    QStringList fileNames;       // of the file records (attached and context files) deleted
    QStringList personAliases;   // of the person records deleted
};
// Deletes the element with its subtree and every element that points at anything in it
// (cross-references, references to a back-matter record), then those pointing into what
// that took, until none is left; and a language section the deletion leaves without
// terms. One transaction.
ElementDeleted DeleteElement(qint64 elemID);

// ---- Back-matter records -----------------------------------------------------------

// A field of a record: its category and its text; empty fields are not stored.
struct RecordField {
    QString categoryID;
    QString text;
};
// A back-matter record under its container with its text, and one sub-element per
// non-empty field, in the order given. One transaction; returns the record's elemID.
qint64 StoreBackMatterRecord(qint64 containerID, const QString &categoryID, const QString &text,
                             const std::vector<RecordField> &fields, qint64 &lastElemID);
// A file record (attached or context file) under its container, by its bare file name.
qint64 StoreFileRecord(qint64 containerID, const QString &categoryID, const QString &fileName, qint64 &lastElemID);
