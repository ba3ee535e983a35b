// The partial-tree windows through their widgets: the lazy tree, the search with its
// history and messages, hand-overs, the property panels and the pop-up.

#include "TreeWindowsFixture.h"
#include "publish/frmOntoNav.h"
#include "publish/frmPartTree.h"
#include "support/PopupRequests.h"
#include "support/ScriptedPopupMenus.h"
#include "support/UserClicks.h"
#include "support/UserKeys.h"
#include "ui/DataList.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <functional>

namespace {

std::shared_ptr<frmPartTree> onlyTree()
{
    const auto trees = ui::forms().ofType<frmPartTree>();
    return trees.size() == 1 ? trees.front() : nullptr;
}

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

}  // namespace

TEST_F(TreeWindowsTest, EachLauncherOpensItsTreeOnceWithItsCaptionAndTop)
{
    main->GoToConcept(QStringLiteral("CARGO"));
    const struct Case {
        const char *what;
        void (frmOntoEdit::*launcher)();
        const char *caption;
        const char *top;
    } cases[] = {
        {"Full Tree", &frmOntoEdit::mnuTreeFull_Click, "Trees - Full tree", "ALL"},
        {"Object", &frmOntoEdit::mnuTreeObject_Click, "Trees - OBJECT partial tree", "OBJECT"},
        {"Event", &frmOntoEdit::mnuTreeEvent_Click, "Trees - EVENT partial tree", "EVENT"},
        {"Relation", &frmOntoEdit::mnuTreeRel_Click, "Trees - RELATION partial tree", "RELATION"},
        {"Attribute", &frmOntoEdit::mnuTreeAttr_Click, "Trees - ATTRIBUTE partial tree", "ATTRIBUTE"},
        {"Selected Concept", &frmOntoEdit::mnuTreeSelConcept_Click, "Trees - CARGO partial tree", "CARGO"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        (main.get()->*c.launcher)();
        const auto tree = std::dynamic_pointer_cast<frmPartTree>(ui::forms().findByCaption(QString::fromLatin1(c.caption)));
        ASSERT_TRUE(tree);
        EXPECT_EQ(tree->TreeModel->top()->text, QString::fromLatin1(c.top));
        EXPECT_EQ(tree->StatusBar1->panelText(1), QString::fromLatin1(c.top));
        EXPECT_EQ(tree->StatusBar1->panelText(2), QStringLiteral("Trees"));
        EXPECT_TRUE(tree->isShown());
        // A second launch brings the same window forward, restored when minimized.
        tree->window()->showMinimized();
        const int before = ui::forms().count();
        (main.get()->*c.launcher)();
        EXPECT_EQ(ui::forms().count(), before);
        EXPECT_FALSE(tree->window()->isMinimized());
    }
    // The selected concept's tree is one per concept.
    main->GoToConcept(QStringLiteral("CAR"));
    main->mnuTreeSelConcept_Click();
    EXPECT_TRUE(ui::forms().findByCaption(QStringLiteral("Trees - CAR partial tree")));

    // Closing the ontology unloads every tree window.
    main->mnuFileClose_Click();
    EXPECT_TRUE(ui::forms().ofType<frmPartTree>().empty());
}

TEST_F(TreeWindowsTest, ExpandingReadsChildrenAndCollapsingDropsThem)
{
    main->mnuTreeObject_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    activate(*tree);
    Node *top = tree->TreeModel->top();
    const QModelIndex topIndex = tree->TreeModel->indexOf(top);
    EXPECT_TRUE(tree->TreeModel->hasChildren(topIndex));
    EXPECT_TRUE(top->children.empty()) << "nothing is read before the node is expanded";
    clickExpander(*tree, top);
    EXPECT_EQ(childTexts(top), (QStringList{"BR[ACKET", "CAR", "CARGO", "Q\"UOTE"}));
    for (const auto &c : top->children) {
        SCOPED_TRACE(c->text.toStdString());
        EXPECT_EQ(tree->TreeModel->hasChildren(tree->TreeModel->indexOf(c.get())),
                  c->text == QLatin1String("CAR") || c->text == QLatin1String("CARGO"));
    }

    addIsA({{"BUS", "OBJECT"}});
    type(*tree, QStringLiteral("CAR"));
    clickExpander(*tree, top);
    EXPECT_TRUE(top->children.empty());
    EXPECT_EQ(tree->cbxFind->currentText(), QString());
    EXPECT_FALSE(tree->ToolBar1->button(QStringLiteral("find"))->isEnabled());
    clickExpander(*tree, top);
    EXPECT_EQ(childTexts(top), (QStringList{"BR[ACKET", "BUS", "CAR", "CARGO", "Q\"UOTE"}));

    // A top without children offers an expander that opens onto nothing.
    main->GoToConcept(QStringLiteral("RUN"));
    main->mnuTreeSelConcept_Click();
    const auto leaf = std::dynamic_pointer_cast<frmPartTree>(ui::forms().findByCaption(QStringLiteral("Trees - RUN partial tree")));
    ASSERT_TRUE(leaf);
    const QModelIndex leafTop = leaf->TreeModel->indexOf(leaf->TreeModel->top());
    EXPECT_TRUE(leaf->TreeModel->hasChildren(leafTop));
    activate(*leaf);
    clickExpander(*leaf, leaf->TreeModel->top());
    EXPECT_TRUE(leaf->TreeModel->top()->children.empty());
}

TEST_F(TreeWindowsTest, SearchesRevealEveryMatchAndSelectThemInTurn)
{
    main->mnuTreeFull_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    const size_t boxesBefore = boxes.asked().size();
    const QStringList underCar{"ALL", "OBJECT", "CAR", "VAN"}, underCargo{"ALL", "OBJECT", "CARGO", "VAN"};
    const struct Step {
        const char *typed;
        QStringList selected;
    } steps[] = {
        // A concept with two parents is shown under both; the search visits each node in
        // the order the nodes were added, then starts again.
        {"VAN", underCar},
        {"VAN", underCar + QStringList{"VAN-X"}},
        {"VAN", underCargo},
        {"VAN", underCargo + QStringList{"VAN-X"}},
        {"VAN", underCar},
        // A child of the root is found although the root was never opened by hand.
        {"OBJ", {"ALL", "OBJECT"}},
        // One match: each repeat ends on it again.
        {"VAN-X*", {"ALL", "OBJECT", "CAR", "VAN", "VAN-X"}},
        // Odd characters are taken literally; letter case is ignored on both sides.
        {"Q\"U", {"ALL", "OBJECT", "Q\"UOTE"}},
        {"BR[A", {"ALL", "OBJECT", "BR[ACKET"}},
        {"CAR-P", {"ALL", "OBJECT", "CAR", "car-part"}},
        {"c*part", {"ALL", "OBJECT", "CAR", "car-part"}},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.typed);
        if (tree->cbxFind->currentText() != QString::fromLatin1(s.typed))
            type(*tree, QString::fromLatin1(s.typed));
        tree->ToolBar1->button(QStringLiteral("find"))->trigger();
        EXPECT_EQ(selectedPath(*tree), s.selected);
    }
    EXPECT_EQ(boxes.asked().size(), boxesBefore);

    // The history holds patterns, most recent first, each once in a row.
    EXPECT_EQ(tree->findHistory().mid(0, 3), (QStringList{"c*part*", "CAR-P*", "BR[A*"}));
    EXPECT_EQ(tree->findHistory().count(QStringLiteral("VAN*")), 1);
}

