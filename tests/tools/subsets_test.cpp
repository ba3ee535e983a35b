#include "tbeditor/TBEditorFixture.h"
#include "termbase/LinkedFiles.h"
#include "editor/frmNewConcept.h"
#include "ontology/Lookups.h"
#include "ontology/Subsets.h"
#include "support/HeaderClicks.h"
#include "tools/frmOntoOptions.h"
#include "tools/frmImport.h"
#include "tools/frmTransfer.h"
#include "ui/CheckList.h"
#include "ui/DataList.h"
#include "ui/MousePointer.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

using ui::Answer;

class SubsetsTest : public TBEditorTest {
protected:
    // The Options command with the user doing what script does in the dialog, then OK.
    void options(const std::function<void(frmOntoOptions &)> &script)
    {
        modals.expect<frmOntoOptions>([&](frmOntoOptions &d) {
            script(d);
            d.cmdOK->click();
        });
        main->mnuToolsOptions->trigger();
        EXPECT_FALSE(modals.pending());
        EXPECT_FALSE(boxes.pending()) << boxes.prompts().join(" | ").toStdString();
    }

    void subset(int id, const QString &name)
    {
        OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (?, ?)", {id, name});
    }
    void add(const QString &id, int subset)
    {
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, ?)", {id, subset});
    }
    int subsetOf(const QString &id) const
    {
        return OntologyDB.scalar("SELECT Subset_ID FROM CONCEPTS WHERE Concept = ?", {id}).toInt();
    }
    bool listed(const QString &identifier) const
    {
        return main->dblConcepts->findFirst([&](const QString &text) { return text == identifier; });
    }
    // Concept > Add and Concept > Delete, as the user runs them from the main window.
    void addUnderObject(const QString &id)
    {
        main->mnuConceptAdd->trigger();
        const auto adding = ui::forms().first<frmNewConcept>();
        ASSERT_TRUE(adding);
        ASSERT_TRUE(adding->dblParents->findFirst([](const QString &t) { return t == "OBJECT"; }));
        adding->txtConcept->setText(id);
        adding->cmdAdd->click();
        adding->cmdClose->click();
    }
    void deleteConcept(const QString &id)
    {
        main->txtCptSearch->setText(id);
        ASSERT_EQ(main->CurrentConcept, id);
        boxes.expect("Are you sure you want to delete this concept?", Answer::Yes);
        main->mnuConceptDelete->trigger();
    }
};

// The subset list as shown: "name count" per row.
QStringList rows(const frmOntoOptions &d)
{
    QStringList out;
    for (int i = 0; i < d.ListView1->topLevelItemCount(); ++i)
        out << d.ListView1->topLevelItem(i)->text(0) + " " + d.ListView1->topLevelItem(i)->text(1);
    return out;
}

void choose(frmOntoOptions &d, const QString &name)
{
    const auto found = d.ListView1->findItems(name, Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    d.ListView1->setCurrentItem(found.first());
}

void check(ui::CheckList &list, const QString &text)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.text(row) == text)
            return list.setChecked(row, true);
    ADD_FAILURE() << "not listed: " << text.toStdString();
}

QStringList items(const QComboBox &combo)
{
    QStringList out;
    for (int i = 0; i < combo.count(); ++i)
        out << combo.itemText(i);
    return out;
}

}  // namespace

