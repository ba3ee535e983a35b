#pragma once
// The dialogs that collect a back-matter record: a responsible person (frmPerson) and a
// bibliographical record (frmBiblio). Each is shown modally; Cancel empties its key
// field, and the caller reads the boxes once the dialog is hidden.

#include "ui/Form.h"

class QLineEdit;
class QPushButton;
class QFormLayout;

class RecordDialog : public ui::Form {
public:
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

protected:
    RecordDialog(const QString &caption);
    QLineEdit *box(const QString &label, const QString &toolTip = {});
    virtual void cmdOK_Click() = 0;
    virtual void cmdCancel_Click() = 0;

private:
    QFormLayout *m_form;
};

class frmPerson : public RecordDialog {
public:
    frmPerson();
    QLineEdit *txtAlias;
    QLineEdit *txtName;
    QLineEdit *txtRole;
    QLineEdit *txtEmail;
    QLineEdit *txtPhone;
    QLineEdit *txtRemarks;
    void cmdOK_Click() override;
    void cmdCancel_Click() override;
};

// Whether the alias cannot name a person (another person than exceptID has it, in any
// letter case, or its page would take the place of an attached file); the user is told why.
bool AliasRefusedTold(const QString &alias, qint64 exceptID = 0);

class frmBiblio : public RecordDialog {
public:
    frmBiblio();
    QLineEdit *txtDescriptor;
    QLineEdit *txtAuthor;
    QLineEdit *txtDate;
    QLineEdit *txtArticle;
    QLineEdit *txtBook;
    QLineEdit *txtPages;
    QLineEdit *txtPHouse;
    QLineEdit *txtPPlace;
    void cmdOK_Click() override;
    void cmdCancel_Click() override;
};
