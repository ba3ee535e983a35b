#include "ontology/ConceptCommands.h"
#include "ontology/Subsets.h"
#include "support/OntologyFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct SubsetsFixture {
    NewOntology o;
    SubsetsFixture() { RootConcept = QStringLiteral("ALL"); }
    ~SubsetsFixture() { RootConcept.clear(); }

    void subsets(std::initializer_list<int> ids)
    {
        for (int id : ids)
            OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (?, ?)", {id, QString("S%1").arg(id)});
    }
    void add(const QString &id, int subset, int type = 1)
    {
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, ?, ?)", {id, type, subset});
    }
    int subsetOf(const QString &id) const
    {
        return OntologyDB.scalar("SELECT Subset_ID FROM CONCEPTS WHERE Concept = ?", {id}).toInt();
    }
};

}  // namespace

TEST(Subsets, TheFreeNumberIsTheSmallestGapFromTwo)
{
    const struct Case {
        const char *what;
        std::vector<int> taken;  // besides subset 1
        std::optional<int> expected;
    } cases[] = {
        {"only the first subset", {}, 2},
        {"1, 2 and 4", {2, 4}, 3},
        {"a gap at the start", {3, 4}, 2},
        {"a gap at the end", [] { std::vector<int> v; for (int i = 2; i < 127; ++i) v.push_back(i); return v; }(), 127},
        {"every number taken", [] { std::vector<int> v; for (int i = 2; i <= 127; ++i) v.push_back(i); return v; }(),
         std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SubsetsFixture f;
        for (int id : c.taken)
            f.subsets({id});
        EXPECT_EQ(FreeSubsetID(), c.expected);
    }
    SubsetsFixture f;
    OntologyDB.execute("DELETE FROM Subsets WHERE Subset_ID = 1");
    EXPECT_EQ(FreeSubsetID(), 2) << "number 1 is never handed out again";
}

TEST(Subsets, NamesCompareAsTheFileComparesThem)
{
    SubsetsFixture f;
    AddSubset(2, "Animals");
    EXPECT_TRUE(SubsetNameTaken("ANIMALS"));
    EXPECT_TRUE(SubsetNameTaken("general"));
    EXPECT_FALSE(SubsetNameTaken("Plants"));
    EXPECT_EQ(SubsetNameLength(QString(65, 'x')), 65);
    EXPECT_EQ(SubsetNameLength(QString::fromUcs4(U"\U0001F600ab")), 3) << "a character beyond 16 bits is one";
}

TEST(Subsets, SomeSubsetsMustStay)
{
    const struct Case {
        const char *what;
        std::function<void(SubsetsFixture &)> arrange;
        int subset;
        QString problem;  // part of the reason, "" when the subset may go
    } cases[] = {
        {"a subset of plain concepts", [](auto &f) { f.subsets({2}); f.add("DOG", 2); }, 2, ""},
        {"an empty subset", [](auto &f) { f.subsets({2}); }, 2, ""},
        {"the root's subset", [](auto &f) { f.subsets({2}); }, 1, "holds the root concept ALL"},
        {"the root moved elsewhere",
         [](auto &f) {
             f.subsets({2});
             OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2 WHERE Concept = 'ALL'");
         },
         2, "holds the root concept ALL"},
        {"the subset the domains live in",
         [](auto &f) {
             f.subsets({2});
             OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2 WHERE Concept = 'RANGE'");
         },
         2, "holds RANGE"},
        {"the only subset left",
         [](auto &f) {
             f.subsets({2});
             OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2");
             OntologyDB.execute("DELETE FROM Subsets WHERE Subset_ID = 1");
         },
         2, "S2 is the only subset of this ontology"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SubsetsFixture f;
        c.arrange(f);
        const QString problem = SubsetRemovalProblem(c.subset);
        if (c.problem.isEmpty())
            EXPECT_EQ(problem, "");
        else
            EXPECT_TRUE(problem.contains(c.problem)) << problem.toStdString();
    }
}

TEST(Subsets, ConceptsElsewhereWithEveryParentInTheSubsetAreCountedBeforeItGoes)
{
    SubsetsFixture f;
    f.subsets({2, 3});
    f.add("WOLF", 2);
    f.add("FOX", 2);
    const struct {
        const char *id;
        int subset;
        QStringList parents;
        bool losesItsLastParent;
    } cases[] = {
        {"DOG", 1, {"WOLF"}, true},
        {"HYBRID", 3, {"WOLF", "FOX"}, true},  // counted once, from another subset too
        {"PET", 1, {"WOLF", "OBJECT"}, false},
        {"PUPPY", 1, {"DOG"}, false},  // its parent stays, parentless or not
        {"CUB", 2, {"WOLF"}, false},   // goes with the subset
        {"TOY", 1, {}, false},
    };
    for (const auto &c : cases) {
        f.add(c.id, c.subset);
        for (const QString &parent : c.parents)
            OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)", {c.id, parent});
    }
    const qsizetype expected = std::count_if(std::begin(cases), std::end(cases), [](const auto &c) { return c.losesItsLastParent; });
    EXPECT_EQ(CountConceptsLosingTheirLastParent(2), expected);
    EXPECT_EQ(CountConceptsLosingTheirLastParent(3), 0);

    RemoveSubset(2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        if (c.subset == 2)
            continue;
        const bool parentless = OntologyDB.scalar("SELECT count(*) FROM ISA WHERE Concept = ?", {c.id}).toInt() == 0;
        EXPECT_EQ(parentless, c.losesItsLastParent || c.parents.isEmpty());
    }
}

TEST(Subsets, RemovingASubsetTakesItsConceptsAndEveryRowThatNamesThem)
{
    // Alone, the removal does the cascades' work itself; inside another command's
    // transaction it leaves it to the cascades. Either way the same rows go.
    for (const bool nested : {false, true}) {
        SCOPED_TRACE(nested ? "inside a transaction" : "alone");
        SubsetsFixture f;
        f.subsets({2});
        f.add("DOG", 2);
        f.add("CAT", 2);
        f.add("COW", 1);
        f.add("OWNS", 2, RelationType);
        f.add("OWNED-BY", 1, RelationType);
        f.add("COLOR2", 2, AttributeType);
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('DOG', 'OBJECT'), ('COW', 'DOG'), ('COW', 'OBJECT')");
        OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('CAT', 'en', 'cat'), ('COW', 'en', 'cow')");
        OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, Concept2) VALUES ('COW', 'OWNS', 'OBJECT'), "
                           "('COW', 'PART-OF', 'DOG'), ('DOG', 'PART-OF', 'COW'), ('COW', 'PART-OF', 'OBJECT')");
        OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, Value) VALUES ('COW', 'COLOR2', 'brown'), "
                           "('CAT', 'COLOR', 'grey'), ('COW', 'COLOR', 'white')");
        OntologyDB.execute("INSERT INTO INVERSES (Relation, Inverse) VALUES ('OWNS', 'OWNED-BY'), ('OWNED-BY', 'OWNS')");
        OntologyDB.execute("INSERT INTO Notes (Concept, Note) VALUES ('DOG', 'a note'), ('COW', 'kept')");

        QStringList removed;
        if (nested) {
            db::Transaction outer(OntologyDB);
            removed = RemoveSubset(2);
            outer.commit();
        } else {
            removed = RemoveSubset(2);
        }
        EXPECT_EQ(removed, (QStringList{"CAT", "COLOR2", "DOG", "OWNS"}));
        EXPECT_FALSE(SubsetExists(2));
        EXPECT_EQ(f.o.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 2"), 0);
        for (const char *gone : {"SELECT count(*) FROM Names WHERE Concept = 'CAT'",
                                 "SELECT count(*) FROM ISA WHERE ISA = 'DOG' OR Concept = 'DOG'",
                                 "SELECT count(*) FROM RELATIONS WHERE 'DOG' IN (Concept1, Concept2) OR Rel = 'OWNS'",
                                 "SELECT count(*) FROM ATTRIBUTES WHERE Concept = 'CAT' OR Attribute = 'COLOR2'",
                                 "SELECT count(*) FROM INVERSES WHERE 'OWNS' IN (Relation, Inverse)",
                                 "SELECT count(*) FROM Notes WHERE Concept = 'DOG'"}) {
            SCOPED_TRACE(gone);
            EXPECT_EQ(f.o.count(gone), 0);
        }
        EXPECT_EQ(f.subsetOf("COW"), 1) << "concepts of other subsets stay";
        EXPECT_EQ(f.o.count("SELECT count(*) FROM ISA WHERE Concept = 'COW'"), 1) << "with what is theirs";
        EXPECT_EQ(f.o.count("SELECT count(*) FROM RELATIONS WHERE Concept1 = 'COW'"), 1);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM ATTRIBUTES WHERE Concept = 'COW'"), 1);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM Names WHERE Concept = 'COW'"), 1);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM Notes WHERE Concept = 'COW'"), 1);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM pragma_foreign_key_check"), 0) << "no row is left dangling";
        EXPECT_EQ(f.o.count("PRAGMA foreign_keys"), 1) << "the checks are on again";
        EXPECT_EQ(RemoveSubset(2), QStringList()) << "a subset already gone removes nothing";
    }
}

