#include "LinkedFiles.h"
#include "TermbaseFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "termbase/TermbaseLinks.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Answer = ui::Answer;

// Statements and queries on a termbase file through a connection of their own, as
// another program would see the file.
void onFile(const QString &path, const QString &sql, const QVariantList &params = {})
{
    db::Database d = db::Database::open(path);
    d.execute(sql, params);
}

QVariant valueIn(const QString &path, const QString &sql)
{
    db::Database d = db::Database::open(path);
    return d.scalar(sql);
}

// A term entry (element 20) tied to the concept.
void addEntry(const QString &path, const QString &identifier)
{
    onFile(path, "INSERT INTO elements VALUES (20, '0.3', 3)");
    onFile(path, "INSERT INTO TE_CONCEPTS VALUES (20, ?)", {identifier});
}

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

// ---- Checking the links ------------------------------------------------------------------

TEST(CheckTermbaseLinks, AMissingFileIsFoundAgainOrUnlinked)
{
    enum Outcome { Unlinked, Relocated };
    struct Case {
        const char *what;
        std::function<void(ScriptedMessageBoxes &, ScriptedFileDialogs &, WorkingOntology &, const QString &moved)>
            play;
        Outcome outcome;
    } cases[] = {
        {"No",
         [](auto &boxes, auto &, auto &, auto &) {
             boxes.expect("can't be found", Answer::No).expect("Link will be deleted");
         },
         Unlinked},
        {"Yes, then the dialog cancelled",
         [](auto &boxes, auto &files, auto &, auto &) {
             boxes.expect("can't be found", Answer::Yes).expect("Link will be deleted");
             files.cancel();
         },
         Unlinked},
        {"Yes, and the moved file chosen",
         [](auto &boxes, auto &files, auto &, auto &moved) {
             boxes.expect("can't be found", Answer::Yes);
             files.answer(moved);
         },
         Relocated},
        {"the ontology chosen by mistake, then the moved file",
         [](auto &boxes, auto &files, auto &, auto &moved) {
             boxes.expect("can't be found", Answer::Yes)
                 .expect("Not a Lexvarin Termbase - " + OntologyPath)
                 .expect("can't be found", Answer::Yes);
             files.answer(OntologyPath).answer(moved);
         },
         Relocated},
        {"a termbase of another ontology chosen, then No",
         [](auto &boxes, auto &files, auto &w, auto &) {
             const QString other = w.create("other.lxb", "Other");
             onFile(other, "UPDATE MetaData SET Ontology = '/elsewhere/other.ont'");
             OntologyDB.execute("DELETE FROM TermBases WHERE DBName = ?", {other});
             boxes.expect("can't be found", Answer::Yes)
                 .expect("belongs to the ontology /elsewhere/other.ont")
                 .expect("can't be found", Answer::No)
                 .expect("Link will be deleted");
             files.answer(other);
         },
         Unlinked},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WorkingOntology w;
        const QString kept = w.create("kept.lxb", "Kept");
        const QString path = w.create("gone.lxb", "Gone");
        const QString moved = w.file("moved.lxb");
        ASSERT_TRUE(QFile::rename(path, moved));
        {
            ScriptedMessageBoxes boxes;
            ScriptedFileDialogs files;
            c.play(boxes, files, w, moved);
            ui::CommonDialog dialog;
            CheckTermbaseLinks(dialog);
            EXPECT_TRUE(dialog.fileName.isEmpty()) << "the dialog's file name is reset";
            for (const auto &asked : files.asked()) {
                EXPECT_EQ(asked.filter, "Termbase Files (*.lxb)|*.lxb|All files (*.*)|*.*|");
                EXPECT_EQ(asked.initDir, w.folder);
            }
            for (const auto &box : boxes.asked()) {
                if (box.prompt.contains("can't be found")) {
                    EXPECT_EQ(box.prompt, "TermBase " + path + " can't be found. Do you want to find it?");
                } else if (box.prompt.startsWith("Link")) {
                    EXPECT_EQ(box.prompt, "Link will be deleted. You can link databases from the \"Options dialog box\"");
                }
            }
        }
        EXPECT_EQ(linkedPaths(), (c.outcome == Unlinked ? QStringList{kept} : QStringList{kept, moved}));
    }
}

// ---- Keeping the termbases in step ------------------------------------------------------

