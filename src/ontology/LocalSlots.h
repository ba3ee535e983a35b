#pragma once
// What a concept carries itself: its relations to other concepts (each stored with the
// row of its inverse in the opposite direction), its attribute-value pairs, and, for an
// attribute or relation concept, its domains and ranges. Rows are known by their keys, so
// a command acts on exactly the row the user picked whatever its texts hold. Every value
// is stored as typed. Each command runs in one transaction.

#include <QString>
#include <vector>

inline const QString DomainSlot = QStringLiteral("DOMAIN");
inline const QString RangeSlot = QStringLiteral("RANGE");
// ATTRIBUTES.Attribute holds no more than this.
constexpr int AttributeNameMax = 50;

struct RelationRow {
    qint64 id = 0;  // Relation_ID
    QString concept1;
    QString rel;
    QString concept2;
    bool isDefault = false;
};

struct AttributeRow {
    qint64 id = 0;  // Property_ID
    QString conceptId;
    QString attribute;
    QString value;
    bool isDefault = false;
};

// Every RELATIONS row of the concept, ordered by Rel (then Concept2).
std::vector<RelationRow> GetRelationRows(const QString &conceptId);
// The rows of one slot ("DOMAIN" or "RANGE"), ordered by Concept2.
std::vector<RelationRow> GetSlotRelationRows(const QString &conceptId, const QString &slot);
// Every ATTRIBUTES row of the concept, ordered by Attribute (then Value).
std::vector<AttributeRow> GetAttributeRows(const QString &conceptId);
std::vector<AttributeRow> GetSlotAttributeRows(const QString &conceptId, const QString &slot);

// "Rel : Concept2" and "Attribute : Value", each with " (by default)" for a default row.
QString RelationItemText(const RelationRow &row);
QString AttributeItemText(const AttributeRow &row);
// A domain or range item: the concept or value alone.
QString SlotItemText(const QString &conceptOrValue, bool isDefault);

// The inverse of a relation concept, or "" when INVERSES has none.
QString GetInverseRelation(const QString &relation);

enum class AddOutcome { Added, Exists, NoInverse, TooLong };

// Writes (concept, relation, related) and, unless it is there already, the inverse row
// (related, inverse, concept) with the same Default. Nothing is written when the first
// row exists or the relation has no inverse.
AddOutcome AddRelationPair(const QString &conceptId, const QString &relation, const QString &related, bool isDefault);
// Deletes the row and the row of its inverse; false when the row was no longer there.
bool DeleteRelationPair(qint64 relationId);

// TooLong when the attribute's identifier does not fit ATTRIBUTES.Attribute.
AddOutcome AddAttributeValue(const QString &conceptId, const QString &attribute, const QString &value, bool isDefault);
bool DeleteAttributeRow(qint64 propertyId);

// A domain, or the range of a relation concept: a RELATIONS row with Rel = slot.
AddOutcome AddSlotConcept(const QString &conceptId, const QString &slot, const QString &target);
// The range of an attribute concept: an ATTRIBUTES row with Attribute = slot.
AddOutcome AddSlotValue(const QString &conceptId, const QString &slot, const QString &value);
// One row alone, without looking for an inverse (domains and ranges have none).
bool DeleteRelationRow(qint64 relationId);
