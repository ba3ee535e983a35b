#include "OxpLines.h"

#include "db/Text.h"
#include "ontology/ConceptCommands.h"

#include <array>

namespace {

struct Keyword {
    OxpSlotKind kind;
    QStringView text;
};

constexpr std::array<Keyword, 5> keywords{{
    {OxpSlotKind::Concept, u" IS-A "},
    {OxpSlotKind::Subclasses, u" SUBCLASSES "},
    {OxpSlotKind::Definition, u" DEFINITION "},
    {OxpSlotKind::Domain, u" DOMAIN "},
    {OxpSlotKind::Range, u" RANGE "},
}};

constexpr qsizetype shortestLine = 7;

inline char16_t upperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
inline char16_t unit(QChar c) { return c.unicode(); }
inline char16_t unit(char c) { return char16_t(static_cast<unsigned char>(c)); }

// Whether the keyword (its blanks included) stands at position at, letters compared
// without regard to ASCII case.
template <class View>
bool keywordAt(const View &line, qsizetype at, QStringView keyword)
{
    if (at + keyword.size() > line.size())
        return false;
    for (qsizetype i = 0; i < keyword.size(); ++i)
        if (upperAscii(unit(line[at + i])) != keyword[i].unicode())
            return false;
    return true;
}

// The kind and position of the earliest keyword, or Property and -1. One pass over the
// line: every keyword starts with a blank, so only the blanks are candidates. The bytes of
// a line compare the same way: the keywords are ASCII, and no byte of another character
// in UTF-8 or Windows-1252 reads as one of theirs.
template <class View>
std::pair<OxpSlotKind, qsizetype> earliestKeywordIn(const View &line)
{
    for (qsizetype at = 0; at + 1 < line.size(); ++at) {
        if (unit(line[at]) != u' ')
            continue;
        for (const Keyword &k : keywords)
            if (keywordAt(line, at, k.text))
                return {k.kind, at};
    }
    return {OxpSlotKind::Property, -1};
}

std::pair<OxpSlotKind, qsizetype> earliestKeyword(QStringView line) { return earliestKeywordIn(line); }

bool startsWithWord(QStringView text, QStringView word)
{
    return text.startsWith(word, Qt::CaseInsensitive);
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

qsizetype codePoints(const QString &text)
{
    qsizetype n = 0;
    for (QChar c : text)
        if (!c.isLowSurrogate())
            ++n;
    return n;
}

// rest: what follows the keyword, up to and without the closing ")".
void readIsa(OxpLine &out, QStringView rest)
{
    if (!startsWithWord(rest, u"VALUE ")) {
        out.problem = QStringLiteral("VALUE does not follow IS-A");
        return;
    }
    rest = rest.mid(6);
    const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '));
    if (blank < 0) {
        out.problem = QStringLiteral("the line has no parent and Type");
        return;
    }
    out.value = rest.left(blank).toString();
    out.typeText = rest.mid(blank + 1).toString();
    if (!allDigits(out.typeText)) {
        out.problem = QStringLiteral("the Type \"%1\" is not a number").arg(out.typeText);
        return;
    }
    bool ok = false;
    const int type = out.typeText.toInt(&ok);
    out.type = ok && IsImportableType(type) ? type : 0;
    if (!out.type)
        out.problem = QStringLiteral("the Type %1 is not one of 1, 2, 3, 4, 5, 13 and 14").arg(out.typeText);
}

void readDefinition(OxpLine &out, QStringView rest)
{
    if (!startsWithWord(rest, u"VALUE ")) {
        out.problem = QStringLiteral("VALUE does not follow DEFINITION");
        return;
    }
    rest = rest.mid(6);
    if (rest == u"Undefined") {
        out.nullDefinition = true;
        return;
    }
    if (rest.size() < 2 || !rest.startsWith(QLatin1Char('"')) || !rest.endsWith(QLatin1Char('"'))) {
        out.problem = QStringLiteral("the definition is neither in double quotes nor the word Undefined");
        return;
    }
    out.value = rest.mid(1, rest.size() - 2).toString();
}

void readDomain(OxpLine &out, QStringView rest)
{
    if (startsWithWord(rest, u"SEM ")) {
        rest = rest.mid(4);
    } else if (startsWithWord(rest, u"DEFAULT ")) {
        out.isDefault = true;
        rest = rest.mid(8);
    } else {
        out.problem = QStringLiteral("neither SEM nor DEFAULT follows DOMAIN");
        return;
    }
    out.value = rest.toString();
}

void checkIdentifier(OxpLine &out, const QString &identifier, const QString &role)
{
    if (!out.problem.isEmpty())
        return;
    const QString problem = OxpIdentifierProblem(identifier);
    if (!problem.isEmpty())
        out.problem = role + QLatin1Char(' ') + problem;
}

}  // namespace

QString OxpKindWord(OxpSlotKind kind)
{
    switch (kind) {
    case OxpSlotKind::Concept: return QStringLiteral("CONCEPT");
    case OxpSlotKind::Subclasses: return QStringLiteral("SUBCLASSES");
    case OxpSlotKind::Definition: return QStringLiteral("DEFINITION");
    case OxpSlotKind::Domain: return QStringLiteral("DOMAIN");
    case OxpSlotKind::Range: return QStringLiteral("RANGE");
    case OxpSlotKind::Property: break;
    }
    return QStringLiteral("PROPERTY");
}

OxpSlotKind GetOxpSlotType(QStringView line) { return earliestKeyword(line).first; }

OxpSlotKind OxpSlotTypeOfBytes(QByteArrayView line) { return earliestKeywordIn(line).first; }

bool IsImportableType(int type)
{
    switch (type) {
    case 1: case 2: case 3: case 4: case 5: case 13: case 14:
        return true;
    default:
        return false;
    }
}

QString OxpIdentifierProblem(const QString &identifier)
{
    if (identifier.isEmpty())
        return QStringLiteral("is empty");
    if (codePoints(identifier) > ConceptIdMaxLength)
        return QStringLiteral("is longer than %1 characters").arg(ConceptIdMaxLength);
    if (identifier.contains(QLatin1Char('"')))
        return QStringLiteral("\"%1\" holds a double quote").arg(identifier);
    // Nothing typed into the editor holds them, and a NUL cuts the text short in the file.
    for (QChar c : identifier)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("holds the control character %1").arg(c.unicode());
    return {};
}

OxpLine ParseOxpLine(QStringView line)
{
    OxpLine out;
    const auto [kind, at] = earliestKeyword(line);
    out.kind = kind;
    out.wellFormed = line.size() >= shortestLine && line.startsWith(QLatin1Char('(')) && line.endsWith(QLatin1Char(')'));
    if (!out.wellFormed || (kind != OxpSlotKind::Concept && kind != OxpSlotKind::Definition && kind != OxpSlotKind::Domain))
        return out;

    out.conceptId = line.mid(1, at - 1).toString();
    const qsizetype keywordLength = keywords[size_t(int(kind) - 1)].text.size();
    // Everything between the keyword and the closing parenthesis. The keyword's own
    // closing blank may be the one before ")", which leaves nothing.
    const qsizetype from = std::min(at + keywordLength, line.size() - 1);
    const QStringView rest = line.mid(from, line.size() - 1 - from);
    switch (kind) {
    case OxpSlotKind::Concept:
        readIsa(out, rest);
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        checkIdentifier(out, out.value, QStringLiteral("the parent"));
        if (out.problem.isEmpty() && db::sameText(out.conceptId, out.value))
            out.problem = QStringLiteral("%1 cannot be its own parent").arg(out.conceptId);
        break;
    case OxpSlotKind::Definition:
        readDefinition(out, rest);
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        break;
    default:
        readDomain(out, rest);
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        checkIdentifier(out, out.value, QStringLiteral("the domain"));
        break;
    }
    return out;
}

namespace oxp {

QString isaLine(const QString &conceptId, const QString &parent, int type)
{
    return QLatin1Char('(') + conceptId + QStringLiteral(" IS-A VALUE ") + parent + QLatin1Char(' ') +
           QString::number(type) + QLatin1Char(')');
}

QString definitionLine(const QString &conceptId, const QString &quotedDefinition)
{
    return QLatin1Char('(') + conceptId + QStringLiteral(" DEFINITION VALUE ") + quotedDefinition + QLatin1Char(')');
}

QString subclassLine(const QString &conceptId, const QString &child)
{
    return QLatin1Char('(') + conceptId + QStringLiteral(" SUBCLASSES VALUE ") + child + QLatin1Char(')');
}

QString slotLine(const QString &conceptId, const QString &slot, const QString &keyword, const QString &filler)
{
    return QLatin1Char('(') + conceptId + QLatin1Char(' ') + slot + QLatin1Char(' ') + keyword + QLatin1Char(' ') +
           filler + QLatin1Char(')');
}

}  // namespace oxp
