#include "db/Text.h"

#include <gtest/gtest.h>

TEST(Like, PatternsOfTheEngineDialect)
{
    struct Case {
        const char *text;
        const char *pattern;
        bool caseSensitive;
        bool expected;
    } cases[] = {
        {"Ontology Editor - Foods", "Ontology Editor*", true, true},
        {"ontology editor", "Ontology Editor*", true, false},
        {"ontology editor", "Ontology Editor*", false, true},
        {"TermBase Editor", "TermBase *", true, true},
        {"TermBase", "TermBase *", true, false},
        {"Add Relation", "* Relation", true, true},
        {"body", "body*", true, true},
        {"a1c", "a#c", true, true},
        {"abc", "a#c", true, false},
        {"abc", "a?c", true, true},
        {"ac", "a?c", true, false},
        {"b", "[abc]", true, true},
        {"d", "[abc]", true, false},
        {"d", "[!abc]", true, true},
        {"m", "[a-z]", true, true},
        {"M", "[a-z]", true, false},
        {"M", "[a-z]", false, true},
        {"[", "[", true, true},
        {"abcabd", "*abd", true, true},
        {"abc", "abc*", true, true},
        {"abcx", "abc", true, false},
        {"", "*", true, true},
        {"x", "", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " ~ " + c.pattern);
        EXPECT_EQ(db::likeMatch(c.text, c.pattern, c.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive),
                  c.expected);
    }
}

TEST(Text, ComparesAsTheFilesDo)
{
    EXPECT_TRUE(db::sameText("Concept", "CONCEPT"));
    EXPECT_FALSE(db::sameText("Ünit", "üNIT")) << "only ASCII letters fold, as in the files";
    EXPECT_LT(db::compareText("10.18", "2"), 0);
    EXPECT_GT(db::compareText("a", "_"), 0) << "ordered as the files order: after folding to lower case";
    EXPECT_EQ(db::toSqlLike("50%_a*b?"), "50\\%\\_a%b_");
}
