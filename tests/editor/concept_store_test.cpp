// The concept list's rows and search, and the concept commands over a fresh ontology,
// without windows.

#include "ontology/ConceptCommands.h"
#include "ontology/ConceptList.h"
#include "support/ErrorNumber.h"
#include "support/OntologyFixture.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

void addObject(const QString &id, const QString &parent = QStringLiteral("OBJECT"))
{
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, 'd', 1, 1)", {id});
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)", {id, parent});
}

// The identifiers a query gives, as the file holds them now.
QStringList identifiers(const char *sql)
{
    QStringList out;
    db::Statement all(OntologyDB, sql);
    while (all.step())
        out << all.column(0).toString();
    return out;
}

QStringList allRows(const ConceptList &list)
{
    QStringList out;
    for (int i = 0; i < list.rowCount(); ++i)
        out << list.text(i);
    return out;
}

}  // namespace

class ConceptStoreTest : public ::testing::Test {
protected:
    NewOntology onto;
    ScriptedMessageBoxes boxes;

    void SetUp() override
    {
        OntologyInfo = {};
        OntologyInfo.DefLang = QStringLiteral("en");
        RootConcept = QStringLiteral("ALL");
    }
    bool exists(const QString &id) const { return onto.count("SELECT COUNT(*) FROM CONCEPTS WHERE Concept = ?", {id}) == 1; }
};

TEST_F(ConceptStoreTest, PrefixSearchIsLiteralAndIgnoresLetterCase)
{
    OntologyInfo.Naming = false;
    for (const char *id : {"[A]", "*STAR", "?Q", "#1", "%P", "_U", "A'B", "car", "CART", "CAT"})
        addObject(QString::fromLatin1(id));
    const auto list = ConceptList::listView(OntologyDB, 0, 1);
    struct Case {
        const char *prefix;
        const char *found;  // nullptr: no row
    } cases[] = {
        {"ca", "car"},   {"CAR", "car"}, {"cart", "CART"}, {"cat", "CAT"}, {"[", "[A]"},   {"[a", "[A]"},
        {"*", "*STAR"}, {"?", "?Q"},    {"#", "#1"},      {"%", "%P"},    {"_", "_U"},    {"a'", "A'B"},
        {"CAX", nullptr}, {"zzz", nullptr}, {"", nullptr},  {"[B", nullptr}, {"*S*", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prefix);
        const int row = list->findPrefix(QString::fromLatin1(c.prefix));
        if (!c.found) {
            EXPECT_EQ(row, -1);
        } else {
            EXPECT_EQ(list->text(row), QString::fromLatin1(c.found));
        }
    }
    EXPECT_EQ(list->text(list->find(QStringLiteral("cart"))), "CART");
    EXPECT_EQ(list->find(QStringLiteral("CA")), -1);
}

TEST_F(ConceptStoreTest, RowsAndSearchAgreeAcrossPages)
{
    // Enough rows for several pages, with identifiers that share long prefixes.
    db::Transaction tx(OntologyDB);
    for (int i = 0; i < 3 * ConceptList::PageSize + 17; ++i)
        addObject(QStringLiteral("K-%1").arg(i, 5, 10, QLatin1Char('0')));
    tx.commit();
    const auto list = ConceptList::listView(OntologyDB, 0, 1);
    const QStringList expected = identifiers("SELECT Concept FROM CONCEPTS ORDER BY Concept");
    ASSERT_EQ(list->rowCount(), expected.size());
    EXPECT_EQ(allRows(*list), expected);
    for (int row : {0, ConceptList::PageSize - 1, ConceptList::PageSize, 2 * ConceptList::PageSize + 5, int(expected.size()) - 1}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list->findPrefix(expected.at(row)), row);
        EXPECT_EQ(list->find(expected.at(row).toLower()), row);
    }
    EXPECT_EQ(list->text(list->findPrefix(QStringLiteral("k-0102"))), "K-01020");
    // Rows here and there, as a list's checks give them, read a page at a time.
    const std::vector<int> some{1, 2, ConceptList::PageSize + 7, 3 * ConceptList::PageSize + 16};
    QStringList someTexts;
    for (int row : some)
        someTexts << expected.at(row);
    EXPECT_EQ(list->texts(some), someTexts);
    EXPECT_EQ(list->text(-1), "");
    EXPECT_EQ(list->text(list->rowCount()), "");
}

