#include "IdentifierRules.h"

#include "Global.h"

namespace {

constexpr int Backspace = 8;
constexpr int DoubleQuote = 34;
constexpr int Apostrophe = 39;

}  // namespace

int KeyFilterConceptName(int key)
{
    if (OntologyInfo.Naming)
        return NormalizeConceptKey(key);
    return key == DoubleQuote ? Apostrophe : key;
}

int NormalizeConceptKey(int key)
{
    if (key >= 'a' && key <= 'z')
        return key - ('a' - 'A');
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == Backspace)
        return key;
    if (key == ' ' || key == '-' || key == '_')
        return '-';
    return 0;
}

QString NormalizeConceptName(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (const int mapped = NormalizeConceptKey(c.unicode()))
            out += QChar(mapped);
    return out;
}

QString ReplaceDoubleQuotes(const QString &text)
{
    QString out = text;
    return out.replace(QChar(DoubleQuote), QChar(Apostrophe));
}

QString ConceptNameToLabel(const QString &identifier)
{
    QString out = identifier.toLower();
    return out.replace(QLatin1Char('-'), QLatin1Char(' '));
}
