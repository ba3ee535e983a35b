// Relations with their inverse rows, attribute-value pairs, domains and ranges, over a
// new ontology and its seed relations.

#include "HierarchyFixture.h"
#include "ontology/LocalSlots.h"
#include "support/OntologyFixture.h"

#include <gtest/gtest.h>

namespace {

struct SlotsOntology : NewOntology {
    SlotsOntology() { addIsA({{"CAR", "OBJECT"}, {"WHEEL", "OBJECT"}, {"ENGINE", "OBJECT"}}); }

    QStringList relations(const QString &c) const
    {
        QStringList out;
        for (const RelationRow &r : GetRelationRows(c))
            out << RelationItemText(r);
        return out;
    }
    QStringList attributes(const QString &c) const
    {
        QStringList out;
        for (const AttributeRow &r : GetAttributeRows(c))
            out << AttributeItemText(r);
        return out;
    }
};

}  // namespace

TEST(Relations, APairIsWrittenWithItsInverseAndTheSameDefault)
{
    SlotsOntology o;
    EXPECT_EQ(AddRelationPair("CAR", "HAS-PART", "WHEEL", true), AddOutcome::Added);
    EXPECT_EQ(o.relations("CAR"), QStringList{"HAS-PART : WHEEL (by default)"});
    EXPECT_EQ(o.relations("WHEEL"), QStringList{"PART-OF : CAR (by default)"});

    EXPECT_EQ(AddRelationPair("CAR", "has-part", "wheel", false), AddOutcome::Exists) << "keys ignore letter case";
    EXPECT_EQ(o.count("SELECT COUNT(*) FROM RELATIONS WHERE Concept1 IN ('CAR', 'WHEEL')"), 2);
}

TEST(Relations, AnInverseRowAlreadyThereIsNotWrittenTwice)
{
    SlotsOntology o;
    o.count("INSERT INTO RELATIONS (Concept1, Rel, Concept2) VALUES ('ENGINE', 'PART-OF', 'CAR')");
    EXPECT_EQ(AddRelationPair("CAR", "HAS-PART", "ENGINE", false), AddOutcome::Added);
    EXPECT_EQ(o.relations("CAR"), QStringList{"HAS-PART : ENGINE"});
    EXPECT_EQ(o.relations("ENGINE"), QStringList{"PART-OF : CAR"});
}

TEST(Relations, ARelationWithoutInverseWritesNothing)
{
    SlotsOntology o;
    o.count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('ORPHAN-REL', 4, 1)");
    EXPECT_EQ(AddRelationPair("CAR", "ORPHAN-REL", "WHEEL", false), AddOutcome::NoInverse);
    EXPECT_TRUE(o.relations("CAR").isEmpty());
    EXPECT_TRUE(o.relations("WHEEL").isEmpty());
}

TEST(Relations, DeletingByKeyTakesTheInverseRowAndNothingElse)
{
    SlotsOntology o;
    AddRelationPair("CAR", "HAS-PART", "WHEEL", false);
    AddRelationPair("CAR", "HAS-PART", "ENGINE", false);
    const qint64 wheel = GetRelationRows("CAR").at(1).id;
    ASSERT_EQ(GetRelationRows("CAR").at(1).concept2, "WHEEL");

    EXPECT_TRUE(DeleteRelationPair(wheel));
    EXPECT_EQ(o.relations("CAR"), QStringList{"HAS-PART : ENGINE"});
    EXPECT_TRUE(o.relations("WHEEL").isEmpty());
    EXPECT_EQ(o.relations("ENGINE"), QStringList{"PART-OF : CAR"});
    EXPECT_FALSE(DeleteRelationPair(wheel)) << "a row already gone is reported, not pretended";
}

TEST(Attributes, ValuesAreStoredAsTypedAndDuplicatesRefused)
{
    SlotsOntology o;
    const struct Case {
        const char *value;
        bool isDefault;
    } cases[] = {
        {"red", false},
        {"green", true},
        {"say \"hi\"", false},
        {"x\" OR \"a\"=\"a", false},
        {"a : b (by default)", false},
        {"  spaced  Out ", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(AddAttributeValue("CAR", "COLOR", c.value, c.isDefault), AddOutcome::Added);
        EXPECT_EQ(AddAttributeValue("CAR", "COLOR", c.value, !c.isDefault), AddOutcome::Exists);
        const QVariant stored = OntologyDB.scalar(
            "SELECT \"Default\" FROM ATTRIBUTES WHERE Concept = 'CAR' AND Value = ?", {QString::fromUtf8(c.value)});
        EXPECT_EQ(stored.toBool(), c.isDefault);
    }
    EXPECT_EQ(o.count("SELECT COUNT(*) FROM ATTRIBUTES"), int(std::size(cases)));
}

TEST(Attributes, DeletingByKeyTouchesOnlyThatRow)
{
    SlotsOntology o;
    AddAttributeValue("CAR", "COLOR", "x\" OR \"a\"=\"a", false);
    AddAttributeValue("WHEEL", "COLOR", "black", false);
    const std::vector<AttributeRow> rows = GetAttributeRows("CAR");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(DeleteAttributeRow(rows.front().id));
    EXPECT_TRUE(o.attributes("CAR").isEmpty());
    EXPECT_EQ(o.attributes("WHEEL"), QStringList{"COLOR : black"});
    EXPECT_FALSE(DeleteAttributeRow(rows.front().id));
}

TEST(Attributes, AnAttributeTooLongForItsColumnIsRefused)
{
    SlotsOntology o;
    const QString longName = QString(AttributeNameMax + 1, QLatin1Char('A'));
    o.count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 3, 1)", {longName});
    EXPECT_EQ(AddAttributeValue("CAR", longName, "v", false), AddOutcome::TooLong);
    EXPECT_EQ(o.count("SELECT COUNT(*) FROM ATTRIBUTES"), 0);
}

TEST(DomainsAndRanges, ConceptSlotsAndValueSlots)
{
    SlotsOntology o;
    // the seed gives PART-OF the domain OBJECT already
    EXPECT_EQ(AddSlotConcept("PART-OF", DomainSlot, "OBJECT"), AddOutcome::Exists);
    EXPECT_EQ(AddSlotConcept("PART-OF", DomainSlot, "EVENT"), AddOutcome::Added);
    EXPECT_EQ(AddSlotConcept("PART-OF", RangeSlot, "EVENT"), AddOutcome::Added);
    EXPECT_EQ(AddSlotValue("COLOR", RangeSlot, " Light Blue "), AddOutcome::Added);
    EXPECT_EQ(AddSlotValue("COLOR", RangeSlot, " Light Blue "), AddOutcome::Exists);

    QStringList domains;
    for (const RelationRow &r : GetSlotRelationRows("PART-OF", DomainSlot))
        domains << r.concept2;
    EXPECT_EQ(domains, (QStringList{"EVENT", "OBJECT"}));
    const std::vector<AttributeRow> ranges = GetSlotAttributeRows("COLOR", RangeSlot);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges.front().value, " Light Blue ");

    const qint64 event = GetSlotRelationRows("PART-OF", DomainSlot).front().id;
    EXPECT_TRUE(DeleteRelationRow(event));
    EXPECT_EQ(GetSlotRelationRows("PART-OF", DomainSlot).size(), 1u);
    EXPECT_EQ(GetSlotRelationRows("PART-OF", RangeSlot).size(), 2u) << "a domain has no inverse row to take along";
}