TEST_F(TreeWindowsTest, SearchMessagesAndHistoryLimit)
{
    main->mnuTreeEvent_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    focusFindBox(*tree);
    type(*tree, QStringLiteral("RU"));
    boxes.expect(QStringLiteral("Type at least three characters!"));
    keys::press(Qt::Key_Return);
    EXPECT_EQ(boxes.asked().back().icon, ui::Icon::Information);

    type(*tree, QStringLiteral("ZZZ"));
    boxes.expect(QStringLiteral("String not found"));
    tree->ToolBar1->button(QStringLiteral("find"))->trigger();

    // Found in the file, but not below EVENT: the window says so.
    type(*tree, QStringLiteral("CARG"));
    boxes.expect(QStringLiteral("not part of this tree"));
    tree->ToolBar1->button(QStringLiteral("find"))->trigger();

    // Only the top matches: each repeat ends on it; with no node selected the search
    // starts from the top.
    type(*tree, QStringLiteral("EVE"));
    for (int i = 0; i < 2; ++i) {
        tree->ToolBar1->button(QStringLiteral("find"))->trigger();
        EXPECT_EQ(selectedPath(*tree), QStringList{"EVENT"});
    }
    tree->Tree1->setCurrentIndex({});
    type(*tree, QStringLiteral("RUN"));
    tree->ToolBar1->button(QStringLiteral("find"))->trigger();
    EXPECT_EQ(selectedPath(*tree), (QStringList{"EVENT", "RUN"}));

    for (int i = 0; i < 21; ++i) {
        boxes.expect(QStringLiteral("String not found"));
        type(*tree, QStringLiteral("NONE%1").arg(i));
        keys::press(Qt::Key_Return);
    }
    const QStringList history = tree->findHistory();
    EXPECT_EQ(history.size(), frmPartTree::HistorySize);
    EXPECT_EQ(history.front(), QStringLiteral("NONE20*"));
    EXPECT_EQ(history.back(), QStringLiteral("NONE1*"));
}

