// The frame of the main window: its toolbar, menus and the state it starts in.

#include "support/MainWindowFixture.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QStringList captions(const QList<QAction *> &actions)
{
    QStringList out;
    for (const QAction *a : actions)
        if (!a->isSeparator())
            out << a->text();
    return out;
}

}  // namespace

using FrameTest = MainWindowTest;

TEST_F(FrameTest, ToolbarButtonsByPlaceWithTheirKeysImagesAndTips)
{
    struct Case {
        int index;
        const char *key;
        const char *image;
        const char *toolTip;
    } cases[] = {
        {1, "New", "new", "New ontology"},
        {2, "Open", "open", "Open ontology"},
        {3, "Close", "close", "Close ontology"},
        {4, "", "", ""},
        {5, "Properties", "properties", "Ontology properties"},
        {6, "", "", ""},
        {7, "FullTree", "tree", "Ontology hierarchy"},
        {8, "", "", ""},
        {9, "NewCpt", "newcpt", "Add concept"},
        {10, "DeleteCpt", "delcpt", "Delete concept"},
        {11, "", "", ""},
        {12, "Note", "note-out", "Working note"},
        {13, "", "", ""},
        {14, "tbeditor", "tbeditor", "Start Termbase Editor"},
        {15, "", "", ""},
        {16, "Help", "help", "Help"},
    };
    ASSERT_EQ(main->ToolBar1->buttonCount(), 16);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        QAction *b = main->ToolBar1->button(c.index);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(main->ToolBar1->key(c.index), c.key);
        EXPECT_EQ(b->isSeparator(), QString(c.key).isEmpty());
        if (!b->isSeparator()) {
            EXPECT_EQ(b->toolTip(), c.toolTip);
            EXPECT_EQ(main->ToolBar1->buttonImage(c.key), c.image);
            EXPECT_FALSE(b->icon().isNull()) << "every image is drawn";
        }
    }
    EXPECT_FALSE(main->ToolBar1->image("note-in").isNull()) << "the note image waits in the list";
}

TEST_F(FrameTest, ToolbarKeysAreComparedWithTheirLetterCase)
{
    struct Case {
        const char *key;
        const char *message;    // the box it brings, if any
        bool asksForAFile;
    } cases[] = {
        {"Help", "Not yet!", false},
        {"help", nullptr, false},
        {"HELP", nullptr, false},
        {"new", nullptr, false},
        {"OPEN", nullptr, false},
        {"Nothing", nullptr, false},
        {"", nullptr, false},
        {"New", nullptr, true},
        {"Open", nullptr, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        const size_t boxesBefore = boxes.asked().size();
        const size_t dialogsBefore = files.asked().size();
        if (c.message)
            boxes.expect(c.message);
        if (c.asksForAFile)
            files.cancel();
        main->ToolBar1_ButtonClick(c.key);
        EXPECT_EQ(boxes.asked().size() - boxesBefore, c.message ? 1u : 0u);
        EXPECT_EQ(files.asked().size() - dialogsBefore, c.asksForAFile ? 1u : 0u);
    }
    // A click on the button itself goes the same way.
    boxes.expect("Not yet!");
    main->ToolBar1->button("Help")->trigger();
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::None);
}

TEST_F(FrameTest, MenuBarWithItsCaptionsAndAccessKeys)
{
    auto *w = static_cast<QMainWindow *>(main->window());
    const QStringList expected[] = {
        {"&Ontology", "&Open", "&Close", "&New", "Import", "Export", "P&roperties", "&Exit"},
        {"&Edit", "Copy", "Cut", "Paste"},
        {"&Concept", "&Add", "Edit &Identifier", "Edit &Definition", "&Delete", "Find in &Tree", "Working &Note"},
        {"T&rees", "&Full Tree", "&Object", "&Event", "&Relation", "&Attribute", "&Selected Concept"},
        {"&Tools", "&TermBase Editor", "Ontology &Navigator", "&Generate HTML Reports", "&Batch Naming", "&List Notes",
         "&Options"},
        {"&Help", "&Help Tool", "&About"},
    };
    const QList<QAction *> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), int(std::size(expected)));
    for (int i = 0; i < menus.size(); ++i) {
        SCOPED_TRACE(expected[i].first().toStdString());
        EXPECT_EQ(menus[i]->text(), expected[i].first());
        EXPECT_EQ(captions(menus[i]->menu()->actions()), expected[i].mid(1));
    }
    for (QMenu *popup : {main->mnuISA, main->mnuInstOf, main->mnuRel, main->mnuGoTo, main->mnuAttr, main->mnuDomain,
                         main->mnuRange, main->mnuInherit, main->mnuName})
        EXPECT_FALSE(menus.contains(popup->menuAction())) << "pane pop-ups stay off the menu bar";
}

