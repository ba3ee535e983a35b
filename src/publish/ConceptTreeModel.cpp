#include "ConceptTreeModel.h"

#include "db/Text.h"
#include "ontology/ConceptTree.h"
#include "ui/CommandBoundary.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace {

// A node with more children than this finds a child through an index of their texts.
constexpr size_t IndexedChildren = 32;

}  // namespace

ConceptTreeModel::ConceptTreeModel(QObject *parent) : QAbstractItemModel(parent) {}
ConceptTreeModel::~ConceptTreeModel() = default;

void ConceptTreeModel::setTop(const QString &conceptId, bool mayHaveChildren)
{
    beginResetModel();
    m_top = std::make_unique<Node>();
    m_top->text = conceptId;
    m_top->serial = m_nextSerial++;
    m_top->mayHaveChildren = mayHaveChildren;
    ++m_generation;
    endResetModel();
}

void ConceptTreeModel::fetchChildren(Node *node)
{
    if (!node || node->fetched)
        return;
    const std::vector<ChildRow> rows = GetChildRows(node->text);
    node->fetched = true;
    if (rows.empty()) {
        node->mayHaveChildren = false;
        const QModelIndex at = indexOf(node);
        emit dataChanged(at, at);
        return;
    }
    beginInsertRows(indexOf(node), 0, int(rows.size()) - 1);
    node->children.reserve(rows.size());
    for (const ChildRow &r : rows) {
        auto child = std::make_unique<Node>();
        child->text = r.conceptId;
        child->parent = node;
        child->row = int(node->children.size());
        child->serial = m_nextSerial++;
        child->mayHaveChildren = r.hasChildren;
        node->children.push_back(std::move(child));
    }
    ++m_generation;
    endInsertRows();
}

void ConceptTreeModel::dropChildren(Node *node)
{
    if (!node)
        return;
    if (!node->children.empty()) {
        beginRemoveRows(indexOf(node), 0, int(node->children.size()) - 1);
        node->children.clear();
        node->childIndex.reset();
        ++m_generation;
        endRemoveRows();
    }
    node->fetched = false;
    node->mayHaveChildren = true;
}

ConceptTreeModel::Node *ConceptTreeModel::findChild(Node *node, const QString &conceptId)
{
    if (!node)
        return nullptr;
    if (node->children.size() > IndexedChildren) {
        if (!node->childIndex) {
            node->childIndex = std::make_unique<QHash<QString, int>>();
            node->childIndex->reserve(qsizetype(node->children.size()));
            for (const auto &c : node->children)
                node->childIndex->insert(ConceptKey(c->text), c->row);
        }
        const auto it = node->childIndex->constFind(ConceptKey(conceptId));
        return it == node->childIndex->cend() ? nullptr : node->children[size_t(*it)].get();
    }
    for (const auto &c : node->children)
        if (db::sameText(c->text, conceptId))
            return c.get();
    return nullptr;
}

ConceptTreeModel::Node *ConceptTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : nullptr;
}

QModelIndex ConceptTreeModel::indexOf(const Node *node) const
{
    return node ? createIndex(node->row, 0, const_cast<Node *>(node)) : QModelIndex();
}

std::vector<ConceptTreeModel::Node *> ConceptTreeModel::nodesWhere(const std::function<bool(const Node &)> &matches) const
{
    std::vector<Node *> out;
    if (!m_top)
        return out;
    std::vector<Node *> stack{m_top.get()};
    while (!stack.empty()) {
        Node *n = stack.back();
        stack.pop_back();
        if (matches(*n))
            out.push_back(n);
        for (const auto &c : n->children)
            stack.push_back(c.get());
    }
    std::sort(out.begin(), out.end(), [](const Node *a, const Node *b) { return a->serial < b->serial; });
    return out;
}

QModelIndex ConceptTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return (row == 0 && m_top) ? createIndex(0, 0, m_top.get()) : QModelIndex();
    const Node *p = nodeOf(parent);
    if (size_t(row) >= p->children.size())
        return {};
    return createIndex(row, 0, p->children[size_t(row)].get());
}

QModelIndex ConceptTreeModel::parent(const QModelIndex &child) const
{
    const Node *n = nodeOf(child);
    return n ? indexOf(n->parent) : QModelIndex();
}

int ConceptTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_top ? 1 : 0;
    return int(nodeOf(parent)->children.size());
}

QVariant ConceptTreeModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const Node *n = nodeOf(index);
    return n ? QVariant(n->text) : QVariant();
}

bool ConceptTreeModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return bool(m_top);
    const Node *n = nodeOf(parent);
    return !n->children.empty() || (n->mayHaveChildren && !n->fetched);
}

bool ConceptTreeModel::canFetchMore(const QModelIndex &parent) const
{
    const Node *n = nodeOf(parent);
    return n && n->mayHaveChildren && !n->fetched;
}

void ConceptTreeModel::fetchMore(const QModelIndex &parent)
{
    // The view asks from inside its own event handling, which no error may cross.
    ui::runCommand(nullptr, [&] { fetchChildren(nodeOf(parent)); });
}

ConceptTreeView::ConceptTreeView(QWidget *parent) : QTreeView(parent)
{
    setUniformRowHeights(true);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAnimated(false);
    setExpandsOnDoubleClick(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setResizeContentsPrecision(0);  // the rows on screen
    m_fitLater.setSingleShot(true);
    m_fitLater.setInterval(0);
    connect(&m_fitLater, &QTimer::timeout, this, [this] { fitColumn(); });
    const auto fitLater = [this] { m_fitLater.start(); };
    connect(this, &QTreeView::expanded, this, fitLater);
    connect(this, &QTreeView::collapsed, this, [this] {
        m_contentsWidth = 0;
        m_fitLater.start();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, fitLater);
}

void ConceptTreeView::fitColumn()
{
    m_fitLater.stop();
    // Only the rows on screen are measured, and the widest seen since the tree last lost
    // rows is kept: the width does not change back and forth as the user scrolls.
    m_contentsWidth = std::max(m_contentsWidth, sizeHintForColumn(0));
    const int wanted = std::max(m_contentsWidth, viewport()->width());
    if (header()->sectionSize(0) != wanted)
        header()->resizeSection(0, wanted);
}

void ConceptTreeView::reset()
{
    QTreeView::reset();
    m_contentsWidth = 0;
    m_fitLater.start();
}

void ConceptTreeView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    m_fitLater.start();
}

void ConceptTreeView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTreeView::scrollTo(index, hint);
    if (!index.isValid())
        return;
    fitColumn();
    updateGeometries();  // the scroll bar's range follows the new width now, not later
    // A horizontal scroll bar that the new width brings in takes its height from the
    // viewport only when the scroll area next lays itself out, queued; laid out now, the
    // row is scrolled to again so that it does not end under the bar.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    QTreeView::scrollTo(index, hint);
    const QRect item = visualRect(index);  // right of the node's indentation
    if (item.isEmpty())
        return;
    // From the node's expander to the end of its text, in the column's coordinates.
    const int left = std::max(0, horizontalOffset() + item.left() - indentation());
    const int right = horizontalOffset() + item.left() + sizeHintForIndex(index).width();
    QScrollBar *bar = horizontalScrollBar();
    const int width = viewport()->width();
    if (left < bar->value() || right - left > width)
        bar->setValue(left);
    else if (right > bar->value() + width)
        bar->setValue(right - width);
}
