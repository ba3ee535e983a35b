#include "ontology/ConceptTypes.h"
#include "support/OntologyFixture.h"
#include "support/ScriptedMessageBoxes.h"

#include <functional>
#include <gtest/gtest.h>

TEST(Lookups, FindWhatIsThereAndFallBackWhenItIsNot)
{
    NewOntology o;
    ui::setAppTitle("Lexvarin");
    OntologyDB.execute("INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES "
                       "('TWO-LINES', 'first' || char(13, 10) || 'second \"quoted\"', 1, 1), ('BARE', NULL, 2, 1)");
    const qint64 general = o.count("SELECT count(*) FROM CONCEPTS WHERE Subset_ID = 1");
    struct Box {
        QString prompt;
        ui::Icon icon;
        QString title;
    };
    const Box qz010{"Critical error. Error code QZ010. Please Report.", ui::Icon::Critical, "Error"};
    const Box qz038{"Critical error. Error code QZ038. Please Report.", ui::Icon::Critical, "Error"};
    const Box qz005{"Critical error. Please Report. Error Code QZ005", ui::Icon::None, "Lexvarin"};
    const struct Case {
        const char *what;
        std::function<QVariant()> call;
        QVariant expected;
        std::optional<Box> box;
    } cases[] = {
        {"language by code", [] { return GetLanguageName("es"); }, "Spanish", {}},
        {"language code ignores case", [] { return GetLanguageName("EN"); }, "English", {}},
        {"unknown language code", [] { return GetLanguageName("xx"); }, "", {}},
        {"code of a language", [] { return GetLanguageID("spanish"); }, "es", {}},
        {"unknown language name", [] { return GetLanguageID("Klingon"); }, "", {}},
        {"concept exists, any case", [] { return ConceptExists("all"); }, true, {}},
        {"concept missing", [] { return ConceptExists("NOWHERE"); }, false, {}},
        {"type of a concept", [] { return GetConceptType("COLOR"); }, 3, {}},
        {"type of a missing concept", [] { return GetConceptType("NOWHERE"); }, 1, qz010},
        {"definition on one line, quoted", [] { return GetConceptDefinitionQuoted("TWO-LINES"); },
         "\"first  second \"quoted\"\"", {}},
        {"no definition", [] { return GetConceptDefinitionQuoted("BARE"); }, "Undefined", {}},
        {"definition of a missing concept", [] { return GetConceptDefinitionQuoted("NOWHERE"); }, "", qz038},
        {"concepts of a subset", [] { return CountSubsetConcepts(1); }, general, {}},
        {"concepts of an unknown subset", [] { return CountSubsetConcepts(9); }, 0, {}},
        {"number of a subset", [] { return GetSubsetID("general"); }, 1, {}},
        {"number of a missing subset", [] { return GetSubsetID("Nope"); }, 0, qz005},
        {"name of a subset", [] { return GetSubsetName(1); }, "General", {}},
        {"name of an unknown subset", [] { return GetSubsetName(9); }, "Error", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedMessageBoxes boxes;
        if (c.box)
            boxes.expect(c.box->prompt);
        const QVariant got = c.call();
        EXPECT_EQ(got.toString(), c.expected.toString());
        if (c.box && boxes.asked().size() == 1) {
            const ui::MessageBoxRequest &asked = boxes.asked().front();
            EXPECT_EQ(asked.prompt, c.box->prompt);
            EXPECT_EQ(asked.buttons, ui::Buttons::Ok);
            EXPECT_EQ(asked.icon, c.box->icon);
            EXPECT_EQ(asked.title, c.box->title);
        }
    }
    ui::setAppTitle({});
}

TEST(Lookups, FindRootConcept)
{
    const struct Case {
        const char *what;
        const char *change;
        QString root;
        int typeOfAll;  // -1: ALL is gone
    } cases[] = {
        {"the seed's root", "", "ALL", 100},
        {"the first concept of Type 100 in stored order",
         "UPDATE CONCEPTS SET Type = 1 WHERE Concept = 'ALL';"
         "INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES ('TOP', 100, 1), ('AAA-TOP', 100, 1)",
         "TOP", 1},
        {"no Type 100: ALL becomes the root", "UPDATE CONCEPTS SET Type = 1 WHERE Concept = 'ALL'", "ALL", 100},
        {"no Type 100 and no ALL", "DELETE FROM CONCEPTS WHERE Concept = 'ALL'", "ALL", -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        NewOntology o;
        for (const QString &sql : QString(c.change).split(';', Qt::SkipEmptyParts))
            OntologyDB.execute(sql);
        EXPECT_EQ(FindRootConcept(), c.root);
        const QVariant type = OntologyDB.scalar("SELECT Type FROM CONCEPTS WHERE Concept = 'ALL'");
        EXPECT_EQ(type.isNull() ? -1 : type.toInt(), c.typeOfAll);
    }
}

TEST(MetaData, ReadAndWrittenInTheSameRow)
{
    NewOntology o;
    OntologyInfoRecord info;
    info.Name = "untouched";
    EXPECT_FALSE(ReadOntologyMetaData(info)) << "no row";
    EXPECT_EQ(info.Name, "untouched");

    OntologyInfoRecord saved;
    saved.Name = "Zoology";
    saved.Created = QDate(2020, 2, 29);
    saved.Modified = QDate(2024, 6, 1);
    saved.Owner = "Owner";
    saved.Author = "Author";
    saved.Description = "About animals";
    saved.Contact = "someone@example.org";
    saved.ListTop = 3;
    saved.MaxParents = 4;
    saved.DefLang = "es";
    saved.Naming = false;
    saved.AutoName = 2;
    saved.ActiveSet = 1;
    WriteOntologyMetaData(saved);
    EXPECT_EQ(o.count("SELECT count(*) FROM MetaData"), 1) << "the first write adds the row";

    // A stray second row is neither read nor written.
    OntologyDB.execute("INSERT INTO MetaData (Name, Owner) VALUES ('Stray', NULL)");
    saved.Owner = "New owner";
    WriteOntologyMetaData(saved);
    EXPECT_EQ(o.count("SELECT count(*) FROM MetaData"), 2);
    EXPECT_EQ(OntologyDB.scalar("SELECT Name FROM MetaData ORDER BY MetaData_ID DESC").toString(), "Stray");

    OntologyInfoRecord read;
    ASSERT_TRUE(ReadOntologyMetaData(read));
    EXPECT_EQ(read.Name, "Zoology");
    EXPECT_EQ(read.Created, saved.Created);
    EXPECT_EQ(read.Modified, saved.Modified);
    EXPECT_EQ(read.Owner, "New owner");
    EXPECT_EQ(read.Author, "Author");
    EXPECT_EQ(read.Description, "About animals");
    EXPECT_EQ(read.Contact, "someone@example.org");
    EXPECT_EQ(read.ListTop, 3);
    EXPECT_EQ(read.MaxParents, 4);
    EXPECT_EQ(read.DefLang, "es");
    EXPECT_FALSE(read.Naming);
    EXPECT_EQ(read.AutoName, 2);
    EXPECT_EQ(read.ActiveSet, 1);

    // Null texts read as empty texts.
    OntologyDB.execute("UPDATE MetaData SET Owner = NULL, Description = NULL WHERE Name = 'Zoology'");
    ASSERT_TRUE(ReadOntologyMetaData(read));
    EXPECT_EQ(read.Owner, "");
    EXPECT_EQ(read.Description, "");
}

TEST(ConceptTypes, EachKindHasItsStatusBarWordAndSlotsAreTold)
{
    struct Case {
        int type;
        const char *word;
        bool slot;
    } cases[] = {
        {ObjectType, "OBJECT", false},      {EventType, "EVENT", false},
        {AttributeType, "ATTRIBUTE", true}, {RelationType, "RELATION", true},
        {RootType, "SPECIAL", false},       {HiddenRelationType, "SPECIAL", false},
        {0, "SPECIAL", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(conceptTypeWord(c.type), c.word);
        EXPECT_EQ(isSlotType(c.type), c.slot);
    }
}
