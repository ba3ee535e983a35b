// Browsing and searching in the main window: the concept list, the search box, going
// to a concept, the panes and the status bar.

#include "ConceptEditorFixture.h"
#include "support/UserKeys.h"
#include "support/UserClicks.h"
#include "tools/frmOntoOptions.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

void focus(QWidget *w, QEvent::Type type)
{
    QFocusEvent e(type);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

using ConceptListTest = ConceptEditorTest;

TEST_F(ConceptListTest, OpeningShowsTheFirstConceptAndTheCounts)
{
    const int total = count("SELECT COUNT(*) FROM CONCEPTS");
    EXPECT_EQ(main->CurrentConcept, "AGENT");
    EXPECT_EQ(main->dblConcepts->text(), "AGENT");
    EXPECT_EQ(main->ListedCount, total);
    EXPECT_EQ(panel(3), QString::number(total) + " listed");
    EXPECT_EQ(panel(4), QString::number(total) + " total");
    EXPECT_EQ(panel(1), "General");
    EXPECT_EQ(panel(2), "RELATION");
}

TEST_F(ConceptListTest, EachConceptIsShownWithItsPanes)
{
    struct Case {
        const char *concept_;
        const char *typeWord;
        QStringList parents;
        int subclasses;
    } cases[] = {
        {"ALL", "SPECIAL", {}, 6},
        {"COLOR", "ATTRIBUTE", {"ATTRIBUTE"}, 0},
        {"RELATION", "RELATION", {"ALL"}, 12},
        {"OBJECT", "OBJECT", {"ALL"}, 0},
        {"EVENT", "EVENT", {"ALL"}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.concept_);
        main->GoToConcept(QString::fromLatin1(c.concept_));
        EXPECT_EQ(main->CurrentConcept, c.concept_);
        EXPECT_EQ(main->dblConcepts->text(), c.concept_);
        EXPECT_EQ(panel(2), c.typeWord);
        EXPECT_EQ(items(main->lstISA), c.parents);
        EXPECT_EQ(count(main->lstSubclasses), c.subclasses);
        EXPECT_EQ(main->txtDef->toPlainText(), ConceptDefinition(main->CurrentConcept));
    }
    EXPECT_TRUE(main->txtDef->isReadOnly());
}

TEST_F(ConceptListTest, TypingSearchesByLiteralPrefixWithoutRegardToCase)
{
    OntologyInfo.Naming = false;
    for (const char *id : {"[X]", "CAR*", "#9", "?Q", "car-park"})
        addConcept(QString::fromLatin1(id), "OBJECT");
    rebuild();
    const size_t asked = boxes.asked().size();
    struct Case {
        bool naming;
        const char *typed;
        const char *box;
        const char *current;  // nullptr: as it was before typing
    } cases[] = {
        {false, "ca", "ca", "CAR*"},      {false, "CAR*", "CAR*", "CAR*"}, {false, "[", "[", "[X]"},
        {false, "#", "#", "#9"},              {false, "?", "?", "?Q"},         {false, "*", "*", nullptr},
        {false, "zz", "zz", nullptr},         {true, "ca", "CA", "CAR*"},      {true, "car park", "CAR-PARK", "car-park"},
        {true, "col_", "COL-", "COLOR"},      {true, "co", "CO", "COLOR"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        OntologyInfo.Naming = c.naming;
        main->GoToConcept("OBJECT");
        keys::focusBox(main->txtCptSearch);
        main->txtCptSearch->clear();
        keys::type(QString::fromLatin1(c.typed));
        EXPECT_EQ(main->txtCptSearch->text(), c.box);
        EXPECT_EQ(main->CurrentConcept, c.current ? c.current : "OBJECT");
        EXPECT_EQ(main->dblConcepts->text(), main->CurrentConcept);
    }
    EXPECT_EQ(boxes.asked().size(), asked);
}

TEST_F(ConceptListTest, FocusEmptiesTheBoxAndLeavingItShowsTheHint)
{
    main->GoToConcept("COLOR");
    focus(main->txtCptSearch, QEvent::FocusIn);
    EXPECT_EQ(main->txtCptSearch->text(), "");
    focus(main->txtCptSearch, QEvent::FocusOut);
    EXPECT_EQ(main->txtCptSearch->text(), "Search...");
    EXPECT_EQ(main->CurrentConcept, "COLOR");
}

TEST_F(ConceptListTest, PastingAppendsTheIdentifierRuleOneCharacterAtATime)
{
    QClipboard *clipboard = QApplication::clipboard();
    OntologyInfo.Naming = false;
    keys::focusBox(main->txtCptSearch);
    keys::pasteCtrlV("a b_c!");
    EXPECT_EQ(main->txtCptSearch->text(), "A-B-C");

    main->txtCptSearch->clear();
    keys::pasteCtrlV(QString(300, QLatin1Char('x')));
    EXPECT_EQ(main->txtCptSearch->text(), QString(255, QLatin1Char('X')));

    main->txtCptSearch->clear();
    clipboard->setText("kept");
    keys::press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "kept");
    main->txtCptSearch->setText("COL");
    keys::press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "COL");
}

