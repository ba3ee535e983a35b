#pragma once
// The IS-A hierarchy below one top concept, read as it is shown: a node's children are
// read from the file, in one query that also tells which of them have children, when the
// node is first expanded, and dropped again when it is collapsed, so that expanding it
// anew shows the file as it is then. Only what the user or a search opened is held, so a
// tree over a million concepts costs what is on screen.
//
// Nodes keep the order in which they were added (the search walks them in that order),
// and a concept with several parents is a node under each parent that is open.

#include <QAbstractItemModel>
#include <QHash>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>
#include <vector>

class ConceptTreeModel : public QAbstractItemModel {
public:
    struct Node {
        QString text;
        Node *parent = nullptr;
        int row = 0;
        quint64 serial = 0;         // place in the order of addition
        bool mayHaveChildren = false;  // shows an expander
        bool fetched = false;          // children read since the last collapse
        std::vector<std::unique_ptr<Node>> children;
        std::unique_ptr<QHash<QString, int>> childIndex;  // by folded text, for wide nodes
    };

    explicit ConceptTreeModel(QObject *parent = nullptr);
    ~ConceptTreeModel() override;

    // Drops everything and shows one top node. An expander is offered when
    // mayHaveChildren is true, whether or not the concept has children.
    void setTop(const QString &conceptId, bool mayHaveChildren);
    Node *top() const { return m_top.get(); }

    // Reads the node's children unless they are read already.
    void fetchChildren(Node *node);
    // Drops the node's children; it shows an expander again.
    void dropChildren(Node *node);
    // The child whose text is the concept (letters compared as the file compares keys).
    Node *findChild(Node *node, const QString &conceptId);

    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(const Node *node) const;

    // The nodes for which matches holds, in the order of addition.
    std::vector<Node *> nodesWhere(const std::function<bool(const Node &)> &matches) const;
    // Changes with every node added or dropped: what was worked out from the nodes is
    // stale once it differs.
    quint64 generation() const { return m_generation; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override { return 1; }
    QVariant data(const QModelIndex &index, int role) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    std::unique_ptr<Node> m_top;
    quint64 m_nextSerial = 1;
    quint64 m_generation = 0;
};

// The tree control over the model: uniform rows, no header, read-only. A bulk reveal
// defers the layout to its end instead of laying the rows out at each node it opens.
//
// The one column is as wide as the rows shown so far need (at least the view's width),
// so a deep node's text is reached with the horizontal scroll bar; only the rows on
// screen are measured, never all that are loaded. A node scrolled to is brought into
// view both ways.
class ConceptTreeView : public QTreeView {
public:
    explicit ConceptTreeView(QWidget *parent = nullptr);
    void deferLayout() { scheduleDelayedItemsLayout(); }
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void reset() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitColumn();
    QTimer m_fitLater;  // many expansions in a row are measured once, after them
    int m_contentsWidth = 0;  // the widest row measured since rows were last dropped
};
