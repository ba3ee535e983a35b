// Storing elements into a termbase that another window, in another process, stores into
// at the same time, and into a file that cannot grow.

#include "TermbaseFixture.h"
#include "termbase/ElementStore.h"
#include "termbase/ElementTree.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A second window on the same file: its own connection, and its own counter, read when
// it opened the file. Its stores run on its connection.
class OtherWindow {
public:
    OtherWindow(const QString &path, qint64 lastElemID) : m_db(db::Database::open(path)), m_last(lastElemID) {}
    void store(const std::function<void(qint64 &)> &command)
    {
        std::swap(TermbaseDB, m_db);
        try {
            command(m_last);
        } catch (...) {
            std::swap(TermbaseDB, m_db);
            throw;
        }
        std::swap(TermbaseDB, m_db);
    }

private:
    db::Database m_db;
    qint64 m_last;
};

qint64 containerOf(const char *categoryID)
{
    return TermbaseDB.scalar("SELECT elemID FROM elements WHERE categoryID = ?", {QString::fromLatin1(categoryID)})
        .toLongLong();
}

}  // namespace

TEST(StoreElements, TwoWindowsOnOneFileEachStoreEverything)
{
    OpenTermbase termbase;
    qint64 &mine = termbase.opened.LastElemID;
    OtherWindow other(termbase.path, mine);  // both read the same counter at open

    const qint64 dog = StoreTermEntry(EntriesContainerID, "DOG", mine).elemID;
    TermbaseDB.execute("INSERT INTO CONCEPTS (Concept) VALUES ('FOX')");
    QStringList concepts = {"CAT", "FOX"};  // one entry for each window
    const qint64 persons = containerOf("x3");
    const qint64 files = containerOf("x2");
    ASSERT_GT(persons, 0);
    ASSERT_GT(files, 0);
    struct Case {
        const char *what;
        std::function<qint64(qint64 &)> store;  // returns the element stored
    } cases[] = {
        {"term entry", [&](qint64 &last) { return StoreTermEntry(EntriesContainerID, concepts.takeFirst(), last).elemID; }},
        {"term", [&](qint64 &last) { return StoreTerm(dog, "hound", "en", last).termID; }},
        {"value", [&](qint64 &last) { return StoreValueElement(dog, "8", ValueKind::Text, "a note", {}, last); }},
        {"cross-reference", [&](qint64 &last) { return StoreCrossReference(dog, "10.18", dog, "see", last); }},
        {"record", [&](qint64 &last) { return StoreBackMatterRecord(persons, "x10.2.2", "jd", {{"x10.2.2.2", "J"}}, last); }},
        {"file record", [&](qint64 &last) { return StoreFileRecord(files, "x5.5", "a.png", last); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // The other window stores first, then this one, whose counter is now behind the file.
        qint64 theirs = 0;
        other.store([&](qint64 &last) {
            theirs = c.store(last);
            EXPECT_EQ(last, TermbaseDB.scalar("SELECT max(elemID) FROM elements").toLongLong());
        });
        const qint64 before = mine;
        const qint64 ours = c.store(mine);
        EXPECT_GT(ours, theirs);
        EXPECT_GT(mine, before);
        EXPECT_EQ(mine, termbase.count("SELECT max(elemID) FROM elements"));
    }
    EXPECT_EQ(termbase.count("SELECT count(*) FROM TE_CONCEPTS"), 3);
    EXPECT_EQ(termbase.count("SELECT count(*) FROM TERMS WHERE term = 'hound'"), 2);
}

TEST(StoreElements, ANumberHandedOutIsNotHandedOutAgainWhileOpen)
{
    OpenTermbase termbase;
    qint64 &last = termbase.opened.LastElemID;
    const qint64 dog = StoreTermEntry(EntriesContainerID, "DOG", last).elemID;
    const qint64 note = StoreValueElement(dog, "8", ValueKind::Text, "a note", {}, last);
    ASSERT_TRUE(DeleteElement(note).deleted);
    EXPECT_EQ(StoreValueElement(dog, "8", ValueKind::Text, "another", {}, last), note + 1);
}

TEST(StoreElements, AFullDiskNamesTheFileAndWhatWasNotStoredAndStoresNothing)
{
    OpenTermbase termbase;
    qint64 &last = termbase.opened.LastElemID;
    const qint64 dog = StoreTermEntry(EntriesContainerID, "DOG", last).elemID;
    const qint64 elements = termbase.count("SELECT count(*) FROM elements");
    const qint64 counter = last;
    // The file may not grow by a page: a long term needs several.
    TermbaseDB.execute("PRAGMA max_page_count = " + QString::number(termbase.count("PRAGMA page_count")));
    const QString longText(20000, QLatin1Char('w'));
    struct Case {
        const char *what;
        std::function<void()> store;
        QString notStored;
    } cases[] = {
        {"term", [&] { StoreTerm(dog, longText, "en", last); }, "The term was not stored."},
        {"value", [&] { StoreValueElement(dog, "8", ValueKind::Text, longText, {}, last); }, "The element was not stored."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.store();
            ADD_FAILURE() << "stored into a full file";
        } catch (const db::DbError &e) {
            EXPECT_EQ(e.number(), db::err::Engine) << "the engine's number is kept";
            EXPECT_TRUE(e.description().contains(termbase.path)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains("database or disk is full")) << e.description().toStdString();
            EXPECT_TRUE(e.description().endsWith(c.notStored)) << e.description().toStdString();
        }
        EXPECT_EQ(termbase.count("SELECT count(*) FROM elements"), elements);
        EXPECT_EQ(last, counter);
    }
}
