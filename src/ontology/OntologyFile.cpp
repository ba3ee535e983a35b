#include "OntologyFile.h"

#include "MetaData.h"
#include "OntologySchema.h"
#include "db/Schema.h"

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

void OpenOntologyDatabase(const QString &path)
{
    // Whatever happens below, no value of the ontology open before may survive into this one.
    OntologyInfo = OntologyInfoRecord{};
    try {
        db::OpenOptions options;
        options.requiredTables = ontologyTables();
        OntologyDB = db::Database::open(path, options);
        if (!ReadOntologyMetaData(OntologyInfo))
            throw db::DbError(db::err::ObjectNotFound,
                              QStringLiteral("The file has no properties record (table MetaData is empty)."));
        try {
            db::createMissingIndexes(OntologyDB, ontologySchema());
        } catch (const db::DbError &) {
            // A file that cannot take them now (locked by another program, a full disk)
            // is used without the indexes it lacks: its lists take longer to open.
        }
        UseSessionInheritTable();
        OntologyInfo.Modified = QDate::currentDate();
    } catch (...) {
        ReleaseOntologyDatabase();
        OntologyInfo = OntologyInfoRecord{};
        throw;
    }
}

void WriteBackOntologyInfo()
{
    OntologyInfoRecord info = OntologyInfo;
    info.Modified = QDate::currentDate();
    WriteOntologyMetaData(info);
}

void ReleaseOntologyDatabase()
{
    RSInherit.reset();
    OntologyDB.close();
}
