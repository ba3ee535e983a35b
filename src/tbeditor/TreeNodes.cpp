#include "TreeNodes.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

}  // namespace

QTreeWidgetItem *addNode(QTreeWidget &tree, QTreeWidgetItem *parent, const QString &key, const QString &text,
                         const QString &image, const ImageList *images)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
    node->setText(0, text);
    node->setData(0, KeyRole, key);
    setNodeImage(node, image, images);
    return node;
}

QString nodeKey(const QTreeWidgetItem *node) { return node ? node->data(0, KeyRole).toString() : QString(); }

QString nodeImage(const QTreeWidgetItem *node) { return node ? node->data(0, ImageRole).toString() : QString(); }

void setNodeImage(QTreeWidgetItem *node, const QString &image, const ImageList *images)
{
    node->setData(0, ImageRole, image);
    node->setIcon(0, images ? images->icon(image) : QIcon());
}

QTreeWidgetItem *findNode(const QTreeWidget &tree, const QString &key)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it)
        if (nodeKey(*it) == key)
            return *it;
    return nullptr;
}
