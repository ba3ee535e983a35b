// The term-entry page: entry-level data, the entry's conceptual structures, and one table
// per language section with its terms.

#include "HTMLStuff.h"
#include "PageFileNames.h"
#include "PageText.h"
#include "db/Text.h"
#include "termbase/DataCategories.h"
#include "termbase/ElementTree.h"
#include "termbase/Elements.h"
#include "termbase/Global.h"
#include "ui/MsgBox.h"

#include <QLocale>
#include <QUrl>

namespace {

const QString TermCategory = QStringLiteral("1");
const QString SectionCategory = QStringLiteral("0.4");

struct ElementRow {
    qint64 elemID = 0;
    QString categoryID;
};

void fatal(const QString &message)
{
    ui::errorBox(message);
}

// The children of an element, in the order they were made.
enum class Children { NotTerms, NotSections, Sections, Terms };

bool isWanted(const QString &category, Children which)
{
    switch (which) {
    case Children::NotTerms:
        return category != QLatin1String("1");
    case Children::NotSections:
        return category != QLatin1String("0.4");
    case Children::Sections:
        return category == QLatin1String("0.4");
    case Children::Terms:
        return category == QLatin1String("1");
    }
    return false;
}

// The element tree of the entry a page is being written for, read in one query: a page
// reads the children of every element it shows.
using LoadedTree = QHash<qint64, std::vector<ElementRow>>;
const LoadedTree *loadedTree = nullptr;

class LoadEntryTree {
public:
    explicit LoadEntryTree(qint64 entry)
    {
        for (SubtreeElement &e : ReadSubtree(entry))
            m_tree[e.parentID].push_back({e.elemID, std::move(e.categoryID)});
        loadedTree = &m_tree;
    }
    ~LoadEntryTree() { loadedTree = nullptr; }
    LoadEntryTree(const LoadEntryTree &) = delete;
    LoadEntryTree &operator=(const LoadEntryTree &) = delete;

private:
    LoadedTree m_tree;
};

std::vector<ElementRow> children(qint64 parent, Children which)
{
    std::vector<ElementRow> rows;
    if (loadedTree) {
        const auto it = loadedTree->constFind(parent);
        if (it != loadedTree->cend())
            for (const ElementRow &e : *it)
                if (isWanted(e.categoryID, which))
                    rows.push_back(e);
        return rows;
    }
    db::Statement st(TermbaseDB, QStringLiteral("SELECT elemID, categoryID FROM elements WHERE parentID = ? "
                                                "ORDER BY elemID"));
    st.bind(1, parent);
    while (st.step()) {
        ElementRow e{st.column(0).toLongLong(), st.column(1).toString()};
        if (isWanted(e.categoryID, which))
            rows.push_back(std::move(e));
    }
    return rows;
}

// The first value of a one-column query on an element, or a null QVariant.
QVariant valueOf(const QString &sql, qint64 key)
{
    db::Statement st(TermbaseDB, sql);
    st.bind(1, key);
    return st.step() ? st.column(0) : QVariant();
}

QVariant pointerTarget(qint64 elemID)
{
    return valueOf(QStringLiteral("SELECT targetID FROM pointers WHERE elemID = ?"), elemID);
}

// The value of the target's row in a value table; empty when the pointer or the row is missing.
QString targetValue(qint64 elemID, const QString &table)
{
    const QVariant target = pointerTarget(elemID);
    if (target.isNull())
        return {};
    return valueOf(QStringLiteral("SELECT value FROM ") + table + QStringLiteral(" WHERE elemID = ?"), target.toLongLong())
        .toString();
}

QString elementLanguage(qint64 elemID)
{
    return valueOf(QStringLiteral("SELECT langID FROM elements_use_lang WHERE elemID = ?"), elemID).toString();
}

// The entry page a cross-reference leads to: its target's entry, as a link.
QString entryLink(qint64 elemID)
{
    const QVariant target = pointerTarget(elemID);
    if (target.isNull())
        return {};
    const QString entry = GetEntryElement(target.toLongLong());
    if (entry.isEmpty())
        return {};
    return QStringLiteral("<a href =\"") + PageHref(entry) + QStringLiteral("\">") + htmlEscape(entry) +
           QStringLiteral("</a><br>");
}

bool matches(const QString &category, const char *pattern)
{
    return db::likeMatch(category, QLatin1String(pattern), Qt::CaseSensitive);
}

bool isPicture(const QString &c) { return c == QLatin1String("5.5.1"); }
bool isAttachedFile(const QString &c) { return c == QLatin1String("5.3x") || matches(c, "5.5.?"); }
bool isUrl(const QString &c) { return c == QLatin1String("10.21.1"); }
bool isRecordText(const QString &c) { return c == QLatin1String("4") || matches(c, "10.2.2.*") || c == QLatin1String("10.20"); }
bool isCrossReference(const QString &c)
{
    return c == QLatin1String("10.6.1") || c == QLatin1String("3.5x") || c == QLatin1String("3.2x") ||
           matches(c, "10.18.?") || matches(c, "9.2.*");
}
bool isDescribedCrossReference(const QString &c) { return c == QLatin1String("10.18"); }

bool linksOutside(const QString &url)
{
    const QString scheme = QUrl(url.trimmed()).scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp") ||
           scheme == QLatin1String("mailto");
}

const DataCategoryRow *categoryRow(const QString &categoryID)
{
    for (const DataCategoryRow &row : DCTable)
        if (row.categoryID == categoryID)
            return &row;
    return nullptr;
}

// The value tables a category's value type may name; nothing else is ever read.
bool isValueTable(const QString &valueType)
{
    return valueType == QLatin1String("text") || valueType == QLatin1String("picklist") ||
           valueType == QLatin1String("date") || valueType == QLatin1String("number");
}

// ElementValueHtml for an element whose category is known.
void elementValue(qint64 elemID, const QString &category, QVariant &value, QString &valueType, QString &language)
{
    if (category == TermCategory) {
        db::Statement st(TermbaseDB, QStringLiteral("SELECT term, langID FROM TERMS WHERE elemID = ?"));
        st.bind(1, elemID);
        if (!st.step()) {
            fatal(QStringLiteral("Element not found. Fatal Error. Error Code TB009"));
            return;
        }
        value = st.column(0).toString();
        language = st.column(1).toString();
        return;
    }
    if (category == SectionCategory) {
        language = elementLanguage(elemID);
        return;
    }
    if (isPicture(category) || isAttachedFile(category)) {
        const QString file = targetValue(elemID, QStringLiteral("ref_values"));
        if (file.isEmpty())
            value = QString();
        else if (isPicture(category))
            value = QStringLiteral("<br>\r\n<img src=\"") + fileHref(file) + QStringLiteral("\" alt =\"") +
                    htmlEscape(file) + QStringLiteral("\"><br>");
        else
            value = QStringLiteral("<a href =\"") + fileHref(file) + QStringLiteral("\">") + htmlEscape(file) +
                    QStringLiteral("</a><br>");
        language.clear();
        return;
    }
    if (isUrl(category)) {
        const QString url = targetValue(elemID, QStringLiteral("text_values"));
        if (url.isEmpty())
            value = QString();
        else if (linksOutside(url))  // a javascript: or data: address is never a live link
            value = QStringLiteral("<a href =\"") + htmlEscape(url) + QStringLiteral("\">") + htmlEscape(url) +
                    QStringLiteral("</a><br>");
        else
            value = htmlEscape(url) + QStringLiteral("<br>");
        language.clear();
        return;
    }
    if (isRecordText(category)) {
        value = targetValue(elemID, QStringLiteral("text_values"));
        language.clear();
        return;
    }
    if (isCrossReference(category)) {
        const QString link = entryLink(elemID);
        value = link.isEmpty() ? QString() : htmlEscape(value.toString()) + QStringLiteral(": ") + link;
        language.clear();
        return;
    }
    if (isDescribedCrossReference(category)) {
        const QString description = htmlEscape(
            valueOf(QStringLiteral("SELECT value FROM text_values WHERE elemID = ?"), elemID).toString());
        const QString link = entryLink(elemID);
        value = link.isEmpty() ? description : description + QStringLiteral(": ") + link;
        language.clear();
        return;
    }
    const DataCategoryRow *row = categoryRow(category);
    if (!row) {
        fatal(QStringLiteral("Element not found. Fatal Error. Please report."));
        return;
    }
    valueType = row->value_type;
    if (valueType == QLatin1String("container") || valueType == QLatin1String("none"))
        return;
    db::Statement st(TermbaseDB, QStringLiteral("SELECT value FROM ") +
                                     (isValueTable(valueType) ? valueType : QStringLiteral("text")) +
                                     QStringLiteral("_values WHERE elemID = ?"));
    st.bind(1, elemID);
    if (!isValueTable(valueType) || !st.step()) {
        fatal(QStringLiteral("Element not found. Fatal Error"));
        return;
    }
    value = st.column(0);
    language = row->needs_lang == QLatin1String("True") ? elementLanguage(elemID) : QString();
}

// A stored value as the page shows it: dates and numbers in the system's formats.
QString shownValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return QLocale().toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::QDateTime:
        return QLocale().toString(value.toDateTime().date(), QLocale::ShortFormat);
    default:
        return value.toString();
    }
}

