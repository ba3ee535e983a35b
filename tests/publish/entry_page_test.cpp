#include "PagesFixture.h"
#include "publish/PageFileNames.h"
#include "support/ScriptedMessageBoxes.h"
#include "termbase/TermbaseFixture.h"

#include <gtest/gtest.h>

namespace {

struct Element {
    qint64 id;
    const char *category;
    qint64 parent;
};

// Two entries of a termbase for the ontology's DOG and CAT, with an element of every
// kind of value, data nested three deep, sections with and without terms, and an entry
// without a concept for cross-references to lead to.
struct Entries : OpenTermbase {
    FixedPageDate date;
    TestFolder out;
    Entries()
    {
        OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('DOG', 'OBJECT'), ('CAT', 'OBJECT')");
        const Element elements[] = {
            // back matter the entries point at
            {900, "x4", 1}, {901, "x2", 1}, {902, "x2", 1}, {903, "x5", 1}, {904, "x5", 1}, {905, "x3", 1},
            {906, "x1", 1},
            // DOG: entry-level data three deep
            {100, "0.3", 3}, {101, "4", 100}, {102, "8", 100}, {103, "8", 102}, {104, "8", 103}, {105, "x7", 100},
            {106, "8", 105},
            // CAT and an entry without a concept
            {129, "0.3", 3}, {131, "0.4", 129}, {130, "1", 131},
            {150, "0.3", 3}, {152, "0.4", 150}, {151, "1", 152},
            // DOG's English section: a note, a term with one element of every rendering, a bare term
            {110, "0.4", 100}, {111, "8", 110}, {112, "1", 110},
            {113, "2.1", 112}, {114, "10.4.1", 112}, {115, "3.4", 112}, {116, "5.5.1", 112}, {117, "5.5.2", 112},
            {118, "10.21.1", 112}, {119, "10.21.1", 112}, {120, "10.6.1", 112}, {121, "10.18", 112},
            {122, "10.18", 112}, {123, "9.2.1", 112}, {124, "10.2.2.1", 112}, {125, "10.20", 112},
            {126, "1", 110},
            // a section in a language without a name of its own, and one without a language
            {140, "0.4", 100}, {141, "0.4", 100},
        };
        db::Statement add(TermbaseDB, "INSERT INTO elements (elemID, categoryID, parentID) VALUES (?, ?, ?)");
        for (const Element &e : elements)
            add.bindAll({e.id, QString::fromLatin1(e.category), e.parent}).run();
        TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (100, 'DOG'), (129, 'CAT')");
        TermbaseDB.execute("INSERT INTO TERMS VALUES (112, 'dog <canis>', 'en'), (126, 'hound', 'en'), "
                           "(130, 'cat', 'en'), (151, 'orphan', 'en')");
        TermbaseDB.execute("INSERT INTO elements_use_lang VALUES (110, 'en'), (140, 'fi'), (131, 'en'), (102, 'en')");
        TermbaseDB.execute("INSERT INTO text_values VALUES (900, 'Zoology & <pets>'), (903, 'https://example.org/dog?a=1&b=\"2\"'), "
                           "(904, 'javascript:alert(1)'), (905, 'A. Person'), (906, 'Book <1>'), "
                           "(102, 'An entry note'), (103, 'A note on the note'), (104, 'The deepest note'), "
                           "(106, 'Inside a container'), (111, 'A note on the section'), (121, 'see also'), "
                           "(122, 'leads nowhere')");
        TermbaseDB.execute("INSERT INTO ref_values VALUES (901, 'dog pic.png'), (902, 'bark&\"growl\".wav')");
        TermbaseDB.execute("INSERT INTO picklist_values VALUES (113, 'fullForm')");
        TermbaseDB.execute("INSERT INTO number_values VALUES (115, 42)");
        db::Statement dated(TermbaseDB, "INSERT INTO date_values VALUES (114, ?)");
        dated.bind(1, QDate(2025, 12, 24)).run();
        TermbaseDB.execute("INSERT INTO pointers (elemID, targetID) VALUES (101, 900), (116, 901), (117, 902), "
                           "(118, 903), (119, 904), (120, 130), (121, 130), (122, 151), (123, 151), (124, 905), "
                           "(125, 906)");
    }
    QString page(const QString &name) const { return out.file(PageFileName(name)); }
};

}  // namespace

