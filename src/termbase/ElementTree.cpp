#include "ElementTree.h"

#include "DataCategories.h"
#include "Global.h"
#include "ui/Like.h"

#include <QSet>

namespace {

QString dcName(const QString &categoryID) { return GetDataCategoryName(categoryID); }

// The value when its row is there, else the category's name.
QString valueOr(const QVariant &value, const QString &categoryID)
{
    return value.isNull() ? dcName(categoryID) : value.toString();
}

bool between(const QString &id, const char *low, const char *high)
{
    return id >= QLatin1String(low) && id <= QLatin1String(high);
}

bool isOneOf(const QString &id, std::initializer_list<const char *> ids)
{
    for (const char *one : ids)
        if (id == QLatin1String(one))
            return true;
    return false;
}

ElementLook languageSectionLook(const QVariant &langID)
{
    if (langID.isNull())
        return {QStringLiteral("world"), dcName(QStringLiteral("0.4"))};
    static const struct {
        const char *langID;
        const char *label;
        const char *picture;
    } known[] = {{"en", "English", "lsen"}, {"es", "Spanish", "lses"},   {"de", "German", "lsde"},
                 {"fr", "French", "lsfr"},  {"ca", "Catalan", "lsca"},   {"it", "Italian", "lsit"},
                 {"sv", "Swedish", "lssv"}, {"no", "Norwegian", "lsno"}, {"nl", "Dutch", "lsnl"},
                 {"da", "Danish", "lsda"}};
    const QString id = langID.toString();
    for (const auto &k : known)
        if (id == QLatin1String(k.langID))
            return {QString::fromLatin1(k.picture), QString::fromLatin1(k.label)};
    return {QStringLiteral("lsgen"), id};
}

// The columns every read of child rows returns, from the element e and its rows; the
// pointer's target is the first pointer row of the element, as its index orders them.
const QString labelColumns = QStringLiteral(
    "e.elemID, e.categoryID, tc.Concept, ul.langID, t.term, rv.value, tv.value, "
    "(SELECT r2.value FROM pointers p LEFT JOIN ref_values r2 ON r2.elemID = p.targetID "
    " WHERE p.elemID = e.elemID ORDER BY p.targetID LIMIT 1), "
    "(SELECT t2.value FROM pointers p LEFT JOIN text_values t2 ON t2.elemID = p.targetID "
    " WHERE p.elemID = e.elemID ORDER BY p.targetID LIMIT 1), "
    "EXISTS (SELECT 1 FROM elements c WHERE c.parentID = e.elemID) ");
const QString labelJoins = QStringLiteral(
    "LEFT JOIN TE_CONCEPTS tc ON tc.elemID = e.elemID "
    "LEFT JOIN elements_use_lang ul ON ul.elemID = e.elemID "
    "LEFT JOIN TERMS t ON t.elemID = e.elemID "
    "LEFT JOIN ref_values rv ON rv.elemID = e.elemID "
    "LEFT JOIN text_values tv ON tv.elemID = e.elemID ");

// The label of the children sorted by label, as far as it lies in the element's own
// rows; only term entries are found under the entries' container in practice. Each row
// is looked up only for the categories that need it.
const QString sortLabel = QStringLiteral(
    "(CASE WHEN e.categoryID = '0.3' THEN (SELECT Concept FROM TE_CONCEPTS WHERE elemID = e.elemID) "
    " WHEN e.categoryID = '1' THEN (SELECT term FROM TERMS WHERE elemID = e.elemID) "
    " WHEN e.categoryID IN ('x5.5', 'x11.1') THEN (SELECT value FROM ref_values WHERE elemID = e.elemID) "
    " WHEN e.categoryID IN ('10.18', 'xx4', 'x10.2.2', 'x10.20', 'x10.21.1', 'x10.21.2') "
    "  THEN (SELECT value FROM text_values WHERE elemID = e.elemID) END)");
const QString sortKey = QStringLiteral("COALESCE(") + sortLabel +
                        QStringLiteral(", (SELECT name FROM datcats_names WHERE categoryID = e.categoryID AND langID = ?3), '')");

ElementNodeRow rowOf(db::Statement &st)
{
    ElementLabelRows rows;
    rows.categoryID = st.column(1).toString();
    rows.entryConcept = st.column(2);
    rows.langID = st.column(3);
    rows.term = st.column(4);
    rows.ownRef = st.column(5);
    rows.ownText = st.column(6);
    rows.targetRef = st.column(7);
    rows.targetText = st.column(8);
    const ElementLook look = LookOfElement(rows);
    ElementNodeRow node;
    node.elemID = st.column(0).toLongLong();
    node.categoryID = rows.categoryID;
    node.picture = look.picture;
    node.label = look.label;
    node.hasChildren = st.column(9).toLongLong() != 0;
    return node;
}

}  // namespace

