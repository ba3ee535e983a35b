#include "ontology/Global.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A key rule applied key by key to what the user types; swallowed keys leave nothing.
QString typed(const QString &keys, const std::function<int(int)> &rule)
{
    QString out;
    for (const QChar c : keys)
        if (const int k = rule(c.unicode()))
            out += QChar(k);
    return out;
}

}  // namespace

TEST(IdentifierRules, TurnTypedAndPastedTextIntoIdentifiers)
{
    enum Rule { KeyFilter, Key, Name, Quotes, Label };
    const struct Case {
        Rule rule;
        bool naming;
        QString input;
        QString expected;
    } cases[] = {
        {KeyFilter, true, "a b_c-d", "A-B-C-D"},
        {KeyFilter, true, QString::fromUtf8("\"!Ü\b'"), "\b"},  // only Backspace of these passes
        {KeyFilter, false, "say \"hi\"", "say 'hi'"},
        {KeyFilter, false, QString::fromUtf8("Ünit 2!_"), QString::fromUtf8("Ünit 2!_")},
        {Key, false, "azAZ09 -_\b", "AZAZ09---\b"},
        {Key, false, QString::fromUtf8("é€\t.\x7f") + QChar(0x4E00), ""},
        {Name, false, QString::fromUtf8("Ünit 2!"), "NIT-2"},
        {Name, false, QString::fromUtf8("äöü!? "), "-"},
        {Name, false, QString::fromUtf8("äöü!?"), ""},
        {Name, false, "physical object", "PHYSICAL-OBJECT"},
        {Name, false, "O'Brien \"x\"", "OBRIEN-X"},
        {Quotes, false, "say \"hi\"", "say 'hi'"},
        {Quotes, false, "it's", "it's"},
        {Label, false, "PHYSICAL-OBJECT", "physical object"},
        {Label, false, "MAKE-UP-2", "make up 2"},
        {Label, false, "free Text", "free text"},
    };
    const bool naming = OntologyInfo.Naming;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        OntologyInfo.Naming = c.naming;
        QString got;
        switch (c.rule) {
        case KeyFilter: got = typed(c.input, KeyFilterConceptName); break;
        case Key: got = typed(c.input, NormalizeConceptKey); break;
        case Name: got = NormalizeConceptName(c.input); break;
        case Quotes: got = ReplaceDoubleQuotes(c.input); break;
        case Label: got = ConceptNameToLabel(c.input); break;
        }
        EXPECT_EQ(got, c.expected);
    }
    OntologyInfo.Naming = naming;
}

TEST(StringHelpers, CompareExactlyAndFlattenInPlace)
{
    EXPECT_TRUE(IsInArray("ABC", {"x", "ABC"}));
    EXPECT_FALSE(IsInArray("abc", {"x", "ABC"})) << "letter case counts";
    EXPECT_FALSE(IsInArray("abc", {}));

    QStringList list{"b", "B", "_", "a", "A", "10", "9"};
    SortStrings(list);
    EXPECT_EQ(list, QStringList({"10", "9", "A", "B", "_", "a", "b"}));

    const struct {
        QString text, flat;
    } breaks[] = {{"a\r\nb", "a  b"}, {"\n\rx\r", "  x "}, {"none", "none"}, {"", ""}};
    for (const auto &c : breaks) {
        QString text = c.text;
        EXPECT_EQ(FlattenLineBreaks(text), c.flat);
        EXPECT_EQ(text, c.flat) << "changed in place";
    }
}
