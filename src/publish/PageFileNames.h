#pragma once
// The one mapping between an identifier (a concept, or the name of a term entry) and the
// file name of its page. Every writer names its file with PageFileName, every link points
// at PageHref, and a window that is told a page was clicked finds the concept again with
// IdentifierForPageFile.
//
//   QString file = folder + PageFileName(id);                 // where the page goes
//   html += "<a href = \"" + PageHref(id) + "\">";             // a link to it
//   QString id = IdentifierForPageFile(OntologyDB, fileName);  // and back
//
// Identifiers made only of A-Z, a-z, 0-9 and "-" (every identifier typed with the naming
// rules on) keep their name: "CAR" is "CAR.html". Any other character is written as "_"
// and the two hex digits of each of its UTF-8 bytes ("A/B" is "A_2FB.html", "_" itself
// "_5F"), so no name leaves its folder or holds a character a file system refuses. A name
// too long for the file system keeps a prefix and ends in "~" and a hash of the whole
// identifier. The index and frame pages of a published ontology are named
// "<name>-index.html" and "<name>-publish.html" in lower case; an identifier without
// capitals that ends so has its last "-" escaped, so it can never take their place.

#include "db/Database.h"

#include <QString>

// "<mapped name>.html": a plain file name, at most 255 bytes, never "." or "..".
QString PageFileName(const QString &identifier);
// The same name as it stands in an href or src attribute (percent-encoded).
QString PageHref(const QString &identifier);
// Whether the page's file name is the identifier itself and ".html" (and so its href too).
bool PageFileNameIsIdentifier(const QString &identifier);

// The reverse of PageFileName when the name was not shortened. A name that is no page
// name (another extension, a bad escape, a shortened name) gives the empty text.
QString IdentifierFromPageFileName(const QString &fileName);
// Whether the name is one PageFileName shortens; its decodable prefix then goes to
// ShortenedPagePrefix.
bool IsShortenedPageFileName(const QString &fileName);
QString ShortenedPagePrefix(const QString &fileName);

// The identifier whose page has this file name, looked up in a table of identifiers
// (CONCEPTS.Concept of an ontology or a termbase): a shortened name is resolved among the
// identifiers with its prefix. The empty text when none maps to the name.
QString IdentifierForPageFile(const db::Database &database, const QString &fileName,
                              const QString &table = QStringLiteral("CONCEPTS"),
                              const QString &column = QStringLiteral("Concept"));
