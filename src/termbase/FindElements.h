#pragma once
// Finding term entries by their concept and terms by their text, in the order in which the
// element tree shows them: entries by concept (as the entries' container sorts them), then
// each entry's language sections and their terms as stored. The database is searched, so
// nothing of the tree has to be read for it.
//
// Patterns: "*" any run, "?" one character, every other character itself ("[" and "#"
// included); letter case counts.

#include <QString>
#include <optional>

// The pattern for a typed text: the text itself with fullWord, else every label that
// begins with it.
QString FindPattern(const QString &text, bool fullWord);
bool MatchesFindPattern(const QString &label, const QString &pattern);

// The first term entry whose concept matches, after the entry given (from the first
// when after is 0); wraps around to the first match when none follows.
std::optional<qint64> FindEntry(const QString &pattern, qint64 after = 0);

// The first term of a language section whose text matches, after the term given (from
// the first when after is 0); no wrap-around.
std::optional<qint64> FindTermElement(const QString &pattern, qint64 after = 0);
// Whether any term follows the one given in that order.
bool HasTermAfter(qint64 termID);
