#include "publish/PageFileNames.h"
#include "support/OntologyFixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

bool staysInFolder(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.startsWith(QLatin1Char('.')) && name.toUtf8().size() <= 255;
}

}  // namespace

TEST(PageFileNames, MapsEachIdentifierToOneFileNameInsideTheFolderAndBack)
{
    struct Case {
        QString id;
        QString file;  // empty: only checked to stay inside the folder and round-trip
    };
    const Case cases[] = {
        {"CAR", "CAR.html"},
        {"PHYSICAL-OBJECT", "PHYSICAL-OBJECT.html"},
        {"Mixed-case-9", "Mixed-case-9.html"},
        {"<script>", "_3Cscript_3E.html"},
        {"A&B", "A_26B.html"},
        {"../x", "_2E_2E_2Fx.html"},
        {"a/b", "a_2Fb.html"},
        {"a\\b", "a_5Cb.html"},
        {".hidden", "_2Ehidden.html"},
        {"a_b", "a_5Fb.html"},
        {"two words", "two_20words.html"},
        {"caf\u00e9", "caf_C3_A9.html"},
        {"x~y?#%", "x_7Ey_3F_23_25.html"},
        {"", "_.html"},
        // The published index and frame pages are named so: such an identifier steps aside.
        {"onto-index", "onto_2Dindex.html"},
        {"my onto-publish", "my_20onto_2Dpublish.html"},
        {"ONTO-INDEX", "ONTO-INDEX.html"},
        {"\U0001F600", "_F0_9F_98_80.html"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        const QString name = PageFileName(c.id);
        EXPECT_EQ(name, c.file);
        EXPECT_TRUE(staysInFolder(name));
        EXPECT_EQ(IdentifierFromPageFileName(name), c.id);
        EXPECT_FALSE(IsShortenedPageFileName(name));
        EXPECT_EQ(PageHref(c.id), name);  // the mapped names need no percent-encoding
        EXPECT_EQ(PageFileNameIsIdentifier(c.id), name == c.id + ".html");
    }
}

TEST(PageFileNames, NamesThatAreNoPagesOfOursMapToNothing)
{
    for (const QString name : {"CAR.htm", "CAR", "a_2.html", "a_zz.html", "a b.html", "a_5f.html", "A_41.html"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(IdentifierFromPageFileName(name), QString());
    }
}

TEST(PageFileNames, LongIdentifiersAreShortenedDistinctlyAndFoundAgainInTheFile)
{
    NewOntology onto;
    const QString base = QString(250, QLatin1Char('A'));
    const QStringList ids{base + QStringLiteral("-ONE"), base + QStringLiteral("-TWO"), QString(255, QChar(0xE9)),
                          QString(232, QLatin1Char('B')) + QStringLiteral("/") + QString(20, QLatin1Char('x'))};
    for (const QString &id : ids)
        OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)"), {id});
    QStringList names;
    for (const QString &id : ids) {
        SCOPED_TRACE(id.left(20).toStdString());
        const QString name = PageFileName(id);
        EXPECT_TRUE(staysInFolder(name));
        EXPECT_TRUE(IsShortenedPageFileName(name));
        EXPECT_FALSE(names.contains(name));
        names << name;
        EXPECT_EQ(IdentifierForPageFile(OntologyDB, name), id);
    }
    // A file name that no concept maps to finds none, even with a known prefix.
    QString stray = names.front();
    stray[stray.size() - 6] = stray.at(stray.size() - 6) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, stray), QString());
}

TEST(PageFileNames, TheFileGivesTheStoredSpellingOfItsConcept)
{
    NewOntology onto;
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('Car', 1, 1), ('a/b', 1, 1)"));
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, QStringLiteral("Car.html")), QStringLiteral("Car"));
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, QStringLiteral("CAR.html")), QStringLiteral("Car"));
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, QStringLiteral("a_2Fb.html")), QStringLiteral("a/b"));
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, QStringLiteral("BUS.html")), QString());
    EXPECT_EQ(IdentifierForPageFile(OntologyDB, QStringLiteral("onto-index.html")), QString());
}