TEST_F(SubsetsTest, AddTakesTheSmallestFreeNumberAndRefusesWhatCannotBeStored)
{
    subset(2, "Two");
    subset(4, "Four");
    const QString longest(65, 'L');
    struct Case {
        const char *what;
        QString typed;
        QString refusal;  // part of the message, "" when the subset is added
        int id;           // the number it gets
    } cases[] = {
        {"into the gap of 1, 2, 4", "Three", "", 3},
        {"after the gap is filled", "Five", "", 5},
        {"nothing typed", "", "Enter a name for the new subset in the box. Then press 'Add'", 0},
        {"only blanks", "   ", "Enter a name for the new subset in the box. Then press 'Add'", 0},
        {"65 characters", longest, "", 6},
        {"66 characters", QString(66, 'M'), "Subset name too long. Max: 65 chars.", 0},
        {"a name there in other letter case", "tWO", "Subset exists already!", 0},
        {"blanks around a name there", " Three ", "Subset exists already!", 0},
    };
    options([&](frmOntoOptions &d) {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.what);
            const qint64 before = OntologyDB.scalar("SELECT count(*) FROM Subsets").toLongLong();
            if (!c.refusal.isEmpty())
                boxes.expect(c.refusal);
            d.txtNewSubset->setText(c.typed);
            d.cmdAdd->click();
            EXPECT_EQ(d.txtNewSubset->text(), c.typed) << "the box keeps its text";
            if (c.refusal.isEmpty()) {
                EXPECT_EQ(GetSubsetName(c.id), c.typed);
                EXPECT_TRUE(rows(d).contains(c.typed + " 0")) << "the list shows it at once";
            } else {
                EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM Subsets").toLongLong(), before);
            }
        }
        EXPECT_EQ(boxes.asked().back().title, "Error");
    });

    // Up to 127 subsets; the 128th is refused.
    for (int id = 7; id <= 127; ++id)
        subset(id, QString("S%1").arg(id));
    options([&](frmOntoOptions &d) {
        boxes.expect("You can't define more than 127 subsets for one ontology!\r\nConsider merging");
        d.txtNewSubset->setText("One too many");
        d.cmdAdd->click();
        EXPECT_EQ(boxes.asked().back().title, "Limit reached");
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
    });
    EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM Subsets").toInt(), 127);
}

TEST_F(SubsetsTest, TheListCountsConceptsAndSortsByTheColumnClicked)
{
    subset(2, "Animals");
    subset(3, "Birds");
    for (int i = 0; i < 10; ++i)
        add(QString("BIRD-%1").arg(i), 3);
    add("ANT", 2);
    options([&](frmOntoOptions &d) {
        const QString general = "General " + QString::number(OntologyDB.scalar(
                                                 "SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1").toInt());
        EXPECT_EQ(rows(d), (QStringList{general, "Animals 1", "Birds 10"}));
        EXPECT_EQ(d.lblActiveSubset->text(), "General");
        clickHeader(*d.ListView1->header(), 0);
        EXPECT_EQ(rows(d), (QStringList{"Animals 1", "Birds 10", general}));
        clickHeader(*d.ListView1->header(), 1);
        EXPECT_EQ(rows(d).first(), "Animals 1");
        EXPECT_EQ(rows(d).at(1), "Birds 10") << "counts sort as text: \"10\" before \"2\"";
    });
}

TEST_F(SubsetsTest, TheNameTakesThreeQuartersOfTheListAsShown)
{
    subset(2, "A subset whose name is long enough to be cut off");
    options([&](frmOntoOptions &d) {
        ASSERT_TRUE(d.ListView1->isVisible());
        const int width = d.ListView1->viewport()->width();
        EXPECT_EQ(d.ListView1->columnWidth(0), width * 3 / 4) << "of " << width;
        EXPECT_GE(d.ListView1->columnWidth(1), width / 4 - ui::twipsToPixels(80));
    });
}

TEST_F(SubsetsTest, ActivatingASubsetDecidesWhatTheConceptListShows)
{
    subset(2, "Wild");
    add("ZEBRA", 2);
    options([&](frmOntoOptions &d) {
        boxes.expect("Select a concept from the list below first.");
        d.cmdActivate->click();
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
        choose(d, "Wild");
        d.cmdActivate->click();
        EXPECT_EQ(d.lblActiveSubset->text(), "Wild");
        d.optMy->click();
    });
    EXPECT_EQ(OntologyInfo.ActiveSet, 2);
    EXPECT_TRUE(listed("ZEBRA"));
    EXPECT_FALSE(listed("DOG"));

    options([&](frmOntoOptions &d) {
        EXPECT_EQ(d.lblActiveSubset->text(), "Wild") << "the next opening shows the active subset";
        choose(d, "General");
        d.cmdActivate->click();
    });
    EXPECT_EQ(OntologyInfo.ActiveSet, 1);
    EXPECT_TRUE(listed("DOG"));
    EXPECT_FALSE(listed("ZEBRA"));
}

