#include "TermbaseFixture.h"
#include "support/SchemaDescription.h"
#include "db/Cursor.h"
#include "termbase/TermbaseSchema.h"

#include <QFile>
#include "support/ErrorNumber.h"
#include <gtest/gtest.h>

namespace {

struct Copied {
    const char *table;
    const char *fields;
};
const Copied resourceTables[] = {
    {"charsets", "charsetID, description, wsd"},
    {"langs", "langID, description, charsetID, \"order\""},
    {"datcats", "categoryID, GI_name, type, value_type, needs_lang, forms_link, parentCatID"},
    {"datcats_names", "categoryID, langID, name"},
    {"elements", "elemID, categoryID, parentID"},
    {"picklists", "categoryID, value"},
    {"valid_families", "parentCategoryID, childCategoryID, occurrence"},
};

// Rows of one side that the other lacks, with the resource file attached as "res".
qint64 rowsMissing(const QString &fields, const QString &from, const QString &notIn)
{
    return TermbaseDB
        .scalar(QStringLiteral("SELECT count(*) FROM (SELECT %1 FROM %2 EXCEPT SELECT %1 FROM %3)").arg(fields, from, notIn))
        .toLongLong();
}

}  // namespace

TEST(NewTermbase, HoldsExactlyTheSeedOfResDatAndTheOntologyLessItsRoot)
{
    OpenTermbase t;
    TermbaseDB.execute("ATTACH DATABASE ? AS res", {t.ontology.dir.resDat()});
    for (const Copied &c : resourceTables) {
        SCOPED_TRACE(c.table);
        const QString mine = QStringLiteral("main.") + c.table, theirs = QStringLiteral("res.") + c.table;
        EXPECT_GT(t.count(QStringLiteral("SELECT count(*) FROM ") + mine), 0);
        EXPECT_EQ(t.count(QStringLiteral("SELECT count(*) FROM ") + mine),
                  t.count(QStringLiteral("SELECT count(*) FROM ") + theirs));
        EXPECT_EQ(rowsMissing(c.fields, mine, theirs), 0);
        EXPECT_EQ(rowsMissing(c.fields, theirs, mine), 0);
    }
    EXPECT_GT(t.count("SELECT count(*) FROM res.langs WHERE wsd IS NOT NULL OR collating_sequence IS NOT NULL "
                      "OR noise_list IS NOT NULL"), 0) << "the fixture must show that these are left behind";
    EXPECT_EQ(t.count("SELECT count(*) FROM langs WHERE wsd IS NOT NULL OR collating_sequence IS NOT NULL "
                      "OR noise_list IS NOT NULL"), 0);
    TermbaseDB.execute("DETACH DATABASE res");

    // The ontology's concepts less its root, and nothing of the ontology but their identifiers.
    QStringList concepts;
    db::QueryCursor c = db::QueryCursor::snapshot(TermbaseDB, "SELECT Concept FROM CONCEPTS");
    for (qsizetype r = 0; r < c.recordCount(); ++r)
        concepts << c.valueAt(r, 0).toString();
    QStringList expected;
    db::QueryCursor o = db::QueryCursor::snapshot(OntologyDB, "SELECT Concept FROM CONCEPTS WHERE Concept <> 'ALL'");
    for (qsizetype r = 0; r < o.recordCount(); ++r)
        expected << o.valueAt(r, 0).toString();
    concepts.sort();
    expected.sort();
    EXPECT_EQ(concepts, expected);
    EXPECT_TRUE(concepts.contains("DOG"));
    EXPECT_EQ(TermbaseDB.columnNames("CONCEPTS"), QStringList{"Concept"});

    for (const char *empty : {"TERMS", "TE_CONCEPTS", "pointers", "elements_use_lang", "date_values", "number_values",
                              "picklist_values", "ref_values", "text_values"})
        EXPECT_EQ(t.count(QStringLiteral("SELECT count(*) FROM ") + empty), 0) << empty;

    // What New adds around the copy: one properties row, the folders, the link.
    EXPECT_EQ(t.count("SELECT count(*) FROM MetaData"), 1);
    EXPECT_EQ(TermbaseInfo.Name, "Test");
    EXPECT_EQ(TermbaseInfo.Created, QDate::currentDate());
    EXPECT_EQ(TermbaseInfo.Ontology, OntologyPath);
    EXPECT_EQ(TermbaseInfo.DCLang, "en");
    EXPECT_EQ(TermbaseInfo.DCList, "tree");
    EXPECT_FALSE(TermbaseInfo.CSBrowser);
    EXPECT_EQ(TermbaseInfo.Description, "A termbase for tests");
    EXPECT_TRUE(QDir(t.folder + "Test-publish").exists());
    EXPECT_TRUE(QDir(t.folder + "Test-back").exists());
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM TermBases WHERE DBName = ?", {t.path}).toInt(), 1);
    EXPECT_EQ(t.opened.EntryCount, 0);
    EXPECT_EQ(t.opened.TermCount, 0);
}

