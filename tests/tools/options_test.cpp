#include "OptionsFixture.h"
#include "support/UserKeys.h"
#include "tools/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using Answer = ui::Answer;

void typeMaximum(frmOntoOptions &d, const QString &text)
{
    keys::focusBox(d.txtNoParents);
    d.txtNoParents->clear();
    keys::type(text);
}

void chooseDefaultLanguage(frmOntoOptions &d, const QString &id)
{
    d.cbxLangs->setCurrentIndex(d.cbxLangs->findData(id));
}

}  // namespace

TEST(OntologyOptions, ANewOntologyShowsItsOptionsAndOkKeepsThem)
{
    OptionsFixture f;
    OntologyDB.execute("UPDATE Languages SET Show = 0 WHERE Lang_ID = 'en'");
    const OntologyInfoRecord before = OntologyInfo;
    f.run([](frmOntoOptions &d) {
        EXPECT_EQ(d.caption(), "Options");
        EXPECT_TRUE(d.optEvery->isChecked());
        EXPECT_FALSE(d.chkAddNames->isChecked());
        EXPECT_FALSE(d.optAsIs->isEnabled());
        EXPECT_FALSE(d.optConvert->isEnabled());
        EXPECT_TRUE(d.chkNameRestrict->isChecked());
        EXPECT_EQ(d.txtNoParents->text(), "2");
        EXPECT_EQ(d.cbxLangs->currentText(), "English");
        EXPECT_EQ(d.cbxLangs->count(), d.lvwLangs->topLevelItemCount());
        ASSERT_NE(languageItem(d, "es"), nullptr);
        EXPECT_EQ(languageItem(d, "es")->text(0), "Spanish");
        EXPECT_EQ(languageItem(d, "es")->checkState(0), Qt::Checked);
        EXPECT_EQ(languageItem(d, "fr")->checkState(0), Qt::Unchecked);
        EXPECT_FALSE(languageItem(d, "fr")->flags() & Qt::ItemIsEditable) << "language names are not edited here";
        d.cmdOK->click();
    });
    EXPECT_EQ(OntologyInfo.ListTop, 3);
    EXPECT_EQ(OntologyInfo.MaxParents, before.MaxParents);
    EXPECT_EQ(OntologyInfo.DefLang, "en");
    EXPECT_EQ(OntologyInfo.Naming, true);
    EXPECT_EQ(OntologyInfo.AutoName, 0);
    EXPECT_EQ(OntologyInfo.Name, "Test");
    EXPECT_EQ(workingLanguages(), (QStringList{"en", "es"})) << "the default language is made a working language";
    EXPECT_TRUE(ui::forms().ofType<frmOntoOptions>().empty()) << "the dialog is unloaded";
}

