#pragma once
// The reports dialog: the concept selection panel over the open ontology's concepts (or
// the open termbase's entries), the pages to include, and the folder they go to. Three
// modes, set through lblStart: "Ontology" writes concept pages, "TermBase" entry pages,
// "OntologyExport" hands the selection to the export. The ontology's windows share one
// instance (ShowOntologyReports); the termbase editor opens one of its own each time.

#include "ui/Channel.h"
#include "ui/Form.h"

#include <QString>

class ConceptSelectionList;
class ConceptSelectionPanel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
namespace ui {
class StatusBar;
}

class frmGenHTML : public ui::Form {
public:
    frmGenHTML();

    ConceptSelectionPanel *Panel;
    ConceptSelectionList *lstConcepts;  // the panel's list
    QGroupBox *fraInclude;
    QCheckBox *chkAncestors;
    QCheckBox *chkDescendants;
    QCheckBox *chkInhRels;
    QCheckBox *chkInhAttrs;
    QCheckBox *chkCSReport;
    QLabel *lblOutput;
    QLineEdit *txtPath;
    QPushButton *cmdBrowse;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QProgressBar *ProgressBar1;
    ui::StatusBar *StatusBar1;  // panel 2: the selection count and a run's progress
    ui::Channel lblStart;       // the mode word; "" first, then the word, runs the set-up

    // Copy of txtPath taken by cmdBrowse_Click and by a run.
    QString OutputFolder;

    bool isTermbaseMode() const { return m_termbase; }
    bool isExportMode() const { return m_export; }

    void lblStart_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();
    void cmdRefresh_Click();
    void GenerateSelectedReports();
    // The export mode's run: the selected concepts into an export file in txtPath's folder.
    void ExportSelectedToOxp();

private:
    void showStatus(const QString &text);

    // One run over the selection: the progress bar counts to total and the panel keeps
    // quiet while the run deselects items. However the run ends, the dialog is usable
    // afterwards; a run that did not complete leaves the count of what is still selected.
    class Run {
    public:
        Run(frmGenHTML &dialog, int total);
        ~Run();
        Run(const Run &) = delete;
        Run &operator=(const Run &) = delete;
        void complete() { m_completed = true; }

    private:
        frmGenHTML &m_dialog;
        bool m_completed = false;
    };

    bool m_termbase = false;
    bool m_export = false;
    bool m_shared = false;
    friend std::shared_ptr<frmGenHTML> ShowOntologyReports(const QString &, const QString &);
};

// What the ontology's windows do to open the reports dialog: the shared instance (loaded
// when it is not) gets the caption, the folder and the mode word, and is shown modeless.
// An open instance is filled afresh for the new mode.
std::shared_ptr<frmGenHTML> ShowOntologyReports(const QString &caption, const QString &modeWord);
