#include "ui/CommandBoundary.h"
#include "ui/Heading.h"
#include "frmDCHelp.h"
#include "frmFind.h"
#include "frmTBEDitor.h"

#include "ElementPictures.h"

#include "ontology/Global.h"
#include "termbase/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/DataList.h"
#include "ui/PopupMenu.h"
#include "ui/MsgBox.h"
#include "ui/Forms.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QStyle>
#include "publish/PageView.h"
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Enter and Space on a category chosen with the arrow keys act on it as a click does.
class CategoryKeys : public QObject {
public:
    CategoryKeys(QTreeWidget *categories, std::function<void(QTreeWidgetItem *)> choose)
        : QObject(categories), m_categories(categories), m_choose(std::move(choose))
    {
        categories->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        if (QTreeWidgetItem *current = m_categories->currentItem())
            m_choose(current);
        return true;
    }

private:
    QTreeWidget *m_categories;
    std::function<void(QTreeWidgetItem *)> m_choose;
};

struct ToolButton {
    int index;
    const char *key;
    const char *toolTip;
};

// The toolbar by place; the places missing here are separators. Each button shows the
// image of its own key.
const ToolButton toolButtons[] = {
    {1, "new", "New TermBase"},        {2, "open", "Open TermBase"},      {3, "close", "Close TermBase"},
    {5, "find", "Find Concept"},       {6, "properties", "TermBase Properties"},
    {8, "concept", "Add Concept"},     {9, "term", "Add Term"},           {11, "delete", "Delete"},
    {13, "editor", "Edit Mode"},       {14, "browser", "Browse Mode"},    {16, "back", "Back"},
    {17, "refresh", "Refresh"},        {18, "forward", "Forward"},        {20, "help", "Help"},
};
constexpr int toolButtonCount = 20;
constexpr int editorButton = 13;
constexpr int browserButton = 14;
constexpr int firstPageButton = 16;  // back, refresh, forward: only while pages are shown
constexpr int lastPageButton = 18;
// Every button from here on to lastStateButton needs an open termbase; "new", "open" and
// "help" work without one.
constexpr int firstStateButton = 3;
constexpr int lastStateButton = 19;

// The toolbar's pictures: the program's drawings where it has one for the command, the
// style's standard pictures for the rest.
void addToolbarImages(ui::Toolbar &toolbar)
{
    struct Drawn {
        const char *key;
        const char *file;
    } drawn[] = {{"new", "new"},         {"open", "open"},       {"close", "close"},
                 {"properties", "properties"}, {"concept", "newcpt"}, {"delete", "delcpt"},
                 {"help", "help"}};
    for (const Drawn &d : drawn)
        toolbar.addImage(QString::fromLatin1(d.key), QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(d.file))));
    struct Standard {
        const char *key;
        QStyle::StandardPixmap pixmap;
    } standard[] = {{"find", QStyle::SP_FileDialogContentsView},
                    {"term", QStyle::SP_FileIcon},
                    {"editor", QStyle::SP_FileDialogDetailedView},
                    {"browser", QStyle::SP_FileDialogInfoView},
                    {"back", QStyle::SP_ArrowBack},
                    {"refresh", QStyle::SP_BrowserReload},
                    {"forward", QStyle::SP_ArrowForward},
                    {"print", QStyle::SP_DialogSaveButton}};
    for (const Standard &s : standard)
        toolbar.addImage(QString::fromLatin1(s.key), QApplication::style()->standardIcon(s.pixmap));
}

QTreeWidget *tree(QWidget *parent)
{
    auto *t = new QTreeWidget(parent);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    return t;
}

}  // namespace

frmTBEDitor::frmTBEDitor() : ui::Form(new QMainWindow)
{
    buildMenus();
    buildToolbar();
    buildPanes();
    addElementPictures(imlIconsTree1);
    lblOntoComm.onChange(ui::command(window(), [this] { lblOntoComm_Change(); }));
}

frmTBEDitor::~frmTBEDitor() = default;

