#include "HierarchySnapshot.h"

#include "db/Text.h"
#include "ontology/ConceptTree.h"
#include "ontology/Inheritance.h"

#include <algorithm>
#include <numeric>

namespace {

// The work table Inherit in memory: rows stay in the order they were added, which is
// the order of their rowids in the file.
class InheritTable {
public:
    void deleteSlot(const QString &slot)
    {
        std::erase_if(m_rows, [&](const InheritedRow &r) { return r.attr == slot; });
    }
    void deleteValue(const QString &slot, const QString &value)
    {
        std::erase_if(m_rows, [&](const InheritedRow &r) { return r.attr == slot && r.value == value; });
    }
    void deleteNotFrom(const QString &slot, const QString &ancestor)
    {
        std::erase_if(m_rows, [&](const InheritedRow &r) { return r.attr == slot && r.from != ancestor; });
    }
    // The key (Attr, Value) ignores letter case: a second such pair is not added.
    void add(const QString &slot, const QString &value, const QString &from)
    {
        if (value.isEmpty())
            return;
        for (const InheritedRow &r : m_rows)
            if (db::sameText(r.attr, slot) && db::sameText(r.value, value))
                return;
        m_rows.push_back({slot, value, from});
    }
    // The Attr index order; rows of one slot keep their order.
    std::vector<InheritedRow> rows() const
    {
        std::vector<InheritedRow> out = m_rows;
        std::stable_sort(out.begin(), out.end(),
                         [](const InheritedRow &a, const InheritedRow &b) { return db::compareText(a.attr, b.attr) < 0; });
        return out;
    }

private:
    std::vector<InheritedRow> m_rows;
};

}  // namespace

HierarchySnapshot::Id HierarchySnapshot::idOf(const QString &conceptId) const
{
    return m_index.value(ConceptKey(conceptId), NoId);
}

HierarchySnapshot::Id HierarchySnapshot::intern(const QString &conceptId)
{
    const QString key = ConceptKey(conceptId);
    const auto it = m_index.constFind(key);
    if (it != m_index.cend())
        return *it;
    const Id id = Id(m_names.size());
    m_names.push_back(conceptId);
    m_index.insert(key, id);
    return id;
}

HierarchySnapshot HierarchySnapshot::read(const db::Database &ontology, const QString &rootConcept)
{
    HierarchySnapshot s;
    s.m_root = rootConcept;
    db::Transaction readAll(ontology);
    {
        db::Statement st(ontology, QStringLiteral("SELECT Concept FROM CONCEPTS"));
        while (st.step())
            s.intern(st.column(0).toString());
        s.m_tableConcepts = qsizetype(s.m_names.size());
    }
    std::vector<std::pair<Id, Id>> links;
    {
        db::Statement st(ontology, QStringLiteral("SELECT Concept, ISA FROM ISA"));
        while (st.step()) {
            const Id child = s.intern(st.column(0).toString());
            const Id parent = s.intern(st.column(1).toString());
            links.emplace_back(child, parent);
        }
    }
    std::vector<std::pair<Id, OwnSlot>> relations;
    {
        db::Statement st(ontology, QStringLiteral("SELECT Concept1, Rel, Concept2, \"Default\" FROM RELATIONS "
                                                  "ORDER BY Relation_ID"));
        while (st.step())
            relations.push_back({s.intern(st.column(0).toString()),
                                 {st.column(1).toString(), st.column(2).toString(), st.column(3).toBool()}});
    }
    std::vector<std::pair<Id, OwnSlot>> attributes;
    {
        db::Statement st(ontology, QStringLiteral("SELECT Concept, Attribute, Value, \"Default\" FROM ATTRIBUTES "
                                                  "ORDER BY Property_ID"));
        while (st.step())
            attributes.push_back({s.intern(st.column(0).toString()),
                                  {st.column(1).toString(), st.column(2).toString(), st.column(3).toBool()}});
    }
    readAll.commit();

    const size_t n = s.m_names.size();
    s.m_parents.resize(n);
    s.m_children.resize(n);
    s.m_relations.resize(n);
    s.m_attributes.resize(n);
    s.m_seen.assign(n, 0);
    s.m_work.assign(n, NotInWork);
    s.m_onPath.assign(n, 0);
    for (const auto &[child, parent] : links) {
        s.m_parents[child].push_back(parent);
        s.m_children[parent].push_back(child);
    }
    for (auto &[id, slot] : relations)
        s.m_relations[id].push_back(std::move(slot));
    for (auto &[id, slot] : attributes)
        s.m_attributes[id].push_back(std::move(slot));

    std::vector<Id> byCode(n);
    std::iota(byCode.begin(), byCode.end(), Id(0));
    std::sort(byCode.begin(), byCode.end(), [&](Id a, Id b) { return s.m_names[a] < s.m_names[b]; });
    s.m_codeRank.resize(n);
    for (size_t i = 0; i < n; ++i)
        s.m_codeRank[byCode[i]] = std::uint32_t(i);
    // Lists in identifier order as the file sorts them: letter case ignored.
    std::vector<std::uint32_t> caseRank(n);
    std::stable_sort(byCode.begin(), byCode.end(),
                     [&](Id a, Id b) { return db::compareText(s.m_names[a], s.m_names[b]) < 0; });
    for (size_t i = 0; i < n; ++i)
        caseRank[byCode[i]] = std::uint32_t(i);
    const auto byCaseRank = [&](Id a, Id b) { return caseRank[a] < caseRank[b]; };
    for (size_t i = 0; i < n; ++i) {
        std::sort(s.m_parents[i].begin(), s.m_parents[i].end(), byCaseRank);
        std::sort(s.m_children[i].begin(), s.m_children[i].end(), byCaseRank);
    }
    return s;
}

