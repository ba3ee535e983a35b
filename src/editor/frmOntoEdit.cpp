#include "frmOntoEdit.h"

#include "ui/CommandBoundary.h"
#include "ui/Heading.h"

#include "app/frmAbout.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct ToolButton {
    int index;
    const char *key;
    const char *image;
    const char *toolTip;
    void (frmOntoEdit::*command)();
};

// The toolbar by place; the places missing here are separators.
const ToolButton toolButtons[] = {
    {1, "New", "new", "New ontology", &frmOntoEdit::mnuFileNew_Click},
    {2, "Open", "open", "Open ontology", &frmOntoEdit::mnuFileOPen_Click},
    {3, "Close", "close", "Close ontology", &frmOntoEdit::mnuFileClose_Click},
    {5, "Properties", "properties", "Ontology properties", &frmOntoEdit::mnuFileProperties_Click},
    {7, "FullTree", "tree", "Ontology hierarchy", &frmOntoEdit::mnuTreeFull_Click},
    {9, "NewCpt", "newcpt", "Add concept", &frmOntoEdit::mnuConceptAdd_Click},
    {10, "DeleteCpt", "delcpt", "Delete concept", &frmOntoEdit::mnuConceptDelete_Click},
    {12, "Note", "note-out", "Working note", &frmOntoEdit::mnuConceptNote_Click},
    {14, "tbeditor", "tbeditor", "Start Termbase Editor", &frmOntoEdit::mnuToolsTBEd_Click},
    {16, "Help", "help", "Help", &frmOntoEdit::mnuHelpTool_Click},
};
constexpr int toolButtonCount = 16;

const char *const images[] = {"new", "open", "close", "properties", "tree", "newcpt",
                              "delcpt", "note-out", "note-in", "tbeditor", "help"};

// Files dropped on the window reach Form_OLEDragDrop; anything else dropped is refused.
class DropTarget : public QObject {
public:
    explicit DropTarget(frmOntoEdit &form) : m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *e = static_cast<QDragMoveEvent *>(event);
            if (e->mimeData()->hasUrls())
                e->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *e = static_cast<QDropEvent *>(event);
            e->acceptProposedAction();
            m_form.Form_OLEDragDrop(*e->mimeData());
            return true;
        }
        default:
            return false;
        }
    }

private:
    frmOntoEdit &m_form;
};

QListWidget *list(const QString &toolTip, QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setToolTip(toolTip);
    return l;
}

// A pane that may hold tens of thousands of concepts: a list over rows, not an item each.
ui::DataList *dataList(const QString &toolTip, QWidget *parent)
{
    auto *l = new ui::DataList(parent);
    l->setToolTip(toolTip);
    return l;
}

QTreeWidget *listView(const QStringList &headers, const QString &toolTip, QWidget *parent)
{
    auto *v = new QTreeWidget(parent);
    v->setHeaderLabels(headers);
    v->setRootIsDecorated(false);
    v->setToolTip(toolTip);
    return v;
}

}  // namespace

frmOntoEdit::frmOntoEdit() : ui::Form(new QMainWindow)
{
    buildMenus();
    buildToolbar();
    buildPanes();
    buildPropertyCommands();
    wireConceptPanes();
    auto *drops = new DropTarget(*this);
    drops->setParent(window());
    window()->installEventFilter(drops);
    window()->setAcceptDrops(true);
}

frmOntoEdit::~frmOntoEdit() = default;

