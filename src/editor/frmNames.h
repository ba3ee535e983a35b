#pragma once
// The naming dialog: asks for one piece of text about a concept. The caller writes the
// mode into lblStart ("Name": a name and its language; "Rename": the identifier; any
// other word: free text, "Definition"), shows it modally and, once it is hidden, reads
// lblStart: only "OK" means the user confirmed. The language the dialog shows checked is
// the one selected, and the one the caller reads.

#include "ui/Channel.h"
#include "ui/Form.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class frmNames : public ui::Form {
public:
    frmNames();

    QLineEdit *txtConcept;
    QPlainTextEdit *txtDef;
    QLineEdit *txtName;
    QTreeWidget *lvwLangs;  // Language, ISO
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    ui::Channel lblStart;
    // The Type of the concept renamed: an attribute's identifier has a shorter limit.
    int ConceptType = 1;

    // Checks and selects the row of the language code; a language not listed (not a
    // working language) gets a row of its own, so a name keeps its language unless
    // the user picks another. False for an empty code.
    bool selectLanguage(const QString &code);
    // The code of the checked row, "" when the list has none.
    QString selectedLanguage() const;

    void cmdOK_Click();
    void cmdCancel_Click();
    void lvwLangs_ItemClick(QTreeWidgetItem *row);
    void lvwLangs_ColumnClick(int column);

protected:
    void Form_Load() override;

private:
    void lblStart_Change();
    bool m_checking = false;
};
