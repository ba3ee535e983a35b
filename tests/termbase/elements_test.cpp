#include "TermbaseFixture.h"
#include "support/ScriptedMessageBoxes.h"
#include "termbase/Elements.h"

#include <gtest/gtest.h>

namespace {

const QString GL001 = QStringLiteral("Element not found. Fatal Error. Please report. Error Code GL001");

struct ElementTree : OpenTermbase {
    ElementTree()
    {
        TermbaseDB.execute("INSERT INTO elements VALUES (20, '0.3', 3), (21, '0.4', 20), (22, '1', 21), (23, '8', 22), "
                           "(30, '0.3', 3), (40, 'x10.2.2', 7), (50, '8', NULL), (60, '8', 1), (61, '8', 60)");
        TermbaseDB.execute("INSERT INTO TE_CONCEPTS VALUES (20, 'DOG')");
        TermbaseDB.execute("UPDATE elements SET parentID = 61 WHERE elemID = 60");  // 60 and 61 hold each other
        // A tree damaged beyond what the relations allow: a parent 0 and a parent that is gone.
        TermbaseDB.execute("PRAGMA foreign_keys = OFF");
        TermbaseDB.execute("INSERT INTO elements VALUES (70, '8', 0), (80, '8', 999)");
        TermbaseDB.execute("PRAGMA foreign_keys = ON");
    }
};

}  // namespace

TEST(GetEntryElement, FindsTheConceptOfTheEntryThatHoldsAnElement)
{
    ElementTree t;
    struct Case {
        const char *what;
        qint64 elemID;
        QString entryConcept;
        bool gl001;
    } cases[] = {
        {"a term entry", 20, "DOG", false},
        {"a term inside it", 22, "DOG", false},
        {"a note on that term", 23, "DOG", false},
        {"an entry without a concept", 30, "", false},
        {"a back-matter record", 40, "", false},
        {"the entries container", 3, "", false},
        {"the root, at once", 1, "", false},
        {"an element that is not there", 999, "", true},
        {"an element whose parent is gone", 80, "", true},
        {"an element without a parent", 50, "", false},
        {"an element under parent 0", 70, "", false},
        {"two elements that are each other's parent", 60, "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedMessageBoxes boxes;
        if (c.gl001)
            boxes.expect(GL001);
        EXPECT_EQ(GetEntryElement(c.elemID), c.entryConcept);
        for (const ui::MessageBoxRequest &r : boxes.asked()) {
            EXPECT_EQ(r.icon, ui::Icon::Critical);
            EXPECT_EQ(r.title, "Error");
        }
    }
}

TEST(GetElementCategory, GivesTheCategoryOrSaysTheElementIsMissing)
{
    ElementTree t;
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(GetElementCategory(22), "1");
    EXPECT_EQ(GetElementCategory(1), "0");
    boxes.expect(GL001);
    EXPECT_EQ(GetElementCategory(12345), "");
}
