// The element tree of the termbase editor: keys, pictures and labels, reading and
// dropping branches as they are opened and closed, long branches read page by page,
// revealing an element, the toolbar and pop-up menu that follow the selection, and
// renaming in place.

#include "ElementsFixture.h"
#include "support/PopupRequests.h"
#include "support/ScriptedPopupMenus.h"
#include "support/UserClicks.h"
#include "support/UserKeys.h"
#include "termbase/ElementStore.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

namespace {

constexpr qint64 Persons = 7, Subjects = 8, Urls = 9, Files = 6, Contexts = 15, Bibliography = 5;

}  // namespace

using ElementTreeTest = ElementsTest;

TEST_F(ElementTreeTest, PicturesAndLabelsFollowTheCategoryAndTheValueRows)
{
    const qint64 dog = entry("DOG");
    const qint64 en = section(dog, "en");
    const qint64 dogTerm = term(en, "dog", "en");
    const qint64 person = record("x10.2.2", Persons, "jdoe");
    const qint64 url = record("x10.21.1", Urls, "http://example.org");
    const qint64 field = record("xx4", Subjects, "zoology");
    const qint64 book = record("x10.20", Bibliography, "Smith 1999");
    const qint64 file = element("x5.5", Files);
    row("ref_values", file, "fig.png");

    struct Case {
        const char *categoryID;
        std::function<void(qint64)> rows;  // the value rows of the element
        const char *picture;
        const char *label;
    } cases[] = {
        {"2.1", {}, "attribute", "term type"},
        {"2.9.2", {}, "attribute", "head of term"},
        {"3.4", {}, "attribute", "degree of equivalence"},
        {"0.3", [&](qint64 id) { TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (?, 'CAT')", {id}); }, "concept", "CAT"},
        {"0.3", {}, "concept", "term entry"},
        {"0.4", [&](qint64 id) { language(id, "en"); }, "lsen", "English"},
        {"0.4", [&](qint64 id) { language(id, "da"); }, "lsda", "Danish"},
        {"0.4", [&](qint64 id) { language(id, "pt"); }, "lsgen", "pt"},
        {"0.4", {}, "world", "language section"},
        {"1", [&](qint64 id) { TermbaseDB.execute("INSERT INTO TERMS VALUES (?, 'hound', 'en')", {id}); }, "term", "hound"},
        {"1", {}, "term", "term"},
        {"8", [&](qint64 id) { row("text_values", id, "a note"); }, "note", "note"},
        {"x3", {}, "responsibles", "responsible persons"},
        {"x5.5", [&](qint64 id) { row("ref_values", id, "a.wav"); }, "binary", "a.wav"},
        {"x5.5", {}, "binary", "attached file"},
        {"5.5.1", [&](qint64 id) { pointer(id, file); }, "figure", "fig.png"},
        {"5.5.5", [&](qint64 id) { pointer(id, file); }, "binary", "fig.png"},
        {"5.3x", [&](qint64 id) { pointer(id, file); }, "context", "fig.png"},
        {"5.5.2", {}, "audio", "audio"},
        {"10.2.2.1", [&](qint64 id) { pointer(id, person); }, "responsible", "originated by: jdoe"},
        {"10.2.2.9", [&](qint64 id) { pointer(id, person); }, "responsible", "imported by: jdoe"},
        {"10.2.2.10", [&](qint64 id) { pointer(id, person); }, "responsible", "transmitted by: jdoe"},
        {"10.2.2.1", {}, "responsible", "originated by"},
        {"10.21.1", [&](qint64 id) { pointer(id, url); }, "url", "http://example.org"},
        {"10.20", [&](qint64 id) { pointer(id, book); }, "pub", "Smith 1999"},
        {"4", [&](qint64 id) { pointer(id, field); }, "subjectfield", "zoology"},
        {"9.2.1", [&](qint64 id) { pointer(id, dogTerm); }, "xref", "broader term"},
        {"9.2.4", {}, "xref", "used for"},
        {"10.18.6", {}, "xref", "see also"},
        {"10.18", [&](qint64 id) { row("text_values", id, "see the dog"); }, "xref", "see the dog"},
        {"10.18", {}, "xref", "cross-reference"},
        {"x10.3", {}, "subset", "subset description"},
        {"xx4", [&](qint64 id) { row("text_values", id, "botany"); }, "subjectfield", "botany"},
        {"x10.2.2", [&](qint64 id) { row("text_values", id, "mm"); }, "responsible", "mm"},
        {"x10.21.2", [&](qint64 id) { row("text_values", id, "-//FPI"); }, "url", "-//FPI"},
        {"x4.2", {}, "classifsystem", "classification system"},
        {"x7.2", {}, "conceptsystem", "concept system description"},
        {"x9.1", {}, "conceptsystem", "thesaurus"},
        {"x11.1", [&](qint64 id) { row("ref_values", id, "ctx.txt"); }, "context", "ctx.txt"},
        {"x11", {}, "container", "context files"},
        {"0.1", {}, "folder", "header"},
        {"6.1", {}, "attribute", "broader concept (generic)"},
        {"10.1", {}, "attribute", "entry identifier"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.categoryID) + " " + c.label);
        // Each under a note of its own, read when the note is opened.
        const qint64 holder = element("8", dog);
        const qint64 id = element(c.categoryID, holder);
        if (c.rows)
            c.rows(id);
        editor->RevealElement(id);
        const QModelIndex n = node(id);
        ASSERT_TRUE(n.isValid());
        EXPECT_EQ(nodes().image(n), c.picture);
        EXPECT_EQ(nodes().text(n), c.label);
        EXPECT_EQ(editor->Tree1->currentIndex(), n) << "revealed and selected";
    }
}

TEST_F(ElementTreeTest, BranchesAreReadWhenOpenedAndDroppedWhenClosed)
{
    const QModelIndex root = nodes().rootNode();
    EXPECT_EQ(nodes().key(root), "n1");
    ASSERT_EQ(nodes().rowCount(root), 1);
    EXPECT_TRUE(nodes().isPlaceholder(nodes().index(0, 0, root)));
    EXPECT_EQ(nodes().key(nodes().index(0, 0, root)), "");

    // The root's children come as stored; keys carry the blank of the number.
    editor->expandNode(root);
    EXPECT_EQ(children(root), (QStringList{"n 2|folder|header", "n 3|folder|body", "n 4|folder|backmatter"}));

    // An element without children has no placeholder and cannot be opened.
    const QModelIndex header = node(2);
    EXPECT_EQ(nodes().rowCount(header), 0);

    // Every other node's children in the text order of their categories.
    const qint64 dog = entry("DOG");
    element("2.1", dog);
    element("10.2.1", dog);
    element("10.1", dog);
    const QModelIndex body = node(3);
    EXPECT_EQ(nodes().rowCount(body), 0) << "read before the entry was there";
    editor->collapseNode(root);
    EXPECT_EQ(nodes().nodeCount(), 2) << "the root and its placeholder";
    editor->expandNode(root);
    editor->expandNode(node(3));
    editor->expandNode(node(dog));
    QStringList order;
    for (int i = 0; i < nodes().rowCount(node(dog)); ++i)
        order << nodes().text(nodes().index(i, 0, node(dog)));
    EXPECT_EQ(order, (QStringList{"entry identifier", "originating institution", "term type"}));

    // Rows added while a branch is closed are there when it opens again.
    editor->collapseNode(node(dog));
    element("8", dog);
    editor->expandNode(node(dog));
    EXPECT_EQ(nodes().rowCount(node(dog)), 4);
}

TEST_F(ElementTreeTest, TermEntriesComeInTheOrderOfTheirConcepts)
{
    for (const char *c : {"DOG", "CAT"})
        entry(c);
    TermbaseDB.execute("INSERT INTO CONCEPTS (Concept) VALUES ('ant'), ('zebu-less')");
    entry("ant");
    // An entry whose concept is gone is labelled by its category, and sorted by that label.
    element("0.3", EntriesContainerID);
    entry("zebu-less");
    editor->RevealElement(3);
    editor->expandNode(node(3));
    QStringList labels;
    for (int i = 0; i < nodes().rowCount(node(3)); ++i)
        labels << nodes().text(nodes().index(i, 0, node(3)));
    EXPECT_EQ(labels, (QStringList{"ant", "CAT", "DOG", "term entry", "zebu-less"})) << "by label, letter case aside";

    // A concept deleted while the branch is closed: read again, its entry moves.
    editor->collapseNode(node(3));
    TermbaseDB.execute("DELETE FROM TE_CONCEPTS WHERE Concept = 'CAT'");
    editor->expandNode(node(3));
    labels.clear();
    for (int i = 0; i < nodes().rowCount(node(3)); ++i)
        labels << nodes().text(nodes().index(i, 0, node(3)));
    EXPECT_EQ(labels, (QStringList{"ant", "DOG", "term entry", "term entry", "zebu-less"}));
}

TEST_F(ElementTreeTest, ALongBranchIsReadAPageAtATimeAndRevealsAnyOfItsRows)
{
    // More entries than a 16-bit count holds, signed or not, under concepts named out of
    // their order (7919 is prime to their number).
    const int entries = 65536 + 17;
    const qint64 first = nextFixtureID;
    nextFixtureID += entries;
    editor->LastElemID = std::max(editor->LastElemID, nextFixtureID - 1);
    const QString numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %1) ")
                                .arg(entries);
    const QString name = QStringLiteral("printf('C%05d', (i * 7919) % %1)").arg(entries);
    {
        db::Transaction tx(TermbaseDB);
        TermbaseDB.execute(numbers + "INSERT INTO CONCEPTS (Concept) SELECT " + name + " FROM n");
        TermbaseDB.execute(numbers + "INSERT INTO elements (elemID, categoryID, parentID) SELECT ?1 + i, '0.3', ?2 FROM n",
                           {first, EntriesContainerID});
        TermbaseDB.execute(numbers + "INSERT INTO TE_CONCEPTS (elemID, Concept) SELECT ?1 + i, " + name + " FROM n", {first});
        tx.commit();
    }
    editor->RevealElement(3);
    editor->expandNode(node(3));
    const QModelIndex body = node(3);
    EXPECT_LE(nodes().rowCount(body), ElementTreeModel::PageSize * 2) << "only what the view shows is read";
    EXPECT_TRUE(nodes().hasMore(body));
    // Scrolled to the last row read, the view reads the next page.
    const int firstPages = nodes().rowCount(body);
    editor->Tree1->scrollToBottom();
    editor->Tree1->verticalScrollBar()->setValue(editor->Tree1->verticalScrollBar()->maximum());
    EXPECT_GT(nodes().rowCount(body), firstPages);

    // The last concept in the order lies pages away; revealing it reads its page.
    const qint64 last = count("SELECT elemID FROM TE_CONCEPTS WHERE Concept = ?",
                              {QStringLiteral("C%1").arg(entries - 1, 5, 10, QLatin1Char('0'))});
    editor->RevealElement(last);
    ASSERT_TRUE(node(last).isValid());
    EXPECT_EQ(editor->Tree1->currentIndex(), node(last));
    EXPECT_LE(nodes().rowCount(body), ElementTreeModel::PageSize * 2);
    EXPECT_TRUE(nodes().canFetchEarlier(body));

    // Reading on in both directions gives every entry once, in order.
    while (nodes().canFetchEarlier(body))
        nodes().fetchEarlier(body);
    while (nodes().hasMore(body))
        nodes().fetchMore(body);
    ASSERT_EQ(nodes().rowCount(body), entries);
    for (int i = 1; i < entries; ++i)
        ASSERT_LT(nodes().text(nodes().index(i - 1, 0, body)), nodes().text(nodes().index(i, 0, body)));
}

