#include "ElementTreeModel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

struct ElementTreeModel::Node {
    Node *parent = nullptr;
    int row = 0;  // place among the parent's children
    ElementNodeRow element;
    QString key;
    bool placeholder = false;
    ChildOrder order = ChildOrder::ByCategory;
    bool moreAfter = false;
    bool moreBefore = false;
    std::vector<std::unique_ptr<Node>> children;
    // Children sorted by label that the concepts' order does not bring: read with the node.
    std::vector<SortedChild> others;

    std::vector<ElementNodeRow> page(const ElementNodeRow *after, int limit, bool backwards = false) const
    {
        return ReadChildElements(element.elemID, order, after, limit, backwards, others);
    }
};

void ElementTreeModel::readOthers(Node *node)
{
    node->others.clear();
    if (node->order != ChildOrder::ByLabel)
        return;
    // Finding them walks every child; a branch read again unchanged keeps them.
    const ChildrenSignature signature = ReadChildrenSignature(node->element.elemID);
    auto cached = m_others.find(node->element.elemID);
    if (cached == m_others.end() || !(cached->signature == signature))
        cached = m_others.insert(node->element.elemID, {signature, ReadChildrenOutOfConceptOrder(node->element.elemID)});
    node->others = cached->others;
}

ElementTreeModel::ElementTreeModel(const ImageList &images, QObject *parent)
    : QAbstractItemModel(parent), m_images(images), m_root(std::make_unique<Node>())
{
}

ElementTreeModel::~ElementTreeModel() = default;

ElementTreeModel::Node *ElementTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_root.get();
}

QModelIndex ElementTreeModel::indexOf(const Node *node) const
{
    if (!node || node == m_root.get())
        return {};
    return createIndex(node->row, 0, const_cast<Node *>(node));
}

void ElementTreeModel::clear()
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    endResetModel();
}

std::unique_ptr<ElementTreeModel::Node> ElementTreeModel::makeNode(Node *parent, const ElementNodeRow &row) const
{
    auto node = std::make_unique<Node>();
    node->parent = parent;
    node->element = row;
    node->key = ElementKey(row.elemID);
    // The term entries are shown in the order of their concepts.
    node->order = row.elemID == RootElementID ? ChildOrder::Stored
                  : (row.label == QLatin1String("body") || row.elemID == EntriesContainerID) ? ChildOrder::ByLabel
                                                                                              : ChildOrder::ByCategory;
    return node;
}

void ElementTreeModel::addPlaceholder(Node *node)
{
    auto placeholder = std::make_unique<Node>();
    placeholder->parent = node;
    placeholder->placeholder = true;
    placeholder->element.label = ElementPlaceholder;
    placeholder->row = int(node->children.size());
    beginInsertRows(indexOf(node), placeholder->row, placeholder->row);
    node->children.push_back(std::move(placeholder));
    endInsertRows();
}

QModelIndex ElementTreeModel::addRoot(const QString &text)
{
    clear();
    ElementNodeRow row;
    row.elemID = RootElementID;
    row.categoryID = QStringLiteral("0");
    row.picture = QStringLiteral("termbase");
    row.label = text;
    row.hasChildren = true;
    auto root = makeNode(m_root.get(), row);
    beginInsertRows({}, 0, 0);
    m_root->children.push_back(std::move(root));
    endInsertRows();
    addPlaceholder(m_root->children.front().get());
    return rootNode();
}

QModelIndex ElementTreeModel::rootNode() const
{
    return m_root->children.empty() ? QModelIndex() : indexOf(m_root->children.front().get());
}

void ElementTreeModel::renumber(Node *node, size_t from)
{
    for (size_t i = from; i < node->children.size(); ++i)
        node->children[i]->row = int(i);
}

void ElementTreeModel::append(Node *node, std::vector<ElementNodeRow> rows)
{
    node->moreAfter = int(rows.size()) == PageSize;
    if (rows.empty())
        return;
    const int first = int(node->children.size());
    beginInsertRows(indexOf(node), first, first + int(rows.size()) - 1);
    for (const ElementNodeRow &row : rows) {
        auto child = makeNode(node, row);
        child->row = int(node->children.size());
        Node *added = child.get();
        node->children.push_back(std::move(child));
        if (row.hasChildren) {
            // Inside the insertion the placeholder is added directly.
            auto placeholder = std::make_unique<Node>();
            placeholder->parent = added;
            placeholder->placeholder = true;
            placeholder->element.label = ElementPlaceholder;
            added->children.push_back(std::move(placeholder));
        }
    }
    endInsertRows();
}

void ElementTreeModel::removeAllChildren(Node *node)
{
    if (node->children.empty())
        return;
    beginRemoveRows(indexOf(node), 0, int(node->children.size()) - 1);
    node->children.clear();
    endRemoveRows();
    node->moreAfter = false;
    node->moreBefore = false;
    node->others.clear();
}

