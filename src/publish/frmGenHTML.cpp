#include "frmGenHTML.h"

#include "ConceptSelectionList.h"
#include "ConceptSelectionPanel.h"
#include "OutputFolder.h"
#include "frmDirSel.h"
#include "ontology/SelectionLists.h"
#include "termbase/EntryConcepts.h"
#include "ui/CommandBoundary.h"
#include "ui/Forms.h"
#include "ui/Like.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QDir>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmGenHTML::frmGenHTML() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Generate HTML Reports"));

    Panel = new ConceptSelectionPanel({}, w);
    lstConcepts = Panel->lstConcepts;
    Panel->setStatus([this](const QString &text) { showStatus(text); });
    Panel->setRefresh([this] { cmdRefresh_Click(); });

    fraInclude = new QGroupBox(QStringLiteral("Include"), w);
    chkAncestors = new QCheckBox(QStringLiteral("Ancestors"), fraInclude);
    chkAncestors->setChecked(true);
    chkDescendants = new QCheckBox(QStringLiteral("Descendants"), fraInclude);
    chkDescendants->setChecked(true);
    chkInhRels = new QCheckBox(QStringLiteral("Inherited Relations"), fraInclude);
    chkInhAttrs = new QCheckBox(QStringLiteral("Inherited Attributes"), fraInclude);
    auto *include = new QVBoxLayout(fraInclude);
    for (QCheckBox *c : {chkAncestors, chkDescendants, chkInhRels, chkInhAttrs})
        include->addWidget(c);
    chkCSReport = new QCheckBox(QStringLiteral("Include Conceptual Structures"), w);
    chkCSReport->setVisible(false);
    Panel->sideColumn()->addWidget(fraInclude);
    Panel->sideColumn()->addWidget(chkCSReport);
    Panel->sideColumn()->addStretch();

    lblOutput = new QLabel(QStringLiteral("Output:"), w);
    txtPath = new QLineEdit(w);
    cmdBrowse = new QPushButton(QStringLiteral("&Browse..."), w);
    cmdOK = new QPushButton(QStringLiteral("&OK"), w);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), w);
    setCancelButton(cmdCancel);
    ProgressBar1 = new QProgressBar(w);
    ProgressBar1->setVisible(false);
    StatusBar1 = new ui::StatusBar(2, w);

    auto *output = new QHBoxLayout;
    output->addWidget(lblOutput);
    output->addWidget(txtPath, 1);
    output->addWidget(cmdBrowse);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ProgressBar1, 1);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addWidget(Panel, 1);
    all->addLayout(output);
    all->addLayout(buttons);
    all->addWidget(StatusBar1);
    w->resize(620, 480);

    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdCancel_Click(); }));
    QObject::connect(cmdBrowse, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdBrowse_Click(); }));
    lblStart.onChange([this] { ui::runCommand(window(), [this] { lblStart_Change(); }); });
}

void frmGenHTML::showStatus(const QString &text) { StatusBar1->setPanelText(2, text); }

frmGenHTML::Run::Run(frmGenHTML &dialog, int total) : m_dialog(dialog)
{
    m_dialog.ProgressBar1->setMaximum(total);
    m_dialog.ProgressBar1->setValue(0);
    m_dialog.ProgressBar1->setVisible(true);
    m_dialog.Panel->setReady(false);
}

frmGenHTML::Run::~Run()
{
    m_dialog.ProgressBar1->setVisible(false);
    m_dialog.Panel->setReady(true);
    if (!m_completed)
        m_dialog.Panel->showSelectionCount();
}

// ---------------------------------------------------------------------------------------
// The set-up

void frmGenHTML::lblStart_Change()
{
    const QString word = lblStart.caption();
    if (word.isEmpty())
        return;
    const bool ontology = ui::Like(word, QStringLiteral("Ontology*"));
    const bool termbase = ui::Like(word, QStringLiteral("TermBase*"));
    if (!ontology && !termbase)
        return;
    m_termbase = !ontology;
    m_export = ui::Like(word, QStringLiteral("*Export"));
    // Every control is set for the mode, so a shared dialog that served an export shows
    // its Include choices again for reports.
    fraInclude->setVisible(!m_export);
    chkCSReport->setVisible(m_termbase && !m_export);
    Panel->fraSelect->setTitle(m_export ? QStringLiteral("Export") : QStringLiteral("Select"));
    if (m_termbase)
        Panel->setSource(ListEntryConcepts);
    else
        Panel->setSource(ListOntologyConcepts);

    Panel->setReady(false);
    if (!Panel->fill()) {
        showStatus({});
        ui::msgBox(QStringLiteral("The list of concepts is empty. No reports can be generated!"), ui::Buttons::Ok,
                   ui::Icon::Critical, QStringLiteral("Error"));
    }
    Panel->fillSubsets();
    Panel->setReady(true);
}

void frmGenHTML::cmdRefresh_Click()
{
    const QString word = lblStart.caption();
    lstConcepts->clear();
    lblStart.setCaption({});
    lblStart.setCaption(word);
}

// ---------------------------------------------------------------------------------------
// Commands

void frmGenHTML::cmdOK_Click()
{
    if (lstConcepts->selCount() == 0) {
        ui::msgBox(QStringLiteral("No concepts have been selected!"), ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Error"));
        return;
    }
    if (m_export)
        ExportSelectedToOxp();
    else
        GenerateSelectedReports();
}

void frmGenHTML::cmdCancel_Click()
{
    txtPath->clear();
    unload();
}

void frmGenHTML::cmdBrowse_Click()
{
    OutputFolder = txtPath->text();
    frmDirSel dirSel(OutputFolder);
    if (dirSel.show() && dirSel.folder() != OutputFolder) {
        OutputFolder = dirSel.folder();
        txtPath->setText(OutputFolder);
    }
}

std::shared_ptr<frmGenHTML> ShowOntologyReports(const QString &caption, const QString &modeWord)
{
    std::shared_ptr<frmGenHTML> dialog;
    for (const auto &open : ui::forms().ofType<frmGenHTML>())
        if (open->m_shared)
            dialog = open;
    if (!dialog) {
        dialog = std::make_shared<frmGenHTML>();
        dialog->m_shared = true;
    }
    dialog->load();
    dialog->setCaption(caption);
    dialog->txtPath->setText(OntologyPublishFolder() + QDir::separator());
    dialog->lblStart.setCaption({});
    dialog->lblStart.setCaption(modeWord);
    dialog->show();
    return dialog;
}
