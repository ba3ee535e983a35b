#pragma once
// The IS-A hierarchy and the relation and attribute slots of an ontology, read once into
// memory, for writers of many pages: it answers what the hierarchy queries and the
// inheritance engine answer, without a query per page. It reflects the file as it was
// when read.
//
//   const HierarchySnapshot s = HierarchySnapshot::read(OntologyDB, RootConcept);
//   for (const QString &c : s.concepts()) WriteConceptPage(c, folder, true, true, true, true, &s);
//
// Identifiers are looked up without regard to ASCII letter case, as the file does.
// Not for use from several threads at once (walks share scratch space).

#include "db/Database.h"
#include "ontology/LocalSlots.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct InheritedRow {
    QString attr;
    QString value;  // with " (by default)" for a default
    QString from;
    bool operator==(const InheritedRow &) const = default;
};

class HierarchySnapshot {
public:
    static HierarchySnapshot read(const db::Database &ontology, const QString &rootConcept);

    qsizetype size() const { return qsizetype(m_names.size()); }
    bool contains(const QString &conceptId) const { return idOf(conceptId) != NoId; }
    // Every conceptId in the order of the CONCEPTS table.
    QStringList concepts() const;

    // As GetParents and GetChildren: in identifier order, letter case ignored.
    QStringList parents(const QString &conceptId) const;
    QStringList children(const QString &conceptId) const;
    // As GetDescendants and GetAncestors, sorted by character code (SortStrings).
    QStringList sortedDescendants(const QString &conceptId) const;
    QStringList sortedAncestors(const QString &conceptId) const;
    // The conceptId's own rows, ordered as GetRelationRows and GetAttributeRows order them.
    std::vector<RelationRow> relations(const QString &conceptId) const;
    std::vector<AttributeRow> attributes(const QString &conceptId) const;
    // What ComputeInherited leaves in Inherit, in the order of its Attr index.
    std::vector<InheritedRow> inherited(const QString &conceptId, const QString &inheritanceType,
                                        const QString &include) const;

private:
    using Id = std::uint32_t;
    static constexpr Id NoId = Id(-1);
    struct OwnSlot {
        QString slot;
        QString value;  // Concept2 or the attribute's Value
        bool isDefault = false;
    };

    Id idOf(const QString &conceptId) const;
    Id intern(const QString &conceptId);
    QStringList namesOf(const std::vector<Id> &ids) const;
    std::vector<Id> closure(Id start, const std::vector<std::vector<Id>> &next) const;
    QStringList sortedByCode(std::vector<Id> ids) const;

    QString m_root;
    std::vector<QString> m_names;
    QHash<QString, Id> m_index;  // ASCII-folded identifier -> id
    qsizetype m_tableConcepts = 0;  // the first ids are the CONCEPTS rows, in table order
    std::vector<std::vector<Id>> m_parents;   // identifier order, case ignored
    std::vector<std::vector<Id>> m_children;  // identifier order, case ignored
    std::vector<std::vector<OwnSlot>> m_relations;   // Relation_ID order
    std::vector<std::vector<OwnSlot>> m_attributes;  // Property_ID order
    std::vector<std::uint32_t> m_codeRank;  // position of each name in character-code order
    mutable std::vector<std::uint32_t> m_seen;  // walk marks
    mutable std::uint32_t m_walk = 0;
    enum WorkState : std::uint8_t { NotInWork, InWork, Visited };
    mutable std::vector<std::uint8_t> m_work;    // the inheritance walk's ancestors
    mutable std::vector<std::uint8_t> m_onPath;  // nodes the inheritance walk is inside
};