TEST_F(ElementTreeTest, AnElementAddedUnderANodeShownWithoutChildrenIsRevealedOnce)
{
    const qint64 dog = entry("DOG");
    const qint64 note = element("8", dog);
    editor->RevealElement(note);  // shown while it had no children
    const qint64 first = element("8", note);
    const qint64 second = element("8", note);
    for (const qint64 id : {second, first}) {
        SCOPED_TRACE(id);
        editor->RevealElement(id);
        ASSERT_TRUE(node(id).isValid());
        EXPECT_EQ(editor->Tree1->currentIndex(), node(id));
        EXPECT_EQ(children(node(note)).size(), 2) << "each child once";
    }
}

TEST_F(ElementTreeTest, RevealingStopsOnADamagedFile)
{
    const qint64 dog = entry("DOG");
    const qint64 a = element("8", dog);
    const qint64 b = element("8", a);
    editor->RevealElement(3);
    EXPECT_EQ(nodes().key(editor->Tree1->currentIndex()), "n 3");

    struct Case {
        const char *what;
        const char *damage;
    } cases[] = {
        {"a parent cycle", "UPDATE elements SET parentID = %2 WHERE elemID = %1"},
        {"a missing parent", "UPDATE elements SET parentID = 999999 WHERE elemID = %1"},
    };
    TermbaseDB.execute("PRAGMA foreign_keys = OFF");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TermbaseDB.execute(QString::fromLatin1(c.damage).arg(a).arg(b));
        boxes.expect("Error Code TB003");
        editor->RevealElement(b);
        EXPECT_FALSE(boxes.pending());
        TermbaseDB.execute("UPDATE elements SET parentID = ? WHERE elemID = ?", {dog, a});
    }
    TermbaseDB.execute("PRAGMA foreign_keys = ON");
}

