#include "ui/Like.h"

#include <gtest/gtest.h>

TEST(Like, MatchesCaptionsCaseSensitivelyAndWhole)
{
    struct Case {
        const char *text;
        const char *pattern;
        bool expected;
    } cases[] = {
        // The captions windows look for.
        {"Add Relation", "* Relation", true},
        {"Add relation", "* Relation", false},
        {"Relation", "* Relation", false},
        {"Add ISA link", "* link", true},
        {"Edit ISA link", "* link", true},
        {"Add Attribute", "* Attribute", true},
        {"Add Concept", "Add Concept", true},
        {"Add Concept ", "Add Concept", false},
        {"add concept", "Add Concept", false},
        {"TermBase Editor - Foods", "TermBase *", true},
        {"TermBase", "TermBase *", false},
        {"TermBase", "TermBase*", true},
        {"Ontology Editor", "Ontology Editor*", true},
        {"ONTOLOGY EDITOR - x", "Ontology Editor*", false},
        {"Naming - CAR", "Name*", false},
        {"Name", "Name*", true},
        {"OntologyExport", "*Export", true},
        {"OntologyExport ", "*Export", false},
        {"body class=x", "body*", true},
        {"<body", "body*", false},
        // The rest of the pattern language.
        {"A1", "A#", true},
        {"AB", "A#", false},
        {"A12", "A#", false},
        {"ABC", "A?C", true},
        {"AC", "A?C", false},
        {"B", "[A-C]", true},
        {"b", "[A-C]", false},
        {"D", "[!A-C]", true},
        {"B", "[!A-C]", false},
        {"x-y", "x[-]y", true},
        {"", "", true},
        {"", "*", true},
        {"a", "", false},
        {"a*b", "a[*]b", true},
        {"axb", "a[*]b", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" Like \"" + c.pattern + "\"");
        EXPECT_EQ(ui::Like(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.expected);
    }
}

TEST(Like, TellsPatternsTheEngineRefuses)
{
    struct Case {
        const char *pattern;
        bool valid;
    } cases[] = {
        {"CAR*", true},
        {"C?R", true},
        {"A#", true},
        {"[A-C]*", true},
        {"[!A-C]*", true},
        {"x[-]y", true},
        {"a[*]b", true},
        {"[]]", true},
        {"", true},
        {"[ABC", false},
        {"CAR[", false},
        {"[A-C]*[", false},
        {"[!", false},
        {"[z-a]", false},
        {"*[C-A]*", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(ui::IsValidLikePattern(QString::fromUtf8(c.pattern)), c.valid);
    }
}
