#include "TermbaseFixture.h"
#include "ontology/FolderName.h"
#include "termbase/DataCategories.h"
#include "termbase/MetaData.h"
#include "termbase/TermbasePaths.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

int openFailure(const QString &path)
{
    try {
        OpenTermbaseFile(path);
    } catch (const db::DbError &e) {
        return e.number();
    }
    return 0;
}

void expectNothingOpen()
{
    EXPECT_FALSE(TermbaseDB.isOpen());
    EXPECT_TRUE(TermbasePath.isEmpty());
    EXPECT_TRUE(TermbaseFolder.isEmpty());
    EXPECT_TRUE(TermbaseInfo.Name.isEmpty()) << "nothing of an earlier termbase may stay";
    EXPECT_TRUE(TermbaseInfo.DCLang.isEmpty());
    EXPECT_FALSE(RSElements || RSTEConcepts || RSElementsUseLang || RSRefValues || RSPointers || RSTextValues || RSDatCats);
    EXPECT_TRUE(DCTable.empty());
}

void editTermbase(const QString &path, const QString &sql, const QVariantList &params = {})
{
    db::Database d = db::Database::open(path);
    d.execute(sql, params);
}

}  // namespace

TEST(OpenTermbase, SetsUpTheSharedStateAndCounts)
{
    WorkingOntology w;
    const QString path = w.create();
    editTermbase(path, "INSERT INTO elements VALUES (20, '0.3', 3), (21, '0.4', 20), (22, '1', 21), (23, '1', 21), "
                       "(30, '0.3', 3), (31, '0.4', 30), (32, '1', 31)");
    OpenedTermbase opened = OpenTermbaseFile(path);
    ASSERT_FALSE(opened.refused);
    EXPECT_EQ(TermbasePath, path);
    EXPECT_EQ(TermbaseFolder, w.folder);
    EXPECT_EQ(TermbaseInfo.Name, "Test");
    EXPECT_EQ(TermbaseInfo.Modified, QDate::currentDate());
    EXPECT_EQ(opened.LastElemID, 32);
    EXPECT_EQ(opened.EntryCount, 2);
    EXPECT_EQ(opened.TermCount, 3);
    EXPECT_TRUE(opened.dataCategoriesNamed);
    EXPECT_FALSE(DCTable.empty());
    for (auto *cursor : {&RSElements, &RSTEConcepts, &RSElementsUseLang, &RSRefValues, &RSPointers, &RSTextValues}) {
        ASSERT_TRUE(cursor->has_value());
        EXPECT_EQ((*cursor)->index(), "elemID");
    }
    ASSERT_TRUE(opened.RSConcepts && opened.RSTerms);
    opened.RSConcepts->seek(QStringLiteral("dog"));
    EXPECT_FALSE(opened.RSConcepts->noMatch());

    EXPECT_THROW(OpenTermbaseFile(path), db::DbError) << "one termbase at a time";
    EXPECT_EQ(TermbasePath, path);
}