TEST_F(SubsetsTest, RemovingASubsetTakesItsConceptsOutOfTheOntologyAndEveryLinkedTermbase)
{
    const QString closed = closedTermbase("Closed", "closed.lxb");
    newTermbase("Open", "open.lxb");  // open in the editor while the subset goes
    const QString open = TermbasePath;
    subset(2, "Pets");
    subset(3, "Farm");
    OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2 WHERE Concept IN ('DOG', 'CAT')");
    // Kept by the other subset, but with its only parent in Pets.
    add("PUPPY", 1);
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('PUPPY', 'DOG')");
    ASSERT_TRUE(conceptsOf(closed).contains("DOG"));
    main->mnuConceptAdd_Click();  // open beside the main window, offering parents
    const auto adding = ui::forms().first<frmNewConcept>();
    ASSERT_TRUE(adding);

    options([&](frmOntoOptions &d) {
        choose(d, "Pets");
        d.cmdActivate->click();
        boxes.expect("Are you sure you want to remove subset \r\nPets?\r\nAll concepts assigned to this subset "
                     "will also be removed!\r\n1 concept of another subset will lose its last parent and no longer "
                     "show in any tree.",
                     Answer::No);
        d.cmdRemove->click();
        EXPECT_EQ(boxes.asked().back().buttons, ui::Buttons::YesNo);
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
        EXPECT_EQ(subsetOf("DOG"), 2) << "No removes nothing";
        EXPECT_EQ(editor->lblOntoComm.caption(), "");

        choose(d, "Pets");
        boxes.expect("Are you sure you want to remove subset", Answer::Yes);
        d.cmdRemove->click();
        EXPECT_FALSE(ConceptExists("DOG"));
        EXPECT_FALSE(ConceptExists("CAT"));
        EXPECT_EQ(rows(d).size(), 2);
        EXPECT_FALSE(rows(d).join(",").contains("Pets"));
        EXPECT_EQ(d.lblActiveSubset->text(), "General") << "the first subset listed is active now";
        EXPECT_EQ(d.ListView1->currentItem()->text(0), "General");
    });
    EXPECT_EQ(OntologyInfo.ActiveSet, 1);
    for (const QString &path : {closed, open}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(conceptsOf(path).contains("DOG"));
        EXPECT_FALSE(conceptsOf(path).contains("CAT"));
        EXPECT_TRUE(conceptsOf(path).contains("OBJECT")) << "concepts of other subsets stay";
    }
    EXPECT_TRUE(editor->lblOntoComm.caption().startsWith("2")) << "the open editor is told";
    EXPECT_FALSE(editor->dbcConcepts->findFirst([](const QString &t) { return t == "DOG"; }));
    EXPECT_FALSE(listed("DOG")) << "the main window lists what is left";
    EXPECT_EQ(adding->lblRefresh.caption(), "Delete") << "the add-concept dialog reloads its parents";

    // An empty subset goes without a word to the termbases.
    editor->lblOntoComm.setCaption("");
    options([&](frmOntoOptions &d) {
        choose(d, "Farm");
        boxes.expect("Are you sure you want to remove subset", Answer::Yes);
        d.cmdRemove->click();
        EXPECT_TRUE(boxes.asked().back().prompt.endsWith("will also be removed!")) << "no concept loses a parent";
    });
    EXPECT_FALSE(SubsetExists(3));
    EXPECT_EQ(editor->lblOntoComm.caption(), "");
}

