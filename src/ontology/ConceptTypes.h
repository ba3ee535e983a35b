#pragma once
// The kinds of concept, by the Type code the file stores for each, and the word the status
// bar shows for a concept's kind. Every comparison of a Type code goes through these names.

#include <QString>

constexpr int ObjectType = 1;
constexpr int EventType = 2;
constexpr int AttributeType = 3;
constexpr int RelationType = 4;
constexpr int HiddenRelationType = 14;  // a relation kept off the listed top concepts
constexpr int RootType = 100;

// Relations and attributes are slots: they relate concepts rather than stand among them.
constexpr bool isSlotType(int type) { return type == AttributeType || type == RelationType; }

// "OBJECT", "EVENT", "ATTRIBUTE", "RELATION"; "SPECIAL" for the root and any other code.
inline QString conceptTypeWord(int type)
{
    switch (type) {
    case ObjectType:
        return QStringLiteral("OBJECT");
    case EventType:
        return QStringLiteral("EVENT");
    case AttributeType:
        return QStringLiteral("ATTRIBUTE");
    case RelationType:
        return QStringLiteral("RELATION");
    default:
        return QStringLiteral("SPECIAL");
    }
}
