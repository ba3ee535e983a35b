// Adding concepts and relation pairs through the add-concept dialog, as the user does.

#include "ConceptEditorFixture.h"
#include "support/UserKeys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using AddConceptTest = ConceptEditorTest;

TEST_F(AddConceptTest, EachTypeIsAddedUnderAParentOfItsType)
{
    OntologyInfo.AutoName = 2;
    struct Case {
        int type;
        const char *parent;
        const char *typed;
        const char *stored;
    } cases[] = {
        {1, "OBJECT", "sports car", "SPORTS-CAR"},
        {2, "EVENT", "RACE", "RACE"},
        {3, "ATTRIBUTE", "top_speed", "TOP-SPEED"},
        {1, "ALL", "THING", "THING"},
    };
    const auto dialog = addDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption(), "Add Concept");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const qint64 total = main->TotalCount;
        editor->syncs.clear();
        dialog->optCType[size_t(c.type)]->click();
        ASSERT_TRUE(pickParent(*dialog, QString::fromLatin1(c.parent)));
        dialog->txtConcept->setText(QString::fromLatin1(c.typed));
        dialog->cmdAdd->click();

        const QString id = QString::fromLatin1(c.stored);
        EXPECT_EQ(count("SELECT Type FROM CONCEPTS WHERE Concept = ?", {id}), c.type);
        EXPECT_EQ(ConceptDefinition(id), "Undefined");
        EXPECT_EQ(count("SELECT Subset_ID FROM CONCEPTS WHERE Concept = ?", {id}), 1);
        EXPECT_EQ(count("SELECT COUNT(*) FROM ISA WHERE Concept = ? AND ISA = ?", {id, QString::fromLatin1(c.parent)}), 1);
        EXPECT_EQ(main->CurrentConcept, id);
        EXPECT_EQ(main->dblConcepts->text(), id);
        EXPECT_EQ(main->TotalCount, total + 1);
        EXPECT_EQ(panel(4), QString::number(total + 1) + " total");
        EXPECT_EQ(editor->syncs, (std::vector<TermbaseSync>{{id, id, 1}}));
        ASSERT_EQ(main->lvwNames->topLevelItemCount(), 1);
        EXPECT_EQ(main->lvwNames->topLevelItem(0)->text(1), ConceptNameToLabel(id));
        // Ready for the next one, with the new concept among the parents of its type.
        EXPECT_EQ(dialog->txtConcept->text(), "");
        EXPECT_TRUE(dialog->optCType[size_t(c.type)]->isChecked());
        EXPECT_TRUE(pickParent(*dialog, id));
    }
    EXPECT_TRUE(dialog->isShown());
}

TEST_F(AddConceptTest, TheParentsAreOfTheChosenTypeOrTheRoot)
{
    const auto dialog = addDialog();
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(type);
        dialog->optCType[size_t(type)]->click();
        const int rows = dialog->dblParents->rowCount();
        EXPECT_EQ(rows, count("SELECT COUNT(*) FROM CONCEPTS WHERE Type = ? OR Type = 100", {type}));
        for (int r = 0; r < rows; ++r) {
            const int t = GetConceptType(dialog->dblParents->source()->text(r));
            EXPECT_TRUE(t == type || t == 100);
        }
    }
}

