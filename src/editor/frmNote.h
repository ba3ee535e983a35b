#pragma once
// The note dialog: one concept's working note. OK, Cancel or Delete hides it; the caller
// reads which button it was (button()) apart from the text, so no text the user can type
// is mistaken for an answer, and closing it by its frame is Cancel.

#include "ontology/ConceptNotes.h"
#include "ui/Form.h"

class QPlainTextEdit;
class QPushButton;

class frmNote : public ui::Form {
public:
    frmNote();

    QPlainTextEdit *txtNote;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QPushButton *cmdDelete;

    NoteButton button() const { return m_button; }
    // Places the dialog over the middle of the calling window.
    void centreOn(const ui::Form &caller);

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();

private:
    NoteButton m_button = NoteButton::Cancel;
};

// Shows the dialog for the concept's note, modal over owner, and stores the answer.
NoteChange EditConceptNote(ui::Form &owner, const QString &conceptId);
