// IS-A links, domains and ranges through the main window's pop-ups and the relation
// dialog as a picker.

#include "PanesFixture.h"
#include "ontology/ConceptList.h"
#include "ontology/LocalSlots.h"
#include "support/UserKeys.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Picks the concept (or types the value) and presses Add; an empty choice closes the
// dialog by its frame.
std::function<void(frmEditRel &)> pick(const QString &choice, bool typed = false)
{
    return [choice, typed](frmEditRel &d) {
        if (choice.isEmpty()) {
            d.closeByFrame();
            return;
        }
        if (typed)
            d.txtValue->setText(choice);
        else
            select(d.dblConcepts, choice);
        d.cmdAdd->click();
    };
}

}  // namespace


TEST_F(PanesTest, TheParentsPopUpGuardsTheLastParent)
{
    addIsA({{"X", "CAR"}, {"Y", "CAR"}, {"Y", "WHEEL"}});
    const struct Case {
        const char *conceptId;
        const char *selected;  // "" none
        bool editEnabled, deleteEnabled;
    } cases[] = {
        {"X", "CAR", true, false},
        {"Y", "", false, true},
        {"Y", "WHEEL", true, true},
        {"ALL", "", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.conceptId) + " " + c.selected);
        showConcept(c.conceptId);
        if (*c.selected)
            select(main->lstISA, c.selected);
        popups.chooseNothing();
        rightClickPane(main->lstISA);
        const PoppedMenu &m = popups.shown().back();
        EXPECT_TRUE(m.item("Add IS-A link")->enabled);
        EXPECT_EQ(m.item("Edit selected link")->enabled, c.editEnabled);
        EXPECT_EQ(m.item("Delete selected link")->enabled, c.deleteEnabled);
    }
    // with nothing selected, Delete asks nothing and does nothing
    showConcept("Y");
    main->mnuISADelete_Click();
    EXPECT_EQ(GetParents("Y"), (QStringList{"CAR", "WHEEL"}));
}

// A picker over more concepts than it reads as it opens is up at once, and reads on: the
// keys reach every concept meanwhile, the scroll bar soon covers them all, and Add links
// the one the keys chose.
TEST_F(PanesTest, APickerOfManyConceptsIsUpAtOnceAndTheKeysReachEveryOne)
{
    {
        db::Transaction tx(OntologyDB);
        for (int i = 0; i < ConceptList::FirstRows + 2 * ConceptList::ReadOnRows; ++i) {
            const QString id = QStringLiteral("M-%1").arg(i, 5, 10, QLatin1Char('0'));
            OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, 'd', 1, 1)", {id});
            OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES (?, 'OBJECT')", {id});
        }
        tx.commit();
    }
    const int objects = count("SELECT COUNT(*) FROM CONCEPTS WHERE Type = 1");
    const QString last = OntologyDB.scalar("SELECT Concept FROM CONCEPTS WHERE Type = 1 ORDER BY Concept DESC LIMIT 1").toString();
    showConcept("CAR");
    modals.expect<frmEditRel>([&](frmEditRel &d) {
        ui::DataList *list = d.dblConcepts;
        EXPECT_LT(list->model()->rowCount(), objects) << "up before every concept is read";
        keys::focusBox(list);
        keys::type("m-2000");
        EXPECT_EQ(list->text(), "M-20000") << "a prefix further on than the list has read";
        for (int i = 0; i < 200 && list->model()->rowCount() < objects; ++i)
            QTest::qWait(5);
        EXPECT_EQ(list->model()->rowCount(), objects) << "every concept listed without scrolling";
        keys::press(Qt::Key_End);
        EXPECT_EQ(list->text(), last);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        keys::type("m-1234");
        EXPECT_EQ(list->text(), "M-12340");
        d.cmdAdd->click();
    });
    main->mnuISAAdd_Click();
    EXPECT_TRUE(GetParents("CAR").contains("M-12340"));
}

