#include "frmPartTree.h"

#include "frmOntoNav.h"

#include "app/ConceptEditorLink.h"
#include "ontology/ConceptTree.h"
#include "ontology/Global.h"
#include "ontology/LocalSlots.h"
#include "ui/CommandBoundary.h"
#include "ui/Forms.h"
#include "ui/Heading.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString TooShort = QStringLiteral("Type at least three characters!");
constexpr int ShortestSearch = 3;

// Types whose panels list domains and ranges instead of relations and attributes.
bool isAttributeType(int type) { return type == 3 || type == 13; }
bool isRelationType(int type) { return type == 4 || type == 14; }

// The pattern of a search for the text: a prefix, unless the text ends in "*" already.
QString patternOf(const QString &text)
{
    return text.endsWith(QLatin1Char('*')) ? text : text + QLatin1Char('*');
}

class PartTreeEvents : public QObject {
public:
    explicit PartTreeEvents(frmPartTree &form) : QObject(form.window()), m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_form.cbxFind && event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                m_form.cbxFind_KeyPress(13);
                return true;
            }
            return false;
        }
        if (watched == m_form.StatusBar1) {
            if (event->type() == QEvent::MouseButtonPress)
                m_form.StatusBar1_MouseDown(static_cast<QMouseEvent *>(event)->button());
            else if (event->type() == QEvent::MouseButtonDblClick)
                m_form.StatusBar1_PanelDblClick(1);
        }
        return false;
    }

private:
    frmPartTree &m_form;
};

}  // namespace

frmPartTree::frmPartTree() : ConceptTreeWindow(2)
{
    QMainWindow *w = mainWindow();
    addFindBox();
    QStyle *style = w->style();
    ToolBar1->addImage(QStringLiteral("find"), style->standardIcon(QStyle::SP_FileDialogContentsView));
    ToolBar1->addImage(QStringLiteral("properties"), style->standardIcon(QStyle::SP_FileDialogDetailedView));
    ToolBar1->addButton(QStringLiteral("find"), QStringLiteral("find"), QStringLiteral("Find Concept"))
        ->setEnabled(false);
    ToolBar1->addButton(QStringLiteral("properties"), QStringLiteral("properties"), QStringLiteral("Concept Properties"))
        ->setCheckable(true);
    ToolBar1->onButtonClick([this](const QString &key) { ui::runCommand(window(), [&] { ToolBar1_ButtonClick(key); }); });
    StatusBar1->setPanelText(1, QStringLiteral("Selected Node"));
    StatusBar1->setPanelText(2, QStringLiteral("Ontology"));
    buildPanels();
    buildPopup();

    auto *events = new PartTreeEvents(*this);
    // The combo box, not its line edit, holds the focus and receives the keys.
    cbxFind->installEventFilter(events);
    ui::onPopupRequest(Tree1, ui::command(w, [this] { Tree1_MouseUp(Qt::RightButton); }));
    StatusBar1->installEventFilter(events);
    QObject::connect(cbxFind, &QComboBox::activated, w, ui::command(w, [this](int) { cbxFind_Click(); }));
    QObject::connect(lstRels, &QListWidget::itemClicked, w, ui::command(w, [this](auto &&...) { lstRels_Click(); }));
    QObject::connect(lstAttrs, &QListWidget::itemClicked, w, ui::command(w, [this](auto &&...) { lstAttrs_Click(); }));
    selectionChanged();
}

void frmPartTree::buildPanels()
{
    QMainWindow *w = mainWindow();
    auto *splitter = new QSplitter(Qt::Horizontal, w);
    splitter->addWidget(Tree1);
    m_panels = new QWidget(splitter);
    lblRels = heading(QStringLiteral("LOCAL RELATIONS"), m_panels);
    lstRels = new QListWidget(m_panels);
    lblAttrs = heading(QStringLiteral("LOCAL ATTRIBUTES"), m_panels);
    lstAttrs = new QListWidget(m_panels);
    auto *layout = new QVBoxLayout(m_panels);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblRels);
    layout->addWidget(lstRels, 1);
    layout->addWidget(lblAttrs);
    layout->addWidget(lstAttrs, 1);
    splitter->addWidget(m_panels);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    m_panels->setVisible(false);
    w->setCentralWidget(splitter);
}

void frmPartTree::buildPopup()
{
    mnuTree = new QMenu(QStringLiteral("TreeMenu"), window());
    mnuOpenEditor = ui::addMenuItem(mnuTree, QStringLiteral("Open concept in &Editor"), this,
                                    &frmPartTree::mnuOpenEditor_Click);
    mnuTree->addSeparator();
    mnuOpenNav = ui::addMenuItem(mnuTree, QStringLiteral("Open concept in &Navigator"), this,
                                 &frmPartTree::mnuOpenNav_Click);
}

std::shared_ptr<frmPartTree> frmPartTree::Launch(const QString &caption, const QString &topConcept)
{
    for (const auto &open : ui::forms().ofType<frmPartTree>())
        if (open->caption() == caption) {
            open->show();  // restores a minimized window and gives it the focus
            return open;
        }
    auto tree = std::make_shared<frmPartTree>();
    tree->load();
    tree->lblTopNode_Change(topConcept);
    tree->setCaption(caption);
    tree->show();
    return tree;
}

void frmPartTree::Form_Load()
{
    StatusBar1->setPanelText(2, OntologyInfo.Name);
    window()->resize(ui::twipsToPixels(5000), ui::twipsToPixels(6000));
    window()->setMinimumSize(ui::twipsToPixels(4500), ui::twipsToPixels(2500));
}

