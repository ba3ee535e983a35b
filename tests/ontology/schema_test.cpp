#include "db/Cursor.h"
#include "db/Text.h"
#include "support/OntologyFixture.h"
#include "support/SchemaDescription.h"

#include <QFile>
#include "support/ErrorNumber.h"
#include <gtest/gtest.h>

namespace {

// Every row of a table as text, in key order, for comparing two files.
QStringList rowsOf(const db::Database &d, const QString &table, const QStringList &fields)
{
    QStringList cols;
    for (const QString &f : fields)
        cols << db::quoteIdent(f);
    db::QueryCursor c = db::QueryCursor::snapshot(
        d, QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(cols.join(", "), db::quoteIdent(table)));
    QStringList rows;
    for (qsizetype r = 0; r < c.recordCount(); ++r) {
        QStringList values;
        for (int i = 0; i < c.columns().size(); ++i)
            values << c.valueAt(r, i).toString();
        rows << values.join('|');
    }
    return rows;
}

}  // namespace

TEST(NewOntology, HoldsExactlyTheSeedOfResDat)
{
    NewOntology o;
    db::Database res = openResourceDatabase();
    const struct {
        const char *table;
        QStringList fields;
    } seeded[] = {
        {"Subsets", {"Subset_ID", "Subset"}},
        {"CONCEPTS", {"Concept", "Definition", "Type", "Subset_ID"}},
        {"ISA", {"Concept", "ISA"}},
        {"INVERSES", {"Relation", "Inverse"}},
        {"RELATIONS", {"Concept1", "Rel", "Concept2"}},
        {"Languages", {"Lang_ID", "Language", "Show"}},
    };
    for (const auto &t : seeded) {
        SCOPED_TRACE(t.table);
        const QStringList got = rowsOf(OntologyDB, t.table, t.fields);
        EXPECT_FALSE(got.isEmpty());
        EXPECT_EQ(got, rowsOf(res, t.table, t.fields));
    }
    for (const char *empty : {"Names", "ATTRIBUTES", "Notes", "TermBases", "Inherit", "MetaData"})
        EXPECT_EQ(o.count(QStringLiteral("SELECT count(*) FROM ") + empty), 0) << empty;
    EXPECT_EQ(o.count("SELECT count(*) FROM RELATIONS WHERE \"Default\" <> 0"), 0);
    EXPECT_EQ(o.count("SELECT min(Relation_ID) FROM RELATIONS"), 1) << "numbered afresh";
}

TEST(NewOntology, ExistingFileIsLeftAloneAndAFailedSeedLeavesNoFile)
{
    TestFolder dir;
    ui::setAppPath(dir.path());
    const QString existing = dir.write("old.ont", "precious");
    try {
        CreateOntologyDatabase(existing);
        FAIL();
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::ExistsAlready);
    }
    EXPECT_EQ(fileBytes(existing), QByteArray("precious"));

    QFile::remove(dir.resDat());
    OntologyPath = dir.file("new.ont");
    EXPECT_THROW(CreateOntologyDatabase(OntologyPath), db::DbError);
    EXPECT_FALSE(QFile::exists(OntologyPath)) << "no half-made ontology may remain";
    EXPECT_FALSE(OntologyDB.isOpen());
    OntologyPath.clear();
    ui::setAppPath({});
}

