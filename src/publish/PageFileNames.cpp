#include "PageFileNames.h"

#include "db/Cursor.h"
#include "db/Text.h"

#include <QCryptographicHash>
#include <QUrl>
#include <optional>

namespace {

const QString PageSuffix = QStringLiteral(".html");
// Room for the suffix within the 255 bytes most file systems allow for a name.
constexpr qsizetype StemMax = 255 - 5;
// A shortened name keeps this much of its escaped form, then "~" and 16 hex digits.
constexpr qsizetype KeptPrefix = StemMax - 17;
const QChar ShortMark = QLatin1Char('~');
const QChar EscapeMark = QLatin1Char('_');

bool isPlain(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-';
}

bool hasCapital(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            return true;
    return false;
}

// The published index and frame pages end so and are lower case.
qsizetype reservedDash(const QString &id)
{
    if (hasCapital(id))
        return -1;
    for (const QLatin1String tail : {QLatin1String("-index"), QLatin1String("-publish")})
        if (id.endsWith(tail))
            return id.size() - tail.size();
    return -1;
}

void appendEscaped(QString &out, const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const char byte : text.toUtf8()) {
        const auto b = static_cast<unsigned char>(byte);
        out += EscapeMark;
        out += QLatin1Char(hex[b >> 4]);
        out += QLatin1Char(hex[b & 15]);
    }
}

QString escapedStem(const QString &id)
{
    if (id.isEmpty())
        return QString(EscapeMark);  // "_" alone decodes to nothing
    const qsizetype dash = reservedDash(id);
    QString out;
    out.reserve(id.size());
    for (qsizetype i = 0; i < id.size(); ++i) {
        const QChar c = id.at(i);
        if (isPlain(c) && i != dash) {
            out += c;
            continue;
        }
        // A surrogate pair is one character: escape both halves together.
        const qsizetype n = c.isHighSurrogate() && i + 1 < id.size() ? 2 : 1;
        appendEscaped(out, id.mid(i, n));
        i += n - 1;
    }
    return out;
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// A prefix may end inside a character of several UTF-8 bytes: that character goes.
void dropCutCharacter(QByteArray &bytes)
{
    qsizetype lead = bytes.size() - 1;
    while (lead >= 0 && bytes.size() - lead <= 4 && (static_cast<unsigned char>(bytes[lead]) & 0xC0) == 0x80)
        --lead;
    if (lead < 0)
        return;
    const auto b = static_cast<unsigned char>(bytes[lead]);
    const qsizetype length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    if (bytes.size() - lead < length)
        bytes.truncate(lead);
}

// Decodes an escaped stem; `complete` says whether a trailing escape may be cut off
// (a shortened name's prefix may end inside one).
std::optional<QString> decodeStem(const QString &stem, bool complete)
{
    if (complete && stem == QString(EscapeMark))
        return QString();  // the empty identifier
    QByteArray bytes;
    for (qsizetype i = 0; i < stem.size(); ++i) {
        const QChar c = stem.at(i);
        if (c == EscapeMark) {
            if (i + 2 >= stem.size()) {
                if (!complete)
                    break;
                return std::nullopt;
            }
            const int hi = hexValue(stem.at(i + 1));
            const int lo = hexValue(stem.at(i + 2));
            if (hi < 0 || lo < 0)
                return std::nullopt;
            bytes += char(hi * 16 + lo);
            i += 2;
        } else if (isPlain(c)) {
            bytes += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (!complete)
        dropCutCharacter(bytes);
    const QString text = QString::fromUtf8(bytes);
    // Only the one spelling PageFileName writes counts: anything else is no page of ours.
    if (complete && escapedStem(text) != stem)
        return std::nullopt;
    return text;
}

QString stemOf(const QString &fileName)
{
    if (!fileName.endsWith(PageSuffix))
        return {};
    return fileName.chopped(PageSuffix.size());
}

}  // namespace

QString PageFileName(const QString &identifier)
{
    QString stem = escapedStem(identifier);
    if (stem.size() > StemMax) {
        qsizetype cut = KeptPrefix;
        // Never end the prefix inside an escape.
        for (qsizetype i = cut - 1; i >= 0 && i >= cut - 2; --i)
            if (stem.at(i) == EscapeMark)
                cut = i;
        const QByteArray hash = QCryptographicHash::hash(identifier.toUtf8(), QCryptographicHash::Sha1);
        stem = stem.left(cut) + ShortMark + QString::fromLatin1(hash.left(8).toHex().toUpper());
    }
    return stem + PageSuffix;
}

bool PageFileNameIsIdentifier(const QString &identifier)
{
    if (identifier.isEmpty() || identifier.size() > StemMax || reservedDash(identifier) >= 0)
        return false;
    for (const QChar c : identifier)
        if (!isPlain(c))
            return false;
    return true;
}

QString PageHref(const QString &identifier)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(PageFileName(identifier)));
}

bool IsShortenedPageFileName(const QString &fileName) { return stemOf(fileName).contains(ShortMark); }

QString ShortenedPagePrefix(const QString &fileName)
{
    const QString stem = stemOf(fileName);
    const qsizetype mark = stem.indexOf(ShortMark);
    if (mark < 0)
        return {};
    return decodeStem(stem.left(mark), false).value_or(QString());
}

QString IdentifierFromPageFileName(const QString &fileName)
{
    const QString stem = stemOf(fileName);
    if (stem.isEmpty() || stem.contains(ShortMark))
        return {};
    return decodeStem(stem, true).value_or(QString());
}

QString IdentifierForPageFile(const db::Database &database, const QString &fileName, const QString &table,
                              const QString &column)
{
    const QString col = db::quoteIdent(column);
    const QString from = QStringLiteral(" FROM ") + db::quoteIdent(table);
    if (!IsShortenedPageFileName(fileName)) {
        const QString id = IdentifierFromPageFileName(fileName);
        if (id.isEmpty())
            return {};
        // The stored spelling: keys ignore letter case, the page was named as stored.
        for (const QLatin1String collation : {QLatin1String(" COLLATE BINARY"), QLatin1String("")}) {
            db::Statement st(database, QStringLiteral("SELECT ") + col + from + QStringLiteral(" WHERE ") + col +
                                           QStringLiteral(" = ?") + collation);
            st.bind(1, id);
            if (st.step())
                return st.column(0).toString();
        }
        return {};
    }
    const QString prefix = ShortenedPagePrefix(fileName);
    QString pattern = prefix;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    db::Statement st(database, QStringLiteral("SELECT ") + col + from + QStringLiteral(" WHERE ") + col +
                                   QStringLiteral(" LIKE ? ESCAPE '\\'"));
    st.bind(1, pattern + QLatin1Char('%'));
    while (st.step()) {
        const QString id = st.column(0).toString();
        if (PageFileName(id) == fileName)
            return id;
    }
    return {};
}