TEST(SyncConcepts, EachChangeReachesEveryLinkedTermbaseOneOfThemOpen)
{
    struct Case {
        const char *what;
        ConceptChange change;
        QString identifier;
        QString previous;
        QStringList absent;   // afterwards, in both termbases
        QStringList present;
    } cases[] = {
        {"an addition", ConceptChange::Added, "HORSE", "HORSE", {}, {"HORSE", "DOG", "CAT"}},
        {"an addition the termbase has in another letter case", ConceptChange::Added, "dog", "dog", {}, {"DOG"}},
        {"a deletion", ConceptChange::Deleted, "CAT", "CAT", {"CAT"}, {"DOG"}},
        {"a rename", ConceptChange::Renamed, "HOUND", "DOG", {"DOG"}, {"HOUND", "CAT"}},
        {"a rename of a concept the termbases lack", ConceptChange::Renamed, "EEL", "WHALE", {"EEL", "WHALE"},
         {"DOG", "CAT"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WorkingOntology w;
        const QString first = w.create("first.lxb", "First");
        const QString second = w.create("second.lxb", "Second");
        addEntry(first, "DOG");
        const qsizetype before = conceptsOf(first).size();
        OpenedTermbase open = OpenTermbaseFile(second);  // the termbase editor holds it meanwhile
        ASSERT_FALSE(open.refused);

        ui::CommonDialog dialog;
        EXPECT_TRUE(ApplyConceptChangeToTermbases(c.identifier, c.previous, c.change, dialog));

        for (const QString &path : {first, second}) {
            SCOPED_TRACE(path.toStdString());
            const QStringList concepts = conceptsOf(path);
            for (const QString &a : c.absent)
                EXPECT_FALSE(concepts.contains(a, Qt::CaseInsensitive)) << a.toStdString();
            for (const QString &p : c.present)
                EXPECT_TRUE(concepts.contains(p)) << p.toStdString();
            const int growth = c.change == ConceptChange::Added && c.identifier == "HORSE"   ? 1
                               : c.change == ConceptChange::Deleted                          ? -1
                                                                                              : 0;
            EXPECT_EQ(concepts.size(), before + growth);
        }
        if (c.change == ConceptChange::Renamed && c.previous == "DOG") {
            EXPECT_EQ(valueIn(first, "SELECT Concept FROM TE_CONCEPTS WHERE elemID = 20").toString(), "HOUND")
                << "the term entry follows its concept";
        }
        open.RSConcepts->seek(c.present.first());
        EXPECT_FALSE(open.RSConcepts->noMatch()) << "the open termbase sees the change at once";
    }
}

TEST(SyncConcepts, ATermbaseThatFailsIsReportedAndTheOthersAreStillUpdated)
{
    WorkingOntology w;
    const QString colliding = w.create("colliding.lxb", "Colliding");
    onFile(colliding, "INSERT INTO CONCEPTS VALUES ('HOUND')");
    const QString replaced = w.create("replaced.lxb", "Replaced");
    QFile::remove(replaced);
    w.ontology.dir.write("TermBases/replaced.lxb", "a file put where the termbase was");
    const QString sound = w.create("sound.lxb", "Sound");

    ScriptedMessageBoxes boxes;
    boxes.expect("TermBase " + colliding + " already has the concept HOUND, so DOG could not be renamed in it.")
        .expect("TermBase " + replaced + " could not be updated");
    ui::CommonDialog dialog;
    EXPECT_TRUE(ApplyConceptChangeToTermbases("HOUND", "DOG", ConceptChange::Renamed, dialog));

    EXPECT_TRUE(conceptsOf(colliding).contains("DOG")) << "the colliding termbase keeps both as they were";
    EXPECT_TRUE(conceptsOf(sound).contains("HOUND"));
    EXPECT_FALSE(conceptsOf(sound).contains("DOG"));
    EXPECT_EQ(linkedPaths(), (QStringList{colliding, replaced, sound})) << "failures unlink nothing";
}

TEST(SyncConcepts, ATermbaseBoundElsewhereIsNotWrittenAndMayBeUnlinked)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "unlinked" : "kept");
        WorkingOntology w;
        const QString foreign = w.create("foreign.lxb", "Foreign");
        onFile(foreign, "UPDATE MetaData SET Ontology = '/elsewhere/other.ont'");
        const QString own = w.create("own.lxb", "Own");
        const QByteArray bytes = fileBytes(foreign);

        ScriptedMessageBoxes boxes;
        boxes.expect("TermBase " + foreign + " belongs to the ontology /elsewhere/other.ont", answer);
        ui::CommonDialog dialog;
        EXPECT_TRUE(ApplyConceptChangeToTermbases("CAT", "CAT", ConceptChange::Deleted, dialog));

        EXPECT_EQ(fileBytes(foreign), bytes);
        EXPECT_FALSE(conceptsOf(own).contains("CAT"));
        EXPECT_EQ(linkedPaths(), (answer == Answer::Yes ? QStringList{own} : QStringList{foreign, own}));
    }
}

TEST(SyncConcepts, AMovedFileIsAskedForBeforeTheChangeAndWithoutLinksNobodyIsTold)
{
    WorkingOntology w;
    const QString path = w.create("gone.lxb", "Gone");
    QFile::remove(path);
    {
        ScriptedMessageBoxes boxes;
        boxes.expect("can't be found", Answer::No).expect("Link will be deleted");
        ui::CommonDialog dialog;
        EXPECT_FALSE(ApplyConceptChangeToTermbases("HORSE", "HORSE", ConceptChange::Added, dialog))
            << "the only link went, so there is no termbase editor to tell";
    }
    EXPECT_TRUE(linkedPaths().isEmpty());
    ScriptedMessageBoxes none;
    ui::CommonDialog dialog;
    EXPECT_FALSE(ApplyConceptChangeToTermbases("HORSE", "HORSE", ConceptChange::Added, dialog));
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

    ScriptedMessageBoxes boxes;
    boxes.expect("TermBase " + refusing + " could not be given the 2 concepts added: no kittens here");
    ui::CommonDialog dialog;
    EXPECT_TRUE(AddConceptsToTermbases({"PUPPY", "KITTEN"}, dialog));
    EXPECT_EQ(conceptsOf(holding).filter("PUPPY", Qt::CaseInsensitive), QStringList{"Puppy"})
        << "one it had already is not added again";
    EXPECT_TRUE(conceptsOf(holding).contains("KITTEN"));
    EXPECT_FALSE(conceptsOf(refusing).contains("PUPPY")) << "the failing termbase is left as it was";
    EXPECT_TRUE(conceptsOf(sound).contains("PUPPY"));
    EXPECT_TRUE(conceptsOf(sound).contains("KITTEN"));

    OntologyDB.execute("DELETE FROM TermBases");
    EXPECT_FALSE(AddConceptsToTermbases({"FOAL"}, dialog)) << "without links nobody needs telling";
}