TEST(OpenTermbase, RefusesAFileThatIsNoTermbaseAndLeavesItAsItWas)
{
    WorkingOntology w;
    // An earlier termbase opened and closed, so that a refused file cannot borrow its properties.
    OpenTermbaseFile(w.create("earlier.lxb", "Earlier"));
    CloseTermbaseFile();

    const QString noMetaData = w.create("nometa.lxb", "NoMeta");
    editTermbase(noMetaData, "DELETE FROM MetaData");
    const QString text = w.file("text.lxb");
    {
        QFile f(text);
        f.open(QIODevice::WriteOnly);
        f.write("this is not a database at all");
    }
    const QString empty = w.file("empty.lxb");
    QFile(empty).open(QIODevice::WriteOnly);
    struct Case {
        const char *what;
        QString path;
        int expected;
    } cases[] = {
        {"a text file", text, db::err::NotADatabase},
        {"an empty file", empty, db::err::NotADatabase},
        {"an ontology", OntologyPath, db::err::ObjectNotFound},
        {"a termbase without its properties record", noMetaData, db::err::ObjectNotFound},
        {"no file", w.file("missing.lxb"), db::err::FileNotFound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = fileBytes(c.path);
        EXPECT_EQ(openFailure(c.path), c.expected);
        expectNothingOpen();
        EXPECT_EQ(fileBytes(c.path), bytes);
    }
}

TEST(OpenTermbase, AFailureHalfWayClosesEverythingAndWritesNothing)
{
    WorkingOntology w;
    const QString path = w.create();
    // The last cursor cannot be opened: by then the database, the properties and the
    // other cursors are open.
    editTermbase(path, "DROP INDEX \"text_values.elemID\"");
    const QByteArray bytes = fileBytes(path);
    EXPECT_EQ(openFailure(path), db::err::NotAnIndex);
    expectNothingOpen();
    EXPECT_EQ(fileBytes(path), bytes);
}

TEST(OpenTermbase, RefusesAFileThatCannotBeWrittenAndWritesNothing)
{
    OpenTermbase t;
    CloseTermbaseFile();
    const QByteArray before = fileBytes(t.path);
    QFile(t.path).setPermissions(QFileDevice::ReadOwner);
    EXPECT_EQ(openFailure(t.path), db::err::ReadOnly);
    expectNothingOpen();
    QFile(t.path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(fileBytes(t.path), before);
}

TEST(OpenTermbase, RefusesATermbaseOfAnotherOntology)
{
    WorkingOntology w;
    const QString path = w.create();
    const QString elsewhere = w.ontology.dir.file("other.ont");
    editTermbase(path, "UPDATE MetaData SET Ontology = ?", {elsewhere});
    const QByteArray bytes = fileBytes(path);

    OpenedTermbase opened = OpenTermbaseFile(path);
    EXPECT_TRUE(opened.refused);
    EXPECT_EQ(opened.workingOntology, elsewhere) << "for the message, beside OntologyPath";
    expectNothingOpen();
    EXPECT_EQ(fileBytes(path), bytes);
}

TEST(OpenTermbase, WorkingOntologyIsTheSameFileByItsCanonicalPath)
{
    WorkingOntology w;
    const QString dir = w.ontology.dir.path();
    QFile::link(OntologyPath, w.ontology.dir.file("link.ont"));
    const QString otherCase = dir + "/TEST.ont";
    QFile::copy(OntologyPath, otherCase);
    struct Case {
        const char *what;
        QString path;
        bool working;
    } cases[] = {
        {"the same path", OntologyPath, true},
        {"through a dot-dot", dir + "/TermBases/../test.ont", true},
        {"through a symbolic link", dir + "/link.ont", true},
        {"a name that differs in letter case only (another file here)", otherCase, false},
        {"a file that is not there", dir + "/gone.ont", false},
        {"no path at all", QString(), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsWorkingOntology(c.path), c.working);
    }

    struct FolderCase {
        const char *what;
        QString termbase;
        bool same;
    } folders[] = {
        {"beside the ontology", dir + "/x.lxb", true},
        {"beside it, by a dot-dot", dir + "/TermBases/../x.lxb", true},
        {"in a folder of its own", dir + "/TermBases/x.lxb", false},
    };
    for (const FolderCase &c : folders) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsInWorkingOntologyFolder(c.termbase), c.same);
    }
}

