// Renaming, redefining and deleting the current concept, and its names by language,
// through the main window's commands and the naming dialog.

#include "ConceptEditorFixture.h"
#include "support/UserClicks.h"
#include "editor/frmNames.h"
#include "support/HeaderClicks.h"
#include "support/UserKeys.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <algorithm>
#include <QPushButton>
#include <QTest>

class RenameDeleteTest : public ConceptEditorTest {
protected:
    void SetUp() override
    {
        ConceptEditorTest::SetUp();
        addConcept("WHEEL", "OBJECT");
        addConcept("CAR", "OBJECT");
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('CAR', 'WHEEL')");
        OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('WHEEL', 'en', 'wheel')");
        rebuild();
    }

    void renameTo(const QString &typed)
    {
        modals.expect<frmNames>([typed](frmNames &d) {
            EXPECT_EQ(d.caption(), "Naming & Defining");
            EXPECT_TRUE(d.txtConcept->isEnabled());
            EXPECT_FALSE(d.txtName->isEnabled());
            d.txtConcept->setText(typed);
            d.cmdOK->click();
        });
        main->mnuConceptEdit_Click();
    }
    // Answers the delete questions with Yes.
    void deleteCurrent(bool relation = false)
    {
        boxes.expect("Are you sure you want to delete this concept?", ui::Answer::Yes);
        if (relation)
            boxes.expect("Its inverse relation will also be deleted", ui::Answer::Yes);
        main->mnuConceptDelete_Click();
    }
};

TEST_F(RenameDeleteTest, RenameCarriesTheNewIdentifierEverywhere)
{
    const auto add = addDialog();  // open beside, it reloads its parents
    main->GoToConcept("WHEEL");
    renameTo("rim tyre");
    EXPECT_TRUE(exists("RIM-TYRE"));
    EXPECT_FALSE(exists("WHEEL"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM ISA WHERE Concept = 'CAR' AND ISA = 'RIM-TYRE'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Names WHERE Concept = 'RIM-TYRE'"), 1);
    EXPECT_EQ(editor->syncs, (std::vector<TermbaseSync>{{"RIM-TYRE", "WHEEL", 3}}));
    EXPECT_GE(main->RSListConcepts->find("RIM-TYRE"), 0);
    EXPECT_TRUE(pickParent(*add, "RIM-TYRE"));
    EXPECT_EQ(main->TotalCount, count("SELECT COUNT(*) FROM CONCEPTS"));
}

TEST_F(RenameDeleteTest, TheIdentifierBoxFollowsTheNamingRestrictionAtEveryWayIn)
{
    OntologyInfo.Naming = true;
    main->GoToConcept("CAR");
    modals.expect<frmNames>([](frmNames &d) {
        keys::runKeyCases(d.window(), d.txtConcept, [&d] { return d.txtConcept->text(); },
                          [&d](const QString &t) { d.txtConcept->setText(t); }, keys::identifierKeyCases());
        keys::expectKeysPassOn(d.window(), d.txtConcept);
        d.cmdCancel->click();
    });
    main->mnuConceptEdit_Click();
    EXPECT_EQ(main->CurrentConcept, "CAR");
}

TEST_F(RenameDeleteTest, RenamesThatChangeNothingOrCollideAreRefused)
{
    OntologyInfo.Naming = false;
    struct Case {
        const char *typed;  // nullptr: the dialog is cancelled
        const char *message;  // nullptr: no message
    } cases[] = {
        {nullptr, nullptr},
        {"WHEEL", nullptr},
        {"wheel", "Concept:\r\n(\"wheel\")\r\nis already in use. Please, try again."},
        {"object", "is already in use"},
    };
    const QList<int> before = tableCounts();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "cancel");
        main->GoToConcept("WHEEL");
        const size_t asked = boxes.asked().size();
        modals.expect<frmNames>([&c](frmNames &d) {
            if (c.typed) {
                d.txtConcept->setText(QString::fromLatin1(c.typed));
                d.cmdOK->click();
            } else {
                d.cmdCancel->click();
            }
        });
        if (c.message)
            boxes.expect(QString::fromLatin1(c.message));
        main->mnuConceptEdit_Click();
        EXPECT_EQ(boxes.asked().size(), asked + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
            EXPECT_EQ(boxes.asked().back().title, "error");
        }
        EXPECT_EQ(tableCounts(), before);
        EXPECT_TRUE(exists("WHEEL"));
        EXPECT_EQ(main->CurrentConcept, "WHEEL");
    }
    EXPECT_TRUE(editor->syncs.empty());
}

