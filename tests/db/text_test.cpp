#include "db/Text.h"
#include "db/Database.h"

#include <QTemporaryDir>
#include <algorithm>

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

// The stored bytes merge in the order the text compares: letters folded to lower case,
// other characters by code point, a prefix first.
TEST(Text, StoredBytesOrderAsTheText)
{
    const QString pairs[][2] = {
        {"a", "_"},         {"Z", "_"},      {"abc", "ABD"},   {"C-10", "c-1"},
        {"concept", "CONCEPT"}, {"Ünit", "unit"}, {"é", "z"}, {QString::fromUcs4(U"\U0001F600"), QString(QChar(0xFF21))},
    };
    for (const auto &p : pairs) {
        SCOPED_TRACE((p[0] + " ~ " + p[1]).toStdString());
        const QByteArray a = p[0].toUtf8(), b = p[1].toUtf8();
        EXPECT_EQ(db::compareStored(a, b), db::compareText(p[0], p[1]));
        EXPECT_EQ(db::compareStored(b, a), db::compareText(p[1], p[0]));
    }
}

TEST(Text, OrdersAsTheFileOrdersByCodePoint)
{
    // A character beyond U+FFFF against one just below it: the file orders by code point.
    const QString supplementary = QString::fromUcs4(U"\U0001F600");
    const QString high = QString(QChar(0xFF21));  // fullwidth A, which NOCASE does not fold
    EXPECT_GT(db::compareText(supplementary, high), 0);
    EXPECT_LT(db::compareText(high, supplementary), 0);

    QTemporaryDir dir;
    db::Database file = db::Database::create(dir.filePath("order.db"));
    file.execute("CREATE TABLE t (x TEXT COLLATE NOCASE)");
    const QStringList texts{supplementary, high, "b", "B-", "a", "_", "\u00e9", "Z"};
    for (const QString &t : texts)
        file.execute("INSERT INTO t VALUES (?)", {t});
    QStringList stored;
    db::Statement st(file, "SELECT x FROM t ORDER BY x, rowid");
    while (st.step())
        stored << st.column(0).toString();
    QStringList sorted = texts;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &a, const QString &b) { return db::compareText(a, b) < 0; });
    EXPECT_EQ(sorted, stored);
}

TEST(Text, ReadsWindows1252)
{
    struct Case {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain", "plain"},
        {"caf\xe9", QString::fromUtf8("caf\xc3\xa9")},
        {"\x80 \x93quoted\x94 \x9f", QString::fromUtf8("\xe2\x82\xac \xe2\x80\x9cquoted\xe2\x80\x9d \xc5\xb8")},
        {"\x81\x8d", QString(QChar(0x81)) + QChar(0x8d)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(db::fromWindows1252(c.bytes), c.text);
    }
}
