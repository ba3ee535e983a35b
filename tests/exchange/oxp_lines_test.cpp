#include "exchange/OxpLines.h"

#include <gtest/gtest.h>

namespace {

using K = OxpSlotKind;

}  // namespace

TEST(OxpLines, KindIsTheFirstSlotPhraseAfterWhichTheLineReads)
{
    struct Case {
        const char *line;
        K kind;
    } cases[] = {
        {"(CAR IS-A VALUE VEHICLE 1)", K::Concept},
        {"(CAR SUBCLASSES VALUE SEDAN)", K::Subclasses},
        {"(CAR DEFINITION VALUE \"a car\")", K::Definition},
        {"(COLOR DOMAIN SEM OBJECT)", K::Domain},
        {"(COLOR RANGE VALUE red)", K::Range},
        {"(CAR HAS-PART SEM WHEEL)", K::Property},
        {"(car is-a value vehicle 1)", K::Concept},
        // A keyword inside the value: the slot keyword stands earlier and decides.
        {"(CAR DEFINITION VALUE \"a car is-a vehicle\")", K::Definition},
        {"(X DEFINITION VALUE \"its RANGE and DOMAIN\")", K::Definition},
        // A slot word in an identifier or a filler is no slot.
        {"(CAR COLOR VALUE is-a thing)", K::Property},
        {"(CAR HAS-PART SEM MY IS-A THING)", K::Property},
        {"(MY DOMAIN THING HAS-PART SEM X)", K::Property},
        {"(MY DOMAIN THING IS-A VALUE X 1)", K::Concept},
        {"(MY IS-A THING DEFINITION VALUE \"x\")", K::Definition},
        // A broken phrase still names its kind, so the line is refused, not passed over.
        {"(A IS-A B)", K::Concept},
        {"(X DOMAIN VALUE Y)", K::Domain},
        {"", K::Property},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(GetOxpSlotType(QString::fromUtf8(c.line)), c.kind);
        EXPECT_EQ(ParseOxpLine(QString::fromUtf8(c.line)).kind, c.kind);
    }
}

