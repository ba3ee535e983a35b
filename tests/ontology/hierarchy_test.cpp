#include "HierarchyFixture.h"
#include "support/OntologyFixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Small hierarchies under the seed's root ALL, each showing one rule of order.
const IsALinks shapes = {
    // a diamond with a tail: A > B, A > C, B > D, C > D, C > E
    {"A", "ALL"}, {"B", "A"}, {"C", "A"}, {"D", "B"}, {"D", "C"}, {"E", "C"},
    // two parents, the first a child of the root, the second a grandchild
    {"P1", "ALL"}, {"G1", "ALL"}, {"Q1", "G1"}, {"R3", "P1"}, {"R3", "Q1"},
    // depth first, child by child
    {"T", "ALL"}, {"T1", "T"}, {"T2", "T"}, {"T1A", "T1"}, {"T1A1", "T1A"}, {"T2A", "T2"},
    // identifiers that differ in letter case order as the file does
    {"CASES", "ALL"}, {"beta", "CASES"}, {"Alpha", "CASES"}, {"GAMMA", "CASES"},
    // a cycle: X1 > X3 > X2 > X1
    {"X1", "ALL"}, {"X2", "X1"}, {"X3", "X2"}, {"X1", "X3"},
};

}  // namespace

TEST(Hierarchy, ListsKeepTheirOrderAndNameEachConceptOnce)
{
    NewOntology o;
    addIsA(shapes);
    using Query = std::function<QStringList(const QString &)>;
    const Query children = GetChildren, parents = GetParents, ancestors = GetAncestors, descendants = GetDescendants;
    const struct Case {
        const char *what;
        Query query;
        QString identifier;
        QStringList expected;
    } cases[] = {
        {"diamond: grandparent once, after both parents", ancestors, "D", {"B", "C", "A", "ALL"}},
        {"diamond: a concept met twice is listed at its first place", descendants, "A", {"B", "C", "D", "E"}},
        {"parents in identifier order", parents, "D", {"B", "C"}},
        {"the root is third, not last", ancestors, "R3", {"P1", "Q1", "ALL", "G1"}},
        {"the root has no ancestors", ancestors, "ALL", {}},
        {"a child of the root has only the root", ancestors, "A", {"ALL"}},
        {"a single chain runs up to the root", ancestors, "T1A1", {"T1A", "T1", "T", "ALL"}},
        {"descendants child by child, depth first", descendants, "T", {"T1", "T2", "T1A", "T1A1", "T2A"}},
        {"a leaf has no children", children, "E", {}},
        {"a leaf has no descendants", descendants, "E", {}},
        {"an unknown concept has nothing", ancestors, "NOWHERE", {}},
        {"children ordered without regard to case", children, "CASES", {"Alpha", "beta", "GAMMA"}},
        {"children found without regard to case", children, "cases", {"Alpha", "beta", "GAMMA"}},
        {"a cycle ends: ancestors", ancestors, "X1", {"ALL", "X3", "X2"}},
        {"a cycle ends: descendants", descendants, "X1", {"X2", "X3"}},
        {"a cycle ends below the root", descendants, "X2", {"X3", "X1"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.query(c.identifier), c.expected);
    }

    qsizetype count = -1;
    EXPECT_TRUE(IsLeafConcept("E", &count));
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(IsLeafConcept("C", &count));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(IsLeafConcept("NOWHERE"));
}

// A pane walks a few rows at a time; whatever the steps, the rows come in the order of
// the whole walk, cycles included.
TEST(Hierarchy, AWalkTakenInStepsListsWhatTheWholeWalkLists)
{
    NewOntology o;
    addIsA(shapes);
    using Direction = HierarchyWalk::Direction;
    const struct Case {
        QString start;
        Direction direction;
    } cases[] = {
        {"ALL", Direction::Down}, {"A", Direction::Down}, {"X1", Direction::Down}, {"E", Direction::Down},
        {"R3", Direction::Up},    {"D", Direction::Up},   {"X1", Direction::Up},   {"ALL", Direction::Up},
    };
    for (const Case &c : cases) {
        const QStringList whole = c.direction == Direction::Down ? GetDescendants(c.start) : GetAncestors(c.start);
        for (const qsizetype step : {1, 2, 3, 100}) {
            SCOPED_TRACE(c.start.toStdString() + (c.direction == Direction::Down ? " down by " : " up by ") +
                         std::to_string(step));
            HierarchyWalk walk(c.start, c.direction);
            QStringList stepped;
            for (int guard = 0; !walk.done() && guard < 1000; ++guard) {
                const QStringList more = walk.next(step);
                EXPECT_LE(more.size(), step);
                stepped << more;
            }
            EXPECT_EQ(stepped, whole);
            EXPECT_TRUE(walk.next(step).isEmpty());
        }
    }
}

TEST(Hierarchy, RootDescendantsHoldEveryConceptOnce)
{
    NewOntology o;
    addIsA(shapes);
    const QStringList all = GetDescendants("ALL");
    EXPECT_EQ(all.size(), o.count("SELECT count(*) FROM CONCEPTS") - 1);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
}

// Identifiers that name a column, or hold a quote, are values like any other.
TEST(Hierarchy, IdentifiersThatLookLikeSqlAreJustValues)
{
    NewOntology o;
    const QString identifiers[] = {"ISA", "Concept", "Type", "Value", "Default", "O'BRIEN", "SAY \"HI\"", "A' OR '1'='1"};
    for (const QString &id : identifiers) {
        addIsA({{id, "OBJECT"}, {id + "-KID", id}});
        OntologyDB.execute("UPDATE CONCEPTS SET Type = 2 WHERE Concept = ?", {id});
        OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, Value) VALUES (?, 'COLOR', ?)", {id, id + " colour"});
    }
    for (const QString &id : identifiers) {
        SCOPED_TRACE(id.toStdString());
        EXPECT_TRUE(ConceptExists(id));
        EXPECT_EQ(GetConceptType(id), 2);
        EXPECT_EQ(GetChildren(id), QStringList{id + "-KID"});
        EXPECT_EQ(GetParents(id + "-KID"), QStringList{id});
        EXPECT_EQ(GetAncestors(id + "-KID"), QStringList({id, "OBJECT", "ALL"}));
        EXPECT_EQ(GetDescendants(id), QStringList{id + "-KID"});
        const SlotList own = GetOwnAttributes(id);
        ASSERT_EQ(own.size(), 1u);
        EXPECT_EQ(own[0].value, id + " colour");
    }
    EXPECT_FALSE(ConceptExists("CONCEPTS"));
    EXPECT_TRUE(GetOwnAttributes("ATTRIBUTE").empty()) << "the seed's ATTRIBUTE concept has no attribute rows";
    EXPECT_TRUE(GetOwnRelations("Concept1").empty());
}