TEST_F(AddConceptTest, RefusalsWriteNothing)
{
    OntologyInfo.Naming = false;
    struct Case {
        int type;
        QString typed;
        const char *parent;  // nullptr: none picked
        const char *message;
        ui::Icon icon;
        const char *title;
    } cases[] = {
        {1, "", "OBJECT", "You must specify a concept name", ui::Icon::Exclamation, "Error"},
        {1, "CAR", nullptr, "You must make this concept \r\na CHILD of an existent concept.", ui::Icon::Exclamation, "Error"},
        {1, "OBJECT", "OBJECT", "A concept can't have itself as its superordinate concept.", ui::Icon::Information, "Error"},
        {1, "object", "ALL", "(\"object\")\r\nis already in use. Please, try again.", ui::Icon::Critical, "error"},
        {2, "part-of", "EVENT", "is already in use", ui::Icon::Critical, "error"},
        {1, QString(256, QLatin1Char('L')), "OBJECT", "at most 255 characters", ui::Icon::Exclamation, "Error"},
        {3, QString(51, QLatin1Char('A')), "ATTRIBUTE", "at most 50 characters", ui::Icon::Exclamation, "Error"},
    };
    const auto dialog = addDialog();
    const QList<int> before = tableCounts();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        dialog->optCType[size_t(c.type)]->click();
        if (c.parent) {
            ASSERT_TRUE(pickParent(*dialog, QString::fromLatin1(c.parent)));
        }
        dialog->txtConcept->setText(c.typed);
        boxes.expect(QString::fromLatin1(c.message));
        dialog->cmdAdd->click();
        EXPECT_EQ(boxes.asked().back().icon, c.icon);
        EXPECT_EQ(boxes.asked().back().title, c.title);
        EXPECT_EQ(dialog->txtConcept->text(), c.typed);
        EXPECT_EQ(tableCounts(), before);
    }
    EXPECT_TRUE(editor->syncs.empty());
}

TEST_F(AddConceptTest, TypedKeysFollowTheNamingRestriction)
{
    const auto dialog = addDialog();
    OntologyInfo.Naming = true;
    keys::focusBox(dialog->txtConcept);
    keys::type("big car_x!");
    EXPECT_EQ(dialog->txtConcept->text(), "BIG-CAR-X");
    keys::runKeyCases(dialog->window(), dialog->txtConcept, [&] { return dialog->txtConcept->text(); },
                      [&](const QString &t) { dialog->txtConcept->setText(t); }, keys::identifierKeyCases());
    keys::expectKeysPassOn(dialog->window(), dialog->txtConcept);
    OntologyInfo.Naming = false;
    keys::focusBox(dialog->txtConcept);
    dialog->txtConcept->clear();
    keys::type("a \"b\"");
    EXPECT_EQ(dialog->txtConcept->text(), "a \"b\"");
    pickParent(*dialog, "OBJECT");
    dialog->txtDef->setPlainText("say \"hi\"");
    dialog->cmdAdd->click();
    EXPECT_TRUE(exists("a 'b'"));
    EXPECT_EQ(ConceptDefinition("a 'b'"), "say 'hi'");
}

