#pragma once
// The add-concept dialog: one concept after another, each with an identifier, a
// definition, a type and one parent of its own type (or the root). A relation comes with
// its inverse, asked for in a second, modal copy of the dialog; both are written
// together. Each addition is reported to the main window through its lblNewCpt.

#include "ui/Channel.h"
#include "ui/Form.h"

#include <array>
#include <memory>

class ConceptList;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class DataList;
}

class frmNewConcept : public ui::Form {
public:
    frmNewConcept();
    ~frmNewConcept() override;

    QLineEdit *txtConcept;
    QPlainTextEdit *txtDef;
    std::array<QRadioButton *, 5> optCType{};  // 1 Object, 2 Event, 3 Attribute, 4 Relation
    ui::DataList *dblParents;
    QPushButton *cmdAdd;
    QPushButton *cmdClose;
    QPushButton *cmdAddInv;  // OK of the inverse copy
    ui::Channel lblRefresh;  // reload the parents

    // True for the copy that asks for the inverse of a relation.
    bool isInverseDialog() const { return m_inverse; }
    int selectedType() const;

    void optCType_Click(int index);
    void cmdAdd_Click();
    void cmdAddInv_Click();
    void cmdClose_Click();

protected:
    void Form_Load() override;

private:
    void FillParentList();
    bool AddInverseRelation(const QString &relation, const QString &parent, const QString &definition, QString &inverse);
    void makeInverseDialog();
    QString cleanIdentifier(const QString &typed) const;

    std::shared_ptr<ConceptList> m_parents;
    bool m_inverse = false;
    bool m_confirmed = false;
};