QString ElementKey(qint64 elemID)
{
    return elemID == RootElementID ? QStringLiteral("n1") : QStringLiteral("n ") + QString::number(elemID);
}

qint64 ElementIdOfKey(const QString &key) { return key.mid(1).trimmed().toLongLong(); }

ElementLook LookOfElement(const ElementLabelRows &r)
{
    const QString &id = r.categoryID;
    const auto like = [&id](const char *pattern) { return ui::Like(id, QString::fromLatin1(pattern)); };
    const auto dc = [&id] { return dcName(id); };

    if (id == QLatin1String("2.1") || like("2.2.?") || like("2.3.?") || like("2.4.?") || like("2.8.?") ||
        like("2.9.?") || like("3.?"))
        return {QStringLiteral("attribute"), dc()};
    if (id == QLatin1String("0.3"))
        return {QStringLiteral("concept"), valueOr(r.entryConcept, id)};
    if (id == QLatin1String("0.4"))
        return languageSectionLook(r.langID);
    if (id == QLatin1String("1"))
        return {QStringLiteral("term"), valueOr(r.term, id)};
    if (id == QLatin1String("8"))
        return {QStringLiteral("note"), dc()};
    if (id == QLatin1String("x3"))
        return {QStringLiteral("responsibles"), dc()};
    if (id == QLatin1String("x5.5"))
        return {QStringLiteral("binary"), valueOr(r.ownRef, id)};
    if (between(id, "5.5.1", "5.5.5") || id == QLatin1String("5.3x")) {
        static const struct {
            const char *id;
            const char *picture;
        } files[] = {{"5.3x", "context"}, {"5.5.1", "figure"}, {"5.5.2", "audio"},
                     {"5.5.3", "video"},  {"5.5.4", "table"},  {"5.5.5", "binary"}};
        QString picture = QStringLiteral("binary");  // a file category of the range without a picture of its own
        for (const auto &f : files)
            if (id == QLatin1String(f.id))
                picture = QString::fromLatin1(f.picture);
        return {picture, valueOr(r.targetRef, id)};
    }
    if (between(id, "10.2.2.1", "10.2.2.9") || isOneOf(id, {"10.20", "4", "10.21.1", "10.21.2"})) {
        if (like("10.2.2.*"))
            return {QStringLiteral("responsible"),
                    r.targetText.isNull() ? dc() : dc() + QStringLiteral(": ") + r.targetText.toString()};
        const QString picture = id == QLatin1String("10.20") ? QStringLiteral("pub")
                                : id == QLatin1String("4")   ? QStringLiteral("subjectfield")
                                                             : QStringLiteral("url");
        return {picture, valueOr(r.targetText, id)};
    }
    if (between(id, "9.2.1", "9.2.4") || isOneOf(id, {"3.5x", "3.2x", "10.6.1", "10.18.5", "10.18.6"}))
        return {QStringLiteral("xref"), dc()};
    if (id == QLatin1String("10.18"))
        return {QStringLiteral("xref"), valueOr(r.ownText, id)};
    if (id == QLatin1String("x10.3"))
        return {QStringLiteral("subset"), dc()};
    if (isOneOf(id, {"xx4", "x10.2.2", "x10.20", "x10.21.1", "x10.21.2"})) {
        const QString picture = id == QLatin1String("xx4")       ? QStringLiteral("subjectfield")
                                : id == QLatin1String("x10.2.2") ? QStringLiteral("responsible")
                                : id == QLatin1String("x10.20")  ? QStringLiteral("pub")
                                                                 : QStringLiteral("url");
        return {picture, valueOr(r.ownText, id)};
    }
    if (id == QLatin1String("x4.2"))
        return {QStringLiteral("classifsystem"), dc()};
    if (isOneOf(id, {"x7.2", "x9.1"}))
        return {QStringLiteral("conceptsystem"), dc()};
    if (id == QLatin1String("x11.1"))
        return {QStringLiteral("context"), valueOr(r.ownRef, id)};
    if (isOneOf(id, {"x1", "x2", "x4", "x5", "x6", "x7", "x8", "x9", "x10", "x11"}))
        return {QStringLiteral("container"), dc()};
    if (like("0*"))
        return {QStringLiteral("folder"), dc()};
    return {QStringLiteral("attribute"), dc()};
}