void frmOntoEdit::buildMenus()
{
    auto *w = static_cast<QMainWindow *>(window());
    QMenuBar *bar = w->menuBar();
    const auto item = [this](QMenu *menu, const QString &caption, void (frmOntoEdit::*handler)()) {
        return ui::addMenuItem(menu, caption, this, handler);
    };

    mnuFile = bar->addMenu(QStringLiteral("&Ontology"));
    mnuFileOPen = item(mnuFile, QStringLiteral("&Open"), &frmOntoEdit::mnuFileOPen_Click);
    mnuFileClose = item(mnuFile, QStringLiteral("&Close"), &frmOntoEdit::mnuFileClose_Click);
    mnuFileNew = item(mnuFile, QStringLiteral("&New"), &frmOntoEdit::mnuFileNew_Click);
    mnuFile->addSeparator();
    mnuFileImport = item(mnuFile, QStringLiteral("Import"), &frmOntoEdit::mnuFileImport_Click);
    mnuFileExport = item(mnuFile, QStringLiteral("Export"), &frmOntoEdit::mnuFileExport_Click);
    mnuFile->addSeparator();
    mnuFileProperties = item(mnuFile, QStringLiteral("P&roperties"), &frmOntoEdit::mnuFileProperties_Click);
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, QStringLiteral("&Exit"), &frmOntoEdit::mnuFileExit_Click);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEditCopy = item(mnuEdit, QStringLiteral("Copy"), &frmOntoEdit::mnuEditCopy_Click);
    mnuEditCut = item(mnuEdit, QStringLiteral("Cut"), nullptr);  // no command: the panes are read-only
    mnuEditPaste = item(mnuEdit, QStringLiteral("Paste"), nullptr);

    mnuConcept = bar->addMenu(QStringLiteral("&Concept"));
    mnuConceptAdd = item(mnuConcept, QStringLiteral("&Add"), &frmOntoEdit::mnuConceptAdd_Click);
    mnuConceptEdit = item(mnuConcept, QStringLiteral("Edit &Identifier"), &frmOntoEdit::mnuConceptEdit_Click);
    mnuConceptEditDef = item(mnuConcept, QStringLiteral("Edit &Definition"), &frmOntoEdit::mnuConceptEditDef_Click);
    mnuConceptDelete = item(mnuConcept, QStringLiteral("&Delete"), &frmOntoEdit::mnuConceptDelete_Click);
    mnuConcept->addSeparator();
    mnuConceptTree = item(mnuConcept, QStringLiteral("Find in &Tree"), &frmOntoEdit::dblConcepts_DblClick);
    mnuConceptNote = item(mnuConcept, QStringLiteral("Working &Note"), &frmOntoEdit::mnuConceptNote_Click);

    mnuTree = bar->addMenu(QStringLiteral("T&rees"));
    mnuTreeFull = item(mnuTree, QStringLiteral("&Full Tree"), &frmOntoEdit::mnuTreeFull_Click);
    mnuTree->addSeparator();
    mnuTreeObject = item(mnuTree, QStringLiteral("&Object"), &frmOntoEdit::mnuTreeObject_Click);
    mnuTreeEvent = item(mnuTree, QStringLiteral("&Event"), &frmOntoEdit::mnuTreeEvent_Click);
    mnuTreeRel = item(mnuTree, QStringLiteral("&Relation"), &frmOntoEdit::mnuTreeRel_Click);
    mnuTreeAttr = item(mnuTree, QStringLiteral("&Attribute"), &frmOntoEdit::mnuTreeAttr_Click);
    mnuTree->addSeparator();
    mnuTreeSelConcept = item(mnuTree, QStringLiteral("&Selected Concept"), &frmOntoEdit::mnuTreeSelConcept_Click);

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuToolsTBEd = item(mnuTools, QStringLiteral("&TermBase Editor"), &frmOntoEdit::mnuToolsTBEd_Click);
    mnuToolsOntoNav = item(mnuTools, QStringLiteral("Ontology &Navigator"), &frmOntoEdit::mnuToolsOntoNav_Click);
    mnuGenHTML = item(mnuTools, QStringLiteral("&Generate HTML Reports"), &frmOntoEdit::mnuGenHTML_Click);
    mnuTools->addSeparator();
    mnuToolsBatchNaming = item(mnuTools, QStringLiteral("&Batch Naming"), &frmOntoEdit::mnuToolsBatchNaming_Click);
    mnuToolsListNotes = item(mnuTools, QStringLiteral("&List Notes"), &frmOntoEdit::mnuToolsListNotes_Click);
    mnuTools->addSeparator();
    mnuToolsOptions = item(mnuTools, QStringLiteral("&Options"), &frmOntoEdit::mnuToolsOptions_Click);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelpTool = item(mnuHelp, QStringLiteral("&Help Tool"), &frmOntoEdit::mnuHelpTool_Click);
    mnuHelpAbout = item(mnuHelp, QStringLiteral("&About"), &frmOntoEdit::mnuHelpAbout_Click);

    const auto popup = [w](const QString &title) { return new QMenu(title, w); };
    mnuISA = popup(QStringLiteral("ISA"));
    mnuInstOf = popup(QStringLiteral("Instance of"));
    mnuRel = popup(QStringLiteral("Relations"));
    mnuGoTo = popup(QStringLiteral("Go to"));
    mnuAttr = popup(QStringLiteral("Attributes"));
    mnuDomain = popup(QStringLiteral("Domain"));
    mnuRange = popup(QStringLiteral("Range"));
    mnuInherit = popup(QStringLiteral("Inherit"));
    mnuName = popup(QStringLiteral("Name"));
}