// A subset of many concepts goes a run of identifiers at a time, with a pause between
// runs; the concepts of other subsets between them stay, with their rows.
TEST(Subsets, ASubsetOfManyConceptsGoesARunAtATimeAndWhole)
{
    for (const bool nested : {false, true}) {
        SCOPED_TRACE(nested ? "inside a transaction" : "alone");
        SubsetsFixture f;
        f.subsets({2});
        const int many = 12000;
        {
            db::Transaction tx(OntologyDB);
            for (int i = 0; i < many; ++i) {
                // Every fourth identifier is another subset's, so every run spans some.
                const QString id = QStringLiteral("K-%1").arg(i, 5, 10, QLatin1Char('0'));
                f.add(id, i % 4 == 0 ? 1 : 2);
                OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, 'OBJECT')", {id});
                OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES (?, 'en', ?)", {id, id.toLower()});
            }
            tx.commit();
        }
        const int kept = f.o.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1");
        int pauses = 0;
        QStringList removed;
        const auto remove = [&] { removed = RemoveSubset(2, [&] { ++pauses; }); };
        if (nested) {
            db::Transaction outer(OntologyDB);
            remove();
            outer.commit();
        } else {
            remove();
        }
        EXPECT_EQ(removed.size(), many - many / 4);
        EXPECT_GT(pauses, 1) << "more than one run";
        EXPECT_FALSE(SubsetExists(2));
        EXPECT_EQ(f.o.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 2"), 0);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1"), kept);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM Names WHERE Concept LIKE 'K-%'"), many / 4);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM ISA WHERE Concept LIKE 'K-%'"), many / 4);
        EXPECT_EQ(f.o.count("SELECT count(*) FROM pragma_foreign_key_check"), 0);
    }
}