QStringList HierarchySnapshot::concepts() const
{
    QStringList out;
    out.reserve(m_tableConcepts);
    for (qsizetype i = 0; i < m_tableConcepts; ++i)
        out << m_names[size_t(i)];
    return out;
}

QStringList HierarchySnapshot::namesOf(const std::vector<Id> &ids) const
{
    QStringList out;
    out.reserve(qsizetype(ids.size()));
    for (const Id id : ids)
        out << m_names[id];
    return out;
}

QStringList HierarchySnapshot::parents(const QString &conceptId) const
{
    const Id id = idOf(conceptId);
    return id == NoId ? QStringList() : namesOf(m_parents[id]);
}

QStringList HierarchySnapshot::children(const QString &conceptId) const
{
    const Id id = idOf(conceptId);
    return id == NoId ? QStringList() : namesOf(m_children[id]);
}

// Everything reachable from start along `next`, start itself not included (even on a
// cycle back to it), each once.
std::vector<HierarchySnapshot::Id> HierarchySnapshot::closure(Id start, const std::vector<std::vector<Id>> &next) const
{
    if (++m_walk == 0) {  // the marks wrapped round: start them afresh
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_walk = 1;
    }
    std::vector<Id> out;
    m_seen[start] = m_walk;
    std::vector<Id> todo{start};
    while (!todo.empty()) {
        const Id node = todo.back();
        todo.pop_back();
        for (const Id n : next[node]) {
            if (m_seen[n] == m_walk)
                continue;
            m_seen[n] = m_walk;
            out.push_back(n);
            todo.push_back(n);
        }
    }
    return out;
}

QStringList HierarchySnapshot::sortedByCode(std::vector<Id> ids) const
{
    std::sort(ids.begin(), ids.end(), [&](Id a, Id b) { return m_codeRank[a] < m_codeRank[b]; });
    return namesOf(ids);
}

QStringList HierarchySnapshot::sortedDescendants(const QString &conceptId) const
{
    const Id id = idOf(conceptId);
    return id == NoId ? QStringList() : sortedByCode(closure(id, m_children));
}

QStringList HierarchySnapshot::sortedAncestors(const QString &conceptId) const
{
    const Id id = idOf(conceptId);
    return id == NoId ? QStringList() : sortedByCode(closure(id, m_parents));
}

