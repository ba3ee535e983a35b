#include "OxpLines.h"

#include "db/Text.h"
#include "ontology/ConceptCommands.h"

#include <array>

namespace {

// A slot phrase: the slot word and the keyword after it, between blanks. A line is read
// as "(", an identifier, a phrase and a value, ")".
struct Phrase {
    OxpSlotKind kind;
    QStringView text;
    bool isDefault;
};

constexpr std::array<Phrase, 8> phrases{{
    {OxpSlotKind::Concept, u" IS-A VALUE ", false},
    {OxpSlotKind::Subclasses, u" SUBCLASSES VALUE ", false},
    {OxpSlotKind::Definition, u" DEFINITION VALUE ", false},
    {OxpSlotKind::Domain, u" DOMAIN SEM ", false},
    {OxpSlotKind::Domain, u" DOMAIN DEFAULT ", true},
    {OxpSlotKind::Range, u" RANGE VALUE ", false},
    {OxpSlotKind::Range, u" RANGE SEM ", false},
    {OxpSlotKind::Range, u" RANGE DEFAULT ", true},
}};

// The slot words alone, for lines whose phrase is broken.
struct SlotWord {
    OxpSlotKind kind;
    QStringView text;
};

constexpr std::array<SlotWord, 5> slotWords{{
    {OxpSlotKind::Concept, u" IS-A "},
    {OxpSlotKind::Subclasses, u" SUBCLASSES "},
    {OxpSlotKind::Definition, u" DEFINITION "},
    {OxpSlotKind::Domain, u" DOMAIN "},
    {OxpSlotKind::Range, u" RANGE "},
}};

// The keywords of relation and attribute lines.
constexpr std::array<QStringView, 3> fillerKeywords{{u" SEM ", u" VALUE ", u" DEFAULT "}};

constexpr qsizetype shortestLine = 7;
constexpr QStringView undefinedWord = u"Undefined";

inline char16_t upperAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }
inline char16_t unit(QChar c) { return c.unicode(); }
inline char16_t unit(char c) { return char16_t(static_cast<unsigned char>(c)); }

