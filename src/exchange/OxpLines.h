#pragma once
// One line of the export file is one slot of one concept:
//
//     (CONCEPT SLOT KEYWORD VALUE)
//
// IS-A lines carry the parent and the concept's Type ("(CAR IS-A VALUE VEHICLE 1)"), the
// DEFINITION line the definition in double quotes or the bare word Undefined for none,
// DOMAIN lines a domain after SEM or DEFAULT. Nothing in a line is escaped, and an
// identifier may hold blanks and slot words, so a line is read by its grammar: an
// identifier, a slot phrase (the slot word and its keyword, "IS-A VALUE", "DOMAIN SEM"
// ...) and a value of the form that phrase calls for. The first phrase after which the
// line reads that way decides.

#include <QString>
#include <QByteArrayView>
#include <QStringView>

enum class OxpSlotKind { Concept = 1, Subclasses = 2, Definition = 3, Domain = 4, Range = 5, Property = 9 };

// The word the log and the summary use for a kind: CONCEPT, SUBCLASSES ...
QString OxpKindWord(OxpSlotKind kind);

// The kind of a line, letter case ignored: that of the earliest slot phrase after which
// the line reads; PROPERTY for a relation or attribute line; else that of the earliest
// phrase, or slot word, whose value is broken (the line is then refused); else PROPERTY.
OxpSlotKind GetOxpSlotType(QStringView line);
// The same for the bytes of a line in UTF-8 or Windows-1252, before they are decoded.
OxpSlotKind OxpSlotTypeOfBytes(QByteArrayView line);

struct OxpLine {
    OxpSlotKind kind = OxpSlotKind::Property;
    // At least 7 characters between "(" and ")": what the shallow check counts.
    bool wellFormed = false;
    // Why the line is not well formed, or why the fields of an IS-A, DEFINITION or
    // DOMAIN line cannot be taken; empty when they can (and for the other kinds of
    // well-formed line, which have no fields).
    QString problem;
    QString conceptId;
    QString value;  // the parent, the definition text or the domain
    QString typeText;  // IS-A: the digits of the Type
    int type = 0;      // IS-A: the Type, 0 when the digits are no Type the ontology knows
    bool nullDefinition = false;  // DEFINITION: the bare word Undefined
    bool isDefault = false;       // DOMAIN: written with DEFAULT
};

OxpLine ParseOxpLine(QStringView line);

// The Types a concept may have in the file; the root's Type (100) is not among them.
bool IsImportableType(int type);

// Why an identifier cannot be stored, or "" when it can: it is empty, longer than the file
// takes, holds a double quote, a control character or an unbalanced parenthesis, or starts
// or ends with a blank.
QString OxpIdentifierProblem(const QString &identifier);

// The lines as the writer makes them (C is the concept).
namespace oxp {
QString isaLine(const QString &conceptId, const QString &parent, int type);
QString definitionLine(const QString &conceptId, const QString &quotedDefinition);
QString subclassLine(const QString &conceptId, const QString &child);
// A relation, attribute, domain or range line: keyword SEM or VALUE, or DEFAULT.
QString slotLine(const QString &conceptId, const QString &slot, const QString &keyword, const QString &filler);
}  // namespace oxp
