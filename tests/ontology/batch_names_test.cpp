#include "ontology/BatchNames.h"
#include "support/OntologyFixture.h"
#include "support/StoredNames.h"

#include <gtest/gtest.h>

namespace {

struct BatchNamesFixture {
    NewOntology o;
    BatchNamesFixture()
    {
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('PHYSICAL-OBJECT', 1, 1), "
                           "('Mixed_Case 2', 1, 1)");
        OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('PHYSICAL-OBJECT', 'es', 'objeto'), "
                           "('PHYSICAL-OBJECT', 'en', 'thing')");
    }
};

}  // namespace

TEST(BatchNames, AddingGivesEachConceptTheNameInTheFormChosen)
{
    const struct Case {
        const char *what;
        BatchNameForm form;
        QStringList expected;  // the names of PHYSICAL-OBJECT afterwards
        QStringList mixed;     // and those of 'Mixed_Case 2'
    } cases[] = {
        {"same as identifier", BatchNameForm::SameAsIdentifier,
         {"en:thing", "en:PHYSICAL-OBJECT", "es:objeto"}, {"en:Mixed_Case 2"}},
        {"readable label", BatchNameForm::Label, {"en:thing", "en:physical object", "es:objeto"},
         {"en:mixed_case 2"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        BatchNamesFixture f;
        std::vector<qsizetype> steps;
        const qsizetype added = AddBatchNames({"physical-object", "Mixed_Case 2", "GONE"}, "en", c.form,
                                              [&](qsizetype done) { steps.push_back(done); });
        EXPECT_EQ(added, 2) << "a concept not in the ontology gets no name";
        EXPECT_EQ(steps, (std::vector<qsizetype>{1, 2, 3})) << "every concept counts for the progress";
        EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), c.expected) << "the stored identifier, not the letters given";
        EXPECT_EQ(StoredNames("Mixed_Case 2"), c.mixed);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM Names WHERE Concept = 'GONE'"), 0);
    }
}

TEST(BatchNames, AddingTwiceGivesTwoEqualNames)
{
    BatchNamesFixture f;
    AddBatchNames({"PHYSICAL-OBJECT"}, "fr", BatchNameForm::Label);
    AddBatchNames({"PHYSICAL-OBJECT"}, "fr", BatchNameForm::Label);
    EXPECT_EQ(StoredNames("PHYSICAL-OBJECT").filter("fr:"), (QStringList{"fr:physical object", "fr:physical object"}));
}

TEST(BatchNames, RemovingTakesEveryNameInThatLanguageOnly)
{
    BatchNamesFixture f;
    AddBatchNames({"PHYSICAL-OBJECT", "Mixed_Case 2"}, "en", BatchNameForm::SameAsIdentifier);
    EXPECT_EQ(RemoveBatchNames({"PHYSICAL-OBJECT", "Mixed_Case 2", "GONE"}, "en"), 3);
    EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), QStringList{"es:objeto"});
    EXPECT_TRUE(StoredNames("Mixed_Case 2").isEmpty());
    EXPECT_EQ(RemoveBatchNames({"PHYSICAL-OBJECT"}, "en"), 0) << "nothing left to remove is no error";
}

TEST(BatchNames, AFailedRunLeavesEveryNameAsItWas)
{
    BatchNamesFixture f;
    // A language the ontology does not have cannot name anything: nothing is added.
    EXPECT_THROW(AddBatchNames({"PHYSICAL-OBJECT", "Mixed_Case 2"}, "zz", BatchNameForm::Label), db::DbError);
    EXPECT_EQ(f.o.count("SELECT count(*) FROM Names"), 2);
    // A failure half-way through a removal restores what was removed before it.
    EXPECT_THROW(RemoveBatchNames({"PHYSICAL-OBJECT", "Mixed_Case 2"}, "en", [](qsizetype done) {
                     if (done == 1)
                         throw db::DbError(db::err::Engine, "disk full");
                 }),
                 db::DbError);
    EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), (QStringList{"en:thing", "es:objeto"}));
}