TEST(OntologySchema, CascadesCarryRenamesAndDeletes)
{
    NewOntology o;
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('DOG', 1, 1), ('TAIL', 1, 1)");
    OntologyDB.execute("INSERT INTO ISA VALUES ('DOG', 'OBJECT'), ('TAIL', 'OBJECT')");
    OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, Concept2) VALUES ('TAIL', 'PART-OF', 'DOG')");
    OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('DOG', 'en', 'dog'), ('DOG', 'es', 'perro')");
    OntologyDB.execute("INSERT INTO Inherit VALUES ('PART-OF', 'DOG', 'TAIL')");

    // A parent, a relation slot and both sides of an inverse, renamed at once.
    OntologyDB.execute("UPDATE CONCEPTS SET Concept = 'THING' WHERE Concept = 'object'");
    OntologyDB.execute("UPDATE CONCEPTS SET Concept = 'PART-OF-X' WHERE Concept = 'PART-OF'");
    EXPECT_EQ(o.count("SELECT count(*) FROM ISA WHERE ISA = 'THING'"), 2);
    EXPECT_EQ(o.count("SELECT count(*) FROM RELATIONS WHERE Rel = 'PART-OF-X'"), 1);
    EXPECT_EQ(o.count("SELECT count(*) FROM INVERSES WHERE Relation = 'PART-OF-X' OR Inverse = 'PART-OF-X'"), 2);
    EXPECT_EQ(o.count("SELECT count(*) FROM Inherit WHERE Attr = 'PART-OF'"), 1) << "the work table is free text";

    // Deleting a relation concept takes its inverse rows both ways and every slot using it.
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'PART-OF-X'");
    EXPECT_EQ(o.count("SELECT count(*) FROM INVERSES WHERE Relation = 'HAS-PART' OR Inverse = 'HAS-PART'"), 0);
    EXPECT_EQ(o.count("SELECT count(*) FROM RELATIONS WHERE Concept1 = 'TAIL'"), 0);
    EXPECT_EQ(o.count("SELECT count(*) FROM RELATIONS WHERE Concept1 = 'PART-OF-X'"), 0);

    OntologyDB.execute("DELETE FROM Languages WHERE Lang_ID = 'es'");
    EXPECT_EQ(o.count("SELECT count(*) FROM Names"), 1);

    OntologyDB.execute("INSERT INTO Subsets VALUES (2, 'Animals')");
    OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2 WHERE Concept = 'DOG'");
    OntologyDB.execute("DELETE FROM Subsets WHERE Subset_ID = 2");
    EXPECT_EQ(o.count("SELECT count(*) FROM CONCEPTS WHERE Concept = 'DOG'"), 0);
    EXPECT_EQ(o.count("SELECT count(*) FROM Names"), 0);
}

TEST(OntologySchema, RefusesWhatBreaksItsRules)
{
    NewOntology o;
    struct Case {
        const char *what;
        QString sql;
        QVariantList params;
        int expected;
    } cases[] = {
        {"name in an unknown language", "INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('ALL', 'xx', 'a')", {},
         db::err::RelatedRecordRequired},
        {"concept in an unknown subset", "INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('X', 1, 9)", {},
         db::err::RelatedRecordRequired},
        {"51-character attribute", "INSERT INTO ATTRIBUTES (Concept, Attribute) VALUES ('ALL', ?)",
         {QString(51, 'A')}, db::err::FieldTooSmall},
        {"empty definition", "UPDATE CONCEPTS SET Definition = '' WHERE Concept = 'ALL'", {},
         db::err::ZeroLengthString},
        {"empty note is allowed", "INSERT INTO Notes (Concept, Note) VALUES ('ALL', '')", {}, 0},
        {"duplicate IS-A pair", "INSERT INTO ISA VALUES ('object', 'all')", {}, db::err::DuplicateKey},
        {"case-variant concept", "INSERT INTO CONCEPTS (Concept, Type) VALUES ('Object', 1)", {},
         db::err::DuplicateKey},
        {"type 256", "UPDATE CONCEPTS SET Type = 256 WHERE Concept = 'ALL'", {}, db::err::NumericOverflow},
        {"two identical relation slots", "INSERT INTO RELATIONS (Concept1, Rel, Concept2) VALUES ('PART-OF', 'DOMAIN', 'OBJECT')",
         {}, 0},
        {"name longer than 25", "INSERT INTO MetaData (Name) VALUES (?)", {QString(26, 'n')}, db::err::FieldTooSmall},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureOf(OntologyDB, c.sql, c.params), c.expected);
    }
}