TEST_F(TreeWindowsTest, TheFindBoxTakesAnyTextAndEnterSearches)
{
    main->mnuTreeFull_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    const struct Case {
        const char *typed;
        bool keypad;
        QStringList selected;  // empty: too short to search
    } cases[] = {
        {"c*part", false, {"ALL", "OBJECT", "CAR", "car-part"}},
        {"CART", true, {"ALL", "OBJECT", "CAR", "CART"}},
        {"zz", true, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        focusFindBox(*tree);
        tree->cbxFind->clearEditText();
        keys::type(QString::fromLatin1(c.typed));
        EXPECT_EQ(tree->cbxFind->currentText(), QString::fromLatin1(c.typed)) << "nothing is filtered";
        if (c.selected.isEmpty())
            boxes.expect(QStringLiteral("Type at least three characters!"));
        c.keypad ? keys::pressKeypadEnter() : keys::press(Qt::Key_Return);
        if (!c.selected.isEmpty()) {
            EXPECT_EQ(selectedPath(*tree), c.selected);
        }
    }
}

TEST_F(TreeWindowsTest, HandedOverConceptsAreSelectedExactly)
{
    main->mnuTreeObject_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    // CAR, not CARGO nor CART; within a tree whose top is not the root.
    tree->lblFind_Change(QStringLiteral("CAR"));
    EXPECT_EQ(selectedPath(*tree), (QStringList{"OBJECT", "CAR"}));
    tree->lblFind_Change(QStringLiteral("VAN-X"));
    EXPECT_EQ(selectedPath(*tree), (QStringList{"OBJECT", "CAR", "VAN", "VAN-X"}));
    // Handed over again, the next node of the same concept.
    tree->lblFind_Change(QStringLiteral("VAN-X"));
    EXPECT_EQ(selectedPath(*tree), (QStringList{"OBJECT", "CARGO", "VAN", "VAN-X"}));

    // Find in Tree and the double-click hand the current concept to the full tree, a
    // two-letter identifier included, as often as asked.
    main->GoToConcept(QStringLiteral("AB"));
    main->show();
    doubleClickRow(main->dblConcepts, main->dblConcepts->model()->index(main->dblConcepts->currentRow(), 0));
    const auto full = std::dynamic_pointer_cast<frmPartTree>(ui::forms().findByCaption(QStringLiteral("Trees - Full tree")));
    ASSERT_TRUE(full);
    EXPECT_EQ(selectedPath(*full), (QStringList{"ALL", "EVENT", "AB"}));
    full->Tree1->setCurrentIndex(full->TreeModel->indexOf(full->TreeModel->top()));
    main->mnuConceptTree->trigger();
    EXPECT_EQ(selectedPath(*full), (QStringList{"ALL", "EVENT", "AB"}));
    // Each hand-over is a search for the concept's pattern, in the history once in a row.
    EXPECT_EQ(full->findHistory(), QStringList{"AB*"});
    EXPECT_EQ(ui::forms().ofType<frmPartTree>().size(), 2u);
}

TEST_F(TreeWindowsTest, PropertyPanelsListTheConceptsOwnSlotsByType)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES "
                                      "('WEIGHT', 3, 1), ('OLD-WEIGHT', 13, 1), ('DRIVES', 4, 1), ('OLD-DRIVES', 14, 1), "
                                      "('ODD', 5, 1)"));
    OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES ('WEIGHT', 'ATTRIBUTE'), "
                                      "('OLD-WEIGHT', 'ATTRIBUTE'), ('DRIVES', 'RELATION'), ('OLD-DRIVES', 'RELATION'), "
                                      "('ODD', 'OBJECT')"));
    OntologyDB.execute(QStringLiteral(
        "INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES "
        "('CAR', 'PART-OF', 1, 'CARGO'), ('CAR', 'MADE-OF', 0, 'VAN'), "
        "('WEIGHT', 'DOMAIN', 0, 'OBJECT'), ('OLD-WEIGHT', 'DOMAIN', 0, 'CAR'), "
        "('DRIVES', 'DOMAIN', 0, 'CAR'), ('DRIVES', 'RANGE', 1, 'CARGO'), ('OLD-DRIVES', 'RANGE', 0, 'VAN'), "
        "('ODD', 'CAUSES', 0, 'CAR')"));
    OntologyDB.execute(QStringLiteral("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES "
                                      "('CAR', 'COLOR', 1, 'red'), ('WEIGHT', 'RANGE', 0, 'heavy'), "
                                      "('OLD-WEIGHT', 'RANGE', 1, 'light')"));
    main->mnuTreeFull_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    const struct Case {
        const char *conceptId;
        const char *relsCaption;
        QStringList rels;
        const char *attrsCaption;
        QStringList attrs;
    } cases[] = {
        {"CAR", "LOCAL RELATIONS", {"MADE-OF : VAN", "PART-OF : CARGO (by default)"}, "LOCAL ATTRIBUTES",
         {"COLOR : red (by default)"}},
        {"WEIGHT", "LOCAL DOMAINS", {"OBJECT"}, "LOCAL RANGES", {"heavy"}},
        {"OLD-WEIGHT", "LOCAL DOMAINS", {"CAR"}, "LOCAL RANGES", {"light (by default)"}},
        {"DRIVES", "LOCAL DOMAINS", {"CAR"}, "LOCAL RANGES", {"CARGO (by default)"}},
        {"OLD-DRIVES", "LOCAL DOMAINS", {}, "LOCAL RANGES", {"VAN"}},
        {"ODD", "LOCAL RELATIONS", {"CAUSES : CAR"}, "LOCAL ATTRIBUTES", {}},
    };
    // Not filled while the button is up; pressing it fills them for the selected node.
    activate(*tree);
    tree->lblFind_Change(QStringLiteral("CAR"));
    EXPECT_TRUE(tree->lstRels->count() == 0 && !tree->lstRels->isVisible());
    tree->ToolBar1->button(QStringLiteral("properties"))->trigger();
    EXPECT_TRUE(tree->lstRels->isVisible());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.conceptId);
        tree->lblFind_Change(QString::fromLatin1(c.conceptId));
        clickNode(*tree, tree->selectedNode());
        EXPECT_EQ(tree->SelectedConcept, QString::fromLatin1(c.conceptId));
        EXPECT_EQ(tree->lblRels->text(), QString::fromLatin1(c.relsCaption));
        EXPECT_EQ(items(tree->lstRels), c.rels);
        EXPECT_EQ(tree->lblAttrs->text(), QString::fromLatin1(c.attrsCaption));
        EXPECT_EQ(items(tree->lstAttrs), c.attrs);
    }

    // A node whose concept is gone since it was loaded: PT001, the panels unchanged.
    OntologyDB.execute(QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = 'ODD'"));
    boxes.expect(QStringLiteral("Fatal Error. Error code PT001. Please report"));
    clickNode(*tree, tree->selectedNode());
    EXPECT_EQ(boxes.asked().back().title, QStringLiteral("Error"));
    EXPECT_EQ(items(tree->lstRels), (QStringList{"CAUSES : CAR"}));

    tree->ToolBar1->button(QStringLiteral("properties"))->trigger();
    EXPECT_FALSE(tree->lstRels->isVisible());
}

