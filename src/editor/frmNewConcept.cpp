#include "frmNewConcept.h"

#include "ui/TypedKeyFilter.h"
#include "frmOntoEdit.h"
#include "db/Text.h"
#include "ontology/ConceptCommands.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/MultiLineBox.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString ErrorTitle = QStringLiteral("Error");

QString inUse(const QString &what, const QString &identifier)
{
    return QStringLiteral("The string you have used to name the %1 \r\n(").arg(what) + QuoteChar + identifier +
           QuoteChar + QStringLiteral(")\r\nis already in use. Please, try again.");
}

}  // namespace

frmNewConcept::frmNewConcept() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Add Concept"));
    txtConcept = new QLineEdit(w);
    // With the naming restriction on, each typed key follows the identifier rule.
    installTypedKeyFilter(txtConcept, [](int key) { return OntologyInfo.Naming ? NormalizeConceptKey(key) : key; });
    txtDef = ui::multiLineBox(w);
    auto *fraCptType = new QGroupBox(QStringLiteral("Concept Type"), w);
    auto *types = new QVBoxLayout(fraCptType);
    const char *captions[] = {"", "Object", "Event", "Attribute", "Relation"};
    for (int i = 1; i <= 4; ++i) {
        optCType[size_t(i)] = new QRadioButton(QString::fromLatin1(captions[i]), fraCptType);
        types->addWidget(optCType[size_t(i)]);
        QObject::connect(optCType[size_t(i)], &QRadioButton::clicked, w, ui::command(w, [this, i] { optCType_Click(i); }));
    }
    dblParents = new ui::DataList(w);
    cmdAdd = new QPushButton(QStringLiteral("&Add"), w);
    cmdAdd->setDefault(true);
    cmdClose = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdClose);
    cmdAddInv = new QPushButton(QStringLiteral("&OK"), w);
    cmdAddInv->setVisible(false);
    QObject::connect(cmdAdd, &QPushButton::clicked, w, ui::command(w, [this] { cmdAdd_Click(); }));
    QObject::connect(cmdClose, &QPushButton::clicked, w, ui::command(w, [this] { cmdClose_Click(); }));
    QObject::connect(cmdAddInv, &QPushButton::clicked, w, ui::command(w, [this] { cmdAddInv_Click(); }));
    lblRefresh.onChange(ui::command(w, [this] {
        if (!lblRefresh.caption().isEmpty())
            optCType_Click(selectedType());
    }));

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("IDENTIFIER"), w));
    left->addWidget(txtConcept);
    auto *lblDef = new QLabel(QStringLiteral("DEFINITION"), w);
    left->addWidget(lblDef);
    left->addWidget(txtDef, 1);
    left->addWidget(fraCptType);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("PARENT CONCEPT"), w));
    right->addWidget(dblParents, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdAddInv);
    buttons->addWidget(cmdClose);
    auto *all = new QVBoxLayout(w);
    all->addLayout(top, 1);
    all->addLayout(buttons);
    w->resize(520, 380);
}

frmNewConcept::~frmNewConcept() = default;

void frmNewConcept::Form_Load()
{
    optCType[1]->setChecked(true);
    FillParentList();
}

int frmNewConcept::selectedType() const
{
    for (int i = 1; i <= 4; ++i)
        if (optCType[size_t(i)]->isChecked())
            return i;
    return 1;
}

void frmNewConcept::FillParentList()
{
    m_parents = ConceptList::parentsOfType(OntologyDB, selectedType());
    dblParents->bind(m_parents);
}

