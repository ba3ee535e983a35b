#pragma once
// The main window with a small ontology open, for the tree windows and the navigator:
// a few concepts below OBJECT (CAR and CARGO, VAN with two parents, a lower-case
// identifier, identifiers with a quote and a bracket) and two below EVENT.

#include "ontology/HierarchyFixture.h"
#include "publish/ConceptTreeWindow.h"
#include "ui/Toolbar.h"
#include "support/MainWindowFixture.h"
#include "support/UserKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

class TreeWindowsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        newOntology(QStringLiteral("Trees"), QStringLiteral("trees.ont"));
        addIsA({
            {"CAR", "OBJECT"}, {"CARGO", "OBJECT"}, {"CART", "CAR"}, {"car-part", "CAR"},
            {"VAN", "CAR"}, {"VAN", "CARGO"}, {"VAN-X", "VAN"},
            {"Q\"UOTE", "OBJECT"}, {"BR[ACKET", "OBJECT"},
            {"AB", "EVENT"}, {"RUN", "EVENT"},
        });
        main->InitRSListConcepts();
    }

    using Node = ConceptTreeModel::Node;

    // The texts from the top node down to the node.
    static QStringList pathOf(const Node *node)
    {
        QStringList path;
        for (; node; node = node->parent)
            path.prepend(node->text);
        return path;
    }
    static QStringList childTexts(const Node *node)
    {
        QStringList out;
        for (const auto &c : node->children)
            out << c->text;
        return out;
    }
    static QStringList selectedPath(const ConceptTreeWindow &w) { return pathOf(w.selectedNode()); }
    static void type(ConceptTreeWindow &w, const QString &text) { w.cbxFind->setEditText(text); }

    // The window shown and active, as the user has it in front of him.
    static void activate(ConceptTreeWindow &w)
    {
        w.show();
        QApplication::setActiveWindow(w.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window()));
    }
    // A click into the find box, the text typed where the focus is, and a click on the
    // toolbar's find button.
    static void typeSearch(ConceptTreeWindow &w, const QString &text)
    {
        QTest::mouseClick(w.cbxFind->lineEdit(), Qt::LeftButton);
        w.cbxFind->clearEditText();
        QTest::keyClicks(QApplication::focusWidget(), text);
        QWidget *find = w.ToolBar1->widgetForAction(w.ToolBar1->button(QStringLiteral("find")));
        QTest::mouseClick(find, Qt::LeftButton);
    }
    // A click with the button on the node, where the tree shows it.
    static void clickNode(ConceptTreeWindow &w, const Node *node, Qt::MouseButton button = Qt::LeftButton)
    {
        const QModelIndex index = w.TreeModel->indexOf(node);
        w.Tree1->scrollTo(index);
        QTest::mouseClick(w.Tree1->viewport(), button, {}, w.Tree1->visualRect(index).center());
    }
    // A click on the node's expander, left of its text.
    static void clickExpander(ConceptTreeWindow &w, const Node *node)
    {
        const QModelIndex index = w.TreeModel->indexOf(node);
        w.Tree1->scrollTo(index);
        const QRect item = w.Tree1->visualRect(index);
        QTest::mouseClick(w.Tree1->viewport(), Qt::LeftButton, {},
                          QPoint(item.left() - w.Tree1->indentation() / 2, item.center().y()));
    }
    // The window shown and active with the focus in its find box, where the user's keys go.
    static void focusFindBox(ConceptTreeWindow &w) { keys::focusBox(w.cbxFind); }
};
