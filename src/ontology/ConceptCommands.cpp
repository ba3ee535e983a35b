#include "ConceptCommands.h"

#include "Global.h"

#include <QSet>

namespace {

const QString Undefined = QStringLiteral("Undefined");

QString storedDefinition(const QString &definition) { return definition.isEmpty() ? Undefined : definition; }

void insertConcept(const QString &identifier, const QString &definition, int type)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES (?, ?, ?, ?)"),
                       {identifier, storedDefinition(definition), type, OntologyInfo.ActiveSet});
}

void insertIsa(const QString &id, const QString &parent)
{
    OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"), {id, parent});
}

bool hasParent(const QString &id)
{
    return !OntologyDB.scalar(QStringLiteral("SELECT 1 FROM ISA WHERE Concept = ?"), {id}).isNull();
}

bool isRoot(const QString &id)
{
    return OntologyDB.scalar(QStringLiteral("SELECT Type FROM CONCEPTS WHERE Concept = ?"), {id}).toInt() == RootType;
}

// Deleting the row deletes, through the cascades, every row elsewhere that names it.
bool deleteConceptRow(const QString &identifier)
{
    OntologyDB.execute(QStringLiteral("DELETE FROM CONCEPTS WHERE Concept = ?"), {identifier});
    return OntologyDB.changes() > 0;
}

}  // namespace

QString IdentifierLengthProblem(const QString &identifier, int type)
{
    if (type == AttributeType && identifier.size() > AttributeIdMaxLength)
        return QStringLiteral("The identifier of an attribute can have at most %1 characters.").arg(AttributeIdMaxLength);
    if (identifier.size() > ConceptIdMaxLength)
        return QStringLiteral("A concept identifier can have at most %1 characters.").arg(ConceptIdMaxLength);
    return {};
}

QString ProtectedConceptReason(const QString &identifier, const QString &action)
{
    if (identifier.compare(RootConcept, Qt::CaseInsensitive) == 0)
        return QStringLiteral("This is the top-level concept.\r\nIt cannot be %1.").arg(action);
    for (const char *slot : {"DOMAIN", "RANGE"})
        if (identifier.compare(QLatin1String(slot), Qt::CaseInsensitive) == 0)
            return QStringLiteral("This concept holds the domains and ranges of the ontology.\r\nIt cannot be %1.")
                .arg(action);
    return {};
}

void AddConcept(const QString &identifier, const QString &definition, int type, const QString &parent)
{
    db::Transaction tx(OntologyDB);
    insertConcept(identifier, definition, type);
    insertIsa(identifier, parent);
    tx.commit();
}

void AddRelationPair(const NewRelation &relation, const NewRelation &inverse)
{
    db::Transaction tx(OntologyDB);
    insertConcept(relation.identifier, relation.definition, RelationType);
    insertConcept(inverse.identifier, inverse.definition, RelationType);
    insertIsa(relation.identifier, relation.parent);
    insertIsa(inverse.identifier, inverse.parent);
    const QString sql = QStringLiteral("INSERT INTO INVERSES (Relation, Inverse) VALUES (?, ?)");
    OntologyDB.execute(sql, {relation.identifier, inverse.identifier});
    OntologyDB.execute(sql, {inverse.identifier, relation.identifier});
    tx.commit();
}

bool AddDefaultConceptName(const QString &identifier)
{
    QString name;
    switch (OntologyInfo.AutoName) {
    case 1:
        name = identifier;
        break;
    case 2:
        name = ConceptNameToLabel(identifier);
        break;
    default:
        return false;
    }
    AddConceptName(identifier, OntologyInfo.DefLang, name);
    return true;
}

void RenameConcept(const QString &from, const QString &to)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Concept = ? WHERE Concept = ?"), {to, from});
    tx.commit();
}

void SetConceptDefinition(const QString &identifier, const QString &definition)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Definition = ? WHERE Concept = ?"), {definition, identifier});
    tx.commit();
}

void SetConceptSubset(const QString &identifier, int subset)
{
    OntologyDB.execute(QStringLiteral("UPDATE CONCEPTS SET Subset_ID = ? WHERE Concept = ?"), {subset, identifier});
}

QString ConceptDefinition(const QString &identifier)
{
    return OntologyDB.scalar(QStringLiteral("SELECT Definition FROM CONCEPTS WHERE Concept = ?"), {identifier}).toString();
}

QString InverseOf(const QString &relation)
{
    return OntologyDB.scalar(QStringLiteral("SELECT Inverse FROM INVERSES WHERE Relation = ?"), {relation}).toString();
}

QStringList DeleteConcept(const QString &identifier, const QString &inverse)
{
    // Only what lies below the deleted concepts can lose its last way up by this delete.
    QStringList below = GetDescendants(identifier);
    if (!inverse.isEmpty())
        below += GetDescendants(inverse);

    db::Transaction tx(OntologyDB);
    QStringList deleted;
    QSet<QString> gone;
    for (const QString &c : {identifier, inverse})
        if (!c.isEmpty() && deleteConceptRow(c)) {
            deleted << c;
            gone.insert(c);
        }
    for (bool purged = true; purged;) {
        purged = false;
        for (const QString &c : below) {
            if (gone.contains(c) || hasParent(c) || isRoot(c))
                continue;
            if (deleteConceptRow(c)) {
                deleted << c;
                purged = true;
            }
            gone.insert(c);
        }
    }
    tx.commit();
    return deleted;
}

std::vector<ConceptName> NamesOf(const QString &id)
{
    std::vector<ConceptName> out;
    db::Statement st(OntologyDB,
                     QStringLiteral("SELECT Name_ID, Lang_ID, Name FROM Names WHERE Concept = ? ORDER BY Lang_ID, Name_ID"));
    st.bind(1, id);
    while (st.step())
        out.push_back({st.column(0).toLongLong(), st.column(1).toString(), st.column(2).toString()});
    return out;
}

qint64 AddConceptName(const QString &id, const QString &lang, const QString &name)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("INSERT INTO Names (Concept, Lang_ID, Name) VALUES (?, ?, ?)"), {id, lang, name});
    const qint64 nameId = OntologyDB.lastInsertId();
    tx.commit();
    return nameId;
}

bool ChangeConceptName(qint64 id, const QString &lang, const QString &name)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("UPDATE Names SET Lang_ID = ?, Name = ? WHERE Name_ID = ?"), {lang, name, id});
    const bool changed = OntologyDB.changes() > 0;
    tx.commit();
    return changed;
}

bool DeleteConceptName(qint64 id)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("DELETE FROM Names WHERE Name_ID = ?"), {id});
    const bool changed = OntologyDB.changes() > 0;
    tx.commit();
    return changed;
}