void ElementTreeModel::readChildren(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    // Revealing an element reads the page that holds it before the view opens the
    // branch: those children stay, and none is read twice.
    if (!node->children.empty() && !node->children.front()->placeholder)
        return;
    if (!node->children.empty()) {
        beginRemoveRows(index, 0, 0);
        node->children.erase(node->children.begin());
        renumber(node, 0);
        endRemoveRows();
    }
    const qint64 around = std::exchange(m_readAround, 0);
    if (around != 0 && node->order == ChildOrder::ByLabel) {
        readChildrenAround(index, around);
        return;
    }
    readOthers(node);
    append(node, node->page(nullptr, PageSize));
}

void ElementTreeModel::dropChildren(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    removeAllChildren(node);
    addPlaceholder(node);
}

void ElementTreeModel::refreshNode(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    if (node == m_root.get())
        return;
    const std::optional<ElementNodeRow> row = ReadElementNode(node->element.elemID);
    if (!row)
        return;
    // The root keeps the picture and label it was given.
    if (node->element.elemID != RootElementID) {
        node->element.label = row->label;
        node->element.picture = row->picture;
        node->element.categoryID = row->categoryID;
    }
    node->element.hasChildren = row->hasChildren;
    removeAllChildren(node);
    if (row->hasChildren)
        addPlaceholder(node);
    emit dataChanged(index, index);
}

QModelIndex ElementTreeModel::readChildrenAround(const QModelIndex &index, qint64 elemID)
{
    Node *node = nodeOf(index);
    const std::optional<ElementNodeRow> target = ReadElementNode(elemID);
    removeAllChildren(node);
    if (!target)
        return {};
    readOthers(node);
    std::vector<ElementNodeRow> before = node->page(&*target, PageSize / 2, true);
    std::vector<ElementNodeRow> rows(before.rbegin(), before.rend());
    // The page goes on from the row before the element, so it starts with the element.
    const std::vector<ElementNodeRow> from = node->page(rows.empty() ? nullptr : &rows.back(), PageSize);
    const bool moreBefore = int(before.size()) == PageSize / 2;
    const bool moreAfter = int(from.size()) == PageSize;
    rows.insert(rows.end(), from.begin(), from.end());
    append(node, std::move(rows));
    node->moreAfter = moreAfter;
    node->moreBefore = moreBefore;
    return childByKey(index, ElementKey(elemID));
}

bool ElementTreeModel::canFetchEarlier(const QModelIndex &index) const
{
    const Node *node = nodeOf(index);
    return node->moreBefore && !node->children.empty();
}

void ElementTreeModel::fetchEarlier(const QModelIndex &index)
{
    Node *node = nodeOf(index);
    if (!canFetchEarlier(index))
        return;
    std::vector<ElementNodeRow> before = node->page(&node->children.front()->element, PageSize, true);
    node->moreBefore = int(before.size()) == PageSize;
    if (before.empty())
        return;
    beginInsertRows(index, 0, int(before.size()) - 1);
    std::vector<std::unique_ptr<Node>> added;
    for (auto it = before.rbegin(); it != before.rend(); ++it) {
        auto child = makeNode(node, *it);
        if (it->hasChildren) {
            auto placeholder = std::make_unique<Node>();
            placeholder->parent = child.get();
            placeholder->placeholder = true;
            placeholder->element.label = ElementPlaceholder;
            child->children.push_back(std::move(placeholder));
        }
        added.push_back(std::move(child));
    }
    node->children.insert(node->children.begin(), std::make_move_iterator(added.begin()),
                          std::make_move_iterator(added.end()));
    renumber(node, 0);
    endInsertRows();
}

QModelIndex ElementTreeModel::childByKey(const QModelIndex &index, const QString &key) const
{
    const Node *node = nodeOf(index);
    for (const auto &child : node->children)
        if (!child->placeholder && child->key == key)
            return indexOf(child.get());
    return {};
}

template <class NodeType, class Visit>
void ElementTreeModel::walk(NodeType *top, Visit visit)
{
    // Depth first in the order the tree shows its nodes, on a stack of its own, so that a
    // branch of any depth is no danger; the children are pushed after the visit, which
    // may have removed the node.
    std::vector<NodeType *> stack;
    const auto pushChildren = [&](NodeType *node) {
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            stack.push_back(it->get());
    };
    pushChildren(top);
    while (!stack.empty()) {
        NodeType *node = stack.back();
        stack.pop_back();
        switch (visit(node)) {
        case Walk::Into:
            pushChildren(node);
            break;
        case Walk::Past:
            break;
        case Walk::Stop:
            return;
        }
    }
}

QModelIndex ElementTreeModel::findKey(const QString &key) const
{
    const Node *found = nullptr;
    walk(static_cast<const Node *>(m_root.get()), [&](const Node *node) {
        if (node->placeholder || node->key != key)
            return Walk::Into;
        found = node;
        return Walk::Stop;
    });
    return indexOf(found);
}

