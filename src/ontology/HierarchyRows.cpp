#include "HierarchyRows.h"

HierarchyRows::HierarchyRows(const QString &start, HierarchyWalk::Direction direction) : m_walk(start, direction)
{
    fetchMore();  // the first screenful is there when the list is shown
}

int HierarchyRows::fetchMore()
{
    const QStringList more = m_walk.next(FetchSize);
    m_rows << more;
    return int(more.size());
}