TEST(CloseTermbase, WritesThePropertiesBackAndForgetsTheTermbase)
{
    OpenTermbase t;
    TermbaseInfo.Name = "Renamed";
    TermbaseInfo.Created = QDate(2001, 2, 3);
    TermbaseInfo.Modified = QDate(2001, 2, 3);
    TermbaseInfo.Owner = "";
    TermbaseInfo.DCLang = "es";
    TermbaseInfo.DCList = "list";
    TermbaseInfo.CSBrowser = true;
    TermbaseInfo.Ontology = "/somewhere/else.ont";
    CloseTermbaseFile();
    expectNothingOpen();

    db::Database d = db::Database::open(t.path);
    db::QueryCursor row = db::QueryCursor::snapshot(d, "SELECT * FROM MetaData");
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_EQ(row.text("Name"), "Renamed");
    EXPECT_EQ(row.field("Created").toDate(), QDate(2001, 2, 3));
    EXPECT_EQ(row.field("Modified").toDate(), QDate::currentDate());
    EXPECT_EQ(row.text("Owner"), "");
    EXPECT_EQ(row.text("DCLang"), "es");
    EXPECT_EQ(row.text("DCList"), "list");
    EXPECT_TRUE(row.field("CSBrowser").toBool());
    EXPECT_EQ(row.text("Ontology"), OntologyPath) << "closing never rebinds a termbase";
}

// A row written elsewhere may hold Null in any field: it opens with the values a new
// termbase has there, and what the user changes in that session reaches the file at close.
TEST(CloseTermbase, ANullFieldReadsAsItsDefaultAndTheRowIsWrittenBack)
{
    struct Case {
        const char *field;
        std::function<void()> expectRead;
    } cases[] = {
        {"Name", [] { EXPECT_EQ(TermbaseInfo.Name, ""); }},
        {"Owner", [] { EXPECT_EQ(TermbaseInfo.Owner, ""); }},
        {"DCLang", [] { EXPECT_EQ(TermbaseInfo.DCLang, "en"); }},
        {"DCList", [] { EXPECT_EQ(TermbaseInfo.DCList, "tree"); }},
        {"CSBrowser", [] { EXPECT_FALSE(TermbaseInfo.CSBrowser); }},
        {"Created", [] { EXPECT_FALSE(TermbaseInfo.Created.isValid()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        OpenTermbase t;
        CloseTermbaseFile();
        editTermbase(t.path, QStringLiteral("UPDATE MetaData SET \"%1\" = NULL").arg(c.field));
        ASSERT_EQ(openFailure(t.path), 0);
        c.expectRead();
        TermbaseInfo.Description = "Changed";
        EXPECT_NO_THROW(CloseTermbaseFile());
        db::Database d = db::Database::open(t.path);
        EXPECT_EQ(d.scalar("SELECT Description FROM MetaData").toString(), "Changed") << "the session's edit is kept";
    }
}

TEST(CloseTermbase, AFailedWriteBackStillClosesAndSays)
{
    OpenTermbase t;
    TermbaseInfo.Name = QString(26, 'n');
    try {
        CloseTermbaseFile();
        FAIL() << "the write-back cannot succeed";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::FieldTooSmall);
    }
    expectNothingOpen();
    db::Database d = db::Database::open(t.path);
    EXPECT_EQ(d.scalar("SELECT Name FROM MetaData").toString(), "Test");
}

TEST(TermbaseFolders, FollowTheNameAndRefuseWhatAFileNameCannotHold)
{
    OpenTermbase t;
    EXPECT_EQ(MakeTermbaseFolders(TermbaseFolder, "Test"), QStringList()) << "made by New already";
    const QStringList made = MakeTermbaseFolders(TermbaseFolder, "Renamed");
    EXPECT_EQ(made, (QStringList{t.folder + "Renamed-publish", t.folder + "Renamed-back"}));
    EXPECT_TRUE(QDir(t.folder + "Test-publish").exists()) << "the old folders stay";

    struct Case {
        QString name;
        bool valid;
    } cases[] = {
        {"Medicine", true},       {"Medicina clínica 2", true}, {"v1.2", true},  {"...x", true},
        {"", false},              {".", false},                 {"..", false},   {"...", false},
        {"a/b", false},           {"a\\b", false},              {"C:", false},   {"what?", false},
        {"star*", false},         {"\"quoted\"", false},        {"<a>", false},  {"a|b", false},
        {"tab\there", false},     {"line\nbreak", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(IsValidFolderName(c.name), c.valid);
    }
}