TEST_F(TreeWindowsTest, ThePopUpAndTheStatusBarHandConceptsOver)
{
    main->mnuTreeObject_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    activate(*tree);
    ScriptedPopupMenus popups;
    tree->lblFind_Change(QStringLiteral("CARGO"));

    main->window()->showMinimized();
    popups.choose(QStringLiteral("Open concept in Editor"));
    clickNode(*tree, tree->selectedNode(), Qt::RightButton);
    EXPECT_EQ(main->CurrentConcept, QStringLiteral("CARGO"));
    EXPECT_FALSE(main->window()->isMinimized());
    activate(*tree);

    // Panel 1 holds the node last clicked, not the one a search selected since.
    tree->lblFind_Change(QStringLiteral("CART"));
    clickNode(*tree, tree->selectedNode());
    tree->lblFind_Change(QStringLiteral("CAR"));
    const QLabel *panel2 = tree->StatusBar1->panelLabel(2);
    QTest::mouseDClick(const_cast<QLabel *>(panel2), Qt::LeftButton, {}, panel2->rect().center());
    EXPECT_EQ(main->CurrentConcept, QStringLiteral("CART"));
    activate(*tree);

    // A right click moves the selection onto the node before the pop-up acts on it.
    const Node *cart = tree->TreeModel->findChild(tree->selectedNode(), QStringLiteral("CART"));
    ASSERT_TRUE(cart);
    popups.choose(QStringLiteral("Open concept in Navigator"));
    clickNode(*tree, cart, Qt::RightButton);
    const auto navigators = ui::forms().ofType<frmOntoNav>();
    ASSERT_EQ(navigators.size(), 1u);
    EXPECT_EQ(selectedPath(*navigators.front()), (QStringList{"ALL", "OBJECT", "CAR", "CART"}));
    EXPECT_TRUE(navigators.front()->Browser->currentPage().path.endsWith(QStringLiteral("/CART.html")));
    // Handed over, the concept is in the navigator's history as if typed there; the
    // tree's own hand-overs are in its history as patterns.
    EXPECT_EQ(navigators.front()->findHistory(), QStringList{"CART"});
    EXPECT_EQ(tree->findHistory(), (QStringList{"CAR*", "CART*", "CARGO*"}));

    // The pop-up over the status bar acts on the selected node too.
    activate(*tree);
    popups.choose(QStringLiteral("Open concept in Editor"));
    QTest::mousePress(tree->StatusBar1, Qt::RightButton, {}, tree->StatusBar1->rect().center());
    EXPECT_EQ(main->CurrentConcept, QStringLiteral("CART"));

    // Without a selected node the pop-up offers nothing.
    activate(*tree);
    tree->Tree1->setCurrentIndex({});
    popups.chooseNothing();
    QTest::mouseClick(tree->Tree1->viewport(), Qt::RightButton, {}, tree->Tree1->viewport()->rect().bottomRight() - QPoint(2, 2));
    const PoppedMenu &menu = popups.shown().back();
    EXPECT_FALSE(menu.item(QStringLiteral("Open concept in Editor"))->enabled);
    EXPECT_FALSE(menu.item(QStringLiteral("Open concept in Navigator"))->enabled);
}

