#pragma once
// "Import Ontology": reads an export file into the open ontology. The user picks the file,
// checks it (counts of its slots, and every line the import would refuse, without writing
// anything), then imports it in one transaction. Everything the dialog does is written
// into the log, which can be cleared and saved; the log box shows of each run of line
// messages only the first ones, and Save Log writes the whole log.

#include "exchange/OxpImport.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"

#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
namespace ui {
class StatusBar;
}

class frmImport : public ui::Form {
public:
    frmImport();

    QPushButton *cmdOpenFile;
    QLineEdit *txtImportFile;
    QPushButton *cmdCheckFile;
    QPushButton *cmdImport;
    QPlainTextEdit *txtLog;
    QPushButton *cmdSaveLog;
    QPushButton *cmdClear;
    QPushButton *cmdClose;
    QGroupBox *Frame1;  // "Import"
    QCheckBox *chkConcepts;
    QCheckBox *chkDefs;
    QCheckBox *Check1;  // "Relations": domains are relation rows
    QCheckBox *Check2;  // "Attributes": the file brings none to import
    QGroupBox *Frame2;  // "Overwrite"
    QRadioButton *optOWYes;
    QRadioButton *optOWNo;
    QRadioButton *optOWAsk;
    QProgressBar *ProgressBar1;
    ui::StatusBar *StatusBar1;
    ui::CommonDialog dlgCommonDialog;

    void cmdOpenFile_Click();
    void cmdCheckFile_Click();
    void cmdImport_Click();
    void cmdSaveLog_Click();
    void cmdClear_Click();
    void cmdClose_Click();

    // The file Check File and Import read.
    QString importFile() const { return m_importFile; }

    // Set by the window that shows the dialog: called after each import that added
    // concepts, once it is committed, so the linked termbases get them at once.
    std::function<void(const QStringList &added)> conceptsAdded;

protected:
    void Form_Load() override;

private:
    // The path chosen in the open or save dialog, or "" when it was cancelled.
    QString chooseFile(ui::FileDialogMode mode, const QString &filter);
    OxpImportOptions options();
    OxpProgress progress();
    // Shows what has been written into the log since it was last shown.
    void showLog();

    OxpLog m_log;
    QString m_importFile;
    std::optional<OxpCheckResult> m_checked;  // the last Check File of m_importFile
};
