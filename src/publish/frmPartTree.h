#pragma once
// A partial-tree window: the IS-A hierarchy below one top concept (the root, one of the
// top concepts, or any concept), with the find box, and beside the tree, while the
// "properties" button is pressed, the selected concept's own slots. A concept picked in
// the tree can be handed to the main window or to the navigator. One window per caption.

#include "ConceptTreeWindow.h"

class QLabel;
class QListWidget;
class QMenu;
class QSplitter;

class frmPartTree : public ConceptTreeWindow {
public:
    frmPartTree();

    QLabel *lblRels;
    QListWidget *lstRels;
    QLabel *lblAttrs;
    QListWidget *lstAttrs;
    QMenu *mnuTree;
    QAction *mnuOpenEditor;
    QAction *mnuOpenNav;

    QString SelectedConcept;
    int SelectedType = 0;

    // The launcher: brings the window with this caption forward, or opens one with the
    // top concept. Returns the window.
    static std::shared_ptr<frmPartTree> Launch(const QString &caption, const QString &topConcept);

    // The top concept, set once before the window is shown.
    void lblTopNode_Change(const QString &topConcept);
    // A concept handed over: the window finds exactly that concept.
    void lblFind_Change(const QString &conceptId);

    void SearchConcept() override;
    int cbxFind_KeyPress(int key);
    void cbxFind_Click();
    void ToolBar1_ButtonClick(const QString &key);
    void Tree1_NodeClick();
    void Tree1_Click();
    void Tree1_MouseUp(Qt::MouseButton button);
    void StatusBar1_MouseDown(Qt::MouseButton button);
    void StatusBar1_PanelDblClick(int panel);
    void lstRels_Click();
    void lstAttrs_Click();
    void mnuOpenEditor_Click();
    void mnuOpenNav_Click();
    void TogglePropertyPanels();
    void ShowLocalSlots();

    bool propertiesShown() const;

protected:
    void Form_Load() override;
    void nodeClicked() override;
    void selectionChanged() override;

private:
    void searchFromKeys();
    void buildPanels();
    void buildPopup();
    QWidget *m_panels;
};
