#pragma once
// How typed and pasted text becomes a concept identifier. With the naming restriction
// on, an identifier holds only A-Z, 0-9 and "-"; with it off it is free text, except
// that a double quote becomes an apostrophe.

#include <QString>

// Key codes as a key-press handler sees them (16-bit character codes); 0 swallows the key.
// Follows OntologyInfo.Naming: the restricted map when it is on, the quote rule otherwise.
int KeyFilterConceptName(int key);
// a-z raised, A-Z, 0-9 and Backspace (8) kept, blank, "-" and "_" give "-", anything else 0.
int NormalizeConceptKey(int key);
// NormalizeConceptKey applied to every character; characters that map to 0 are dropped.
QString NormalizeConceptName(const QString &text);
QString ReplaceDoubleQuotes(const QString &text);
// A readable default name: PHYSICAL-OBJECT gives "physical object".
QString ConceptNameToLabel(const QString &identifier);
