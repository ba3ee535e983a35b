#include "ConceptSelectionPanel.h"

#include "ConceptSelectionList.h"
#include "db/Text.h"
#include "ontology/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/Like.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/TypedKeyFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Error = QStringLiteral("Error");

}  // namespace

ConceptSelectionPanel::ConceptSelectionPanel(const Options &options, QWidget *parent)
    : QWidget(parent), m_options(options)
{
    lstConcepts = new ConceptSelectionList(this);

    fraSelect = new QGroupBox(QStringLiteral("Select"), this);
    optAll = new QRadioButton(options.allCaption, fraSelect);
    optSelect = new QRadioButton(QStringLiteral("Select manually"), fraSelect);
    optSelect->setChecked(true);
    optRegExp = new QRadioButton(QStringLiteral("Expression"), fraSelect);
    txtRegExp = new QLineEdit(fraSelect);
    txtRegExp->setEnabled(false);
    optSubset = new QRadioButton(QStringLiteral("Subset"), fraSelect);
    cbxSubset = new QComboBox(fraSelect);
    cbxSubset->setEnabled(false);
    optHier = new QRadioButton(QStringLiteral("Subhierarchy"), fraSelect);
    cmdSelect = new QPushButton(QStringLiteral("Select"), fraSelect);
    cmdSelect->setEnabled(false);
    auto *select = new QGridLayout(fraSelect);
    select->addWidget(optAll, 0, 0, 1, 2);
    select->addWidget(optSelect, 1, 0, 1, 2);
    select->addWidget(optRegExp, 2, 0);
    select->addWidget(txtRegExp, 2, 1);
    select->addWidget(optSubset, 3, 0);
    select->addWidget(cbxSubset, 3, 1);
    select->addWidget(optHier, 4, 0, 1, 2);
    select->addWidget(cmdSelect, 5, 0, 1, 2);

    Frame3 = new QGroupBox(QStringLiteral("Sort"), this);
    optAlpha = new QRadioButton(QStringLiteral("Alphabetically"), Frame3);
    optAlpha->setChecked(true);
    optAsEntered = new QRadioButton(QStringLiteral("As entered"), Frame3);
    auto *sort = new QVBoxLayout(Frame3);
    sort->addWidget(optAlpha);
    sort->addWidget(optAsEntered);

    cmdClear = new QPushButton(QStringLiteral("Clear Selection"), this);
    cmdRefresh = new QPushButton(QStringLiteral("Refresh List"), this);

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdRefresh);
    listButtons->addWidget(cmdClear);
    listButtons->addStretch();
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(lstConcepts, 1);
    listColumn->addLayout(listButtons);
    m_side = new QVBoxLayout;
    m_side->addWidget(fraSelect);
    m_side->addWidget(Frame3);
    auto *all = new QHBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->addLayout(listColumn, 1);
    all->addLayout(m_side);

    const auto on = [this](QAbstractButton *b, void (ConceptSelectionPanel::*handler)()) {
        QObject::connect(b, &QAbstractButton::clicked, this, ui::command(this, [this, handler](bool) { (this->*handler)(); }));
    };
    on(optAll, &ConceptSelectionPanel::optAll_Click);
    on(optSelect, &ConceptSelectionPanel::optSelect_Click);
    on(optRegExp, &ConceptSelectionPanel::optRegExp_Click);
    on(optSubset, &ConceptSelectionPanel::optSubset_Click);
    on(optHier, &ConceptSelectionPanel::optHier_Click);
    on(cmdSelect, &ConceptSelectionPanel::cmdSelect_Click);
    on(cmdClear, &ConceptSelectionPanel::cmdClear_Click);
    on(cmdRefresh, &ConceptSelectionPanel::cmdRefresh_Click);
    on(optAlpha, &ConceptSelectionPanel::optAlpha_Click);
    on(optAsEntered, &ConceptSelectionPanel::optAsEntered_Click);
    lstConcepts->onClick([this] { ui::runCommand(this, [this] { lstConcepts_Click(); }); });
    installTypedKeyFilter(txtRegExp, [this](int key) { return txtRegExp_KeyPress(key); });
}

void ConceptSelectionPanel::status(const QString &text) const
{
    if (m_status)
        m_status(text);
}

void ConceptSelectionPanel::showSelectionCount()
{
    status(QString::number(lstConcepts->selCount()) + QStringLiteral(" Concepts selected"));
}

bool ConceptSelectionPanel::fill()
{
    lstConcepts->clear();
    cbxSubset->clear();
    optSelect->setChecked(true);
    chooseOption(optSelect, false, false, false);
    const QStringList concepts = m_source ? m_source(ConceptOrder::Alpha) : QStringList{};
    if (concepts.isEmpty())
        return false;
    lstConcepts->setItems(concepts);
    optAlpha->setChecked(true);
    m_sortMode = QStringLiteral("Alpha");
    status(QStringLiteral("0 Concepts selected"));
    return true;
}

void ConceptSelectionPanel::fillSubsets()
{
    cbxSubset->clear();
    const QStringList subsets = ListSubsetNames();
    cbxSubset->addItems(subsets);
    if (!subsets.isEmpty())
        cbxSubset->setCurrentIndex(0);
}

// ---------------------------------------------------------------------------------------
// Options

