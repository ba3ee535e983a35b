// The frame of the termbase editor: its toolbar, menus, the two states with and without
// an open termbase, and edit and browse mode.

#include "TBEditorFixture.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTreeWidget>

namespace {

QStringList captions(const QList<QAction *> &actions)
{
    QStringList out;
    for (const QAction *a : actions)
        if (!a->isSeparator())
            out << a->text();
    return out;
}

// Which of the twenty buttons respond, as "1,2,20".
QString enabledButtons(const ui::Toolbar &toolbar)
{
    QStringList out;
    for (int i = 1; i <= toolbar.buttonCount(); ++i)
        if (!toolbar.button(i)->isSeparator() && toolbar.button(i)->isEnabled())
            out << QString::number(i);
    return out.join(',');
}

}  // namespace

using WindowTest = TBEditorTest;

TEST_F(WindowTest, ToolbarButtonsByPlaceWithTheirKeysImagesAndTips)
{
    struct Case {
        int index;
        const char *key;
        const char *toolTip;
    } cases[] = {
        {1, "new", "New TermBase"},  {2, "open", "Open TermBase"},  {3, "close", "Close TermBase"},
        {4, "", ""},                 {5, "find", "Find Concept"},   {6, "properties", "TermBase Properties"},
        {7, "", ""},                 {8, "concept", "Add Concept"}, {9, "term", "Add Term"},
        {10, "", ""},                {11, "delete", "Delete"},      {12, "", ""},
        {13, "editor", "Edit Mode"}, {14, "browser", "Browse Mode"}, {15, "", ""},
        {16, "back", "Back"},        {17, "refresh", "Refresh"},    {18, "forward", "Forward"},
        {19, "", ""},                {20, "help", "Help"},
    };
    ASSERT_EQ(editor->ToolBar1->buttonCount(), 20);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        QAction *b = editor->ToolBar1->button(c.index);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(editor->ToolBar1->key(c.index), c.key);
        EXPECT_EQ(b->isSeparator(), QString(c.key).isEmpty());
        if (!b->isSeparator()) {
            EXPECT_EQ(b->toolTip(), c.toolTip);
            EXPECT_EQ(editor->ToolBar1->buttonImage(c.key), c.key) << "each button shows the image of its key";
            EXPECT_FALSE(b->icon().isNull());
        }
    }
    EXPECT_FALSE(editor->ToolBar1->image("print").isNull()) << "the print image waits in the list";
}

TEST_F(WindowTest, MenusWithTheirCaptionsAndAccessKeys)
{
    auto *w = static_cast<QMainWindow *>(editor->window());
    const QStringList expected[] = {
        {"Term&Base", "&Open", "&Close", "&New", "&Print...", "P&roperties", "E&xit"},
        {"&Edit", "&Find", "&Edit Mode", "&Browse Mode"},
        {"&Tools", "Generate HTML Reports", "&Options"},
        {"&Help"},
    };
    const QList<QAction *> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), int(std::size(expected)));
    for (int i = 0; i < menus.size(); ++i) {
        SCOPED_TRACE(expected[i].first().toStdString());
        EXPECT_EQ(menus[i]->text(), expected[i].first());
        EXPECT_EQ(captions(menus[i]->menu()->actions()), expected[i].mid(1));
    }
    EXPECT_EQ(captions(editor->mnuElem->actions()), (QStringList{"Go to x-ref'ed element", "Modify", "Delete"}));
    EXPECT_EQ(captions(editor->mnuHelpDC->actions()), QStringList{"Help on this"});
}

