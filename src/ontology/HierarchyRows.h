#pragma once
// The descendants or ancestors of a concept as the rows of a list, walked as they are
// shown: the pane of a concept with forty thousand descendants shows its first rows
// after a few look-ups, and reads on as the user scrolls.

#include "Hierarchy.h"
#include "ui/RowSource.h"

class HierarchyRows : public ui::RowSource {
public:
    static constexpr int FetchSize = 256;

    HierarchyRows(const QString &start, HierarchyWalk::Direction direction);

    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row) const override { return m_rows.value(row); }
    bool canFetchMore() const override { return !m_walk.done(); }
    int fetchMore() override;

private:
    HierarchyWalk m_walk;
    QStringList m_rows;
};
