#include "frmEditRel.h"
#include "ontology/ConceptTypes.h"

#include "db/Error.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"
#include "ui/Heading.h"
#include "db/Text.h"
#include "frmOntoEdit.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/LocalSlots.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ErrorTitle = QStringLiteral("Error");

QString modeOfCaption(const QString &caption)
{
    if (caption == QLatin1String("Add Relation"))
        return QStringLiteral("AddRel");
    if (caption == QLatin1String("Add Attribute"))
        return QStringLiteral("AddAttr");
    if (caption == QLatin1String("Add ISA link"))
        return QStringLiteral("AddISA");
    if (caption == QLatin1String("Edit ISA link"))
        return QStringLiteral("EditISA");
    return QStringLiteral("DR");  // "Add Domain", "Add Range"
}

}  // namespace

frmEditRel::frmEditRel() : ui::Form(new QDialog)
{
    QWidget *w = window();
    Label1 = heading(QStringLiteral("CONCEPT"), w);
    txtConcept1 = new QLineEdit(w);
    Label2 = heading(QStringLiteral("RELATIONSHIP"), w);
    dblRels = new ui::DataList(w);
    txtISA = new QLineEdit(w);
    txtISA->setReadOnly(true);
    txtISA->hide();
    Label3 = heading(QStringLiteral("RELATED CONCEPT"), w);
    dblConcepts = new ui::DataList(w);
    txtValue = new QLineEdit(w);
    txtValue->hide();
    chkDefault = new QCheckBox(QStringLiteral("Default"), w);
    chkNothing = new QCheckBox(QStringLiteral("Don't inherit this!"), w);
    cmdAdd = new QPushButton(QStringLiteral("&Add"), w);
    cmdAdd->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdClose);

    auto *checks = new QHBoxLayout;
    checks->addWidget(chkDefault);
    checks->addWidget(chkNothing);
    checks->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    auto *all = new QVBoxLayout(w);
    for (QWidget *c : std::initializer_list<QWidget *>{Label1, txtConcept1, Label2, dblRels, txtISA, Label3})
        all->addWidget(c);
    all->addWidget(dblConcepts, 1);
    all->addWidget(txtValue);
    all->addLayout(checks);
    all->addLayout(buttons);
    dblRels->setMinimumHeight(120);
    dblConcepts->setMinimumHeight(160);
    w->resize(320, 480);

    QObject::connect(cmdAdd, &QPushButton::clicked, w, ui::command(w, [this] { cmdAdd_Click(); }));
    QObject::connect(cmdClose, &QPushButton::clicked, w, ui::command(w, [this] { cmdClose_Click(); }));
    QObject::connect(chkNothing, &QCheckBox::clicked, w, ui::command(w, [this] { chkNothing_Click(); }));
    QObject::connect(txtConcept1, &QLineEdit::textChanged, w, ui::command(w, [this] { followConcept(); }));
    lblStart.onChange(ui::command(w, [this] { lblStart_Change(); }));
    lblRefresh.onChange(ui::command(w, [this] { lblRefresh_Change(); }));
}

frmEditRel::~frmEditRel() = default;

void frmEditRel::arrange(const QString &caption, const QString &conceptId, bool rangeIsValue)
{
    setCaption(caption);
    txtConcept1->setText(conceptId);
    txtConcept1->setReadOnly(true);
    const QString mode = modeOfCaption(caption);
    if (mode == QLatin1String("AddAttr")) {
        // An attribute keeps its Default and "Don't inherit this!" boxes: the value it
        // adds may be a default one, or stop what would be inherited.
        dblConcepts->hide();
        Label2->setText(QStringLiteral("ATTRIBUTE"));
        Label3->setText(QStringLiteral("VALUE"));
        txtValue->show();
    } else if (mode != QLatin1String("AddRel")) {
        // The pickers: the slot word stands where the relationship list was.
        dblRels->hide();
        txtISA->show();
        txtISA->setText(mode == QLatin1String("DR") ? caption.mid(4).toUpper() : QStringLiteral("ISA"));
        cmdClose->setText(QStringLiteral("&Cancel"));
        if (mode == QLatin1String("EditISA"))
            cmdAdd->setText(QStringLiteral("&Modify"));
        if (mode == QLatin1String("DR"))
            chkDefault->hide();
        if (caption == QLatin1String("Add Range")) {
            chkNothing->hide();
            if (rangeIsValue) {
                dblConcepts->hide();
                txtValue->show();
            }
        }
    }
    window()->adjustSize();
}

QString frmEditRel::chosenConcept() const { return dblConcepts->text(); }

