#pragma once
// The main window: the ontology editor. On the left the concept list under its search box,
// on the right the tabbed panes of the current concept; the menus and the toolbar reach
// every other window. It is the first window loaded and the last to go.
//
// Its code is split by concern: the frame (frmOntoEdit.cpp), the life cycle of the open
// ontology (frmOntoEdit_lifecycle.cpp), and the concept list, panes and commands in files
// of their own.

#include "app/ConceptEditorLink.h"
#include "db/Cursor.h"
#include "ui/Channel.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"

#include <QString>
#include <memory>
#include <optional>

class ConceptList;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace ui {
class DataList;
class StatusBar;
class Toolbar;
}  // namespace ui

class frmOntoEdit : public ui::Form, public ConceptEditorLink {
public:
    frmOntoEdit();
    ~frmOntoEdit() override;

    // ---- The frame ---------------------------------------------------------------------
    QString BaseCaption;

    ui::Toolbar *ToolBar1;
    ui::StatusBar *StatusBar1;  // 1 subset, 2 type, 3 listed, 4 total
    ui::CommonDialog dlgCommonDialog;

    QMenu *mnuFile;
    QAction *mnuFileOPen;
    QAction *mnuFileClose;
    QAction *mnuFileNew;
    QAction *mnuFileImport;
    QAction *mnuFileExport;
    QAction *mnuFileProperties;
    QAction *mnuFileExit;
    QMenu *mnuEdit;
    QAction *mnuEditCopy;
    QAction *mnuEditCut;
    QAction *mnuEditPaste;
    QMenu *mnuConcept;
    QAction *mnuConceptAdd;
    QAction *mnuConceptEdit;
    QAction *mnuConceptEditDef;
    QAction *mnuConceptDelete;
    QAction *mnuConceptTree;
    QAction *mnuConceptNote;
    QMenu *mnuTree;
    QAction *mnuTreeFull;
    QAction *mnuTreeObject;
    QAction *mnuTreeEvent;
    QAction *mnuTreeRel;
    QAction *mnuTreeAttr;
    QAction *mnuTreeSelConcept;
    QMenu *mnuTools;
    QAction *mnuToolsTBEd;
    QAction *mnuToolsOntoNav;
    QAction *mnuGenHTML;
    QAction *mnuToolsBatchNaming;
    QAction *mnuToolsListNotes;
    QAction *mnuToolsOptions;
    QMenu *mnuHelp;
    QAction *mnuHelpTool;
    QAction *mnuHelpAbout;
    // Pop-up menus of the panes, never on the menu bar; their items come with the panes.
    QMenu *mnuISA;
    QMenu *mnuInstOf;
    QMenu *mnuRel;
    QMenu *mnuGoTo;
    QMenu *mnuAttr;
    QMenu *mnuDomain;
    QMenu *mnuRange;
    QMenu *mnuInherit;
    QMenu *mnuName;

    // ---- The panes ---------------------------------------------------------------------
    QFrame *frmSearch;
    QLineEdit *txtCptSearch;
    ui::DataList *dblConcepts;
    QTabWidget *tbsEdit;  // "Description", "Properties", "Relatives", "Inheritance"
    // Description
    QPlainTextEdit *txtDef;
    QListWidget *lstISA;
    ui::DataList *lstSubclasses;
    QTreeWidget *lvwNames;
    // Properties
    QLabel *lblRels;
    QListWidget *lstRels;
    QLabel *lblAttrs;
    QListWidget *lstAttrs;
    // Relatives
    QCheckBox *chkActiveAnc;
    ui::DataList *lstAncestors;
    QCheckBox *chkActivDesc;
    ui::DataList *lstDescendants;
    // Inheritance
    QGroupBox *fraInherit;
    QRadioButton *optOff;
    QRadioButton *optCumulative;
    QRadioButton *optExclusive;
    QGroupBox *fralvwInclude;
    QCheckBox *chkInhAttrs;
    QCheckBox *chkInhRels;
    QTreeWidget *lvwInherit;

    // ---- The open ontology as the window holds it ----------------------------------------
    QString CurrentConcept;
    int CurrentType = 0;
    qint64 TotalCount = 0;
    qint64 ListedCount = 0;
    // The column (0-based) the user sorted each list view by; it stays sorted by it,
    // refill after refill. -1: the order rows are read in.
    int NamesSortColumn = -1;
    int InheritSortColumn = -1;
    std::shared_ptr<ConceptList> RSListConcepts;  // shown by dblConcepts
    std::optional<db::TableCursor> RSInverses;  // on INVERSES, index "Relation"
    QString NewOntologyName;

    // ---- Frame handlers (frmOntoEdit.cpp) ----------------------------------------------
    // Runs the command of the first button whose key equals key, letter case included.
    void ToolBar1_ButtonClick(const QString &key);
    void mnuHelpTool_Click();
    void mnuHelpAbout_Click();

