#include "HierarchyFixture.h"
#include "support/OntologyFixture.h"

#include <gtest/gtest.h>

namespace {

struct Slot {
    QString owner, slot, value;
    bool byDefault = false;
};

const QString longValue = QString(300, 'x');

// One ontology with a branch under the root for each rule of inheritance.
void buildFixture()
{
    addIsA({
        {"A", "ALL"}, {"B", "A"}, {"C", "B"}, {"C-NOTHING", "B"}, {"C-GREEN", "B"}, {"B-NOTHING", "A"},
        {"C-UNDER-NOTHING", "B-NOTHING"}, {"B2", "A"}, {"C2", "B2"},
        {"P", "ALL"}, {"Q", "P"}, {"R", "Q"}, {"U", "Q"}, {"V", "U"}, {"W", "Q"}, {"X", "W"},
        {"M1", "ALL"}, {"M2", "ALL"}, {"N", "M1"}, {"N", "M2"},
        {"FA", "ALL"}, {"FZ", "ALL"}, {"FB", "FA"}, {"FB", "FZ"}, {"FC", "FB"},
        {"GA", "ALL"}, {"GB", "GA"}, {"GB", "ALL"}, {"GM", "GA"}, {"GC", "GB"}, {"GC", "GM"},
        {"H", "ALL"}, {"HC", "H"},
        {"L", "ALL"}, {"LC", "L"},
        {"K1", "ALL"}, {"K1C", "K1"}, {"K2", "ALL"}, {"K2C", "K2"},
        {"Z9", "ALL"}, {"Y9", "Z9"}, {"Z9", "Y9"}, {"C9", "Y9"},
    });
    // W9 has no parent at all, so the walk from the root never reaches it.
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('W9', 1, 1)");
    OntologyDB.execute("INSERT INTO ISA VALUES ('C9', 'W9')");

    const Slot attributes[] = {
        {"ALL", "COLOR", "white"},  // the root's own slots are never inherited
        {"A", "COLOR", "red"}, {"B", "COLOR", "blue"}, {"C-NOTHING", "COLOR", "*NOTHING*"},
        {"C-GREEN", "COLOR", "green"}, {"B-NOTHING", "COLOR", "*NOTHING*"}, {"B2", "COLOR", "green"},
        {"C2", "COLOR", "green"},
        {"P", "COLOR", "red"}, {"P", "SIZE", "big", true}, {"Q", "COLOR", "red"}, {"Q", "SIZE", "big"},
        {"U", "COLOR", "*NOTHING*", true}, {"W", "COLOR", "RED"},
        {"M1", "COLOR", "pink"}, {"M2", "COLOR", "gray"},
        {"FA", "COLOR", "amber"}, {"FB", "COLOR", "beige"}, {"FZ", "COLOR", "zinc"},
        {"GB", "COLOR", "blue"}, {"GM", "COLOR", "mauve"},
        {"H", "COLOR", "hazel"}, {"HC", "MADE-OF", "whatever"},
        {"L", "COLOR", longValue}, {"L", "SIZE", {}},
        {"K1", "SIZE", "*NOTHING*"}, {"K1", "SIZE", "tiny"}, {"K2", "SIZE", "tiny"}, {"K2", "SIZE", "*NOTHING*"},
        {"Z9", "SIZE", "zz"}, {"Y9", "COLOR", "yy"}, {"W9", "COLOR", "white9"},
    };
    for (const Slot &s : attributes)
        OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)",
                           {s.owner, s.slot, s.byDefault, s.value.isNull() ? QVariant() : QVariant(s.value)});
    const Slot relations[] = {{"H", "PART-OF", "OBJECT"}, {"H", "MADE-OF", "EVENT"}};
    for (const Slot &s : relations)
        OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)",
                           {s.owner, s.slot, s.byDefault, s.value});
}

// What a reader of the result sees: every row through RSInherit, as "Attr|Value|From".
QStringList inherited()
{
    QStringList rows;
    if (RSInherit->isEmpty())
        return rows;
    for (RSInherit->moveFirst(); !RSInherit->eof(); RSInherit->moveNext())
        rows << RSInherit->text("Attr") + '|' + RSInherit->text("Value") + '|' + RSInherit->text("From");
    rows.sort();
    return rows;
}

