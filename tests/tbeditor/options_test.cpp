// The termbase's options from the termbase editor: what OK, Cancel and a language not
// offered yet do to the settings, the categories and the element tree.

#include "ElementsFixture.h"
#include "tbeditor/frmTBOptions.h"
#include "termbase/DataCategories.h"
#include "ui/Toolbar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {

class OptionsTest : public ElementsTest {
protected:
    // Tools > Options, the dialog answered by choose, then OK.
    void options(const std::function<void(frmTBOptions &)> &choose, bool ok = true)
    {
        modals.expect<frmTBOptions>([&](frmTBOptions &d) {
            choose(d);
            (ok ? d.cmdOK : d.cmdCancel)->click();
        });
        editor->mnuToolsOptions_Click();
    }
};

}  // namespace

TEST_F(OptionsTest, ListOrTreeAndConceptualStructuresAreSetWithoutReloading)
{
    ASSERT_EQ(TermbaseInfo.DCLang, "en");
    const QTreeWidgetItem *categories = editor->Tree2->topLevelItem(0);

    options([](frmTBOptions &d) {
        EXPECT_TRUE(d.optEnglish->isChecked()) << "preset from the termbase";
        d.optList->setChecked(true);
        d.chkCSBrowser->setChecked(!TermbaseInfo.CSBrowser);
    });
    EXPECT_EQ(TermbaseInfo.DCList, "list");
    EXPECT_TRUE(editor->ListView1->isVisible());
    EXPECT_FALSE(editor->Tree2->isVisible());
    const bool cs = TermbaseInfo.CSBrowser;

    options([](frmTBOptions &d) {
        EXPECT_TRUE(d.optList->isChecked());
        d.optTree->setChecked(true);
    });
    EXPECT_EQ(TermbaseInfo.DCList, "tree");
    EXPECT_TRUE(editor->Tree2->isVisible());
    EXPECT_EQ(editor->Tree2->topLevelItem(0), categories) << "only which control shows changed";
    EXPECT_EQ(TermbaseInfo.CSBrowser, cs);

    // Cancel, or closing the dialog by its frame, puts it back to the settings: nothing
    // changes.
    struct Leave {
        const char *how;
        std::function<void(frmTBOptions &)> leave;
    } leaves[] = {
        {"Cancel", [](frmTBOptions &d) { d.cmdCancel->click(); }},
        {"the frame", [](frmTBOptions &d) { d.window()->close(); }},
    };
    for (const Leave &l : leaves) {
        SCOPED_TRACE(l.how);
        modals.expect<frmTBOptions>([&](frmTBOptions &d) {
            d.optSpanish->setChecked(true);
            d.optList->setChecked(true);
            d.chkCSBrowser->setChecked(!TermbaseInfo.CSBrowser);
            l.leave(d);
        });
        editor->mnuToolsOptions_Click();
        EXPECT_EQ(TermbaseInfo.DCLang, "en");
        EXPECT_EQ(TermbaseInfo.DCList, "tree");
        EXPECT_EQ(TermbaseInfo.CSBrowser, cs);
        EXPECT_TRUE(ui::forms().ofType<frmTBOptions>().empty()) << "the dialog lives for one use";
    }
}

TEST_F(OptionsTest, AnotherLanguageRebuildsTheCategoriesAndTheElementTreeAndClosesTheValueEditor)
{
    click(3);  // the entries' container
    toolbar("concept");  // the value editor for a new entry
    ASSERT_TRUE(editor->fraEdit->isVisible());

    options([](frmTBOptions &d) { d.optSpanish->setChecked(true); });
    EXPECT_EQ(TermbaseInfo.DCLang, "es");
    EXPECT_EQ(GetDataCategoryName("0.3"), "entrada terminológica");
    EXPECT_EQ(editor->Tree2->topLevelItem(0)->child(0)->text(0), "base terminológica");
    EXPECT_EQ(editor->Tree1->model()->index(0, 0).data().toString(), "base terminológica")
        << "the element tree starts again from its root, in the new language";
    EXPECT_FALSE(editor->fraEdit->isVisible()) << "an open value editor is closed";
}

TEST_F(OptionsTest, AnotherLanguageLeavesNothingOfTheElementSelectedBefore)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    struct Case {
        const char *what;
        qint64 selected;
        QRadioButton *frmTBOptions::*language;
        bool shownAgain;  // the new tree, read from its root, shows its node
        const char *rootLabel;
    } cases[] = {
        {"a term", t, &frmTBOptions::optSpanish, false, nullptr},
        {"the root", 1, &frmTBOptions::optEnglish, true, "TERMBASE"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        click(c.selected);
        options([&](frmTBOptions &d) { (d.*c.language)->setChecked(true); });
        if (c.shownAgain) {
            EXPECT_EQ(nodes().elemID(editor->Tree1->currentIndex()), c.selected);
            EXPECT_EQ(editor->CurrentElemID, c.selected);
            EXPECT_EQ(editor->txtElem->text(), c.rootLabel) << "in the new language";
            continue;
        }
        EXPECT_EQ(editor->CurrentElemID, 0);
        EXPECT_TRUE(editor->txtElem->text().isEmpty());
        // A category the term admitted is marked no longer, and a click on it opens nothing.
        EXPECT_EQ(nodeImage(category("2.1")), "inactive");
        chooseCategory("2.1");
        EXPECT_FALSE(editor->fraEdit->isVisible());
        EXPECT_FALSE(editor->ToolBar1->button("delete")->isEnabled());
    }
}

TEST_F(OptionsTest, ALanguageNotOfferedOrWithoutNamesChangesNothing)
{
    for (auto pick : {&frmTBOptions::optFrench, &frmTBOptions::optGerman, &frmTBOptions::optItalian,
                      &frmTBOptions::optDutch}) {
        boxes.expect("Not available yet.");
        options([pick](frmTBOptions &d) {
            (d.*pick)->setChecked(true);
            d.optList->setChecked(true);
        });
        EXPECT_EQ(boxes.asked().back().title, "Error");
        EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
        EXPECT_EQ(TermbaseInfo.DCLang, "en");
        EXPECT_EQ(TermbaseInfo.DCList, "tree") << "no setting changes";
        ASSERT_EQ(ui::forms().ofType<frmTBOptions>().size(), 1u) << "the dialog stays loaded";
        EXPECT_FALSE(ui::forms().ofType<frmTBOptions>().front()->isShown());
    }

    // Spanish without a single name: the categories keep English.
    const QString path = TermbasePath;
    editor->mnuFileClose_Click();
    editFile(path, "DELETE FROM datcats_names WHERE langID = 'es'");
    openTermbase(path);
    boxes.expect("No data category has a name in the language \"es\"");
    options([](frmTBOptions &d) { d.optSpanish->setChecked(true); });
    EXPECT_EQ(TermbaseInfo.DCLang, "en");
    EXPECT_EQ(GetDataCategoryName("0.3"), "term entry");
    EXPECT_GT(editor->Tree2->topLevelItem(0)->childCount(), 0);
}