TEST_F(PanesTest, IsaLinksAddedReplacedAndDeleted)
{
    addIsA({{"X", "CAR"}, {"X", "WHEEL"}});
    showConcept("X");
    modals.expect<frmEditRel>([](frmEditRel &d) {
        EXPECT_EQ(d.caption(), "Add ISA link");
        EXPECT_EQ(d.txtISA->text(), "ISA");
        EXPECT_FALSE(d.txtISA->isHidden());
        EXPECT_TRUE(d.dblRels->isHidden());
        EXPECT_EQ(d.cmdClose->text(), "&Cancel");
        // the concepts of the concept's own Type only: no root, no event
        EXPECT_TRUE(rows(d.dblConcepts).contains("ENGINE"));
        EXPECT_FALSE(rows(d.dblConcepts).contains("ALL"));
        EXPECT_FALSE(rows(d.dblConcepts).contains("RUN"));
        select(d.dblConcepts, "ENGINE");
        d.cmdAdd->click();
    });
    main->mnuISAAdd_Click();
    EXPECT_EQ(items(main->lstISA), (QStringList{"CAR", "ENGINE", "WHEEL"}));

    const struct Case {
        const char *what;
        void (frmOntoEdit::*command)();
        const char *selected;
        const char *choice;
        const char *refusal;  // nullptr: done
        QStringList parents;
    } cases[] = {
        {"add an existing parent", &frmOntoEdit::mnuISAAdd_Click, "", "CAR", "ISA link exists.",
         {"CAR", "ENGINE", "WHEEL"}},
        {"cancel by the frame", &frmOntoEdit::mnuISAAdd_Click, "", "", nullptr, {"CAR", "ENGINE", "WHEEL"}},
        {"replace WHEEL by OBJECT", &frmOntoEdit::mnuISAEdit_Click, "WHEEL", "OBJECT", nullptr,
         {"CAR", "ENGINE", "OBJECT"}},
        {"replace by an existing parent", &frmOntoEdit::mnuISAEdit_Click, "OBJECT", "CAR", "ISA link exists.",
         {"CAR", "ENGINE", "OBJECT"}},
        {"replace and cancel", &frmOntoEdit::mnuISAEdit_Click, "OBJECT", "", nullptr, {"CAR", "ENGINE", "OBJECT"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (*c.selected)
            select(main->lstISA, c.selected);
        modals.expect<frmEditRel>([&](frmEditRel &d) {
            if (c.command == &frmOntoEdit::mnuISAEdit_Click) {
                EXPECT_EQ(d.caption(), "Edit ISA link");
                EXPECT_EQ(d.cmdAdd->text(), "&Modify");
            }
            pick(c.choice)(d);
        });
        if (c.refusal)
            boxes.expect(c.refusal);
        (main.get()->*c.command)();
        EXPECT_EQ(GetParents("X"), c.parents);
        EXPECT_EQ(items(main->lstISA), c.parents);
    }

    select(main->lstISA, "ENGINE");
    boxes.expect("Confirm deletion of link:\r\nX : ISA : ENGINE", ui::Answer::Yes);
    main->mnuISADelete_Click();
    EXPECT_EQ(items(main->lstISA), (QStringList{"CAR", "OBJECT"}));
    select(main->lstISA, "CAR");
    boxes.expect("Confirm deletion of link:", ui::Answer::No);
    main->mnuISADelete_Click();
    EXPECT_EQ(GetParents("X"), (QStringList{"CAR", "OBJECT"}));
}

TEST_F(PanesTest, ALinkThatWouldMakeACycleIsRefused)
{
    addIsA({{"X", "CAR"}, {"Y", "X"}, {"Z", "Y"}});
    const struct Case {
        const char *child;
        void (frmOntoEdit::*command)();
        const char *selected;
        const char *parent;
    } cases[] = {
        {"X", &frmOntoEdit::mnuISAAdd_Click, "", "Z"},
        {"CAR", &frmOntoEdit::mnuISAAdd_Click, "", "Y"},
        {"X", &frmOntoEdit::mnuISAEdit_Click, "CAR", "Y"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.child) + " under " + c.parent);
        showConcept(c.child);
        const QStringList before = GetParents(c.child);
        if (*c.selected)
            select(main->lstISA, c.selected);
        modals.expect<frmEditRel>(pick(c.parent));
        boxes.expect("the link would make a cycle");
        (main.get()->*c.command)();
        EXPECT_EQ(GetParents(c.child), before);
    }
    // the dialog itself refuses the concept
    showConcept("X");
    boxes.expect("No relation can hold between a concept and itself!");
    modals.expect<frmEditRel>([](frmEditRel &d) {
        select(d.dblConcepts, "X");
        d.cmdAdd->click();
        d.cmdClose->click();
    });
    main->mnuISAAdd_Click();
    EXPECT_EQ(GetParents("X"), QStringList{"CAR"});
}

TEST_F(PanesTest, DomainsAndRangesOfRelationAndAttributeConcepts)
{
    showConcept("PART-OF");  // the seed gives it the domain and range OBJECT
    EXPECT_EQ(items(main->lstRels), QStringList{"OBJECT"});
    EXPECT_EQ(items(main->lstAttrs), QStringList{"OBJECT"});

    modals.expect<frmEditRel>([](frmEditRel &d) {
        EXPECT_EQ(d.caption(), "Add Domain");
        EXPECT_EQ(d.txtISA->text(), "DOMAIN");
        EXPECT_TRUE(d.chkDefault->isHidden());
        EXPECT_FALSE(rows(d.dblConcepts).contains("COLOR"));
        select(d.dblConcepts, "EVENT");
        d.cmdAdd->click();
    });
    main->mnuDomainAdd_Click();
    EXPECT_EQ(items(main->lstRels), (QStringList{"EVENT", "OBJECT"}));
    modals.expect<frmEditRel>(pick("EVENT"));
    boxes.expect("Domain exists.");
    main->mnuDomainAdd_Click();
    modals.expect<frmEditRel>([](frmEditRel &d) {
        EXPECT_EQ(d.txtISA->text(), "RANGE");
        EXPECT_FALSE(d.dblConcepts->isHidden());
        EXPECT_TRUE(d.txtValue->isHidden());
        select(d.dblConcepts, "EVENT");
        d.cmdAdd->click();
    });
    main->mnuRangeAdd_Click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM RELATIONS WHERE Concept1 = 'PART-OF' AND Rel = 'RANGE'"), 2);
    EXPECT_EQ(items(main->lstAttrs), (QStringList{"EVENT", "OBJECT"}));

    select(main->lstRels, "EVENT");
    boxes.expect("Confirm deletion of DOMAIN:\r\nPART-OF : EVENT", ui::Answer::Yes);
    main->mnuDomainDelete_Click();
    EXPECT_EQ(items(main->lstRels), QStringList{"OBJECT"});
    EXPECT_EQ(items(main->lstAttrs), (QStringList{"EVENT", "OBJECT"}));

    showConcept("COLOR");
    modals.expect<frmEditRel>([](frmEditRel &d) {
        EXPECT_TRUE(d.dblConcepts->isHidden());
        EXPECT_FALSE(d.txtValue->isHidden());
        d.txtValue->setText(" Dark  red, \"deep\" ");
        d.cmdAdd->click();
    });
    main->mnuRangeAdd_Click();
    EXPECT_EQ(OntologyDB.scalar("SELECT Value FROM ATTRIBUTES WHERE Concept = 'COLOR' AND Attribute = 'RANGE'"),
              " Dark  red, \"deep\" ");
    modals.expect<frmEditRel>(pick(" Dark  red, \"deep\" ", true));
    boxes.expect("Range exists.");
    main->mnuRangeAdd_Click();
    modals.expect<frmEditRel>(pick(""));
    main->mnuRangeAdd_Click();
    EXPECT_EQ(items(main->lstAttrs), QStringList{" Dark  red, \"deep\" "});

    // Delete with nothing selected asks, and deletes nothing.
    main->lstAttrs->clearSelection();
    boxes.expect("Confirm deletion of RANGE:\r\nCOLOR : ", ui::Answer::Yes);
    main->mnuRangeDelete_Click();
    EXPECT_EQ(items(main->lstAttrs).size(), 1);
    select(main->lstAttrs, " Dark  red, \"deep\" ");
    boxes.expect("Confirm deletion of RANGE:", ui::Answer::Yes);
    main->mnuRangeDelete_Click();
    EXPECT_TRUE(items(main->lstAttrs).isEmpty());
    // Domain delete with nothing selected asks nothing.
    main->mnuDomainDelete_Click();
}