QString renderRows(const std::vector<ElementRow> &rows);

QString renderElement(const ElementRow &e)
{
    QString out;
    const bool holder = e.categoryID == TermCategory || e.categoryID == SectionCategory;
    if (!holder) {
        QVariant value = QString();
        QString valueType;
        QString language;
        elementValue(e.elemID, e.categoryID, value, valueType, language);
        const QString shown = IsHtmlValueCategory(e.categoryID) ? value.toString() : htmlEscape(shownValue(value));
        if (!shown.isEmpty())
            out += QStringLiteral("<strong>") + htmlEscape(GetDataCategoryName(e.categoryID)) +
                   QStringLiteral(": </strong>") + shown;
        if (!language.isEmpty())
            out += QStringLiteral(" <em> (") + htmlEscape(language) + QStringLiteral(")</em>");
        out += QStringLiteral("<br>\r\n");
    }
    const QString inner =
        renderRows(children(e.elemID, Children::NotTerms));
    if (!inner.isEmpty())
        out += holder ? inner : QStringLiteral("\r\n<blockquote>") + inner + QStringLiteral("\r\n</blockquote>");
    return out;
}

QString renderRows(const std::vector<ElementRow> &rows)
{
    QString out;
    for (const ElementRow &e : rows)
        out += renderElement(e);
    return out;
}

