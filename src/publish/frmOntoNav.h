#pragma once
// The ontology navigator: the IS-A tree from the root on the left, the page of the
// concept clicked on the right. A page that is about to be shown and is not in the
// ontology's publish folder yet is written first; the selected concept's page can be
// written again. A long page is written with the windows working, under the hourglass,
// and shown when it is there, unless another page was asked for meanwhile. At most one
// navigator is open.

#include "ConceptPageWrite.h"
#include "ConceptTreeWindow.h"
#include "PageView.h"

#include <optional>

class QMenu;
class QSplitter;

class frmOntoNav : public ConceptTreeWindow {
public:
    frmOntoNav();

    PageView *Browser;
    QSplitter *imgSplitter;  // the bar between tree and page that the user drags

    QMenu *mnuFile;
    QAction *mnuFileRefresh;
    QAction *mnuFileSaveAs;
    QAction *mnuFilePrint;
    QAction *mnuFileExit;
    QMenu *mnuPublish;
    QAction *mnuPublishWhole;
    QAction *mnuPublishSelect;
    QMenu *mnuBrowser;
    QAction *mnuBrowserBack;
    QAction *mnuBrowserForward;
    QAction *mnuOntoRefresh;
    QMenu *mnuHelp;

    Node *RootNode = nullptr;
    qint64 ConceptCount = 0;

    // Where the window keeps its geometry: under the program's title, this section.
    static const QString SettingsSection;


    // Lays the window out with the bar between tree and page at x (twips from the left).
    void SizeControls(int x);
    void ShowConceptPage(const QString &conceptId);
    // Writes a concept page that is about to be shown and is missing.
    bool Browser_BeforeNavigate2(const PageView::Target &target);
    void RegenerateConceptPage();
    void CountOntologyConcepts();
    void Tree1_NodeClick();
    void ToolBar1_ButtonClick(const QString &key);
    // A concept handed over: the navigator selects exactly that concept and shows its page.
    void lblGoTo_Change(const QString &conceptId);
    void mnuFileRefresh_Click() { RegenerateConceptPage(); }
    void mnuOntoRefresh_Click() { RegenerateConceptPage(); }
    void mnuFileExit_Click() { unload(); }
    void mnuPublishWhole_Click();
    void mnuPublishSelect_Click();

    void SearchConcept() override;
    int cbxFind_KeyPress(int key);
    void cbxFind_KeyUp(int key, Qt::KeyboardModifiers shift);
    void cbxFind_Paste(const QString &text);
    void cbxFind_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    void nodeClicked() override;
    void selectionChanged() override;

private:
    void buildMenus();
    void buildToolbar();
    // Writes the concept's page into the folder; true when it is written at once, else
    // `show` runs once it is.
    bool writePage(const QString &conceptId, const QString &folder, std::function<void()> show);
    void dropPageWrite();

    ConceptPageWriter PageWriter;
    std::optional<ui::MousePointerGuard> WriteHourglass;  // while a page is written, the screen's
};