TEST(NewTermbase, OntologyOfOnlyItsRootGivesNoConcepts)
{
    WorkingOntology w;
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept <> 'ALL'");
    const QString path = w.create();
    db::Database tb = db::Database::open(path);
    EXPECT_EQ(tb.scalar("SELECT count(*) FROM CONCEPTS").toInt(), 0);
}

TEST(NewTermbase, ReportsProgressUpToItsMaximumAndNeverPast)
{
    struct Case {
        const char *what;
        const char *trim;  // run on the copy of res.dat first
    } cases[] = {
        {"more resource rows than the maximum", nullptr},
        {"fewer", "DELETE FROM valid_families WHERE rowid > 1; DELETE FROM picklists WHERE rowid > 1; "
                  "DELETE FROM datcats_names WHERE rowid > 1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WorkingOntology w;
        qint64 rows = 0;
        {
            db::Database res = db::Database::open(w.ontology.dir.resDat());
            if (c.trim)
                for (const QString &sql : QString::fromLatin1(c.trim).split(';'))
                    res.execute(sql);
            for (const Copied &t : resourceTables)
                rows += res.scalar(QStringLiteral("SELECT count(*) FROM ") + t.table).toLongLong();
        }
        std::vector<int> values;
        CreateTermbaseSchema(w.file("p.lxb"), [&](int v) { values.push_back(v); });
        ASSERT_EQ(qint64(values.size()), rows) << "one report per copied row";
        for (size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(values[i], std::min<int>(int(i) + 1, ResourceCopyMaximum)) << "report " << i;
        if (c.trim)
            EXPECT_LT(values.back(), ResourceCopyMaximum);
        else
            EXPECT_EQ(values.back(), ResourceCopyMaximum);
    }
}

TEST(TermbaseSchema, DeletingAnElementTakesItsSubtreeWithEveryRowThatBelongsToIt)
{
    OpenTermbase t;
    // Entry 20 for DOG: section 21 with term 22 and the term's note, type, degree;
    // a definition, a date and a figure that points at attached file 40 in the back matter.
    TermbaseDB.execute("INSERT INTO elements VALUES (20, '0.3', 3), (21, '0.4', 20), (22, '1', 21), (23, '8', 22), "
                       "(24, '5.1', 20), (25, '2.1', 22), (26, '3.4', 22), (27, '10.4.1', 20), (28, '5.5.1', 20), "
                       "(40, 'x5.5', 6)");
    TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (20, 'DOG')");
    TermbaseDB.execute("INSERT INTO elements_use_lang VALUES (21, 'en'), (24, 'en')");
    TermbaseDB.execute("INSERT INTO TERMS VALUES (22, 'dog', 'en')");
    TermbaseDB.execute("INSERT INTO text_values VALUES (23, 'a note'), (24, 'a domestic animal')");
    TermbaseDB.execute("INSERT INTO picklist_values VALUES (25, 'main entry term')");
    TermbaseDB.execute("INSERT INTO number_values VALUES (26, 7)");
    TermbaseDB.execute("INSERT INTO date_values VALUES (27, '2024-05-01')");
    TermbaseDB.execute("INSERT INTO ref_values VALUES (40, 'dog.png')");
    TermbaseDB.execute("INSERT INTO pointers VALUES (28, 40)");
    // Entry 30 for CAT, whose free cross-reference 33 points into DOG's subtree.
    TermbaseDB.execute("INSERT INTO elements VALUES (30, '0.3', 3), (31, '0.4', 30), (32, '1', 31), (33, '10.18', 32)");
    TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (30, 'CAT')");
    TermbaseDB.execute("INSERT INTO TERMS VALUES (32, 'cat', 'en')");
    TermbaseDB.execute("INSERT INTO text_values VALUES (33, 'compare')");
    TermbaseDB.execute("INSERT INTO pointers VALUES (33, 22)");

    TermbaseDB.execute("DELETE FROM elements WHERE elemID = 20");

    const QString subtree = "elemID BETWEEN 20 AND 28";
    for (const char *table : {"elements", "TE_CONCEPTS", "elements_use_lang", "TERMS", "text_values",
                              "picklist_values", "number_values", "date_values", "pointers"})
        EXPECT_EQ(t.count(QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(table, subtree)), 0) << table;
    EXPECT_EQ(t.count("SELECT count(*) FROM pointers WHERE targetID BETWEEN 20 AND 28"), 0)
        << "a pointer from outside into the subtree goes with it";
    EXPECT_EQ(t.count("SELECT count(*) FROM elements WHERE elemID IN (30, 31, 32, 33, 40)"), 5);
    EXPECT_EQ(t.count("SELECT count(*) FROM text_values WHERE elemID = 33"), 1);
    EXPECT_EQ(t.count("SELECT count(*) FROM ref_values WHERE elemID = 40"), 1);
    EXPECT_EQ(t.count("SELECT count(*) FROM CONCEPTS WHERE Concept = 'DOG'"), 1) << "the concept stays";
}

TEST(TermbaseSchema, ConceptRenamesAndDeletesReachTheEntries)
{
    OpenTermbase t;
    TermbaseDB.execute("INSERT INTO elements VALUES (20, '0.3', 3), (30, '0.3', 3)");
    TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (20, 'DOG'), (30, 'CAT')");

    TermbaseDB.execute("UPDATE CONCEPTS SET Concept = 'HOUND' WHERE Concept = 'dog'");
    EXPECT_EQ(TermbaseDB.scalar("SELECT Concept FROM TE_CONCEPTS WHERE elemID = 20").toString(), "HOUND");

    TermbaseDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'CAT'");
    EXPECT_EQ(t.count("SELECT count(*) FROM TE_CONCEPTS WHERE elemID = 30"), 0);
    EXPECT_EQ(t.count("SELECT count(*) FROM elements WHERE elemID = 30"), 1) << "the entry itself stays";
}

TEST(TermbaseSchema, RefusesWhatBreaksItsRules)
{
    OpenTermbase t;
    TermbaseDB.execute("INSERT INTO elements VALUES (20, '0.3', 3), (21, '8', 20)");
    TermbaseDB.execute("INSERT INTO text_values VALUES (21, 'note')");
    struct Case {
        const char *what;
        QString sql;
        QVariantList params;
        int expected;
    } cases[] = {
        {"element of an unknown category", "INSERT INTO elements VALUES (50, 'zz', 3)", {}, db::err::RelatedRecordRequired},
        {"element under a missing parent", "INSERT INTO elements VALUES (51, '8', 999)", {}, db::err::RelatedRecordRequired},
        {"category name in a language not in langs", "INSERT INTO datcats_names VALUES ('8', 'xx', 'n')", {},
         db::err::RelatedRecordRequired},
        {"category pair naming an unknown category", "INSERT INTO valid_families VALUES ('8', 'zz', 'n')", {},
         db::err::RelatedRecordRequired},
        {"value of a missing element", "INSERT INTO text_values VALUES (999, 'x')", {}, db::err::RelatedRecordRequired},
        {"second value of one element", "INSERT INTO text_values VALUES (21, 'again')", {}, db::err::DuplicateKey},
        {"entry of a concept the termbase lacks", "INSERT INTO TE_CONCEPTS VALUES (20, 'UNICORN')", {},
         db::err::RelatedRecordRequired},
        {"pointer to a missing element", "INSERT INTO pointers VALUES (21, 999)", {}, db::err::RelatedRecordRequired},
        {"two entries naming one concept pass the schema", "INSERT INTO elements VALUES (22, '0.3', 3)", {}, 0},
        {"four-letter language", "INSERT INTO langs (langID) VALUES ('engl')", {}, db::err::FieldTooSmall},
        {"name over 25 characters", "UPDATE MetaData SET Name = ?", {QString(26, 'n')}, db::err::FieldTooSmall},
        {"empty owner", "UPDATE MetaData SET Owner = ''", {}, 0},
        {"empty data-category language", "UPDATE MetaData SET DCLang = ''", {}, db::err::ZeroLengthString},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureOf(TermbaseDB, c.sql, c.params), c.expected);
    }
    TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (20, 'DOG'), (22, 'DOG')");
    EXPECT_EQ(t.count("SELECT count(*) FROM TE_CONCEPTS WHERE Concept = 'DOG'"), 2)
        << "the editor, not the schema, keeps one entry per concept";
}

// Every table of the file as it is written: each field's type and size, which keys may
// not be Null, where a zero-length text is allowed, every index and every relation with
// its cascades. A change to any of them changes the file format and must be made here too.
TEST(TermbaseSchema, EveryFieldIndexAndRelationIsAsDesigned)
{
    OpenTermbase t;
    const struct {
        const char *table;
        QStringList lines;
    } tables[] = {
        {"charsets",
         {"charsetID VARCHAR(20) NOT NULL",
          "description TEXT",
          "wsd TEXT",
          "index charsetID UNIQUE (charsetID)"}},
        {"CONCEPTS",
         {"Concept VARCHAR(255) NOT NULL",
          "index Concept UNIQUE (Concept)"}},
        {"datcats",
         {"categoryID VARCHAR(10) NOT NULL",
          "GI_name VARCHAR(15)",
          "type VARCHAR(32)",
          "value_type VARCHAR(9)",
          "needs_lang BOOLEAN",
          "forms_link BOOLEAN",
          "parentCatID VARCHAR(10)",
          "index categoryID UNIQUE (categoryID)",
          "index parentCatID (parentCatID)",
          "relation datcats-datcats parentCatID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE"}},
        {"datcats_names",
         {"categoryID VARCHAR(10) NOT NULL",
          "langID VARCHAR(3) NOT NULL",
          "name VARCHAR(255)",
          "index cat-lang UNIQUE (categoryID, langID)",
          "index fk_langID (langID)",
          "relation langs-datcats_names langID -> langs.langID UPDATE CASCADE DELETE CASCADE",
          "relation datcats-datcats_names categoryID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE"}},
        {"date_values",
         {"elemID INTEGER NOT NULL",
          "value DATE",
          "index elemID UNIQUE (elemID)",
          "relation elements-dates elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"elements",
         {"elemID INTEGER NOT NULL",
          "categoryID VARCHAR(10)",
          "parentID INTEGER",
          "index categoryID (categoryID)",
          "index elemID UNIQUE (elemID)",
          "index parentID (parentID)",
          "relation elements-elements parentID -> elements.elemID UPDATE CASCADE DELETE CASCADE",
          "relation datcats-elements categoryID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE"}},
        {"elements_use_lang",
         {"elemID INTEGER NOT NULL",
          "langID VARCHAR(3)",
          "index elemID UNIQUE (elemID)",
          "index langID (langID)",
          "relation elements-elements_use_lang elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE",
          "relation langs-elements_use_lang langID -> langs.langID UPDATE CASCADE DELETE CASCADE"}},
        {"langs",
         {"langID VARCHAR(3) NOT NULL",
          "description TEXT",
          "charsetID VARCHAR(20)",
          "wsd TEXT",
          "collating_sequence TEXT",
          "noise_list TEXT",
          "order TINYINT",
          "index charsetID (charsetID)",
          "index langID UNIQUE (langID)",
          "relation charsets-langs charsetID -> charsets.charsetID UPDATE CASCADE DELETE CASCADE"}},
        {"MetaData",
         {"MetaID INTEGER AUTO",
          "Name VARCHAR(25)",
          "Created DATE",
          "Modified DATE",
          "Owner VARCHAR(150) ZLS",
          "Author VARCHAR(200) ZLS",
          "Contact VARCHAR(150) ZLS",
          "Description VARCHAR(255) ZLS",
          "Ontology VARCHAR(255)",
          "DCLang VARCHAR(3)",
          "DCList VARCHAR(50)",
          "CSBrowser BOOLEAN",
          "index langID UNIQUE (MetaID)"}},
        {"number_values",
         {"elemID INTEGER NOT NULL",
          "value INTEGER",
          "index elemID UNIQUE (elemID)",
          "relation elements-numbers elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"picklist_values",
         {"elemID INTEGER NOT NULL",
          "value VARCHAR(255)",
          "index elemID UNIQUE (elemID)",
          "relation elements-picklists elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"picklists",
         {"categoryID VARCHAR(10) NOT NULL",
          "value VARCHAR(255) NOT NULL",
          "index elemID UNIQUE (categoryID, value)",
          "relation datcats-picklists categoryID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE"}},
        {"pointers",
         {"elemID INTEGER NOT NULL",
          "targetID INTEGER NOT NULL",
          "index elem-target UNIQUE (elemID, targetID)",
          "index elemID (elemID)",
          "index targetID (targetID)",
          "relation elements-pointers1 elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE",
          "relation elements-pointers2 targetID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"ref_values",
         {"elemID INTEGER NOT NULL",
          "value VARCHAR(255)",
          "index elemID UNIQUE (elemID)",
          "index value (value)",
          "relation elements-refs elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"TE_CONCEPTS",
         {"elemID INTEGER NOT NULL",
          "Concept VARCHAR(255)",
          "index elemID UNIQUE (elemID)",
          "index fk_Concept (Concept)",
          "relation elements_TE_CONCEPTS elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE",
          "relation Concepts-TE_CONCEPTS Concept -> CONCEPTS.Concept UPDATE CASCADE DELETE CASCADE"}},
        {"TERMS",
         {"elemID INTEGER NOT NULL",
          "term TEXT",
          "langID VARCHAR(3)",
          "index elemID UNIQUE (elemID)",
          "index langID (langID)",
          "relation elements-TERMS elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"text_values",
         {"elemID INTEGER NOT NULL",
          "value TEXT",
          "index elemID UNIQUE (elemID)",
          "relation elements-texts elemID -> elements.elemID UPDATE CASCADE DELETE CASCADE"}},
        {"valid_families",
         {"parentCategoryID VARCHAR(10) NOT NULL",
          "childCategoryID VARCHAR(10) NOT NULL",
          "occurrence VARCHAR(1)",
          "index fk_childCategoryID (childCategoryID)",
          "index parent-child UNIQUE (parentCategoryID, childCategoryID)",
          "relation datcats-valid_families1 parentCategoryID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE",
          "relation datcats-valid_families2 childCategoryID -> datcats.categoryID UPDATE CASCADE DELETE CASCADE"}},
    };
    QStringList names;
    for (const auto &t : tables) {
        SCOPED_TRACE(t.table);
        names << t.table;
        EXPECT_EQ(describeTable(TermbaseDB, t.table), t.lines);
    }
    EXPECT_EQ(tablesOf(TermbaseDB), names) << "no table more or less";
}