std::vector<RelationRow> HierarchySnapshot::relations(const QString &conceptId) const
{
    std::vector<RelationRow> out;
    const Id id = idOf(conceptId);
    if (id == NoId)
        return out;
    for (const OwnSlot &s : m_relations[id])
        out.push_back({0, m_names[id], s.slot, s.value, s.isDefault});
    std::stable_sort(out.begin(), out.end(), [](const RelationRow &a, const RelationRow &b) {
        const int c = db::compareText(a.rel, b.rel);
        return c != 0 ? c < 0 : db::compareText(a.concept2, b.concept2) < 0;
    });
    return out;
}

std::vector<AttributeRow> HierarchySnapshot::attributes(const QString &conceptId) const
{
    std::vector<AttributeRow> out;
    const Id id = idOf(conceptId);
    if (id == NoId)
        return out;
    for (const OwnSlot &s : m_attributes[id])
        out.push_back({0, m_names[id], s.slot, s.value, s.isDefault});
    std::stable_sort(out.begin(), out.end(), [](const AttributeRow &a, const AttributeRow &b) {
        const int c = db::compareText(a.attribute, b.attribute);
        return c != 0 ? c < 0 : db::compareText(a.value, b.value) < 0;
    });
    return out;
}

// The engine's walk, step for step: from the root down through the conceptId's ancestors
// in identifier order, merging each ancestor's slots when the walk meets it (again each
// time it is met along another path), then the conceptId's own slots cancel theirs.
std::vector<InheritedRow> HierarchySnapshot::inherited(const QString &conceptId, const QString &inheritanceType,
                                                       const QString &include) const
{
    const Id self = idOf(conceptId);
    if (self == NoId)
        return {};
    const bool exclusive = inheritanceType != QLatin1String("c");
    const bool withRelations = include == QLatin1String("all") || include == QLatin1String("rels");
    const bool withAttributes = include == QLatin1String("all") || include == QLatin1String("attrs");

    // The ancestors to merge (the root's own slots are never inherited), each marked
    // while the walk runs and unmarked at its end.
    const std::vector<Id> ancestors = closure(self, m_parents);
    qsizetype workSize = 0;
    for (const Id a : ancestors)
        if (m_names[a] != m_root) {
            m_work[a] = InWork;
            ++workSize;
        }
    if (workSize == 0)
        return {};
    qsizetype visited = 0;

    InheritTable table;
    const auto value = [](const OwnSlot &s) { return s.isDefault ? s.value + DefaultSuffix : s.value; };
    const auto merge = [&](const OwnSlot &s, const QString &from) {
        const QString v = value(s);
        if (v == NothingValue) {
            table.deleteSlot(s.slot);
            return;
        }
        if (exclusive)
            table.deleteNotFrom(s.slot, from);
        else
            table.deleteValue(s.slot, v);
        table.add(s.slot, v, from);
    };

    struct Frame {
        Id node;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;
    const auto enter = [&](Id n) {
        if (visited == workSize)
            return;
        stack.push_back({n});
        m_onPath[n] = 1;
    };
    const Id root = idOf(m_root);
    if (root != NoId)
        enter(root);
    while (!stack.empty()) {
        Frame &top = stack.back();
        const std::vector<Id> &kids = m_children[top.node];
        if (top.next == qsizetype(kids.size())) {
            m_onPath[top.node] = 0;
            stack.pop_back();
            continue;
        }
        const Id child = kids[size_t(top.next++)];
        if (m_work[child] == NotInWork)
            continue;
        const QString &name = m_names[child];
        if (withRelations)
            for (const OwnSlot &s : m_relations[child])
                merge(s, name);
        if (withAttributes)
            for (const OwnSlot &s : m_attributes[child])
                merge(s, name);
        if (m_work[child] == InWork) {
            m_work[child] = Visited;
            ++visited;
        }
        if (!m_onPath[child])
            enter(child);
    }
    for (const Id a : ancestors)
        m_work[a] = NotInWork;
    const auto cancelOwn = [&](const OwnSlot &s) {
        const QString v = value(s);
        if (v == NothingValue)
            table.deleteSlot(s.slot);
        else if (exclusive)
            table.deleteNotFrom(s.slot, conceptId);
        else
            table.deleteValue(s.slot, v);
    };
    for (const OwnSlot &s : m_relations[self])
        cancelOwn(s);
    for (const OwnSlot &s : m_attributes[self])
        cancelOwn(s);
    return table.rows();
}
