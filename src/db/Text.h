#pragma once
// Text rules shared by every layer that compares what the database stores.
// The files collate text with SQLite's NOCASE (ASCII letters fold, nothing else), so
// code that compares in memory must fold the same way, or a search in memory and a
// key in the file would disagree about what is "the same".

#include <QByteArrayView>
#include <QString>
#include <QVariant>

namespace db {

// Case-insensitive as the files compare: ASCII letters only.
int compareText(const QString &a, const QString &b);
// The same order on the bytes the file stores (UTF-8), as the engine compares them, for
// code that merges rows read from the file without converting each.
int compareStored(QByteArrayView a, QByteArrayView b);
inline bool sameText(const QString &a, const QString &b) { return a.size() == b.size() && compareText(a, b) == 0; }

// Older text files: bytes in the Windows-1252 code page (Latin-1 with printable
// characters in 0x80-0x9F; the five codes it leaves undefined are kept as they are).
QString fromWindows1252(QByteArrayView bytes);

// Compares two stored values: numbers as numbers, everything else as text (NOCASE).
// Null sorts before every value; two Nulls are equal.
int compareValues(const QVariant &a, const QVariant &b);

// Query patterns of the engine's own dialect: "*" any run, "?" one character,
// "#" one digit, "[abc]", "[a-z]", "[!abc]"; whole-string. The engine compares without
// regard to (ASCII) case; window captions are matched case-sensitively.
bool likeMatch(const QString &text, const QString &pattern,
               Qt::CaseSensitivity cs = Qt::CaseInsensitive);

// Turns such a pattern into an SQLite LIKE pattern for "LIKE ? ESCAPE '\'".
// Only "*" and "?" have a LIKE form; a pattern with "#" or brackets is taken literally
// by this translation, so use likeMatch for those.
QString toSqlLike(const QString &pattern);

// "name" quoted as an SQL identifier.
QString quoteIdent(const QString &name);

}  // namespace db
