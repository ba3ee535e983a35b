#include "OxpExport.h"

#include "BulkCache.h"
#include "OxpFile.h"
#include "OxpLines.h"
#include "db/Text.h"
#include "ontology/Global.h"
#include "ontology/ConceptCommands.h"
#include "ontology/LocalSlots.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

struct Slot {
    QString name;
    QString filler;
    bool isDefault = false;
};

struct ConceptData {
    int type = 1;
    QVariant definition;
    QStringList parents;
    QStringList children;
    std::vector<Slot> relations;   // by slot, then filler
    std::vector<Slot> attributes;  // by attribute, then value
};

// The rows of one statement, keyed by its first column and ordered by it as the file
// orders text. Blocks are asked for in the same order, so each statement is stepped
// through once for all of them; for a single concept the statement is bound to its key.
class KeyedRows {
public:
    KeyedRows(const QString &sql, const QString *only = nullptr) : m_st(OntologyDB, sql)
    {
        if (only)
            m_st.bind(1, *only);
        advance();
    }

    template <class Take>
    bool collect(const QString &key, Take take)
    {
        while (m_valid && db::compareText(m_key, key) < 0)
            advance();
        bool any = false;
        while (m_valid && db::sameText(m_key, key)) {
            take(m_st);
            any = true;
            advance();
        }
        return any;
    }

private:
    void advance()
    {
        m_valid = m_st.step();
        if (m_valid)
            m_key = m_st.column(0).toString();
    }

    db::Statement m_st;
    QString m_key;
    bool m_valid = false;
};

enum class Read { ByIndex, WholeTable };

QString sourceSql(const char *select, const char *key, const char *order, bool keyed, Read read = Read::ByIndex)
{
    QString s = QLatin1String(select);
    if (keyed)
        s += QStringLiteral(" WHERE %1 = ?").arg(QLatin1String(key));
    // For all concepts, stepping through the table in its stored order and sorting is
    // cheaper than following an index that does not hold the columns read: that visits
    // the rows in key order, a page each, when they were stored in no particular order.
    else if (read == Read::WholeTable)
        s += QStringLiteral(" NOT INDEXED");
    return s + QStringLiteral(" ORDER BY ") + QLatin1String(order);
}

// Every source of a block: for all concepts, or bound to one.
struct Sources {
    KeyedRows concepts, parents, children, relations, attributes;

    explicit Sources(const QString *only = nullptr)
        : concepts(sourceSql("SELECT Concept, Type, Definition FROM CONCEPTS", "Concept", "Concept", only, Read::WholeTable),
                   only),
          parents(sourceSql("SELECT Concept, ISA FROM ISA", "Concept", "Concept, ISA", only), only),
          children(sourceSql("SELECT ISA, Concept FROM ISA", "ISA", "ISA, Concept", only, Read::WholeTable), only),
          relations(sourceSql("SELECT Concept1, Rel, Concept2, \"Default\" FROM RELATIONS", "Concept1",
                              "Concept1, Rel, Concept2, Relation_ID", only),
                    only),
          attributes(sourceSql("SELECT Concept, Attribute, Value, \"Default\" FROM ATTRIBUTES", "Concept",
                               "Concept, Attribute, Value, Property_ID", only),
                     only)
    {
    }

    // False when the concept is not in the ontology.
    bool read(const QString &id, ConceptData &out)
    {
        out = ConceptData();
        const bool found = concepts.collect(id, [&](db::Statement &st) {
            out.type = st.column(1).toInt();
            out.definition = st.column(2);
        });
        const auto text = [](db::Statement &st, int column) { return st.column(column).toString(); };
        parents.collect(id, [&](db::Statement &st) { out.parents << text(st, 1); });
        children.collect(id, [&](db::Statement &st) { out.children << text(st, 1); });
        relations.collect(id, [&](db::Statement &st) {
            out.relations.push_back({text(st, 1), text(st, 2), st.column(3).toBool()});
        });
        attributes.collect(id, [&](db::Statement &st) {
            out.attributes.push_back({text(st, 1), text(st, 2), st.column(3).toBool()});
        });
        return found;
    }
};

QString keyword(bool isDefault, const char *otherwise)
{
    return isDefault ? QStringLiteral("DEFAULT") : QLatin1String(otherwise);
}

