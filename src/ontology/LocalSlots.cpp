#include "LocalSlots.h"

#include "Global.h"

namespace {

std::vector<RelationRow> relationRows(const QString &sql, const QVariantList &params)
{
    db::Statement st(OntologyDB, sql);
    st.bindAll(params);
    std::vector<RelationRow> rows;
    while (st.step())
        rows.push_back({st.column(0).toLongLong(), st.column(1).toString(), st.column(2).toString(),
                        st.column(3).toString(), st.column(4).toBool()});
    return rows;
}

std::vector<AttributeRow> attributeRows(const QString &sql, const QVariantList &params)
{
    db::Statement st(OntologyDB, sql);
    st.bindAll(params);
    std::vector<AttributeRow> rows;
    while (st.step())
        rows.push_back({st.column(0).toLongLong(), st.column(1).toString(), st.column(2).toString(),
                        st.column(4).toString(), st.column(3).toBool()});
    return rows;
}

const QString RelationColumns = QStringLiteral("SELECT Relation_ID, Concept1, Rel, Concept2, \"Default\" FROM RELATIONS ");
const QString AttributeColumns =
    QStringLiteral("SELECT Property_ID, Concept, Attribute, \"Default\", Value FROM ATTRIBUTES ");

bool relationExists(const QString &c1, const QString &rel, const QString &c2)
{
    return !OntologyDB
                .scalar(QStringLiteral("SELECT 1 FROM RELATIONS WHERE Concept1 = ? AND Rel = ? AND Concept2 = ?"),
                        {c1, rel, c2})
                .isNull();
}

void insertRelation(const QString &c1, const QString &rel, const QString &c2, bool isDefault)
{
    OntologyDB.execute(
        QStringLiteral("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES (?, ?, ?, ?)"),
        {c1, rel, isDefault, c2});
}

bool attributeExists(const QString &conceptId, const QString &attribute, const QString &value)
{
    return !OntologyDB
                .scalar(QStringLiteral("SELECT 1 FROM ATTRIBUTES WHERE Concept = ? AND Attribute = ? AND Value = ?"),
                        {conceptId, attribute, value})
                .isNull();
}

bool deleteByKey(const QString &sql, qint64 key)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(sql, {key});
    const bool deleted = OntologyDB.changes() > 0;
    tx.commit();
    return deleted;
}

}  // namespace

std::vector<RelationRow> GetRelationRows(const QString &conceptId)
{
    return relationRows(RelationColumns + QStringLiteral("WHERE Concept1 = ? ORDER BY Rel, Concept2"), {conceptId});
}

std::vector<RelationRow> GetSlotRelationRows(const QString &conceptId, const QString &slot)
{
    return relationRows(RelationColumns + QStringLiteral("WHERE Concept1 = ? AND Rel = ? ORDER BY Concept2"),
                        {conceptId, slot});
}

std::vector<AttributeRow> GetAttributeRows(const QString &conceptId)
{
    return attributeRows(AttributeColumns + QStringLiteral("WHERE Concept = ? ORDER BY Attribute, Value"), {conceptId});
}

std::vector<AttributeRow> GetSlotAttributeRows(const QString &conceptId, const QString &slot)
{
    return attributeRows(AttributeColumns + QStringLiteral("WHERE Concept = ? AND Attribute = ? ORDER BY Value"),
                         {conceptId, slot});
}

QString SlotItemText(const QString &conceptOrValue, bool isDefault)
{
    return isDefault ? conceptOrValue + DefaultSuffix : conceptOrValue;
}

QString RelationItemText(const RelationRow &row)
{
    return SlotItemText(row.rel + QStringLiteral(" : ") + row.concept2, row.isDefault);
}

QString AttributeItemText(const AttributeRow &row)
{
    return SlotItemText(row.attribute + QStringLiteral(" : ") + row.value, row.isDefault);
}

QString GetInverseRelation(const QString &relation)
{
    return OntologyDB.scalar(QStringLiteral("SELECT Inverse FROM INVERSES WHERE Relation = ?"), {relation}).toString();
}

AddOutcome AddRelationPair(const QString &conceptId, const QString &relation, const QString &related, bool isDefault)
{
    db::Transaction tx(OntologyDB);
    if (relationExists(conceptId, relation, related))
        return AddOutcome::Exists;
    const QString inverse = GetInverseRelation(relation);
    if (inverse.isEmpty())
        return AddOutcome::NoInverse;
    insertRelation(conceptId, relation, related, isDefault);
    if (!relationExists(related, inverse, conceptId))
        insertRelation(related, inverse, conceptId, isDefault);
    tx.commit();
    return AddOutcome::Added;
}

bool DeleteRelationPair(qint64 relationId)
{
    db::Transaction tx(OntologyDB);
    const std::vector<RelationRow> rows = relationRows(RelationColumns + QStringLiteral("WHERE Relation_ID = ?"), {relationId});
    if (rows.empty())
        return false;
    const RelationRow &row = rows.front();
    OntologyDB.execute(QStringLiteral("DELETE FROM RELATIONS WHERE Relation_ID = ?"), {relationId});
    const QString inverse = GetInverseRelation(row.rel);
    if (!inverse.isEmpty())
        OntologyDB.execute(QStringLiteral("DELETE FROM RELATIONS WHERE Relation_ID = (SELECT MIN(Relation_ID) FROM "
                                          "RELATIONS WHERE Concept1 = ? AND Rel = ? AND Concept2 = ?)"),
                           {row.concept2, inverse, row.concept1});
    tx.commit();
    return true;
}

AddOutcome AddAttributeValue(const QString &conceptId, const QString &attribute, const QString &value, bool isDefault)
{
    if (attribute.size() > AttributeNameMax)
        return AddOutcome::TooLong;
    db::Transaction tx(OntologyDB);
    if (attributeExists(conceptId, attribute, value))
        return AddOutcome::Exists;
    OntologyDB.execute(
        QStringLiteral("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES (?, ?, ?, ?)"),
        {conceptId, attribute, isDefault, value});
    tx.commit();
    return AddOutcome::Added;
}

bool DeleteAttributeRow(qint64 propertyId)
{
    return deleteByKey(QStringLiteral("DELETE FROM ATTRIBUTES WHERE Property_ID = ?"), propertyId);
}

AddOutcome AddSlotConcept(const QString &conceptId, const QString &slot, const QString &target)
{
    db::Transaction tx(OntologyDB);
    if (relationExists(conceptId, slot, target))
        return AddOutcome::Exists;
    insertRelation(conceptId, slot, target, false);
    tx.commit();
    return AddOutcome::Added;
}

AddOutcome AddSlotValue(const QString &conceptId, const QString &slot, const QString &value)
{
    return AddAttributeValue(conceptId, slot, value, false);
}

bool DeleteRelationRow(qint64 relationId)
{
    return deleteByKey(QStringLiteral("DELETE FROM RELATIONS WHERE Relation_ID = ?"), relationId);
}