TEST_F(WindowTest, CommandsFollowWhetherATermbaseIsOpen)
{
    const auto expectNoTermbase = [&] {
        EXPECT_EQ(enabledButtons(*editor->ToolBar1), "1,2,20") << "only new, open and help respond";
        EXPECT_FALSE(editor->mnuFileClose->isEnabled());
        EXPECT_FALSE(editor->mnuFileProperties->isEnabled());
        EXPECT_FALSE(editor->mnuFilePrint->isEnabled());
        EXPECT_TRUE(editor->mnuFileNew->isEnabled());
        EXPECT_TRUE(editor->mnuFileOPen->isEnabled());
        EXPECT_FALSE(editor->mnuEdit->menuAction()->isVisible());
        EXPECT_FALSE(editor->mnuTools->menuAction()->isVisible());
        EXPECT_TRUE(editor->mnuFile->menuAction()->isVisible());
        EXPECT_TRUE(editor->mnuHelp->menuAction()->isVisible());
        EXPECT_FALSE(editor->Tree1->isEnabled());
        EXPECT_FALSE(editor->Tree2->isEnabled());
        EXPECT_EQ(editor->caption(), "TermBase Editor");
    };

    SCOPED_TRACE("at start");
    expectNoTermbase();
    EXPECT_EQ(editor->StatusBar1->panelText(1), "Kinship");
    EXPECT_EQ(editor->StatusBar1->panelText(2), "0 Term Entries");
    EXPECT_EQ(editor->StatusBar1->panelText(3), "0 Terms");

    newTermbase("Kin");
    {
        SCOPED_TRACE("open, edit mode");
        EXPECT_EQ(enabledButtons(*editor->ToolBar1), "1,2,3,5,6,13,14,20")
            << "back and forward wait for browse mode";
        EXPECT_TRUE(editor->mnuFileClose->isEnabled());
        EXPECT_TRUE(editor->mnuFileProperties->isEnabled());
        EXPECT_TRUE(editor->mnuFilePrint->isEnabled());
        EXPECT_TRUE(editor->mnuEdit->menuAction()->isVisible());
        EXPECT_TRUE(editor->mnuTools->menuAction()->isVisible());
        EXPECT_TRUE(editor->Tree1->isEnabled());
        EXPECT_TRUE(editor->Tree2->isEnabled());
    }
    editor->SetBrowseMode();
    EXPECT_EQ(enabledButtons(*editor->ToolBar1), "1,2,3,5,6,13,14,16,18,20");

    editor->mnuFileClose_Click();
    SCOPED_TRACE("closed from browse mode");
    expectNoTermbase();
    EXPECT_TRUE(editor->mnuEditEditor->isChecked()) << "closing returns to edit mode";
    for (int panel = 1; panel <= 3; ++panel)
        EXPECT_EQ(editor->StatusBar1->panelText(panel), "");
}

TEST_F(WindowTest, EditAndBrowseModeSwitchTheRightHandSide)
{
    newTermbase("Kin");
    struct Case {
        const char *dcList;
        bool browse;
        const char *heading;
        bool tree, list, browser;
    } cases[] = {
        {"tree", false, "DATA CATEGORIES", true, false, false},
        {"tree", true, "TERMBASE BROWSER", false, false, true},
        {"list", false, "DATA CATEGORIES", false, true, false},
        {"list", true, "TERMBASE BROWSER", false, false, true},
        {"", false, "DATA CATEGORIES", true, false, false},
        {"List", false, "DATA CATEGORIES", true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.dcList) + (c.browse ? " browse" : " edit"));
        TermbaseInfo.DCList = c.dcList;
        if (c.browse)
            editor->mnuEditBrowser_Click();
        else
            editor->ToolBar1_ButtonClick("editor");
        EXPECT_EQ(editor->lblTree2->text(), c.heading);
        EXPECT_EQ(editor->Tree2->isVisible(), c.tree);
        EXPECT_EQ(editor->ListView1->isVisible(), c.list);
        EXPECT_EQ(editor->picBrowser->isVisible(), c.browser);
        EXPECT_EQ(editor->mnuEditBrowser->isChecked(), c.browse);
        EXPECT_EQ(editor->mnuEditEditor->isChecked(), !c.browse);
        EXPECT_EQ(editor->ToolBar1->button("browser")->isChecked(), c.browse);
        EXPECT_EQ(editor->ToolBar1->button("editor")->isChecked(), !c.browse);
        EXPECT_EQ(editor->ToolBar1->button("back")->isEnabled(), c.browse);
    }
}

TEST_F(WindowTest, PrintIsNotOfferedYetAndUnknownKeysDoNothing)
{
    newTermbase("Kin");
    boxes.expect("Not yet!");
    editor->mnuFilePrint->trigger();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Exclamation);
    boxes.expect("Not yet!");
    editor->ToolBar1_ButtonClick("print");
    for (const char *key : {"Print", "NEW", "", "concept", "term"})
        editor->ToolBar1_ButtonClick(key);  // "concept" and "term": no category may be added yet
}

TEST_F(WindowTest, TheWindowKeepsItsSmallestUsefulSize)
{
    QWidget *w = editor->window();
    w->resize(100, 100);
    EXPECT_GE(w->width(), 7000 / 15);
    EXPECT_GE(w->height(), 5000 / 15);
}

TEST_F(WindowTest, OneEditorWindowAtATime)
{
    EXPECT_EQ(ui::loadedOrNew<frmTBEDitor>(), editor);
    editor->mnuFileExit_Click();
    EXPECT_FALSE(editor->isLoaded());
    EXPECT_NE(ui::loadedOrNew<frmTBEDitor>(), editor);
}