std::vector<qint64> ElementTreeModel::elementsRead() const
{
    std::vector<qint64> out;
    walk(static_cast<const Node *>(m_root.get()), [&](const Node *node) {
        if (node->placeholder)
            return Walk::Past;
        out.push_back(node->element.elemID);
        return Walk::Into;
    });
    return out;
}

void ElementTreeModel::removeElements(const QSet<qint64> &elemIDs)
{
    if (elemIDs.isEmpty())
        return;
    walk(m_root.get(), [&](Node *node) {
        if (node->placeholder)
            return Walk::Past;
        if (!elemIDs.contains(node->element.elemID))
            return Walk::Into;
        // The node's later siblings wait on the stack; they keep their place in memory,
        // only their rows change.
        Node *parent = node->parent;
        const int row = node->row;
        beginRemoveRows(indexOf(parent), row, row);
        parent->children.erase(parent->children.begin() + row);
        renumber(parent, size_t(row));
        endRemoveRows();
        return Walk::Past;
    });
}

int ElementTreeModel::nodeCount() const
{
    int count = 0;
    walk(static_cast<const Node *>(m_root.get()), [&](const Node *) {
        ++count;
        return Walk::Into;
    });
    return count;
}

QString ElementTreeModel::key(const QModelIndex &index) const { return index.isValid() ? nodeOf(index)->key : QString(); }
QString ElementTreeModel::image(const QModelIndex &index) const
{
    return index.isValid() ? nodeOf(index)->element.picture : QString();
}
QString ElementTreeModel::text(const QModelIndex &index) const
{
    return index.isValid() ? nodeOf(index)->element.label : QString();
}
qint64 ElementTreeModel::elemID(const QModelIndex &index) const { return ElementIdOfKey(key(index)); }
bool ElementTreeModel::isPlaceholder(const QModelIndex &index) const
{
    return index.isValid() && nodeOf(index)->placeholder;
}

void ElementTreeModel::setText(const QModelIndex &index, const QString &text)
{
    if (!index.isValid())
        return;
    nodeOf(index)->element.label = text;
    emit dataChanged(index, index);
}

QModelIndex ElementTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[size_t(row)].get());
}

QModelIndex ElementTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indexOf(nodeOf(child)->parent);
}

int ElementTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int ElementTreeModel::columnCount(const QModelIndex &) const { return 1; }

QVariant ElementTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->element.label;
    case Qt::DecorationRole:
        return node->placeholder ? QVariant() : QVariant(m_images.icon(node->element.picture));
    default:
        return {};
    }
}

bool ElementTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    if (onLabelEdited)
        onLabelEdited(index, value.toString());
    return false;  // the handler sets the text once the new one is stored
}

Qt::ItemFlags ElementTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ElementTreeModel::hasMore(const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    return node->moreAfter && !node->children.empty() && !node->children.back()->placeholder;
}

std::vector<QModelIndex> ElementTreeModel::nodesWithMore() const
{
    std::vector<QModelIndex> out;
    walk(static_cast<const Node *>(m_root.get()), [&](const Node *node) {
        if (node->children.empty())
            return Walk::Past;
        if (node->moreAfter)
            out.push_back(indexOf(node));
        return Walk::Into;
    });
    return out;
}

void ElementTreeModel::fetchMore(const QModelIndex &parent)
{
    if (!hasMore(parent))
        return;
    Node *node = nodeOf(parent);
    append(node, node->page(&node->children.back()->element, PageSize));
}

// ---- The view --------------------------------------------------------------------------

ElementTreeView::ElementTreeView(QWidget *parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (onNodeClick)
            onNodeClick(index);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { readRowsInView(); });
}

void ElementTreeView::readRowsInView()
{
    if (!model())
        return;
    for (const QModelIndex &node : elements()->nodesWithMore()) {
        if (!isExpanded(node))
            continue;
        const QRect last = visualRect(elements()->index(elements()->rowCount(node) - 1, 0, node));
        if (last.isValid() && last.top() < viewport()->height())
            elements()->fetchMore(node);
    }
    if (verticalScrollBar()->value() != verticalScrollBar()->minimum())
        return;
    for (QModelIndex at = indexAt(QPoint(1, 1)); at.isValid(); at = at.parent())
        if (elements()->canFetchEarlier(at.parent())) {
            const QModelIndex first = at;
            elements()->fetchEarlier(at.parent());
            scrollTo(first, QAbstractItemView::PositionAtTop);
            break;
        }
}

void ElementTreeView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    readRowsInView();
}

bool ElementTreeView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (trigger != QAbstractItemView::AllEditTriggers && (editTriggers() & trigger) && beforeLabelEdit &&
        !beforeLabelEdit(index))
        return false;
    return QTreeView::edit(index, trigger, event);
}

void ElementTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex pointed = indexAt(event->position().toPoint());
    QTreeView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton && onMouseUp)
        onMouseUp(event->button(), pointed);
}

void ElementTreeView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    // Moving through the tree with the keys selects as a click does.
    if (currentIndex() != before && currentIndex().isValid() && onNodeClick)
        onNodeClick(currentIndex());
}
