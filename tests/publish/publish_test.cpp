// Publishing a whole ontology, without a window: every concept's page, the index in the
// table's order and the frame page opening on the root, whatever it is called.

#include "SelectionFixture.h"
#include "db/Error.h"
#include "publish/PageFileNames.h"
#include "publish/PublishOntology.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList hrefs(const QString &html)
{
    QStringList out;
    static const QRegularExpression link(QStringLiteral("<a href = \"([^\"]*)\">"));
    for (const auto &m : link.globalMatch(html))
        out << m.captured(1);
    return out;
}

struct PublishTest : ::testing::Test {
    SelectionOntology o;
    TestFolder out;
    std::vector<std::pair<qsizetype, qsizetype>> told;

    QString folder() const { return out.path() + QLatin1Char('/'); }
    void publish()
    {
        PublishOntology(folder(), [this](qsizetype done, qsizetype total) { told.emplace_back(done, total); });
    }
};

}  // namespace

TEST_F(PublishTest, WritesEveryPageTheIndexInTableOrderAndTheFrameOnTheRoot)
{
    // A root that is not called ALL, and a Name with capitals and blanks around it.
    OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Concept = 'TOP' WHERE Concept = 'ALL'"));
    RootConcept = QStringLiteral("TOP");
    OntologyInfo.Name = QStringLiteral(" My Vehicles ");
    publish();

    const QStringList tableOrder = {"TOP", "TRUCK", "VEHICLE", "CAR", "CAR-2", "ANIMAL", "CAT", "Cattle"};
    for (const QString &c : tableOrder)
        EXPECT_TRUE(QFileInfo::exists(folder() + PageFileName(c))) << c.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder() + "ALL.html"));

    const QString index = readAll(folder() + "my vehicles-index.html");
    QStringList expected;
    for (const QString &c : tableOrder)
        expected << PageHref(c);
    EXPECT_EQ(hrefs(index).join(' ').toStdString(), expected.join(' ').toStdString());
    EXPECT_TRUE(index.startsWith("<html>\r\n<head><base target=\"principal\">\r\n<title>my vehicles index </title>"));
    EXPECT_TRUE(index.contains("<CENTER><H4>INDEX</H4></CENTER>\r\n<hr>\r\n<p>\r\n<small>\r\n\r\n<a href = \"TOP.html\">TOP </a><br>\r\n\r\n"))
        << index.toStdString();
    EXPECT_TRUE(index.endsWith("</small>\r\n</p>\r\n</body>\r\n</html>\r\n"));

    const QString frame = readAll(folder() + "my vehicles-publish.html");
    EXPECT_TRUE(frame.contains("<frame name=\"contenido\" target=\"principal\" src=\"my%20vehicles-index.html\">"));
    EXPECT_TRUE(frame.contains("<frame name=\"principal\" src=\"TOP.html\">"));
    EXPECT_TRUE(frame.contains("<p>This page uses frames, but your browser does not admit them.</p>"));

    ASSERT_EQ(told.size(), size_t(tableOrder.size() + 1));
    EXPECT_EQ(told.front(), std::make_pair(qsizetype(0), qsizetype(8)));
    EXPECT_EQ(told.back(), std::make_pair(qsizetype(8), qsizetype(8)));
}

TEST_F(PublishTest, IdentifiersAreEscapedInTheIndex)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('A<B&C', 1, 1)"));
    OntologyInfo.Name = QStringLiteral("Odd");
    publish();
    const QString index = readAll(folder() + "odd-index.html");
    EXPECT_TRUE(index.contains(">A&lt;B&amp;C </a><br>"));
    EXPECT_FALSE(index.contains("A<B"));
    EXPECT_TRUE(QFileInfo::exists(folder() + PageFileName("A<B&C")));
}

TEST_F(PublishTest, APageThatCannotBeWrittenNamesItsConceptAndKeepsTheOldIndex)
{
    OntologyInfo.Name = QStringLiteral("Fail");
    publish();
    const QString oldIndex = readAll(folder() + "fail-index.html");
    // A folder where CAT's page should go: that page cannot be written.
    QFile::remove(folder() + PageFileName("CAT"));
    ASSERT_TRUE(QDir(out.path()).mkdir(PageFileName("CAT")));
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('BUS', 1, 1)"));
    try {
        publish();
        FAIL() << "the run went on";
    } catch (const db::DbError &e) {
        EXPECT_TRUE(e.description().contains("The page of CAT could not be written.")) << e.description().toStdString();
    }
    EXPECT_EQ(readAll(folder() + "fail-index.html"), oldIndex);
    const QStringList left = QDir(out.path()).entryList({"*.tmp", "*.new", ".*"}, QDir::Files | QDir::Hidden);
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

TEST_F(PublishTest, ANameThatLeadsOutOfTheFolderIsRefusedBeforeAnythingIsWritten)
{
    const QString folder = out.file("Vehicles-publish");
    QDir().mkpath(folder);
    for (const QString &name : {QStringLiteral("../Evil"), QStringLiteral("a/b"), QStringLiteral(".."),
                                QStringLiteral("."), out.file("Evil"), QStringLiteral("/tmp/Evil"),
                                QStringLiteral("..\\Evil"), QStringLiteral("C:\\Evil"), QStringLiteral("")}) {
        SCOPED_TRACE(name.toStdString());
        OntologyInfo.Name = name;
        try {
            PublishOntology(folder, [](qsizetype, qsizetype) {});
            ADD_FAILURE() << "published";
        } catch (const db::DbError &e) {
            EXPECT_EQ(e.number(), db::err::PathFileAccess);
            EXPECT_TRUE(e.description().contains("\"" + name + "\" cannot be part of a folder name"))
                << e.description().toStdString();
        }
        QStringList beside = QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        beside.sort();
        EXPECT_EQ(beside.join(' ').toStdString(), "Vehicles-publish res.dat");
        EXPECT_TRUE(QDir(folder).isEmpty());
    }
}
