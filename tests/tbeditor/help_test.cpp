// Help on data categories from the termbase editor: the help window's combo and anchors,
// "Help on this" by the node chosen, and what has no help.

#include "TBEditorFixture.h"
#include "publish/PageView.h"
#include "support/ScriptedPopupMenus.h"
#include "support/UserKeys.h"
#include "tbeditor/frmDCHelp.h"
#include "termbase/DataCategories.h"
#include "ui/Toolbar.h"

#include <QComboBox>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

namespace {

class HelpTest : public TBEditorTest {
protected:
    void SetUp() override
    {
        TBEditorTest::SetUp();
        QFile::copy(QStringLiteral(LX_DCHELP), QDir(dir.path()).filePath("DCHelp.html"));
    }

    std::shared_ptr<frmDCHelp> help() const
    {
        auto shown = ui::forms().ofType<frmDCHelp>();
        return shown.empty() ? nullptr : shown.front();
    }

    QString shownAnchor() const { return help() ? help()->Browser->currentPage().anchor : QString(); }
};

}  // namespace

TEST_F(HelpTest, TheComboListsEveryCategoryButTheStructureAndTheBackMatterEachWithItsAnchor)
{
    newTermbase("Kin");
    editor->ToolBar1_ButtonClick("help");
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(shownAnchor(), "1");
    QComboBox &combo = *help()->cbxDCs;

    QStringList ids;
    for (int i = 0; i < combo.count(); ++i)
        ids << combo.itemData(i).toString();
    for (const char *absent : {"0", "0.3", "0.4", "x1", "x5.5", "x10.20.8", "DC", "all"})
        EXPECT_FALSE(ids.contains(absent)) << absent;
    for (const char *present : {"1", "2.1", "10.18", "100"})
        EXPECT_TRUE(ids.contains(present)) << present;

    // Typed into the combo and entered, with Enter or the keypad's Enter.
    const auto enter = [&combo](const char *typed, bool keypad) {
        keys::focusBox(&combo);
        combo.clearEditText();
        keys::type(QString::fromLatin1(typed));
        keypad ? keys::pressKeypadEnter() : keys::press(Qt::Key_Return);
    };
    struct Case {
        const char *item;
        bool keypad;
        const char *anchor;
    } cases[] = {
        {"term (1)", false, "1"},
        // The name itself holds " (": the anchor is still the category's.
        {"false friend (term) (3.2x)", true, "3.2x"},
        {"cross-reference (10.18)", false, "10.18"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_GE(combo.findText(c.item), 0);
        enter(c.item, c.keypad);
        EXPECT_EQ(shownAnchor(), c.anchor);
        EXPECT_TRUE(help()->Browser->currentPage().path.endsWith("/DCHelp.html"));
    }
    // A typed text that is no category leaves the page as it is.
    enter("no such category", false);
    EXPECT_EQ(shownAnchor(), "10.18");

    help()->ToolBar1_ButtonClick("back");
    EXPECT_EQ(shownAnchor(), "3.2x");
    help()->ToolBar1_ButtonClick("forward");
    EXPECT_EQ(shownAnchor(), "10.18");
}

TEST_F(HelpTest, HelpOnThisFollowsTheChosenNodeAndOneWindowServesEveryRequest)
{
    newTermbase("Kin");
    // Two categories of one name: the one whose node was chosen gets the help.
    const QString path = TermbasePath;
    editor->mnuFileClose_Click();
    editFile(path, "UPDATE datcats_names SET name = 'see also' WHERE categoryID = '10.18.5' AND langID = 'en'");
    openTermbase(path);

    ScriptedPopupMenus menus;
    for (const char *shape : {"tree", "list"}) {
        TermbaseInfo.DCList = shape;
        editor->SetEditMode();
        QTreeWidget &categories = *(editor->ListView1->isVisible() ? editor->ListView1 : editor->Tree2);
        for (const char *category : {"10.18.5", "10.18.6", "10.18.5"}) {
            SCOPED_TRACE(std::string(shape) + " " + category);
            QTreeWidgetItem *node = findNode(categories, QStringLiteral("n") + category);
            ASSERT_NE(node, nullptr);
            for (QTreeWidgetItem *up = node->parent(); up; up = up->parent())
                up->setExpanded(true);
            categories.scrollToItem(node);
            menus.choose("Help on this");
            // Through the window, as the system delivers it: the press then asks for the
            // context menu.
            QWidget *w = editor->window();
            QTest::mouseClick(w->windowHandle(), Qt::RightButton, {},
                              categories.viewport()->mapTo(w, categories.visualItemRect(node).center()));
            EXPECT_EQ(shownAnchor(), category);
        }
    }
    EXPECT_EQ(ui::forms().ofType<frmDCHelp>().size(), 1u);

    // The back matter has no help: nothing is shown.
    editor->ShowDataCategoryHelp(" x3 ");
    EXPECT_EQ(shownAnchor(), "10.18.5");
}

TEST_F(HelpTest, AMissingHelpPageIsSaid)
{
    QFile::remove(QDir(dir.path()).filePath("DCHelp.html"));
    newTermbase("Kin");
    boxes.expect("DCHelp.html cannot be found");
    editor->ToolBar1_ButtonClick("help");
    EXPECT_TRUE(shownAnchor().isEmpty());
}

TEST_F(HelpTest, TheHelpGoesWithTheEditor)
{
    for (bool termbaseOpen : {false, true}) {
        SCOPED_TRACE(termbaseOpen ? "a termbase open" : "no termbase");
        editor = ui::loadedOrNew<frmTBEDitor>();
        editor->show();
        if (termbaseOpen)
            newTermbase("Kin");
        QTest::mouseClick(editor->ToolBar1->widgetForAction(editor->ToolBar1->button("help")), Qt::LeftButton);
        ASSERT_NE(help(), nullptr);
        editor->window()->close();
        EXPECT_FALSE(editor->isLoaded());
        EXPECT_EQ(help(), nullptr);
    }
}