void frmTBEDitor::buildMenus()
{
    auto *w = static_cast<QMainWindow *>(window());
    QMenuBar *bar = w->menuBar();
    const auto item = [this](QMenu *menu, const QString &caption, void (frmTBEDitor::*handler)()) {
        return ui::addMenuItem(menu, caption, this, handler);
    };

    mnuFile = bar->addMenu(QStringLiteral("Term&Base"));
    mnuFileOPen = item(mnuFile, QStringLiteral("&Open"), &frmTBEDitor::mnuFileOPen_Click);
    mnuFileClose = item(mnuFile, QStringLiteral("&Close"), &frmTBEDitor::mnuFileClose_Click);
    mnuFile->addSeparator();
    mnuFileNew = item(mnuFile, QStringLiteral("&New"), &frmTBEDitor::mnuFileNew_Click);
    mnuFile->addSeparator();
    mnuFilePrint = item(mnuFile, QStringLiteral("&Print..."), &frmTBEDitor::mnuFilePrint_Click);
    mnuFile->addSeparator();
    mnuFileProperties = item(mnuFile, QStringLiteral("P&roperties"), &frmTBEDitor::mnuFileProperties_Click);
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, QStringLiteral("E&xit"), &frmTBEDitor::mnuFileExit_Click);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEditFind = item(mnuEdit, QStringLiteral("&Find"), &frmTBEDitor::mnuEditFind_Click);
    mnuEdit->addSeparator();
    mnuEditEditor = item(mnuEdit, QStringLiteral("&Edit Mode"), &frmTBEDitor::mnuEditEditor_Click);
    mnuEditBrowser = item(mnuEdit, QStringLiteral("&Browse Mode"), &frmTBEDitor::mnuEditBrowser_Click);
    mnuEditEditor->setCheckable(true);
    mnuEditBrowser->setCheckable(true);

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuToolsGenHTML = item(mnuTools, QStringLiteral("Generate HTML Reports"), &frmTBEDitor::mnuToolsGenHTML_Click);
    mnuTools->addSeparator();
    mnuToolsOptions = item(mnuTools, QStringLiteral("&Options"), &frmTBEDitor::mnuToolsOptions_Click);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));

    mnuElem = new QMenu(QStringLiteral("Elem"), w);
    mnuElemGoTo = item(mnuElem, QStringLiteral("Go to x-ref'ed element"), &frmTBEDitor::mnuElemGoTo_Click);
    mnuElemModify = item(mnuElem, QStringLiteral("Modify"), &frmTBEDitor::mnuElemModify_Click);
    mnuElem->addSeparator();
    mnuElemDelete = item(mnuElem, QStringLiteral("Delete"), &frmTBEDitor::mnuElemDelete_Click);
    mnuHelpDC = new QMenu(QStringLiteral("Help"), w);
    mnuHelpDCShow = item(mnuHelpDC, QStringLiteral("Help on this"), &frmTBEDitor::mnuHelpDCShow_Click);
}

void frmTBEDitor::buildToolbar()
{
    ToolBar1 = ui::Toolbar::addTo(static_cast<QMainWindow *>(window()),
                                  [this](const QString &key) { ToolBar1_ButtonClick(key); });
}

