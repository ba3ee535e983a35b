#include "OptionsFixture.h"
#include "termbase/LinkedFiles.h"
#include "ui/StatusBar.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Answer = ui::Answer;

QStringList listed(const frmOntoOptions &d)
{
    QStringList out;
    for (int i = 0; i < d.ListView2->topLevelItemCount(); ++i)
        out << d.ListView2->topLevelItem(i)->text(0);
    return out;
}

// A termbase of this ontology that is not linked to it (yet).
QString unlinkedTermbase(WorkingOntology &w, const QString &file)
{
    const QString path = w.create(file, "Unlinked");
    OntologyDB.execute("DELETE FROM TermBases");
    return path;
}

void selectRow(frmOntoOptions &d, int row)
{
    d.ListView2->setCurrentItem(d.ListView2->topLevelItem(row));
}

}  // namespace

TEST(LinkDialog, AConsistentTermbaseIsListedWithoutAWord)
{
    OptionsFixture f;
    const QString path = unlinkedTermbase(f.w, "plain.lxb");
    db::Database::open(path).execute("INSERT INTO CONCEPTS VALUES ('ALL')");
    f.files.answer(path);
    f.run([&](frmOntoOptions &d) {
        EXPECT_TRUE(listed(d).isEmpty());
        d.cmdLink->click();
        EXPECT_EQ(listed(d), QStringList{path});
        EXPECT_FALSE(d.ProgressBar1->isVisible());
        EXPECT_TRUE(d.StatusBar1->panelText(2).isEmpty());
        EXPECT_TRUE(d.dlgCommonDialog.fileName.isEmpty());
        d.cmdCancel->click();
    });
    ASSERT_EQ(f.files.asked().size(), 1u);
    EXPECT_EQ(f.files.asked()[0].filter, "Lexvarin TermBase Files (*.lxb)|*.lxb|");
    EXPECT_EQ(f.files.asked()[0].initDir, f.w.folder);
    EXPECT_TRUE(f.boxes.asked().empty());
    EXPECT_EQ(linkedPaths(), QStringList{path}) << "the link is made at once, Cancel or not";
}