std::vector<SortedChild> ReadChildrenOutOfConceptOrder(qint64 parentID)
{
    db::Statement st(TermbaseDB, QStringLiteral("SELECT e.elemID, ") + sortKey +
                                     QStringLiteral(" FROM elements e WHERE e.parentID = ?1 AND (e.categoryID <> '0.3' OR "
                                                    "NOT EXISTS (SELECT 1 FROM TE_CONCEPTS t WHERE t.elemID = e.elemID))"));
    st.bind(1, parentID);
    st.bind(3, TermbaseInfo.DCLang);
    std::vector<SortedChild> out;
    while (st.step())
        out.push_back({st.column(0).toLongLong(), st.column(1).toString()});
    return out;
}

ChildrenSignature ReadChildrenSignature(qint64 parentID)
{
    ChildrenSignature s;
    s.termbase = TermbasePath;
    s.language = TermbaseInfo.DCLang;
    s.children = TermbaseDB.scalar(QStringLiteral("SELECT count(*) FROM elements WHERE parentID = ?"), {parentID}).toLongLong();
    s.conceptRows = TermbaseDB.scalar(QStringLiteral("SELECT count(*) FROM TE_CONCEPTS")).toLongLong();
    s.highestElement = TermbaseDB.scalar(QStringLiteral("SELECT max(elemID) FROM elements")).toLongLong();
    return s;
}

namespace {

// Labels compare as the file compares them: ASCII letters without regard to case.
QByteArray foldedKey(const QString &key)
{
    QByteArray bytes = key.toUtf8();
    for (char &c : bytes)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return bytes;
}

bool labelOrderLess(const SortedChild &a, const SortedChild &b)
{
    const int c = foldedKey(a.key).compare(foldedKey(b.key));
    return c != 0 ? c < 0 : a.elemID < b.elemID;
}

// The keys of a page of children sorted by label: the term entries walked in the order
// of the concepts' index, merged with the few other children the caller read once.
std::vector<SortedChild> labelPage(qint64 parentID, const ElementNodeRow *after, int limit, bool backwards,
                                   const std::vector<SortedChild> &others)
{
    QString sql = QStringLiteral("SELECT tc.elemID, tc.Concept FROM TE_CONCEPTS tc CROSS JOIN elements e "
                                 "ON e.elemID = tc.elemID AND e.parentID = ?1 AND e.categoryID = '0.3' ");
    if (after)
        sql += backwards ? QStringLiteral("WHERE tc.Concept <= ?5 AND NOT (tc.Concept = ?5 AND tc.elemID >= ?4) ")
                         : QStringLiteral("WHERE tc.Concept >= ?5 AND NOT (tc.Concept = ?5 AND tc.elemID <= ?4) ");
    sql += backwards ? QStringLiteral("ORDER BY tc.Concept DESC, tc.elemID DESC LIMIT ?2")
                     : QStringLiteral("ORDER BY tc.Concept, tc.elemID LIMIT ?2");
    db::Statement st(TermbaseDB, sql);
    st.bind(1, parentID);
    st.bind(2, limit);
    if (after) {
        st.bind(4, after->elemID);
        st.bind(5, after->sortKey);
    }
    std::vector<SortedChild> page;
    while (st.step())
        page.push_back({st.column(0).toLongLong(), st.column(1).toString()});
    const SortedChild from{after ? after->elemID : 0, after ? after->sortKey : QString()};
    for (const SortedChild &o : others)
        if (!after || (backwards ? labelOrderLess(o, from) : labelOrderLess(from, o)))
            page.push_back(o);
    if (backwards)
        std::sort(page.begin(), page.end(), [](const SortedChild &a, const SortedChild &b) { return labelOrderLess(b, a); });
    else
        std::sort(page.begin(), page.end(), labelOrderLess);
    if (int(page.size()) > limit)
        page.resize(size_t(limit));
    return page;
}

}  // namespace

