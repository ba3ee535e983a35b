#pragma once
// "Notes Management": the working notes of every concept, to review, edit and delete.
// Modeless; it shows the notes as they are when it fills itself.

#include "ui/Form.h"

class QPushButton;
class QTreeWidget;

class frmNoteList : public ui::Form {
public:
    frmNoteList();

    QTreeWidget *ListView1;  // "Concept", "Date", "Note"; several items selectable
    QPushButton *cmdEdit;
    QPushButton *cmdDelete;
    QPushButton *cmdClose;

    void FillNoteList();
    void cmdEdit_Click();
    void ListView1_DblClick() { cmdEdit_Click(); }
    void cmdDelete_Click();
    void cmdClose_Click() { unload(); }

protected:
    void Form_Load() override;
};
