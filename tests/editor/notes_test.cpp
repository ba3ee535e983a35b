// Working notes through the main window's note command and the notes window, with the
// note dialog answered by a script.

#include "PanesFixture.h"
#include "editor/frmNote.h"
#include "editor/frmNoteList.h"
#include "ontology/ConceptNotes.h"
#include "ui/Forms.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum class Press { OK, Cancel, Delete, Frame };

std::function<void(frmNote &)> answer(Press press, std::optional<QString> text = std::nullopt)
{
    return [press, text](frmNote &d) {
        if (text)
            d.txtNote->setPlainText(*text);
        switch (press) {
        case Press::OK: d.cmdOK->click(); break;
        case Press::Cancel: d.cmdCancel->click(); break;
        case Press::Delete: d.cmdDelete->click(); break;
        case Press::Frame: d.closeByFrame(); break;
        }
    };
}

void addNote(const QString &conceptId, const QString &text, const QDate &date)
{
    OntologyDB.execute("INSERT INTO Notes (Concept, Note, \"Date\") VALUES (?, ?, ?)", {conceptId, text, date});
}

QStringList listed(const QTreeWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(2);
    return out;
}

}  // namespace

TEST_F(PanesTest, TheNoteOfTheCurrentConceptByEachButton)
{
    const QDate old(2003, 4, 5);
    const struct Case {
        const char *what;
        std::optional<QString> existing;
        Press press;
        std::optional<QString> typed;
        bool deleteShown;
        std::optional<QString> after;  // nullopt: no note afterwards
    } cases[] = {
        {"a first note", std::nullopt, Press::OK, "check the wheels", false, "check the wheels"},
        {"a first note with no text", std::nullopt, Press::OK, std::nullopt, false, ""},
        {"a text that once meant Cancel", std::nullopt, Press::OK, "Canceladorrr!", false, "Canceladorrr!"},
        {"cancel a first note", std::nullopt, Press::Cancel, "typed", false, std::nullopt},
        {"the frame closes a first note", std::nullopt, Press::Frame, "typed", false, std::nullopt},
        {"change", "old", Press::OK, "new", true, "new"},
        {"OK on the same text", "old", Press::OK, std::nullopt, true, "old"},
        {"cancel a change", "old", Press::Cancel, "new", true, "old"},
        {"the frame keeps the note", "old", Press::Frame, "", true, "old"},
        {"delete", "old", Press::Delete, std::nullopt, true, std::nullopt},
        {"OK with the text cleared deletes", "old", Press::OK, "", true, std::nullopt},
        {"an empty note offers no Delete; OK deletes it", "", Press::OK, std::nullopt, false, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        OntologyDB.execute("DELETE FROM Notes");
        if (c.existing)
            addNote("CAR", *c.existing, old);
        showConcept("CAR");
        modals.expect<frmNote>([&](frmNote &d) {
            EXPECT_EQ(d.caption(), "Note - CAR");
            EXPECT_EQ(d.txtNote->toPlainText(), c.existing.value_or(""));
            EXPECT_EQ(!d.cmdDelete->isHidden(), c.deleteShown);
            answer(c.press, c.typed)(d);
        });
        main->mnuConceptNote_Click();
        const std::optional<NoteRow> note = GetConceptNote("CAR");
        ASSERT_EQ(note.has_value(), c.after.has_value());
        EXPECT_EQ(count("SELECT COUNT(*) FROM Notes"), c.after ? 1 : 0);
        if (note) {
            EXPECT_EQ(note->note, *c.after);
            EXPECT_EQ(note->date, c.press == Press::OK ? QDate::currentDate() : old);
        }
        if (c.existing || c.after) {
            EXPECT_EQ(main->ToolBar1->buttonImage("Note"), c.after ? "note-in" : "note-out");
        }
        EXPECT_EQ(main->ConceptHasNote("CAR"), c.after.has_value());
    }
}

TEST_F(PanesTest, NoConceptNoNote)
{
    main->CurrentConcept.clear();
    main->mnuConceptNote_Click();  // an unexpected dialog would fail the test
    EXPECT_EQ(count("SELECT COUNT(*) FROM Notes"), 0);
}

TEST_F(PanesTest, TheNotesWindowListsEditsAndDeletesSeveralAtOnce)
{
    addNote("WHEEL", "round", QDate(2020, 1, 2));
    addNote("CAR", "fast", QDate(2021, 3, 4));
    addNote("ENGINE", "", QDate(2022, 5, 6));
    addNote("RUN", "quick", QDate());

    main->mnuToolsListNotes_Click();
    main->mnuToolsListNotes_Click();
    const auto windows = ui::forms().ofType<frmNoteList>();
    ASSERT_EQ(windows.size(), 1u) << "one notes window";
    frmNoteList &w = *windows.front();
    EXPECT_EQ(w.caption(), "Notes Management");
    EXPECT_EQ(w.window()->minimumSize(), QSize(ui::twipsToPixels(5000), ui::twipsToPixels(3000)));
    EXPECT_EQ(listed(w.ListView1), (QStringList{"CAR|fast", "ENGINE|", "RUN|quick", "WHEEL|round"}));
    EXPECT_EQ(w.ListView1->topLevelItem(0)->text(1), "2021-03-04");
    EXPECT_EQ(w.ListView1->topLevelItem(2)->text(1), "");

    w.ListView1->clearSelection();
    w.cmdEdit->click();  // nothing selected: no dialog
    boxes.expect("Select one or more notes from the list.");
    w.cmdDelete->click();

    w.ListView1->setCurrentItem(w.ListView1->topLevelItem(3));
    modals.expect<frmNote>([](frmNote &d) {
        EXPECT_EQ(d.caption(), "Note - WHEEL");
        EXPECT_EQ(d.txtNote->toPlainText(), "round");
        answer(Press::OK, "round and black")(d);
    });
    w.cmdEdit->click();
    EXPECT_EQ(listed(w.ListView1).last(), "WHEEL|round and black");

    for (int i : {0, 1, 3})
        w.ListView1->topLevelItem(i)->setSelected(true);
    boxes.expect("Are you sure you want to delete selected note(s)?", ui::Answer::No);
    w.cmdDelete->click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM Notes"), 4);
    for (int i : {0, 1, 3})
        w.ListView1->topLevelItem(i)->setSelected(true);
    OntologyDB.execute("DELETE FROM Notes WHERE Concept = 'ENGINE'");  // gone meanwhile: skipped
    boxes.expect("Are you sure you want to delete selected note(s)?", ui::Answer::Yes);
    w.cmdDelete->click();
    EXPECT_EQ(boxes.asked().back().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(listed(w.ListView1), QStringList{"RUN|quick"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM Notes"), 1);

    w.cmdClose->click();
    EXPECT_FALSE(w.isLoaded());
}
