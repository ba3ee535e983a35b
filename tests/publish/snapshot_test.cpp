#include "publish/HierarchySnapshot.h"
#include "support/OntologyFixture.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// A random ontology over the seeded one: identifiers in mixed letter case (so the file's
// case-blind order and the character-code order differ), one to three parents each, now
// and then a link back up that closes a cycle, relations and attributes with defaults,
// repeated slots, values differing only in case, and "*NOTHING*".
void buildRandomOntology(quint32 seed, int concepts)
{
    QRandomGenerator rng(seed);
    const QStringList stems{"alpha", "Beta", "GAMMA", "delta", "Eps", "zeta", "Eta", "THETA", "iota", "Kappa", "_low", "caf\u00e9"};
    QStringList ids{"ALL", "OBJECT", "EVENT"};
    // Slots whose order differs by case and by code: "owns" and "apple" sort after
    // "SIZE" by character code and before it without regard to case.
    const QStringList relations{"PART-OF", "HAS-PART", "MADE-OF", "owns", "_near"};
    const QStringList attributes{"COLOR", "SIZE", "apple", "_mark"};
    const QStringList values{"red", "RED", "blue", "*NOTHING*", "green"};
    db::Transaction tx(OntologyDB);
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('*NOTHING*', 1, 1), ('owns', 4, 1), "
                       "('_near', 4, 1), ('apple', 3, 1), ('_mark', 3, 1)");
    for (int k = 0; k < concepts; ++k) {
        const QString id = stems.at(int(rng.bounded(stems.size()))) + QStringLiteral("-%1").arg(k);
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)", {id});
        const int parents = 1 + int(rng.bounded(3));
        for (int p = 0; p < parents; ++p)
            OntologyDB.execute("INSERT OR IGNORE INTO ISA (Concept, ISA) VALUES (?, ?)",
                               {id, ids.at(int(rng.bounded(ids.size())))});
        ids << id;
    }
    for (int k = 0; k < concepts / 10; ++k)  // links back up: cycles through the hierarchy
        OntologyDB.execute("INSERT OR IGNORE INTO ISA (Concept, ISA) VALUES (?, ?)",
                           {ids.at(3 + int(rng.bounded(concepts / 2))), ids.at(3 + concepts / 2 + int(rng.bounded(concepts / 2)))});
    for (const QString &id : ids) {
        for (int r = int(rng.bounded(4)); r > 0; --r) {
            const QString target = rng.bounded(5) == 0 ? QStringLiteral("*NOTHING*") : ids.at(int(rng.bounded(ids.size())));
            OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)",
                               {id, relations.at(int(rng.bounded(relations.size()))), rng.bounded(3) == 0, target});
        }
        for (int a = int(rng.bounded(4)); a > 0; --a) {
            const QVariant value = rng.bounded(10) == 0 ? QVariant() : QVariant(values.at(int(rng.bounded(values.size()))));
            OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)",
                               {id, attributes.at(int(rng.bounded(attributes.size()))), rng.bounded(3) == 0, value});
        }
    }
    tx.commit();
}

std::vector<InheritedRow> engineInherited(const QString &id, const QString &type, const QString &include)
{
    ComputeInherited(id, type, include);
    std::vector<InheritedRow> rows;
    if (RSInherit->isEmpty())
        return rows;
    for (RSInherit->moveFirst(); !RSInherit->eof(); RSInherit->moveNext())
        rows.push_back({RSInherit->text("Attr"), RSInherit->text("Value"), RSInherit->text("From")});
    return rows;
}

QStringList relationTexts(const std::vector<RelationRow> &rows)
{
    QStringList out;
    for (const RelationRow &r : rows)
        out << r.rel + '|' + r.concept2 + '|' + (r.isDefault ? "d" : "");
    return out;
}

QStringList attributeTexts(const std::vector<AttributeRow> &rows)
{
    QStringList out;
    for (const AttributeRow &r : rows)
        out << r.attribute + '|' + r.value + '|' + (r.isDefault ? "d" : "");
    return out;
}

QStringList inheritedTexts(const std::vector<InheritedRow> &rows)
{
    QStringList out;
    for (const InheritedRow &r : rows)
        out << r.attr + '|' + r.value + '|' + r.from;
    return out;
}

QStringList sorted(QStringList list)
{
    SortStrings(list);
    return list;
}

}  // namespace

TEST(HierarchySnapshot, AgreesWithTheEngineOnRandomOntologies)
{
    qsizetype inheritedRows = 0, defaults = 0;
    for (const quint32 seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        NewOntology onto;
        buildRandomOntology(seed, 40);
        RootConcept = FindRootConcept();
        RSInherit.emplace(OntologyDB, "Inherit", "Attr");
        const HierarchySnapshot snapshot = HierarchySnapshot::read(OntologyDB, RootConcept);
        QStringList concepts = snapshot.concepts();
        EXPECT_EQ(concepts.size(), OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toInt());
        concepts << QStringLiteral("NOT-THERE");
        for (const QString &id : concepts) {
            SCOPED_TRACE(id.toStdString());
            // Looked up as the file does, without regard to case.
            const QString asTyped = seed % 2 ? id.toLower() : id;
            EXPECT_EQ(snapshot.parents(asTyped), GetParents(asTyped));
            EXPECT_EQ(snapshot.children(asTyped), GetChildren(asTyped));
            EXPECT_EQ(snapshot.sortedDescendants(id), sorted(GetDescendants(id)));
            EXPECT_EQ(snapshot.sortedAncestors(id), sorted(GetAncestors(id)));
            EXPECT_EQ(relationTexts(snapshot.relations(asTyped)), relationTexts(GetRelationRows(asTyped)));
            EXPECT_EQ(attributeTexts(snapshot.attributes(asTyped)), attributeTexts(GetAttributeRows(asTyped)));
            for (const auto &[type, include] : {std::pair{"x", "rels"}, {"x", "attrs"}, {"c", "all"}}) {
                SCOPED_TRACE(std::string(type) + " " + include);
                const QStringList rows = inheritedTexts(snapshot.inherited(id, type, include));
                EXPECT_EQ(rows, inheritedTexts(engineInherited(id, type, include)));
                inheritedRows += rows.size();
                defaults += rows.filter(DefaultSuffix).size();
            }
        }
        RootConcept.clear();
    }
    // The ontologies did exercise inheritance, defaults included.
    EXPECT_GT(inheritedRows, 100);
    EXPECT_GT(defaults, 10);
}
