#pragma once
// The inheritance engine: which relations and attributes a concept inherits along its
// IS-A links. The answer is left in the work table Inherit (Attr, Value, From), which
// callers read through RSInherit right after ComputeInherited.
//
// Cumulative inheritance ("c") keeps every value any ancestor gives; exclusive ("x", or
// any other text) lets an ancestor merged later replace, slot by slot, what earlier ones
// gave. The value "*NOTHING*" cancels everything inherited so far for its slot, and a
// default value carries the suffix " (by default)", which is part of the value.

#include <QHash>
#include <QString>
#include <vector>

inline const QString NothingValue = QStringLiteral("*NOTHING*");
inline const QString DefaultSuffix = QStringLiteral(" (by default)");

// One (slot, value) pair of a concept's own relations or attributes.
struct SlotRow {
    QString slot;
    QString value;
};
using SlotList = std::vector<SlotRow>;

// The ancestors still to be merged, each with its visited mark, in ancestor order.
class AncestorWorkList {
public:
    void append(const QString &conceptId);
    bool isEmpty() const { return m_entries.empty(); }
    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool contains(const QString &conceptId) const { return m_index.contains(conceptId); }
    void markVisited(const QString &conceptId);
    bool allVisited() const { return m_visited == qsizetype(m_entries.size()); }

private:
    struct Entry {
        QString conceptId;
        bool visited = false;
    };
    std::vector<Entry> m_entries;
    QHash<QString, qsizetype> m_index;
    qsizetype m_visited = 0;
};

// Replaces the rows of Inherit with what conceptId inherits. include: "all" relations and
// attributes, "rels" relations only, "attrs" attributes only, anything else neither; the
// concept's own rows cancel inherited ones of the same slot whatever include says.
// All or nothing: on a failure of the file Inherit keeps its earlier rows.
void ComputeInherited(const QString &conceptId, const QString &inheritanceType, const QString &include);
// Merges, below node, the ancestors in work into Inherit, depth first in identifier order.
void InheritWalk(const QString &node, const QString &inheritanceType, const QString &include, AncestorWorkList &work);

SlotList GetOwnRelations(const QString &conceptId);
SlotList GetOwnAttributes(const QString &conceptId);

// Gives the open ontology's connection its own Inherit, of the same shape as the file's,
// which every later use of the name reaches. Showing a concept rewrites the work table; in
// the file each showing would be a write that waits for the disk, though nothing of it is
// meant to outlive the session. The file's own table stays as it is.
void UseSessionInheritTable();

// Deleting from Inherit compares exactly: letter case counts.
void InheritClear();
void InheritDelete(const QString &slot);
void InheritDeleteValue(const QString &slot, const QString &value);
void InheritDeleteNotFrom(const QString &slot, const QString &ancestor);

bool IsInAncestorList(const QString &identifier, const AncestorWorkList &work);
void MarkAncestorVisited(const QString &identifier, AncestorWorkList &work);
bool AllAncestorsVisited(const AncestorWorkList &work);