void frmOntoEdit::buildToolbar()
{
    ToolBar1 = ui::Toolbar::addTo(static_cast<QMainWindow *>(window()),
                                  [this](const QString &key) { ToolBar1_ButtonClick(key); });
}

void frmOntoEdit::buildPanes()
{
    auto *w = static_cast<QMainWindow *>(window());
    auto *splitter = new QSplitter(Qt::Horizontal, w);

    // Left: the search box over the concept list.
    auto *left = new QWidget(splitter);
    frmSearch = new QFrame(left);
    frmSearch->setFrameShape(QFrame::StyledPanel);
    txtCptSearch = new QLineEdit(frmSearch);
    txtCptSearch->setToolTip(QStringLiteral("Type in search string"));
    auto *searchLayout = new QVBoxLayout(frmSearch);
    searchLayout->setContentsMargins(2, 2, 2, 2);
    searchLayout->addWidget(txtCptSearch);
    dblConcepts = new ui::DataList(left);
    dblConcepts->setToolTip(QStringLiteral("Right-click for options. Double-click to find in Tree"));
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(frmSearch);
    leftLayout->addWidget(dblConcepts, 1);

    // Right: the panes of the current concept.
    tbsEdit = new QTabWidget(splitter);

    auto *description = new QWidget;
    txtDef = new QPlainTextEdit(description);
    txtDef->setReadOnly(true);
    txtDef->setToolTip(QStringLiteral("Double-click to edit"));
    lstISA = list(QStringLiteral("Right-click for options. Double-click to go to selected concept"), description);
    lstSubclasses = dataList(QStringLiteral("Double-click to go to selected concept"), description);
    lvwNames = listView({QStringLiteral("Language"), QStringLiteral("Name")}, QStringLiteral("Right-click for options"),
                        description);
    auto *d = new QVBoxLayout(description);
    d->addWidget(heading(QStringLiteral("DEFINITION"), description));
    d->addWidget(txtDef, 2);
    d->addWidget(heading(QStringLiteral("IS-A"), description));
    d->addWidget(lstISA, 1);
    d->addWidget(heading(QStringLiteral("SUBCLASSES"), description));
    d->addWidget(lstSubclasses, 2);
    d->addWidget(lvwNames, 2);
    tbsEdit->addTab(description, QStringLiteral("Description"));

    auto *properties = new QWidget;
    lblRels = heading(QStringLiteral("LOCAL RELATIONS"), properties);
    lstRels = list(QStringLiteral("Right-click for options"), properties);
    lblAttrs = heading(QStringLiteral("LOCAL ATTRIBUTES"), properties);
    lstAttrs = list(QStringLiteral("Right-click for options"), properties);
    auto *p = new QVBoxLayout(properties);
    p->addWidget(lblRels);
    p->addWidget(lstRels, 1);
    p->addWidget(lblAttrs);
    p->addWidget(lstAttrs, 1);
    tbsEdit->addTab(properties, QStringLiteral("Properties"));

    auto *relatives = new QWidget;
    chkActiveAnc = new QCheckBox(QStringLiteral("Enabled"), relatives);
    lstAncestors = dataList(QStringLiteral("Double-click to go to selected concept"), relatives);
    chkActivDesc = new QCheckBox(QStringLiteral("Enabled"), relatives);
    lstDescendants = dataList(QStringLiteral("Double-click to go to selected concept"), relatives);
    auto *r = new QVBoxLayout(relatives);
    const auto titled = [relatives](const QString &title, QCheckBox *check) {
        auto *row = new QHBoxLayout;
        row->addWidget(heading(title, relatives));
        row->addStretch();
        row->addWidget(check);
        return row;
    };
    r->addLayout(titled(QStringLiteral("ANCESTORS"), chkActiveAnc));
    r->addWidget(lstAncestors, 1);
    r->addLayout(titled(QStringLiteral("DESCENDANTS"), chkActivDesc));
    r->addWidget(lstDescendants, 1);
    tbsEdit->addTab(relatives, QStringLiteral("Relatives"));

    auto *inheritance = new QWidget;
    fraInherit = new QGroupBox(QStringLiteral("Type"), inheritance);
    optOff = new QRadioButton(QStringLiteral("Off"), fraInherit);
    optOff->setToolTip(QStringLiteral("No Inheritance (Fast)"));
    optOff->setChecked(true);
    optCumulative = new QRadioButton(QStringLiteral("Cumulative"), fraInherit);
    optCumulative->setToolTip(QStringLiteral("True inheritance (Slow)"));
    optExclusive = new QRadioButton(QStringLiteral("Exclusive"), fraInherit);
    optExclusive->setToolTip(QStringLiteral("Examine mode (Slower)"));
    auto *types = new QVBoxLayout(fraInherit);
    types->addWidget(optOff);
    types->addWidget(optCumulative);
    types->addWidget(optExclusive);
    fralvwInclude = new QGroupBox(QStringLiteral("Include"), inheritance);
    fralvwInclude->setEnabled(false);  // while inheritance is off
    chkInhAttrs = new QCheckBox(QStringLiteral("Attributes"), fralvwInclude);
    chkInhAttrs->setChecked(true);
    chkInhRels = new QCheckBox(QStringLiteral("Relations"), fralvwInclude);
    chkInhRels->setChecked(true);
    auto *include = new QVBoxLayout(fralvwInclude);
    include->addWidget(chkInhAttrs);
    include->addWidget(chkInhRels);
    include->addStretch();
    lvwInherit = listView({QStringLiteral("Attribute"), QStringLiteral("Value"), QStringLiteral("From")},
                          QStringLiteral("Right-click for options"), inheritance);
    auto *choices = new QHBoxLayout;
    choices->addWidget(fraInherit);
    choices->addWidget(fralvwInclude);
    auto *i = new QVBoxLayout(inheritance);
    i->addLayout(choices);
    i->addWidget(lvwInherit, 1);
    tbsEdit->addTab(inheritance, QStringLiteral("Inheritance"));

    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    w->setCentralWidget(splitter);

    StatusBar1 = new ui::StatusBar(4, w);
    // Counts of large ontologies are shown whole, up to ten million concepts.
    StatusBar1->fitPanel(3, QStringLiteral("10000000 listed"));
    StatusBar1->fitPanel(4, QStringLiteral("10000000 total"));
    w->setStatusBar(StatusBar1);
}