TEST_F(ConceptStoreTest, TheListFollowsAddedAndRemovedConceptsAsIfReadAgain)
{
    db::Transaction tx(OntologyDB);
    for (int i = 0; i < 3 * ConceptList::PageSize + 17; ++i)
        addObject(QStringLiteral("K-%1").arg(i * 2, 5, 10, QLatin1Char('0')));
    tx.commit();
    const auto list = ConceptList::listView(OntologyDB, 0, 1);
    const auto rowsNow = [] { return identifiers("SELECT Concept FROM CONCEPTS ORDER BY Concept"); };
    const QString firstOfSecondPage = list->text(ConceptList::PageSize);
    const QString lastOfFirstPage = list->text(ConceptList::PageSize - 1);
    struct Case {
        const char *what;
        QString id;
        bool add;
    } cases[] = {
        {"before every row", "0-FIRST", true},
        {"after every row", "ZZZ", true},
        {"inside a page", "K-00101", true},
        {"the first row of a page", firstOfSecondPage, false},
        {"the last row of a page", lastOfFirstPage, false},
        {"back at the start of a page", firstOfSecondPage, true},
        {"the first row of all", "0-FIRST", false},
        {"the last row of all", "ZZZ", false},
        {"in another letter case", "k-00103", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        int row = -1;
        if (c.add) {
            addObject(c.id);
            row = list->conceptAdded(c.id);
        } else {
            const int before = list->find(c.id);
            OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = ?", {c.id});
            row = list->conceptRemoved(c.id);
            EXPECT_EQ(row, before);
        }
        const QStringList expected = rowsNow();
        ASSERT_EQ(list->rowCount(), expected.size());
        EXPECT_EQ(allRows(*list), expected);
        if (c.add) {
            EXPECT_EQ(list->text(row), c.id);
        }
    }
    // Many additions into one page split it; every row stays in its place.
    db::Transaction many(OntologyDB);
    for (int i = 0; i < 2 * ConceptList::PageSize + 3; ++i) {
        const QString id = QStringLiteral("K-00200-%1").arg(i, 5, 10, QLatin1Char('0'));
        addObject(id);
        list->conceptAdded(id);
    }
    many.commit();
    const QStringList expected = rowsNow();
    EXPECT_EQ(allRows(*list), expected);
    for (int row : {0, ConceptList::PageSize, 2 * ConceptList::PageSize + 1, int(expected.size()) - 1}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list->find(expected.at(row)), row);
    }
}

// The lists that choose by type, the types merged in identifier order across pages; a
// list shorter than what a list reads at open knows every row at once.
TEST_F(ConceptStoreTest, TypeListsKnowEveryRowAtOnce)
{
    db::Transaction tx(OntologyDB);
    for (int i = 0; i < ConceptList::PageSize * 2 + 5; ++i) {
        const QString id = QStringLiteral("K-%1").arg(i, 5, 10, QLatin1Char('0'));
        // Every third one an event, every seventh a hidden relation and every eleventh of
        // a code only an imported file holds, so the types interleave.
        if (i % 3 == 0 || i % 7 == 0 || i % 11 == 0) {
            OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, 'd', ?, 1)",
                               {id, i % 3 == 0 ? 2 : i % 7 == 0 ? 14 : 13});
            OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, 'OBJECT')", {id});
        } else {
            addObject(id);
        }
    }
    tx.commit();
    struct Case {
        const char *what;
        std::shared_ptr<ConceptList> list;
        const char *sql;
    } cases[] = {
        {"parents of objects", ConceptList::parentsOfType(OntologyDB, 1),
         "SELECT Concept FROM CONCEPTS WHERE Type = 1 OR Type = 100 ORDER BY Concept"},
        {"parents of events", ConceptList::parentsOfType(OntologyDB, 2),
         "SELECT Concept FROM CONCEPTS WHERE Type = 2 OR Type = 100 ORDER BY Concept"},
        {"objects", ConceptList::ofType(OntologyDB, 1), "SELECT Concept FROM CONCEPTS WHERE Type = 1 ORDER BY Concept"},
        {"relations", ConceptList::ofType(OntologyDB, 4), "SELECT Concept FROM CONCEPTS WHERE Type = 4 ORDER BY Concept"},
        {"relatable", ConceptList::relatable(OntologyDB),
         "SELECT Concept FROM CONCEPTS WHERE Type <> 3 AND Type <> 4 ORDER BY Concept"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList expected = identifiers(c.sql);
        EXPECT_EQ(c.list->rowCount(), expected.size());
        EXPECT_FALSE(c.list->canFetchMore());
        EXPECT_EQ(allRows(*c.list), expected);
        EXPECT_EQ(c.list->find(expected.last()), int(expected.size()) - 1);
        EXPECT_EQ(c.list->findPrefix(expected.last().left(6)),
                  int(std::find_if(expected.begin(), expected.end(),
                                   [&](const QString &t) { return t.startsWith(expected.last().left(6)); }) -
                      expected.begin()));
    }
}