TEST(LinkDialog, UnmatchedConceptsAreDeletedOnlyWhenTheUserAgrees)
{
    OptionsFixture f;
    const QString path = unlinkedTermbase(f.w, "old.lxb");
    db::Database::open(path).execute("INSERT INTO CONCEPTS VALUES ('FISH'), ('BIRD')");
    const QByteArray before = fileBytes(path);
    const QString question = "2 concepts used in " + path + " didn't match any concept in " + OntologyPath +
                             ". If you proceed these concepts will be deleted from your termbase.";
    f.files.answer(path).answer(path);
    f.boxes.expect(question, Answer::No)
        .expect(question, Answer::Yes)
        .expect("1 concepts were added to " + path + " in order to make it consistent with " + OntologyPath + ".");
    f.run([&](frmOntoOptions &d) {
        d.cmdLink->click();
        EXPECT_TRUE(listed(d).isEmpty());
        EXPECT_EQ(fileBytes(path), before) << "No writes nothing";
        d.cmdLink->click();
        EXPECT_EQ(listed(d), QStringList{path});
        d.cmdOK->click();
    });
    ASSERT_EQ(f.boxes.asked().size(), 3u);
    EXPECT_EQ(f.boxes.asked()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(f.boxes.asked()[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(f.boxes.asked()[2].icon, ui::Icon::Information);
    const QStringList concepts = conceptsOf(path);
    EXPECT_FALSE(concepts.contains("FISH") || concepts.contains("BIRD"));
    EXPECT_TRUE(concepts.contains("ALL"));
    EXPECT_EQ(linkedPaths(), QStringList{path});
}

TEST(LinkDialog, RefusalsLeaveEveryFileAsItWas)
{
    struct Case {
        const char *what;
        std::function<void(OptionsFixture &)> arrange;
        QString expectedBox;  // empty: the run ends quietly
    } cases[] = {
        {"the ontology picked by mistake", [](OptionsFixture &f) { f.files.answer(OntologyPath); },
         "Not a Lexvarin Termbase - "},
        {"a text file", [](OptionsFixture &f) { f.files.answer(f.w.ontology.dir.write("TermBases/x.lxb", "text")); },
         "Not a Lexvarin Termbase - "},
        {"the dialog cancelled", [](OptionsFixture &f) { f.files.cancel(); }, {}},
        {"a termbase open in the editor",
         [](OptionsFixture &f) {
             OpenTermbaseFile(f.w.create("open.lxb", "Open"));
             OntologyDB.execute("DELETE FROM TermBases");
         },
         "A termbase is open. Close the TermBase Editor and try again."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OptionsFixture f;
        c.arrange(f);
        const int concepts = f.w.ontology.count("SELECT count(*) FROM CONCEPTS");
        if (!c.expectedBox.isEmpty())
            f.boxes.expect(c.expectedBox);
        f.run([&](frmOntoOptions &d) {
            d.cmdLink->click();
            EXPECT_TRUE(listed(d).isEmpty());
            EXPECT_FALSE(d.ProgressBar1->isVisible());
            EXPECT_EQ(d.mousePointer(), ui::MousePointer::Default);
            d.cmdCancel->click();
        });
        EXPECT_EQ(f.w.ontology.count("SELECT count(*) FROM CONCEPTS"), concepts);
        EXPECT_TRUE(linkedPaths().isEmpty());
        if (c.expectedBox.startsWith("Not a")) {
            ASSERT_EQ(f.boxes.asked().size(), 1u);
            EXPECT_EQ(f.boxes.asked()[0].icon, ui::Icon::Critical);
            EXPECT_EQ(f.boxes.asked()[0].title, "Error");
        }
    }
}

TEST(LinkDialog, ReleaseRemovesTheSelectedRowAndLeavesTheFile)
{
    OptionsFixture f;
    const QString odd = unlinkedTermbase(f.w, "it's \"odd\".lxb");
    const QString plain = f.w.create("plain.lxb", "Plain");
    OntologyDB.execute("INSERT INTO TermBases (DBName) VALUES (?), (?)", {odd, plain});  // both twice
    const QByteArray bytes = fileBytes(odd);
    f.boxes.expect("Select a database from list first.");
    f.run([&](frmOntoOptions &d) {
        EXPECT_EQ(listed(d), (QStringList{plain, odd, plain}));
        d.cmdRelease->click();  // nothing selected
        EXPECT_EQ(listed(d), (QStringList{plain, odd, plain}));

        selectRow(d, 2);
        d.cmdRelease->click();
        EXPECT_EQ(listed(d), (QStringList{plain, odd}));
        selectRow(d, 1);
        d.cmdRelease->click();
        EXPECT_EQ(listed(d), QStringList{plain});
        d.cmdCancel->click();
    });
    EXPECT_EQ(f.boxes.asked()[0].icon, ui::Icon::Information);
    EXPECT_EQ(linkedPaths(), QStringList{plain});
    EXPECT_EQ(fileBytes(odd), bytes) << "the released termbase is not touched";
}

TEST(LinkDialog, APathWithQuotesLinksLikeAnyOther)
{
    OptionsFixture f;
    const QString odd = unlinkedTermbase(f.w, "it's \"odd\".lxb");
    f.files.answer(odd);
    f.boxes.expect("1 concepts were added");
    f.run([&](frmOntoOptions &d) {
        d.cmdLink->click();
        EXPECT_EQ(listed(d), QStringList{odd});
        d.cmdCancel->click();
    });
    EXPECT_EQ(linkedPaths(), QStringList{odd});
    EXPECT_EQ(db::Database::open(odd).scalar("SELECT Ontology FROM MetaData").toString(), OntologyPath);
}