TEST_F(SubsetsTest, TheRootsSubsetTheLastSubsetAndNoChoiceAreRefused)
{
    struct Case {
        const char *what;
        std::function<void()> arrange;
        QString chosen;  // "" chooses nothing
        QString refusal;
        ui::Icon icon;
    } cases[] = {
        {"nothing chosen", [] {}, "", "Select a concept from the list below first.", ui::Icon::Exclamation},
        {"the only subset", [] {}, "General", "General is the only subset of this ontology. It cannot be removed.",
         ui::Icon::Exclamation},
        {"the subset of the root", [this] { subset(2, "Other"); }, "General",
         "Subset General holds the root concept ALL. It cannot be removed.", ui::Icon::Exclamation},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange();
        const qint64 concepts = OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toLongLong();
        options([&](frmOntoOptions &d) {
            if (!c.chosen.isEmpty())
                choose(d, c.chosen);
            boxes.expect(c.refusal);
            d.cmdRemove->click();
            EXPECT_EQ(boxes.asked().back().icon, c.icon);
        });
        EXPECT_TRUE(SubsetExists(1));
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toLongLong(), concepts);
    }
}

TEST_F(SubsetsTest, TransferMovesTheCheckedConceptsAndOffersSubsetsAddedSince)
{
    subset(2, "Pets");
    add("COW", 1);
    const int general = OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1").toInt();
    options([&](frmOntoOptions &d) {
        modals.expect<frmTransfer>([&](frmTransfer &t) {
            EXPECT_EQ(t.caption(), "Subset Transfer");
            EXPECT_EQ(items(*t.cbxFrom), (QStringList{"General", "Pets"}));
            EXPECT_EQ(t.cbxFrom->currentText(), "General");
            EXPECT_EQ(t.cbxTo->currentText(), "General");
            EXPECT_EQ(t.ListView1->headerText(), QString::number(general) + " Concepts in General subset");

            boxes.expect("Source subset can't be the same as target subset.");
            t.cmdTranfer->click();
            EXPECT_EQ(boxes.asked().back().title, "Error");

            t.cbxTo->setCurrentIndex(1);
            t.cmdAll->click();
            t.cmdClear->click();
            EXPECT_TRUE(t.ListView1->checkedTexts().isEmpty());
            check(*t.ListView1, "DOG");
            check(*t.ListView1, "CAT");
            boxes.expect("Are you sure you want to transfer all selected concepts\r\nfrom General\r\nto Pets",
                         Answer::No);
            t.cmdTranfer->click();
            EXPECT_EQ(boxes.asked().back().title, "Confirm transfer");
            EXPECT_EQ(subsetOf("DOG"), 1);

            boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("2 Concepts transferred.");
            t.cmdTranfer->click();
            EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
            EXPECT_EQ(t.ListView1->headerText(), QString::number(general - 2) + " Concepts in General subset");
            EXPECT_TRUE(t.ListView1->checkedTexts().isEmpty());

            // Nothing checked moves nothing, and says so.
            boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("0 Concepts transferred.");
            t.cmdTranfer->click();
            check(*t.ListView1, "COW");
            t.cmdCancel->click();
        });
        d.cmdTransfer->click();
        EXPECT_EQ(rows(d).at(1), "Pets 2") << "the counts are current after Close";

        d.txtNewSubset->setText("Wild");
        d.cmdAdd->click();
        modals.expect<frmTransfer>([&](frmTransfer &t) {
            EXPECT_EQ(items(*t.cbxTo), (QStringList{"General", "Pets", "Wild"}));
            EXPECT_EQ(t.cbxTo->currentText(), "Pets") << "the choices of the last time stay";
            EXPECT_EQ(t.cbxFrom->currentText(), "General");
            EXPECT_EQ(t.ListView1->checkedTexts(), QStringList{"COW"}) << "and so do the checks";
            EXPECT_EQ(t.ListView1->headerText(), QString::number(general - 2) + " Concepts in General subset");
            t.cbxFrom->setCurrentIndex(1);
            EXPECT_EQ(t.ListView1->headerText(), "2 Concepts in Pets subset");
            t.cbxTo->setCurrentIndex(2);
            check(*t.ListView1, "CAT");
            boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("1 Concepts transferred.");
            t.cmdTranfer->click();

            // A name typed that no subset has is refused before anything is asked.
            t.cbxTo->setEditText("Nowhere");
            check(*t.ListView1, "DOG");
            boxes.expect("There is no subset named \"Nowhere\"");
            t.cmdTranfer->click();
            EXPECT_EQ(subsetOf("DOG"), 2);
            t.cbxFrom->setEditText("Nothing");
            EXPECT_EQ(t.ListView1->headerText(), "0 Concepts in Nothing subset");
            t.cmdCancel->click();
        });
        d.cmdTransfer->click();
    });
    EXPECT_EQ(subsetOf("CAT"), GetSubsetID("Wild"));
    EXPECT_EQ(subsetOf("DOG"), 2);
    EXPECT_EQ(subsetOf("COW"), 1);
}

