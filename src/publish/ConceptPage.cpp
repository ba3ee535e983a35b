// The concept page and its Conceptual Structures table.

#include "HTMLStuff.h"
#include "PageFileNames.h"
#include "PageText.h"
#include "ontology/Global.h"

namespace {


// Where a table's facts come from: the snapshot of a bulk run, or the engine.
struct Facts {
    const HierarchySnapshot *snapshot;

    QStringList parents(const QString &c) const { return snapshot ? snapshot->parents(c) : GetParents(c); }
    QStringList children(const QString &c) const { return snapshot ? snapshot->children(c) : GetChildren(c); }
    QStringList descendants(const QString &c) const
    {
        if (snapshot)
            return snapshot->sortedDescendants(c);
        QStringList list = GetDescendants(c);
        SortStrings(list);
        return list;
    }
    QStringList ancestors(const QString &c) const
    {
        if (snapshot)
            return snapshot->sortedAncestors(c);
        QStringList list = GetAncestors(c);
        SortStrings(list);
        return list;
    }
    std::vector<RelationRow> relations(const QString &c) const
    {
        return snapshot ? snapshot->relations(c) : GetRelationRows(c);
    }
    std::vector<AttributeRow> attributes(const QString &c) const
    {
        return snapshot ? snapshot->attributes(c) : GetAttributeRows(c);
    }
    std::vector<InheritedRow> inherited(const QString &c, const QString &include) const
    {
        if (snapshot)
            return snapshot->inherited(c, QStringLiteral("x"), include);
        ComputeInherited(c, QStringLiteral("x"), include);
        std::optional<db::TableCursor> own;
        db::TableCursor *rs = RSInherit ? &*RSInherit : &own.emplace(OntologyDB, QStringLiteral("Inherit"), QStringLiteral("Attr"));
        std::vector<InheritedRow> rows;
        if (rs->isEmpty())
            return rows;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            rows.push_back({rs->text(QStringLiteral("Attr")), rs->text(QStringLiteral("Value")),
                            rs->text(QStringLiteral("From"))});
        return rows;
    }
};

// Links are most of a large page: they are appended in place, and an identifier that
// needs no escaping (the usual one) is copied as it is.
void appendLinkTarget(QString &out, const QString &x)
{
    if (PageFileNameIsIdentifier(x)) {
        out += x;
        out += QLatin1String(".html");
    } else {
        out += PageHref(x);
    }
}

void appendText(QString &out, const QString &x)
{
    if (needsHtmlEscape(x))
        out += htmlEscape(x);
    else
        out += x;
}

void appendHierarchyLink(QString &out, const QString &x)
{
    out += QLatin1String("<small><a href = \"");
    appendLinkTarget(out, x);
    out += QLatin1String("\">");
    appendText(out, x);
    out += QLatin1String(" </a> </small><br>");
}

QString slotLink(const QString &x)
{
    QString out = QStringLiteral("<a href = \"");
    appendLinkTarget(out, x);
    out += QLatin1String("\">");
    appendText(out, x);
    out += QLatin1String("</a>");
    return out;
}

QString rowOpening(const QString &label)
{
    return QStringLiteral("<tr><td><strong>") + label + QStringLiteral("</strong></td><td>");
}

const QString RowEnd = QStringLiteral("</td></tr>");
const QString Indent = QStringLiteral("<small>&nbsp;&nbsp;&nbsp; ");

QString defaultSuffix(bool isDefault)
{
    return isDefault ? QStringLiteral("&nbsp;(by default)</small><br>") : QStringLiteral("</small><br>");
}

void appendHierarchyRow(QString &out, const QString &label, const QStringList &names)
{
    if (names.isEmpty())
        return;
    out += rowOpening(label);
    out.reserve(out.size() + names.size() * 64);
    for (const QString &n : names)
        appendHierarchyLink(out, n);
    out += RowEnd;
}

// The value of an inherited row with its " (by default)" split off; `link` says whether
// the value names a concept.
QString inheritedValue(const QString &value, bool link)
{
    const bool isDefault = value.endsWith(DefaultSuffix);
    const QString bare = isDefault ? value.chopped(DefaultSuffix.size()) : value;
    return (link ? slotLink(bare) : htmlEscape(bare)) +
           (isDefault ? QStringLiteral(" (by default) (from ") : QStringLiteral(" (from "));
}

void appendInheritedRow(QString &out, const QString &label, const std::vector<InheritedRow> &rows, bool links)
{
    if (rows.empty())
        return;
    out += rowOpening(label);
    QString previous;
    for (const InheritedRow &r : rows) {
        if (r.attr != previous)
            out += QStringLiteral("<small>") + slotLink(r.attr) + QStringLiteral("  : ");
        else
            out += Indent;
        out += inheritedValue(r.value, links) + slotLink(r.from) + QStringLiteral(")</small><br>");
        previous = r.attr;
    }
    out += RowEnd;
}

const QStringList ExcludedTopConcepts{
    "OBJECT",          "EVENT",          "PROPERTY",      "RELATION",      "ATTRIBUTE",     "PHYSICAL-OBJECT",
    "MENTAL-OBJECT",   "INTANGIBLE-OBJECT", "SOCIAL-OBJECT", "PHYSICAL-EVENT", "MENTAL-EVENT", "SOCIAL-EVENT"};

}  // namespace