TEST(TermEntryPage, MatchesTheGoldenPages)
{
    Entries t;
    ScriptedMessageBoxes boxes;
    struct Case {
        QString entry;
        qint64 elemID;
        bool structures;
        QString golden;
    };
    const Case cases[] = {
        {"DOG", 100, false, "entry-every-value.html"},
        {"DOG", 100, true, "entry-with-structures.html"},
        {"CAT", 129, false, "entry-plain.html"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.golden.toStdString());
        WriteTermEntryPage(c.entry, c.elemID, t.out.path(), c.structures, true, true, true, true);
        expectGolden(t.page(c.entry), c.golden);
        EXPECT_TRUE(isWellFormedPage(fileBytes(t.page(c.entry))));
    }
    EXPECT_TRUE(boxes.asked().empty());
}

TEST(TermEntryPage, AJavascriptAddressIsNoLinkAndEveryTextIsEscaped)
{
    Entries t;
    WriteTermEntryPage("DOG", 100, t.out.path(), false, false, false, false, false);
    const QString page = QString::fromUtf8(fileBytes(t.page("DOG")));
    EXPECT_FALSE(page.contains("href =\"javascript"));
    EXPECT_TRUE(page.contains("javascript:alert(1)<br>"));
    EXPECT_TRUE(page.contains("<a href =\"https://example.org/dog?a=1&amp;b=&quot;2&quot;\">"));
    EXPECT_TRUE(page.contains("dog &lt;canis&gt;"));
    EXPECT_TRUE(page.contains("<img src=\"dog%20pic.png\" alt =\"dog pic.png\">"));
    EXPECT_TRUE(page.contains("<a href =\"CAT.html\">CAT</a>"));
}

TEST(TermEntryPage, ControlCharactersFromOutsideNeverReachThePage)
{
    Entries t;
    // A NUL, the other C0 controls, DEL and a C1 control, between a tab and a line break
    // that pages may hold.
    QString odd = QStringLiteral("a") + QChar(0) + QChar(0x01) + QChar(0x08) + QChar(0x0B) + QChar(0x0C) + QChar(0x1B) +
                  QChar(0x1F) + QChar(0x7F) + QChar(0x85) + QChar(0x9F) + QStringLiteral("\tb\nc");
    TermbaseDB.execute("UPDATE TERMS SET term = ? WHERE elemID = 112", {odd});
    TermbaseDB.execute("UPDATE text_values SET value = ? WHERE elemID = 102", {odd});
    WriteTermEntryPage("DOG", 100, t.out.path(), false, false, false, false, false);
    const QString page = QString::fromUtf8(fileBytes(t.page("DOG")));
    for (const QChar c : page) {
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char('\t')) {
            EXPECT_NE(c.category(), QChar::Other_Control) << "U+" << QString::number(c.unicode(), 16).toStdString();
        }
    }
    const QString shown = QStringLiteral("a") + QString(10, QChar(QChar::ReplacementCharacter)) + QStringLiteral("\tb\r\nc");
    EXPECT_EQ(page.count(shown), 2) << "the term and the note, each character marked where it stood";
}

TEST(TermEntryPage, ATermWithoutItsTermRowIsReportedAndThePageStillEnds)
{
    Entries t;
    TermbaseDB.execute("INSERT INTO elements VALUES (160, '0.3', 3), (161, '0.4', 160), (162, '1', 161), "
                       "(163, '1', 161), (164, '0.4', 160)");
    TermbaseDB.execute("INSERT INTO TERMS VALUES (163, 'after the gap', 'en')");
    ScriptedMessageBoxes boxes;
    boxes.expect("Element not found. Fatal Error");
    WriteTermEntryPage("BROKEN", 160, t.out.path(), false, false, false, false, false);
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked().front().icon, ui::Icon::Critical);
    EXPECT_EQ(boxes.asked().front().title, "Error");
    const QByteArray page = fileBytes(t.page("BROKEN"));
    EXPECT_TRUE(page.endsWith("</BODY>\r\n</HTML>\r\n"));
    EXPECT_TRUE(isWellFormedPage(page));
    EXPECT_FALSE(page.contains("after the gap"));
    // The next page is written whole.
    WriteTermEntryPage("CAT", 129, t.out.path(), false, false, false, false, false);
    EXPECT_TRUE(fileBytes(t.page("CAT")).contains("<strong>cat</strong>"));
}

