#pragma once
// The commands that change the set of concepts of the open ontology, and their names:
// adding a concept or a relation pair, renaming, redefining, deleting with the purge of
// what the deletion left without a parent, and the names by language. Each command is
// one transaction: when a step fails, the file is as it was before the command and the
// error reaches the caller. Nothing here asks the user anything; the windows check and
// ask first, then call these.

#include <QString>
#include "ConceptTypes.h"

#include <QStringList>
#include <vector>

// Longest identifier the file stores, and longest one an attribute concept may have,
// since an attribute's identifier is also stored in the shorter attribute column.
constexpr int ConceptIdMaxLength = 255;
constexpr int AttributeIdMaxLength = 50;
constexpr int NameMaxLength = 255;

// The sentence that refuses identifier for a concept of this type, or "" when its
// length is fine.
QString IdentifierLengthProblem(const QString &identifier, int type);

// The concepts whose identifier the program itself relies on: the root, and the slots
// under which domains and ranges are stored. The sentence tells why; "" for any other.
QString ProtectedConceptReason(const QString &identifier, const QString &action);

// One concept under one parent. An empty definition is stored as "Undefined"; the
// subset is the active one.
void AddConcept(const QString &identifier, const QString &definition, int type, const QString &parent);

struct NewRelation {
    QString identifier;
    QString parent;
    QString definition;
};
// Both relation concepts, their parents and both INVERSES rows.
void AddRelationPair(const NewRelation &relation, const NewRelation &inverse);

// The name a new concept gets in the default language under the automatic-naming
// option: none (0), the identifier (1) or its readable label (2). False when none.
bool AddDefaultConceptName(const QString &identifier);

void RenameConcept(const QString &from, const QString &to);
void SetConceptDefinition(const QString &identifier, const QString &definition);
void SetConceptSubset(const QString &identifier, int subset);
// The stored definition; "" for a missing concept or a Null definition.
QString ConceptDefinition(const QString &identifier);

// The inverse relation recorded for relation, or "".
QString InverseOf(const QString &relation);
// Deletes the concept and, when given, its inverse relation; then, pass after pass,
// every concept below them that is left with no parent at all. Concepts that had no
// parent before are not touched. The identifiers deleted, in order: the concept, the
// inverse, then the purged ones.
QStringList DeleteConcept(const QString &identifier, const QString &inverse = {});

struct ConceptName {
    qint64 id = 0;
    QString lang;
    QString name;
};
// By language code, then in the order they were added.
std::vector<ConceptName> NamesOf(const QString &id);
qint64 AddConceptName(const QString &id, const QString &lang, const QString &name);
// False when the row is gone.
bool ChangeConceptName(qint64 id, const QString &lang, const QString &name);
bool DeleteConceptName(qint64 id);
