#pragma once
// What the navigator and the partial-tree windows share: the concept tree Tree1 filled as
// it is expanded, the find box cbxFind with its history, and the search that opens the
// tree along the IS-A paths to every concept it finds and then selects one node after
// the other. Each window adds its own rules for typed keys, the shortest search and the
// history.

#include "ConceptTreeModel.h"
#include "ontology/ConceptTree.h"
#include "ui/Form.h"

#include <QString>
#include <functional>
#include <vector>

class QComboBox;
class QMainWindow;
class QProgressBar;

namespace ui {
class StatusBar;
class Toolbar;
}  // namespace ui

class ConceptTreeWindow : public ui::Form {
public:
    using Node = ConceptTreeModel::Node;
    static constexpr int HistorySize = 20;

    ConceptTreeView *Tree1;
    ConceptTreeModel *TreeModel;
    QComboBox *cbxFind;
    ui::Toolbar *ToolBar1;
    ui::StatusBar *StatusBar1;
    QProgressBar *ProgressBar1;

    // The concepts found for the find box's text have been looked up and revealed.
    bool ConceptsRevealed = false;
    QString LastFindText;

    void Tree1_Expand(const QModelIndex &index);
    // A collapse drops the node's children and empties the find box.
    void Tree1_Collapse(const QModelIndex &index);
    void AddChildNodes(Node *node);
    // Opens the tree along every IS-A path from its top concept to the concept's parents.
    void RevealConcept(const QString &conceptId);
    virtual void SearchConcept() = 0;
    void AddFindHistory(const QString &text);
    void cbxFind_Change();

    // Shows exactly that concept: reveals it, selects its next node (the first, unless one
    // of its nodes is selected already) and returns it; says so and returns nullptr when
    // the concept is gone or not in this tree. afterLookUp runs once the concept was found
    // in the file, as it does for a search.
    Node *FindExactConcept(const QString &conceptId, const std::function<void()> &afterLookUp = {});

    Node *selectedNode() const;
    QString selectedText() const;
    // The history, most recent first.
    QStringList findHistory() const;

protected:
    explicit ConceptTreeWindow(int statusPanels);

    QMainWindow *mainWindow() const;
    // The find box sits at the left of the toolbar, on a place 3000 twips wide.
    void addFindBox();
    // The tree shows concept as its only top node.
    void setTopConcept(const QString &conceptId, bool mayHaveChildren);

    // The search with a pattern: the concepts that match are looked up and revealed unless
    // ConceptsRevealed, then the next node that matches is selected. afterLookUp runs once
    // the look-up found concepts.
    void searchPattern(const QString &pattern, const std::function<void()> &afterLookUp = {});
    void selectFromSearch(Node *node);

    // A click on a node, or a node chosen with the keys; not a node the search selects.
    virtual void nodeClicked() = 0;
    // Commands that need a selected node follow the selection.
    virtual void selectionChanged() {}

private:
    void connectTree();
    // The tree opens along every IS-A path from its top down to the concepts, top down,
    // each node on the way once: the nodes come in the order the tree shows them.
    void revealAll(const QStringList &concepts);
    void openNode(Node *node);
    // The next node for which matches() holds, in the order nodes were added; after the
    // last, the first again (the top node counting as the current one).
    Node *nextMatch(const QString &key, const std::function<bool(const Node &)> &matches);

    bool m_selectingFromSearch = false;
    // The nodes that match, worked out once per key and per state of the tree.
    QString m_matchKey;
    quint64 m_matchGeneration = 0;
    std::vector<Node *> m_matches;
};
