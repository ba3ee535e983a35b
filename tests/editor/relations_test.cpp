// Relations and attributes of a concept through the main window's panes and the relation
// dialog: adding with the inverse row, the refusals, deleting and following by row key.

#include "PanesFixture.h"
#include "support/PopupRequests.h"
#include "ontology/LocalSlots.h"
#include "ui/Forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QPushButton>

namespace {

using Script = std::function<void(frmEditRel &)>;

}  // namespace

TEST_F(PanesTest, ARelationIsAddedWithItsInverseRowOnTheOtherConcept)
{
    showConcept("CAR");
    modals.expect<frmEditRel>([](frmEditRel &d) {
        EXPECT_EQ(d.caption(), "Add Relation");
        EXPECT_EQ(d.txtConcept1->text(), "CAR");
        EXPECT_TRUE(d.txtConcept1->isReadOnly());
        // relationships are the relation concepts; candidates are neither attributes nor relations
        EXPECT_TRUE(rows(d.dblRels).contains("HAS-PART"));
        EXPECT_FALSE(rows(d.dblRels).contains("COLOR"));
        EXPECT_TRUE(rows(d.dblConcepts).contains("WHEEL"));
        EXPECT_FALSE(rows(d.dblConcepts).contains("HAS-PART"));
        EXPECT_FALSE(rows(d.dblConcepts).contains("COLOR"));
        select(d.dblRels, "HAS-PART");
        select(d.dblConcepts, "WHEEL");
        d.chkDefault->setChecked(true);
        d.cmdAdd->click();
    });
    popups.choose("Add relation");
    rightClickPane(main->lstRels);

    EXPECT_EQ(items(main->lstRels), QStringList{"HAS-PART : WHEEL (by default)"});
    showConcept("WHEEL");
    EXPECT_EQ(items(main->lstRels), QStringList{"PART-OF : CAR (by default)"});
    EXPECT_TRUE(ui::forms().ofType<frmEditRel>().empty());
}

TEST_F(PanesTest, EachRefusalOfTheRelationDialog)
{
    count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('ORPHAN-REL', 4, 1)");
    AddRelationPair("CAR", "HAS-PART", "ENGINE", false);
    const struct Case {
        const char *what;
        const char *relationship;  // "" picks none
        const char *related;
        const char *message;
        bool dialogStays;
    } cases[] = {
        {"no relationship", "", "WHEEL", "You must select a relation!", true},
        {"no related concept", "HAS-PART", "", "You must select a related concept!", true},
        {"the concept itself", "HAS-PART", "CAR", "No relation can hold between a concept and itself!", true},
        {"the row exists", "HAS-PART", "ENGINE", "Relation exists.", false},
        {"no inverse", "ORPHAN-REL", "WHEEL",
         "Data integrity error. Inverse relation of ORPHAN-REL can't be found.\r\nError Code QZ001.", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        showConcept("CAR");
        const int before = count("SELECT COUNT(*) FROM RELATIONS");
        boxes.expect(c.message);
        modals.expect<frmEditRel>([&](frmEditRel &d) {
            if (*c.relationship)
                select(d.dblRels, c.relationship);
            if (*c.related)
                select(d.dblConcepts, c.related);
            d.cmdAdd->click();
            EXPECT_EQ(d.isShown(), c.dialogStays);
            if (d.isShown())
                d.cmdClose->click();
        });
        main->mnuRelAdd_Click();
        EXPECT_EQ(boxes.asked().back().prompt, c.message);
        EXPECT_EQ(count("SELECT COUNT(*) FROM RELATIONS"), before);
    }
}

TEST_F(PanesTest, AttributesWithAndWithoutDefaultAndDuplicatesRefused)
{
    const struct Case {
        const char *value;
        bool isDefault;
        const char *item;
        const char *refusal;  // nullptr: added
    } cases[] = {
        {"red", false, "COLOR : red", nullptr},
        {"blue", true, "COLOR : blue (by default)", nullptr},
        {"x\" OR \"a\"=\"a", false, "COLOR : x\" OR \"a\"=\"a", nullptr},
        {"red", true, nullptr, "Attribute-value pair exists."},
        {"", false, nullptr, "You must type in a value (literal or numerical)."},
    };
    showConcept("CAR");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        main->mnuAttrAdd_Click();
        const auto dialogs = ui::forms().ofType<frmEditRel>();
        ASSERT_EQ(dialogs.size(), 1u);
        frmEditRel &d = *dialogs.front();
        EXPECT_EQ(d.caption(), "Add Attribute");
        EXPECT_TRUE(d.isShown());
        EXPECT_TRUE(d.dblConcepts->isHidden());
        EXPECT_EQ(d.Label2->text(), "ATTRIBUTE");
        EXPECT_EQ(d.Label3->text(), "VALUE");
        EXPECT_TRUE(rows(d.dblRels).contains("COLOR"));
        EXPECT_FALSE(rows(d.dblRels).contains("HAS-PART"));
        const int before = count("SELECT COUNT(*) FROM ATTRIBUTES");
        select(d.dblRels, "COLOR");
        d.txtValue->setText(QString::fromUtf8(c.value));
        d.chkDefault->setChecked(c.isDefault);
        if (c.refusal)
            boxes.expect(c.refusal);
        d.cmdAdd->click();
        if (c.item) {
            EXPECT_TRUE(items(main->lstAttrs).contains(c.item));
        }
        EXPECT_EQ(count("SELECT COUNT(*) FROM ATTRIBUTES"), before + (c.refusal ? 0 : 1));
        if (d.isShown())
            d.cmdClose->click();
        EXPECT_TRUE(ui::forms().ofType<frmEditRel>().empty());
    }
    EXPECT_EQ(items(main->lstAttrs).size(), 3);
}