void frmNewConcept::optCType_Click(int index)
{
    optCType[size_t(index)]->setChecked(true);
    try {
        FillParentList();
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
}

QString frmNewConcept::cleanIdentifier(const QString &typed) const
{
    const QString text = ReplaceDoubleQuotes(typed);
    return OntologyInfo.Naming ? NormalizeConceptName(text) : text;
}

void frmNewConcept::cmdAdd_Click()
{
    txtConcept->setText(cleanIdentifier(txtConcept->text()));
    txtDef->setPlainText(ReplaceDoubleQuotes(txtDef->toPlainText()));
    const QString identifier = txtConcept->text();
    const QString definition = txtDef->toPlainText();
    const QString parent = dblParents->text();
    const int type = selectedType();

    if (identifier.isEmpty()) {
        ui::msgBox(QStringLiteral("You must specify a concept name"), ui::Buttons::Ok, ui::Icon::Exclamation, ErrorTitle);
        return;
    }
    if (parent.isEmpty()) {
        ui::msgBox(QStringLiteral("You must make this concept \r\na CHILD of an existent concept."), ui::Buttons::Ok,
                   ui::Icon::Exclamation, ErrorTitle);
        return;
    }
    if (db::sameText(parent, identifier)) {
        ui::msgBox(QStringLiteral("A concept can't have itself as its superordinate concept."), ui::Buttons::Ok,
                   ui::Icon::Information, ErrorTitle);
        return;
    }
    const QString tooLong = IdentifierLengthProblem(identifier, type);
    if (!tooLong.isEmpty()) {
        ui::msgBox(tooLong, ui::Buttons::Ok, ui::Icon::Exclamation, ErrorTitle);
        return;
    }

    const auto main = ui::forms().first<frmOntoEdit>();
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    QStringList report;  // what was stored, the relation last
    try {
        if (ConceptExists(identifier)) {
            ui::msgBox(inUse(QStringLiteral("concept"), identifier), ui::Buttons::Ok, ui::Icon::Critical,
                       QStringLiteral("error"));
            return;
        }
        std::optional<NewRelation> inverse;
        if (type == RelationType) {
            inverse = AskInverseRelation(identifier);
            if (!inverse)
                return;
        }
        // The rows and their default names are one command: when any of it fails, the
        // ontology is left as it was.
        {
            db::Transaction tx(OntologyDB);
            if (inverse) {
                AddRelationPair({identifier, parent, definition}, *inverse);
                report = {inverse->identifier, identifier};  // the relation last, so it is the one shown
            } else {
                AddConcept(identifier, definition, type, parent);
                report = {identifier};
            }
            for (const QString &added : report)
                AddDefaultConceptName(added);
            tx.commit();
        }
        // Only what is stored reaches the main window, the termbases and their editors.
        if (main)
            for (const QString &added : report) {
                main->lblNewCpt.setCaption({});
                main->lblNewCpt.setCaption(added);
            }
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
        if (main) {
            try {
                main->InitRSListConcepts();
            } catch (const db::DbError &) {
                // The message above already tells what went wrong with the file.
            }
        }
        return;
    }

    // The new concepts join the parents where they belong, without reading the list again.
    for (const QString &added : report) {
        const int row = m_parents->conceptAdded(added);
        if (row >= 0)
            dblParents->rowInserted(row);
    }
    dblParents->setCurrentRow(-1);
    if (main)
        main->SignalRelationDialogs(QStringLiteral("Concept"));
    txtConcept->clear();
    txtDef->clear();
    txtConcept->setFocus();
}

void frmNewConcept::makeInverseDialog()
{
    m_inverse = true;
    setCaption(QStringLiteral("Add Inverse Relation"));
    optCType_Click(RelationType);
    for (int i = 1; i <= 3; ++i)
        optCType[size_t(i)]->setEnabled(false);
    cmdAdd->setEnabled(false);
    cmdAdd->setVisible(false);
    cmdAdd->setDefault(false);
    cmdAddInv->setVisible(true);
    cmdAddInv->setEnabled(true);
    cmdAddInv->setDefault(true);
    cmdClose->setText(QStringLiteral("&Cancel"));
}

std::optional<NewRelation> frmNewConcept::AskInverseRelation(const QString &relation)
{
    const auto dialog = std::make_shared<frmNewConcept>();
    dialog->load();
    dialog->window()->move(window()->x(), window()->y() + window()->height() / 2);
    dialog->makeInverseDialog();
    dialog->showModal(*this);

    // Closed or cancelled, the dialog answers nothing.
    const QString inverse = dialog->m_confirmed ? cleanIdentifier(dialog->txtConcept->text()) : QString();
    const QString inverseParent = dialog->m_confirmed ? dialog->dblParents->text() : QString();
    const QString inverseDefinition = ReplaceDoubleQuotes(dialog->txtDef->toPlainText());
    dialog->unload();

    const auto refuse = [](const QString &why) -> std::optional<NewRelation> {
        ui::msgBox(why, ui::Buttons::Ok, ui::Icon::Exclamation);
        return std::nullopt;
    };
    if (inverse.isEmpty())
        return refuse(QStringLiteral("You must specify an inverse relation"));
    if (inverseParent.isEmpty())
        return refuse(QStringLiteral("You must specify a parent for the new relation"));
    if (db::sameText(inverse, relation))
        return refuse(QStringLiteral("A relation and its inverse can't have the same name!"));
    if (db::sameText(inverse, inverseParent))
        return refuse(QStringLiteral("A concept can't have itself as its superordinate concept."));
    const QString tooLong = IdentifierLengthProblem(inverse, RelationType);
    if (!tooLong.isEmpty())
        return refuse(tooLong);
    if (ConceptExists(inverse))
        return refuse(inUse(QStringLiteral("inverse relation"), inverse));

    return NewRelation{inverse, inverseParent, inverseDefinition};
}

void frmNewConcept::cmdAddInv_Click()
{
    m_confirmed = true;
    hide();
}

void frmNewConcept::cmdClose_Click() { unload(); }