TEST_F(TreeWindowsTest, ADeepMatchIsScrolledIntoViewBothWays)
{
    // A chain 21 levels below OBJECT, its last concept's text far right of a narrow tree.
    std::vector<std::pair<QString, QString>> chain;
    for (int k = 1; k <= 21; ++k)
        chain.emplace_back(QStringLiteral("L-%1").arg(k), k == 1 ? QStringLiteral("OBJECT") : QStringLiteral("L-%1").arg(k - 1));
    addIsA(chain);
    const struct Case {
        const char *what;
        std::function<std::shared_ptr<ConceptTreeWindow>()> open;
    } cases[] = {
        {"partial tree 333 pixels wide",
         [this] {
             main->mnuTreeObject_Click();
             const auto tree = onlyTree();
             tree->window()->resize(333, 400);
             return std::shared_ptr<ConceptTreeWindow>(tree);
         }},
        {"navigator",
         [this] {
             main->mnuToolsOntoNav_Click();
             return std::shared_ptr<ConceptTreeWindow>(ui::forms().first<frmOntoNav>());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto w = c.open();
        ASSERT_TRUE(w);
        activate(*w);
        typeSearch(*w, QStringLiteral("L-21"));
        ASSERT_EQ(w->selectedText(), QStringLiteral("L-21"));
        const QModelIndex found = w->Tree1->currentIndex();
        const int textWidth = w->Tree1->fontMetrics().horizontalAdvance(QStringLiteral("L-21"));
        const auto textShown = [&] {
            const QRect item = w->Tree1->visualRect(found);
            return item.left() >= 0 && item.left() + textWidth <= w->Tree1->viewport()->width();
        };
        EXPECT_TRUE(textShown());
        // Wholly, above the horizontal scroll bar that revealing it brought in.
        QApplication::processEvents();
        const QRect row = w->Tree1->visualRect(found);
        EXPECT_TRUE(w->Tree1->horizontalScrollBar()->isVisible());
        EXPECT_GE(row.top(), 0);
        EXPECT_LE(row.bottom(), w->Tree1->viewport()->height() - 1) << row.bottom() << " " << w->Tree1->viewport()->height();
        // The scroll bar reaches it again after the user scrolled back to the left.
        QScrollBar *bar = w->Tree1->horizontalScrollBar();
        ASSERT_GT(bar->maximum(), 0);
        bar->setValue(0);
        EXPECT_FALSE(textShown());
        bar->setValue(bar->maximum());
        EXPECT_TRUE(textShown());
    }
}

TEST_F(TreeWindowsTest, ThePartTreeOpensItsPopupByTheKeysAtTheSelectedNode)
{
    main->mnuTreeObject_Click();
    const auto tree = onlyTree();
    ASSERT_TRUE(tree);
    activate(*tree);
    ScriptedPopupMenus popups;
    tree->lblFind_Change(QStringLiteral("CART"));
    ASSERT_EQ(tree->Tree1->currentIndex(), tree->Tree1->selectionModel()->selectedIndexes().value(0));
    expectPopupByEveryWay(popups, tree->Tree1, "TreeMenu");
}