TEST_F(ConceptListTest, EveryWayIntoTheSearchBoxFollowsTheNamingRestriction)
{
    OntologyInfo.Naming = true;
    keys::runKeyCases(main->window(), main->txtCptSearch, [this] { return main->txtCptSearch->text(); },
                      [this](const QString &t) { main->txtCptSearch->setText(t); }, keys::identifierKeyCases());
    keys::expectKeysPassOn(main->window(), main->txtCptSearch);
}

TEST_F(ConceptListTest, GoingToTheSameConceptTwiceShowsItBothTimes)
{
    const size_t asked = boxes.asked().size();
    main->GoToConcept("COLOR");
    showPane(main->dblConcepts);
    clickRow(main->dblConcepts, main->dblConcepts->model()->index(main->dblConcepts->rowCount() - 1, 0));
    ASSERT_NE(main->CurrentConcept, "COLOR");
    main->GoToConcept("COLOR");
    EXPECT_EQ(main->CurrentConcept, "COLOR");

    // Other windows write the search box; the same text twice still shows the concept.
    main->WriteSearch("SHAPE");
    main->GoToConcept("OBJECT");
    main->WriteSearch("SHAPE");
    EXPECT_EQ(main->CurrentConcept, "SHAPE");
    EXPECT_EQ(boxes.asked().size(), asked);
}

// Typing on while the list stays on the same concept must not refill its panes: at a
// large ontology every refill is a stall between two keys.
TEST_F(ConceptListTest, AKeyThatKeepsTheConceptLeavesItsPanesAlone)
{
    struct Case {
        const char *typed;
        const char *shown;
        bool refilled;
    } cases[] = {
        {"CO", "COLOR", true},
        {"COL", "COLOR", false},
        {"COLO", "COLOR", false},
        {"COLORS", "COLOR", false},  // nothing begins so: the list stays where it was
        {"S", "SHAPE", true},
    };
    main->txtCptSearch->clear();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        main->lstISA->addItem("marker");  // gone when the panes are filled again
        main->txtCptSearch->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(main->CurrentConcept, c.shown);
        EXPECT_EQ(main->dblConcepts->text(), c.shown);
        EXPECT_EQ(items(main->lstISA).contains("marker"), !c.refilled);
    }
}

TEST_F(ConceptListTest, GoingToWhatIsNoConceptSaysSoAndStays)
{
    main->GoToConcept("COLOR");
    for (const char *value : {"COL", "black", "*NOTHING*"}) {
        SCOPED_TRACE(value);
        main->GoToConcept(QString::fromLatin1(value));
        EXPECT_EQ(main->CurrentConcept, "COLOR");
        EXPECT_TRUE(panel(1).contains("is not a concept"));
    }
}