TEST_F(RenameDeleteTest, TheDialogKeepsAnIdentifierItCannotStore)
{
    // An empty or too long identifier keeps the dialog open; closing it by its frame
    // then renames nothing.
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES ('HUE', 'd', 3, 1)");
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('HUE', 'ATTRIBUTE')");
    rebuild();
    main->GoToConcept("HUE");
    boxes.expect("Concept Identifier cannot be the empty string!").expect("at most 50 characters");
    modals.expect<frmNames>([](frmNames &d) {
        d.txtConcept->setText("");
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.txtConcept->setText(QString(51, QLatin1Char('H')));
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.closeByFrame();
    });
    main->mnuConceptEdit_Click();
    EXPECT_TRUE(exists("HUE"));
    EXPECT_TRUE(editor->syncs.empty());
}

TEST_F(RenameDeleteTest, TheRootAndTheSlotsCannotBeRenamedOrDeleted)
{
    for (const char *id : {"ALL", "DOMAIN", "RANGE"}) {
        SCOPED_TRACE(id);
        main->GoToConcept(QString::fromLatin1(id));
        boxes.expect("It cannot be renamed.");
        main->mnuConceptEdit_Click();
        boxes.expect("Are you sure you want to delete this concept?", ui::Answer::Yes).expect("It cannot be deleted.");
        main->mnuConceptDelete_Click();
        EXPECT_TRUE(exists(QString::fromLatin1(id)));
    }
    EXPECT_TRUE(boxes.asked().back().prompt.startsWith("This concept holds the domains and ranges")) << boxes.asked().back().prompt.toStdString();
    EXPECT_TRUE(editor->syncs.empty());
}

TEST_F(RenameDeleteTest, DeleteTakesTheChainBelowButNothingElse)
{
    // CAR hangs under WHEEL and OBJECT; TYRE and VALVE only under WHEEL; LONER never had a parent.
    addConcept("TYRE", "WHEEL");
    addConcept("VALVE", "TYRE");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES ('LONER', 'd', 1, 1)");
    rebuild();
    const auto add = addDialog();
    ASSERT_TRUE(pickParent(*add, "TYRE"));
    main->GoToConcept("WHEEL");
    deleteCurrent();
    EXPECT_FALSE(pickParent(*add, "TYRE"));  // the open dialog reloaded its parents
    for (const char *gone : {"WHEEL", "TYRE", "VALVE"})
        EXPECT_FALSE(exists(QString::fromLatin1(gone))) << gone;
    EXPECT_TRUE(exists("CAR"));
    EXPECT_TRUE(exists("LONER"));
    EXPECT_EQ(editor->syncs, (std::vector<TermbaseSync>{{"WHEEL", "WHEEL", 2}, {"TYRE", "TYRE", 2}, {"VALVE", "VALVE", 2}}));
    const int total = count("SELECT COUNT(*) FROM CONCEPTS");
    EXPECT_EQ(main->TotalCount, total);
    EXPECT_EQ(main->ListedCount, main->dblConcepts->rowCount());
    EXPECT_EQ(panel(4), QString::number(total) + " total");
    EXPECT_TRUE(exists(main->CurrentConcept));
}

TEST_F(RenameDeleteTest, DeletingARelationTakesItsInverse)
{
    main->GoToConcept("PART-OF");
    deleteCurrent(true);
    EXPECT_FALSE(exists("PART-OF"));
    EXPECT_FALSE(exists("HAS-PART"));
    EXPECT_EQ(editor->syncs, (std::vector<TermbaseSync>{{"PART-OF", "PART-OF", 2}, {"HAS-PART", "PART-OF", 2}}));
    EXPECT_EQ(main->TotalCount, count("SELECT COUNT(*) FROM CONCEPTS"));
}

TEST_F(RenameDeleteTest, DeclinedOrImpossibleDeletesDeleteNothing)
{
    const QList<int> before = tableCounts();
    main->GoToConcept("WHEEL");
    boxes.expect("Are you sure", ui::Answer::No);
    main->mnuConceptDelete_Click();
    main->GoToConcept("PART-OF");
    boxes.expect("Are you sure", ui::Answer::Yes).expect("This concept is a relation.", ui::Answer::No);
    main->mnuConceptDelete_Click();
    main->CurrentConcept.clear();
    boxes.expect("You must select a concept in the list");
    main->mnuConceptDelete_Click();
    EXPECT_EQ(tableCounts(), before);
    EXPECT_EQ(boxes.asked().at(boxes.asked().size() - 4).title, "Confirm Deletion");

    main->mnuFileClose_Click();
    boxes.expect("No ontology is currently in use");
    main->mnuConceptDelete_Click();
}

