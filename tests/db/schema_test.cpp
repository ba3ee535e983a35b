// What the files enforce, on a small schema shaped like the program's own.
#include "db/Schema.h"
#include "support/TestFolder.h"

#include "support/ErrorNumber.h"
#include <gtest/gtest.h>

using namespace db;

namespace {

Schema tinySchema()
{
    Schema s;
    s.tables.push_back({"Kinds",
                        {{"Kind_ID", FieldType::Byte}, {"Kind", FieldType::Text, 10}},
                        {{"Kind_ID", {"Kind_ID"}, true}}});
    s.tables.push_back({"Things",
                        {{"Thing", FieldType::Text, 20},
                         {"Note", FieldType::Memo},
                         {"Free", FieldType::Text, 5, false, true},
                         {"Kind_ID", FieldType::Byte},
                         {"Flag", FieldType::Boolean},
                         {"Seen", FieldType::Date}},
                        {{"Thing", {"Thing"}, true}}});
    s.tables.push_back({"Links",
                        {{"Link_ID", FieldType::Long, 0, true},
                         {"From", FieldType::Text, 20},
                         {"To", FieldType::Text, 5}},
                        {{"Link_ID", {"Link_ID"}, true}, {"Pair", {"From", "To"}}}});
    s.relations = {{"KindsThings", "Kinds", "Kind_ID", "Things", "Kind_ID"},
                   {"ThingsFrom", "Things", "Thing", "Links", "From"},
                   {"ThingsTo", "Things", "Thing", "Links", "To"}};
    return s;
}

struct Fixture {
    TestFolder dir;
    Database db = Database::create(dir.file("s.db"));
    Fixture()
    {
        createSchema(db, tinySchema());
        db.execute("INSERT INTO Kinds VALUES (1, 'one')");
        db.execute("INSERT INTO Things (Thing, Kind_ID) VALUES ('dog', 1), ('CAT', 1)");
        db.execute("INSERT INTO Links (\"From\", \"To\") VALUES ('dog', 'cat')");
    }
};

}  // namespace

TEST(Schema, RefusesWhatTheFieldsDoNotAllow)
{
    Fixture f;
    struct Case {
        const char *what;
        QString sql;
        QVariantList params;
        int expected;
    } cases[] = {
        {"text longer than its size", "INSERT INTO Things (Thing) VALUES (?)", {QString(21, 'x')}, err::FieldTooSmall},
        {"text of exactly its size", "INSERT INTO Things (Thing) VALUES (?)", {QString(20, 'x')}, 0},
        {"zero-length text", "INSERT INTO Things (Thing, Note) VALUES ('a', '')", {}, err::ZeroLengthString},
        {"zero-length where allowed", "INSERT INTO Things (Thing, Free) VALUES ('b', '')", {}, 0},
        {"byte 256", "INSERT INTO Kinds VALUES (256, 'big')", {}, err::NumericOverflow},
        {"byte -1", "INSERT INTO Kinds VALUES (-1, 'neg')", {}, err::NumericOverflow},
        {"byte 255", "INSERT INTO Kinds VALUES (255, 'top')", {}, 0},
        {"case-variant duplicate key", "INSERT INTO Things (Thing) VALUES ('DOG')", {}, err::DuplicateKey},
        {"null primary key", "INSERT INTO Things (Thing) VALUES (NULL)", {}, err::NullKey},
        {"unknown parent", "INSERT INTO Things (Thing, Kind_ID) VALUES ('c', 9)", {}, err::RelatedRecordRequired},
        {"unknown link end", "INSERT INTO Links (\"From\", \"To\") VALUES ('dog', 'emu')", {}, err::RelatedRecordRequired},
        {"duplicate plain-index pair", "INSERT INTO Links (\"From\", \"To\") VALUES ('dog', 'cat')", {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureOf(f.db, c.sql, c.params), c.expected);
    }
}

TEST(Schema, CascadesFollowKeysWithoutRegardToCase)
{
    Fixture f;
    // "cat" was written in lower case against the key "CAT".
    f.db.execute("UPDATE Things SET Thing = 'KIT' WHERE Thing = 'cat'");
    EXPECT_EQ(f.db.scalar("SELECT \"To\" FROM Links").toString(), "KIT");
    f.db.execute("DELETE FROM Things WHERE Thing = 'Dog'");
    EXPECT_EQ(f.db.scalar("SELECT count(*) FROM Links").toInt(), 0);
    f.db.execute("DELETE FROM Kinds");
    EXPECT_EQ(f.db.scalar("SELECT count(*) FROM Things").toInt(), 0);
}

TEST(Schema, BooleansAndDatesComeBackTyped)
{
    Fixture f;
    f.db.execute("UPDATE Things SET Flag = ?, Seen = ? WHERE Thing = 'dog'", {true, QDate(2026, 12, 10)});
    Statement st(f.db, "SELECT Flag, Seen FROM Things WHERE Thing = 'dog'");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.column(0).typeId(), QMetaType::Bool);
    EXPECT_TRUE(st.column(0).toBool());
    EXPECT_EQ(st.column(1).toDate(), QDate(2026, 12, 10));
    st.reset();
    EXPECT_FALSE(f.db.scalar("SELECT Flag FROM Things WHERE Thing = 'CAT'").toBool()) << "an unwritten Boolean is False";
}

TEST(Schema, QuotedValuesAndColumnNamesAreJustValues)
{
    Fixture f;
    f.db.execute("INSERT INTO Things (Thing) VALUES (?), (?), (?)", {"Thing", "x\" OR \"1\"=\"1", "it's"});
    for (const QString &v : {QString("Thing"), QString("x\" OR \"1\"=\"1"), QString("it's")}) {
        SCOPED_TRACE(v.toStdString());
        EXPECT_EQ(f.db.scalar("SELECT count(*) FROM Things WHERE Thing = ?", {v}).toInt(), 1);
    }
    // A double-quoted word is an identifier or an error, never a string.
    EXPECT_NE(failureOf(f.db, "SELECT * FROM Things WHERE Thing = \"nosuchcolumn\""), 0);
}

TEST(Schema, OrderIgnoresCase)
{
    Fixture f;
    f.db.execute("INSERT INTO Things (Thing) VALUES ('apple'), ('Banana'), ('ZEBRA'), ('yak')");
    Statement st(f.db, "SELECT Thing FROM Things ORDER BY Thing");
    QStringList got;
    while (st.step())
        got << st.column(0).toString();
    EXPECT_EQ(got, QStringList({"apple", "Banana", "CAT", "dog", "yak", "ZEBRA"}));
}
