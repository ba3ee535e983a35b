#include "ontology/Global.h"
#include "ontology/Properties.h"

#include <gtest/gtest.h>

namespace {

PropertiesText valid()
{
    return {"Animals", "2024-01-15", "2024-03-31", "Zoo", "Ann, Bob", "Pets and such", "zoo@example.org"};
}

}  // namespace

TEST(PropertiesRefusal, ChecksEveryBoxBeforeAnythingIsStored)
{
    const QString nonBmp = QString::fromUcs4(U"\U0001F98A");  // two UTF-16 units, one character
    struct Case {
        const char *what;
        void (*change)(PropertiesText &, const QString &);
        QString value;
        QString refusal;  // a part of the message; empty: accepted
    } cases[] = {
        {"all valid", [](PropertiesText &, const QString &) {}, {}, {}},
        {"empty name", [](PropertiesText &t, const QString &v) { t.Name = v; }, "", "You MUST specify a name."},
        {"25-character name", [](PropertiesText &t, const QString &v) { t.Name = v; }, QString(25, 'n'), {}},
        {"26-character name", [](PropertiesText &t, const QString &v) { t.Name = v; }, QString(26, 'n'),
         "A maximum of 25 characters\r\nis allowed for the name"},
        {"25 characters outside the BMP", [](PropertiesText &t, const QString &v) { t.Name = v; }, nonBmp.repeated(25), {}},
        {"slash", [](PropertiesText &t, const QString &v) { t.Name = v; }, "a/b", "folder name"},
        {"backslash", [](PropertiesText &t, const QString &v) { t.Name = v; }, "a\\b", "folder name"},
        {"colon", [](PropertiesText &t, const QString &v) { t.Name = v; }, "c:x", "folder name"},
        {"parent folder", [](PropertiesText &t, const QString &v) { t.Name = v; }, "..", "folder name"},
        {"name caption-like", [](PropertiesText &t, const QString &v) { t.Name = v; }, "Ontology Editor 2", {}},
        {"owner 150", [](PropertiesText &t, const QString &v) { t.Owner = v; }, QString(150, 'o'), {}},
        {"owner 151", [](PropertiesText &t, const QString &v) { t.Owner = v; }, QString(151, 'o'),
         "A maximum of 150 characters"},
        {"author 201", [](PropertiesText &t, const QString &v) { t.Author = v; }, QString(201, 'a'),
         "A maximum of 200 characters"},
        {"description 255", [](PropertiesText &t, const QString &v) { t.Description = v; }, QString(255, 'd'), {}},
        {"description 256", [](PropertiesText &t, const QString &v) { t.Description = v; }, QString(256, 'd'),
         "A maximum of 255 characters"},
        {"contact 151", [](PropertiesText &t, const QString &v) { t.Contact = v; }, QString(151, 'c'),
         "A maximum of 150 characters"},
        {"created in another format", [](PropertiesText &t, const QString &v) { t.Created = v; }, "31/03/2024",
         "Created must be a date"},
        {"created not a day", [](PropertiesText &t, const QString &v) { t.Created = v; }, "2023-02-29",
         "Created must be a date"},
        {"created empty", [](PropertiesText &t, const QString &v) { t.Created = v; }, "", "Created must be a date"},
        {"modified text", [](PropertiesText &t, const QString &v) { t.Modified = v; }, "yesterday",
         "Modified must be a date"},
        {"modified with blanks around", [](PropertiesText &t, const QString &v) { t.Modified = v; }, " 2024-02-29 ", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PropertiesText t = valid();
        c.change(t, c.value);
        const QString refusal = PropertiesRefusal(t);
        if (c.refusal.isEmpty())
            EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
        else
            EXPECT_TRUE(refusal.contains(c.refusal)) << refusal.toStdString();
    }
}

TEST(Properties, DatesAndRecordsMakeTheRoundTrip)
{
    OntologyInfoRecord info;
    info.Name = "Animals";
    info.Created = QDate(2021, 12, 1);
    info.Modified = QDate(2024, 2, 29);
    info.Owner = "Zoo";
    info.Author = "Ann";
    info.Description = "Pets";
    info.Contact = "zoo@example.org";
    const PropertiesText text = PropertiesOf(info);
    EXPECT_EQ(text.Created, "2021-12-01");
    EXPECT_EQ(text.Modified, "2024-02-29");
    EXPECT_TRUE(PropertiesRefusal(text).isEmpty());

    OntologyInfoRecord back;
    back.ListTop = 2;
    ApplyProperties(text, back);
    EXPECT_EQ(back.Name, info.Name);
    EXPECT_EQ(back.Created, info.Created);
    EXPECT_EQ(back.Modified, info.Modified);
    EXPECT_EQ(back.Owner, info.Owner);
    EXPECT_EQ(back.Author, info.Author);
    EXPECT_EQ(back.Description, info.Description);
    EXPECT_EQ(back.Contact, info.Contact);
    EXPECT_EQ(back.ListTop, 2) << "the options are not the dialog's";
}
