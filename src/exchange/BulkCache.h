#pragma once
// A larger page cache for the open ontology while one command reads or writes many rows
// of a large ontology; the file's own setting comes back when the command ends.

#include "ontology/Global.h"

class BulkCache {
public:
    BulkCache() : m_previous(OntologyDB.scalar(QStringLiteral("PRAGMA cache_size")))
    {
        OntologyDB.execute(QStringLiteral("PRAGMA cache_size = -65536"));
    }
    ~BulkCache()
    {
        try {
            OntologyDB.execute(QStringLiteral("PRAGMA cache_size = %1").arg(m_previous.toLongLong()));
        } catch (const db::DbError &) {
            // Only the speed of later work depends on it; the command's own outcome stands.
        }
    }
    BulkCache(const BulkCache &) = delete;
    BulkCache &operator=(const BulkCache &) = delete;

private:
    QVariant m_previous;
};
