#include "OntologyFile.h"

#include "Global.h"

namespace {

// MetaData is read from and written to the same row: the first in key order.
db::TableCursor firstMetaDataRow()
{
    db::TableCursor c(OntologyDB, QStringLiteral("MetaData"), QStringLiteral("IdxMD"));
    c.moveFirst();
    return c;
}

void storeInfo(db::TableCursor &c, const OntologyInfoRecord &info)
{
    c.setField(QStringLiteral("Name"), info.Name);
    c.setField(QStringLiteral("Created"), info.Created);
    c.setField(QStringLiteral("Modified"), info.Modified);
    c.setField(QStringLiteral("Owner"), info.Owner);
    c.setField(QStringLiteral("Author"), info.Author);
    c.setField(QStringLiteral("Description"), info.Description);
    c.setField(QStringLiteral("Contact"), info.Contact);
    c.setField(QStringLiteral("ListTop"), info.ListTop);
    c.setField(QStringLiteral("DefLang"), info.DefLang);
    c.setField(QStringLiteral("Naming"), info.Naming);
    c.setField(QStringLiteral("AutoName"), info.AutoName);
    c.setField(QStringLiteral("MaxParents"), info.MaxParents);
    c.setField(QStringLiteral("ActiveSet"), info.ActiveSet);
    c.update();
}

}  // namespace

OntologyInfoRecord NewOntologyInfo(const PropertiesText &text)
{
    OntologyInfoRecord info;
    const QDate today = QDate::currentDate();
    info.Name = text.Name;
    info.Created = today;
    info.Modified = today;
    info.Owner = text.Owner;
    info.Author = text.Author;
    info.Contact = text.Contact;
    info.Description = text.Description;
    info.MaxParents = 2;
    info.ListTop = 0;
    info.DefLang = QStringLiteral("en");
    info.Naming = true;
    info.AutoName = 0;
    info.ActiveSet = 1;
    return info;
}

void AddOntologyMetaData(const OntologyInfoRecord &info)
{
    db::TableCursor c(OntologyDB, QStringLiteral("MetaData"), QStringLiteral("IdxMD"));
    c.addNew();
    storeInfo(c, info);
}

void OpenOntologyDatabase(const QString &path)
{
    // Whatever happens below, no value of the ontology open before may survive into this one.
    OntologyInfo = OntologyInfoRecord{};
    try {
        db::OpenOptions options;
        options.requiredTables = ontologyTables();
        OntologyDB = db::Database::open(path, options);
        if (firstMetaDataRow().eof())
            throw db::DbError(db::err::ObjectNotFound,
                              QStringLiteral("The file has no properties record (table MetaData is empty)."));
        ReadOntologyMetaData(OntologyInfo);
        OntologyInfo.Modified = QDate::currentDate();
    } catch (...) {
        ReleaseOntologyDatabase();
        OntologyInfo = OntologyInfoRecord{};
        throw;
    }
}

void WriteOntologyMetaData()
{
    OntologyInfoRecord info = OntologyInfo;
    info.Modified = QDate::currentDate();
    db::TableCursor c = firstMetaDataRow();
    c.edit();
    storeInfo(c, info);
}

void ReleaseOntologyDatabase()
{
    RSInherit.reset();
    OntologyDB.close();
}