    // ---- Life cycle (frmOntoEdit_lifecycle.cpp) --------------------------------------------
    void mnuFileNew_Click();
    void mnuFileOPen_Click();
    void mnuFileClose_Click();
    void mnuFileExit_Click();
    void mnuFileProperties_Click();
    // A file dropped on the window is opened as Open opens the file chosen in its dialog.
    void Form_OLEDragDrop(const QMimeData &data);
    void OpenOntology(QString &path);
    void CloseOntology(QString &path);
    void OpenInheritTable();
    void OpenInversesTable();
    void EnableOntologyUI();
    void DisableOntologyUI();

    // ---- Concept list, concept view and concept editing ----------------------------------
    // (frmOntoEdit_concepts.cpp: list, search and panes; frmOntoEdit_commands.cpp: add,
    // rename, redefine, delete; frmOntoEdit_names.cpp: the names pane)
    ui::Channel lblNewCpt;  // a concept was added: its identifier
    QAction *mnuNameAdd;
    QAction *mnuNameEdit;
    QAction *mnuNameDelete;

    // Counts the concepts listed and those in the file and shows both in the status bar.
    // The list runs it whenever it is read or follows a change, so every command that
    // adds or removes concepts leaves both figures current.
    void CountConcepts();
    void InitRSListConcepts();
    // After concepts were added, renamed or deleted: the list takes in the change without
    // being read again (or is read again when it cannot tell which rows it showed), and,
    // as a list read anew does, shows its first concept and counts again.
    void FollowConceptChanges(const QStringList &removed, const QStringList &added);
    void FollowConceptRenamed(const QString &from, const QString &to);
    void ShowConceptCounts();
    void ClearConceptPanes();
    void ShowConcept();
    void ShowAncestors();
    void ShowDescendants();
    // Shows the concept itself, never another that merely begins like it; a concept the
    // list hides is offered through the options, a value that is no concept is said so.
    void GoToConcept(const QString &name) override;
    // What other windows do to show a concept: write it into the search box. The search
    // runs even when the box holds that text already.
    void WriteSearch(const QString &text);

    void txtCptSearch_Change();
    void txtCptSearch_GotFocus();
    void txtCptSearch_LostFocus();
    // The key as typed; returns the key to insert, 0 to swallow it.
    int txtCptSearch_KeyPress(int key);
    void txtCptSearch_KeyUp(int key, Qt::KeyboardModifiers shift);
    void txtCptSearch_Paste(const QString &text);
    void dblConcepts_Click();
    void dblConcepts_MouseUp(Qt::MouseButton button);
    void lstISA_DblClick();
    void lstSubclasses_DblClick();
    void lstAncestors_DblClick();
    void lstDescendants_DblClick();
    void chkActiveAnc_Click();
    void chkActivDesc_Click();
    void txtDef_KeyUp(int key, Qt::KeyboardModifiers shift);
    void txtDef_DblClick();
    void mnuEditCopy_Click();

    void mnuConceptAdd_Click();
    void lblNewCpt_Change();
    void mnuConceptEdit_Click();
    void mnuConceptEditDef_Click();
    void mnuConceptDelete_Click();

    void FillNamesList();
    void mnuNameAdd_Click();
    void mnuNameEdit_Click();
    void mnuNameDelete_Click();
    void lvwNames_ColumnClick(int column);
    void lvwNames_MouseUp(Qt::MouseButton button);

    // ---- Called by the concept editing, filled by the relations, notes and termbases ----
    void ShowLocalProperties();
    void FillInheritedList();
    bool ConceptHasNote(const QString &identifier);
    // Every open relation dialog, whatever its mode, reloads its concepts ("" then word).
    void SignalRelationDialogs(const QString &word);
    // Every open relation dialog adding relations or attributes follows CurrentConcept.
    void FollowCurrentConceptInRelationDialogs();
    // Virtual: the one seam between the ontology and the linked termbases. Run after the
    // ontology gained (operation 1), lost (2) or renamed (3) a concept: the linked
    // termbases get the change, then every open termbase editor is told, with
    // CurrentConcept. A deleted relation's inverse and purged concepts are each a change of
    // their own (frmOntoEdit_termbases.cpp).
    virtual void SyncConceptToTermbases(const QString &identifier, const QString &previous, int operation);
    // The same for many concepts added at once by an import: each linked termbase is
    // written once, then the open termbase editors are told.
    void SyncAddedConceptsToTermbases(const QStringList &identifiers);
    // Many concepts deleted at once (a subset removed): every linked termbase loses them
    // in one go and the termbase editors are told once.
    void SyncDeletedConceptsToTermbases(const QStringList &deleted);
    // Asks about every linked termbase file that is gone; see ::CheckTermbaseLinks.
    void CheckTermbaseLinks();


