// IS-A links added, replaced and deleted; links that would close a cycle are refused.

#include "HierarchyFixture.h"
#include "ontology/IsaLinks.h"
#include "support/OntologyFixture.h"

#include <gtest/gtest.h>

TEST(IsaLinks, AddReplaceAndDelete)
{
    NewOntology o;
    addIsA({{"A", "OBJECT"}, {"B", "OBJECT"}, {"C", "OBJECT"}, {"X", "A"}, {"X", "B"}});

    EXPECT_EQ(AddIsaLink("X", "a"), LinkOutcome::Exists);
    EXPECT_EQ(AddIsaLink("X", "C"), LinkOutcome::Done);
    EXPECT_EQ(GetParents("X"), (QStringList{"A", "B", "C"}));

    EXPECT_EQ(ReplaceIsaLink("X", "B", "A"), LinkOutcome::Exists);
    EXPECT_EQ(ReplaceIsaLink("X", "C", "OBJECT"), LinkOutcome::Done);
    EXPECT_EQ(GetParents("X"), (QStringList{"A", "B", "OBJECT"}));
    EXPECT_EQ(ReplaceIsaLink("X", "C", "EVENT"), LinkOutcome::Gone);

    EXPECT_TRUE(DeleteIsaLink("X", "B"));
    EXPECT_FALSE(DeleteIsaLink("X", "B"));
    EXPECT_EQ(CountIsaLinks("X"), 2);
    EXPECT_EQ(CountIsaLinks("ALL"), 0);
}

TEST(IsaLinks, ACycleIsRefusedAndNothingWritten)
{
    NewOntology o;
    addIsA({{"A", "OBJECT"}, {"B", "A"}, {"C", "B"}, {"D", "OBJECT"}, {"E", "D"}, {"E", "C"}});
    const struct Case {
        const char *child, *parent;
        bool cycle;
    } cases[] = {
        {"A", "A", true},      {"A", "a", true},  {"A", "B", true},  {"A", "C", true},
        {"A", "E", true},      {"B", "E", true},  {"D", "E", true},  {"E", "A", false},
        {"C", "D", false},     {"OBJECT", "E", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.child) + " under " + c.parent);
        EXPECT_EQ(IsaLinkWouldCycle(c.child, c.parent), c.cycle);
        const int before = o.count("SELECT COUNT(*) FROM ISA");
        if (c.cycle) {
            EXPECT_EQ(AddIsaLink(c.child, c.parent), LinkOutcome::Cycle);
            EXPECT_EQ(o.count("SELECT COUNT(*) FROM ISA"), before);
        }
    }
    // A replacement is checked the same way.
    EXPECT_EQ(ReplaceIsaLink("B", "A", "C"), LinkOutcome::Cycle);
    EXPECT_EQ(GetParents("B"), QStringList{"A"});
}
