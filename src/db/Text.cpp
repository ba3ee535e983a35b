#include "Text.h"


namespace db {

namespace {

// NOCASE folds upper to lower; folding the other way would put "_" and "[" on the
// other side of the letters.
inline char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

inline bool sameChar(QChar a, QChar b, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseSensitive)
        return a == b;
    return foldAscii(a.unicode()) == foldAscii(b.unicode());
}

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// Matches one bracket class at pattern[p] ("[" already seen at p); returns the index
// after "]" or -1 when the class is not closed (then "[" is an ordinary character).
int matchClass(const QString &pattern, int p, QChar c, Qt::CaseSensitivity cs, bool &matched)
{
    int i = p + 1;
    bool negate = false;
    if (i < pattern.size() && pattern.at(i) == QLatin1Char('!')) {
        negate = true;
        ++i;
    }
    bool any = false;
    const int start = i;
    while (i < pattern.size() && (pattern.at(i) != QLatin1Char(']') || i == start)) {
        QChar lo = pattern.at(i);
        if (i + 2 < pattern.size() && pattern.at(i + 1) == QLatin1Char('-') && pattern.at(i + 2) != QLatin1Char(']')) {
            QChar hi = pattern.at(i + 2);
            QChar x = c;
            if (cs == Qt::CaseInsensitive) {
                x = QChar(foldAscii(x.unicode()));
                lo = QChar(foldAscii(lo.unicode()));
                hi = QChar(foldAscii(hi.unicode()));
            }
            if (x >= lo && x <= hi)
                any = true;
            i += 3;
        } else {
            if (sameChar(lo, c, cs))
                any = true;
            ++i;
        }
    }
    if (i >= pattern.size())
        return -1;
    matched = negate ? !any : any;
    return i + 1;
}

bool likeFrom(const QString &text, int t, const QString &pattern, int p, Qt::CaseSensitivity cs)
{
    // Iterative with one backtrack point per "*", as in classic glob matching.
    int starP = -1, starT = -1;
    while (t < text.size()) {
        if (p < pattern.size()) {
            const QChar pc = pattern.at(p);
            if (pc == QLatin1Char('*')) {
                starP = ++p;
                starT = t;
                continue;
            }
            if (pc == QLatin1Char('?')) {
                ++p;
                ++t;
                continue;
            }
            if (pc == QLatin1Char('#')) {
                if (text.at(t).isDigit()) {
                    ++p;
                    ++t;
                    continue;
                }
            } else if (pc == QLatin1Char('[')) {
                bool matched = false;
                const int next = matchClass(pattern, p, text.at(t), cs, matched);
                if (next < 0) {
                    if (sameChar(pc, text.at(t), cs)) {
                        ++p;
                        ++t;
                        continue;
                    }
                } else if (matched) {
                    p = next;
                    ++t;
                    continue;
                }
            } else if (sameChar(pc, text.at(t), cs)) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

}  // namespace

// The files order text by code point (their bytes are UTF-8); in UTF-16 a character
// beyond U+FFFF is a surrogate pair, which must sort after U+E000-U+FFFF, not before.
inline char16_t codePointOrder(char16_t c)
{
    if (c < 0xD800)
        return c;
    return c >= 0xE000 ? char16_t(c - 0x800) : char16_t(c + 0x2000);
}

int compareText(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldAscii(a.at(i).unicode());
        const char16_t y = foldAscii(b.at(i).unicode());
        if (x != y)
            return codePointOrder(x) < codePointOrder(y) ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int compareStored(QByteArrayView a, QByteArrayView b)
{
    // UTF-8 bytes in order sort as the code points they encode.
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = uchar(foldAscii(uchar(a[i])));
        const auto y = uchar(foldAscii(uchar(b[i])));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

QString fromWindows1252(QByteArrayView bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b);
    }
    return out;
}

int compareValues(const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    if (isNumeric(a) && isNumeric(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return compareText(a.toString(), b.toString());
}

bool likeMatch(const QString &text, const QString &pattern, Qt::CaseSensitivity cs)
{
    return likeFrom(text, 0, pattern, 0, cs);
}

QString toSqlLike(const QString &pattern)
{
    QString out;
    out.reserve(pattern.size());
    for (QChar c : pattern) {
        if (c == QLatin1Char('*'))
            out += QLatin1Char('%');
        else if (c == QLatin1Char('?'))
            out += QLatin1Char('_');
        else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out;
}

QString quoteIdent(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

}  // namespace db