TEST_F(AddConceptTest, ARelationComesWithItsInverse)
{
    OntologyInfo.AutoName = 1;
    const auto dialog = addDialog();
    dialog->optCType[4]->click();
    ASSERT_TRUE(pickParent(*dialog, "RELATION"));
    dialog->txtConcept->setText("OWNS");
    dialog->txtDef->setPlainText("The owner has the filler.");
    modals.expect<frmNewConcept>([](frmNewConcept &inv) {
        EXPECT_EQ(inv.caption(), "Add Inverse Relation");
        EXPECT_TRUE(inv.optCType[4]->isChecked());
        EXPECT_FALSE(inv.optCType[1]->isEnabled());
        EXPECT_FALSE(inv.cmdAdd->isVisible());
        EXPECT_EQ(inv.cmdClose->text(), "&Cancel");
        inv.txtConcept->setText("owned by");  // pasted: cleaned like the relation
        ASSERT_TRUE(pickParent(inv, "RELATION"));
        inv.cmdAddInv->click();
    });
    const qint64 total = main->TotalCount;
    dialog->cmdAdd->click();

    EXPECT_EQ(count("SELECT COUNT(*) FROM CONCEPTS WHERE Concept IN ('OWNS', 'OWNED-BY') AND Type = 4"), 2);
    EXPECT_EQ(ConceptDefinition("OWNED-BY"), "Undefined");
    EXPECT_EQ(count("SELECT COUNT(*) FROM ISA WHERE Concept IN ('OWNS', 'OWNED-BY') AND ISA = 'RELATION'"), 2);
    EXPECT_EQ(InverseOf("OWNS"), "OWNED-BY");
    EXPECT_EQ(InverseOf("OWNED-BY"), "OWNS");
    EXPECT_EQ(main->CurrentConcept, "OWNS");
    EXPECT_EQ(main->TotalCount, total + 2);
    EXPECT_EQ(editor->syncs, (std::vector<TermbaseSync>{{"OWNED-BY", "OWNED-BY", 1}, {"OWNS", "OWNS", 1}}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM Names WHERE Concept IN ('OWNS', 'OWNED-BY') AND Lang_ID = 'en'"), 2);
}

TEST_F(AddConceptTest, AnInverseThatCannotBeIsRefusedBeforeAnythingIsWritten)
{
    OntologyInfo.Naming = false;
    struct Case {
        const char *inverse;  // nullptr: the inverse dialog is cancelled
        const char *parent;
        const char *message;
    } cases[] = {
        {nullptr, "RELATION", "You must specify an inverse relation"},
        {"", "RELATION", "You must specify an inverse relation"},
        {"BELONGS", nullptr, "You must specify a parent for the new relation"},
        {"owns", "RELATION", "A relation and its inverse can't have the same name!"},
        {"has-part", "RELATION", "is already in use"},
        {"PART-OF", "PART-OF", "itself"},
    };
    const auto dialog = addDialog();
    const QList<int> before = tableCounts();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        dialog->optCType[4]->click();
        ASSERT_TRUE(pickParent(*dialog, "RELATION"));
        dialog->txtConcept->setText("OWNS");
        modals.expect<frmNewConcept>([&c](frmNewConcept &inv) {
            if (!c.inverse) {
                inv.cmdClose->click();
                return;
            }
            inv.txtConcept->setText(QString::fromLatin1(c.inverse));
            if (c.parent) {
                ASSERT_TRUE(pickParent(inv, QString::fromLatin1(c.parent)));
            }
            inv.cmdAddInv->click();
        });
        boxes.expect(QString::fromLatin1(c.message));
        dialog->cmdAdd->click();
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
        EXPECT_EQ(tableCounts(), before);
        EXPECT_FALSE(exists("OWNS"));
    }
    EXPECT_TRUE(editor->syncs.empty());
}

TEST_F(AddConceptTest, AFailurePartWayLeavesTheOntologyAsItWas)
{
    // The default name is the last row an addition writes; when it fails, the concept
    // and its link go too.
    OntologyInfo.AutoName = 1;
    OntologyDB.execute("CREATE TRIGGER fail BEFORE INSERT ON Names BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const QList<int> before = tableCounts();
    const auto dialog = addDialog();
    pickParent(*dialog, "OBJECT");
    dialog->txtConcept->setText("CAR");
    boxes.expect("disk full");
    dialog->cmdAdd->click();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    EXPECT_EQ(tableCounts(), before);
    EXPECT_FALSE(exists("CAR"));
    EXPECT_EQ(main->RSListConcepts->find("CAR"), -1);
    EXPECT_NE(main->CurrentConcept, "CAR");
    EXPECT_EQ(main->TotalCount, before.first());
    EXPECT_EQ(dialog->txtConcept->text(), "CAR");
    EXPECT_EQ(dialog->mousePointer(), ui::MousePointer::Default);
}

// A relation pair is told to the termbases only once both are stored: when the relation's
// own step fails after its inverse was written, nothing of the pair reaches them.
TEST_F(AddConceptTest, ARelationPairThatFailsHalfWayIsToldToNoTermbase)
{
    OntologyInfo.AutoName = 1;
    OntologyDB.execute("CREATE TRIGGER fail BEFORE INSERT ON Names WHEN NEW.Concept = 'OWNS' "
                       "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const QList<int> before = tableCounts();
    const auto dialog = addDialog();
    dialog->optCType[4]->click();
    ASSERT_TRUE(pickParent(*dialog, "RELATION"));
    dialog->txtConcept->setText("OWNS");
    modals.expect<frmNewConcept>([&](frmNewConcept &inv) {
        inv.txtConcept->setText("OWNED-BY");
        ASSERT_TRUE(pickParent(inv, "RELATION"));
        inv.cmdAddInv->click();
    });
    boxes.expect("disk full");
    dialog->cmdAdd->click();
    EXPECT_EQ(tableCounts(), before);
    EXPECT_FALSE(exists("OWNED-BY"));
    EXPECT_TRUE(editor->syncs.empty()) << "no termbase hears of an inverse that is not stored";
    EXPECT_EQ(main->RSListConcepts->find("OWNED-BY"), -1);
}

TEST_F(AddConceptTest, AHiddenRelationIsStillNamedAndHandedOn)
{
    OntologyInfo.ListTop = 2;
    OntologyInfo.AutoName = 2;
    rebuild();
    const auto dialog = addDialog();
    dialog->optCType[4]->click();
    pickParent(*dialog, "RELATION");
    dialog->txtConcept->setText("SEES");
    modals.expect<frmNewConcept>([](frmNewConcept &inv) {
        inv.txtConcept->setText("SEEN-BY");
        pickParent(inv, "RELATION");
        inv.cmdAddInv->click();
    });
    dialog->cmdAdd->click();
    EXPECT_EQ(main->RSListConcepts->find("SEES"), -1);
    EXPECT_EQ(NamesOf("SEES").size(), 1u);
    EXPECT_EQ(NamesOf("SEEN-BY").size(), 1u);
    EXPECT_EQ(editor->syncs.size(), 2u);
}

TEST_F(AddConceptTest, CloseEndsTheDialog)
{
    const auto dialog = addDialog();
    main->mnuConceptAdd_Click();  // the one dialog, brought to the front
    EXPECT_EQ(ui::forms().ofType<frmNewConcept>().size(), 1u);
    dialog->cmdClose->click();
    EXPECT_FALSE(dialog->isLoaded());
}

// The parents of a type are listed whole at once: the scroll bar covers them all, and the
// keys reach any of them however many there are.
TEST_F(AddConceptTest, TheKeysReachEveryParent)
{
    for (int i = 0; i < 1500; ++i)
        addConcept(QStringLiteral("P-%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("OBJECT"));
    const QString last =
        OntologyDB.scalar("SELECT Concept FROM CONCEPTS WHERE Type IN (1, 100) ORDER BY Concept DESC LIMIT 1").toString();
    const auto dialog = addDialog();
    ui::DataList *parents = dialog->dblParents;
    EXPECT_EQ(parents->model()->rowCount(), count("SELECT COUNT(*) FROM CONCEPTS WHERE Type IN (1, 100)"))
        << "every parent is in the list before it is scrolled";
    struct Case {
        const char *what;
        std::function<void()> keys;
        QString selected;
    } cases[] = {
        {"End", [] { keys::press(Qt::Key_End); }, last},
        {"Home after End", [] { keys::press(Qt::Key_End); keys::press(Qt::Key_Home); }, "ALL"},
        {"a prefix typed", [] { keys::type("p-12"); }, "P-1200"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        keys::focusBox(parents);
        parents->setCurrentRow(0);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        c.keys();
        EXPECT_EQ(parents->text(), c.selected);
    }
    keys::press(Qt::Key_End);
    keys::press(Qt::Key_PageUp);
    EXPECT_LT(parents->currentRow(), parents->rowCount() - 1) << "Page Up goes up from the last row";
    EXPECT_GT(parents->currentRow(), parents->rowCount() - 100) << "by a page, not to the top";
    // What the list shows chosen is the parent the new concept goes under.
    keys::focusBox(parents);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    keys::type("p-1499");
    dialog->txtConcept->setText("NEWEST");
    dialog->cmdAdd->click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM ISA WHERE Concept = 'NEWEST' AND ISA = 'P-1499'"), 1);
}