TEST(OxpLines, FieldsOfTheLinesTheWriterMakes)
{
    struct Case {
        QString line;
        QString conceptId, value;
        int type;
        bool nullDefinition, isDefault;
    } cases[] = {
        {oxp::isaLine("CAR", "VEHICLE", 1), "CAR", "VEHICLE", 1, false, false},
        {oxp::isaLine("X", "Y", 13), "X", "Y", 13, false, false},
        {oxp::isaLine("X", "Y", 14), "X", "Y", 14, false, false},
        {oxp::definitionLine("CAR", "\"a \"small\" car\""), "CAR", "a \"small\" car", 0, false, false},
        {oxp::definitionLine("CAR", "\"Undefined\""), "CAR", "Undefined", 0, false, false},
        {oxp::definitionLine("CAR", "Undefined"), "CAR", "", 0, true, false},
        {oxp::definitionLine("CAR", "\"\""), "CAR", "", 0, false, false},
        {oxp::slotLine("COLOR", "DOMAIN", "SEM", "OBJECT"), "COLOR", "OBJECT", 0, false, false},
        {oxp::slotLine("COLOR", "DOMAIN", "DEFAULT", "OBJECT"), "COLOR", "OBJECT", 0, false, true},
        // Identifiers with blanks, as the naming restriction off allows them, and with slot
        // words in them.
        {oxp::isaLine("MY CAR", "A VEHICLE", 1), "MY CAR", "A VEHICLE", 1, false, false},
        {oxp::isaLine("MY IS-A THING", "A DOMAIN B", 2), "MY IS-A THING", "A DOMAIN B", 2, false, false},
        {oxp::isaLine("MY DOMAIN THING", "X", 1), "MY DOMAIN THING", "X", 1, false, false},
        {oxp::isaLine("MY DEFINITION VALUE THING", "X", 1), "MY DEFINITION VALUE THING", "X", 1, false, false},
        {oxp::definitionLine("THE DEFINITION X", "\"d IS-A VALUE e 1\""), "THE DEFINITION X", "d IS-A VALUE e 1", 0,
         false, false},
        {oxp::definitionLine("A DEFINITION VALUE B", "Undefined"), "A DEFINITION VALUE B", "", 0, true, false},
        {oxp::slotLine("X IS-A Y", "DOMAIN", "SEM", "A DEFINITION B"), "X IS-A Y", "A DEFINITION B", 0, false, false},
        {oxp::isaLine("(PAREN) X", "Y", 1), "(PAREN) X", "Y", 1, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const OxpLine l = ParseOxpLine(c.line);
        EXPECT_TRUE(l.wellFormed);
        EXPECT_EQ(l.problem, "");
        EXPECT_EQ(l.conceptId, c.conceptId);
        EXPECT_EQ(l.value, c.value);
        EXPECT_EQ(l.type, c.type);
        EXPECT_EQ(l.nullDefinition, c.nullDefinition);
        EXPECT_EQ(l.isDefault, c.isDefault);
    }
}

TEST(OxpLines, LinesThatCannotBeReadSayWhy)
{
    const QString longId(256, QLatin1Char('A'));
    struct Case {
        QString line;
        bool wellFormed;
        QString problem;  // a part of it
    } cases[] = {
        {"", false, ""},
        {"(A B)", false, ""},
        {"(A IS-A VALUE B 1", false, ""},
        {"A IS-A VALUE B 1)", false, ""},
        {"(A IS-A B)", true, "VALUE does not follow IS-A"},
        {"(A IS-A VALUE B)", true, "the line has no parent and Type"},
        {"(A IS-A VALUE B x)", true, "the Type \"x\" is not a number"},
        {"(A IS-A VALUE B 7)", true, "the Type 7 is not one of"},
        {"(A IS-A VALUE B 100)", true, "the Type 100"},
        {"(A IS-A VALUE B 99999999999999999999)", true, "is not one of"},
        {"(A IS-A VALUE A 1)", true, "A cannot be its own parent"},
        {"(A IS-A VALUE a 1)", true, "cannot be its own parent"},
        {"( IS-A VALUE B 1)", true, "the concept is empty"},
        {"(A IS-A VALUE  1)", true, "the parent is empty"},
        {"(" + longId + " IS-A VALUE B 1)", true, "the concept is longer than 255 characters"},
        {"(A IS-A VALUE " + longId + " 1)", true, "the parent is longer than 255 characters"},
        {"(A\"B IS-A VALUE C 1)", true, "holds a double quote"},
        {"(X DEFINITION VALUE )", true, "neither in double quotes nor the word Undefined"},
        {"(X DEFINITION VALUE \")", true, "neither in double quotes"},
        {"(X DEFINITION VALUE undefined)", true, "neither in double quotes"},
        {"(X DEFINITION \"text\")", true, "VALUE does not follow DEFINITION"},
        {"(X DOMAIN VALUE Y)", true, "neither SEM nor DEFAULT"},
        {"(X DOMAIN SEM )", true, "the domain is empty"},
        // Fields separated by two blanks, or a stray parenthesis, leave no identifier
        // that could be stored as it stands.
        {"(T-SP IS-A VALUE OBJECT  1)", true, "the parent \"OBJECT \" starts or ends with a blank"},
        {"(T-SP  IS-A VALUE OBJECT 1)", true, "the concept \"T-SP \" starts or ends with a blank"},
        {"((OBJECT IS-A VALUE X 1)", true, "the concept \"(OBJECT\" holds an unbalanced parenthesis"},
        {"(A IS-A VALUE B) 1)", true, "the parent \"B)\" holds an unbalanced parenthesis"},
        {"(X DOMAIN SEM  Y)", true, "the domain \" Y\" starts or ends with a blank"},
        {"(X) DEFINITION VALUE \"d\")", true, "the concept \"X)\" holds an unbalanced parenthesis"},
        {QString("(X DEFINITION VALUE \"a") + QChar(0) + "b\")", true, "the definition holds a NUL character"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const OxpLine l = ParseOxpLine(c.line);
        EXPECT_EQ(l.wellFormed, c.wellFormed);
        if (c.wellFormed) {
            EXPECT_FALSE(l.problem.isEmpty());
            EXPECT_TRUE(l.problem.contains(c.problem)) << l.problem.toStdString();
        }
    }
    // 255 characters beyond U+FFFF are 510 UTF-16 units, and still fit.
    QString wide;
    for (int i = 0; i < 255; ++i)
        wide += QString::fromUcs4(U"\U0001D400");
    EXPECT_EQ(ParseOxpLine(oxp::isaLine(wide, "B", 1)).problem, "");
}
