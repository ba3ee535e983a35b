#pragma once
// The termbase editor with a new termbase open, and the means to build elements behind
// its back (as an older file would hold them) and to work through its tree, category
// tree and value editor as the user does.

#include "TBEditorFixture.h"
#include "support/ScriptedDialogs.h"
#include "termbase/ElementTree.h"
#include "ui/Toolbar.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

class ElementsTest : public TBEditorTest {
protected:
    ScriptedInputBoxes inputs;
    qint64 nextFixtureID = 1000;

    void SetUp() override
    {
        TBEditorTest::SetUp();
        newTermbase(QStringLiteral("Kin"));
        activate();
    }

    ElementTreeModel &nodes() const { return *editor->Tree1Nodes; }

    // ---- Rows made behind the window's back -------------------------------------------
    qint64 element(const QString &categoryID, qint64 parentID)
    {
        const qint64 id = nextFixtureID++;
        TermbaseDB.execute("INSERT INTO elements (elemID, categoryID, parentID) VALUES (?, ?, ?)", {id, categoryID, parentID});
        editor->LastElemID = std::max(editor->LastElemID, id);
        return id;
    }
    void row(const QString &table, qint64 elemID, const QVariant &value)
    {
        TermbaseDB.execute("INSERT INTO " + table + " (elemID, value) VALUES (?, ?)", {elemID, value});
    }
    void language(qint64 elemID, const QString &langID)
    {
        TermbaseDB.execute("INSERT INTO elements_use_lang (elemID, langID) VALUES (?, ?)", {elemID, langID});
    }
    void pointer(qint64 elemID, qint64 targetID)
    {
        TermbaseDB.execute("INSERT INTO pointers (elemID, targetID) VALUES (?, ?)", {elemID, targetID});
    }
    qint64 entry(const QString &conceptID)
    {
        const qint64 id = element("0.3", EntriesContainerID);
        TermbaseDB.execute("INSERT INTO TE_CONCEPTS (elemID, Concept) VALUES (?, ?)", {id, conceptID});
        return id;
    }
    qint64 section(qint64 entryID, const QString &langID)
    {
        const qint64 id = element("0.4", entryID);
        language(id, langID);
        return id;
    }
    qint64 term(qint64 sectionID, const QString &text, const QString &langID)
    {
        const qint64 id = element("1", sectionID);
        TermbaseDB.execute("INSERT INTO TERMS (elemID, term, langID) VALUES (?, ?, ?)", {id, text, langID});
        return id;
    }
    // A back-matter record of text under its container.
    qint64 record(const QString &categoryID, qint64 containerID, const QString &text)
    {
        const qint64 id = element(categoryID, containerID);
        row("text_values", id, text);
        return id;
    }

    qint64 count(const QString &sql, const QVariantList &params = {}) const
    {
        return TermbaseDB.scalar(sql, params).toLongLong();
    }

    // ---- Working through the window ----------------------------------------------------
    QModelIndex node(qint64 elemID) const { return nodes().findKey(ElementKey(elemID)); }

    // Clicks the node with the button, where the tree draws it.
    void clickNode(const QModelIndex &n, Qt::MouseButton button = Qt::LeftButton)
    {
        editor->Tree1->scrollTo(n);
        QTest::mouseClick(editor->Tree1->viewport(), button, {}, editor->Tree1->visualRect(n).center());
    }
    // Reveals the element and clicks it, as the user who opened its branches would.
    QModelIndex click(qint64 elemID, Qt::MouseButton button = Qt::LeftButton)
    {
        editor->RevealElement(elemID);
        const QModelIndex n = node(elemID);
        EXPECT_TRUE(n.isValid()) << "element " << elemID << " not in the tree";
        // Revealing selected the node from code; a click on a selected node would start
        // renaming it.
        editor->Tree1->selectionModel()->clearSelection();
        if (n.isValid())
            clickNode(n, button);
        return n;
    }

    // Renames the element in place as the user does: F2 where the tree has the focus;
    // where the value editor took it, a click on the selected node once the double-click
    // time has passed. The new text typed over the old, then Enter.
    void editLabel(qint64 elemID, const QString &text)
    {
        activate();  // as the user's click into it makes it, after a dialog say
        const QModelIndex n = click(elemID);
        if (QApplication::focusWidget() == editor->Tree1) {
            press(Qt::Key_F2);
        } else {
            clickNode(n);
            EXPECT_TRUE(QTest::qWaitFor([] { return qobject_cast<QLineEdit *>(QApplication::focusWidget()) != nullptr; }));
        }
        ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr)
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "no focus");
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
        press(Qt::Key_Return);
        QCoreApplication::processEvents();  // the edit ends once the event loop runs
    }

    QTreeWidget &categories() const { return editor->ListView1->isVisible() ? *editor->ListView1 : *editor->Tree2; }
    QTreeWidgetItem *category(const QString &categoryID) const { return findNode(categories(), "n" + categoryID); }
    // Clicks the category, its branch opened first as the user would.
    void chooseCategory(const QString &categoryID)
    {
        QTreeWidgetItem *item = category(categoryID);
        ASSERT_NE(item, nullptr) << categoryID.toStdString();
        for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        categories().scrollToItem(item);
        QTest::mouseClick(categories().viewport(), Qt::LeftButton, {}, categories().visualItemRect(item).center());
    }
    // Presses the toolbar button with the key.
    void toolbar(const char *key)
    {
        QTest::mouseClick(editor->ToolBar1->widgetForAction(editor->ToolBar1->button(key)), Qt::LeftButton);
    }
    // Keys typed where the focus is.
    void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void chooseLanguage(const QString &langID)
    {
        const auto found = editor->lstLang->findItems(langID, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        editor->lstLang->setCurrentItem(found.first());
    }
    void chooseItem(QListWidget &list, int row) { list.setCurrentRow(row); }

    // Under the element: the category chosen, the text typed, the language picked, Assert.
    void assertText(qint64 parentID, const QString &categoryID, const QString &text, const QString &langID = {})
    {
        click(parentID);
        chooseCategory(categoryID);
        editor->txtData->setPlainText(text);
        if (!langID.isEmpty())
            chooseLanguage(langID);
        editor->cmdAssert->click();
    }

    // The children of a node as the tree shows them: key, picture and label.
    QStringList children(const QModelIndex &parent) const
    {
        QStringList out;
        for (int i = 0; i < nodes().rowCount(parent); ++i) {
            const QModelIndex c = nodes().index(i, 0, parent);
            out << nodes().key(c) + "|" + nodes().image(c) + "|" + nodes().text(c);
        }
        return out;
    }
};
