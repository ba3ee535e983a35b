#include "frmBatchNaming.h"

#include "ontology/BatchNames.h"
#include "ontology/Global.h"
#include "ontology/SelectionLists.h"
#include "publish/ConceptSelectionList.h"
#include "publish/ConceptSelectionPanel.h"
#include "ui/BusyRun.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

ConceptSelectionPanel::Options batchNamingPanel()
{
    ConceptSelectionPanel::Options o;
    o.allCaption = QStringLiteral("All");
    o.filterExpressionKeys = false;
    o.rootSubhierarchy = true;
    return o;
}

}  // namespace

frmBatchNaming::frmBatchNaming() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Batch Naming"));

    Panel = new ConceptSelectionPanel(batchNamingPanel(), w);
    lstConcepts = Panel->lstConcepts;
    Panel->setSource(ListOntologyConcepts);
    Panel->setStatus([this](const QString &text) { StatusBar1->setPanelText(2, text); });

    lvwLangs = new QTreeWidget(w);
    lvwLangs->setRootIsDecorated(false);
    lvwLangs->setHeaderLabels({QStringLiteral("Language"), QStringLiteral("ISO")});
    lvwLangs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwLangs->header()->setSectionsClickable(true);

    Frame1 = new QGroupBox(QStringLiteral("Naming options"), w);
    optAsIs = new QRadioButton(QStringLiteral("Same as Identifier"), Frame1);
    optConvert = new QRadioButton(QStringLiteral("Remove restrictions"), Frame1);
    optConvert->setChecked(true);
    auto *naming = new QVBoxLayout(Frame1);
    naming->addWidget(optAsIs);
    naming->addWidget(optConvert);

    Frame2 = new QGroupBox(QStringLiteral("Action"), w);
    Frame2->setToolTip(QStringLiteral("Add or remove names in the selected language"));
    optAdd = new QRadioButton(QStringLiteral("Add names"), Frame2);
    optRemove = new QRadioButton(QStringLiteral("Remove names"), Frame2);
    optAdd->setChecked(true);
    auto *action = new QVBoxLayout(Frame2);
    action->addWidget(optAdd);
    action->addWidget(optRemove);

    // The languages get a column of their own beside the panel, as tall as the concept
    // list: under the panel's own options they would show a few rows only.
    auto *languages = new QVBoxLayout;
    languages->addWidget(lvwLangs, 1);
    languages->addWidget(Frame1);
    languages->addWidget(Frame2);

    cmdOK = new QPushButton(QStringLiteral("&OK"), w);
    cmdOK->setEnabled(false);  // while no language is checked
    cmdCancel = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdCancel);
    ProgressBar1 = new QProgressBar(w);
    ProgressBar1->setVisible(false);
    StatusBar1 = new ui::StatusBar(2, w);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ProgressBar1, 1);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *columns = new QHBoxLayout;
    columns->addWidget(Panel, 1);
    columns->addLayout(languages);
    auto *all = new QVBoxLayout(w);
    all->addLayout(columns, 1);
    all->addLayout(buttons);
    all->addWidget(StatusBar1);
    w->resize(780, 630);

    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdCancel_Click(); }));
    QObject::connect(lvwLangs->header(), &QHeaderView::sectionClicked, w,
                     ui::command(w, [this](int column) { lvwLangs_ColumnClick(column); }));
    QObject::connect(lvwLangs, &QTreeWidget::itemClicked, w,
                     ui::command(w, [this](QTreeWidgetItem *item, int) { lvwLangs_ItemClick(item); }));
    // The highlight and the check are one choice: moving the highlight, by the mouse or
    // by the keys, checks the language it moves to.
    QObject::connect(lvwLangs, &QTreeWidget::currentItemChanged, w,
                     ui::command(w, [this](QTreeWidgetItem *item, QTreeWidgetItem *) {
                         if (!m_checking && item)
                             checkOnly(item);
                     }));
    QObject::connect(lvwLangs, &QTreeWidget::itemChanged, w,
                     ui::command(w, [this](QTreeWidgetItem *item, int) { lvwLangs_ItemCheck(item); }));
}

void frmBatchNaming::Form_Load()
{
    Panel->setReady(false);
    if (!Panel->fill())
        ui::msgBox(QStringLiteral("The list of concepts is empty!"), ui::Buttons::Ok, ui::Icon::Critical,
                   QStringLiteral("Error"));
    Panel->fillSubsets();
    Panel->setReady(true);
    fillLanguages();
}