    void mnuConceptNote_Click();

    // ---- Windows of the hierarchy, the termbases and the tools ---------------------------
    void dblConcepts_DblClick();
    void mnuTreeFull_Click();
    void mnuTreeObject_Click();
    void mnuTreeEvent_Click();
    void mnuTreeRel_Click();
    void mnuTreeAttr_Click();
    void mnuTreeSelConcept_Click();
    void mnuFileImport_Click();
    void mnuFileExport_Click();
    void mnuToolsTBEd_Click();
    void mnuToolsOntoNav_Click();
    void mnuGenHTML_Click();
    void mnuToolsBatchNaming_Click();
    void mnuToolsListNotes_Click();
    void mnuToolsOptions_Click();

    // ---- Relations, attributes, IS-A links, domains and ranges, the inherited pane and
    // notes (frmOntoEdit_relations.cpp, _links.cpp, _inherit.cpp, _notes.cpp) ------------
    // A relation or attribute dialog reports an addition here; any value refills the
    // lists of the current concept.
    ui::Channel lblNewRel;
    ui::Channel lblNewAttr;
    QAction *mnuRelAdd;
    QAction *mnuRelDelete;
    QAction *mnuRelGoTo;  // the "Go To..." submenu
    QAction *mnuRelGoToRel;
    QAction *mnuRelGoToConcept;
    QAction *mnuAttrAdd;
    QAction *mnuAttrDelete;
    QAction *mnuISAAdd;
    QAction *mnuISAEdit;
    QAction *mnuISADelete;
    QAction *mnuDomainAdd;
    QAction *mnuDomainDelete;
    QAction *mnuRangeAdd;
    QAction *mnuRangeDelete;
    QAction *mnuInheritGoToAttr;
    QAction *mnuInheritGoToValue;
    QAction *mnuInheritGoToFrom;
    QAction *mnuInheritCopy;

    // Each item of lstRels and lstAttrs keeps the key of its row (RowKeyRole), so delete
    // and go-to act on that row whatever its texts hold.
    static constexpr int RowKeyRole = Qt::UserRole;
    static constexpr int RelationRole = Qt::UserRole + 1;  // the relation or attribute
    static constexpr int TargetRole = Qt::UserRole + 2;    // the related concept, domain or range

    // Fills lstISA with the parents of CurrentConcept.
    void FillISAList();
    void lstRels_MouseUp(Qt::MouseButton button);
    void lstAttrs_MouseUp(Qt::MouseButton button);
    void lstRels_DblClick();
    void mnuRelAdd_Click();
    void mnuRelDelete_Click();
    void mnuRelGoToRel_Click();
    void mnuRelGoToConcept_Click() { lstRels_DblClick(); }
    void mnuAttrAdd_Click();
    void mnuAttrDelete_Click();
    void lblNewRel_Change();
    void lblNewAttr_Change();

    void lstISA_MouseUp(Qt::MouseButton button);
    void mnuISAAdd_Click();
    void mnuISAEdit_Click();
    void mnuISADelete_Click();
    void mnuDomainAdd_Click();
    void mnuDomainDelete_Click();
    void mnuRangeAdd_Click();
    void mnuRangeDelete_Click();

    void optOff_Click();
    void optCumulative_Click();
    void optExclusive_Click();
    void chkInhAttrs_Click() { FillInheritedList(); }
    void chkInhRels_Click() { FillInheritedList(); }
    void lvwInherit_ColumnClick(int column);  // 1-based, as the columns are numbered
    void lvwInherit_MouseUp(Qt::MouseButton button);
    void mnuInheritGoToAttr_Click();
    void mnuInheritGoToValue_Click();
    void mnuInheritGoToFrom_Click();
    void mnuInheritCopy_Click();


protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void buildMenus();
    void wireConceptPanes();
    void showListedRow(int row);
    void SignalConceptDeleted();
    void copyToClipboard(const QString &text);
    void buildToolbar();
    void buildPanes();
    void setOntologyUIEnabled(bool enabled);
    void openChosenOntology();
    void closeOntology(QString &path, bool writeBack);
    void abandonNewOntology();
    void createPublishFolder(const QString &name);
    QString initialFolder() const;

    // Relations, attributes, links, inheritance and notes.
    struct Pick {
        bool chosen = false;
        QString conceptId;
        QString value;
    };
    void buildPropertyCommands();
    Pick runPicker(const QString &caption, bool rangeIsValue = false);
    // Moves the list to the first concept the search box's text begins; the panes are
    // refilled only when that changes the concept shown, or always with showAgain.
    void searchConceptList(bool showAgain);
    void showFirstListed();
    void goToInherited(int column);
};
