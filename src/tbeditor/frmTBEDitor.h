#pragma once
// The termbase editor: the one window in which the user works on the open termbase,
// modeless beside the main window. On the left the element tree with the value editor
// under it; on the right the data categories (as a tree or as a list) in edit mode, or
// the selected entry's page in browse mode.
//
// Its code is split by concern: the frame, its states and modes (frmTBEDitor.cpp), the
// life cycle of the open termbase (frmTBEDitor_lifecycle.cpp), the data-category
// catalogue (frmTBEDitor_catalogue.cpp), and the element tree and value editor in files
// of their own.
//
// There is one such window: show it with ui::loadedOrNew<frmTBEDitor>()->show().

#include "ElementTreeModel.h"
#include "TreeNodes.h"
#include "db/Cursor.h"
#include "ui/Channel.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QPushButton;
class QSlider;
class QGroupBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class PageView;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {
class DataList;
class StatusBar;
class Toolbar;
}  // namespace ui

class frmTBEDitor : public ui::Form {
public:
    frmTBEDitor();
    ~frmTBEDitor() override;

    // ---- The frame ---------------------------------------------------------------------
    QString BaseCaption;

    ui::Toolbar *ToolBar1;
    ui::StatusBar *StatusBar1;  // 1 working ontology, 2 term entries, 3 terms
    QProgressBar *ProgressBar1;
    ui::CommonDialog dlgCommonDialog;
    ImageList imlIconsTree1;  // pictures of Tree1, Tree2 and ListView1

    QMenu *mnuFile;
    QAction *mnuFileOPen;
    QAction *mnuFileClose;
    QAction *mnuFileNew;
    QAction *mnuFilePrint;
    QAction *mnuFileProperties;
    QAction *mnuFileExit;
    QMenu *mnuEdit;
    QAction *mnuEditFind;
    QAction *mnuEditEditor;
    QAction *mnuEditBrowser;
    QMenu *mnuTools;
    QAction *mnuToolsGenHTML;
    QAction *mnuToolsOptions;
    QMenu *mnuHelp;
    // Pop-up menus of the element tree and of the data-category tree.
    QMenu *mnuElem;
    QAction *mnuElemGoTo;
    QAction *mnuElemModify;
    QAction *mnuElemDelete;
    QMenu *mnuHelpDC;
    QAction *mnuHelpDCShow;

    QLabel *lblTree1;
    ElementTreeView *Tree1;  // the termbase's elements, read as they are shown
    ElementTreeModel *Tree1Nodes;
    QLabel *lblTree2;
    QTreeWidget *Tree2;      // the data categories as a tree
    QTreeWidget *ListView1;  // the data categories as a list, by name
    QFrame *picBrowser;
    PageView *Browser;       // the selected entry's page, or an attached file

    // The value editor under the element tree.
    QGroupBox *fraEdit;
    QLineEdit *txtElem;  // the current element
    QLineEdit *txtDC;    // the chosen category
    QLabel *lblEdit;     // the categoryID whose editor is open
    QPlainTextEdit *txtData;
    QListWidget *lstData;   // items carry the record's elemID where they stand for one
    QListWidget *lstLang;
    QListWidget *lstRefs;   // items carry the file record's elemID
    QSlider *sldData;
    QLineEdit *mskData;     // dd/mm/yyyy
    ui::DataList *dbcConcepts;
    QPushButton *cmdAssert;
    QPushButton *cmdEdit;

    // The ontology editor writes here when it adds, deletes or renames a concept: an
    // operation digit followed by the concept's identifier.
    ui::Channel lblOntoComm;

    // ---- The open termbase as the window holds it -----------------------------------------
    qint64 LastElemID = 0;  // every new element takes LastElemID + 1
    qint64 EntryCount = 0;
    qint64 TermCount = 0;
    std::optional<db::TableCursor> RSConcepts;  // on CONCEPTS, index "Concept"
    std::optional<db::TableCursor> RSTerms;     // on TERMS, index "elemID"
    std::optional<db::QueryCursor> RSLangs;
    std::shared_ptr<db::QueryCursor> datConcepts;  // the rows dbcConcepts lists
    // The editing state: the selected element, the category being edited, and the
    // pick of a cross-reference's target with the element it starts from.
    qint64 CurrentElemID = 0;
    QString CurrentCategory;
    bool XRefMode = false;
    qint64 XRefSourceID = 0;
    // The category chosen when the value editor opened: the category of a new
    // cross-reference, whether the categories show as a tree or as a list.
    QString ChosenCategory;
    // Hands an entry's concept to the ontology editor (Modify); set by whoever opens the
    // termbase editor from there.
    std::function<void(const QString &conceptID)> ShowConceptInOntologyEditor;

    // ---- Frame (frmTBEDitor.cpp) ---------------------------------------------------------
    // Runs the command of the first button whose key equals key, letter case included.
    void ToolBar1_ButtonClick(const QString &key);
    void SetNoTermbaseState();
    void SetTermbaseOpenState();
    void SetEditMode();
    void SetBrowseMode();
    bool inBrowseMode() const;
    void UpdateStatusCounts();
    void mnuEditFind_Click();
    void mnuEditEditor_Click();
    void mnuEditBrowser_Click();
    void mnuFilePrint_Click();