TEST_F(PanesTest, OpenAttributeDialogsFollowTheShownConceptAndRefuseTheRootAndSlotConcepts)
{
    showConcept("CAR");
    main->mnuAttrAdd_Click();
    main->mnuAttrAdd_Click();
    const auto dialogs = ui::forms().ofType<frmEditRel>();
    ASSERT_EQ(dialogs.size(), 2u);

    for (const char *refused : {"ALL", "COLOR", "HAS-PART"}) {
        SCOPED_TRACE(refused);
        showConcept(refused);
        EXPECT_EQ(dialogs[0]->txtConcept1->text(), refused);
        EXPECT_FALSE(dialogs[0]->cmdAdd->isEnabled());
        select(dialogs[0]->dblRels, "SIZE");
        dialogs[0]->txtValue->setText("big");
        boxes.expect("Attribute-value pairs can be added only to objects and events");
        dialogs[0]->cmdAdd_Click();
        EXPECT_TRUE(dialogs[0]->isShown());
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM ATTRIBUTES"), 0);

    showConcept("WHEEL");
    for (const auto &d : dialogs) {
        EXPECT_TRUE(d->cmdAdd->isEnabled());
        select(d->dblRels, "SIZE");
        d->txtValue->setText(d == dialogs[0] ? "big" : "small");
        d->cmdAdd->click();
        EXPECT_FALSE(d->isLoaded());
    }
    EXPECT_EQ(items(main->lstAttrs), (QStringList{"SIZE : big", "SIZE : small"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM ATTRIBUTES WHERE Concept = 'CAR'"), 0);
}

TEST_F(PanesTest, DontInheritFillsAndLocksTheValueAndGivesItBack)
{
    showConcept("CAR");
    main->mnuAttrAdd_Click();
    frmEditRel &d = *ui::forms().first<frmEditRel>();
    d.chkDefault->setChecked(true);
    d.chkNothing->click();
    EXPECT_EQ(d.txtValue->text(), "*NOTHING*");
    EXPECT_TRUE(d.txtValue->isReadOnly());
    EXPECT_FALSE(d.chkDefault->isChecked());
    EXPECT_FALSE(d.chkDefault->isEnabled());
    d.chkNothing->click();
    EXPECT_EQ(d.txtValue->text(), "");
    EXPECT_FALSE(d.txtValue->isReadOnly());
    EXPECT_FALSE(d.chkDefault->isChecked());
    EXPECT_TRUE(d.chkDefault->isEnabled());
}

TEST_F(PanesTest, DeleteActsOnTheRowOfTheItemWhateverItsTextHolds)
{
    // identifiers with " : " are possible with the naming restriction off
    count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('A : B', 1, 1)");
    AddRelationPair("CAR", "HAS-PART", "A : B", true);
    AddRelationPair("CAR", "HAS-PART", "WHEEL", false);
    AddAttributeValue("CAR", "COLOR", "x\" OR \"a\"=\"a", false);
    AddAttributeValue("CAR", "COLOR", "grey (by default)", false);
    AddAttributeValue("WHEEL", "COLOR", "black", false);
    const struct Case {
        QListWidget *list;
        const char *item;
        const char *menuItem;
        const char *question;
        const char *table;
        int rowsLeft;  // in that table, over the whole file
    } cases[] = {
        {main->lstRels, "HAS-PART : A : B (by default)", "Delete selected relation",
         "Confirm deletion of relation:\r\nCAR : HAS-PART : A : B (by default)", "RELATIONS WHERE Concept2 = 'A : B' OR Concept1 = 'A : B'", 0},
        {main->lstAttrs, "COLOR : x\" OR \"a\"=\"a", "Delete selected attribute",
         "Confirm deletion of Attribute:\r\nCOLOR : x\" OR \"a\"=\"a", "ATTRIBUTES", 2},
        {main->lstAttrs, "COLOR : grey (by default)", "Delete selected attribute",
         "Confirm deletion of Attribute:\r\nCOLOR : grey (by default)", "ATTRIBUTES", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        showConcept("CAR");
        select(c.list, c.item);
        boxes.expect(c.question, ui::Answer::Yes);
        popups.choose(c.menuItem);
        rightClickPane(c.list);
        EXPECT_EQ(boxes.asked().back().title, "Confirm Delete");
        EXPECT_FALSE(items(c.list).contains(c.item));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ") + c.table), c.rowsLeft);
    }
    EXPECT_EQ(items(main->lstRels), QStringList{"HAS-PART : WHEEL"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM ATTRIBUTES WHERE Concept = 'WHEEL'"), 1);
}

TEST_F(PanesTest, DeletingARowGoneMeanwhileSaysSoAndNoAnswersKeepIt)
{
    AddRelationPair("CAR", "HAS-PART", "WHEEL", false);
    AddAttributeValue("CAR", "COLOR", "red", false);
    showConcept("CAR");

    select(main->lstRels, "HAS-PART : WHEEL");
    boxes.expect("Confirm deletion of relation:", ui::Answer::No);
    main->mnuRelDelete_Click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM RELATIONS WHERE Concept1 IN ('CAR', 'WHEEL')"), 2);

    OntologyDB.execute("DELETE FROM RELATIONS WHERE Concept1 = 'CAR'");
    select(main->lstRels, "HAS-PART : WHEEL");
    boxes.expect("Confirm deletion of relation:", ui::Answer::Yes).expect("Nothing was deleted");
    main->mnuRelDelete_Click();
    OntologyDB.execute("DELETE FROM ATTRIBUTES");
    select(main->lstAttrs, "COLOR : red");
    boxes.expect("Confirm deletion of Attribute:", ui::Answer::Yes).expect("Nothing was deleted");
    main->mnuAttrDelete_Click();
    EXPECT_TRUE(items(main->lstRels).isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM RELATIONS WHERE Concept1 = 'WHEEL'"), 1) << "no other row is touched";
}

TEST_F(PanesTest, FollowingAnItemGoesToTheRelationOrTheRelatedConcept)
{
    count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('A : B', 1, 1)");
    AddRelationPair("CAR", "HAS-PART", "A : B", true);
    AddSlotConcept("PART-OF", DomainSlot, "EVENT");
    const struct Case {
        const char *conceptId;
        const char *item;
        void (frmOntoEdit::*command)();
        const char *target;
    } cases[] = {
        {"CAR", "HAS-PART : A : B (by default)", &frmOntoEdit::mnuRelGoToRel_Click, "HAS-PART"},
        {"CAR", "HAS-PART : A : B (by default)", &frmOntoEdit::mnuRelGoToConcept_Click, "A : B"},
        {"CAR", "HAS-PART : A : B (by default)", &frmOntoEdit::lstRels_DblClick, "A : B"},
        {"PART-OF", "EVENT", &frmOntoEdit::lstRels_DblClick, "EVENT"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target);
        showConcept(c.conceptId);
        select(main->lstRels, c.item);
        (main.get()->*c.command)();
        EXPECT_EQ(main->CurrentConcept, c.target);
    }
}

TEST_F(PanesTest, ThePopUpsOfThePanesByConceptAndSelection)
{
    AddRelationPair("CAR", "HAS-PART", "WHEEL", false);
    // the root offers none: an unexpected pop-up would fail the test
    showConcept("ALL");
    rightClickPane(main->lstRels);
    rightClickPane(main->lstAttrs);

    showConcept("ENGINE");  // no relations
    popups.chooseNothing().chooseNothing();
    rightClickPane(main->lstRels);
    rightClickPane(main->lstAttrs);
    showConcept("CAR");
    select(main->lstRels, "HAS-PART : WHEEL");
    popups.chooseNothing();
    rightClickPane(main->lstRels);
    clickRow(main->lstRels, main->lstRels->currentIndex());  // only the right button pops up
    showConcept("PART-OF");
    popups.chooseNothing().chooseNothing();
    rightClickPane(main->lstRels);
    rightClickPane(main->lstAttrs);

    const auto &shown = popups.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].title, "Relationship");
    EXPECT_TRUE(shown[0].item("Add relation")->enabled);
    EXPECT_FALSE(shown[0].item("Delete selected relation")->enabled);
    EXPECT_FALSE(shown[0].item("Go To...")->enabled);
    EXPECT_EQ(shown[1].title, "Attribute");
    EXPECT_FALSE(shown[1].item("Delete selected attribute")->enabled);
    EXPECT_TRUE(shown[2].item("Delete selected relation")->enabled);
    EXPECT_TRUE(shown[2].item("Go To...")->enabled);
    EXPECT_EQ(shown[3].title, "Domain");
    EXPECT_EQ(shown[4].title, "Range");
    EXPECT_EQ(main->lblRels->text(), "LOCAL DOMAINS");
    EXPECT_EQ(main->lblAttrs->text(), "LOCAL RANGES");
}

TEST_F(PanesTest, OpenRelationDialogsReloadTheirListsWhenTold)
{
    showConcept("CAR");
    main->mnuAttrAdd_Click();
    frmEditRel &d = *ui::forms().first<frmEditRel>();
    count("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('WEIGHT', 3, 1)");
    EXPECT_FALSE(rows(d.dblRels).contains("WEIGHT"));
    main->SignalRelationDialogs("Concept");
    EXPECT_TRUE(rows(d.dblRels).contains("WEIGHT"));
    EXPECT_EQ(d.txtConcept1->text(), "CAR");
    select(d.dblRels, "WEIGHT");
    d.txtValue->setText("2 t");
    d.cmdAdd->click();
    EXPECT_EQ(items(main->lstAttrs), QStringList{"WEIGHT : 2 t"});
}

TEST_F(PanesTest, AnAttributeDialogWhoseConceptWasDeletedAddsNothing)
{
    showConcept("WHEEL");
    main->mnuAttrAdd_Click();
    frmEditRel &d = *ui::forms().first<frmEditRel>();
    OntologyDB.execute("DELETE FROM CONCEPTS WHERE Concept = 'WHEEL'");
    main->SignalRelationDialogs("Delete");  // a broken-invariant box here would fail the test
    EXPECT_FALSE(d.cmdAdd->isEnabled());
    select(d.dblRels, "SIZE");
    d.txtValue->setText("big");
    boxes.expect("The concept WHEEL no longer exists.");
    d.cmdAdd_Click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM ATTRIBUTES"), 0);
}

// Which controls each mode of the relation dialog shows, and with which captions.
TEST_F(PanesTest, EachModeOfTheRelationDialogShowsItsControls)
{
    struct Case {
        const char *caption;
        bool rangeIsValue;
        bool rels, isa, concepts, value, isDefault, nothing;
        const char *isaText, *add, *close, *label2, *label3;
    } cases[] = {
        {"Add Relation", false, true, false, true, false, true, true, "", "&Add", "&Close", "RELATIONSHIP",
         "RELATED CONCEPT"},
        {"Add Attribute", false, true, false, false, true, true, true, "", "&Add", "&Close", "ATTRIBUTE", "VALUE"},
        {"Add ISA link", false, false, true, true, false, true, true, "ISA", "&Add", "&Cancel", "RELATIONSHIP",
         "RELATED CONCEPT"},
        {"Edit ISA link", false, false, true, true, false, true, true, "ISA", "&Modify", "&Cancel", "RELATIONSHIP",
         "RELATED CONCEPT"},
        {"Add Domain", false, false, true, true, false, false, true, "DOMAIN", "&Add", "&Cancel", "RELATIONSHIP",
         "RELATED CONCEPT"},
        {"Add Range", false, false, true, true, false, false, false, "RANGE", "&Add", "&Cancel", "RELATIONSHIP",
         "RELATED CONCEPT"},
        {"Add Range", true, false, true, false, true, false, false, "RANGE", "&Add", "&Cancel", "RELATIONSHIP",
         "RELATED CONCEPT"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.caption) + (c.rangeIsValue ? " of an attribute" : ""));
        auto d = std::make_shared<frmEditRel>();
        d->load();
        d->arrange(c.caption, "CAR", c.rangeIsValue);
        EXPECT_EQ(!d->dblRels->isHidden(), c.rels);
        EXPECT_EQ(!d->txtISA->isHidden(), c.isa);
        EXPECT_EQ(!d->dblConcepts->isHidden(), c.concepts);
        EXPECT_EQ(!d->txtValue->isHidden(), c.value);
        EXPECT_EQ(!d->chkDefault->isHidden(), c.isDefault);
        EXPECT_EQ(!d->chkNothing->isHidden(), c.nothing);
        if (c.isa) {
            EXPECT_EQ(d->txtISA->text(), c.isaText);
        }
        EXPECT_EQ(d->cmdAdd->text(), c.add);
        EXPECT_EQ(d->cmdClose->text(), c.close);
        EXPECT_EQ(d->Label2->text(), c.label2);
        EXPECT_EQ(d->Label3->text(), c.label3);
        EXPECT_TRUE(d->txtConcept1->isReadOnly());
        d->unload();
    }
}

// Every pane with a pop-up opens it by the keys as by the right button, at its current
// row, so that the commands only a pop-up holds are within the keyboard's reach.
TEST_F(PanesTest, EveryPaneOpensItsPopupByTheKeysAtItsRow)
{
    showConcept("CAR");
    struct Case {
        const char *what;
        QAbstractItemView *pane;
        const char *title;
    } cases[] = {
        {"concept list", main->dblConcepts, "Concept"}, {"names", main->lvwNames, "Name"},
        {"IS-A links", main->lstISA, "ISA"},            {"relations", main->lstRels, "Relationship"},
        {"attributes", main->lstAttrs, "Attribute"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        showPane(c.pane);
        if (c.pane->model()->rowCount() > 0 && !c.pane->currentIndex().isValid())
            clickRow(c.pane, c.pane->model()->index(0, 0));
        expectPopupByEveryWay(popups, c.pane, c.title);
    }
}
