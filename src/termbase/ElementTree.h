#pragma once
// The element tree as the termbase editor draws it: node keys, and the children of an
// element read page by page with the picture and label each one is drawn with.
//
// A node's picture key is also its kind for the rest of the editor (toolbar, pop-up
// menu, label editing, node click), so the table that chooses it lives here, beside the
// rows it reads, and nowhere else.

#include <QSet>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

constexpr qint64 RootElementID = 1;
constexpr qint64 EntriesContainerID = 3;  // "body": the term entries lie under it

// "n1" for the root, "n " & the elemID for every other element ("n 3").
QString ElementKey(qint64 elemID);
// The elemID a key names: its digits after the "n" (the blank is skipped); 0 for none.
qint64 ElementIdOfKey(const QString &key);

// The rows a node's picture and label are drawn from; a null value is a missing row.
struct ElementLabelRows {
    QString categoryID;
    QVariant entryConcept;     // TE_CONCEPTS.Concept of the element
    QVariant langID;      // elements_use_lang.langID of the element
    QVariant term;        // TERMS.term of the element
    QVariant ownRef;      // ref_values.value of the element
    QVariant ownText;     // text_values.value of the element
    QVariant targetRef;   // ref_values.value of the element its pointer names
    QVariant targetText;  // text_values.value of that element
};

struct ElementLook {
    QString picture;
    QString label;
};

// The picture and label of an element by its category and rows; dcName gives a
// category's name in the data-category language.
ElementLook LookOfElement(const ElementLabelRows &rows);

// One child as the tree shows it.
struct ElementNodeRow {
    qint64 elemID = 0;
    QString categoryID;
    QString picture;
    QString label;
    bool hasChildren = false;
    QString sortKey;  // the order under a node whose children are sorted by label
};

// How the children of a node are ordered: the root's as stored, the entries'
// container's (and any node labelled "body") by label, every other by categoryID as
// text, ties by elemID.
enum class ChildOrder { Stored, ByCategory, ByLabel };

// A child by its place in the label order.
struct SortedChild {
    qint64 elemID = 0;
    QString key;
};

// The children of a node sorted by label that are not term entries with a concept: the
// term entries come in the order of their concepts' index, these few are merged in.
// Read once when the node is read.
std::vector<SortedChild> ReadChildrenOutOfConceptOrder(qint64 parentID);
// What those children depend on, cheap to read: a reader may keep them while it is the
// same (the termbase and its category language, the number of children, the number of
// concept rows, the highest elemID).
struct ChildrenSignature {
    QString termbase;
    QString language;
    qint64 children = -1;
    qint64 conceptRows = -1;
    qint64 highestElement = -1;
    bool operator==(const ChildrenSignature &) const = default;
};
ChildrenSignature ReadChildrenSignature(qint64 parentID);

// Up to limit children of parentID that come after `after` in the order (from the first
// when after is nullptr); with backwards, the ones before it, nearest first. Children
// sorted by label need the node's others (ReadChildrenOutOfConceptOrder).
std::vector<ElementNodeRow> ReadChildElements(qint64 parentID, ChildOrder order, const ElementNodeRow *after,
                                              int limit, bool backwards = false,
                                              const std::vector<SortedChild> &others = {});

// The element as a child row of its parent; nullopt when there is no such element.
std::optional<ElementNodeRow> ReadElementNode(qint64 elemID);

// An element below another, as ReadSubtree lists it.
struct SubtreeElement {
    qint64 elemID = 0;
    QString categoryID;
    qint64 parentID = 0;
};
// Every element below root, to any depth, in elemID order, read in one query. A damaged
// tree whose parents run in a circle ends.
std::vector<SubtreeElement> ReadSubtree(qint64 root);

// Those of the elements that are no longer stored.
QSet<qint64> MissingElements(const std::vector<qint64> &elemIDs);

// The path from the element up to the child of the root: the element first. Stops, with
// damaged set, at a missing row or a parent met before, so a broken file cannot hold it.
struct ElementChain {
    std::vector<qint64> ids;  // the element, its parent, ... up to the root's child
    bool damaged = false;
};
ElementChain ElementChainOf(qint64 elemID);
