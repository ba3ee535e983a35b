#include "PagesFixture.h"
#include "publish/PageFileNames.h"
#include "support/OntologyFixture.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

QString escaped(QString text)
{
    return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;").replace('\'', "&#39;");
}

void addConcept(const QString &id, const QVariant &definition, const QStringList &parents)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, ?, 1, 1)"),
                       {id, definition});
    for (const QString &p : parents)
        OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"), {id, p});
}

void addRelation(const QString &c1, const QString &rel, const QString &c2, bool isDefault = false)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)"),
                       {c1, rel, isDefault, c2});
}

void addAttribute(const QString &c, const QString &attr, const QString &value, bool isDefault = false)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)"),
                       {c, attr, isDefault, value});
}

// The seeded ontology (ALL, OBJECT, the relations and attributes) and a small world of
// vehicles: CAR has two parents, subclasses, a deeper descendant, grouped relations and
// attributes of its own, and inherits defaults and plain values from both parents.
struct Vehicles {
    NewOntology onto;
    FixedPageDate date;
    TestFolder out;
    Vehicles()
    {
        RootConcept = QStringLiteral("ALL");
        addConcept("VEHICLE", "Something that carries.", {"OBJECT"});
        addConcept("MACHINE", "Something that works.", {"OBJECT"});
        addConcept("METAL", QVariant(), {"OBJECT"});
        addConcept("WHEEL", "A round part.", {"OBJECT"});
        addConcept("ENGINE", "Makes it go.", {"OBJECT"});
        addConcept("DOOR", "Lets you in.", {"OBJECT"});
        addConcept("FLEET", "Many vehicles.", {"OBJECT"});
        addConcept("CAR", "A road vehicle <b>with</b> four \"wheels\" & a motor.\r\nSecond line.",
                   {"VEHICLE", "MACHINE"});
        addConcept("SEDAN", "A closed car.", {"CAR"});
        addConcept("COUPE", "A car with two doors.", {"CAR"});
        addConcept("SPORTS-SEDAN", "A fast sedan.", {"SEDAN"});
        addConcept("Social-Event", "Not the top concept of that name.", {"EVENT"});
        addRelation("VEHICLE", "PART-OF", "FLEET");
        addRelation("VEHICLE", "HAS-PART", "WHEEL", true);
        addRelation("MACHINE", "MADE-OF", "METAL", true);
        addRelation("CAR", "HAS-PART", "WHEEL");
        addRelation("CAR", "HAS-PART", "ENGINE");
        addRelation("CAR", "HAS-PART", "DOOR", true);
        addRelation("CAR", "LOCATED-IN", "FLEET");
        addAttribute("VEHICLE", "SIZE", "big", true);
        addAttribute("VEHICLE", "COLOR", "red");
        addAttribute("MACHINE", "SHAPE", "square & <boxy>");
        addAttribute("CAR", "COLOR", "blue");
        addAttribute("CAR", "COLOR", "green", true);
        addAttribute("CAR", "DURATION", "ten years");
    }
    ~Vehicles() { RootConcept.clear(); }
    QString page(const QString &id) const { return out.file(PageFileName(id)); }
};

}  // namespace

TEST(ConceptPage, MatchesTheGoldenPagesThroughTheEngineAndTheSnapshot)
{
    struct Case {
        QString id;
        QString golden;
        bool all = true;  // the four optional rows
    };
    const Case cases[] = {
        {"CAR", "concept-every-row.html"},
        {"CAR", "concept-no-options.html", false},
        {"ALL", "concept-root.html"},
        {"OBJECT", "concept-excluded.html"},
        {"METAL", "concept-null-definition.html"},
        {"Social-Event", "concept-other-case.html"},
        {"NOT-THERE", "concept-missing.html"},
    };
    Vehicles v;
    const HierarchySnapshot snapshot = HierarchySnapshot::read(OntologyDB, RootConcept);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        for (const HierarchySnapshot *s : {static_cast<const HierarchySnapshot *>(nullptr), &snapshot}) {
            SCOPED_TRACE(s ? "snapshot" : "engine");
            WriteConceptPage(c.id, v.out.path(), c.all, c.all, c.all, c.all, s);
            expectGolden(v.page(c.id), c.golden);
            EXPECT_TRUE(isWellFormedPage(fileBytes(v.page(c.id))));
        }
    }
}

TEST(ConceptPage, EveryLinkOfAPageFindsItsPage)
{
    Vehicles v;
    const HierarchySnapshot snapshot = HierarchySnapshot::read(OntologyDB, RootConcept);
    for (const QString &c : snapshot.concepts())
        WriteConceptPage(c, v.out.path(), true, true, true, true, &snapshot);
    const QStringList links = pageLinks(fileBytes(v.page("CAR")));
    EXPECT_TRUE(links.contains("METAL.html"));
    for (const QString &link : links) {
        SCOPED_TRACE(link.toStdString());
        EXPECT_TRUE(QFile::exists(v.out.file(link)));
    }
}