TEST(ElementValueHtml, GivesEachCategoryItsValueTypeAndLanguage)
{
    Entries t;
    struct Case {
        qint64 elemID;
        QVariant value;
        QString valueType;
        QString language;
        QString message;  // part of the message box it shows; empty: none
    };
    const Case cases[] = {
        {112, "dog <canis>", "", "en", ""},
        {110, "in", "", "en", ""},
        {114, QDate(2025, 12, 24), "date", "", ""},
        {115, 42, "number", "", ""},
        {113, "fullForm", "picklist", "", ""},
        {102, "An entry note", "text", "en", ""},
        {105, "in", "container", "", ""},
        {101, "Zoology & <pets>", "", "", ""},
        {120, "in: <a href =\"CAT.html\">CAT</a><br>", "", "", ""},
        {123, "", "", "", ""},
        {122, "leads nowhere", "", "", ""},
        {999, "in", "", "", "Error Code TB008."},
        {103, "A note on the note", "text", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.elemID);
        ScriptedMessageBoxes boxes;
        if (!c.message.isEmpty())
            boxes.expect(c.message);
        QVariant value = QStringLiteral("in");
        QString valueType;
        QString language;
        ElementValueHtml(c.elemID, value, valueType, language);
        EXPECT_EQ(value.toString(), c.value.toString());
        EXPECT_EQ(value.typeId(), c.value.typeId());
        EXPECT_EQ(valueType, c.valueType);
        EXPECT_EQ(language, c.language);
    }
}

TEST(ElementValueHtml, ReportsWhatIsMissingAndLeavesTheValue)
{
    Entries t;
    TermbaseDB.execute("INSERT INTO elements VALUES (170, '1', 110), (171, '8', 110), (172, '3.4', 110)");
    // A category the termbase's table of data categories does not hold.
    std::erase_if(DCTable, [](const DataCategoryRow &r) { return r.categoryID == "3.4"; });
    struct Case {
        qint64 elemID;
        QString message;
    };
    const Case cases[] = {
        {170, "Element not found. Fatal Error. Error Code TB009"},
        {171, "Element not found. Fatal Error"},
        {172, "Element not found. Fatal Error. Please report."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.elemID);
        ScriptedMessageBoxes boxes;
        boxes.expect(c.message);
        QVariant value = QStringLiteral("kept");
        QString valueType;
        QString language = QStringLiteral("xx");
        ElementValueHtml(c.elemID, value, valueType, language);
        EXPECT_EQ(value, QVariant(QStringLiteral("kept")));
        EXPECT_EQ(language, "xx");
        ASSERT_EQ(boxes.asked().size(), 1u);
        EXPECT_EQ(boxes.asked().front().prompt, c.message);
    }
}

TEST(ElementTreeHtml, RendersARowSetWithItsSubElementsInBlockquotes)
{
    Entries t;
    db::QueryCursor rows = db::QueryCursor::snapshot(TermbaseDB, "SELECT * FROM elements WHERE elemID IN (101, 102) "
                                                                 "ORDER BY elemID");
    rows.moveLast();
    EXPECT_EQ(ElementTreeHtml(rows).toStdString(),
              "<strong>subject field: </strong>Zoology &amp; &lt;pets&gt;<br>\r\n"
              "<strong>note: </strong>An entry note <em> (en)</em><br>\r\n"
              "\r\n<blockquote><strong>note: </strong>A note on the note<br>\r\n"
              "\r\n<blockquote><strong>note: </strong>The deepest note<br>\r\n"
              "\r\n</blockquote>\r\n</blockquote>");
    EXPECT_EQ(rows.position(), 0);
}
