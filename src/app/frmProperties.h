#pragma once
// The properties dialog of an ontology (and of a termbase): its name, dates, owner,
// authors, description and contact. It has no Cancel: OK checks the boxes and hides the
// dialog, and the caller reads the boxes. Closing it by its frame confirms nothing.

#include "ontology/Properties.h"
#include "ui/Form.h"

class QLineEdit;
class QPushButton;

class frmProperties : public ui::Form {
public:
    frmProperties();

    QLineEdit *txtWOntology;  // a new termbase's working ontology: shown, never typed
    QLineEdit *txtName;
    QLineEdit *txtCreated;
    QLineEdit *txtModified;
    QLineEdit *txtOwner;
    QLineEdit *txtAuthor;
    QLineEdit *txtDescription;
    QLineEdit *txtContact;
    QPushButton *cmdOK;

    PropertiesText texts() const;
    void setTexts(const PropertiesText &text);
    // Shows the working ontology's path above the name (a new termbase's dialog).
    void showWorkingOntology(const QString &path);
    // True once OK has accepted the boxes.
    bool confirmed() const { return m_confirmed; }

    void cmdOK_Click();

private:
    bool m_confirmed = false;
};
