#include "frmOntoNav.h"

#include "HTMLStuff.h"
#include "OutputFolder.h"
#include "PageFileNames.h"

#include "ontology/Global.h"
#include "ui/App.h"
#include "ui/CommandBoundary.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/Settings.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"
#include "ui/TypedKeyFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStyle>

namespace {

constexpr int ShortestSearch = 3;
// The smallest window, and the least room the page keeps beside the tree.
constexpr int MinWidth = 6000, MinHeight = 3500, PageRoom = 1500, TreeRoom = 500;

struct Setting {
    const char *key;
    int defaultValue;
};
const Setting Geometry[] = {{"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};

// Copy in the find box acts when Ctrl and the key are let go, on the box's whole text;
// the box's own copy and cut keys would act on its selection.
class FindBoxKeys : public QObject {
public:
    explicit FindBoxKeys(frmOntoNav &form) : QObject(form.window()), m_form(form) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            auto *k = static_cast<QKeyEvent *>(event);
            m_form.cbxFind_KeyUp(k->key(), k->modifiers());
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *k = static_cast<QKeyEvent *>(event);
        const bool ctrl = k->modifiers() & Qt::ControlModifier;
        return (ctrl && (k->key() == Qt::Key_C || k->key() == Qt::Key_X)) || k->matches(QKeySequence::Cut) ||
               k->matches(QKeySequence::Copy);
    }

private:
    frmOntoNav &m_form;
};

}  // namespace

const QString frmOntoNav::SettingsSection = QStringLiteral("Settings");

frmOntoNav::frmOntoNav() : ConceptTreeWindow(2)
{
    QMainWindow *w = mainWindow();
    setCaption(QStringLiteral("Ontology Navigator"));
    Browser = new PageView(w);
    Browser->setBeforeNavigate([this](const PageView::Target &t) { return Browser_BeforeNavigate2(t); });
    Browser->setIdentifierResolver([](const QString &fileName) { return IdentifierForPageFile(OntologyDB, fileName); });
    imgSplitter = new QSplitter(Qt::Horizontal, w);
    imgSplitter->addWidget(Tree1);
    imgSplitter->addWidget(Browser);
    imgSplitter->setChildrenCollapsible(false);
    Tree1->setMinimumWidth(ui::twipsToPixels(TreeRoom));
    Browser->setMinimumWidth(ui::twipsToPixels(PageRoom));
    w->setCentralWidget(imgSplitter);
    buildMenus();
    buildToolbar();

    cbxFind->installEventFilter(new FindBoxKeys(*this));
    // Enter stops once it has searched: the combo box would take it as picking the history
    // entry the text matches, and search a second time.
    const auto keys = [this](int key) {
        const int passed = cbxFind_KeyPress(key);
        return key == 13 ? 0 : passed;
    };
    installTypedKeyFilter(cbxFind, keys, {EnterKey::ToHandler, [this](const QString &text) { cbxFind_Paste(text); }});
    QObject::connect(cbxFind, &QComboBox::activated, w, ui::command(w, [this](int) { cbxFind_Click(); }));
    selectionChanged();
}

void frmOntoNav::buildMenus()
{
    QMenuBar *bar = mainWindow()->menuBar();
    QWidget *w = window();
    const auto item = [w](QMenu *menu, const QString &caption, std::function<void()> handler) {
        QAction *a = ui::addMenuItem(menu, caption, w, handler);
        if (!handler)
            a->setEnabled(false);  // present, without an action
        return a;
    };
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFileRefresh = item(mnuFile, QStringLiteral("&Generate Again (refresh)"), [this] { mnuFileRefresh_Click(); });
    mnuFileSaveAs = item(mnuFile, QStringLiteral("&Save As..."), {});
    mnuFile->addSeparator();
    mnuFilePrint = item(mnuFile, QStringLiteral("&Print"), {});
    mnuFile->addSeparator();
    mnuFileExit = item(mnuFile, QStringLiteral("E&xit"), [this] { mnuFileExit_Click(); });

    mnuPublish = bar->addMenu(QStringLiteral("&Publish"));
    mnuPublishWhole = item(mnuPublish, QStringLiteral("&Publish whole ontology"), [this] { mnuPublishWhole_Click(); });
    mnuPublishSelect = item(mnuPublish, QStringLiteral("&Select Concepts..."), [this] { mnuPublishSelect_Click(); });

    mnuBrowser = bar->addMenu(QStringLiteral("&Browser"));
    mnuBrowserBack = item(mnuBrowser, QStringLiteral("&Back"), [this] { Browser->goBack(); });
    mnuBrowserForward = item(mnuBrowser, QStringLiteral("&Forward"), [this] { Browser->goForward(); });
    mnuBrowser->addSeparator();
    mnuOntoRefresh = item(mnuBrowser, QStringLiteral("&Refresh"), [this] { mnuOntoRefresh_Click(); });

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setEnabled(false);
}

void frmOntoNav::buildToolbar()
{
    addFindBox();
    QStyle *style = window()->style();
    ToolBar1->addImage(QStringLiteral("find"), style->standardIcon(QStyle::SP_FileDialogContentsView));
    ToolBar1->addImage(QStringLiteral("back"), style->standardIcon(QStyle::SP_ArrowBack));
    ToolBar1->addImage(QStringLiteral("refresh"), style->standardIcon(QStyle::SP_BrowserReload));
    ToolBar1->addImage(QStringLiteral("forward"), style->standardIcon(QStyle::SP_ArrowForward));
    ToolBar1->addButton(QStringLiteral("find"), QStringLiteral("find"), QStringLiteral("Find Concept"))->setEnabled(false);
    ToolBar1->addButton(QStringLiteral("back"), QStringLiteral("back"), QStringLiteral("Back"));
    ToolBar1->addButton(QStringLiteral("refresh"), QStringLiteral("refresh"), QStringLiteral("Generate Again"));
    ToolBar1->addButton(QStringLiteral("forward"), QStringLiteral("forward"), QStringLiteral("Forward"));
    ToolBar1->onButtonClick([this](const QString &key) { ui::runCommand(window(), [&] { ToolBar1_ButtonClick(key); }); });
}


void frmOntoNav::Form_Load()
{
    QWidget *w = window();
    int g[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        g[i] = ui::GetSetting(ui::appTitle(), SettingsSection, QString::fromLatin1(Geometry[i].key),
                              QString::number(Geometry[i].defaultValue))
                   .toInt(&ok);
        if (!ok)
            g[i] = Geometry[i].defaultValue;
    }
    w->setMinimumSize(ui::twipsToPixels(MinWidth), ui::twipsToPixels(MinHeight));
    w->move(ui::twipsToPixels(g[0]), ui::twipsToPixels(g[1]));
    w->resize(ui::twipsToPixels(g[2]), ui::twipsToPixels(g[3]));
    SizeControls(g[2] / 3);

    const bool hasChildren = !IsLeafConcept(RootConcept);
    setTopConcept(RootConcept, hasChildren);
    RootNode = TreeModel->top();
    // The root is selected, so the commands on the selected concept have one from the start.
    selectFromSearch(RootNode);
    if (!hasChildren)
        ui::msgBox(QStringLiteral("The Ontology is empty"));
    CountOntologyConcepts();
    setCaption(caption() + QStringLiteral(" - ") + OntologyInfo.Name);
    StatusBar1->setPanelText(2, QString::number(ConceptCount) + QStringLiteral(" Concepts"));
    try {
        ShowConceptPage(RootConcept);
    } catch (const db::DbError &e) {
        // A Name that names no folder (from an older file, say) leaves the window without
        // pages; it opens all the same, and each command that writes pages says why.
        ui::msgBox(e.description());
    }
}

void frmOntoNav::Form_Unload(bool &)
{
    // The ontology may be closing: a page still being written reads no more of it.
    dropPageWrite();
    QWidget *w = window();
    // A minimized window keeps the geometry it had when it was last closed open.
    if (w->isMinimized())
        return;
    const int values[] = {w->x(), w->y(), w->width(), w->height()};
    for (int i = 0; i < 4; ++i)
        ui::SaveSetting(ui::appTitle(), SettingsSection, QString::fromLatin1(Geometry[i].key),
                        QString::number(ui::pixelsToTwips(values[i])));
}

void frmOntoNav::SizeControls(int x)
{
    const int width = ui::pixelsToTwips(window()->width());
    x = std::clamp(x, TreeRoom, std::max(TreeRoom, width - PageRoom));
    const int tree = ui::twipsToPixels(x);
    imgSplitter->setSizes({tree, std::max(1, window()->width() - tree)});
}

void frmOntoNav::CountOntologyConcepts() { ConceptCount = CountAllConcepts(); }

void frmOntoNav::ShowConceptPage(const QString &conceptId)
{
    // The ontology's Name, and with it the publish folder, may have changed since the last
    // page. Without a folder nothing is shown, so nothing is written elsewhere.
    Browser->setPageFolder({});
    Browser->setPageFolder(OntologyPublishFolder());
    Browser->showIdentifier(conceptId);
}

bool frmOntoNav::Browser_BeforeNavigate2(const PageView::Target &target)
{
    // Whatever is shown next, a page still being written is no longer wanted.
    dropPageWrite();
    // The view hands over only the pages of the publish folder; of those, only a concept's
    // page is written, and only when it is missing. Pages already there are shown as they
    // are, however old.
    if (QFileInfo::exists(target.path))
        return true;
    if (target.identifier.isEmpty() || !ConceptExists(target.identifier)) {
        ui::msgBox(QStringLiteral("There is no page ") + QDir::toNativeSeparators(target.path) +
                       QStringLiteral(", and it is not the page of a concept."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    // The folder goes missing when the ontology's Name changes while it is open.
    const QString folder = QFileInfo(target.path).absolutePath();
    QDir().mkpath(folder);
    return writePage(target.identifier, folder, [this, target] { Browser->showPage(target.path, target.anchor); });
}

bool frmOntoNav::writePage(const QString &conceptId, const QString &folder, std::function<void()> show)
{
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    const bool written = PageWriter.write(conceptId, folder, [this, show](std::exception_ptr failed) {
        // The view takes the hourglass over until the page's first screen is painted.
        WriteHourglass.reset();
        ui::runCommand(window(), [&] {
            if (failed)
                std::rethrow_exception(failed);
            show();
        });
    });
    if (!written)
        WriteHourglass.emplace(ui::MousePointer::Hourglass);
    return written;
}

void frmOntoNav::dropPageWrite()
{
    PageWriter.drop();
    WriteHourglass.reset();
}

void frmOntoNav::RegenerateConceptPage()
{
    const Node *node = selectedNode();
    if (!node)
        return;
    dropPageWrite();
    const QString conceptId = node->text;
    QDir().mkpath(OntologyPublishFolder());
    if (writePage(conceptId, OntologyPublishFolder(), [this, conceptId] { ShowConceptPage(conceptId); }))
        ShowConceptPage(conceptId);
}

void frmOntoNav::Tree1_NodeClick()
{
    if (const Node *node = selectedNode())
        ShowConceptPage(node->text);
}

void frmOntoNav::nodeClicked() { Tree1_NodeClick(); }

void frmOntoNav::selectionChanged()
{
    const bool selected = selectedNode() != nullptr;
    mnuFileRefresh->setEnabled(selected);
    mnuOntoRefresh->setEnabled(selected);
    if (QAction *refresh = ToolBar1->button(QStringLiteral("refresh")))
        refresh->setEnabled(selected);
}

void frmOntoNav::ToolBar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("back"))
        Browser->goBack();
    else if (key == QLatin1String("forward"))
        Browser->goForward();
    else if (key == QLatin1String("refresh"))
        RegenerateConceptPage();
    else if (key == QLatin1String("find"))
        SearchConcept();
}

void frmOntoNav::lblGoTo_Change(const QString &conceptId)
{
    if (conceptId.isEmpty())
        return;
    ui::runCommand(window(), [&] {
        // A concept handed over counts as searched for: it is in the history as typed.
        if (FindExactConcept(conceptId, [&] { AddFindHistory(conceptId); }))
            Tree1_NodeClick();
    });
}

void frmOntoNav::SearchConcept()
{
    const QString text = cbxFind->currentText();
    if (text.size() < ShortestSearch) {
        ui::msgBox(QStringLiteral("You must include at least three characters for your search"), ui::Buttons::Ok,
                   ui::Icon::Exclamation);
        return;
    }
    searchPattern(text + QLatin1Char('*'), [this, text] { AddFindHistory(text); });
}

int frmOntoNav::cbxFind_KeyPress(int key)
{
    if (key == 13) {
        ui::runCommand(window(), [this] { SearchConcept(); });
        return key;
    }
    // Typed searches follow the strict identifier rule whatever the naming option.
    return NormalizeConceptKey(key);
}

void frmOntoNav::cbxFind_KeyUp(int key, Qt::KeyboardModifiers shift)
{
    if ((shift & Qt::ControlModifier) && key == Qt::Key_C && !cbxFind->currentText().isEmpty())
        QApplication::clipboard()->setText(cbxFind->currentText());
}

void frmOntoNav::cbxFind_Paste(const QString &text)
{
    // Pasted text follows the strict identifier rule too, appended one character at a time.
    for (const QChar c : pastedKeys(text, NormalizeConceptKey))
        cbxFind->setEditText(cbxFind->currentText() + c);
}

void frmOntoNav::cbxFind_Click() { SearchConcept(); }
