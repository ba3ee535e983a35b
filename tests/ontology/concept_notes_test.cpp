// What each answer of the note dialog does to a concept's note.

#include "HierarchyFixture.h"
#include "ontology/ConceptNotes.h"
#include "support/OntologyFixture.h"

#include <gtest/gtest.h>

TEST(ConceptNotes, EachAnswerOnANewAndAnExistingNote)
{
    const struct Case {
        const char *what;
        bool existing;
        NoteButton button;
        const char *text;
        NoteChange change;
        std::optional<QString> after;  // the note's text afterwards; nullopt: no note
    } cases[] = {
        {"OK on a new note", false, NoteButton::OK, "first", NoteChange::Created, "first"},
        {"OK with no text on a new note", false, NoteButton::OK, "", NoteChange::Created, ""},
        {"the old cancel word is a text like any other", false, NoteButton::OK, "Canceladorrr!",
         NoteChange::Created, "Canceladorrr!"},
        {"Cancel on a new note", false, NoteButton::Cancel, "typed", NoteChange::None, std::nullopt},
        {"Delete on a new note", false, NoteButton::Delete, "", NoteChange::None, std::nullopt},
        {"OK changes", true, NoteButton::OK, "second", NoteChange::Changed, "second"},
        {"OK on unchanged text", true, NoteButton::OK, "old", NoteChange::Changed, "old"},
        {"OK with the text cleared deletes", true, NoteButton::OK, "", NoteChange::Deleted, std::nullopt},
        {"Delete", true, NoteButton::Delete, "old", NoteChange::Deleted, std::nullopt},
        {"Cancel keeps text and date", true, NoteButton::Cancel, "other", NoteChange::None, "old"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        NewOntology o;
        addIsA({{"CAR", "OBJECT"}});
        const QDate old(2001, 2, 3);
        if (c.existing)
            o.count("INSERT INTO Notes (Concept, Note, \"Date\") VALUES ('CAR', 'old', ?)", {old});
        EXPECT_EQ(ApplyNoteAnswer("CAR", c.button, c.text), c.change);
        const std::optional<NoteRow> note = GetConceptNote("CAR");
        ASSERT_EQ(note.has_value(), c.after.has_value());
        EXPECT_EQ(ConceptHasNoteRow("CAR"), c.after.has_value());
        if (!note)
            continue;
        EXPECT_EQ(note->note, *c.after);
        EXPECT_EQ(note->date, c.change == NoteChange::None ? old : QDate::currentDate());
        EXPECT_EQ(o.count("SELECT COUNT(*) FROM Notes"), 1);
    }
}

TEST(ConceptNotes, ListedInConceptOrder)
{
    NewOntology o;
    addIsA({{"B", "OBJECT"}, {"A", "OBJECT"}, {"c", "OBJECT"}});
    for (const char *c : {"c", "A", "B"})
        ApplyNoteAnswer(c, NoteButton::OK, QStringLiteral("note of ") + c);
    QStringList concepts;
    for (const NoteRow &n : GetAllNotes())
        concepts << n.conceptId;
    EXPECT_EQ(concepts, (QStringList{"A", "B", "c"}));
    EXPECT_TRUE(DeleteConceptNote("A"));
    EXPECT_FALSE(DeleteConceptNote("A"));
}