// Whether the text (its blanks included) stands at position at, letters compared without
// regard to ASCII case. The bytes of a line compare the same way: the phrases are ASCII,
// and no byte of another character in UTF-8 or Windows-1252 reads as one of theirs.
template <class View>
bool textAt(const View &line, qsizetype at, QStringView text)
{
    if (at < 0 || at + text.size() > line.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (upperAscii(unit(line[at + i])) != text[i].unicode())
            return false;
    return true;
}

// A part of a line, by positions.
struct Span {
    qsizetype from = 0, to = 0;
    qsizetype size() const { return to - from; }
};

// What keeps a part of a line from being an identifier, the length aside (which needs the
// decoded text).
enum class IdFault { None, Empty, Quote, Control, EdgeBlank, Parenthesis };

template <class View>
IdFault identifierFault(const View &line, Span s)
{
    if (s.size() <= 0)
        return IdFault::Empty;
    int depth = 0;
    bool unbalanced = false;
    for (qsizetype i = s.from; i < s.to; ++i) {
        const char16_t c = unit(line[i]);
        if (c == u'"')
            return IdFault::Quote;
        if (c < 0x20 || c == 0x7F)
            return IdFault::Control;
        if (c == u'(')
            ++depth;
        else if (c == u')' && --depth < 0)
            unbalanced = true;
    }
    if (unit(line[s.from]) == u' ' || unit(line[s.to - 1]) == u' ')
        return IdFault::EdgeBlank;
    return unbalanced || depth != 0 ? IdFault::Parenthesis : IdFault::None;
}

// How the value after a phrase reads.
enum class ValueFault { None, NoType, TypeNotDigits, NotQuoted, BadValueId };

struct Reading {
    const Phrase *phrase = nullptr;
    Span conceptId, value, type;
    IdFault idFault = IdFault::None;  // of the concept, or of the parent or domain
    ValueFault fault = ValueFault::None;
    bool nullDefinition = false;
    bool reads() const { return idFault == IdFault::None && fault == ValueFault::None; }
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The line read at the phrase that starts at position at; its last character is taken
// for the closing parenthesis.
template <class View>
Reading readAt(const View &line, qsizetype at, const Phrase &phrase)
{
    Reading r;
    r.phrase = &phrase;
    r.conceptId = {1, at};
    const qsizetype from = at + phrase.text.size();
    r.value = {from, std::max(from, line.size() - 1)};
    switch (phrase.kind) {
    case OxpSlotKind::Concept: {
        qsizetype blank = r.value.to - 1;
        while (blank >= r.value.from && unit(line[blank]) != u' ')
            --blank;
        if (blank < r.value.from) {
            r.fault = ValueFault::NoType;
            return r;
        }
        r.type = {blank + 1, r.value.to};
        r.value.to = blank;
        bool digits = r.type.size() > 0;
        for (qsizetype i = r.type.from; i < r.type.to && digits; ++i)
            digits = isDigit(unit(line[i]));
        if (!digits) {
            r.fault = ValueFault::TypeNotDigits;
            return r;
        }
        break;
    }
    case OxpSlotKind::Definition: {
        const qsizetype n = r.value.size();
        bool undefined = n == undefinedWord.size();
        for (qsizetype i = 0; i < n && undefined; ++i)
            undefined = unit(line[r.value.from + i]) == undefinedWord[i].unicode();
        if (undefined) {
            r.nullDefinition = true;
            break;
        }
        if (n < 2 || unit(line[r.value.from]) != u'"' || unit(line[r.value.to - 1]) != u'"') {
            r.fault = ValueFault::NotQuoted;
            return r;
        }
        // The text itself is looked at only once the line is taken for a definition: a
        // definition may be long, and every pass over the file classifies every line.
        r.value = {r.value.from + 1, r.value.to - 1};
        break;
    }
    case OxpSlotKind::Domain:
        break;
    default:
        // Lines that are never imported: their fields are not looked at.
        return r;
    }
    if ((r.idFault = identifierFault(line, r.conceptId)) != IdFault::None)
        return r;
    if (phrase.kind != OxpSlotKind::Definition && (r.idFault = identifierFault(line, r.value)) != IdFault::None)
        r.fault = ValueFault::BadValueId;
    return r;
}

// Whether the line has the shape of a relation or attribute line: a keyword after a slot
// name that is none of the slot words.
template <class View>
bool hasFillerShape(const View &line)
{
    for (qsizetype at = 1; at + 1 < line.size(); ++at) {
        if (unit(line[at]) != u' ')
            continue;
        for (QStringView keyword : fillerKeywords) {
            if (!textAt(line, at, keyword))
                continue;
            qsizetype start = at - 1;
            while (start > 0 && unit(line[start]) != u' ')
                --start;
            bool slotWord = false;
            for (const SlotWord &w : slotWords)
                slotWord = slotWord || (start + w.text.size() - 1 == at && textAt(line, start, w.text.first(w.text.size() - 1)));
            if (!slotWord)
                return true;
        }
    }
    return false;
}

struct Located {
    OxpSlotKind kind = OxpSlotKind::Property;
    Reading reading;  // the phrase's reading, when a phrase decides
};

// The kind of a line and how it reads: the earliest phrase after which the line reads;
// else a relation or attribute line; else the earliest phrase, with what is wrong after
// it; else the earliest slot word alone; else a relation or attribute line.
template <class View>
Located locate(const View &line)
{
    Located found;
    bool anyPhrase = false;
    for (qsizetype at = 1; at + 1 < line.size(); ++at) {
        if (unit(line[at]) != u' ')
            continue;
        const char16_t next = upperAscii(unit(line[at + 1]));
        if (next != u'I' && next != u'S' && next != u'D' && next != u'R')
            continue;
        for (const Phrase &p : phrases) {
            if (!textAt(line, at, p.text))
                continue;
            const Reading r = readAt(line, at, p);
            if (r.reads())
                return {p.kind, r};
            if (!anyPhrase) {
                anyPhrase = true;
                found = {p.kind, r};
            }
        }
    }
    if (hasFillerShape(line))
        return {};
    if (anyPhrase)
        return found;
    for (qsizetype at = 1; at + 1 < line.size(); ++at) {
        if (unit(line[at]) != u' ')
            continue;
        for (const SlotWord &w : slotWords)
            if (textAt(line, at, w.text))
                return {w.kind, {}};
    }
    return found;
}

qsizetype codePoints(const QString &text)
{
    qsizetype n = 0;
    for (QChar c : text)
        if (!c.isLowSurrogate())
            ++n;
    return n;
}

void checkIdentifier(OxpLine &out, const QString &identifier, const QString &role)
{
    if (!out.problem.isEmpty())
        return;
    const QString problem = OxpIdentifierProblem(identifier);
    if (!problem.isEmpty())
        out.problem = role + QLatin1Char(' ') + problem;
}

// The fields of a line of a kind the import takes, and what keeps them from being used.
void takeFields(OxpLine &out, QStringView line, const Reading &r)
{
    const auto text = [&](Span s) { return line.mid(s.from, s.size()).toString(); };
    out.conceptId = text(r.conceptId);
    switch (out.kind) {
    case OxpSlotKind::Concept:
        if (r.fault == ValueFault::NoType) {
            out.problem = QStringLiteral("the line has no parent and Type");
            return;
        }
        out.value = text(r.value);
        out.typeText = text(r.type);
        if (r.fault == ValueFault::TypeNotDigits) {
            out.problem = QStringLiteral("the Type \"%1\" is not a number").arg(out.typeText);
            return;
        }
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        checkIdentifier(out, out.value, QStringLiteral("the parent"));
        if (!out.problem.isEmpty())
            return;
        {
            bool ok = false;
            const int type = out.typeText.toInt(&ok);
            out.type = ok && IsImportableType(type) ? type : 0;
        }
        if (!out.type)
            out.problem = QStringLiteral("the Type %1 is not one of 1, 2, 3, 4, 5, 13 and 14").arg(out.typeText);
        else if (db::sameText(out.conceptId, out.value))
            out.problem = QStringLiteral("%1 cannot be its own parent").arg(out.conceptId);
        return;
    case OxpSlotKind::Definition:
        if (r.fault == ValueFault::NotQuoted) {
            out.problem = QStringLiteral("the definition is neither in double quotes nor the word Undefined");
            return;
        }
        out.nullDefinition = r.nullDefinition;
        if (!r.nullDefinition)
            out.value = text(r.value);
        if (out.value.contains(QChar(0))) {
            out.problem = QStringLiteral("the definition holds a NUL character");
            return;
        }
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        return;
    default:
        out.isDefault = r.phrase->isDefault;
        out.value = text(r.value);
        checkIdentifier(out, out.conceptId, QStringLiteral("the concept"));
        checkIdentifier(out, out.value, QStringLiteral("the domain"));
        return;
    }
}

// A line with the slot word but not its phrase.
QString brokenPhraseProblem(OxpSlotKind kind)
{
    switch (kind) {
    case OxpSlotKind::Concept: return QStringLiteral("VALUE does not follow IS-A");
    case OxpSlotKind::Definition: return QStringLiteral("VALUE does not follow DEFINITION");
    default: return QStringLiteral("neither SEM nor DEFAULT follows DOMAIN");
    }
}

bool hasFields(OxpSlotKind kind)
{
    return kind == OxpSlotKind::Concept || kind == OxpSlotKind::Definition || kind == OxpSlotKind::Domain;
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

OxpSlotKind GetOxpSlotType(QStringView line) { return locate(line).kind; }

OxpSlotKind OxpSlotTypeOfBytes(QByteArrayView line) { return locate(line).kind; }

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
    switch (identifierFault(QStringView(identifier), Span{0, identifier.size()})) {
    case IdFault::Empty: return QStringLiteral("is empty");
    case IdFault::Quote: return QStringLiteral("\"%1\" holds a double quote").arg(identifier);
    case IdFault::Control:
        // Nothing typed into the editor holds them, and a NUL cuts the text short in the file.
        for (QChar c : identifier)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return QStringLiteral("holds the control character %1").arg(c.unicode());
        break;
    case IdFault::EdgeBlank: return QStringLiteral("\"%1\" starts or ends with a blank").arg(identifier);
    case IdFault::Parenthesis: return QStringLiteral("\"%1\" holds an unbalanced parenthesis").arg(identifier);
    case IdFault::None: break;
    }
    if (codePoints(identifier) > ConceptIdMaxLength)
        return QStringLiteral("is longer than %1 characters").arg(ConceptIdMaxLength);
    return {};
}

OxpLine ParseOxpLine(QStringView line)
{
    OxpLine out;
    const Located found = locate(line);
    out.kind = found.kind;
    out.wellFormed = line.size() >= shortestLine && line.startsWith(QLatin1Char('(')) && line.endsWith(QLatin1Char(')'));
    if (!out.wellFormed) {
        out.problem = line.isEmpty()                          ? QStringLiteral("the line is empty")
                      : !line.startsWith(QLatin1Char('('))    ? QStringLiteral("the line does not start with \"(\"")
                      : !line.endsWith(QLatin1Char(')'))      ? QStringLiteral("the line does not end with \")\"")
                                                              : QStringLiteral("the line is shorter than 7 characters");
        return out;
    }
    if (!hasFields(out.kind))
        return out;
    if (found.reading.phrase)
        takeFields(out, line, found.reading);
    else
        out.problem = brokenPhraseProblem(out.kind);
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
