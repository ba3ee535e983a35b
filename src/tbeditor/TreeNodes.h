#pragma once
// Nodes of the termbase editor's trees and list, as the window addresses them: each has
// a key ("n1", "n 3", "n10.2") by which the window maps it back to an element or a
// category, and a picture key ("termbase", "concept", "active") that tells its kind.

#include <QHash>
#include <QIcon>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Pictures by key. A key without a picture draws nothing, but a node still carries it.
class ImageList {
public:
    void add(const QString &key, const QIcon &icon) { m_icons.insert(key, icon); }
    QIcon icon(const QString &key) const { return m_icons.value(key); }
    bool contains(const QString &key) const { return m_icons.contains(key); }

private:
    QHash<QString, QIcon> m_icons;
};

// Adds a node under parent, or at the top of the tree when parent is nullptr.
QTreeWidgetItem *addNode(QTreeWidget &tree, QTreeWidgetItem *parent, const QString &key, const QString &text,
                         const QString &image = {}, const ImageList *images = nullptr);

QString nodeKey(const QTreeWidgetItem *node);
QString nodeImage(const QTreeWidgetItem *node);
void setNodeImage(QTreeWidgetItem *node, const QString &image, const ImageList *images = nullptr);

// The first node, in the order the tree shows them (depth first), whose key is key;
// nullptr when none is.
QTreeWidgetItem *findNode(const QTreeWidget &tree, const QString &key);

// The one child of an element node whose children have not been read yet.
inline const QString ElementPlaceholder = QStringLiteral("FCNGMPSSBLND");