void frmPartTree::lblTopNode_Change(const QString &topConcept)
{
    // The top always shows an expander; expanding a top without children shows nothing.
    setTopConcept(topConcept, true);
    StatusBar1->setPanelText(1, topConcept);
    // The top is selected, so the commands on the selected node have one from the start.
    selectFromSearch(TreeModel->top());
}

void frmPartTree::lblFind_Change(const QString &conceptId)
{
    // A concept handed over counts as searched for, as a typed search does: its pattern
    // goes into the history whatever the outcome.
    AddFindHistory(patternOf(conceptId));
    FindExactConcept(conceptId);
}

void frmPartTree::SearchConcept()
{
    const QString pattern = patternOf(cbxFind->currentText());
    AddFindHistory(pattern);
    searchPattern(pattern);
}

void frmPartTree::searchFromKeys()
{
    if (cbxFind->currentText().size() < ShortestSearch) {
        ui::msgBox(TooShort, ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    SearchConcept();
}

int frmPartTree::cbxFind_KeyPress(int key)
{
    if (key == 13)
        ui::runCommand(window(), [this] { searchFromKeys(); });
    return key;
}

void frmPartTree::cbxFind_Click() { cbxFind_Change(); }

void frmPartTree::ToolBar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("find"))
        searchFromKeys();
    else if (key == QLatin1String("properties"))
        TogglePropertyPanels();
}

bool frmPartTree::propertiesShown() const { return ToolBar1->button(QStringLiteral("properties"))->isChecked(); }

void frmPartTree::nodeClicked()
{
    Tree1_NodeClick();
    Tree1_Click();
}

void frmPartTree::selectionChanged()
{
    const bool selected = selectedNode() != nullptr;
    mnuOpenEditor->setEnabled(selected);
    mnuOpenNav->setEnabled(selected);
    ToolBar1->button(QStringLiteral("properties"))->setEnabled(selected || propertiesShown());
}

void frmPartTree::Tree1_NodeClick()
{
    const Node *node = selectedNode();
    if (!node)
        return;
    SelectedConcept = node->text;
    if (!propertiesShown())
        return;
    const std::optional<int> type = FindConceptType(SelectedConcept);
    if (!type) {
        ui::errorBox(QStringLiteral("Fatal Error. Error code PT001. Please report"));
        return;
    }
    SelectedType = *type;
    if (m_panels->isVisible())
        ShowLocalSlots();
}

void frmPartTree::Tree1_Click() { StatusBar1->setPanelText(1, selectedText()); }

void frmPartTree::ShowLocalSlots()
{
    const bool slotConcept = isAttributeType(SelectedType) || isRelationType(SelectedType);
    lblRels->setText(slotConcept ? QStringLiteral("LOCAL DOMAINS") : QStringLiteral("LOCAL RELATIONS"));
    lblAttrs->setText(slotConcept ? QStringLiteral("LOCAL RANGES") : QStringLiteral("LOCAL ATTRIBUTES"));
    lstRels->clear();
    lstAttrs->clear();
    if (slotConcept) {
        for (const RelationRow &r : GetSlotRelationRows(SelectedConcept, DomainSlot))
            lstRels->addItem(SlotItemText(r.concept2, r.isDefault));
        if (isAttributeType(SelectedType))
            for (const AttributeRow &r : GetSlotAttributeRows(SelectedConcept, RangeSlot))
                lstAttrs->addItem(SlotItemText(r.value, r.isDefault));
        else
            for (const RelationRow &r : GetSlotRelationRows(SelectedConcept, RangeSlot))
                lstAttrs->addItem(SlotItemText(r.concept2, r.isDefault));
        return;
    }
    for (const RelationRow &r : GetRelationRows(SelectedConcept))
        lstRels->addItem(RelationItemText(r));
    for (const AttributeRow &r : GetAttributeRows(SelectedConcept))
        lstAttrs->addItem(AttributeItemText(r));
}

void frmPartTree::TogglePropertyPanels()
{
    const bool shown = propertiesShown();
    m_panels->setVisible(shown);
    // Room for the panels beside the tree.
    window()->setMinimumSize(shown ? QSize(ui::twipsToPixels(6000), ui::twipsToPixels(4000))
                                   : QSize(ui::twipsToPixels(4500), ui::twipsToPixels(2500)));
    if (shown)
        Tree1_NodeClick();
    selectionChanged();
}

void frmPartTree::lstRels_Click()
{
    if (QListWidgetItem *item = lstRels->currentItem(); item && !item->text().isEmpty())
        lstRels->setToolTip(item->text());
}

void frmPartTree::lstAttrs_Click()
{
    if (QListWidgetItem *item = lstAttrs->currentItem(); item && !item->text().isEmpty())
        lstAttrs->setToolTip(item->text());
}

void frmPartTree::Tree1_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        ui::popupMenu(*mnuTree);
}

void frmPartTree::StatusBar1_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        ui::popupMenu(*mnuTree);
}

namespace {

// The main window shows the concept and comes to the front, restored when minimized.
void showInEditor(const QString &conceptId)
{
    for (const auto &form : ui::forms().snapshot())
        if (auto *editor = dynamic_cast<ConceptEditorLink *>(form.get())) {
            editor->GoToConcept(conceptId);
            form->show();
            return;
        }
}

}  // namespace

void frmPartTree::StatusBar1_PanelDblClick(int)
{
    ui::runCommand(window(), [this] { showInEditor(StatusBar1->panelText(1)); });
}

void frmPartTree::mnuOpenEditor_Click()
{
    if (const Node *node = selectedNode())
        showInEditor(node->text);
}

void frmPartTree::mnuOpenNav_Click()
{
    const Node *node = selectedNode();
    if (!node)
        return;
    const QString conceptId = node->text;
    const auto navigator = ui::loadedOrNew<frmOntoNav>();
    navigator->show();
    navigator->lblGoTo_Change(conceptId);
}
