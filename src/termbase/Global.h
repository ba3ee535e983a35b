#pragma once
// The state every window shares about the one open termbase. Only the termbase life
// cycle (new, open, close) and the data-category loader set and clear it; everything
// else reads it.

#include "db/Cursor.h"
#include "db/Database.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The termbase's MetaData row held in memory while the file is open.
struct TermbaseInfoRecord {
    QString Name;
    QDate Created;
    QDate Modified;
    QString Owner;
    QString Author;
    QString Description;
    QString Contact;
    QString DCLang;     // language of the data-category names
    bool CSBrowser = false;  // entry pages carry the conceptual structures of their concept
    QString Ontology;   // full path of the working ontology's file
    QString DCList;     // "list" or "tree": how the catalogue is shown
};

// One data category in the termbase's data-category language, every column as text
// (needs_lang and forms_link read "True" or "False").
struct DataCategoryRow {
    QString categoryID;
    QString GI_name;
    QString type;
    QString value_type;
    QString needs_lang;
    QString forms_link;
    QString Name;
};

inline db::Database TermbaseDB;
inline QString TermbasePath;    // empty exactly when no termbase is open
inline QString TermbaseFolder;  // the open file's folder, ending in a separator
inline TermbaseInfoRecord TermbaseInfo;

// Table cursors kept open while a termbase is open, each with its index "elemID".
inline std::optional<db::TableCursor> RSElements;
inline std::optional<db::TableCursor> RSTEConcepts;
inline std::optional<db::TableCursor> RSElementsUseLang;
inline std::optional<db::TableCursor> RSRefValues;
inline std::optional<db::TableCursor> RSPointers;
inline std::optional<db::TableCursor> RSTextValues;

// The data categories named in TermbaseInfo.DCLang, in categoryID order: as a cursor
// the editor searches, and in memory for the look-ups.
inline std::optional<db::QueryCursor> RSDatCats;
inline std::vector<DataCategoryRow> DCTable;
