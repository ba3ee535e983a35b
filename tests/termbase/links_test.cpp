#include "LinkedFiles.h"
#include "TermbaseFixture.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/WriterMeanwhile.h"
#include "termbase/TermbaseLinks.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Answer = ui::Answer;

qsizetype link(const QString &path)
{
    TermbaseLink l(path);
    return l.apply();
}

}  // namespace

// ---- Linking ---------------------------------------------------------------------------

TEST(LinkTermbase, AConsistentTermbaseOnlyGetsBound)
{
    WorkingOntology w;
    const QString path = w.create();
    onFile(path, "INSERT INTO CONCEPTS VALUES ('ALL')");  // a new termbase leaves the root out
    onFile(path, "UPDATE MetaData SET Ontology = '/elsewhere/other.ont', Modified = '2001-02-03'");

    TermbaseLink l(path);
    EXPECT_TRUE(l.unmatched().isEmpty());
    EXPECT_EQ(l.apply(), 0);
    EXPECT_EQ(conceptsOf(path), ontologyConcepts());
    EXPECT_EQ(valueIn(path, "SELECT Ontology FROM MetaData").toString(), OntologyPath);
    EXPECT_EQ(valueIn(path, "SELECT Modified FROM MetaData").toDate(), QDate::currentDate());
    EXPECT_EQ(valueIn(path, "SELECT Name FROM MetaData").toString(), "Test") << "the rest of the record stays";
}

TEST(LinkTermbase, UnmatchedIdentifiersGoOnlyWhenApplied)
{
    WorkingOntology w;
    const QString path = w.create();
    onFile(path, "INSERT INTO CONCEPTS VALUES ('FISH'), ('BIRD'), ('cat-food')");
    onFile(path, "DELETE FROM CONCEPTS WHERE Concept = 'CAT'");
    addEntry(path, "FISH");
    onFile(path, "INSERT INTO CONCEPTS VALUES ('dog2')");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('DOG2', 1, 1)");

    std::vector<std::pair<LinkPhase, qsizetype>> phases;
    qsizetype lastStep = 0;
    LinkProgress progress{[&](LinkPhase p, qsizetype max) { phases.push_back({p, max}); },
                          [&](qsizetype v) { lastStep = v; }};
    const QByteArray before = fileBytes(path);
    {
        TermbaseLink declined(path, progress);
        EXPECT_EQ(declined.unmatched(), (QStringList{"BIRD", "cat-food", "FISH"}))
            << "dog2 matches DOG2: identifiers compare as the files' keys do";
    }
    EXPECT_EQ(fileBytes(path), before) << "answering No writes nothing";
    ASSERT_EQ(phases.size(), 1u);
    EXPECT_EQ(phases[0].first, LinkPhase::Checking);
    EXPECT_EQ(phases[0].second, conceptsOf(path).size());
    EXPECT_EQ(lastStep, phases[0].second);

    phases.clear();
    TermbaseLink accepted(path, progress);
    EXPECT_EQ(accepted.apply(), 2) << "CAT and the root";
    QStringList expected = ontologyConcepts();
    expected.replace(expected.indexOf("DOG2"), "dog2");
    EXPECT_EQ(conceptsOf(path), expected);
    EXPECT_EQ(valueIn(path, "SELECT count(*) FROM TE_CONCEPTS").toInt(), 0) << "the entry is untied from FISH";
    EXPECT_EQ(valueIn(path, "SELECT count(*) FROM elements WHERE elemID = 20").toInt(), 1) << "and kept";
    ASSERT_EQ(phases.size(), 3u);
    EXPECT_EQ(phases[1], std::make_pair(LinkPhase::DeletingUnmatched, qsizetype(3)));
    EXPECT_EQ(phases[2], std::make_pair(LinkPhase::AddingConcepts, ontologyConcepts().size()));
}

TEST(LinkTermbase, RefusesEveryFileThatIsNoTermbaseBeforeWritingToIt)
{
    WorkingOntology w;
    const QString noMetaData = w.create("nometa.lxb", "NoMeta");
    onFile(noMetaData, "DELETE FROM MetaData");
    const QString text = w.ontology.dir.write("notes.lxb", "not a database");
    const QString bare = w.file("bare.lxb");
    db::Database::create(bare).execute("CREATE TABLE CONCEPTS (Concept TEXT PRIMARY KEY)");
    struct Case {
        const char *what;
        QString path;
        int expected;
    } cases[] = {
        {"the ontology itself", OntologyPath, db::err::ObjectNotFound},
        {"a text file", text, db::err::NotADatabase},
        {"a database with only a CONCEPTS table", bare, db::err::ObjectNotFound},
        {"a termbase without its properties record", noMetaData, db::err::ObjectNotFound},
    };
    const QStringList concepts = ontologyConcepts();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray bytes = fileBytes(c.path);
        int got = 0;
        try {
            link(c.path);
        } catch (const db::DbError &e) {
            got = e.number();
        }
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(fileBytes(c.path), bytes);
    }
    EXPECT_EQ(ontologyConcepts(), concepts);
}