void frmEditRel::lblStart_Change()
{
    if (lblStart.caption().isEmpty())
        return;
    try {
        // A concept deleted while an attribute dialog followed it has no Type any more;
        // the dialog then offers no Add rather than report a broken invariant.
        const QString conceptId = txtConcept1->text();
        ConceptType = ConceptExists(conceptId) ? GetConceptType(conceptId) : 0;
        Mode = modeOfCaption(caption());
        const bool sameType = Mode == QLatin1String("AddISA") || Mode == QLatin1String("EditISA");
        dblConcepts->bind(sameType ? ConceptList::ofType(OntologyDB, ConceptType) : ConceptList::relatable(OntologyDB));
        FillRelationList();
        followConcept();
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
}

void frmEditRel::FillRelationList()
{
    int type = 0;
    if (Mode == QLatin1String("AddRel"))
        type = RelationType;
    else if (Mode == QLatin1String("AddAttr"))
        type = AttributeType;
    else
        return;
    dblRels->bind(ConceptList::ofType(OntologyDB, type));
}

void frmEditRel::lblRefresh_Change()
{
    if (lblRefresh.caption().isEmpty())
        return;
    lblStart.setCaption({});
    lblStart.setCaption(QStringLiteral("refresh"));
}

bool frmEditRel::acceptsAttributes(const QString &conceptId) const
{
    if (conceptId.isEmpty() || db::sameText(conceptId, RootConcept) || !ConceptExists(conceptId))
        return false;
    const int type = GetConceptType(conceptId);
    return !isSlotType(type) && type != RootType;
}

// An open attribute dialog follows the main window onto concepts it must not write to:
// there it offers no Add.
void frmEditRel::followConcept()
{
    if (Mode != QLatin1String("AddAttr") || !OntologyDB.isOpen())
        return;
    try {
        cmdAdd->setEnabled(acceptsAttributes(txtConcept1->text()));
    } catch (const db::DbError &) {
        cmdAdd->setEnabled(false);  // the file cannot answer now; Add asks again and says why
    }
}

void frmEditRel::cmdAdd_Click()
{
    const QString conceptId = txtConcept1->text();
    const QString related = dblConcepts->text();
    if (!txtValue->isHidden() && txtValue->text().isEmpty()) {
        ui::msgBox(QStringLiteral("You must type in a value (literal or numerical)."), ui::Buttons::Ok,
                   ui::Icon::Exclamation, ErrorTitle);
        return;
    }
    if (!dblConcepts->isHidden() && related.isEmpty()) {
        ui::msgBox(QStringLiteral("You must select a related concept!"), ui::Buttons::Ok, ui::Icon::Exclamation,
                   ErrorTitle);
        return;
    }
    if (!related.isEmpty() && db::sameText(related, conceptId)) {
        ui::msgBox(QStringLiteral("No relation can hold between a concept and itself!"), ui::Buttons::Ok,
                   ui::Icon::Information, ErrorTitle);
        return;
    }
    if (Mode == QLatin1String("AddRel"))
        addRelation(conceptId, related);
    else if (Mode == QLatin1String("AddAttr"))
        addAttribute(conceptId);
    else {
        m_picked = true;
        hide();
    }
}

void frmEditRel::addRelation(const QString &conceptId, const QString &related)
{
    const QString relation = dblRels->text();
    if (relation.isEmpty()) {
        ui::msgBox(QStringLiteral("You must select a relation!"), ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    switch (AddRelationPair(conceptId, relation, related, chkDefault->isChecked())) {
    case AddOutcome::NoInverse:
        ui::msgBox(QStringLiteral("Data integrity error. Inverse relation of ") + relation +
                       QStringLiteral(" can't be found.\r\nError Code QZ001."),
                   ui::Buttons::Ok, ui::Icon::Critical);
        return;
    case AddOutcome::Exists:
        ui::errorBox(QStringLiteral("Relation exists."));
        break;
    default:
        if (auto main = ui::forms().first<frmOntoEdit>()) {
            main->lblNewRel.setCaption({});
            main->lblNewRel.setCaption(conceptId);
        }
        break;
    }
    cmdClose_Click();
}

void frmEditRel::addAttribute(const QString &conceptId)
{
    const QString attribute = dblRels->text();
    if (attribute.isEmpty()) {
        ui::msgBox(QStringLiteral("You must select an attribute!"), ui::Buttons::Ok, ui::Icon::Exclamation,
                   ErrorTitle);
        return;
    }
    if (!ConceptExists(conceptId)) {
        ui::msgBox(QStringLiteral("The concept ") + conceptId + QStringLiteral(" no longer exists."), ui::Buttons::Ok,
                   ui::Icon::Exclamation, ErrorTitle);
        return;
    }
    if (!acceptsAttributes(conceptId)) {
        ui::msgBox(QStringLiteral("Attribute-value pairs can be added only to objects and events, not to ") +
                       conceptId + QStringLiteral("."),
                   ui::Buttons::Ok, ui::Icon::Exclamation, ErrorTitle);
        return;
    }
    switch (AddAttributeValue(conceptId, attribute, txtValue->text(), chkDefault->isChecked())) {
    case AddOutcome::TooLong:
        ui::msgBox(QStringLiteral("The identifier of the attribute ") + attribute +
                       QStringLiteral(" is longer than %1 characters and cannot be used in a pair.")
                           .arg(AttributeNameMax),
                   ui::Buttons::Ok, ui::Icon::Exclamation, ErrorTitle);
        return;
    case AddOutcome::Exists:
        ui::errorBox(QStringLiteral("Attribute-value pair exists."));
        break;
    default:
        break;
    }
    if (auto main = ui::forms().first<frmOntoEdit>()) {
        main->lblNewAttr.setCaption({});
        main->lblNewAttr.setCaption(conceptId);
    }
    cmdClose_Click();
}

void frmEditRel::cmdClose_Click()
{
    // The lists let go of the file with the dialog.
    dblRels->bind(nullptr);
    dblConcepts->bind(nullptr);
    unload();
}

void frmEditRel::chkNothing_Click()
{
    const bool nothing = chkNothing->isChecked();
    txtValue->setText(nothing ? NothingValue : QString());
    txtValue->setReadOnly(nothing);
    if (nothing)
        chkDefault->setChecked(false);
    chkDefault->setEnabled(!nothing);
}