bool IsExcludedFromStructures(const QString &conceptId)
{
    return conceptId == RootConcept || ExcludedTopConcepts.contains(conceptId, Qt::CaseSensitive);
}

ConceptPageFacts ReadConceptPageFacts(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                                      bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                                      const HierarchySnapshot *snapshot)
{
    ConceptPageFacts f;
    {
        db::Statement st(OntologyDB, QStringLiteral("SELECT Definition FROM CONCEPTS WHERE Concept = ?"));
        st.bind(1, Concept);
        if (st.step())
            f.definition = st.column(0).toString();
    }
    f.structures = !IsExcludedFromStructures(Concept);
    if (f.structures)
        f.table = ReadStructuresFacts(Concept, IncludeAncestors, IncludeDescendants, IncludeInheritedRelations,
                                      IncludeInheritedAttributes, snapshot);
    return f;
}

StructuresFacts ReadStructuresFacts(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                                    bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                                    const HierarchySnapshot *snapshot)
{
    const Facts facts{snapshot};
    StructuresFacts t;
    t.parents = facts.parents(Concept);
    // Subclasses are shown only beside the parents: a concept without parents has none.
    if (!t.parents.isEmpty())
        t.children = facts.children(Concept);
    if (IncludeDescendants)
        t.descendants = facts.descendants(Concept);
    if (IncludeAncestors)
        t.ancestors = facts.ancestors(Concept);
    t.relations = facts.relations(Concept);
    t.attributes = facts.attributes(Concept);
    if (IncludeInheritedRelations)
        t.inheritedRelations = facts.inherited(Concept, QStringLiteral("rels"));
    if (IncludeInheritedAttributes)
        t.inheritedAttributes = facts.inherited(Concept, QStringLiteral("attrs"));
    return t;
}

QString StructuresTableText(const StructuresFacts &t)
{
    QString out = QStringLiteral("<p></p><table border=\"2\" cellpadding=\"2\" > <tr><td colspan= \"2\"><center>"
                                 "<strong> Conceptual Structures </strong></center> </td></tr>");
    if (!t.parents.isEmpty()) {
        appendHierarchyRow(out, QStringLiteral("ISA"), t.parents);
        appendHierarchyRow(out, QStringLiteral("SUBCLASSES"), t.children);
    }
    appendHierarchyRow(out, QStringLiteral("DESCENDANTS"), t.descendants);
    appendHierarchyRow(out, QStringLiteral("ANCESTORS"), t.ancestors);

    if (!t.relations.empty()) {
        out += rowOpening(QStringLiteral("RELATIONS"));
        QString previous;
        for (const RelationRow &r : t.relations) {
            if (r.rel != previous)
                out += QStringLiteral("<small>") + slotLink(r.rel) + QStringLiteral(" : ") + slotLink(r.concept2);
            else
                out += Indent + slotLink(r.concept2);
            out += defaultSuffix(r.isDefault);
            previous = r.rel;
        }
        out += RowEnd;
    }
    if (!t.attributes.empty()) {
        out += rowOpening(QStringLiteral("ATTRIBUTES"));
        QString previous;
        for (const AttributeRow &a : t.attributes) {
            if (a.attribute != previous)
                out += QStringLiteral("<small>") + slotLink(a.attribute) + QStringLiteral(" : ") + htmlEscape(a.value);
            else
                out += Indent + htmlEscape(a.value);
            out += defaultSuffix(a.isDefault);
            previous = a.attribute;
        }
        out += RowEnd;
    }
    appendInheritedRow(out, QStringLiteral("INHERITED<br>RELATIONS"), t.inheritedRelations, true);
    appendInheritedRow(out, QStringLiteral("INHERITED<br>ATTRIBUTES"), t.inheritedAttributes, false);
    out += QStringLiteral("</table><p></p>");
    return out;
}

QString ConceptStructuresTable(const QString &Concept, bool IncludeAncestors, bool IncludeDescendants,
                               bool IncludeInheritedRelations, bool IncludeInheritedAttributes,
                               const HierarchySnapshot *snapshot)
{
    return StructuresTableText(ReadStructuresFacts(Concept, IncludeAncestors, IncludeDescendants,
                                                   IncludeInheritedRelations, IncludeInheritedAttributes, snapshot));
}

QString ConceptPageText(const QString &Concept, const ConceptPageFacts &facts)
{
    PageBuffer page;
    page.writeHead(Concept);
    if (!facts.definition.isEmpty())
        page.write(QStringLiteral("<strong>Definition</strong>: ") + htmlEscape(facts.definition) +
                   QStringLiteral("\r\n<hr>\r\n"));
    if (facts.structures)
        page.write(StructuresTableText(facts.table) + QStringLiteral("\r\n<hr>\r\n<p></p>"));
    page.writeEnd();
    return page.text();
}

void WriteConceptPage(const QString &Concept, const QString &Folder, bool IncludeAncestors, bool IncludeDescendants,
                      bool IncludeInheritedRelations, bool IncludeInheritedAttributes, const HierarchySnapshot *snapshot)
{
    const ConceptPageFacts facts = ReadConceptPageFacts(Concept, IncludeAncestors, IncludeDescendants,
                                                        IncludeInheritedRelations, IncludeInheritedAttributes, snapshot);
    savePage(pagePath(Folder, PageFileName(Concept)), ConceptPageText(Concept, facts));
}
