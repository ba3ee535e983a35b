#include "db/Database.h"
#include "ontology/OntologyFile.h"
#include "support/ErrorNumber.h"
#include "support/OntologyFixture.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An ontology file with its MetaData row, closed again, ready to be opened.
QString ontologyFile(const TestFolder &dir, const QString &name, const OntologyInfoRecord &info)
{
    OntologyPath = dir.file(name);
    CreateOntologyDatabase(OntologyPath);
    WriteOntologyMetaData(info);
    ReleaseOntologyDatabase();
    OntologyPath.clear();
    return dir.file(name);
}

OntologyInfoRecord someInfo(const QString &name)
{
    OntologyInfoRecord info = NewOntologyInfo({name, {}, {}, "Owner " + name, "Author " + name, "About " + name,
                                               "Contact " + name});
    info.Created = QDate(2020, 5, 17);
    info.Modified = QDate(2021, 6, 18);
    info.ListTop = 2;
    info.ActiveSet = 3;
    return info;
}

int openError(const QString &path)
{
    return errorNumberOf([&] { OpenOntologyDatabase(path); });
}

}  // namespace

TEST(OpenOntologyDatabase, RefusesWhatIsNoOntologyWithoutTouchingItOrKeepingTheLastOne)
{
    TestFolder dir;
    ui::setAppPath(dir.path());
    const QString previous = ontologyFile(dir, "previous.ont", someInfo("Previous"));
    {
        db::Database termbaseLike = db::Database::create(dir.file("terms.lxb"));
        termbaseLike.execute("CREATE TABLE CONCEPTS (Concept TEXT PRIMARY KEY)");
        termbaseLike.execute("CREATE TABLE MetaData (MetaID INTEGER PRIMARY KEY, Name TEXT, Ontology TEXT)");
        termbaseLike.execute("INSERT INTO MetaData (Name, Ontology) VALUES ('Terms', 'x.ont')");
        db::Database blank = db::Database::create(dir.file("blank.ont"));
        blank.execute("PRAGMA user_version = 7");  // a real header, yet no table
        db::Database bare = db::Database::create(dir.file("bare.ont"));
        bare.execute("CREATE TABLE Other (x INTEGER)");
    }
    const QString noRow = dir.file("norow.ont");
    OntologyPath = noRow;
    CreateOntologyDatabase(noRow);  // as a New that never got its properties leaves it
    ReleaseOntologyDatabase();
    OntologyPath.clear();

    struct Case {
        const char *what;
        QString path;
        int expected;
    } cases[] = {
        {"text file", dir.write("notes.ont", QByteArray("plain words\n").repeated(100)), db::err::NotADatabase},
        {"zero bytes", dir.write("empty.ont", {}), db::err::NotADatabase},
        {"database without tables", dir.file("blank.ont"), db::err::NotADatabase},
        {"foreign tables", dir.file("bare.ont"), db::err::ObjectNotFound},
        {"termbase-like", dir.file("terms.lxb"), db::err::ObjectNotFound},
        {"no MetaData row", noRow, db::err::ObjectNotFound},
        {"missing", dir.file("missing.ont"), db::err::FileNotFound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(openError(previous), 0);
        ReleaseOntologyDatabase();
        ASSERT_EQ(OntologyInfo.Name, "Previous");

        const QByteArray before = fileBytes(c.path);
        EXPECT_EQ(openError(c.path), c.expected);
        EXPECT_FALSE(OntologyDB.isOpen());
        EXPECT_EQ(fileBytes(c.path), before) << "a refused file is never written";
        EXPECT_TRUE(OntologyInfo.Name.isEmpty());
        EXPECT_TRUE(OntologyInfo.Owner.isEmpty());
        EXPECT_FALSE(OntologyInfo.Created.isValid());
        EXPECT_EQ(OntologyInfo.ListTop, 0) << "no option of the previous ontology may remain";
        EXPECT_EQ(OntologyInfo.ActiveSet, 1);
    }
    EXPECT_FALSE(QFile::exists(dir.file("missing.ont")));
    ui::setAppPath({});
}

TEST(OpenOntologyDatabase, ReadsTheRecordAndTheCloseWritesItBackWithTodayAsModified)
{
    TestFolder dir;
    ui::setAppPath(dir.path());
    const QString path = ontologyFile(dir, "zoo.ont", someInfo("Zoo"));

    ASSERT_EQ(openError(path), 0);
    EXPECT_EQ(OntologyInfo.Name, "Zoo");
    EXPECT_EQ(OntologyInfo.Owner, "Owner Zoo");
    EXPECT_EQ(OntologyInfo.Created, QDate(2020, 5, 17));
    EXPECT_EQ(OntologyInfo.Modified, QDate::currentDate()) << "an open ontology is being modified today";
    EXPECT_EQ(OntologyInfo.ListTop, 2);
    EXPECT_EQ(OntologyDB.scalar("SELECT Modified FROM MetaData").toDate(), QDate(2021, 6, 18))
        << "nothing is written at open";

    OntologyInfo.Description = "Changed";
    OntologyInfo.Modified = QDate(1999, 1, 1);
    WriteBackOntologyInfo();
    ReleaseOntologyDatabase();

    db::Database check = db::Database::open(path);
    EXPECT_EQ(check.scalar("SELECT Description FROM MetaData").toString(), "Changed");
    EXPECT_EQ(check.scalar("SELECT Modified FROM MetaData").toDate(), QDate::currentDate());
    EXPECT_EQ(check.scalar("SELECT Created FROM MetaData").toDate(), QDate(2020, 5, 17));
    EXPECT_EQ(check.scalar("SELECT count(*) FROM MetaData").toInt(), 1);
    ui::setAppPath({});
}

// A row written elsewhere may hold Null in any field: it opens with the new ontology's
// values there, and what the user changes in that session reaches the file at close.
TEST(OpenOntologyDatabase, ANullFieldReadsAsItsDefaultAndTheRowIsWrittenBack)
{
    struct Case {
        const char *field;
        std::function<void()> expectRead;
    } cases[] = {
        {"Name", [] { EXPECT_EQ(OntologyInfo.Name, ""); }},
        {"DefLang", [] { EXPECT_EQ(OntologyInfo.DefLang, "en"); }},
        {"Owner", [] { EXPECT_EQ(OntologyInfo.Owner, ""); }},
        {"Description", [] { EXPECT_EQ(OntologyInfo.Description, ""); }},
        {"MaxParents", [] { EXPECT_EQ(OntologyInfo.MaxParents, 2); }},
        {"ActiveSet", [] { EXPECT_EQ(OntologyInfo.ActiveSet, 1); }},
        {"Naming", [] { EXPECT_TRUE(OntologyInfo.Naming); }},
        {"Created", [] { EXPECT_FALSE(OntologyInfo.Created.isValid()); }},
    };
    TestFolder dir;
    ui::setAppPath(dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        const QString path = ontologyFile(dir, QString(c.field) + ".ont", someInfo("Zoo"));
        db::Database::open(path).execute(QStringLiteral("UPDATE MetaData SET \"%1\" = NULL").arg(c.field));

        ASSERT_EQ(openError(path), 0);
        c.expectRead();
        OntologyInfo.Author = "Changed";
        EXPECT_NO_THROW(WriteBackOntologyInfo());
        ReleaseOntologyDatabase();

        db::Database check = db::Database::open(path);
        EXPECT_EQ(check.scalar("SELECT Author FROM MetaData").toString(), "Changed") << "the session's edit is kept";
    }
    ui::setAppPath({});
}

TEST(NewOntologyInfo, StartsWithTheDefaultOptions)
{
    const OntologyInfoRecord info = NewOntologyInfo({"Animals", "1990-01-01", "1990-01-01", "O", "A", "D", "C"});
    EXPECT_EQ(info.Name, "Animals");
    EXPECT_EQ(info.Created, QDate::currentDate()) << "a new ontology is created today, whatever was typed";
    EXPECT_EQ(info.Modified, QDate::currentDate());
    EXPECT_EQ(info.Owner, "O");
    EXPECT_EQ(info.Author, "A");
    EXPECT_EQ(info.Description, "D");
    EXPECT_EQ(info.Contact, "C");
    EXPECT_EQ(info.MaxParents, 2);
    EXPECT_EQ(info.ListTop, 0);
    EXPECT_EQ(info.DefLang, "en");
    EXPECT_TRUE(info.Naming);
    EXPECT_EQ(info.AutoName, 0);
    EXPECT_EQ(info.ActiveSet, 1);
}

// A file made before the lists' indexes gets them when opened.
TEST(OpenOntologyDatabase, AFileWithoutTheListsIndexesGetsThemAtOpen)
{
    // The pickers read by type, the subset list and Transfer by subset.
    for (const char *index : {"CONCEPTS.Type", "CONCEPTS.Subset"}) {
        SCOPED_TRACE(index);
        TestFolder dir;
        ui::setAppPath(dir.path());
        const QString path = ontologyFile(dir, "old.ont", someInfo("Old"));
        {
            db::Database old = db::Database::open(path);
            old.execute(QStringLiteral("DROP INDEX \"%1\"").arg(QLatin1String(index)));
            // As a file made before the subset's index was: with an index for its cascade alone.
            old.execute("CREATE INDEX IF NOT EXISTS \"CONCEPTS.fk_Subset_ID\" ON CONCEPTS (Subset_ID)");
        }
        ASSERT_EQ(openError(path), 0);
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?", {QString::fromLatin1(index)})
                      .toInt(),
                  1);
        // The subset's own index serves the cascade that the file's first one was made for.
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM sqlite_master WHERE name = 'CONCEPTS.fk_Subset_ID'").toInt(), 0);
        ReleaseOntologyDatabase();
        ui::setAppPath({});
    }
}