TEST_F(FrameTest, StartsWithNoOntologyOpen)
{
    EXPECT_EQ(main->caption(), "");
    EXPECT_EQ(main->BaseCaption, "Ontology Editor");
    EXPECT_EQ(main->txtCptSearch->text(), "Search...");
    EXPECT_EQ(main->window()->size(), QSize(385, 599));
    EXPECT_EQ(main->StatusBar1->panelCount(), 4);
    for (int i = 1; i <= 16; ++i) {
        SCOPED_TRACE(i);
        if (!main->ToolBar1->button(i)->isSeparator()) {
            EXPECT_EQ(main->ToolBar1->button(i)->isEnabled(), i == 1 || i == 2 || i == 16);
        }
    }
    for (QAction *on : {main->mnuFileNew, main->mnuFileOPen, main->mnuFileExit, main->mnuHelpTool, main->mnuHelpAbout})
        EXPECT_TRUE(on->isEnabled()) << on->text().toStdString();
    for (QAction *off : {main->mnuFileClose, main->mnuFileImport, main->mnuFileExport, main->mnuFileProperties})
        EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
    for (QMenu *hidden : {main->mnuConcept, main->mnuTree, main->mnuTools})
        EXPECT_FALSE(hidden->menuAction()->isVisible()) << hidden->title().toStdString();
    for (QMenu *shown : {main->mnuFile, main->mnuEdit, main->mnuHelp})
        EXPECT_TRUE(shown->menuAction()->isVisible()) << shown->title().toStdString();
    for (QWidget *pane : {static_cast<QWidget *>(main->tbsEdit), static_cast<QWidget *>(main->txtCptSearch)})
        EXPECT_FALSE(pane->isEnabled());
}

// Every command that works on the ontology responds once one is open.
TEST_F(FrameTest, EveryOntologyCommandIsEnabledOnceAnOntologyIsOpen)
{
    newOntology("Kinship", "kinship.ont");
    for (QAction *built : {main->mnuFileClose, main->mnuFileProperties, main->mnuConceptAdd, main->mnuToolsOptions,
                           main->ToolBar1->button("NewCpt"), main->mnuConceptTree, main->mnuTreeFull,
                           main->ToolBar1->button("FullTree"), main->mnuTreeObject, main->mnuTreeEvent,
                           main->mnuTreeRel, main->mnuTreeAttr, main->mnuTreeSelConcept, main->mnuToolsOntoNav,
                           main->mnuFileImport, main->mnuGenHTML, main->mnuFileExport})
        EXPECT_TRUE(built->isEnabled()) << built->text().toStdString() << built->toolTip().toStdString();
}

// Counts up to ten million are shown whole in the window's own size, not cut.
TEST_F(FrameTest, TheStatusBarShowsLargeCountsWhole)
{
    newOntology("Kinship", "kinship.ont");
    main->show();
    for (qint64 count : {qint64(100023), qint64(1000000), qint64(10000000)}) {
        SCOPED_TRACE(count);
        main->ListedCount = count;
        main->TotalCount = count;
        main->ShowConceptCounts();
        QApplication::processEvents();
        for (int panel : {3, 4}) {
            const QLabel *label = main->StatusBar1->panelLabel(panel);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->text().startsWith(QString::number(count)));
            EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->text().toStdString();
        }
    }
}
