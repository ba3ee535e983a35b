#include "TermbaseFixture.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

void onResDat(WorkingOntology &w, const char *sql)
{
    db::Database res = db::Database::open(w.ontology.dir.resDat());
    res.execute("PRAGMA foreign_keys = OFF");
    res.execute(QString::fromLatin1(sql));
}

}  // namespace

TEST(NewTermbase, FailingAnywhereLeavesNothingBehind)
{
    struct Case {
        const char *what;
        std::function<void(WorkingOntology &)> breakIt;
        QString name;
        bool complete;  // false: the properties were never given
        int expected;   // the error New reports; 0 for none
    } cases[] = {
        {"no res.dat", [](WorkingOntology &w) { QFile::remove(w.ontology.dir.resDat()); }, "Test", true,
         db::err::FileNotFound},
        {"a resource table without rows", [](WorkingOntology &w) { onResDat(w, "DELETE FROM valid_families"); },
         "Test", true, db::err::NoCurrentRecord},
        {"a resource row that breaks a relation",
         [](WorkingOntology &w) { onResDat(w, "INSERT INTO langs (langID, charsetID) VALUES ('tlh', 'KLINGON')"); },
         "Test", true, db::err::RelatedRecordRequired},
        {"properties never given", [](WorkingOntology &) {}, "Test", false, 0},
        {"a name too long for the properties record", [](WorkingOntology &) {}, QString(26, 'n'), true,
         db::err::FieldTooSmall},
        {"a name that cannot be a folder name", [](WorkingOntology &) {}, "a/b", true, db::err::PathFileAccess},
        {"a name of dots", [](WorkingOntology &) {}, "..", true, db::err::PathFileAccess},
        {"a back folder that cannot be made, after the publish folder was",
         [](WorkingOntology &w) { QFile f(w.file("Test-back")); f.open(QIODevice::WriteOnly); }, "Test", true,
         db::err::PathFileAccess},
        {"a back folder that cannot be made, beside a publish folder the user had",
         [](WorkingOntology &w) {
             QDir(w.folder).mkpath("Test-publish/pages");
             QFile f(w.file("Test-back"));
             f.open(QIODevice::WriteOnly);
         },
         "Test", true, db::err::PathFileAccess},
        {"an ontology that cannot take the link", [](WorkingOntology &) { OntologyDB.execute("DROP TABLE TermBases"); },
         "Test", true, db::err::ObjectNotFound},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WorkingOntology w;
        c.breakIt(w);
        const QStringList before = QDir(w.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString path = w.file("new.lxb");
        int got = 0;
        try {
            NewTermbase made(path);
            if (c.complete)
                made.complete(typedProperties(c.name));
        } catch (const db::DbError &e) {
            got = e.number();
        }
        EXPECT_EQ(got, c.expected);
        if (c.expected == 0 && c.complete)
            continue;
        EXPECT_FALSE(QFile::exists(path)) << "no half-made termbase";
        EXPECT_EQ(QDir(w.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before)
            << "no folder of its own left, none of the user's taken";
        if (OntologyDB.hasTable("TermBases")) {
            EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM TermBases").toInt(), 0);
        }
        EXPECT_FALSE(TermbaseDB.isOpen());
    }
}

TEST(NewTermbase, LeavesAnExistingFileAsItWas)
{
    WorkingOntology w;
    const QString existing = w.file("old.lxb");
    {
        QFile f(existing);
        f.open(QIODevice::WriteOnly);
        f.write("precious");
    }
    try {
        NewTermbase made(existing);
        FAIL() << "created over an existing file";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::ExistsAlready);
    }
    EXPECT_EQ(fileBytes(existing), QByteArray("precious"));
}