TEST_F(ElementTreeTest, ToolbarAndPopupFollowTheSelectedNode)
{
    const qint64 dog = entry("DOG");
    const qint64 en = section(dog, "en");
    const qint64 t = term(en, "dog", "en");
    const qint64 x = element("10.18", t);
    row("text_values", x, "see");
    pointer(x, t);
    const qint64 url = record("x10.21.1", Urls, "http://a");
    struct Case {
        qint64 elemID;
        bool addConcept, addTerm, del;
        bool popup, modify, goTo;
    } cases[] = {
        {dog, false, true, true, true, true, false},  {t, false, false, true, true, true, false},
        {3, true, false, false, false, false, false}, {1, false, false, false, false, false, false},
        {en, false, false, false, true, false, false}, {x, false, false, false, true, false, true},
        {url, false, false, false, true, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.elemID);
        ScriptedPopupMenus menus;
        if (c.popup)
            menus.chooseNothing();
        // Right-clicked straight away: the node pointed at is the current element that
        // the toolbar and the pop-up serve.
        click(c.elemID, Qt::RightButton);
        EXPECT_EQ(editor->CurrentElemID, c.elemID);
        EXPECT_EQ(editor->ToolBar1->button("concept")->isEnabled(), c.addConcept);
        EXPECT_EQ(editor->ToolBar1->button("term")->isEnabled(), c.addTerm);
        EXPECT_EQ(editor->ToolBar1->button("delete")->isEnabled(), c.del);
        ASSERT_EQ(menus.shown().size(), c.popup ? 1u : 0u);
        if (c.popup) {
            EXPECT_EQ(menus.shown()[0].item("Modify")->visible, c.modify);
            EXPECT_EQ(menus.shown()[0].item("Go to x-ref'ed element")->visible, c.goTo);
            EXPECT_TRUE(menus.shown()[0].item("Delete")->visible);
        }
    }
}