// A type list opens on its first rows and reads on from where it stopped; whatever is
// asked of it meanwhile, and whatever changes, it ends with the rows it would have read
// at once.
TEST_F(ConceptStoreTest, ATypeListReadOnAsShownEndsAsIfReadAtOnce)
{
    db::Transaction tx(OntologyDB);
    for (int i = 0; i < ConceptList::FirstRows + 2 * ConceptList::PageSize + 5; ++i)
        addObject(QStringLiteral("K-%1").arg(i * 2, 5, 10, QLatin1Char('0')));
    tx.commit();
    const auto objectsNow = [] { return identifiers("SELECT Concept FROM CONCEPTS WHERE Type = 1 ORDER BY Concept"); };
    const auto remove = [](const QString &id) { OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = ?", {id}); };
    struct Case {
        const char *what;
        std::function<void(ConceptList &)> meanwhile;
    } cases[] = {
        {"nothing asked", [](ConceptList &) {}},
        {"a row found beyond what was read",
         [&](ConceptList &l) { EXPECT_EQ(l.find(objectsNow().last().toLower()), objectsNow().size() - 1); }},
        {"a prefix typed beyond what was read",
         [&](ConceptList &l) { EXPECT_EQ(l.text(l.findPrefix("k-1100")), "K-11000"); }},
        {"a concept added beyond what was read",
         [&](ConceptList &l) {
             const int read = l.rowCount();
             addObject("K-99999");
             EXPECT_EQ(l.conceptAdded("K-99999"), -1);
             EXPECT_EQ(l.rowCount(), read);
         }},
        {"a concept added among what was read",
         [&](ConceptList &l) {
             addObject("K-00001");
             EXPECT_EQ(l.conceptAdded("K-00001"), 1);
         }},
        {"the last row read removed",
         [&](ConceptList &l) {
             const int last = l.rowCount() - 1;
             const QString id = l.text(last);
             remove(id);
             EXPECT_EQ(l.conceptRemoved(id), last);
         }},
        {"a concept removed beyond what was read",
         [&](ConceptList &l) {
             remove("K-12000");
             EXPECT_EQ(l.conceptRemoved("K-12000"), -1);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto list = ConceptList::ofType(OntologyDB, 1);
        ASSERT_EQ(list->rowCount(), ConceptList::FirstRows);
        ASSERT_TRUE(list->canFetchMore());
        c.meanwhile(*list);
        while (list->canFetchMore())
            list->fetchMore();
        EXPECT_EQ(allRows(*list), objectsNow());
    }
}

TEST_F(ConceptStoreTest, ListViewOptionChoosesTheRows)
{
    OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (3, 'Third')");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES ('IN-THREE', 'd', 1, 3)");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES ('ODD', 'd', 14, 1)");
    const qint64 total = onto.count("SELECT COUNT(*) FROM CONCEPTS");
    const qint64 relations = onto.count("SELECT COUNT(*) FROM CONCEPTS WHERE Type IN (4, 14)");
    struct Case {
        int listTop;
        int activeSet;
        qint64 rows;
        const char *shown;
        const char *hidden;
    } cases[] = {
        {0, 1, total, "PART-OF", nullptr},
        {1, 3, 1, "IN-THREE", "ALL"},
        {1, 1, total - 1, "ALL", "IN-THREE"},
        {2, 1, total - relations, "OBJECT", "PART-OF"},
        {2, 1, total - relations, "IN-THREE", "ODD"},
        {1, 9, 0, nullptr, "ALL"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.listTop * 10 + c.activeSet);
        const auto list = ConceptList::listView(OntologyDB, c.listTop, c.activeSet);
        EXPECT_EQ(list->rowCount(), c.rows);
        if (c.shown) {
            EXPECT_GE(list->find(QString::fromLatin1(c.shown)), 0);
        }
        if (c.hidden) {
            EXPECT_EQ(list->find(QString::fromLatin1(c.hidden)), -1);
        }
    }
}

TEST_F(ConceptStoreTest, DeletePurgesOnlyWhatItLeftWithoutParent)
{
    // CHAIN-1 > CHAIN-2 > CHAIN-3, with SHARED under CHAIN-2 and under OBJECT, and a
    // concept that had no parent before anything was deleted.
    addObject("CHAIN-1");
    addObject("CHAIN-2", "CHAIN-1");
    addObject("CHAIN-3", "CHAIN-2");
    addObject("SHARED", "CHAIN-2");
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('SHARED', 'OBJECT')");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES ('LONER', 'd', 1, 1)");
    OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('CHAIN-3', 'en', 'three')");

    const QStringList deleted = DeleteConcept(QStringLiteral("CHAIN-1"));

    EXPECT_EQ(deleted, (QStringList{"CHAIN-1", "CHAIN-2", "CHAIN-3"}));
    for (const char *gone : {"CHAIN-1", "CHAIN-2", "CHAIN-3"})
        EXPECT_FALSE(exists(QString::fromLatin1(gone))) << gone;
    EXPECT_TRUE(exists("SHARED"));
    EXPECT_TRUE(exists("LONER"));
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM ISA WHERE Concept = 'SHARED'"), 1);
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM Names WHERE Concept = 'CHAIN-3'"), 0);
}

TEST_F(ConceptStoreTest, DeletingARelationTakesItsInverse)
{
    EXPECT_EQ(InverseOf("PART-OF"), "HAS-PART");
    const QStringList deleted = DeleteConcept("PART-OF", InverseOf("PART-OF"));
    EXPECT_EQ(deleted, (QStringList{"PART-OF", "HAS-PART"}));
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM INVERSES WHERE Relation IN ('PART-OF', 'HAS-PART') OR "
                         "Inverse IN ('PART-OF', 'HAS-PART')"),
              0);
    EXPECT_TRUE(exists("LOCATED-IN"));
}