TEST_F(RenameDeleteTest, AFailingDeleteLeavesTheFileAsItWas)
{
    OntologyDB.execute("CREATE TRIGGER fail BEFORE DELETE ON Names BEGIN SELECT RAISE(ABORT, 'locked'); END");
    addConcept("TYRE", "WHEEL");
    rebuild();
    const QList<int> before = tableCounts();
    main->GoToConcept("WHEEL");
    boxes.expect("Are you sure", ui::Answer::Yes).expect("locked");
    main->mnuConceptDelete_Click();
    EXPECT_EQ(tableCounts(), before);
    EXPECT_TRUE(exists("TYRE"));
    EXPECT_EQ(main->CurrentConcept, "WHEEL");
    EXPECT_TRUE(editor->syncs.empty());
    EXPECT_EQ(main->mousePointer(), ui::MousePointer::Default);
}

TEST_F(RenameDeleteTest, TheDefinitionChangesOnlyThroughItsEditor)
{
    OntologyInfo.Naming = false;
    main->GoToConcept("WHEEL");
    struct Case {
        const char *typed;
        ui::Answer removeAnswer;  // asked only for an empty text
        const char *stored;
    } cases[] = {
        {"A \"round\" part", ui::Answer::Ok, "A 'round' part"},
        {"", ui::Answer::Yes, "Undefined"},
        {"", ui::Answer::No, "Undefined"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        modals.expect<frmNames>([&c](frmNames &d) {
            EXPECT_EQ(d.caption(), "Edit definition of  - WHEEL");
            EXPECT_FALSE(d.txtConcept->isEnabled());
            d.txtDef->setPlainText(QString::fromLatin1(c.typed));
            d.cmdOK->click();
            if (c.removeAnswer == ui::Answer::No) {
                EXPECT_TRUE(d.isShown());
                d.cmdCancel->click();
            }
        });
        if (QString::fromLatin1(c.typed).isEmpty())
            boxes.expect("Do you want to remove this definition?", c.removeAnswer);
        showPane(main->txtDef);
        QTest::mouseDClick(main->txtDef->viewport(), Qt::LeftButton, {}, main->txtDef->viewport()->rect().center());
        EXPECT_EQ(ConceptDefinition("WHEEL"), c.stored);
        EXPECT_EQ(main->txtDef->toPlainText(), c.stored);
    }
}

class NamesTest : public RenameDeleteTest {
protected:
    void addName(const QString &name, const QString &lang = {})
    {
        modals.expect<frmNames>([name, lang](frmNames &d) {
            EXPECT_FALSE(d.txtConcept->isEnabled());
            if (!lang.isEmpty()) {
                ASSERT_TRUE(d.selectLanguage(lang));
            }
            d.txtName->setText(name);
            d.cmdOK->click();
        });
        main->mnuNameAdd_Click();
    }
    QStringList shown() const
    {
        QStringList out;
        for (int i = 0; i < main->lvwNames->topLevelItemCount(); ++i)
            out << main->lvwNames->topLevelItem(i)->text(0) + ":" + main->lvwNames->topLevelItem(i)->text(1);
        return out;
    }
};

TEST_F(NamesTest, NamesAreListedByLanguageInTheOrderAdded)
{
    main->GoToConcept("CAR");
    addName("coche", "es");
    addName("car", "en");
    addName("automobile", "en");
    EXPECT_EQ(shown(), (QStringList{"English:car", "English:automobile", "Spanish:coche"}));
    main->show();
    clickHeader(*main->lvwNames->header(), 1);  // by Name
    EXPECT_EQ(shown(), (QStringList{"English:automobile", "English:car", "Spanish:coche"}));

    // The order chosen holds when the list is filled again.
    addName("bagnole", "fr");
    EXPECT_EQ(shown(), (QStringList{"English:automobile", "French:bagnole", "English:car", "Spanish:coche"}));
    main->GoToConcept("TRUCK");
    main->GoToConcept("CAR");
    EXPECT_EQ(shown(), (QStringList{"English:automobile", "French:bagnole", "English:car", "Spanish:coche"}));
}

TEST_F(NamesTest, TheLanguageCheckedIsTheLanguageStored)
{
    struct Case {
        const char *defLang;
        const char *stored;
    } cases[] = {{"es", "es"}, {"en", "en"}, {"fr", "en"}};  // fr is no working language
    main->GoToConcept("CAR");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.defLang);
        OntologyDB.execute("DELETE FROM Names");
        OntologyInfo.DefLang = QString::fromLatin1(c.defLang);
        addName("x");
        const auto names = NamesOf("CAR");
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names.front().lang, c.stored);
    }
}

