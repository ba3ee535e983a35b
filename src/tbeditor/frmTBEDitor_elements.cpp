// The element tree of the open termbase.

#include "frmTBEDitor.h"

#include "termbase/DataCategories.h"

#include <QTreeWidget>

void frmTBEDitor::BuildElementRoot()
{
    Tree1->clear();
    QTreeWidgetItem *root = addNode(*Tree1, nullptr, QStringLiteral("n1"), GetDataCategoryName(QStringLiteral("0")),
                                    QStringLiteral("termbase"), &imlIconsTree1);
    addNode(*Tree1, root, QString(), ElementPlaceholder);
}
