#include "db/Database.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

int openError(const QString &path, const OpenOptions &options = {})
{
    try {
        Database::open(path, options);
    } catch (const DbError &e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(Open, RefusesWhatIsNotADatabaseAtOpen)
{
    TestFolder dir;
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.append(QByteArray(600, '\x01'));
    {
        Database foreign = Database::create(dir.file("foreign.db"));
        foreign.execute("CREATE TABLE Other (x INTEGER)");
    }
    struct Case {
        const char *name;
        QString path;
        OpenOptions options;
        int expected;
    } cases[] = {
        {"missing", dir.file("missing.ont"), {}, err::FileNotFound},
        {"zero bytes", dir.write("empty.ont", {}), {}, err::NotADatabase},
        {"png", dir.write("picture.ont", png), {}, err::NotADatabase},
        {"text", dir.write("notes.ont", QByteArray("Just some words.\n").repeated(200)), {}, err::NotADatabase},
        {"foreign sqlite", dir.file("foreign.db"), {false, false, {}, {"CONCEPTS"}}, err::ObjectNotFound},
        {"wanted table present", dir.file("foreign.db"), {false, false, {}, {"other"}}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray before = fileBytes(c.path);
        EXPECT_EQ(openError(c.path, c.options), c.expected);
        EXPECT_EQ(fileBytes(c.path), before) << "open must not change the file";
    }
    EXPECT_FALSE(QFile::exists(dir.file("missing.ont"))) << "open must never create a file";
}

TEST(Create, ExistingFileIsRefusedAndUntouched)
{
    TestFolder dir;
    const QString path = dir.write("exists.ont", "keep me");
    try {
        Database::create(path);
        FAIL() << "create over an existing file succeeded";
    } catch (const DbError &e) {
        EXPECT_EQ(e.number(), err::ExistsAlready);
    }
    EXPECT_EQ(fileBytes(path), QByteArray("keep me"));
}

TEST(Open, ResourceFileOpensReadOnlyWithItsConnectString)
{
    TestFolder dir;
    Database res = Database::open(dir.resDat(), {false, true, ";pwd=anything", {"CONCEPTS"}});
    EXPECT_GT(res.scalar("SELECT count(*) FROM CONCEPTS").toInt(), 0);
    try {
        res.execute("DELETE FROM CONCEPTS");
        FAIL() << "res.dat must be read-only";
    } catch (const DbError &e) {
        EXPECT_EQ(e.number(), err::ReadOnly);
    }
}

TEST(Close, LaterUseFailsCleanly)
{
    TestFolder dir;
    Database db = Database::create(dir.file("a.db"));
    db.execute("CREATE TABLE t (x INTEGER)");
    Database alias = db;
    db.close();
    EXPECT_FALSE(alias.isOpen());
    try {
        alias.execute("SELECT 1");
        FAIL();
    } catch (const DbError &e) {
        EXPECT_EQ(e.number(), err::ObjectClosed);
    }
}

TEST(Transaction, RollsBackUnlessCommittedAndNests)
{
    TestFolder dir;
    Database db = Database::create(dir.file("t.db"));
    db.execute("CREATE TABLE t (x INTEGER)");
    {
        Transaction outer(db);
        db.execute("INSERT INTO t VALUES (1)");
        {
            Transaction inner(db);
            db.execute("INSERT INTO t VALUES (2)");
        }  // inner rolled back
        outer.commit();
    }
    {
        Transaction lost(db);
        db.execute("INSERT INTO t VALUES (3)");
    }
    EXPECT_EQ(db.scalar("SELECT group_concat(x) FROM t").toString(), "1");
}

TEST(Transaction, AWriteTransactionHoldsTheFileFromItsStart)
{
    TestFolder dir;
    Database a = Database::create(dir.file("shared.db"));
    a.execute("CREATE TABLE t (x INTEGER)");
    Database b = Database::open(dir.file("shared.db"));
    b.execute("PRAGMA busy_timeout = 0");  // refused at once rather than after the usual wait
    const auto bWrites = [&] {
        try {
            b.execute("INSERT INTO t VALUES (9)");
        } catch (const DbError &e) {
            return e.number();
        }
        return 0;
    };
    {
        Transaction write(a, Transaction::Kind::Write);
        EXPECT_EQ(bWrites(), err::Locked) << "nobody writes between its read and its write";
        {
            Transaction inner(a, Transaction::Kind::Write);  // a savepoint inside it
            a.execute("INSERT INTO t VALUES (2)");
        }
        a.execute("INSERT INTO t VALUES (1)");
        write.commit();
    }
    {
        Transaction lost(a, Transaction::Kind::Write);
        a.execute("INSERT INTO t VALUES (3)");
    }
    EXPECT_EQ(a.scalar("SELECT group_concat(x) FROM t").toString(), "1");
    EXPECT_EQ(bWrites(), 0) << "the lock ends with the transaction";
}

TEST(Transaction, AFailedOutermostCommitLeavesNoTransactionOpen)
{
    TestFolder dir;
    Database db = Database::create(dir.file("t.db"));
    db.execute("CREATE TABLE t (x INTEGER)");
    Database reader = Database::open(dir.file("t.db"));
    db.execute("PRAGMA busy_timeout = 0");  // refused at once rather than after the usual wait
    reader.execute("BEGIN");
    EXPECT_EQ(reader.scalar("SELECT count(*) FROM t").toInt(), 0);  // holds the file against commits
    try {
        Transaction refused(db);
        db.execute("INSERT INTO t VALUES (1)");
        refused.commit();
        FAIL() << "the commit went through a reader's lock";
    } catch (const DbError &) {
    }
    reader.execute("COMMIT");
    // Outside any transaction again: this row is committed at once, and the refused one is gone.
    db.execute("INSERT INTO t VALUES (2)");
    EXPECT_EQ(reader.scalar("SELECT group_concat(x) FROM t").toString(), "2");
}

TEST(Open, SameFileTwiceCanWriteWhileTheOtherReads)
{
    TestFolder dir;
    Database a = Database::create(dir.file("shared.db"));
    a.execute("CREATE TABLE t (x INTEGER)");
    a.execute("INSERT INTO t VALUES (1), (2)");
    Database b = Database::open(dir.file("shared.db"));
    EXPECT_EQ(a.scalar("SELECT count(*) FROM t").toInt(), 2);
    b.execute("INSERT INTO t VALUES (3)");
    EXPECT_EQ(a.scalar("SELECT count(*) FROM t").toInt(), 3);
}

TEST(Open, ABulkCommandsCacheEndsWithIt)
{
    TestFolder dir;
    Database d = Database::create(dir.file("bulk.db"));
    const QVariant usual = d.scalar("PRAGMA cache_size");
    {
        const BulkCache cache(d);
        EXPECT_EQ(d.scalar("PRAGMA cache_size").toLongLong(), -65536);
        {
            const BulkCache inner(d);  // a bulk command inside another
        }
        EXPECT_EQ(d.scalar("PRAGMA cache_size").toLongLong(), -65536);
    }
    EXPECT_EQ(d.scalar("PRAGMA cache_size"), usual);
}
