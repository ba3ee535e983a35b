#include "publish/ConceptSelectionList.h"
#include "publish/ConceptSelectionPanel.h"
#include "support/MainWindowFixture.h"
#include "support/HeaderClicks.h"
#include "support/StoredNames.h"
#include "support/UserKeys.h"
#include "tools/frmBatchNaming.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

using ui::Answer;

class BatchNamingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        newOntology("Things", "things.ont");
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('PHYSICAL-OBJECT', 1, 1), "
                           "('MENTAL-OBJECT', 1, 1)");
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('PHYSICAL-OBJECT', 'OBJECT'), "
                           "('MENTAL-OBJECT', 'OBJECT')");
        main->InitRSListConcepts();
    }

    // Tools > Batch Naming with the user doing what script does in the dialog.
    void batchNaming(const std::function<void(frmBatchNaming &)> &script)
    {
        modals.expect<frmBatchNaming>([&](frmBatchNaming &d) {
            script(d);
            d.cmdCancel->click();
        });
        main->mnuToolsBatchNaming->trigger();
        EXPECT_FALSE(modals.pending());
        EXPECT_FALSE(boxes.pending()) << boxes.prompts().join(" | ").toStdString();
    }


    // The names pane of the main window: "language name" per row.
    QStringList pane() const
    {
        QStringList out;
        for (int i = 0; i < main->lvwNames->topLevelItemCount(); ++i)
            out << main->lvwNames->topLevelItem(i)->text(0) + " " + main->lvwNames->topLevelItem(i)->text(1);
        return out;
    }
};

int rowOf(const ConceptSelectionList &list, const QString &text)
{
    for (int row = 0; row < list.count(); ++row)
        if (list.text(row) == text)
            return row;
    ADD_FAILURE() << "not listed: " << text.toStdString();
    return -1;
}

// Clicks on the rows as a user would: the first alone, the others with Ctrl held.
void pick(frmBatchNaming &d, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        d.lstConcepts->clickRow(rowOf(*d.lstConcepts, texts.at(i)), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
}

QTreeWidgetItem *language(frmBatchNaming &d, const QString &id)
{
    for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i)
        if (d.lvwLangs->topLevelItem(i)->text(1) == id)
            return d.lvwLangs->topLevelItem(i);
    ADD_FAILURE() << "no language " << id.toStdString();
    return nullptr;
}

// A click on the language's name, as a user picks it.
void checkLanguage(frmBatchNaming &d, const QString &id)
{
    QTreeWidgetItem *item = language(d, id);
    d.lvwLangs->scrollToItem(item);
    QTest::mouseClick(d.lvwLangs->viewport(), Qt::LeftButton, {}, d.lvwLangs->visualItemRect(item).center());
}

QStringList languageColumn(const frmBatchNaming &d, int column)
{
    QStringList out;
    for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i)
        out << d.lvwLangs->topLevelItem(i)->text(column);
    return out;
}

QStringList checkedLanguages(const frmBatchNaming &d)
{
    QStringList out;
    for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i)
        if (d.lvwLangs->topLevelItem(i)->checkState(0) == Qt::Checked)
            out << d.lvwLangs->topLevelItem(i)->text(1);
    return out;
}

}  // namespace

