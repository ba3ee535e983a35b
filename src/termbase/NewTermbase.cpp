#include "NewTermbase.h"

#include "MetaData.h"
#include "TermbasePaths.h"
#include "ontology/Global.h"

#include <QDir>
#include <QFile>

NewTermbase::NewTermbase(const QString &path, const CopyProgress &progress) : m_path(path)
{
    CreateTermbaseSchema(m_path, progress);
    m_created = true;
}

NewTermbase::~NewTermbase()
{
    if (!m_done)
        discard();
}

void NewTermbase::discard()
{
    // Only folders this New made, and only while empty: nothing of the user's is lost.
    for (const QString &folder : m_madeFolders)
        QDir().rmdir(folder);
    m_madeFolders.clear();
    if (m_created)
        QFile::remove(m_path);
    m_created = false;
}

void NewTermbase::complete(const TermbaseInfoRecord &properties)
{
    if (!m_created || m_done)
        throw db::DbError(db::err::Engine, QStringLiteral("The new termbase is not waiting to be completed."));
    try {
        {
            db::Database termbase = db::Database::open(m_path, {false, false, {}, termbaseTables()});
            WriteFirstMetaData(termbase, properties);
        }
        m_madeFolders = MakeTermbaseFolders(TermbaseFolderOf(m_path), properties.Name);
        db::TableCursor links(OntologyDB, QStringLiteral("TermBases"));
        links.addNew();
        links.setField(QStringLiteral("DBName"), m_path);
        links.update();
        m_done = true;
    } catch (...) {
        discard();
        throw;
    }
}
