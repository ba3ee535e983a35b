#pragma once
// The relation dialog. Its caption chooses what it does: "Add Relation" writes a relation
// with its inverse row, "Add Attribute" writes an attribute-value pair (modeless, several
// may be open, and it follows the concept shown in the main window), and "Add ISA link",
// "Edit ISA link", "Add Domain" and "Add Range" only pick a concept or a value, which the
// caller reads (picked(), chosenConcept(), txtValue) and writes itself.

#include "ui/Channel.h"
#include "ui/Form.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class DataList;
}

class frmEditRel : public ui::Form {
public:
    frmEditRel();
    ~frmEditRel() override;

    QLineEdit *txtConcept1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    ui::DataList *dblRels;
    QLineEdit *txtISA;
    ui::DataList *dblConcepts;
    QLineEdit *txtValue;
    QCheckBox *chkDefault;
    QCheckBox *chkNothing;
    QPushButton *cmdAdd;
    QPushButton *cmdClose;
    ui::Channel lblStart;
    ui::Channel lblRefresh;

    // "AddRel", "AddAttr", "AddISA", "EditISA" or "DR" once lblStart has started it.
    QString Mode;
    int ConceptType = 0;

    // Sets the caption, the concept box and the controls the caption's mode shows. For
    // "Add Range" on an attribute concept the range is a typed value, not a concept.
    void arrange(const QString &caption, const QString &conceptId, bool rangeIsValue = false);

    // Picker modes: true once Add accepted a choice; closing by the frame or Cancel
    // leaves it false.
    bool picked() const { return m_picked; }
    QString chosenConcept() const;

    void lblStart_Change();
    void lblRefresh_Change();
    void cmdAdd_Click();
    void cmdClose_Click();
    void chkNothing_Click();

private:
    void FillRelationList();
    void addRelation(const QString &conceptId, const QString &related);
    void addAttribute(const QString &conceptId);
    void followConcept();
    bool acceptsAttributes(const QString &conceptId) const;

    bool m_picked = false;
};
