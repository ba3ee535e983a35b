// The main window's questions about its linked termbases: a file that is gone, a
// termbase bound to another ontology, a termbase that fails while the others change.

#include "editor/TermbaseLinkQuestions.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessageBoxes.h"
#include "termbase/LinkedFiles.h"
#include "termbase/TermbaseFixture.h"
#include "termbase/TermbaseFile.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Answer = ui::Answer;

}  // namespace

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