TEST(OntologyOptions, EachOptionChangedIsWrittenBackOnOk)
{
    struct Case {
        const char *what;
        std::function<void(frmOntoOptions &, ScriptedMessageBoxes &)> change;
        std::function<void()> check;
    } cases[] = {
        {"a maximum typed", [](auto &d, auto &) { typeMaximum(d, "4"); },
         [] { EXPECT_EQ(OntologyInfo.MaxParents, 4); }},
        {"a maximum stepped up to 3, with the warning",
         [](auto &d, auto &boxes) {
             boxes.expect("It is highly advisable to restrict the maximum number of parents of each concept to 2!");
             d.UpDown1->up->click();
         },
         [] { EXPECT_EQ(OntologyInfo.MaxParents, 3); }},
        {"a maximum stepped down to 1", [](auto &d, auto &) { d.UpDown1->down->click(); d.UpDown1->down->click(); },
         [] { EXPECT_EQ(OntologyInfo.MaxParents, 1); }},
        {"the list of the active subset", [](auto &d, auto &) { d.optMy->click(); },
         [] { EXPECT_EQ(OntologyInfo.ListTop, 1); }},
        {"the list without relations", [](auto &d, auto &) { d.optTop->click(); },
         [] { EXPECT_EQ(OntologyInfo.ListTop, 2); }},
        {"the naming restriction off", [](auto &d, auto &) { d.chkNameRestrict->click(); },
         [] { EXPECT_FALSE(OntologyInfo.Naming); }},
        {"automatic naming as the identifier",
         [](auto &d, auto &boxes) {
             boxes.expect("This option adds names to concepts as they are entered.");
             d.chkAddNames->click();
             EXPECT_TRUE(d.optAsIs->isEnabled());
             EXPECT_TRUE(d.optAsIs->isChecked());
         },
         [] { EXPECT_EQ(OntologyInfo.AutoName, 1); }},
        {"automatic naming without the restrictions",
         [](auto &d, auto &boxes) {
             boxes.expect("These options also apply to batch conversions.");
             d.chkAddNames->click();
             d.optConvert->click();
         },
         [] { EXPECT_EQ(OntologyInfo.AutoName, 2); }},
        {"another default language, not yet a working one",
         [](auto &d, auto &) { chooseDefaultLanguage(d, "fr"); },
         [] {
             EXPECT_EQ(OntologyInfo.DefLang, "fr");
             EXPECT_EQ(workingLanguages(), (QStringList{"en", "es", "fr"}));
         }},
        {"a working language more and one less",
         [](auto &d, auto &) {
             languageItem(d, "de")->setCheckState(0, Qt::Checked);
             languageItem(d, "es")->setCheckState(0, Qt::Unchecked);
         },
         [] { EXPECT_EQ(workingLanguages(), (QStringList{"de", "en"})); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OptionsFixture f;
        f.run([&](frmOntoOptions &d) {
            c.change(d, f.boxes);
            d.cmdOK->click();
        });
        c.check();
    }
}

TEST(OntologyOptions, StoredValuesComeBackIntoTheDialog)
{
    OptionsFixture f;
    OntologyInfo.MaxParents = 7;
    OntologyInfo.ListTop = 2;
    OntologyInfo.Naming = false;
    OntologyInfo.AutoName = 2;
    OntologyInfo.DefLang = "es";
    const OntologyInfoRecord stored = OntologyInfo;
    f.run([](frmOntoOptions &d) {
        EXPECT_EQ(d.txtNoParents->text(), "7") << "every maximum the option can hold is shown";
        EXPECT_TRUE(d.optTop->isChecked());
        EXPECT_FALSE(d.chkNameRestrict->isChecked());
        EXPECT_TRUE(d.chkAddNames->isChecked());
        EXPECT_TRUE(d.optConvert->isEnabled() && d.optConvert->isChecked());
        EXPECT_EQ(d.cbxLangs->currentText(), "Spanish");
        d.cmdOK->click();
    });
    EXPECT_EQ(OntologyInfo.MaxParents, 7);
    EXPECT_EQ(OntologyInfo.ListTop, 2);
    EXPECT_EQ(OntologyInfo.AutoName, 2);
    EXPECT_EQ(OntologyInfo.DefLang, "es");

    f.run([&](frmOntoOptions &d) {
        d.chkAddNames->click();  // unticking says nothing
        EXPECT_FALSE(d.optAsIs->isEnabled());
        d.cmdOK->click();
    });
    EXPECT_EQ(OntologyInfo.AutoName, 0);
    f.run([](frmOntoOptions &d) {
        EXPECT_FALSE(d.chkAddNames->isChecked());
        d.cmdCancel->click();
    });
}

TEST(OntologyOptions, CancelAndTheFrameChangeNothing)
{
    struct Case {
        const char *what;
        std::function<void(frmOntoOptions &)> leave;
    } cases[] = {
        {"Cancel", [](frmOntoOptions &d) { d.cmdCancel->click(); }},
        {"the frame's close box", [](frmOntoOptions &d) { d.window()->close(); }},
        {"a maximum of 0 and then Cancel",
         [](frmOntoOptions &d) {
             typeMaximum(d, "0");
             d.cmdCancel->click();
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OptionsFixture f;
        const OntologyInfoRecord before = OntologyInfo;
        const QStringList working = workingLanguages();
        f.run([&](frmOntoOptions &d) {
            typeMaximum(d, "5");
            d.optMy->click();
            d.chkNameRestrict->click();
            f.boxes.expect("This option adds names");
            d.chkAddNames->click();
            chooseDefaultLanguage(d, "de");
            languageItem(d, "fr")->setCheckState(0, Qt::Checked);
            c.leave(d);
        });
        EXPECT_EQ(OntologyInfo.MaxParents, before.MaxParents);
        EXPECT_EQ(OntologyInfo.ListTop, before.ListTop);
        EXPECT_EQ(OntologyInfo.Naming, before.Naming);
        EXPECT_EQ(OntologyInfo.AutoName, before.AutoName);
        EXPECT_EQ(OntologyInfo.DefLang, before.DefLang);
        EXPECT_EQ(workingLanguages(), working);
    }
}

TEST(OntologyOptions, AMaximumTheOptionCannotHoldIsRefusedAndTheDialogStays)
{
    struct Case {
        const char *typed;
        QString box;    // the message, when one comes while typing
        QString shown;  // what the box holds afterwards
    } cases[] = {
        {"0", {}, "0"},
        {"", {}, ""},
        {"two", {}, "two"},
        {"-1", {}, "-1"},
        {"1.5", {}, "1.5"},
        {"12", "No way!", "9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        OptionsFixture f;
        const int before = OntologyInfo.MaxParents;
        f.run([&](frmOntoOptions &d) {
            if (!c.box.isEmpty())
                f.boxes.expect(c.box);
            typeMaximum(d, QString::fromLatin1(c.typed));
            EXPECT_EQ(d.txtNoParents->text(), c.shown);
            if (c.shown == "9") {
                d.cmdOK->click();
                return;
            }
            f.boxes.expect("The maximum number of parents must be a whole number from 1 to 9.");
            d.cmdOK->click();
            EXPECT_TRUE(d.isShown()) << "the dialog stays open";
            EXPECT_FALSE(d.confirmed());
            d.cmdCancel->click();
        });
        EXPECT_EQ(OntologyInfo.MaxParents, c.shown == "9" ? 9 : before);
    }
}

TEST(OntologyOptions, TheSubsetsTabShowsTheSubsetsAndTheActiveOne)
{
    OptionsFixture f;
    OntologyDB.execute("INSERT INTO Subsets (Subset_ID, Subset) VALUES (2, 'Animals')");
    OntologyDB.execute("UPDATE CONCEPTS SET Subset_ID = 2 WHERE Concept IN ('DOG', 'CAT')");
    OntologyInfo.ActiveSet = 2;
    const int general = f.w.ontology.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1");
    f.run([&](frmOntoOptions &d) {
        ASSERT_EQ(d.ListView1->topLevelItemCount(), 2);
        EXPECT_EQ(d.ListView1->topLevelItem(0)->text(0), "General");
        EXPECT_EQ(d.ListView1->topLevelItem(0)->text(1), QString::number(general));
        EXPECT_EQ(d.ListView1->topLevelItem(1)->text(0), "Animals");
        EXPECT_EQ(d.ListView1->topLevelItem(1)->text(1), "2");
        EXPECT_EQ(d.lblActiveSubset->text(), "Animals");
        for (QPushButton *command : {d.cmdAdd, d.cmdRemove, d.cmdActivate, d.cmdTransfer})
            EXPECT_TRUE(command->isEnabled()) << command->text().toStdString() << ": the subset commands";
        d.cmdOK->click();
    });
    EXPECT_EQ(OntologyInfo.ActiveSet, 2);
}
