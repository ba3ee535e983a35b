#pragma once
// The main window with a small ontology open, for the tree windows and the navigator:
// a few concepts below OBJECT (CAR and CARGO, VAN with two parents, a lower-case
// identifier, identifiers with a quote and a bracket) and two below EVENT.

#include "ontology/HierarchyFixture.h"
#include "publish/ConceptTreeWindow.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
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
};
