#pragma once
// Look-ups over the element tree of the open termbase, through RSElements and
// RSTEConcepts.

#include <QString>

// The categoryID of an element. A missing element is a broken tree: the GL001 message,
// and the empty text.
QString GetElementCategory(qint64 elemID);

// The concept of the term entry (an element of category "0.3") that holds the element,
// the entry itself included; the empty text for the root, for anything outside every
// entry and for an entry without a concept. The climb ends at an element without a
// parent and at one it has met before, so a damaged tree cannot hold it.
QString GetEntryElement(qint64 elemID);