TEST(Subsets, AFailedRemovalLeavesTheSubsetAndTheChecksAsTheyWere)
{
    SubsetsFixture f;
    f.subsets({2});
    f.add("DOG", 2);
    OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('DOG', 'en', 'dog')");
    OntologyDB.execute("CREATE TRIGGER keep BEFORE DELETE ON Subsets BEGIN SELECT RAISE(ABORT, 'kept'); END");
    EXPECT_THROW(RemoveSubset(2), db::DbError);
    EXPECT_TRUE(SubsetExists(2));
    EXPECT_EQ(f.subsetOf("DOG"), 2);
    EXPECT_EQ(f.o.count("SELECT count(*) FROM Names WHERE Concept = 'DOG'"), 1);
    EXPECT_EQ(f.o.count("PRAGMA foreign_keys"), 1);
}

TEST(Subsets, ATransferMovesOnlyWhatIsStillInTheSource)
{
    SubsetsFixture f;
    f.subsets({2, 3});
    f.add("DOG", 2);
    f.add("CAT", 2);
    f.add("COW", 3);
    EXPECT_EQ(TransferConcepts({"DOG", "cat", "COW", "GONE"}, 2, 1), 2);
    EXPECT_EQ(f.subsetOf("DOG"), 1);
    EXPECT_EQ(f.subsetOf("CAT"), 1) << "identifiers match in any letter case";
    EXPECT_EQ(f.subsetOf("COW"), 3) << "a concept of another subset is not taken along";

    // A target that is no subset refuses the whole transfer.
    f.add("EMU", 2);
    EXPECT_THROW(TransferConcepts({"COW", "EMU"}, 3, 9), db::DbError);
    EXPECT_EQ(f.subsetOf("COW"), 3);
    EXPECT_EQ(f.subsetOf("EMU"), 2);
}
