#include "db/Cursor.h"
#include "db/Schema.h"
#include "support/TestFolder.h"

#include "support/ErrorNumber.h"
#include <gtest/gtest.h>

using namespace db;

namespace {

struct Fixture {
    TestFolder dir;
    Database db = Database::create(dir.file("c.db"));
    Fixture()
    {
        Schema s;
        s.tables.push_back({"Words",
                            {{"Word_ID", FieldType::Long, 0, true},
                             {"Word", FieldType::Text, 50},
                             {"Lang", FieldType::Text, 2},
                             {"Note", FieldType::Memo}},
                            {{"Word_ID", {"Word_ID"}, true}, {"Word", {"Word"}}, {"LangWord", {"Lang", "Word"}}}});
        s.tables.push_back({"Bag", {{"Item", FieldType::Memo}}, {}});
        createSchema(db, s);
        db.execute("INSERT INTO Words (Word, Lang) VALUES ('pear', 'en'), ('Apple', 'en'), ('apple', 'es'), "
                   "('cherry', NULL), ('banana', 'en')");
        db.execute("INSERT INTO Bag VALUES ('b'), ('a'), ('c')");
    }
};

QStringList walk(TableCursor &c, const QString &field)
{
    QStringList out;
    if (c.isEmpty())
        return out;
    for (c.moveFirst(); !c.eof(); c.moveNext())
        out << c.text(field);
    return out;
}

}  // namespace

TEST(TableCursor, WalksInIndexOrderNullsFirstAndTiesByStorage)
{
    Fixture f;
    TableCursor byWord(f.db, "Words", "Word");
    EXPECT_EQ(walk(byWord, "word"), QStringList({"Apple", "apple", "banana", "cherry", "pear"}));
    TableCursor byLang(f.db, "words", "LangWord");
    EXPECT_EQ(walk(byLang, "Word"), QStringList({"cherry", "Apple", "banana", "pear", "apple"}));
    byLang.moveLast();
    EXPECT_EQ(byLang.text("Word"), "apple");
    byLang.movePrevious();
    EXPECT_EQ(byLang.text("Word"), "pear");
    TableCursor natural(f.db, "Bag");
    EXPECT_EQ(walk(natural, "Item"), QStringList({"b", "a", "c"}));
}

TEST(TableCursor, SeekIgnoresCaseAndSeesRowsAddedElsewhere)
{
    Fixture f;
    TableCursor c(f.db, "Words", "Word");
    c.seek(QVariant("APPLE"));
    ASSERT_FALSE(c.noMatch());
    EXPECT_EQ(c.text("Word"), "Apple");
    c.seek(QVariant("kiwi"));
    EXPECT_TRUE(c.noMatch());
    f.db.execute("INSERT INTO Words (Word) VALUES ('kiwi')");
    c.seek(QVariant("Kiwi"));
    EXPECT_FALSE(c.noMatch());
    c.setIndex("LangWord");
    c.seek({"es", "APPLE"});
    EXPECT_FALSE(c.noMatch());
    EXPECT_EQ(c.text("Lang"), "es");
}

TEST(TableCursor, AddEditDeleteAndContinue)
{
    Fixture f;
    TableCursor c(f.db, "Words", "Word");
    c.addNew();
    c.setField("word", "date");
    c.setField("Lang", "en");
    c.update();
    EXPECT_GT(c.lastModified(), 5);
    c.seek(QVariant("banana"));
    c.edit();
    c.setField("Word", "zucchini");
    c.update();
    EXPECT_EQ(c.text("Word"), "zucchini") << "the cursor follows its row after a key change";
    c.seek(QVariant("cherry"));
    c.deleteRow();
    EXPECT_EQ(errorNumberOf([&] { c.field("Word"); }), err::RecordDeleted);
    c.moveNext();
    EXPECT_EQ(c.text("Word"), "date");
    EXPECT_EQ(walk(c, "Word"), QStringList({"Apple", "apple", "date", "pear", "zucchini"}));
    EXPECT_EQ(errorNumberOf([&] { c.setField("Nope", 1); }), err::Engine);
    c.moveFirst();
    c.edit();
    EXPECT_EQ(errorNumberOf([&] { c.setField("Nope", 1); }), err::FieldNotFound);
}

TEST(TableCursor, EmptyTableAndClosedDatabase)
{
    Fixture f;
    f.db.execute("DELETE FROM Bag");
    TableCursor c(f.db, "Bag");
    EXPECT_TRUE(c.eof());
    EXPECT_EQ(errorNumberOf([&] { c.moveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { c.field("Item"); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { TableCursor(f.db, "Nowhere"); }), err::ObjectNotFound);
    EXPECT_EQ(errorNumberOf([&] { TableCursor(f.db, "Words", "NoIndex"); }), err::NotAnIndex);
    f.db.close();
    EXPECT_EQ(errorNumberOf([&] { c.moveNext(); }), err::ObjectClosed);
}

TEST(QueryCursor, SnapshotFindsByCriteria)
{
    Fixture f;
    QueryCursor s = QueryCursor::snapshot(f.db, "SELECT Word, Lang FROM Words ORDER BY Word");
    EXPECT_EQ(s.recordCount(), 5);
    s.findFirst({equals("Word", "APPLE"), equals("Lang", "es")});
    ASSERT_FALSE(s.noMatch());
    EXPECT_EQ(s.text("word"), "apple");
    s.findFirst({like("Word", "b*")});
    EXPECT_EQ(s.text("Word"), "banana");
    s.findFirst({equals("Word", "fig")});
    EXPECT_TRUE(s.noMatch());
    EXPECT_EQ(s.text("Word"), "banana") << "no match leaves the current row";
    s.findFirst({notEquals("Lang", "en")});
    EXPECT_EQ(s.text("Word"), "apple") << "a Null matches neither = nor <>";
    EXPECT_EQ(errorNumberOf([&] { s.edit(); }), err::NotUpdatable);
}

TEST(QueryCursor, DynasetEditsAddsDeletesAndRequeries)
{
    Fixture f;
    QueryCursor d = QueryCursor::dynaset(f.db, "SELECT * FROM Bag");
    ASSERT_TRUE(d.updatable());
    d.findFirst({equals("Item", "a")});
    d.edit();
    d.setField("Item", "A!");
    d.update();
    d.addNew();
    d.setField("Item", "d");
    d.update();
    d.moveLast();
    EXPECT_EQ(d.text("Item"), "d");
    d.moveFirst();
    d.deleteRow();
    d.moveNext();
    EXPECT_EQ(d.text("Item"), "A!");
    EXPECT_EQ(f.db.scalar("SELECT group_concat(Item, ',') FROM (SELECT Item FROM Bag ORDER BY rowid)").toString(),
              "A!,c,d");
    f.db.execute("INSERT INTO Bag VALUES ('e')");
    d.requery();
    EXPECT_EQ(d.recordCount(), 4);
    QueryCursor join = QueryCursor::dynaset(f.db, "SELECT DISTINCTROW w.Word FROM Words w INNER JOIN Bag b ON 1");
    EXPECT_FALSE(join.updatable());
}