void frmBatchNaming::fillLanguages()
{
    m_checking = true;
    lvwLangs->clear();
    QTreeWidgetItem *defaultLanguage = nullptr;
    for (const LanguageRow &l : GetLanguages()) {
        auto *item = new QTreeWidgetItem(lvwLangs, {l.name, l.id});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        if (l.id == OntologyInfo.DefLang)
            defaultLanguage = item;
    }
    m_checking = false;
    // The default language is the language of an action until the user chooses another.
    if (defaultLanguage)
        checkOnly(defaultLanguage);
    cmdOK->setEnabled(!chosenLanguage().isEmpty());
}

QString frmBatchNaming::chosenLanguage() const
{
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem *item = lvwLangs->topLevelItem(i); item->checkState(0) == Qt::Checked)
            return item->text(1);
    return {};
}

void frmBatchNaming::checkOnly(QTreeWidgetItem *item)
{
    m_checking = true;
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i) {
        QTreeWidgetItem *other = lvwLangs->topLevelItem(i);
        other->setCheckState(0, other == item ? Qt::Checked : Qt::Unchecked);
    }
    lvwLangs->setCurrentItem(item);
    m_checking = false;
    cmdOK->setEnabled(true);
}

void frmBatchNaming::lvwLangs_ItemClick(QTreeWidgetItem *item)
{
    if (item)
        checkOnly(item);
}

void frmBatchNaming::lvwLangs_ItemCheck(QTreeWidgetItem *item)
{
    // Unchecking the one checked language checks it again: one language is always chosen
    // once the user has chosen one.
    if (!m_checking && item)
        checkOnly(item);
}

void frmBatchNaming::lvwLangs_ColumnClick(int column)
{
    lvwLangs->sortItems(column, Qt::AscendingOrder);
    if (lvwLangs->currentItem())
        lvwLangs->scrollToItem(lvwLangs->currentItem());
}

void frmBatchNaming::cmdOK_Click()
{
    if (lstConcepts->selCount() == 0) {
        ui::msgBox(QStringLiteral("No concepts have been selected!"), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Error"));
        return;
    }
    if (chosenLanguage().isEmpty())
        return;  // OK is not offered then
    if (optAdd->isChecked())
        AddBatchNames();
    else
        RemoveBatchNames();
    ShowConceptNames();
}

void frmBatchNaming::runOverSelection(
    const std::function<void(const QStringList &, const std::function<void(qsizetype)> &)> &action)
{
    const std::vector<int> rows = lstConcepts->selectedRows();
    QStringList concepts;
    concepts.reserve(qsizetype(rows.size()));
    for (int row : rows)
        concepts << lstConcepts->text(row);

    ProgressBar1->setMaximum(int(rows.size()));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    Panel->setReady(false);
    qsizetype done = 0;
    const auto endRun = qScopeGuard([&] {
        ProgressBar1->setVisible(false);
        Panel->setReady(true);
        Panel->showSelectionCount();
    });
    ui::BusyRun busy;
    try {
        action(concepts, [&](qsizetype n) {
            done = n;
            lstConcepts->setSelected(rows[size_t(n - 1)], false);
            if (ProgressBar1->value() < ProgressBar1->maximum())
                ProgressBar1->setValue(int(n));
            busy.paint();
        });
    } catch (...) {
        // Nothing of the action was kept: the concepts stay selected for another try.
        for (qsizetype i = 0; i < done; ++i)
            lstConcepts->setSelected(rows[size_t(i)], true);
        throw;
    }
}

void frmBatchNaming::AddBatchNames()
{
    const QString lang = chosenLanguage();
    const BatchNameForm form = optAsIs->isChecked() ? BatchNameForm::SameAsIdentifier : BatchNameForm::Label;
    runOverSelection([&](const QStringList &concepts, const std::function<void(qsizetype)> &progress) {
        ::AddBatchNames(concepts, lang, form, progress);
    });
}

void frmBatchNaming::RemoveBatchNames()
{
    const QString lang = chosenLanguage();
    runOverSelection([&](const QStringList &concepts, const std::function<void(qsizetype)> &progress) {
        ::RemoveBatchNames(concepts, lang, progress);
    });
}

void frmBatchNaming::ShowConceptNames()
{
    if (showConceptNames)
        showConceptNames();
}

void frmBatchNaming::cmdCancel_Click() { unload(); }
