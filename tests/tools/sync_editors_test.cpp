#include "tbeditor/TBEditorFixture.h"
#include "termbase/LinkedFiles.h"
#include "termbase/TermbaseLinks.h"

#include "ui/DataList.h"

#include <QTreeWidget>

namespace {

class ConceptSyncTest : public TBEditorTest {
protected:
    bool editorLists(const QString &identifier) const
    {
        return editor->dbcConcepts->findFirst([&](const QString &text) { return text == identifier; });
    }
};

}  // namespace

TEST_F(ConceptSyncTest, EachChangeReachesBothTermbasesAndTheOpenEditor)
{
    const QString closed = closedTermbase("Closed", "closed.lxb");
    newTermbase("Open", "open.lxb");  // open in the editor while the changes come
    const QString open = TermbasePath;
    ASSERT_EQ(linkedPaths(), (QStringList{closed, open}));

    struct Step {
        const char *what;
        QString identifier, previous;
        ConceptChange change;
        QString present, absent;
        QString message;
    } steps[] = {
        {"an addition", "HORSE", "HORSE", ConceptChange::Added, "HORSE", "", "1HORSE"},
        {"a rename", "PONY", "HORSE", ConceptChange::Renamed, "PONY", "HORSE", "3PONY"},
        {"a deletion", "PONY", "PONY", ConceptChange::Deleted, "DOG", "PONY", "2PONY"},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        main->CurrentConcept = s.identifier;
        main->SyncConceptToTermbases(s.identifier, s.previous, int(s.change));
        for (const QString &path : {closed, open}) {
            SCOPED_TRACE(path.toStdString());
            EXPECT_TRUE(conceptsOf(path).contains(s.present));
            if (!s.absent.isEmpty()) {
                EXPECT_FALSE(conceptsOf(path).contains(s.absent));
            }
        }
        EXPECT_EQ(editor->lblOntoComm.caption(), s.message);
        EXPECT_TRUE(editorLists(s.present)) << "the editor's concept list shows the change";
        if (!s.absent.isEmpty()) {
            EXPECT_FALSE(editorLists(s.absent));
        }
    }
}

TEST_F(ConceptSyncTest, WithoutLinkedTermbasesTheEditorIsNotTold)
{
    newTermbase("Kin");
    OntologyDB.execute("DELETE FROM TermBases");
    main->CurrentConcept = "HORSE";
    main->SyncConceptToTermbases("HORSE", "HORSE", 1);
    EXPECT_EQ(editor->lblOntoComm.caption(), "");
    EXPECT_FALSE(conceptsOf(TermbasePath).contains("HORSE"));
}

TEST_F(ConceptSyncTest, DeletionsAndRenamesReopenTheEntriesBranch)
{
    newTermbase("Kin");
    // An entry, so that the entries' branch can be opened.
    TermbaseDB.execute("INSERT INTO elements (elemID, categoryID, parentID) VALUES (100, '0.3', 3)");
    TermbaseDB.execute("INSERT INTO TE_CONCEPTS (elemID, Concept) VALUES (100, 'CAT')");
    ElementTreeModel &nodes = *editor->Tree1Nodes;
    struct Case {
        const char *message;
        bool reopened;
    } cases[] = {{"1DOG", false}, {"2DOG", true}, {"3DOG", true}, {"7DOG", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        // The root open, the entries' branch closed, the root selected.
        editor->Tree1->collapseAll();
        editor->BuildElementRoot();
        editor->expandNode(nodes.rootNode());
        editor->selectNode(nodes.rootNode());
        editor->lblOntoComm.setCaption("");
        editor->lblOntoComm.setCaption(c.message);
        const QModelIndex body = nodes.findKey("n 3");
        ASSERT_TRUE(body.isValid());
        EXPECT_EQ(nodes.text(body), "body");
        EXPECT_EQ(editor->Tree1->currentIndex() == body, c.reopened);
        EXPECT_EQ(editor->Tree1->isExpanded(body), c.reopened);
        EXPECT_FALSE(editor->Tree1->isHidden());
    }
}

TEST_F(ConceptSyncTest, AReloadThatKeepsFailingIsToldOnce)
{
    newTermbase("Kin");
    editFile(TermbasePath, "ALTER TABLE CONCEPTS RENAME TO CONCEPTS_AWAY");
    boxes.expect("The concept list of the termbase could not be reloaded");
    editor->lblOntoComm.setCaption("1DOG");
    editFile(TermbasePath, "ALTER TABLE CONCEPTS_AWAY RENAME TO CONCEPTS");
}

TEST_F(ConceptSyncTest, AnEditorWithoutATermbaseTakesMessagesQuietly)
{
    const QString path = closedTermbase("Kin", "kin.lxb");
    main->CurrentConcept = "HORSE";
    main->SyncConceptToTermbases("HORSE", "HORSE", 1);
    EXPECT_EQ(editor->lblOntoComm.caption(), "1HORSE");
    EXPECT_TRUE(conceptsOf(path).contains("HORSE"));
}

TEST_F(ConceptSyncTest, DeletingARelationTakesItsInverseOutOfEveryLinkedTermbase)
{
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('OWNS', 4, 1), ('OWNED-BY', 4, 1)");
    OntologyDB.execute("INSERT INTO INVERSES (Relation, Inverse) VALUES ('OWNS', 'OWNED-BY'), ('OWNED-BY', 'OWNS')");
    const QString closed = closedTermbase("Closed", "closed.lxb");
    newTermbase("Open", "open.lxb");
    const QString open = TermbasePath;
    for (const QString &path : {closed, open})
        ASSERT_TRUE(conceptsOf(path).contains("OWNED-BY"));

    main->InitRSListConcepts();
    main->GoToConcept("OWNS");
    ASSERT_EQ(main->CurrentConcept, "OWNS");
    boxes.expect("Are you sure you want to delete this concept?", ui::Answer::Yes)
        .expect("Its inverse relation will also be deleted", ui::Answer::Yes);
    main->mnuConceptDelete_Click();

    for (const QString &path : {closed, open}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(conceptsOf(path).contains("OWNS"));
        EXPECT_FALSE(conceptsOf(path).contains("OWNED-BY"));
        EXPECT_TRUE(conceptsOf(path).contains("DOG"));
    }
    EXPECT_EQ(editor->lblOntoComm.caption(), "2OWNS") << "every message names the concept the user deleted";
    EXPECT_FALSE(editorLists("OWNED-BY"));
}