void frmOntoEdit::Form_Load()
{
    window()->resize(ui::twipsToPixels(5775), ui::twipsToPixels(8985));

    for (const char *key : images)
        ToolBar1->addImage(QString::fromLatin1(key), QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(key))));
    const ToolButton *next = std::begin(toolButtons);
    for (int index = 1; index <= toolButtonCount; ++index) {
        if (next != std::end(toolButtons) && next->index == index) {
            ToolBar1->addButton(QString::fromLatin1(next->key), QString::fromLatin1(next->image),
                                QString::fromLatin1(next->toolTip));
            ++next;
        } else {
            ToolBar1->addSeparatorButton();
        }
    }

    // The name column takes what the language column leaves; the inherited pane's three
    // columns share the width equally.
    lvwNames->header()->resizeSection(0, ui::twipsToPixels(1100));
    lvwNames->header()->setStretchLastSection(true);
    lvwInherit->header()->setSectionResizeMode(QHeaderView::Stretch);

    DisableOntologyUI();
    BaseCaption = QStringLiteral("Ontology Editor");
    txtCptSearch->setText(QStringLiteral("Search..."));
    ShowConceptCounts();
}

void frmOntoEdit::ToolBar1_ButtonClick(const QString &key)
{
    for (const ToolButton &b : toolButtons)
        if (key == QLatin1String(b.key)) {
            (this->*b.command)();
            return;
        }
}

void frmOntoEdit::mnuHelpTool_Click() { ui::msgBox(QStringLiteral("Not yet!")); }

void frmOntoEdit::mnuHelpAbout_Click()
{
    const auto about = ui::loadedOrNew<frmAbout>();
    about->load();
    about->show();
}