struct InheritanceFixture {
    NewOntology o;
    InheritanceFixture()
    {
        buildFixture();
        RootConcept = FindRootConcept();
        RSInherit.emplace(OntologyDB, "Inherit", "Attr");
    }
};

}  // namespace

TEST(Inheritance, ComputesWhatEachConceptInherits)
{
    InheritanceFixture f;
    const QString bigDefault = "SIZE|big (by default)|P";
    const struct Case {
        const char *what;
        QString identifier, type, include;
        QStringList expected;
    } cases[] = {
        {"chain, cumulative: every ancestor's value", "C", "c", "all", {"COLOR|blue|B", "COLOR|red|A"}},
        {"chain, exclusive: the nearer ancestor replaces", "C", "x", "all", {"COLOR|blue|B"}},
        {"any type but c is exclusive", "C", "", "all", {"COLOR|blue|B"}},
        {"the root inherits nothing, whatever was there", "ALL", "c", "all", {}},
        {"a child of the root inherits nothing", "A", "c", "all", {}},
        {"an unknown concept inherits nothing", "NOT-THERE", "x", "all", {}},
        {"*NOTHING* from an ancestor, cumulative", "C-UNDER-NOTHING", "c", "all", {}},
        {"*NOTHING* from an ancestor, exclusive", "C-UNDER-NOTHING", "x", "all", {}},
        {"*NOTHING* from the concept itself, cumulative", "C-NOTHING", "c", "all", {}},
        {"*NOTHING* from the concept itself, exclusive", "C-NOTHING", "x", "all", {}},
        {"an own value keeps other inherited ones, cumulative", "C-GREEN", "c", "all", {"COLOR|blue|B", "COLOR|red|A"}},
        {"an own value replaces inherited ones, exclusive", "C-GREEN", "x", "all", {}},
        {"an own value is not inherited, cumulative", "C2", "c", "all", {"COLOR|red|A"}},
        {"a pair given twice is listed once, from the later; a default is another value", "R", "c", "all",
         {"COLOR|red|Q", bigDefault, "SIZE|big|Q"}},
        {"defaults, exclusive", "R", "x", "all", {"COLOR|red|Q", "SIZE|big|Q"}},
        {"*NOTHING* by default is an ordinary value, cumulative", "V", "c", "all",
         {"COLOR|*NOTHING* (by default)|U", "COLOR|red|Q", bigDefault, "SIZE|big|Q"}},
        {"*NOTHING* by default is an ordinary value, exclusive", "V", "x", "all",
         {"COLOR|*NOTHING* (by default)|U", "SIZE|big|Q"}},
        {"a value differing only in case keeps the earlier row, cumulative", "X", "c", "all",
         {"COLOR|red|Q", bigDefault, "SIZE|big|Q"}},
        {"a value differing only in case replaces, exclusive", "X", "x", "all", {"COLOR|RED|W", "SIZE|big|Q"}},
        {"two parents, exclusive: the later in identifier order", "N", "x", "all", {"COLOR|gray|M2"}},
        {"two parents, cumulative", "N", "c", "all", {"COLOR|gray|M2", "COLOR|pink|M1"}},
        {"a farther ancestor reached later overrides the parent", "FC", "x", "all", {"COLOR|zinc|FZ"}},
        {"a farther ancestor, cumulative", "FC", "c", "all", {"COLOR|amber|FA", "COLOR|beige|FB", "COLOR|zinc|FZ"}},
        {"an ancestor met again is merged again, exclusive", "GC", "x", "all", {"COLOR|blue|GB"}},
        {"an ancestor met again, cumulative", "GC", "c", "all", {"COLOR|blue|GB", "COLOR|mauve|GM"}},
        {"relations only", "HC", "x", "rels", {"PART-OF|OBJECT|H"}},
        {"attributes only", "HC", "x", "attrs", {"COLOR|hazel|H"}},
        {"an own attribute cancels an inherited relation slot", "HC", "x", "all",
         {"COLOR|hazel|H", "PART-OF|OBJECT|H"}},
        {"an own value drops only its equal, cumulative", "HC", "c", "all",
         {"COLOR|hazel|H", "MADE-OF|EVENT|H", "PART-OF|OBJECT|H"}},
        {"neither relations nor attributes", "HC", "c", "none", {}},
        {"a long value is kept whole; an empty one gives no row", "LC", "c", "all", {"COLOR|" + longValue + "|L"}},
        {"*NOTHING* first, then a value", "K1C", "x", "all", {"SIZE|tiny|K1"}},
        {"a value, then *NOTHING*", "K2C", "c", "all", {}},
        {"an IS-A cycle among the ancestors ends", "C9", "x", "all", {"COLOR|yy|Y9", "SIZE|zz|Z9"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ComputeInherited(c.identifier, c.type, c.include);
        QStringList expected = c.expected;
        expected.sort();
        EXPECT_EQ(inherited(), expected);
    }
}

TEST(Inheritance, AStoreFailureIsReportedAndTheLastResultKept)
{
    InheritanceFixture f;
    ComputeInherited("C", "c", "all");
    const QStringList before = inherited();
    ASSERT_FALSE(before.isEmpty());

    // A file that refuses one inherited row for a reason other than a repeated pair.
    OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, Value) VALUES ('M1', 'SIZE', 'poison')");
    OntologyDB.execute("CREATE TRIGGER poison BEFORE INSERT ON Inherit WHEN NEW.Value = 'poison' "
                       "BEGIN UPDATE CONCEPTS SET Type = 999 WHERE Concept = 'ALL'; END");
    try {
        ComputeInherited("N", "x", "all");
        ADD_FAILURE() << "the failure was swallowed";
    } catch (const db::DbError &e) {
        EXPECT_NE(e.number(), db::err::DuplicateKey);
    }
    EXPECT_EQ(inherited(), before);
}

TEST(Inheritance, WorkListMarksAncestorsExactly)
{
    AncestorWorkList work;
    EXPECT_TRUE(AllAncestorsVisited(work)) << "nothing to visit";
    work.append("A");
    work.append("B");
    work.append("A");
    EXPECT_EQ(work.size(), 2);
    EXPECT_TRUE(IsInAncestorList("B", work));
    EXPECT_FALSE(IsInAncestorList("b", work)) << "letter case counts";
    MarkAncestorVisited("A", work);
    MarkAncestorVisited("A", work);
    MarkAncestorVisited("b", work);
    EXPECT_FALSE(AllAncestorsVisited(work));
    MarkAncestorVisited("B", work);
    EXPECT_TRUE(AllAncestorsVisited(work));
}

TEST(Inheritance, DeletionsCompareExactly)
{
    InheritanceFixture f;
    for (const char *row : {"COLOR|red|A", "COLOR|blue|B", "color|green|B", "SIZE|big|A"}) {
        const QStringList v = QString(row).split('|');
        OntologyDB.execute("INSERT INTO Inherit (Attr, Value, \"From\") VALUES (?, ?, ?)", {v[0], v[1], v[2]});
    }
    InheritDeleteValue("COLOR", "RED");
    EXPECT_EQ(inherited().size(), 4) << "RED is not red";
    InheritDeleteValue("COLOR", "red");
    EXPECT_EQ(inherited(), QStringList({"COLOR|blue|B", "SIZE|big|A", "color|green|B"}));
    InheritDeleteNotFrom("COLOR", "A");
    EXPECT_EQ(inherited(), QStringList({"SIZE|big|A", "color|green|B"}));
    InheritDelete("color");
    EXPECT_EQ(inherited(), QStringList({"SIZE|big|A"}));
    InheritClear();
    EXPECT_TRUE(inherited().isEmpty());
}

// Showing what a concept inherits writes the work table of this session only: the file
// is not written (nor waited for) each time a concept is shown.
TEST(Inheritance, TheWorkTableOfTheSessionTakesTheRowsAndTheFileKeepsItsOwn)
{
    InheritanceFixture f;
    ComputeInherited("C", "c", "all");
    EXPECT_EQ(inherited(), (QStringList{"COLOR|blue|B", "COLOR|red|A"}));
    db::Database other = db::Database::open(OntologyPath);
    EXPECT_EQ(other.scalar("SELECT count(*) FROM Inherit").toInt(), 0) << "the file's own table is untouched";
    EXPECT_EQ(f.o.count("SELECT count(*) FROM temp.sqlite_schema WHERE type = 'index' AND tbl_name = 'Inherit'"),
              f.o.count("SELECT count(*) FROM main.sqlite_schema WHERE type = 'index' AND tbl_name = 'Inherit'"))
        << "with the file's indexes";
    EXPECT_THROW(OntologyDB.execute("INSERT INTO Inherit (Attr, Value) VALUES ('COLOR', 'blue')"), db::DbError)
        << "and its keys";
}