TEST_F(NamesTest, EditingKeepsTheRowAndCanMoveItToAnotherLanguage)
{
    main->GoToConcept("CAR");
    OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('CAR', 'de', 'Wagen')");  // not a working language
    addName("car", "en");
    main->FillNamesList();
    ASSERT_EQ(shown(), (QStringList{"German:Wagen", "English:car"}));
    const qint64 german = NamesOf("CAR").front().id;

    // A name in a language not listed keeps its language.
    main->lvwNames->setCurrentItem(main->lvwNames->topLevelItem(0));
    modals.expect<frmNames>([](frmNames &d) {
        EXPECT_EQ(d.selectedLanguage(), "de");
        d.txtName->setText("Auto");
        d.cmdOK->click();
    });
    main->mnuNameEdit_Click();
    EXPECT_EQ(shown(), (QStringList{"German:Auto", "English:car"}));

    main->lvwNames->setCurrentItem(main->lvwNames->topLevelItem(0));
    modals.expect<frmNames>([](frmNames &d) {
        ASSERT_TRUE(d.selectLanguage("es"));
        d.cmdOK->click();
    });
    main->mnuNameEdit_Click();
    EXPECT_EQ(shown(), (QStringList{"English:car", "Spanish:Auto"}));
    EXPECT_EQ(NamesOf("CAR").back().id, german);
}

TEST_F(NamesTest, TheLanguagesSortOnAHeaderClickAndKeepTheOneChosen)
{
    // Every language offered: their names and their codes are not in the same order.
    OntologyDB.execute("UPDATE Languages SET Show = 1");
    main->GoToConcept("CAR");
    modals.expect<frmNames>([](frmNames &d) {
        ASSERT_TRUE(d.selectLanguage("es"));
        for (int column : {1, 0}) {
            SCOPED_TRACE(column);
            clickHeader(*d.lvwLangs->header(), column);
            QStringList texts;
            for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i)
                texts << d.lvwLangs->topLevelItem(i)->text(column);
            QStringList sorted = texts;
            std::sort(sorted.begin(), sorted.end(),
                      [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
            EXPECT_EQ(texts, sorted);
            EXPECT_EQ(d.selectedLanguage(), "es");
            EXPECT_TRUE(d.lvwLangs->viewport()->rect().contains(d.lvwLangs->visualItemRect(d.lvwLangs->currentItem())));
        }
        d.txtName->setText("coche");
        d.cmdOK->click();
    });
    main->mnuNameAdd_Click();
    EXPECT_TRUE(shown().contains("Spanish:coche"));
}

TEST_F(NamesTest, DeletingTheLastNameLeavesOnlyAdd)
{
    main->GoToConcept("WHEEL");
    ASSERT_EQ(shown(), QStringList{"English:wheel"});
    main->mnuNameDelete_Click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM Names WHERE Concept = 'WHEEL'"), 0);
    menus.chooseNothing();
    showPane(main->lvwNames);
    rightClickBelowRows(main->lvwNames);
    const PoppedMenu &popped = menus.shown().back();
    EXPECT_TRUE(popped.item("Add Name")->enabled);
    EXPECT_FALSE(popped.item("Edit Selected Name")->enabled);
    EXPECT_FALSE(popped.item("Deleted Selected Name")->enabled);
}

TEST_F(NamesTest, AnEmptyOrCancelledNameAddsNothing)
{
    main->GoToConcept("CAR");
    boxes.expect("Concept name cannot be the empty string!");
    modals.expect<frmNames>([](frmNames &d) {
        d.cmdOK->click();
        EXPECT_TRUE(d.isShown());
        d.txtName->setText("kept out");
        d.cmdCancel->click();
    });
    main->mnuNameAdd_Click();
    modals.expect<frmNames>([](frmNames &d) {
        d.txtName->setText("closed");
        d.closeByFrame();
    });
    main->mnuNameAdd_Click();
    EXPECT_TRUE(NamesOf("CAR").empty());
}
