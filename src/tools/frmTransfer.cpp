#include "frmTransfer.h"

#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/SelectionLists.h"
#include "ontology/Subsets.h"
#include "ui/BusyRun.h"
#include "ui/CheckList.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// The subset a combo names. Typing is not refused letter by letter: a text that names no
// subset gives 0, and the transfer refuses it.
int subsetNamed(const QString &text) { return FindSubsetID(text).value_or(0); }

void offer(QComboBox *combo, const QStringList &names, const QString &kept)
{
    combo->clear();
    combo->addItems(names);
    combo->setEditText(names.contains(kept) ? kept : names.value(0));
}

}  // namespace

frmTransfer::frmTransfer() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Subset Transfer"));
    cbxFrom = new QComboBox(w);
    cbxTo = new QComboBox(w);
    for (QComboBox *c : {cbxFrom, cbxTo}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    ListView1 = new ui::CheckList(w);
    cmdAll = new QPushButton(QStringLiteral("Select &All"), w);
    cmdClear = new QPushButton(QStringLiteral("C&lear Selection"), w);
    cmdTranfer = new QPushButton(QStringLiteral("&Transfer"), w);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdCancel);

    QObject::connect(cbxFrom, &QComboBox::editTextChanged, w, ui::command(w, [this] { cbxFrom_Change(); }));
    QObject::connect(cbxFrom, &QComboBox::activated, w, ui::command(w, [this] { cbxFrom_Click(); }));
    QObject::connect(cbxTo, &QComboBox::editTextChanged, w, ui::command(w, [this] { cbxTo_Change(); }));
    QObject::connect(cbxTo, &QComboBox::activated, w, ui::command(w, [this] { cbxTo_Click(); }));
    QObject::connect(cmdAll, &QPushButton::clicked, w, ui::command(w, [this] { cmdAll_Click(); }));
    QObject::connect(cmdClear, &QPushButton::clicked, w, ui::command(w, [this] { cmdClear_Click(); }));
    QObject::connect(cmdTranfer, &QPushButton::clicked, w, ui::command(w, [this] { cmdTranfer_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this] { cmdCancel_Click(); }));

    auto *grid = new QGridLayout(w);
    grid->addWidget(new QLabel(QStringLiteral("From:"), w), 0, 0);
    grid->addWidget(cbxFrom, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("To:"), w), 1, 0);
    grid->addWidget(cbxTo, 1, 1);
    grid->addWidget(ListView1, 2, 0, 5, 2);
    grid->addWidget(cmdAll, 2, 2);
    grid->addWidget(cmdClear, 3, 2);
    grid->addWidget(cmdTranfer, 4, 2);
    grid->addWidget(cmdCancel, 5, 2);
    auto *instruction =
        new QLabel(QStringLiteral("Select any number of concepts from the list. Then click \"Transfer\""), w);
    instruction->setWordWrap(true);
    grid->addWidget(instruction, 7, 0, 1, 3);
    w->resize(460, 420);
}

void frmTransfer::Form_Load() { FillSubsetCombos(); }

void frmTransfer::FillSubsetCombos()
{
    const QStringList names = ListSubsetNames();
    const QString from = cbxFrom->currentText();
    const QString to = cbxTo->currentText();
    m_filling = true;
    offer(cbxFrom, names, from);
    offer(cbxTo, names, to);
    m_filling = false;
    m_target = subsetNamed(cbxTo->currentText());
    // Concepts come and go while the dialog waits hidden: the list is read again, and the
    // same source keeps the checks of the concepts it still holds.
    const int source = subsetNamed(cbxFrom->currentText());
    const bool sameSource = source == m_source && cbxFrom->currentText() == m_listed;
    m_source = source;
    FillTransferList(sameSource ? Checks::Kept : Checks::Cleared);
}

void frmTransfer::cbxFrom_Change()
{
    if (m_filling || cbxFrom->currentText().isEmpty())
        return;
    m_source = subsetNamed(cbxFrom->currentText());
    FillTransferList();
}

void frmTransfer::cbxFrom_Click()
{
    // Picking from the list has changed the text already, unless the same subset was picked.
    if (cbxFrom->currentText() != m_listed)
        cbxFrom_Change();
}

void frmTransfer::cbxTo_Change()
{
    if (!m_filling)
        m_target = subsetNamed(cbxTo->currentText());
}

void frmTransfer::cbxTo_Click() { cbxTo_Change(); }

void frmTransfer::FillTransferList(Checks checks)
{
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    m_listed = cbxFrom->currentText();
    std::shared_ptr<ConceptList> concepts;
    if (m_source != 0)
        concepts = ConceptList::inSubset(OntologyDB, m_source);
    if (checks == Checks::Kept)
        ListView1->rebindKeepingChecks(concepts);
    else
        ListView1->bind(concepts);
    ListView1->setHeaderText(QString::number(ListView1->rowCount()) + QStringLiteral(" Concepts in ") + m_listed +
                             QStringLiteral(" subset"));
}

void frmTransfer::cmdAll_Click() { ListView1->setAllChecked(true); }

void frmTransfer::cmdClear_Click() { ListView1->setAllChecked(false); }

void frmTransfer::cmdTranfer_Click()
{
    for (QComboBox *c : {cbxFrom, cbxTo})
        if (subsetNamed(c->currentText()) == 0) {
            ui::msgBox(QStringLiteral("There is no subset named \"%1\". Choose one from the list.").arg(c->currentText()),
                       ui::Buttons::Ok, ui::Icon::Critical, QStringLiteral("Error"));
            return;
        }
    if (m_source == m_target) {
        ui::msgBox(QStringLiteral("Source subset can't be the same as target subset."), ui::Buttons::Ok,
                   ui::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    if (ui::msgBox(QStringLiteral("Are you sure you want to transfer all selected concepts\r\nfrom ") +
                       cbxFrom->currentText() + QStringLiteral("\r\nto ") + cbxTo->currentText(),
                   ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm transfer")) != ui::Answer::Yes)
        return;
    if (ListView1->rowCount() == 0) {
        ui::msgBox(QStringLiteral("Nothing to transfer!"), ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    qsizetype moved = 0;
    {
        const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        {
            // A million concepts checked take a while: the windows keep painting meanwhile.
            ui::BusyRun busy;
            moved = TransferConcepts(ListView1->checkedTexts(), m_source, m_target, [&](qsizetype) { busy.paint(); });
        }
        // What is left in the source subset, under the subset's own name.
        m_filling = true;
        cbxFrom->setEditText(GetSubsetName(m_source));
        m_filling = false;
        FillTransferList();
    }
    ui::msgBox(QString::number(moved) + QStringLiteral(" Concepts transferred."), ui::Buttons::Ok,
               ui::Icon::Information);
}

void frmTransfer::cmdCancel_Click() { hide(); }