TEST_F(BatchNamingTest, NamesComeAsIdentifiersOrLabelsAndGoLanguageByLanguage)
{
    main->txtCptSearch->setText("PHYSICAL-OBJECT");
    ASSERT_EQ(main->CurrentConcept, "PHYSICAL-OBJECT");
    batchNaming([&](frmBatchNaming &d) {
        EXPECT_EQ(d.caption(), "Batch Naming");
        EXPECT_EQ(checkedLanguages(d), QStringList{"en"}) << "the default language is chosen until the user picks another";
        ASSERT_TRUE(d.lvwLangs->currentItem());
        EXPECT_EQ(d.lvwLangs->currentItem()->text(1), "en");
        EXPECT_TRUE(d.optConvert->isChecked());
        EXPECT_TRUE(d.optAdd->isChecked());
        EXPECT_FALSE(d.ProgressBar1->isVisible());

        struct Step {
            const char *what;
            QString lang;
            QRadioButton *form;
            QRadioButton *action;
            QStringList physical;  // the names of PHYSICAL-OBJECT afterwards
            QStringList shown;     // what the main window's names pane shows
        } steps[] = {
            {"the identifier as it stands", "en", d.optAsIs, d.optAdd, {"en:PHYSICAL-OBJECT"},
             {"English PHYSICAL-OBJECT"}},
            {"its readable label", "en", d.optConvert, d.optAdd, {"en:PHYSICAL-OBJECT", "en:physical object"},
             {"English PHYSICAL-OBJECT", "English physical object"}},
            {"another language", "es", d.optConvert, d.optAdd,
             {"en:PHYSICAL-OBJECT", "en:physical object", "es:physical object"},
             {"English PHYSICAL-OBJECT", "English physical object", "Spanish physical object"}},
            {"removing one language only", "en", d.optConvert, d.optRemove, {"es:physical object"},
             {"Spanish physical object"}},
        };
        for (const Step &s : steps) {
            SCOPED_TRACE(s.what);
            checkLanguage(d, s.lang);
            EXPECT_EQ(checkedLanguages(d), QStringList{s.lang}) << "one language at a time";
            s.form->click();
            s.action->click();
            pick(d, {"PHYSICAL-OBJECT", "MENTAL-OBJECT"});
            EXPECT_EQ(d.StatusBar1->panelText(2), "2 Concepts selected");
            d.cmdOK->click();
            EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), s.physical);
            EXPECT_EQ(pane(), s.shown);
            EXPECT_EQ(d.lstConcepts->selCount(), 0) << "each concept done is deselected";
            EXPECT_FALSE(d.ProgressBar1->isVisible());
            EXPECT_EQ(d.ProgressBar1->maximum(), 2);
        }
        EXPECT_EQ(StoredNames("MENTAL-OBJECT"), QStringList{"es:mental object"});

        // Unchecking the checked language checks it again.
        language(d, "en")->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(checkedLanguages(d), QStringList{"en"});
        EXPECT_TRUE(d.cmdOK->isEnabled());

        boxes.expect("No concepts have been selected!");
        d.cmdOK->click();
        EXPECT_EQ(boxes.asked().back().title, "Error");
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);
    });
}

TEST_F(BatchNamingTest, TheSelectionPanelDiffersFromTheReportsDialogWhereBatchNamingNeedsIt)
{
    const int all = OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toInt();
    batchNaming([&](frmBatchNaming &d) {
        EXPECT_EQ(d.lstConcepts->count(), all);
        EXPECT_EQ(d.StatusBar1->panelText(2), "0 Concepts selected");
        EXPECT_EQ(d.Panel->optAll->text(), "All");
        d.Panel->optAll->click();
        d.Panel->cmdSelect->click();
        EXPECT_EQ(d.lstConcepts->selCount(), all);

        // The root may start a subhierarchy: every concept is selected.
        d.Panel->optHier->click();
        d.lstConcepts->clickRow(rowOf(*d.lstConcepts, "ALL"), Qt::NoModifier);
        d.Panel->cmdSelect->click();
        EXPECT_EQ(d.lstConcepts->selCount(), all);
        EXPECT_EQ(d.StatusBar1->panelText(2), QString::number(all) + " Concepts selected");

        // Expressions are typed as they are, wildcards and all, whatever the naming rules.
        ASSERT_TRUE(OntologyInfo.Naming);
        d.Panel->optRegExp->click();
        keys::focusBox(d.Panel->txtRegExp);
        keys::type("*-object");
        EXPECT_EQ(d.Panel->txtRegExp->text(), "*-object");
        d.Panel->txtRegExp->setText("*-OBJECT");
        d.Panel->cmdSelect->click();
        EXPECT_EQ(d.lstConcepts->selCount(), 2);

        // Refresh List reads the concepts again, alphabetically.
        OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('AARDVARK', 1, 1)");
        d.Panel->optAsEntered->click();
        d.Panel->cmdRefresh->click();
        EXPECT_TRUE(d.Panel->optAlpha->isChecked());
        EXPECT_EQ(d.lstConcepts->count(), all + 1);
        EXPECT_EQ(d.lstConcepts->text(0), "AARDVARK");
    });
}

TEST_F(BatchNamingTest, AnOntologyWithoutConceptsIsSaidToBeEmpty)
{
    OntologyDB.execute("PRAGMA foreign_keys = OFF");
    OntologyDB.execute("DELETE FROM CONCEPTS");
    OntologyDB.execute("PRAGMA foreign_keys = ON");
    boxes.expect("The list of concepts is empty!");
    batchNaming([&](frmBatchNaming &d) {
        EXPECT_EQ(d.lstConcepts->count(), 0);
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Critical);
    });
}