TEST(Hierarchy, DeepChainIsWalkedWithoutExhaustingTheStack)
{
    NewOntology o;
    constexpr int depth = 100000;
    IsALinks chain;  // ALL > L1 > L2 > ... > L100000
    chain.reserve(depth);
    for (int i = 1; i <= depth; ++i)
        chain.emplace_back(QStringLiteral("L%1").arg(i), i == 1 ? QStringLiteral("ALL") : QStringLiteral("L%1").arg(i - 1));
    addIsA(chain);
    OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, Value) VALUES ('L1', 'COLOR', 'deep red')");
    RootConcept = FindRootConcept();

    const QStringList up = GetAncestors(QStringLiteral("L%1").arg(depth));
    ASSERT_EQ(up.size(), depth);
    EXPECT_EQ(up.first(), QStringLiteral("L%1").arg(depth - 1));
    EXPECT_EQ(up.last(), "ALL");

    const QStringList down = GetDescendants("L1");
    ASSERT_EQ(down.size(), depth - 1);
    EXPECT_EQ(down.last(), QStringLiteral("L%1").arg(depth));

    RSInherit.emplace(OntologyDB, "Inherit", "Attr");
    ComputeInherited(QStringLiteral("L%1").arg(depth), "x", "all");
    ASSERT_FALSE(RSInherit->isEmpty());
    RSInherit->moveFirst();
    EXPECT_EQ(RSInherit->text("Value"), "deep red");
    EXPECT_EQ(RSInherit->text("From"), "L1");
}