TEST_F(ConceptStoreTest, RenameReachesEveryTableThatNamesTheConcept)
{
    addObject("WHEEL");
    addObject("CAR");
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('CAR', 'WHEEL')");
    OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES ('CAR', 'PART-OF', 0, 'WHEEL')");
    OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES ('WHEEL', 'COLOR', 0, 'black')");
    OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('WHEEL', 'en', 'wheel')");
    OntologyDB.execute("INSERT INTO Notes (Concept, Note) VALUES ('WHEEL', 'round')");

    RenameConcept("WHEEL", "RIM");

    struct Case {
        const char *sql;
        int rows;
    } cases[] = {
        {"SELECT COUNT(*) FROM CONCEPTS WHERE Concept = 'RIM'", 1},
        {"SELECT COUNT(*) FROM ISA WHERE Concept = 'RIM' OR ISA = 'RIM'", 2},
        {"SELECT COUNT(*) FROM RELATIONS WHERE Concept2 = 'RIM'", 1},
        {"SELECT COUNT(*) FROM ATTRIBUTES WHERE Concept = 'RIM'", 1},
        {"SELECT COUNT(*) FROM Names WHERE Concept = 'RIM'", 1},
        {"SELECT COUNT(*) FROM Notes WHERE Concept = 'RIM'", 1},
        {"SELECT COUNT(*) FROM ISA WHERE Concept = 'WHEEL' OR ISA = 'WHEEL'", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(onto.count(QString::fromLatin1(c.sql)), c.rows);
    }
}

TEST_F(ConceptStoreTest, AutomaticNamingGivesNoNameTheIdentifierOrTheLabel)
{
    struct Case {
        int autoName;
        const char *name;  // nullptr: none
    } cases[] = {{0, nullptr}, {1, "FLAT-TYRE"}, {2, "flat tyre"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.autoName);
        OntologyDB.execute("DELETE FROM Names");
        OntologyInfo.AutoName = c.autoName;
        OntologyInfo.DefLang = QStringLiteral("es");
        addObject("FLAT-TYRE");
        EXPECT_EQ(AddDefaultConceptName("FLAT-TYRE"), c.name != nullptr);
        const auto names = NamesOf("FLAT-TYRE");
        ASSERT_EQ(names.size(), c.name ? 1u : 0u);
        if (c.name) {
            EXPECT_EQ(names.front().name, QString::fromLatin1(c.name));
            EXPECT_EQ(names.front().lang, "es");
        }
        DeleteConcept("FLAT-TYRE");
    }
}

TEST_F(ConceptStoreTest, ARelationPairIsWrittenWholeOrNotAtAll)
{
    AddRelationPair({"OWNS", "RELATION", ""}, {"OWNED-BY", "RELATION", "x"});
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM CONCEPTS WHERE Concept IN ('OWNS', 'OWNED-BY') AND Type = 4"), 2);
    EXPECT_EQ(ConceptDefinition("OWNS"), "Undefined");
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM ISA WHERE Concept IN ('OWNS', 'OWNED-BY') AND ISA = 'RELATION'"), 2);
    EXPECT_EQ(InverseOf("OWNS"), "OWNED-BY");
    EXPECT_EQ(InverseOf("OWNED-BY"), "OWNS");

    // The last of the six rows fails: none of them stays.
    const qint64 before = onto.count("SELECT COUNT(*) FROM CONCEPTS");
    OntologyDB.execute("CREATE TRIGGER fail BEFORE INSERT ON INVERSES WHEN NEW.Relation = 'SEES-BACK' "
                       "BEGIN SELECT RAISE(ABORT, 'injected failure'); END");
    EXPECT_THROW(AddRelationPair({"SEES", "RELATION", ""}, {"SEES-BACK", "RELATION", ""}), db::DbError);
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM CONCEPTS"), before);
    EXPECT_FALSE(exists("SEES"));
    EXPECT_EQ(onto.count("SELECT COUNT(*) FROM ISA WHERE Concept = 'SEES'"), 0);
}

TEST_F(ConceptStoreTest, IdentifierLimitsAndProtectedConcepts)
{
    struct Case {
        int length;
        int type;
        bool refused;
    } lengths[] = {{255, 1, false}, {256, 1, true}, {50, 3, false}, {51, 3, true}, {256, 4, true}};
    for (const Case &c : lengths) {
        SCOPED_TRACE(c.length * 10 + c.type);
        EXPECT_EQ(!IdentifierLengthProblem(QString(c.length, QLatin1Char('A')), c.type).isEmpty(), c.refused);
    }
    for (const char *id : {"ALL", "all", "DOMAIN", "Range"})
        EXPECT_FALSE(ProtectedConceptReason(QString::fromLatin1(id), "deleted").isEmpty()) << id;
    EXPECT_TRUE(ProtectedConceptReason("OBJECT", "deleted").isEmpty());
}

TEST_F(ConceptStoreTest, NamesAreChangedAndDeletedByTheirKey)
{
    const qint64 es = AddConceptName("OBJECT", "es", "objeto");
    const qint64 en1 = AddConceptName("OBJECT", "en", "object");
    const qint64 en2 = AddConceptName("OBJECT", "en", "thing");
    auto names = NamesOf("OBJECT");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].id, en1);
    EXPECT_EQ(names[1].id, en2);
    EXPECT_EQ(names[2].id, es);

    EXPECT_TRUE(ChangeConceptName(en2, "es", "cosa"));
    names = NamesOf("OBJECT");
    EXPECT_EQ(names[2].id, en2);
    EXPECT_EQ(names[2].name, "cosa");
    EXPECT_TRUE(DeleteConceptName(es));
    EXPECT_FALSE(DeleteConceptName(es));
    EXPECT_FALSE(ChangeConceptName(es, "en", "gone"));
    EXPECT_EQ(NamesOf("OBJECT").size(), 2u);
}