    // ---- Life cycle (frmTBEDitor_lifecycle.cpp) -------------------------------------------
    void mnuFileNew_Click();
    void mnuFileOPen_Click();
    void mnuFileClose_Click();
    void mnuFileExit_Click();
    void mnuFileProperties_Click();
    // Opens the file into the window; when it is refused or fails, path is emptied and the
    // window stays without a termbase.
    void OpenTermbase(QString &path);
    void CloseTermbase();
    void RequeryConceptList();
    void FillLanguageList();

    // ---- Data categories (frmTBEDitor_catalogue.cpp) ---------------------------------------
    void LoadDataCategories();

    // ---- Element tree (frmTBEDitor_elements.cpp) -------------------------------------
    void BuildElementRoot();
    void Tree1_Expand(const QModelIndex &node);
    void Tree1_Collapse(const QModelIndex &node);
    void RevealElement(qint64 elemID);
    void UpdateElementToolbar();
    void LockEditorUI();
    void UnlockEditorUI();
    void Tree1_MouseUp(Qt::MouseButton button);
    void Tree1_BeforeLabelEdit(bool &Cancel);
    void Tree1_AfterLabelEdit(bool &Cancel, const QString &NewString);
    // The node the commands act on, and moving it from code (no click handler runs).
    QModelIndex selectedNode() const;
    void selectNode(const QModelIndex &node);
    void expandNode(const QModelIndex &node);
    void collapseNode(const QModelIndex &node);

    // ---- Selection and cross-references (frmTBEDitor_selection.cpp) ---------------------
    void Tree1_NodeClick(const QModelIndex &node);
    void ReselectElementNode();
    void mnuElemGoTo_Click();

    // ---- Value editor (frmTBEDitor_valueeditor.cpp) ----------------------------------------
    void Tree2_NodeClick(QTreeWidgetItem *node);
    void ListView1_ItemClick(QTreeWidgetItem *item);
    void MarkValidCategories();
    void ShowValueEditor(const QString &categoryID);
    void HideValueControls();
    void txtData_Click();

    // ---- Back-matter records (frmTBEDitor_backmatter.cpp) and files (frmTBEDitor_files.cpp)
    void AddSubjectFieldSet();
    void AddUrl();
    void AddFpi();
    void AddResponsible();
    // Renames the person record in place with its page; false when nothing was stored.
    bool renamePerson(qint64 recordID, const QString &alias);
    void AddBibliographicRecord();
    void AddFileElement(const QString &categoryID);

    // ---- Storing (frmTBEDitor_store.cpp) ---------------------------------------------------
    void cmdAssert_Click();
    void cmdEdit_Click();

    // ---- Built elsewhere ---------------------------------------------------------------
    void lblOntoComm_Change();
    void ShowFindDialog();
    // Reveals and selects the element and makes it the current one, without opening its
    // value or its page; expand opens its branch.
    void SelectFoundElement(qint64 elemID, bool expand);
    void ShowEntryPage();
    void UpdateRefreshButton();
    void ShowDataCategoryHelp(const QString &categoryID);
    void mnuElemModify_Click();
    void mnuElemDelete_Click();
    void mnuHelpDCShow_Click();
    void Tree2_MouseUp(Qt::MouseButton button);
    void mnuToolsGenHTML_Click();
    void mnuToolsOptions_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildPanes();
    void setTermbaseCommandsEnabled(bool enabled);
    void setMode(bool browse);
    void showCatalogue();
    void resetWindow();
    void createTermbase();
    void makeFolders();
    // The pages of persons a stop left without one, written as the termbase opens.
    void writeMissingPersonPages();
    QString initialFolder() const;
    void buildValueEditor(QWidget *parent);
    void addTextRecord(const QString &categoryID, const QString &prompt, const QString &title);
    void setPickingTarget(bool picking);
    // Reads the node's row and children again, opens it and selects it.
    void rereadNode(const QModelIndex &node);
    void chooseCategory(QTreeWidgetItem *node);
    void setSliderValue(int value);
    // After the element tree was built again: the element whose node had the key is
    // current again if the tree shows it, else no element is.
    void reselectAfterRebuild(const QString &selectedKey);
    void pickCrossReferenceTarget(qint64 clickedID, const QString &clickedCategory);
    void ordinaryClick(const QModelIndex &node, qint64 clickedID, const QString &clickedCategory);
    void showValueForModification(const QModelIndex &node, qint64 clickedID);
    void showEntryPageOf(const QModelIndex &node, qint64 clickedID);
    void showAttachedFile(const QModelIndex &node, qint64 clickedID);
    void showFileInBrowser(const QString &path);
    void refreshBranchAfterEntry();
    void reloadEntryBranchAfterNewSection();
    bool m_nodeClickRunning = false;
};

// Tells every open termbase editor that the ontology's concepts changed: operation 1
// added, 2 deleted, 3 renamed, with the identifier the message names.
void TellTermbaseEditors(int operation, const QString &identifier);