void frmTBEDitor::buildPanes()
{
    auto *w = static_cast<QMainWindow *>(window());
    auto *splitter = new QSplitter(Qt::Horizontal, w);

    // Left: the elements over the value editor.
    auto *left = new QWidget(splitter);
    lblTree1 = heading(QStringLiteral("ELEMENTS"), left);
    Tree1 = new ElementTreeView(left);
    Tree1Nodes = new ElementTreeModel(imlIconsTree1, Tree1);
    Tree1->setModel(Tree1Nodes);
    QObject::connect(Tree1->selectionModel(), &QItemSelectionModel::currentChanged, w, [this] { UpdateRefreshButton(); });
    buildValueEditor(left);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(lblTree1);
    leftLayout->addWidget(Tree1, 1);
    leftLayout->addWidget(fraEdit);

    // Right: the data categories, or the browser, with the progress of long work below.
    auto *right = new QWidget(splitter);
    lblTree2 = heading(QStringLiteral("DATA CATEGORIES"), right);
    Tree2 = tree(right);
    ListView1 = tree(right);
    ListView1->setRootIsDecorated(false);
    picBrowser = new QFrame(right);
    picBrowser->setFrameShape(QFrame::StyledPanel);
    Browser = new PageView(picBrowser);
    auto *browserLayout = new QVBoxLayout(picBrowser);
    browserLayout->setContentsMargins(1, 1, 1, 1);
    browserLayout->addWidget(Browser);
    ProgressBar1 = new QProgressBar(right);
    ProgressBar1->hide();
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(lblTree2);
    rightLayout->addWidget(Tree2, 1);
    rightLayout->addWidget(ListView1, 1);
    rightLayout->addWidget(picBrowser, 1);
    rightLayout->addWidget(ProgressBar1);

    splitter->setChildrenCollapsible(false);
    splitter->setSizes({ui::twipsToPixels(4200), ui::twipsToPixels(5400)});
    w->setCentralWidget(splitter);
    Tree1->onNodeClick = [this](const QModelIndex &node) {
        ui::runCommand(window(), [&] { Tree1_NodeClick(node); });
    };
    // Over no node the press moved nothing: like a left click there, it leaves the current
    // element and an open value editor, with what was typed into it, alone. Over a node it
    // made the node the current element, as a click makes it, before any pop-up acts on
    // it; during the pick of a cross-reference's target that is the pick, and no pop-up
    // follows. The keys ask at the current node.
    const auto mouseUp = [this](Qt::MouseButton button, const QModelIndex &pointed) {
        if (!pointed.isValid())
            return;
        ui::runCommand(window(), [&] {
            const bool picking = XRefMode;
            Tree1_NodeClick(selectedNode());
            if (!picking)
                Tree1_MouseUp(button);
        });
    };
    Tree1->onMouseUp = mouseUp;
    ui::onPopupRequest(Tree1, [mouseUp](const QModelIndex &at) { mouseUp(Qt::RightButton, at); });
    Tree1->beforeLabelEdit = [this](const QModelIndex &) {
        bool cancel = false;
        Tree1_BeforeLabelEdit(cancel);
        return !cancel;
    };
    Tree1Nodes->onLabelEdited = [this](const QModelIndex &, const QString &text) {
        ui::runCommand(window(), [&] {
            bool cancel = false;
            Tree1_AfterLabelEdit(cancel, text);
        });
    };
    QObject::connect(Tree1, &QTreeView::expanded, w, ui::command(w, [this](const QModelIndex &node) { Tree1_Expand(node); }));
    QObject::connect(Tree1, &QTreeView::collapsed, w, ui::command(w, [this](const QModelIndex &node) { Tree1_Collapse(node); }));
    QObject::connect(Tree2, &QTreeWidget::itemClicked, w, ui::command(w, [this](QTreeWidgetItem *node, int) { Tree2_NodeClick(node); }));
    QObject::connect(ListView1, &QTreeWidget::itemClicked, w,
                     ui::command(w, [this](QTreeWidgetItem *item, int) { ListView1_ItemClick(item); }));
    new CategoryKeys(Tree2, ui::command(w, [this](QTreeWidgetItem *node) { Tree2_NodeClick(node); }));
    new CategoryKeys(ListView1, ui::command(w, [this](QTreeWidgetItem *item) { ListView1_ItemClick(item); }));
    for (QTreeWidget *categories : {Tree2, ListView1})
        ui::onPopupRequest(categories, ui::command(w, [this] { Tree2_MouseUp(Qt::RightButton); }));

    StatusBar1 = new ui::StatusBar(3, w);
    // Counts of large termbases are shown whole, up to ten million entries.
    StatusBar1->fitPanel(2, QStringLiteral("10000000 Term Entries"));
    StatusBar1->fitPanel(3, QStringLiteral("10000000 Terms"));
    StatusBar1->setPanelText(1, QStringLiteral("Associated Ontology"));
    w->setStatusBar(StatusBar1);

    // Smaller than this the trees cannot show a useful line.
    w->setMinimumSize(ui::twipsToPixels(7000), ui::twipsToPixels(5000));
    w->resize(ui::twipsToPixels(9600), ui::twipsToPixels(7200));
    HideValueControls();
}

void frmTBEDitor::Form_Load()
{
    addToolbarImages(*ToolBar1);
    const ToolButton *next = std::begin(toolButtons);
    for (int index = 1; index <= toolButtonCount; ++index) {
        if (next != std::end(toolButtons) && next->index == index) {
            const QString key = QString::fromLatin1(next->key);
            ToolBar1->addButton(key, key, QString::fromLatin1(next->toolTip));
            ++next;
        } else {
            ToolBar1->addSeparatorButton();
        }
    }
    // Edit and browse mode are one pressed button of two.
    auto *modes = new QActionGroup(ToolBar1);
    for (int index : {editorButton, browserButton}) {
        ToolBar1->button(index)->setCheckable(true);
        modes->addAction(ToolBar1->button(index));
    }

    SetNoTermbaseState();
    SetEditMode();
    BaseCaption = QStringLiteral("TermBase Editor");
    setCaption(BaseCaption);
    UpdateStatusCounts();
}

void frmTBEDitor::Form_Unload(bool &)
{
    if (!TermbasePath.isEmpty())
        CloseTermbase();
    // The find window searches this window's tree and the help explains its categories:
    // they go with it.
    if (const std::shared_ptr<frmFind> find = ui::forms().first<frmFind>())
        find->unload();
    if (const std::shared_ptr<frmDCHelp> help = ui::forms().first<frmDCHelp>())
        help->unload();
}