// Moving or removing many concepts takes a while: the windows keep painting meanwhile,
// under the hourglass, and the command is done whole.
TEST_F(SubsetsTest, TheLongSubsetCommandsKeepTheWindowsPainting)
{
    subset(2, "Pets");
    {
        db::Transaction tx(OntologyDB);
        for (int i = 0; i < 30000; ++i)
            add(QStringLiteral("M-%1").arg(i, 5, 10, QLatin1Char('0')), 1);
        tx.commit();
    }
    // A timer fires only when the event loop turns, as the windows paint only then.
    QWidget *busyWindow = nullptr;
    int turnsWhileBusy = 0;
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        if (busyWindow && ui::mousePointer(*busyWindow) == ui::MousePointer::Hourglass)
            ++turnsWhileBusy;
    });
    const auto whileTurning = [&](QWidget *window, QPushButton *command) {
        busyWindow = window;
        turnsWhileBusy = 0;
        turns.start();
        command->click();
        turns.stop();
    };
    options([&](frmOntoOptions &d) {
        modals.expect<frmTransfer>([&](frmTransfer &t) {
            t.cbxTo->setCurrentIndex(1);
            for (int row = 0; row < t.ListView1->rowCount(); ++row)
                t.ListView1->setChecked(row, t.ListView1->text(row).startsWith("M-"));
            boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("30000 Concepts transferred.");
            whileTurning(t.window(), t.cmdTranfer);
            EXPECT_GT(turnsWhileBusy, 0) << "Transfer";
            t.cmdCancel->click();
        });
        d.cmdTransfer->click();
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 2").toInt(), 30000);

        choose(d, "Pets");
        boxes.expect("Are you sure you want to remove subset", Answer::Yes);
        whileTurning(d.window(), d.cmdRemove);
        EXPECT_GT(turnsWhileBusy, 0) << "Remove";
        EXPECT_FALSE(SubsetExists(2));
        EXPECT_EQ(OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Concept LIKE 'M-%'").toInt(), 0);
    });
}