TEST(LinkTermbase, AFailureHalfWayLeavesTheTermbaseAsItWas)
{
    WorkingOntology w;
    const QString path = w.create();
    onFile(path, "INSERT INTO CONCEPTS VALUES ('FISH')");
    const QStringList before = conceptsOf(path);
    // The path cannot be stored in the properties record, the last thing linking writes.
    const QString realPath = OntologyPath;
    OntologyPath = "/" + QString(300, 'o') + ".ont";
    TermbaseLink l(path);
    EXPECT_THROW(l.apply(), db::DbError);
    OntologyPath = realPath;
    EXPECT_EQ(conceptsOf(path), before) << "neither the deletion nor the additions stay";
    EXPECT_EQ(valueIn(path, "SELECT Ontology FROM MetaData").toString(), OntologyPath);
}

// ---- What the links hold, found without asking --------------------------------------

TEST(TermbaseLinkFindings, GoneFilesAndTermbasesNotChangedAreReportedInLinkOrder)
{
    WorkingOntology w;
    const QString gone = w.create("gone.lxb", "Gone");
    QFile::remove(gone);
    const QString foreign = w.create("foreign.lxb", "Foreign");
    onFile(foreign, "UPDATE MetaData SET Ontology = '/elsewhere/other.ont'");
    const QString colliding = w.create("colliding.lxb", "Colliding");
    onFile(colliding, "INSERT INTO CONCEPTS VALUES ('HOUND')");
    const QString sound = w.create("sound.lxb", "Sound");
    const QByteArray foreignBytes = fileBytes(foreign);

    ScriptedMessageBoxes none;  // finding asks nothing
    const auto missing = MissingTermbaseLinks();
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing.front().path, gone);

    const ConceptChangeFindings findings = ChangeLinkedTermbases("HOUND", "DOG", ConceptChange::Renamed);
    EXPECT_TRUE(findings.linked);
    struct Expected {
        QString path;
        TermbaseFinding finding;
        QString sentence;
    } expected[] = {
        {gone, TermbaseFinding::Failed, "TermBase " + gone + " could not be updated: "},
        {foreign, TermbaseFinding::BoundElsewhere,
         "TermBase " + foreign + " belongs to the ontology /elsewhere/other.ont, not to " + OntologyPath +
             ". It was not changed."},
        {colliding, TermbaseFinding::Failed,
         "TermBase " + colliding + " already has the concept HOUND, so DOG could not be renamed in it."},
    };
    ASSERT_EQ(findings.notChanged.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].path.toStdString());
        EXPECT_EQ(findings.notChanged[i].link.path, expected[i].path);
        EXPECT_EQ(findings.notChanged[i].finding, expected[i].finding);
        EXPECT_TRUE(findings.notChanged[i].sentence.startsWith(expected[i].sentence))
            << findings.notChanged[i].sentence.toStdString();
    }
    EXPECT_EQ(fileBytes(foreign), foreignBytes);
    EXPECT_TRUE(conceptsOf(sound).contains("HOUND"));
    EXPECT_EQ(linkedPaths(), (QStringList{gone, foreign, colliding, sound})) << "finding unlinks nothing";

    UnlinkTermbase(missing.front().row);
    RelinkTermbase(findings.notChanged[1].link.row, sound);
    EXPECT_EQ(linkedPaths(), (QStringList{sound, colliding, sound}));
}