void frmTBEDitor::ToolBar1_ButtonClick(const QString &key)
{
    // "concept" and "term" offer the category of a new term entry or term, when the
    // selected element may take one.
    const auto pickCategory = [this](const QString &categoryKey) {
        QTreeWidgetItem *node = findNode(*Tree2, categoryKey);
        if (node && nodeImage(node) == QLatin1String("active"))
            Tree2_NodeClick(node);
    };
    const struct {
        const char *key;
        std::function<void()> command;
    } commands[] = {
        {"new", [this] { mnuFileNew_Click(); }},
        {"open", [this] { mnuFileOPen_Click(); }},
        {"close", [this] { mnuFileClose_Click(); }},
        {"properties", [this] { mnuFileProperties_Click(); }},
        {"find", [this] { ShowFindDialog(); }},
        {"print", [this] { mnuFilePrint_Click(); }},
        {"delete", [this] { mnuElemDelete_Click(); }},
        {"editor", [this] { SetEditMode(); }},
        {"browser", [this] { SetBrowseMode(); }},
        {"refresh", [this] { ShowEntryPage(); }},
        {"back", [this] { Browser->backward(); }},
        {"forward", [this] { Browser->forward(); }},
        {"help", [this] { ShowDataCategoryHelp(QStringLiteral("1")); }},
        {"concept", [pickCategory] { pickCategory(QStringLiteral("n0.3")); }},
        {"term", [pickCategory] { pickCategory(QStringLiteral("n1")); }},
    };
    for (const auto &c : commands)
        if (key == QLatin1String(c.key)) {
            c.command();
            return;
        }
}

void frmTBEDitor::setTermbaseCommandsEnabled(bool enabled)
{
    for (int i = firstStateButton; i <= lastStateButton; ++i)
        if (QAction *b = ToolBar1->button(i))
            b->setEnabled(enabled && (i < firstPageButton || i > lastPageButton || inBrowseMode()));
    Tree1->setEnabled(enabled);
    Tree2->setEnabled(enabled);
    ListView1->setEnabled(enabled);
    for (QAction *item : {mnuFileClose, mnuFileProperties, mnuFilePrint})
        item->setEnabled(enabled);
    for (QMenu *menu : {mnuEdit, mnuTools})
        menu->menuAction()->setVisible(enabled);
    UpdateRefreshButton();
}

void frmTBEDitor::SetNoTermbaseState() { setTermbaseCommandsEnabled(false); }
void frmTBEDitor::SetTermbaseOpenState() { setTermbaseCommandsEnabled(true); }

bool frmTBEDitor::inBrowseMode() const { return mnuEditBrowser->isChecked(); }

void frmTBEDitor::showCatalogue()
{
    const bool asList = TermbaseInfo.DCList == QLatin1String("list");
    Tree2->setVisible(!asList);
    ListView1->setVisible(asList);
}

void frmTBEDitor::SetEditMode() { setMode(false); }
void frmTBEDitor::SetBrowseMode() { setMode(true); }

void frmTBEDitor::setMode(bool browse)
{
    lblTree2->setText(browse ? QStringLiteral("TERMBASE BROWSER") : QStringLiteral("DATA CATEGORIES"));
    if (browse) {
        Tree2->hide();
        ListView1->hide();
    } else {
        showCatalogue();
    }
    picBrowser->setVisible(browse);
    mnuEditBrowser->setChecked(browse);
    mnuEditEditor->setChecked(!browse);
    if (QAction *b = ToolBar1->button(browse ? browserButton : editorButton))
        b->setChecked(true);
    for (int i = firstPageButton; i <= lastPageButton; ++i)
        if (QAction *b = ToolBar1->button(i))
            b->setEnabled(browse);
    UpdateRefreshButton();
    // The right-hand side shows what the selected element is in the new mode.
    CurrentElemID = 0;
    if (!browse)
        CurrentCategory = QStringLiteral("0");
    Tree1_NodeClick(selectedNode());
}

void frmTBEDitor::mnuEditFind_Click() { ShowFindDialog(); }
void frmTBEDitor::mnuEditEditor_Click() { SetEditMode(); }
void frmTBEDitor::mnuEditBrowser_Click() { SetBrowseMode(); }

void frmTBEDitor::mnuFilePrint_Click() { ui::msgBox(QStringLiteral("Not yet!"), ui::Buttons::Ok, ui::Icon::Exclamation); }

void frmTBEDitor::UpdateStatusCounts()
{
    StatusBar1->setPanelText(1, OntologyInfo.Name);
    StatusBar1->setPanelText(2, QString::number(EntryCount) + QStringLiteral(" Term Entries"));
    StatusBar1->setPanelText(3, QString::number(TermCount) + QStringLiteral(" Terms"));
}