TEST_F(SubsetsTest, TransferShownAgainListsTheSourceAsItStandsKeepingTheChecksOfWhatIsLeft)
{
    subset(2, "Pets");
    add("COW", 1);
    const int general = OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1").toInt();
    const auto transfer = [&](const std::function<void(frmTransfer &)> &script) {
        options([&](frmOntoOptions &d) {
            modals.expect<frmTransfer>(script);
            d.cmdTransfer->click();
        });
    };
    const auto listedRows = [](const frmTransfer &t) {
        QStringList out;
        for (int row = 0; row < t.ListView1->rowCount(); ++row)
            out << t.ListView1->text(row);
        return out;
    };
    transfer([&](frmTransfer &t) {
        for (const char *id : {"CAT", "COW", "DOG"})
            check(*t.ListView1, id);
        t.cmdCancel->click();
    });

    // The main window adds one concept to the subset and deletes another.
    addUnderObject("HORSE");
    ASSERT_EQ(subsetOf("HORSE"), 1);
    deleteConcept("CAT");
    ASSERT_FALSE(ConceptExists("CAT"));

    transfer([&](frmTransfer &t) {
        EXPECT_EQ(t.ListView1->headerText(), QString::number(general) + " Concepts in General subset");
        EXPECT_TRUE(listedRows(t).contains("HORSE"));
        EXPECT_FALSE(listedRows(t).contains("CAT"));
        EXPECT_EQ(t.ListView1->checkedTexts(), (QStringList{"COW", "DOG"})) << "the checks of what is left stay";
        t.cbxTo->setCurrentIndex(1);
        boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("2 Concepts transferred.");
        t.cmdTranfer->click();
        EXPECT_EQ(t.ListView1->headerText(), QString::number(general - 2) + " Concepts in General subset");
        t.cmdCancel->click();
    });
    EXPECT_EQ(subsetOf("DOG"), 2);
    EXPECT_EQ(subsetOf("COW"), 2);
    EXPECT_EQ(subsetOf("HORSE"), 1);
}

// Whatever command changes the number of concepts, the status bar's two figures are those
// of the file and of the list as they now stand.
TEST_F(SubsetsTest, EveryCommandThatChangesTheConceptsCountsThemAgain)
{
    subset(2, "Pets");
    subset(3, "Farm");
    add("PET-A", 2);
    add("PET-B", 2);
    options([&](frmOntoOptions &d) { d.optMy->click(); });  // the list shows the active subset only
    ASSERT_EQ(OntologyInfo.ListTop, 1);
    ASSERT_EQ(OntologyInfo.ActiveSet, 1);

    struct Case {
        const char *command;
        std::function<void()> run;
    } cases[] = {
        {"Add Concept", [&] { addUnderObject("HORSE"); }},
        {"Delete Concept", [&] { deleteConcept("CAT"); }},
        {"removing a subset",
         [&] {
             options([&](frmOntoOptions &d) {
                 choose(d, "Pets");
                 boxes.expect("Are you sure you want to remove subset", Answer::Yes);
                 d.cmdRemove->click();
                 choose(d, "General");
                 d.cmdActivate->click();
             });
         }},
        {"transferring out of the listed subset",
         [&] {
             options([&](frmOntoOptions &d) {
                 modals.expect<frmTransfer>([&](frmTransfer &t) {
                     t.cbxTo->setCurrentIndex(t.cbxTo->findText("Farm"));
                     check(*t.ListView1, "DOG");
                     boxes.expect("Are you sure you want to transfer", Answer::Yes).expect("1 Concepts transferred.");
                     t.cmdTranfer->click();
                     t.cmdCancel->click();
                 });
                 d.cmdTransfer->click();
             });
         }},
        {"Import",
         [&] {
             files.answer(dir.write("more.oxp", "(PUPPY IS-A VALUE OBJECT 1)\r\n(KITTEN IS-A VALUE OBJECT 1)\r\n"));
             modals.expect<frmImport>([](frmImport &d) {
                 d.cmdOpenFile->click();
                 d.cmdCheckFile->click();
                 d.cmdImport->click();
                 d.cmdClose->click();
             });
             main->mnuFileImport->trigger();
         }},
    };
    // What the status bar must show, from the file.
    const auto counts = [] {
        const qint64 listed =
            OntologyDB.scalar("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = ?", {OntologyInfo.ActiveSet}).toLongLong();
        return QStringList{QString::number(listed) + " listed", QString::number(CountAllConcepts()) + " total"};
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        const QStringList before = counts();
        c.run();
        EXPECT_FALSE(modals.pending());
        EXPECT_FALSE(boxes.pending()) << boxes.prompts().join(" | ").toStdString();
        ASSERT_NE(counts(), before) << "the command changed the concepts";
        EXPECT_EQ((QStringList{main->StatusBar1->panelText(3), main->StatusBar1->panelText(4)}), counts());
    }
}
