#include "ReportPages.h"

#include "db/Error.h"
#include "termbase/EntryConcepts.h"

// The page writers are not built yet: a run says so for its first page.
class HierarchySnapshot {};

ReportPages::ReportPages(bool entries, const QString &folder, const Include &include, qsizetype)
    : m_entries(entries), m_folder(folder), m_include(include)
{
    if (m_entries)
        m_entryElemIDs = EntryElemIDs();
}

ReportPages::~ReportPages() = default;

bool ReportPages::write(const QString &item)
{
    if (m_entries && !m_entryElemIDs.contains(item))
        return false;
    throw db::DbError(db::err::PathFileAccess, QStringLiteral("Pages cannot be written yet."));
}
