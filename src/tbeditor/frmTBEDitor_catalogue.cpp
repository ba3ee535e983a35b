// The data categories of the open termbase as the editor offers them for choosing: the
// tree Tree2 and the list ListView1, in the termbase's data-category language.

#include "frmTBEDitor.h"

#include "app/frmWait.h"
#include "ontology/Global.h"
#include "termbase/Catalogue.h"
#include "termbase/Global.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QCollator>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <algorithm>

namespace {

// The list is read by name, so it is in the order of names in the categories' own
// language, letter case aside.
std::vector<CatalogueNode> byName(std::vector<CatalogueNode> items, const QString &language)
{
    QCollator collator{QLocale(language)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(items.begin(), items.end(), [&](const CatalogueNode &a, const CatalogueNode &b) {
        return collator.compare(a.text, b.text) < 0;
    });
    return items;
}

}  // namespace

void frmTBEDitor::LoadDataCategories()
{
    DataCategoryCatalogue catalogue;
    {
        const WaitWindow wait(*this, QStringLiteral("Loading Data Categories..."));
        ProgressBar1->setMaximum(RSDatCats ? int(std::min<qsizetype>(RSDatCats->recordCount(), INT_MAX)) : 0);
        ProgressBar1->setValue(0);
        ProgressBar1->show();

        Tree2->clear();
        ListView1->clear();
        QTreeWidgetItem *root = addNode(*Tree2, nullptr, CatalogueRootKey, CatalogueRootText);
        catalogue = BuildDataCategoryCatalogue();
        QHash<QString, QTreeWidgetItem *> byKey{{CatalogueRootKey, root}};
        qint64 added = 0;
        for (const CatalogueNode &n : catalogue.tree) {
            byKey.insert(n.key, addNode(*Tree2, byKey.value(n.parentKey, root), n.key, n.text));
            if (++added < ProgressBar1->maximum())
                ProgressBar1->setValue(int(added));
        }
        root->setExpanded(true);
        for (const CatalogueNode &n : byName(catalogue.list, TermbaseInfo.DCLang))
            addNode(*ListView1, nullptr, n.key, n.text, {}, &imlIconsTree1);
        ProgressBar1->hide();
    }
    if (!catalogue.missingTop.isEmpty()) {
        ui::errorBox(QStringLiteral("Data category not found. Fatal error. Please report. Error Code TB006"));
        return;
    }
    StatusBar1->setPanelText(1, OntologyInfo.Name);
}
