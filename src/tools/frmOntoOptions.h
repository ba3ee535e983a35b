#pragma once
// The ontology's options dialog, shown modally while an ontology is open. Four tabs:
// "Subsets" and "Databases" act on the file at once (subsets, linked termbases); "Misc
// Options" and "Languages" hold options that reach OntologyInfo and the Languages table
// only when the user leaves with OK (RunOntologyOptions). Cancel, and closing the dialog
// by its frame, change none of them.

#include "db/Cursor.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class UpDown;
namespace ui {
class StatusBar;
}
enum class LinkPhase;

class frmOntoOptions : public ui::Form {
public:
    frmOntoOptions();

    QTabWidget *SSTab1;  // "Subsets", "Databases", "Misc Options", "Languages"

    // Subsets
    QTreeWidget *ListView1;  // the subset and the number of its concepts
    QLabel *lblActiveSubset;
    QLineEdit *txtNewSubset;
    QPushButton *cmdAdd;
    QPushButton *cmdRemove;
    QPushButton *cmdActivate;
    QPushButton *cmdTransfer;

    // Databases
    QTreeWidget *ListView2;  // one row per TermBases row, its DBName
    QPushButton *cmdLink;
    QPushButton *cmdRelease;

    // Misc Options
    QGroupBox *fraParents;
    QLineEdit *txtNoParents;
    UpDown *UpDown1;
    QGroupBox *fraConcepts;
    QRadioButton *optMy;
    QRadioButton *optTop;
    QRadioButton *optEvery;
    QGroupBox *Frame1;
    QCheckBox *chkNameRestrict;

    // Languages
    QTreeWidget *lvwLangs;  // ticked: a working language; columns "Language", "ISO"
    QGroupBox *Frame2;
    QComboBox *cbxLangs;  // language names, each carrying its Lang_ID
    QGroupBox *Frame3;
    QCheckBox *chkAddNames;
    QRadioButton *optAsIs;
    QRadioButton *optConvert;

    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    ui::StatusBar *StatusBar1;  // panel 2: what linking is doing
    QProgressBar *ProgressBar1;
    ui::CommonDialog dlgCommonDialog;

    // Kept while the dialog is loaded.
    std::optional<db::TableCursor> RSSubsets;    // Subsets, index Subset_ID
    std::optional<db::QueryCursor> RSTermBases;  // the whole of TermBases, updatable

    // True once OK accepted the dialog; the options are then to be written back.
    bool confirmed() const { return m_confirmed; }

    void cmdOK_Click();
    void cmdCancel_Click();
    void chkAddNames_Click();
    void txtNoParents_Change();
    void UpDown1_Change();

    void cmdLink_Click();
    void cmdRelease_Click();
    void FillLinkedTermbases();

    void FillSubsetList();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdActivate_Click();
    void cmdTransfer_Click();
    void ListView1_ColumnClick(int column);

    // Run when a subset was removed, with the identifiers of the concepts removed with it,
    // so that the owner tells whoever keeps a copy of them.
    std::function<void(const QStringList &removed)> conceptsRemoved;

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void buildSubsetsTab(QWidget *tab);
    void buildDatabasesTab(QWidget *tab);
    void buildMiscTab(QWidget *tab);
    void buildLanguagesTab(QWidget *tab);
    void fillLanguages();
    void showOptions();
    void showLinkPhase(LinkPhase phase, qsizetype maximum);
    void endLinkProgress();

    bool m_confirmed = false;
};

// The Options command of the main window, up to the concept list: shows the dialog over
// owner, writes the options back when the user leaves with OK (OntologyInfo, and the
// Show flags of Languages at once), and unloads the dialog. The caller rebuilds its
// concept list afterwards, whatever the answer. conceptsRemoved is the dialog's own (above).
void RunOntologyOptions(ui::Form &owner, std::function<void(const QStringList &removed)> conceptsRemoved = {});