void ConceptSelectionPanel::chooseOption(QRadioButton *option, bool expression, bool subset, bool select)
{
    txtRegExp->setEnabled(expression);
    cbxSubset->setEnabled(subset);
    cmdSelect->setEnabled(select);
    option->setChecked(true);
}

void ConceptSelectionPanel::optAll_Click()
{
    cmdClear_Click();
    chooseOption(optAll, false, false, true);
}

void ConceptSelectionPanel::optSelect_Click()
{
    cmdClear_Click();
    chooseOption(optSelect, false, false, false);
}

void ConceptSelectionPanel::optRegExp_Click()
{
    cmdClear_Click();
    chooseOption(optRegExp, true, false, true);
    txtRegExp->setFocus();
}

void ConceptSelectionPanel::optSubset_Click()
{
    cmdClear_Click();
    chooseOption(optSubset, false, true, true);
}

void ConceptSelectionPanel::optHier_Click()
{
    cmdClear_Click();
    chooseOption(optHier, false, false, true);
}

int ConceptSelectionPanel::txtRegExp_KeyPress(int key) const
{
    if (m_options.filterExpressionKeys && OntologyInfo.Naming)
        return NormalizeConceptKey(key);
    return key;
}

// ---------------------------------------------------------------------------------------
// Selecting

void ConceptSelectionPanel::cmdSelect_Click()
{
    if (optAll->isChecked()) {
        lstConcepts->selectAll();
    } else if (optRegExp->isChecked()) {
        if (!selectByExpression())
            return;
    } else if (optSubset->isChecked()) {
        selectBySubset();
    } else if (optHier->isChecked()) {
        if (!selectSubhierarchy())
            return;
    } else {
        return;
    }
    lstConcepts->scrollToFirst();
    showSelectionCount();
}

bool ConceptSelectionPanel::selectByExpression()
{
    const QString pattern = txtRegExp->text();
    if (pattern.size() < 3) {
        ui::msgBox(QStringLiteral("Enter at least 3 characters!"), ui::Buttons::Ok, ui::Icon::Information, Error);
        return false;
    }
    if (!ui::IsValidLikePattern(pattern)) {
        ui::msgBox(QStringLiteral("Invalid expression"), ui::Buttons::Ok, ui::Icon::Information, Error);
        return false;
    }
    m_ready = false;
    bool matched = false;
    lstConcepts->selectWhere([&](const QString &text) {
        const bool m = ui::Like(text, pattern);
        matched = matched || m;
        return m;
    });
    if (!matched)
        ui::msgBox(QStringLiteral("No concepts matched your criteria."), ui::Buttons::Ok, ui::Icon::Information);
    m_ready = true;
    return true;
}

void ConceptSelectionPanel::selectBySubset()
{
    const int subset = GetSubsetID(cbxSubset->currentText());
    m_ready = false;
    lstConcepts->selectNamed(ListSubsetConcepts(subset));
    m_ready = true;
}

bool ConceptSelectionPanel::selectSubhierarchy()
{
    if (lstConcepts->selCount() != 1) {
        ui::msgBox(QStringLiteral("For this option you must select ONE concept in the list."), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Select error"));
        return false;
    }
    const QString start = lstConcepts->text(lstConcepts->selectedRows().front());
    if (start.isEmpty() || (!m_options.rootSubhierarchy && db::sameText(start, RootConcept))) {
        ui::msgBox(QStringLiteral("The concept you selected is not valid."), ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    ui::MousePointerGuard hourglass(ui::MousePointer::Hourglass);
    const QStringList descendants = ListDescendantsUnordered(start);
    m_ready = false;
    if (descendants.isEmpty()) {
        ui::msgBox(QStringLiteral("The concept you selected is a leaf"), ui::Buttons::Ok, ui::Icon::Exclamation);
    } else {
        lstConcepts->selectNamed(descendants);
    }
    m_ready = true;
    return true;
}

void ConceptSelectionPanel::cmdClear_Click()
{
    m_ready = false;
    lstConcepts->clearSelection();
    m_ready = true;
    lstConcepts->scrollToFirst();
    showSelectionCount();
}

void ConceptSelectionPanel::cmdRefresh_Click()
{
    if (m_refresh) {
        m_refresh();
        return;
    }
    lstConcepts->clear();
    optAlpha->setChecked(true);
    m_sortMode.clear();
    sortBy(ConceptOrder::Alpha);
}

void ConceptSelectionPanel::lstConcepts_Click()
{
    // A click of the user means choosing by hand, unless a subhierarchy's start is being
    // picked; changing the option empties the selection, the clicked item included.
    if (!optHier->isChecked() && !optSelect->isChecked())
        optSelect_Click();
    if (m_ready)
        showSelectionCount();
}

// ---------------------------------------------------------------------------------------
// Sorting

void ConceptSelectionPanel::optAlpha_Click() { sortBy(ConceptOrder::Alpha); }

void ConceptSelectionPanel::optAsEntered_Click() { sortBy(ConceptOrder::AsEntered); }

void ConceptSelectionPanel::sortBy(ConceptOrder order)
{
    const QString mode = order == ConceptOrder::Alpha ? QStringLiteral("Alpha") : QStringLiteral("AsEntered");
    if (m_sortMode == mode)
        return;
    ui::MousePointerGuard hourglass(ui::MousePointer::Hourglass);
    lstConcepts->setItems(m_source ? m_source(order) : QStringList{});
    m_sortMode = mode;
    showSelectionCount();
}
