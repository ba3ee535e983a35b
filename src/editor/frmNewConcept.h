#pragma once
// The add-concept dialog: one concept after another, each with an identifier, a
// definition, a type and one parent of its own type (or the root). A relation comes with
// its inverse, asked for in a second, modal copy of the dialog before anything is written;
// both are written together. Each addition is reported to the main window through its
// lblNewCpt once it is stored.

#include "ui/Channel.h"
#include "ui/Form.h"

#include "ontology/ConceptCommands.h"

#include <array>
#include <memory>
#include <optional>

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
    // Asks for the inverse of the relation in the modal copy; nothing when it was refused
    // or cancelled (the refusal told).
    std::optional<NewRelation> AskInverseRelation(const QString &relation);
    void makeInverseDialog();
    QString cleanIdentifier(const QString &typed) const;

    std::shared_ptr<ConceptList> m_parents;
    bool m_inverse = false;
    bool m_confirmed = false;
};
