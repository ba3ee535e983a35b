// What the concept trees read: children with their expanders, the concepts a typed search
// finds, and the IS-A paths a tree opens to show a concept.

#include "HierarchyFixture.h"
#include "ontology/ConceptTree.h"
#include "support/OntologyFixture.h"

#include <gtest/gtest.h>

namespace {

const IsALinks shapes = {
    {"CAR", "OBJECT"}, {"CARGO", "OBJECT"}, {"CART", "CAR"}, {"car-part", "CAR"},
    // two parents below OBJECT, one of them deeper
    {"VAN", "CAR"}, {"VAN", "CARGO"}, {"VAN-X", "VAN"},
    // a second parent outside OBJECT
    {"VAN", "EVENT"},
    // texts a search must take literally
    {"Q\"UOTE", "OBJECT"}, {"BR[ACKET", "OBJECT"}, {"STAR*", "OBJECT"},
    // a cycle below the root
    {"Y1", "ALL"}, {"Y2", "Y1"}, {"Y1", "Y2"},
};

}  // namespace

TEST(ConceptTree, ChildrenComeInIdentifierOrderAndTellWhetherTheyHaveChildren)
{
    NewOntology o;
    addIsA(shapes);
    const auto rows = GetChildRows(QStringLiteral("CAR"));
    ASSERT_EQ(rows.size(), 3u);
    const struct {
        const char *conceptId;
        bool hasChildren;
    } expected[] = {{"car-part", false}, {"CART", false}, {"VAN", true}};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].conceptId);
        EXPECT_EQ(rows[i].conceptId, QString::fromLatin1(expected[i].conceptId));
        EXPECT_EQ(rows[i].hasChildren, expected[i].hasChildren);
    }
    EXPECT_TRUE(GetChildRows(QStringLiteral("CART")).empty());
}

TEST(ConceptTree, SearchPatternsIgnoreLetterCaseAndTakeOddCharactersLiterally)
{
    NewOntology o;
    addIsA(shapes);
    const struct Case {
        const char *pattern;
        QStringList found;
    } cases[] = {
        {"CAR*", {"CAR", "car-part", "CARGO", "CART"}},
        {"car*", {"CAR", "car-part", "CARGO", "CART"}},
        {"CAR-*", {"car-part"}},
        {"C*T*", {"car-part", "CART"}},
        {"Q\"U*", {"Q\"UOTE"}},
        {"BR[A*", {"BR[ACKET"}},
        {"STAR*", {"STAR*"}},
        {"*-X", {"VAN-X"}},
        {"ZZZ*", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FindConceptsLike(QString::fromLatin1(c.pattern)), c.found);
    }
}

TEST(ConceptTree, TheWaysDownLeadFromTheTopToEveryParentBelowIt)
{
    NewOntology o;
    addIsA(shapes);
    using Ways = QHash<QString, QStringList>;
    const struct Case {
        const char *what;
        const char *top;
        QStringList concepts;
        Ways ways;
    } cases[] = {
        {"a child of the root", "ALL", {"OBJECT"}, {{"ALL", {"OBJECT"}}}},
        {"every parent", "ALL", {"VAN"}, {{"ALL", {"EVENT", "OBJECT"}}, {"OBJECT", {"CAR", "CARGO"}}, {"CAR", {"VAN"}},
                                           {"CARGO", {"VAN"}}, {"EVENT", {"VAN"}}}},
        {"only the ways within the top", "OBJECT", {"VAN-X"},
         {{"OBJECT", {"CAR", "CARGO"}}, {"CAR", {"VAN"}}, {"CARGO", {"VAN"}}, {"VAN", {"VAN-X"}}}},
        {"several concepts share their ways", "OBJECT", {"CART", "car-part"},
         {{"OBJECT", {"CAR"}}, {"CAR", {"car-part", "CART"}}}},
        {"a top that is no ancestor", "CARGO", {"CART"}, {}},
        {"the top itself", "OBJECT", {"OBJECT"}, {}},
        {"a cycle ends", "ALL", {"Y2"}, {{"ALL", {"Y1"}}, {"Y1", {"Y2"}}, {"Y2", {"Y1"}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsaWaysDown(QString::fromLatin1(c.top), c.concepts), c.ways);
    }
}
