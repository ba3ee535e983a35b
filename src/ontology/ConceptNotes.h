#pragma once
// The working note of a concept: at most one Notes row per concept, free text (the empty
// text is a note too) with the date of its last change.

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct NoteRow {
    QString conceptId;
    QString note;
    QDate date;  // null when the file holds none
};

std::optional<NoteRow> GetConceptNote(const QString &conceptId);
bool ConceptHasNoteRow(const QString &conceptId);
// In concept order.
std::vector<NoteRow> GetAllNotes();

// Which button closed the note dialog; closing it by its frame is Cancel.
enum class NoteButton { OK, Cancel, Delete };
enum class NoteChange { None, Created, Changed, Deleted };

// What the dialog's answer does to the concept's note: Cancel changes nothing; OK creates
// the note or sets its text and today's date, except that OK with the text emptied deletes
// an existing note; Delete deletes it. One transaction.
NoteChange ApplyNoteAnswer(const QString &conceptId, NoteButton button, const QString &text);
// False when the concept had no note.
bool DeleteConceptNote(const QString &conceptId);
