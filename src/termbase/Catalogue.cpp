#include "Catalogue.h"

#include "Global.h"
#include "db/Text.h"

#include <QHash>
#include <algorithm>
#include <QSet>

namespace {

struct Category {
    QString id;
    QString name;
};

// Category ids compare as the file compares them: ASCII letters without case.
QString fold(const QString &id)
{
    QString f = id;
    for (QChar &c : f)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return f;
}

QString keyOf(const QString &id) { return QLatin1Char('n') + id; }

}  // namespace

DataCategoryCatalogue BuildDataCategoryCatalogue()
{
    static const char *const tops[] = {"0", "1", "2", "descrip", "admin", "100"};

    // One query for the whole catalogue instead of one per node: the same rows, in
    // categoryID order, grouped by parent.
    db::Statement st(TermbaseDB,
                     QStringLiteral("SELECT datcats.categoryID, datcats.parentCatID, datcats_names.name "
                                    "FROM datcats INNER JOIN datcats_names ON datcats.categoryID = datcats_names.categoryID "
                                    "WHERE datcats_names.langID = ? ORDER BY datcats.categoryID"));
    st.bind(1, TermbaseInfo.DCLang);
    QHash<QString, std::vector<Category>> children;  // by folded parent id
    while (st.step())
        children[fold(st.column(1).toString())].push_back({st.column(0).toString(), st.column(2).toString()});

    DataCategoryCatalogue catalogue;
    const std::vector<Category> &topRows = children.value(fold(CatalogueRootText));
    if (topRows.empty())
        return catalogue;

    QSet<QString> added;  // a parent loop in a damaged file must not run forever
    for (const char *top : tops) {
        const auto found = std::find_if(topRows.begin(), topRows.end(),
                                        [&](const Category &c) { return db::sameText(c.id, QLatin1String(top)); });
        if (found == topRows.end()) {
            catalogue.missingTop = QLatin1String(top);
            return catalogue;
        }
        added.insert(fold(found->id));
        catalogue.tree.push_back({keyOf(found->id), CatalogueRootKey, found->name});
        catalogue.list.push_back(catalogue.tree.back());

        // Depth first without recursion: a node goes into the tree when it is reached
        // and into the list once all its descendants are in.
        struct Frame {
            CatalogueNode node;
            const std::vector<Category> *children;
            size_t next = 0;
        };
        static const std::vector<Category> none;
        const auto childrenOf = [&](const QString &id) {
            const auto it = children.constFind(fold(id));
            return it == children.cend() ? &none : &it.value();
        };
        std::vector<Frame> stack{{catalogue.tree.back(), childrenOf(found->id)}};
        while (!stack.empty()) {
            Frame &f = stack.back();
            if (f.next < f.children->size()) {
                const Category &c = (*f.children)[f.next++];
                if (added.contains(fold(c.id)))
                    continue;
                added.insert(fold(c.id));
                CatalogueNode node{keyOf(c.id), f.node.key, c.name};
                catalogue.tree.push_back(node);
                stack.push_back({node, childrenOf(c.id)});
            } else {
                const CatalogueNode done = f.node;
                stack.pop_back();
                if (!stack.empty())
                    catalogue.list.push_back(done);
            }
        }
    }
    return catalogue;
}