TEST_F(BatchNamingTest, TheHighlightedDefaultLanguageIsTheActionsAtOnceInAListWithRoom)
{
    batchNaming([&](frmBatchNaming &d) {
        EXPECT_EQ(checkedLanguages(d), QStringList{"en"}) << "highlighted and checked alike";
        ASSERT_TRUE(d.lvwLangs->currentItem());
        EXPECT_TRUE(d.lvwLangs->currentItem()->isSelected());
        EXPECT_EQ(d.lvwLangs->currentItem()->text(1), "en");
        EXPECT_TRUE(d.cmdOK->isEnabled());
        pick(d, {"PHYSICAL-OBJECT"});
        d.cmdOK->click();
        EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), QStringList{"en:physical object"});

        // As tall as the concept list less the naming and action options: a dozen rows at
        // least, where it once showed three.
        const int row = d.lvwLangs->visualItemRect(d.lvwLangs->topLevelItem(0)).height();
        EXPECT_GE(d.lvwLangs->viewport()->height(), 12 * row) << "rows of " << row << " pixels";
    });
}

TEST_F(BatchNamingTest, AClickOnAHeaderSortsTheLanguagesAndKeepsTheChosenOneInView)
{
    batchNaming([&](frmBatchNaming &d) {
        checkLanguage(d, "es");
        for (int column : {1, 0}) {
            SCOPED_TRACE(column);
            clickHeader(*d.lvwLangs->header(), column);
            QStringList sorted = languageColumn(d, column);
            std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
                return QString::localeAwareCompare(a, b) < 0;
            });
            EXPECT_EQ(languageColumn(d, column), sorted);
            ASSERT_TRUE(d.lvwLangs->currentItem());
            EXPECT_EQ(d.lvwLangs->currentItem()->text(1), "es");
            EXPECT_TRUE(d.lvwLangs->viewport()->rect().contains(d.lvwLangs->visualItemRect(d.lvwLangs->currentItem())));
        }
        EXPECT_EQ(checkedLanguages(d), QStringList{"es"});
    });
}

// Whatever moves the highlight, the language highlighted is the one checked, alone, and the
// one the action writes in or removes from.
TEST_F(BatchNamingTest, TheLanguageTheHighlightMovesToIsCheckedAndActedOn)
{
    batchNaming([&](frmBatchNaming &d) {
        QTreeWidgetItem *spanish = language(d, "es");
        const int at = d.lvwLangs->indexOfTopLevelItem(spanish);
        ASSERT_GT(at, 0);
        ASSERT_LT(at + 1, d.lvwLangs->topLevelItemCount());
        const QString before = d.lvwLangs->topLevelItem(at - 1)->text(1);
        const QString after = d.lvwLangs->topLevelItem(at + 1)->text(1);
        struct Case {
            const char *what;
            Qt::Key key;  // pressed after the click on Spanish; 0: none
            QString chosen;
        } cases[] = {
            {"a click", Qt::Key(0), "es"},
            {"Down after the click", Qt::Key_Down, after},
            {"Up after the click", Qt::Key_Up, before},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(c.what);
            OntologyDB.execute("DELETE FROM Names");
            for (const QString &lang : {before, QStringLiteral("es"), after})
                OntologyDB.execute("INSERT INTO Names (Concept, Lang_ID, Name) VALUES ('PHYSICAL-OBJECT', ?, 'n')", {lang});
            keys::focusBox(d.lvwLangs);
            checkLanguage(d, "es");
            ASSERT_EQ(keys::focus(), d.lvwLangs);
            if (c.key)
                keys::press(c.key);
            ASSERT_TRUE(d.lvwLangs->currentItem());
            EXPECT_EQ(d.lvwLangs->currentItem()->text(1), c.chosen);
            EXPECT_EQ(checkedLanguages(d), QStringList{c.chosen}) << "the highlighted language is the checked one";

            d.optRemove->click();
            pick(d, {"PHYSICAL-OBJECT"});
            d.cmdOK->click();
            QStringList kept;
            for (const QString &lang : {before, QStringLiteral("es"), after})
                if (lang != c.chosen)
                    kept << lang + ":n";
            kept.sort();
            EXPECT_EQ(StoredNames("PHYSICAL-OBJECT"), kept) << "names go from the checked language only";

            d.optAdd->click();
            d.optAsIs->click();
            pick(d, {"MENTAL-OBJECT"});
            d.cmdOK->click();
            EXPECT_EQ(StoredNames("MENTAL-OBJECT"), QStringList{c.chosen + ":MENTAL-OBJECT"});
            OntologyDB.execute("DELETE FROM Names WHERE Concept = 'MENTAL-OBJECT'");
        }
    });
}