TEST(ConceptPage, HostileIdentifiersAndTextsStayInTheFolderAndAreShownAsText)
{
    struct Case {
        QString id;
        QString definition;
    };
    const Case cases[] = {
        {"<script>", "<script>alert(1)</script>"},
        {"A&B", "Tom & Jerry"},
        {"../x", "Climbs out?"},
        {"a/b", "Two levels?"},
        {QString(255, QLatin1Char('L')), "Long."},
        {"caf\u00e9", "Caf\u00e9 cr\u00e8me"},
        {"x\"y'z", "<b>bold</b>\r\nline two\nline three"},
    };
    Vehicles v;
    const QString folder = v.out.file("pub");
    QDir().mkpath(folder);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.left(30).toStdString());
        addConcept(c.id, c.definition, {"OBJECT"});
        addRelation("CAR", "PART-OF", c.id);
        addAttribute(c.id, "COLOR", c.definition);
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.left(30).toStdString());
        WriteConceptPage(c.id, folder, true, true, true, true);
        const QString path = QDir(folder).filePath(PageFileName(c.id));
        ASSERT_TRUE(QFile::exists(path));
        const QByteArray page = fileBytes(path);
        EXPECT_TRUE(isWellFormedPage(page));
        const QString text = QString::fromUtf8(page);
        EXPECT_FALSE(text.contains(c.definition.left(8)) && c.definition.contains(QLatin1Char('<')));
        EXPECT_TRUE(text.contains(QStringLiteral("<TITLE>") + escaped(c.id)));
    }
    // Nothing was written beside the folder, and the links of CAR's page find every page.
    EXPECT_EQ(QDir(v.out.path()).entryList({"*.html"}, QDir::Files), QStringList());
    WriteConceptPage("CAR", folder, true, true, true, true);
    const QStringList links = pageLinks(fileBytes(QDir(folder).filePath("CAR.html")));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id.left(30).toStdString());
        ASSERT_TRUE(links.contains(PageFileName(c.id)));
        EXPECT_EQ(IdentifierForPageFile(OntologyDB, PageFileName(c.id)), c.id);
    }
}

TEST(ConceptPage, AWriteThatFailsLeavesWhatWasThere)
{
    Vehicles v;
    // A folder in the page's place: the new page cannot take its name, and nothing is left
    // beside it.
    QDir(v.out.path()).mkpath("CAR.html/kept");
    EXPECT_EQ(errorNumberOf([&] { WriteConceptPage("CAR", v.out.path(), true, true, true, true); }),
              db::err::PathFileAccess);
    EXPECT_TRUE(QFileInfo(v.out.file("CAR.html/kept")).isDir());
    EXPECT_EQ(QDir(v.out.path()).entryList({".~*"}, QDir::AllEntries | QDir::Hidden), QStringList());

    // A folder that is not there: an error, and nothing is made.
    EXPECT_THROW(WriteConceptPage("CAR", v.out.file("gone"), true, true, true, true), db::DbError);
    EXPECT_FALSE(QFileInfo::exists(v.out.file("gone")));

    // The next write succeeds and replaces the page whole.
    QDir(v.out.file("CAR.html")).removeRecursively();
    v.out.write("CAR.html", "<p>the old page</p>");
    WriteConceptPage("CAR", v.out.path(), true, true, true, true);
    EXPECT_FALSE(fileBytes(v.page("CAR")).contains("old page"));
    EXPECT_EQ(QDir(v.out.path()).entryList({".~*"}, QDir::AllEntries | QDir::Hidden), QStringList());
}

TEST(ConceptPage, ALinkPlantedInThePagesFolderIsNeverFollowed)
{
    // Whoever may write into a published folder must not make a rewrite of a page write
    // anywhere else: the link stays a link and what it points at stays as it was.
    struct Case {
        const char *what;
        QString linkName;
        bool targetExists;
    } cases[] = {
        {"beside the page, under the name once used for its new version", ".~CAR.html", true},
        {"beside the page, to a file not there yet", ".~CAR.html", false},
        {"in the page's own place", "CAR.html", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Vehicles v;
        const QString folder = v.out.file("pub");
        QDir().mkpath(folder);
        const QString target = v.out.file("elsewhere.txt");
        const QByteArray kept = "not a page";
        if (c.targetExists)
            v.out.write("elsewhere.txt", kept);
        if (c.linkName != "CAR.html")
            v.out.write("pub/CAR.html", "<p>the old page</p>");
        ASSERT_TRUE(QFile::link(target, QDir(folder).filePath(c.linkName)));

        WriteConceptPage("CAR", folder, true, true, true, true);
        if (c.targetExists)
            EXPECT_EQ(fileBytes(target), kept);
        else
            EXPECT_FALSE(QFileInfo::exists(target));
        const QFileInfo page(QDir(folder).filePath("CAR.html"));
        EXPECT_FALSE(page.isSymLink());
        EXPECT_TRUE(fileBytes(page.filePath()).contains("<TITLE>CAR</TITLE>"));
    }
}