// Every table of the file as it is written: each field's type and size, which keys may
// not be Null, where a zero-length text is allowed, every index and every relation with
// its cascades. A change to any of them changes the file format and must be made here too.
TEST(OntologySchema, EveryFieldIndexAndRelationIsAsDesigned)
{
    NewOntology o;
    const struct {
        const char *table;
        QStringList lines;
    } tables[] = {
        {"ATTRIBUTES",
         {"Property_ID INTEGER AUTO",
          "Concept VARCHAR(255)",
          "Attribute VARCHAR(50)",
          "Default BOOLEAN",
          "Value TEXT",
          "index IdxProps UNIQUE (Property_ID)",
          "index fk_Attribute (Attribute)",
          "index fk_Concept (Concept)",
          "relation ConceptsAttributes Concept -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation ConceptsAttributes2 Attribute -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"CONCEPTS",
         {"Concept VARCHAR(255) NOT NULL",
          "Definition TEXT",
          "Type TINYINT",
          "Subset_ID TINYINT",
          "index Concept UNIQUE (Concept)",
          "index Subset (Subset_ID, Concept)",
          "index Type (Type, Concept)",
          "relation SubsetsConcepts Subset_ID -> Subsets.Subset_ID UPDATE CASCADE DELETE CASCADE"}},
        {"Inherit",
         {"Attr VARCHAR(255) NOT NULL",
          "Value TEXT NOT NULL",
          "From VARCHAR(255)",
          "index Attr (Attr)",
          "index AttrVal UNIQUE (Attr, Value)",
          "index From (From)",
          "index Value (Value)"}},
        {"INVERSES",
         {"Relation VARCHAR(255) NOT NULL",
          "Inverse VARCHAR(255) NOT NULL",
          "index Inverse (Inverse)",
          "index Rel-Inv UNIQUE (Relation, Inverse)",
          "index Relation (Relation)",
          "relation ConceptsInverses1 Relation -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation ConceptsInverses2 Inverse -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"ISA",
         {"Concept VARCHAR(255) NOT NULL",
          "ISA VARCHAR(255) NOT NULL",
          "index Children (ISA, Concept)",
          "index ISA UNIQUE (Concept, ISA)",
          "relation ConceptsISA Concept -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation ConceptsISA2 ISA -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"Languages",
         {"Lang_ID VARCHAR(2) NOT NULL",
          "Language VARCHAR(255)",
          "Show BOOLEAN",
          "index Lang_ID UNIQUE (Lang_ID)",
          "index Language (Language)"}},
        {"MetaData",
         {"MetaData_ID INTEGER AUTO",
          "Name VARCHAR(25)",
          "Created DATE",
          "Modified DATE",
          "Owner VARCHAR(150) ZLS",
          "Author VARCHAR(200) ZLS",
          "Contact VARCHAR(150) ZLS",
          "Description VARCHAR(255) ZLS",
          "MaxParents TINYINT",
          "ListTop TINYINT",
          "DefLang VARCHAR(2)",
          "Naming BOOLEAN",
          "AutoName TINYINT",
          "ActiveSet TINYINT",
          "index IdxMD UNIQUE (MetaData_ID)"}},
        {"Names",
         {"Name_ID INTEGER AUTO",
          "Concept VARCHAR(255)",
          "Lang_ID VARCHAR(2)",
          "Name VARCHAR(255)",
          "index Concept (Concept)",
          "index Lang_ID (Lang_ID)",
          "index Name_ID UNIQUE (Name_ID)",
          "relation ConceptsNames Concept -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation LanguagesNames Lang_ID -> Languages.Lang_ID UPDATE CASCADE DELETE CASCADE"}},
        {"Notes",
         {"Note_ID INTEGER AUTO",
          "Concept VARCHAR(255)",
          "Note TEXT ZLS",
          "Date DATE",
          "index Concept (Concept)",
          "index IdxNote UNIQUE (Note_ID)",
          "relation ConceptsNotes Concept -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"RELATIONS",
         {"Relation_ID INTEGER AUTO",
          "Concept1 VARCHAR(255)",
          "Rel VARCHAR(255)",
          "Default BOOLEAN",
          "Concept2 VARCHAR(255)",
          "index IdxRels UNIQUE (Relation_ID)",
          "index fk_Concept1 (Concept1)",
          "index fk_Concept2 (Concept2)",
          "index fk_Rel (Rel)",
          "relation ConceptsRelations Concept1 -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation ConceptsRelations2 Concept2 -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE",
          "relation ConceptsRelations3 Rel -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"Subsets",
         {"Subset_ID TINYINT NOT NULL",
          "Subset VARCHAR(65)",
          "index Subset (Subset)",
          "index Subset_ID UNIQUE (Subset_ID)"}},
        {"TermBases",
         {"DBName TEXT"}},
    };
    QStringList names;
    for (const auto &t : tables) {
        SCOPED_TRACE(t.table);
        names << t.table;
        EXPECT_EQ(describeTable(OntologyDB, t.table), t.lines);
    }
    EXPECT_EQ(tablesOf(OntologyDB), names) << "no table more or less";
}