TEST_F(ConceptListTest, AHiddenConceptIsOfferedThroughTheOptions)
{
    OntologyInfo.ListTop = 2;  // relations hidden
    rebuild();
    const int total = count("SELECT COUNT(*) FROM CONCEPTS");
    EXPECT_EQ(main->ListedCount, total - count("SELECT COUNT(*) FROM CONCEPTS WHERE Type IN (4, 14)"));
    EXPECT_EQ(main->TotalCount, total);
    main->GoToConcept("OBJECT");

    boxes.expect("This concept can't be displayed because it belongs to a set of top nodes", ui::Answer::No);
    main->lstSubclasses->bind(std::make_shared<ui::StringRows>(QStringList{"PART-OF"}));
    showPane(main->lstSubclasses);
    doubleClickRow(main->lstSubclasses, main->lstSubclasses->model()->index(0, 0));
    EXPECT_EQ(main->CurrentConcept, "OBJECT");

    // Yes opens the options; while they still hide it, the offer comes again.
    boxes.expect("Do you want to change this option?", ui::Answer::Yes).expect("change this option?", ui::Answer::No);
    modals.expect<frmOntoOptions>([](frmOntoOptions &d) { d.cmdCancel->click(); });
    main->GoToConcept("PART-OF");
    EXPECT_EQ(boxes.asked().back().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
    // The options command rebuilds the list, which makes its first row current.
    EXPECT_EQ(main->CurrentConcept, "ALL");
}

TEST_F(ConceptListTest, AnEmptyListMakesTheRootCurrentWithThePanesCleared)
{
    main->chkActiveAnc->setChecked(true);
    OntologyInfo.ListTop = 1;
    OntologyInfo.ActiveSet = 9;
    rebuild();
    EXPECT_EQ(main->ListedCount, 0);
    EXPECT_EQ(main->CurrentConcept, "ALL");
    EXPECT_EQ(main->lstISA->count(), 0);
    EXPECT_EQ(main->txtDef->toPlainText(), "");
    EXPECT_FALSE(main->chkActiveAnc->isChecked());
    EXPECT_EQ(panel(3), "0 listed");
}

TEST_F(ConceptListTest, AncestorsAndDescendantsOnlyWhileEnabled)
{
    addConcept("CAR", "OBJECT");
    addConcept("SPORTS-CAR", "CAR");
    rebuild();
    main->GoToConcept("CAR");
    EXPECT_EQ(count(main->lstAncestors), 0);
    main->chkActiveAnc->setChecked(true);
    EXPECT_EQ(items(main->lstAncestors), (QStringList{"OBJECT", "ALL"}));
    main->chkActivDesc->setChecked(true);
    EXPECT_EQ(items(main->lstDescendants), QStringList{"SPORTS-CAR"});
    showPane(main->lstDescendants);
    doubleClickRow(main->lstDescendants, main->lstDescendants->model()->index(0, 0));
    EXPECT_EQ(main->CurrentConcept, "SPORTS-CAR");
    EXPECT_EQ(items(main->lstAncestors), (QStringList{"CAR", "OBJECT", "ALL"}));
    main->chkActiveAnc->setChecked(false);
    EXPECT_EQ(count(main->lstAncestors), 0);
}

TEST_F(ConceptListTest, AMissingDefinitionIsShownAndStoredAsUndefined)
{
    OntologyDB.execute("UPDATE CONCEPTS SET Definition = NULL, Subset_ID = NULL WHERE Concept = 'SHAPE'");
    main->GoToConcept("SHAPE");
    EXPECT_EQ(main->txtDef->toPlainText(), "Undefined");
    EXPECT_EQ(ConceptDefinition("SHAPE"), "Undefined");
    EXPECT_EQ(count("SELECT Subset_ID FROM CONCEPTS WHERE Concept = 'SHAPE'"), 1);
    EXPECT_EQ(panel(1), "General");
}

TEST_F(ConceptListTest, TheListPopupCannotDeleteTheRoot)
{
    struct Case {
        const char *concept_;
        bool deleteEnabled;
    } cases[] = {{"ALL", false}, {"OBJECT", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.concept_);
        main->GoToConcept(QString::fromLatin1(c.concept_));
        menus.chooseNothing();
        showPane(main->dblConcepts);
        clickRow(main->dblConcepts, main->dblConcepts->model()->index(main->dblConcepts->currentRow(), 0), Qt::RightButton);
        ASSERT_FALSE(menus.shown().empty());
        const PoppedItem *del = menus.shown().back().item("Delete");
        ASSERT_NE(del, nullptr);
        EXPECT_EQ(del->enabled, c.deleteEnabled);
    }
}

TEST_F(ConceptListTest, ClickingARowShowsItOnce)
{
    const QModelIndex size = main->dblConcepts->model()->index(int(main->RSListConcepts->find("SIZE")), 0);
    showPane(main->dblConcepts);
    clickRow(main->dblConcepts, size);
    EXPECT_EQ(main->CurrentConcept, "SIZE");
    EXPECT_EQ(panel(2), "ATTRIBUTE");
    // A repaint of the panes would undo this; clicking the current row again is no change.
    main->lstISA->clear();
    clickRow(main->dblConcepts, size);
    EXPECT_EQ(main->lstISA->count(), 0);
}

TEST_F(ConceptListTest, CopyTakesTheSelectedDefinitionText)
{
    main->GoToConcept("COLOR");
    QApplication::clipboard()->setText("before");
    main->mnuEditCopy_Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    main->txtDef->selectAll();
    main->mnuEditCopy_Click();
    EXPECT_EQ(QApplication::clipboard()->text(), "The colour of an object.");
    EXPECT_FALSE(main->mnuEditCut->isEnabled());
    EXPECT_FALSE(main->mnuEditPaste->isEnabled());
}

TEST_F(ConceptListTest, ClosingEmptiesThePanesAndTheirPanels)
{
    main->GoToConcept("COLOR");
    main->mnuFileClose_Click();
    EXPECT_EQ(main->CurrentConcept, "");
    EXPECT_EQ(main->lstISA->count(), 0);
    EXPECT_EQ(main->dblConcepts->rowCount(), 0);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(panel(i), "") << i;
}