TEST_F(ElementTreeTest, ARightClickMakesTheNodePointedAtCurrentBeforeAnyCommand)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    const qint64 a = element("8", dog);
    row("text_values", a, "note A");
    const qint64 b = element("8", dog);
    row("text_values", b, "note B");
    ScriptedPopupMenus menus;

    // The value shown is the one of the note pointed at, and Edit keeps it there.
    click(a);
    ASSERT_EQ(editor->txtData->toPlainText(), "note A");
    menus.chooseNothing();
    clickNode(node(b), Qt::RightButton);
    EXPECT_EQ(editor->CurrentElemID, b);
    EXPECT_EQ(editor->txtData->toPlainText(), "note B");
    editor->cmdEdit->click();
    EXPECT_EQ(TermbaseDB.scalar("SELECT value FROM text_values WHERE elemID = ?", {b}).toString(), "note B");
    EXPECT_EQ(TermbaseDB.scalar("SELECT value FROM text_values WHERE elemID = ?", {a}).toString(), "note A");

    // A value editor opened for the term closes when the entry is pointed at: nothing
    // the term admits can be added under the entry.
    click(t);
    chooseCategory("2.1");
    ASSERT_TRUE(editor->lstData->isVisible());
    menus.chooseNothing();
    clickNode(node(dog), Qt::RightButton);
    EXPECT_EQ(editor->txtElem->text(), "DOG");
    EXPECT_FALSE(editor->fraEdit->isVisible());
    EXPECT_EQ(nodeImage(category("2.1")), "inactive");
}

TEST_F(ElementTreeTest, AClickOnNoNodeLeavesTheValueEditorAndWhatWasTypedInIt)
{
    const qint64 dog = entry("DOG");
    const qint64 cat = entry("CAT");
    ScriptedPopupMenus menus;
    editor->window()->resize(editor->window()->width(), 900);  // room below the rows beside the value editor
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        click(cat);
        click(dog);
        chooseCategory("8");
        ASSERT_TRUE(editor->fraEdit->isVisible());
        keys::focusBox(editor->txtData);
        keys::type("a draft");
        const QWidget *tree = editor->Tree1->viewport();
        ASSERT_FALSE(editor->Tree1->indexAt(QPoint(tree->width() / 2, tree->height() - 2)).isValid()) << "room below the rows";
        clickBelowRows(editor->Tree1, button);
        EXPECT_EQ(editor->CurrentElemID, dog);
        EXPECT_TRUE(editor->fraEdit->isVisible()) << "the value editor stays open";
        EXPECT_EQ(editor->txtData->toPlainText(), "a draft");
        EXPECT_TRUE(menus.shown().empty()) << "no pop-up for no node";
        const qint64 id = editor->LastElemID + 1;
        chooseLanguage("en");
        editor->cmdAssert->click();
        EXPECT_EQ(TermbaseDB.scalar("SELECT value FROM text_values WHERE elemID = ?", {id}).toString(), "a draft");
        EXPECT_EQ(count("SELECT parentID FROM elements WHERE elemID = ?", {id}), dog);
    }
}