QString flattened(QString text) { return FlattenLineBreaks(text); }

void slotLines(const QString &id, const ConceptData &c, QStringList &lines)
{
    if (c.type == AttributeType || c.type == RelationType) {
        for (const Slot &r : c.relations)
            if (db::sameText(r.name, DomainSlot))
                lines << oxp::slotLine(id, DomainSlot, keyword(r.isDefault, "SEM"), r.filler);
        if (c.type == AttributeType) {
            for (const Slot &a : c.attributes)
                if (db::sameText(a.name, RangeSlot))
                    lines << oxp::slotLine(id, RangeSlot, keyword(a.isDefault, "VALUE"), flattened(a.filler));
        } else {
            for (const Slot &r : c.relations)
                if (db::sameText(r.name, RangeSlot))
                    lines << oxp::slotLine(id, RangeSlot, keyword(r.isDefault, "SEM"), r.filler);
        }
        return;
    }
    for (const Slot &r : c.relations)
        lines << oxp::slotLine(id, r.name, keyword(r.isDefault, "SEM"), r.filler);
    for (const Slot &a : c.attributes)
        lines << oxp::slotLine(id, a.name, keyword(a.isDefault, "VALUE"), flattened(a.filler));
}

QStringList blockLines(const QString &id, const ConceptData &c)
{
    QStringList lines;
    for (const QString &parent : c.parents)
        lines << oxp::isaLine(id, parent, c.type);
    lines << oxp::definitionLine(id, QuoteDefinition(c.definition));
    for (const QString &child : c.children)
        lines << oxp::subclassLine(id, child);
    slotLines(id, c, lines);
    return lines;
}

}  // namespace

QString ConceptToOxp(const QString &identifier)
{
    db::Transaction read(OntologyDB);
    Sources one(&identifier);
    ConceptData data;
    if (!one.read(identifier, data))
        return {};
    return blockLines(identifier, data).join(QStringLiteral("\r\n"));
}

void RelationsToOxp(const QString &identifier, QStringList &lines)
{
    db::Transaction read(OntologyDB);
    Sources one(&identifier);
    ConceptData data;
    if (one.read(identifier, data))
        slotLines(identifier, data, lines);
}

OxpExportResult ExportConceptsToOxp(const QString &path, const QStringList &identifiers,
                                    const OxpExportProgress &progress)
{
    // The blocks are read in the order the tables are stepped through; a list in any other
    // order has its blocks kept until they can be written in the list's order.
    std::vector<qsizetype> order(size_t(identifiers.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return db::compareText(identifiers.at(a), identifiers.at(b)) < 0;
    });
    const bool inOrder = std::is_sorted(order.begin(), order.end());

    OxpExportResult result;
    OxpFileWriter file(path);
    std::vector<QStringList> kept(inOrder ? 0 : identifiers.size());
    std::vector<char> found(size_t(identifiers.size()), 0);
    {
        const BulkCache cache;
        // One read transaction: one consistent state of the file, locked once.
        db::Transaction read(OntologyDB);
        Sources all;
        ConceptData data;
        QStringList previousLines;
        bool previousExists = false;
        const QString *previous = nullptr;
        for (const qsizetype at : order) {
            const QString &id = identifiers.at(at);
            QStringList lines;
            bool exists;
            if (previous && db::sameText(*previous, id)) {
                // The same concept listed twice: its rows have been read already.
                exists = previousExists;
                lines = previousLines;
            } else {
                exists = all.read(id, data);
                if (exists)
                    lines = blockLines(id, data);
            }
            previous = &id;
            previousLines = lines;
            previousExists = exists;
            found[size_t(at)] = exists;
            if (inOrder) {
                for (const QString &line : lines)
                    file.writeLine(line);
                if (progress)
                    progress(at, exists);
            } else {
                kept[size_t(at)] = std::move(lines);
            }
        }
        read.commit();
    }
    for (qsizetype at = 0; at < identifiers.size(); ++at) {
        if (!inOrder) {
            for (const QString &line : kept[size_t(at)])
                file.writeLine(line);
            kept[size_t(at)].clear();
            if (progress)
                progress(at, found[size_t(at)]);
        }
        if (found[size_t(at)])
            ++result.exported;
        else
            result.missing << identifiers.at(at);
    }
    file.commit();
    return result;
}