std::vector<ElementNodeRow> ReadChildElements(qint64 parentID, ChildOrder order, const ElementNodeRow *after,
                                              int limit, bool backwards, const std::vector<SortedChild> &others)
{
    // The page is chosen on the element and its order key alone; the label columns are
    // read for the rows of the page only.
    std::vector<SortedChild> keys;
    if (order == ChildOrder::ByLabel) {
        keys = labelPage(parentID, after, limit, backwards, others);
    } else {
        const QString direction = backwards ? QStringLiteral(" DESC") : QString();
        QString sql = QStringLiteral("SELECT e.elemID, e.categoryID FROM elements e WHERE e.parentID = ?1");
        if (after && order == ChildOrder::Stored)
            sql += backwards ? QStringLiteral(" AND e.elemID < ?4") : QStringLiteral(" AND e.elemID > ?4");
        if (after && order == ChildOrder::ByCategory)
            sql += backwards ? QStringLiteral(" AND (e.categoryID < ?5 COLLATE BINARY OR "
                                              "(e.categoryID = ?5 COLLATE BINARY AND e.elemID < ?4))")
                             : QStringLiteral(" AND (e.categoryID > ?5 COLLATE BINARY OR "
                                              "(e.categoryID = ?5 COLLATE BINARY AND e.elemID > ?4))");
        sql += QStringLiteral(" ORDER BY ");
        if (order == ChildOrder::ByCategory)
            sql += QStringLiteral("e.categoryID COLLATE BINARY") + direction + QStringLiteral(", ");
        sql += QStringLiteral("e.elemID") + direction + QStringLiteral(" LIMIT ?2");
        db::Statement page(TermbaseDB, sql);
        page.bind(1, parentID);
        page.bind(2, limit);
        if (after) {
            page.bind(4, after->elemID);
            if (order == ChildOrder::ByCategory)
                page.bind(5, after->categoryID);
        }
        while (page.step())
            keys.push_back({page.column(0).toLongLong(), QString()});
    }

    std::vector<ElementNodeRow> rows;
    rows.reserve(keys.size());
    db::Statement one(TermbaseDB, QStringLiteral("SELECT ") + labelColumns + QStringLiteral("FROM elements e ") + labelJoins +
                                      QStringLiteral("WHERE e.elemID = ?"));
    for (const SortedChild &key : keys) {
        one.reset();
        one.bind(1, key.elemID);
        if (!one.step())
            continue;  // gone between the two reads: nothing to draw
        ElementNodeRow row = rowOf(one);
        row.sortKey = key.key;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<ElementNodeRow> ReadElementNode(qint64 elemID)
{
    db::Statement one(TermbaseDB,
                      QStringLiteral("SELECT ") + labelColumns + QStringLiteral(", ") + sortKey +
                          QStringLiteral(" FROM elements e ") + labelJoins + QStringLiteral("WHERE e.elemID = ?1"));
    one.bind(1, elemID);
    one.bind(3, TermbaseInfo.DCLang);
    if (!one.step())
        return std::nullopt;
    ElementNodeRow row = rowOf(one);
    row.sortKey = one.column(10).toString();
    return row;
}

std::vector<SubtreeElement> ReadSubtree(qint64 root)
{
    std::vector<SubtreeElement> out;
    // UNION drops rows met again, so parents that run in a circle end the climb down.
    db::Statement st(TermbaseDB, QStringLiteral("WITH RECURSIVE t(elemID, categoryID, parentID) AS ("
                                                "SELECT elemID, categoryID, parentID FROM elements WHERE parentID = ? UNION "
                                                "SELECT e.elemID, e.categoryID, e.parentID FROM elements e "
                                                "JOIN t ON e.parentID = t.elemID) "
                                                "SELECT elemID, categoryID, parentID FROM t ORDER BY elemID"));
    st.bind(1, root);
    while (st.step())
        out.push_back({st.column(0).toLongLong(), st.column(1).toString(), st.column(2).toLongLong()});
    return out;
}

QSet<qint64> MissingElements(const std::vector<qint64> &elemIDs)
{
    QSet<qint64> missing;
    db::Statement stored(TermbaseDB, QStringLiteral("SELECT 1 FROM elements WHERE elemID = ?"));
    for (const qint64 id : elemIDs) {
        stored.reset();
        stored.bind(1, id);
        if (!stored.step())
            missing.insert(id);
    }
    return missing;
}

ElementChain ElementChainOf(qint64 elemID)
{
    ElementChain chain;
    QSet<qint64> seen;
    db::Statement parentOf(TermbaseDB, QStringLiteral("SELECT parentID FROM elements WHERE elemID = ?"));
    qint64 current = elemID;
    while (current != RootElementID) {
        if (seen.contains(current)) {
            chain.damaged = true;
            break;
        }
        seen.insert(current);
        parentOf.reset();
        parentOf.bind(1, current);
        if (!parentOf.step()) {
            chain.damaged = true;
            break;
        }
        chain.ids.push_back(current);
        const QVariant parent = parentOf.column(0);
        if (parent.isNull()) {
            chain.damaged = true;
            break;
        }
        current = parent.toLongLong();
    }
    return chain;
}