TEST_F(ElementTreeTest, RenamingInPlaceStoresTermsAndBackMatterItemsOnly)
{
    const qint64 dog = entry("DOG");
    const qint64 t = term(section(dog, "en"), "dog", "en");
    const qint64 url = record("x10.21.1", Urls, "http://a");
    const qint64 reference = element("10.21.1", dog);
    pointer(reference, url);
    record("x10.2.2", Persons, "jdoe");
    const qint64 mm = record("x10.2.2", Persons, "mm");
    const char *terms = "SELECT term FROM TERMS WHERE elemID = ?";
    const char *texts = "SELECT value FROM text_values WHERE elemID = ?";
    struct Case {
        qint64 elemID;
        bool editable;
        const char *newText;
        const char *stored;  // the value row afterwards, and the label
        const char *sql;
        const char *message;
    } cases[] = {
        {t, true, "hound", "hound", terms, nullptr},
        {t, true, "hound", "hound", terms, nullptr},  // its own text: nothing changes
        {url, true, "http://b", "http://b", texts, nullptr},
        // Aliases are unique, as when a person is added.
        {mm, true, "jdoe", "mm", texts, "Another person has the alias jdoe already. Aliases are unique."},
        // Whatever their letter case: a disk that ignores it would give both one page.
        {mm, true, "JDoe", "mm", texts, "Another person has the alias jdoe already."},
        {mm, true, "MM", "MM", texts, nullptr},  // its own alias in other letters
        {reference, false, "", "", nullptr, nullptr},
        {dog, false, "", "", nullptr, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.elemID) + " " + c.newText);
        const QModelIndex n = click(c.elemID);
        const QString before = nodes().text(n);
        // F2 where the tree has the focus; where the value editor took it, a click on the
        // selected node starts the same edit once the double-click time has passed.
        if (QApplication::focusWidget() == editor->Tree1) {
            press(Qt::Key_F2);
        } else {
            clickNode(n);
            EXPECT_TRUE(QTest::qWaitFor([] { return qobject_cast<QLineEdit *>(QApplication::focusWidget()) != nullptr; }));
        }
        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        EXPECT_EQ(box != nullptr, c.editable);
        if (!box) {
            EXPECT_EQ(nodes().text(n), before);
            continue;
        }
        press(Qt::Key_A, Qt::ControlModifier);
        type(c.newText);
        if (c.message)
            boxes.expect(c.message);
        press(Qt::Key_Return);
        QCoreApplication::processEvents();  // the edit ends once the event loop runs
        EXPECT_FALSE(boxes.pending());
        // The tree never applies the edit itself: the label is what was stored.
        EXPECT_EQ(nodes().text(n), c.stored);
        EXPECT_EQ(TermbaseDB.scalar(c.sql, {c.elemID}).toString(), c.stored);
    }
    // The reference shows the new text when its node is read again.
    editor->collapseNode(node(dog));
    editor->RevealElement(reference);
    EXPECT_EQ(nodes().text(node(reference)), "http://b");
}

// The element tree and the categories, as a tree and as a list, open their pop-ups by the
// keys as by the right button, at the current node: Delete is only in the element's.
TEST_F(ElementTreeTest, TheTreesOpenTheirPopupsByTheKeysAtTheCurrentNode)
{
    ScriptedPopupMenus menus;
    const qint64 dog = entry("DOG");
    click(dog);
    expectPopupByEveryWay(menus, editor->Tree1, "Elem");
    EXPECT_EQ(editor->CurrentElemID, dog) << "the keys keep the current element";
    for (const char *shape : {"tree", "list"}) {
        SCOPED_TRACE(shape);
        TermbaseInfo.DCList = shape;
        editor->SetEditMode();
        chooseCategory("8");
        expectPopupByEveryWay(menus, &categories(), "Help");
    }
}
