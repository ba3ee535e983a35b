#pragma once
// The catalogue of data categories the editor offers for choosing a category: a tree
// (Tree2) and a flat list (ListView1) of the categories named in DCLang. This builds
// what they show; the window only draws it.

#include <QString>
#include <vector>

inline const QString CatalogueRootKey = QStringLiteral("nDC");
inline const QString CatalogueRootText = QStringLiteral("DC");

// A node is keyed "n" & categoryID; the window maps a choice back by dropping the "n".
struct CatalogueNode {
    QString key;
    QString parentKey;  // CatalogueRootKey for the top branches
    QString text;       // the category's name in DCLang
};

struct DataCategoryCatalogue {
    // Tree2's nodes below its root, in the order they are added: the top branches
    // "0", "1", "2", "descrip", "admin", "100", each followed depth first by its
    // descendants, the children of every node in categoryID order.
    std::vector<CatalogueNode> tree;
    // ListView1's items in order: each top category, then its descendants, every
    // category after its own descendants.
    std::vector<CatalogueNode> list;
    // A top category without a name in DCLang while others have one: the window shows
    // TB006. The branches before it are kept, those after it are not built.
    QString missingTop;
};

// Reads the categories of TermbaseDB named in TermbaseInfo.DCLang. A category whose
// parent has no name is left out with its whole branch; with no top category named
// at all, both are empty and nothing is missing.
DataCategoryCatalogue BuildDataCategoryCatalogue();
