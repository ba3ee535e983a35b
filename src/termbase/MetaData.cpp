#include "MetaData.h"

#include "ontology/Global.h"

namespace {

// The data categories of a new termbase are shown in English, as a tree.
const QString NewTermbaseLanguage = QStringLiteral("en");
const QString NewTermbaseLayout = QStringLiteral("tree");

// The lowest MetaID first: reading and writing back meet on the same row.
db::TableCursor metaDataCursor(const db::Database &termbase)
{
    return db::TableCursor(termbase, QStringLiteral("MetaData"), QStringLiteral("langID"));
}

// Fields that refuse the empty text get Null for it, so a row read with a Null there
// can be written back as it was.
QVariant orNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }
QVariant orNull(const QDate &date) { return date.isValid() ? QVariant(date) : QVariant(); }

db::DbError noMetaData()
{
    return db::DbError(db::err::ObjectNotFound, QStringLiteral("The termbase has no properties record (MetaData)."));
}

}  // namespace

void WriteFirstMetaData(db::Database &termbase, const TermbaseInfoRecord &typed)
{
    const QDate today = QDate::currentDate();
    db::TableCursor row = metaDataCursor(termbase);
    row.addNew();
    row.setField(QStringLiteral("Name"), typed.Name);
    row.setField(QStringLiteral("Created"), today);
    row.setField(QStringLiteral("Modified"), today);
    row.setField(QStringLiteral("Owner"), typed.Owner);
    row.setField(QStringLiteral("Author"), typed.Author);
    row.setField(QStringLiteral("Contact"), typed.Contact);
    row.setField(QStringLiteral("Description"), typed.Description);
    row.setField(QStringLiteral("Ontology"), OntologyPath);
    row.setField(QStringLiteral("DCLang"), NewTermbaseLanguage);
    row.setField(QStringLiteral("DCList"), NewTermbaseLayout);
    row.update();
}

void ReadTermbaseMetaData(TermbaseInfoRecord &info)
{
    info = TermbaseInfoRecord();
    db::TableCursor row = metaDataCursor(TermbaseDB);
    if (row.eof())
        throw noMetaData();
    // Null reads as the empty text (or an invalid date), never as an error.
    info.Name = row.text(QStringLiteral("Name"));
    info.Created = row.field(QStringLiteral("Created")).toDate();
    info.Modified = row.field(QStringLiteral("Modified")).toDate();
    info.Owner = row.text(QStringLiteral("Owner"));
    info.Author = row.text(QStringLiteral("Author"));
    info.Description = row.text(QStringLiteral("Description"));
    info.Contact = row.text(QStringLiteral("Contact"));
    info.Ontology = row.text(QStringLiteral("Ontology"));
    // The catalogue's language and layout read Null as a new termbase has them.
    info.DCLang = row.field(QStringLiteral("DCLang")).isNull() ? NewTermbaseLanguage : row.text(QStringLiteral("DCLang"));
    info.CSBrowser = row.field(QStringLiteral("CSBrowser")).toBool();
    info.DCList = row.field(QStringLiteral("DCList")).isNull() ? NewTermbaseLayout : row.text(QStringLiteral("DCList"));
}

QString ReadTermbaseOntology(const db::Database &termbase)
{
    db::TableCursor row = metaDataCursor(termbase);
    if (row.eof())
        throw noMetaData();
    return row.text(QStringLiteral("Ontology"));
}

void BindTermbaseToOntology(db::Database &termbase)
{
    db::TableCursor row = metaDataCursor(termbase);
    if (row.eof())
        throw noMetaData();
    row.edit();
    row.setField(QStringLiteral("Modified"), QDate::currentDate());
    row.setField(QStringLiteral("Ontology"), OntologyPath);
    row.update();
}

void WriteTermbaseMetaData()
{
    db::TableCursor row = metaDataCursor(TermbaseDB);
    if (row.eof())
        throw noMetaData();
    row.edit();
    row.setField(QStringLiteral("Name"), orNull(TermbaseInfo.Name));
    row.setField(QStringLiteral("Created"), orNull(TermbaseInfo.Created));
    row.setField(QStringLiteral("Modified"), QDate::currentDate());
    row.setField(QStringLiteral("Owner"), TermbaseInfo.Owner);
    row.setField(QStringLiteral("Author"), TermbaseInfo.Author);
    row.setField(QStringLiteral("Description"), TermbaseInfo.Description);
    row.setField(QStringLiteral("Contact"), TermbaseInfo.Contact);
    row.setField(QStringLiteral("DCLang"), orNull(TermbaseInfo.DCLang));
    row.setField(QStringLiteral("DCList"), orNull(TermbaseInfo.DCList));
    row.setField(QStringLiteral("CSBrowser"), TermbaseInfo.CSBrowser);
    row.update();
}
