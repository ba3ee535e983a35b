#pragma once
// The element tree of the open termbase as a model that reads rows as they are shown.
//
// A node whose children have not been read carries one placeholder child (text
// "FCNGMPSSBLND", no key); reading a node drops it and reads the first page of children,
// further pages follow as the view scrolls to them (fetchMore), and dropping a node's
// children puts the placeholder back, so the next read shows the file as it is then.
// Memory follows what has been read, never the number of elements in the file.

#include "TreeNodes.h"
#include "termbase/ElementTree.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QTreeView>
#include <functional>
#include <memory>
#include <vector>

class ElementTreeModel : public QAbstractItemModel {
public:
    // Rows read at a time under one node.
    static constexpr int PageSize = 200;

    explicit ElementTreeModel(const ImageList &images, QObject *parent = nullptr);
    ~ElementTreeModel() override;

    void clear();
    // The root element's node with its placeholder; the tree holds nothing else.
    QModelIndex addRoot(const QString &text);
    QModelIndex rootNode() const;

    // Drops the node's placeholder and reads the first page of its children, or, once
    // after readAroundNext, the page that holds that element; children read already stay.
    void readChildren(const QModelIndex &node);
    void readAroundNext(qint64 elemID) { m_readAround = elemID; }
    // Drops every child and gives the node its placeholder again.
    void dropChildren(const QModelIndex &node);
    // Reads the node's own row again (label, picture, whether it has children) and drops
    // its children, giving it the placeholder when it has any.
    void refreshNode(const QModelIndex &node);
    // Reads the node's children again, as the page that holds the element, so that it can
    // be shown however far it lies in the order; invalid when the node has no such child.
    QModelIndex readChildrenAround(const QModelIndex &node, qint64 elemID);
    // Rows after the last one read, and the nodes that have them.
    bool hasMore(const QModelIndex &node) const;
    std::vector<QModelIndex> nodesWithMore() const;
    // Rows before the first one read (after readChildrenAround).
    bool canFetchEarlier(const QModelIndex &node) const;
    void fetchEarlier(const QModelIndex &node);

    // The elements of every node read.
    std::vector<qint64> elementsRead() const;
    // Removes every node, with its branch, that shows one of the elements.
    void removeElements(const QSet<qint64> &elemIDs);

    // The node's child with the key, among the children read; invalid when none.
    QModelIndex childByKey(const QModelIndex &node, const QString &key) const;
    // Every node read, depth first, that has the key; invalid when none.
    QModelIndex findKey(const QString &key) const;
    // The number of nodes in the tree, placeholders included.
    int nodeCount() const;

    QString key(const QModelIndex &node) const;
    QString image(const QModelIndex &node) const;
    QString text(const QModelIndex &node) const;
    qint64 elemID(const QModelIndex &node) const;
    bool isPlaceholder(const QModelIndex &node) const;
    void setText(const QModelIndex &node, const QString &text);

    // Runs for a label typed in place; the handler stores it and sets the text itself.
    std::function<void(const QModelIndex &node, const QString &newText)> onLabelEdited;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The view lays the tree out often and would read more rows of every open node each
    // time: the tree reads them itself, when the last one read comes into view.
    bool canFetchMore(const QModelIndex &) const override { return false; }
    void fetchMore(const QModelIndex &parent) override;

private:
    struct Node;
    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(const Node *node) const;
    std::unique_ptr<Node> makeNode(Node *parent, const ElementNodeRow &row) const;
    void addPlaceholder(Node *node);
    void append(Node *node, std::vector<ElementNodeRow> rows);
    void removeAllChildren(Node *node);
    static void renumber(Node *node, size_t from);
    // The one walk of the nodes read: visit says whether to go into a node's children.
    enum class Walk { Into, Past, Stop };
    template <class NodeType, class Visit>
    static void walk(NodeType *top, Visit visit);
    void readOthers(Node *node);

    const ImageList &m_images;
    std::unique_ptr<Node> m_root;
    qint64 m_readAround = 0;
    struct Others {
        ChildrenSignature signature;
        std::vector<SortedChild> others;
    };
    QHash<qint64, Others> m_others;
};

// The view of the element tree: a click, the release of any other button and the start
// of a label edit reach the window's handlers; scrolling to the top reads earlier rows.
class ElementTreeView : public QTreeView {
public:
    explicit ElementTreeView(QWidget *parent = nullptr);

    ElementTreeModel *elements() const { return static_cast<ElementTreeModel *>(model()); }
    using QTreeView::edit;  // starting an edit from code (Modify)

    std::function<void(const QModelIndex &)> onNodeClick;
    // The press of any button moves the selected node, but only the left one clicks, and
    // the right one asks for the pop-up (ui::onPopupRequest): this is the release of any
    // other. pointed is the node under the pointer (invalid over empty space).
    std::function<void(Qt::MouseButton button, const QModelIndex &pointed)> onMouseUp;
    // False refuses the edit.
    std::function<bool(const QModelIndex &)> beforeLabelEdit;

    // Reads the next rows of every open node whose last row read is in view, and the rows
    // before the first one of a node scrolled to the top.
    void readRowsInView();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