TEST(SyncConcepts, ManyAdditionsReachEveryTermbaseInOneWriteEach)
{
    WorkingOntology w;
    const QString holding = w.create("holding.lxb", "Holding");
    onFile(holding, "INSERT INTO CONCEPTS VALUES ('Puppy')");
    // A termbase whose CONCEPTS refuses one of them: none of the additions stay in it.
    const QString refusing = w.create("refusing.lxb", "Refusing");
    onFile(refusing, "CREATE TRIGGER no_kitten BEFORE INSERT ON CONCEPTS WHEN NEW.Concept = 'KITTEN' "
                     "BEGIN SELECT RAISE(ABORT, 'no kittens here'); END");
    const QString sound = w.create("sound.lxb", "Sound");

    const ConceptChangeFindings findings = AddConceptsToLinkedTermbases({"PUPPY", "KITTEN"});
    EXPECT_TRUE(findings.linked);
    ASSERT_EQ(findings.notChanged.size(), 1u);
    EXPECT_EQ(findings.notChanged[0].link.path, refusing);
    EXPECT_EQ(findings.notChanged[0].finding, TermbaseFinding::Failed);
    EXPECT_EQ(findings.notChanged[0].sentence,
              "TermBase " + refusing + " could not be given the 2 concepts added: no kittens here");
    EXPECT_EQ(conceptsOf(holding).filter("PUPPY", Qt::CaseInsensitive), QStringList{"Puppy"})
        << "one it had already is not added again";
    EXPECT_TRUE(conceptsOf(holding).contains("KITTEN"));
    EXPECT_FALSE(conceptsOf(refusing).contains("PUPPY")) << "the failing termbase is left as it was";
    EXPECT_TRUE(conceptsOf(sound).contains("PUPPY"));
    EXPECT_TRUE(conceptsOf(sound).contains("KITTEN"));

    OntologyDB.execute("DELETE FROM TermBases");
    EXPECT_FALSE(AddConceptsToLinkedTermbases({"FOAL"}).linked) << "without links nobody needs telling";
}

TEST(SyncConcepts, AdditionsLookAtTheTermbaseUnderItsWriteLock)
{
    WorkingOntology w;
    const QString path = w.create("shared.lxb", "Shared");
    // Another instance adds one of them meanwhile: read before the lock, it would be
    // added twice and none of the additions would stay.
    WriterMeanwhile other(path, {"INSERT INTO CONCEPTS VALUES ('PUPPY')"});
    const ConceptChangeFindings findings = AddConceptsToLinkedTermbases({"PUPPY", "KITTEN"});
    EXPECT_TRUE(other.finish());
    EXPECT_TRUE(findings.notChanged.empty()) << findings.notChanged.front().sentence.toStdString();
    EXPECT_EQ(conceptsOf(path).filter("PUPPY"), QStringList{"PUPPY"});
    EXPECT_TRUE(conceptsOf(path).contains("KITTEN"));
}

TEST(TermbaseLinkFindings, ManyDeletionsReachEachTermbaseWhollyOrNotAtAll)
{
    WorkingOntology w;
    const QString sound = w.create("sound.lxb", "Sound");
    const QString foreign = w.create("foreign.lxb", "Foreign");
    onFile(foreign, "UPDATE MetaData SET Ontology = '/elsewhere/other.ont'");
    const QString stubborn = w.create("stubborn.lxb", "Stubborn");
    onFile(stubborn, "CREATE TRIGGER keep BEFORE DELETE ON CONCEPTS WHEN old.Concept = 'CAT' "
                     "BEGIN SELECT RAISE(ABORT, 'CAT is kept'); END");

    ScriptedMessageBoxes none;  // finding asks nothing
    const ConceptChangeFindings findings = DeleteFromLinkedTermbases({"DOG", "CAT", "NEVER-THERE"});
    EXPECT_TRUE(findings.linked);
    ASSERT_EQ(findings.notChanged.size(), 2u);
    EXPECT_EQ(findings.notChanged[0].link.path, foreign);
    EXPECT_EQ(findings.notChanged[0].finding, TermbaseFinding::BoundElsewhere);
    EXPECT_EQ(findings.notChanged[1].link.path, stubborn);
    EXPECT_EQ(findings.notChanged[1].finding, TermbaseFinding::Failed);
    EXPECT_TRUE(findings.notChanged[1].sentence.contains("CAT is kept")) << findings.notChanged[1].sentence.toStdString();

    EXPECT_FALSE(conceptsOf(sound).contains("DOG"));
    EXPECT_FALSE(conceptsOf(sound).contains("CAT"));
    EXPECT_TRUE(conceptsOf(sound).contains("OBJECT"));
    for (const QString &kept : {foreign, stubborn}) {
        SCOPED_TRACE(kept.toStdString());
        EXPECT_TRUE(conceptsOf(kept).contains("DOG")) << "a termbase not changed keeps every concept";
        EXPECT_TRUE(conceptsOf(kept).contains("CAT"));
    }
}