const QString TableHead = QStringLiteral("<table border=\"2\" cellpadding=\"2\" > <tr><td colspan= \"2\"><center><strong> ");

}  // namespace

bool IsHtmlValueCategory(const QString &c)
{
    return isPicture(c) || isAttachedFile(c) || isUrl(c) || isCrossReference(c) || isDescribedCrossReference(c);
}

QString SectionLanguageName(const QString &langID)
{
    static const QHash<QString, QString> names{{"en", "English"}, {"es", "Spanish"}, {"fr", "French"},
                                               {"de", "German"},  {"it", "Italian"}, {"nl", "Dutch"},
                                               {"sv", "Swedish"}, {"no", "Norwegian"}, {"da", "Danish"}};
    return names.value(langID, langID);
}

void ElementValueHtml(qint64 ElemID, QVariant &Value, QString &ValueType, QString &Language)
{
    const QVariant category = valueOf(QStringLiteral("SELECT categoryID FROM elements WHERE elemID = ?"), ElemID);
    if (category.isNull()) {
        fatal(QStringLiteral("Element not found. Fatal Error. Error Code TB008."));
        return;
    }
    elementValue(ElemID, category.toString(), Value, ValueType, Language);
}

QString ElementTreeHtml(db::QueryCursor &rows)
{
    std::vector<ElementRow> list;
    const int id = rows.columns().require(QStringLiteral("elemID"));
    const int category = rows.columns().require(QStringLiteral("categoryID"));
    for (qsizetype r = 0; r < rows.recordCount(); ++r)
        list.push_back({rows.valueAt(r, id).toLongLong(), rows.valueAt(r, category).toString()});
    rows.moveFirst();
    return renderRows(list);
}

void WriteTermEntryPage(const QString &EntryName, qint64 EntryElemID, const QString &Folder, bool IncludeStructures,
                        bool IncludeAncestors, bool IncludeDescendants, bool IncludeInheritedRelations,
                        bool IncludeInheritedAttributes, const HierarchySnapshot *snapshot)
{
    const LoadEntryTree tree(EntryElemID);
    PageBuffer page;
    page.writeHead(EntryName);
    const QString entryData =
        renderRows(children(EntryElemID, Children::NotSections));
    if (!entryData.isEmpty())
        page.write(entryData + QStringLiteral("\r\n<hr>\r\n<p></p>"));
    if (IncludeStructures) {
        const QString table = ConceptStructuresTable(EntryName, IncludeAncestors, IncludeDescendants,
                                                     IncludeInheritedRelations, IncludeInheritedAttributes, snapshot);
        if (!table.isEmpty())
            page.write(table + QStringLiteral("\r\n<hr>\r\n<p></p>"));
    }
    bool broken = false;
    for (const ElementRow &section : children(EntryElemID, Children::Sections)) {
        page.write(TableHead + htmlEscape(SectionLanguageName(elementLanguage(section.elemID))) +
                   QStringLiteral("</strong></center> </td></tr>"));
        const QString sectionData = renderRows({section});
        if (!sectionData.isEmpty())
            page.write(QStringLiteral("<tr><td colspan= \"2\">") + sectionData + QStringLiteral("</td></tr>"));
        for (const ElementRow &term : children(section.elemID, Children::Terms)) {
            db::Statement termRow(TermbaseDB, QStringLiteral("SELECT term FROM TERMS WHERE elemID = ?"));
            termRow.bind(1, term.elemID);
            if (!termRow.step()) {
                // The entry is damaged: say so once and end the page properly with what it has.
                fatal(QStringLiteral("Element not found. Fatal Error"));
                broken = true;
                break;
            }
            const QString text = termRow.column(0).toString();
            termRow.reset();
            const QString cell = renderRows({term});
            page.write(QStringLiteral("<tr><td><strong>") + htmlEscape(text) +
                       QStringLiteral("</strong></td><td>") + (cell.isEmpty() ? QStringLiteral(" ") : cell) +
                       QStringLiteral("</td></tr>"));
        }
        page.write(QStringLiteral("</table><p></p>"));
        if (broken)
            break;
    }
    page.writeEnd();
    savePage(pagePath(Folder, PageFileName(EntryName)), page.text());
}
