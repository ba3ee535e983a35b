#include "ConceptTreeWindow.h"

#include "ontology/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/FindHistory.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include "db/Text.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QSignalBlocker>
#include <algorithm>

namespace {
const QString NotFound = QStringLiteral("String not found");
const QString NotInTree = QStringLiteral("The concepts found are not part of this tree");
}  // namespace

ConceptTreeWindow::ConceptTreeWindow(int statusPanels) : ui::Form(new QMainWindow)
{
    QMainWindow *w = mainWindow();
    ToolBar1 = ui::Toolbar::addTo(w, {});
    TreeModel = new ConceptTreeModel(w);
    Tree1 = new ConceptTreeView(w);
    Tree1->setModel(TreeModel);
    StatusBar1 = new ui::StatusBar(statusPanels, w);
    w->setStatusBar(StatusBar1);
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setVisible(false);
    StatusBar1->addPermanentWidget(ProgressBar1);
    cbxFind = new QComboBox(w);
    cbxFind->setEditable(true);
    cbxFind->setInsertPolicy(QComboBox::NoInsert);
    cbxFind->setMaxCount(HistorySize);
    connectTree();
}

QMainWindow *ConceptTreeWindow::mainWindow() const { return static_cast<QMainWindow *>(window()); }

void ConceptTreeWindow::addFindBox()
{
    cbxFind->setFixedWidth(ui::twipsToPixels(3000));
    ToolBar1->addWidget(cbxFind);
}

void ConceptTreeWindow::connectTree()
{
    QWidget *w = window();
    QObject::connect(Tree1, &QTreeView::expanded, w, ui::command(w, [this](const QModelIndex &i) { Tree1_Expand(i); }));
    QObject::connect(Tree1, &QTreeView::collapsed, w,
                     ui::command(w, [this](const QModelIndex &i) { Tree1_Collapse(i); }));
    QObject::connect(Tree1, &QTreeView::clicked, w, ui::command(w, [this](const QModelIndex &) { nodeClicked(); }));
    QObject::connect(Tree1->selectionModel(), &QItemSelectionModel::currentChanged, w,
                     ui::command(w, [this](const QModelIndex &current, const QModelIndex &) {
                         selectionChanged();
                         // A node the keys moved to counts as clicked; a press of the mouse
                         // is a click once the button is let go.
                         if (!m_selectingFromSearch && current.isValid() &&
                             QApplication::mouseButtons() == Qt::NoButton)
                             nodeClicked();
                     }));
    QObject::connect(cbxFind, &QComboBox::editTextChanged, w, ui::command(w, [this](auto &&...) { cbxFind_Change(); }));
}

void ConceptTreeWindow::setTopConcept(const QString &conceptId, bool mayHaveChildren)
{
    TreeModel->setTop(conceptId, mayHaveChildren);
    ConceptsRevealed = false;
}

void ConceptTreeWindow::Tree1_Expand(const QModelIndex &index) { AddChildNodes(TreeModel->nodeOf(index)); }

void ConceptTreeWindow::AddChildNodes(Node *node) { TreeModel->fetchChildren(node); }

void ConceptTreeWindow::Tree1_Collapse(const QModelIndex &index)
{
    TreeModel->dropChildren(TreeModel->nodeOf(index));
    // What the search revealed is gone with the nodes: the next search looks up anew.
    cbxFind->setEditText(QString());
}

void ConceptTreeWindow::openNode(Node *node)
{
    TreeModel->fetchChildren(node);
    const QModelIndex index = TreeModel->indexOf(node);
    if (!node->children.empty() && !Tree1->isExpanded(index))
        Tree1->expand(index);
}

void ConceptTreeWindow::RevealConcept(const QString &conceptId) { revealAll({conceptId}); }

void ConceptTreeWindow::revealAll(const QStringList &concepts)
{
    // A lattice of many diamonds has more nodes along its paths than anyone could read.
    constexpr size_t MostOpened = 200000;
    Node *top = TreeModel->top();
    if (!top)
        return;
    // The file does not change while the window looks it up: one read transaction locks
    // and checks it once.
    db::Transaction read(OntologyDB);
    const QHash<QString, QStringList> ways = IsaWaysDown(top->text, concepts);
    if (ways.isEmpty())
        return;
    Tree1->deferLayout();
    // A node whose concept is already on its way up is a cycle in the links: not opened.
    const auto onItsOwnWay = [](const Node *node) {
        for (const Node *up = node->parent; up; up = up->parent)
            if (db::sameText(up->text, node->text))
                return true;
        return false;
    };
    // Top down, each node on the way opened once, its children in order.
    std::vector<Node *> stack{top};
    size_t opened = 0;
    while (!stack.empty() && opened < MostOpened) {
        Node *node = stack.back();
        stack.pop_back();
        const auto way = ways.constFind(ConceptKey(node->text));
        if (way == ways.cend())
            continue;
        openNode(node);
        ++opened;
        for (auto c = way->crbegin(); c != way->crend(); ++c)
            if (Node *child = TreeModel->findChild(node, *c); child && !onItsOwnWay(child))
                stack.push_back(child);
    }
    read.commit();
}

ConceptTreeWindow::Node *ConceptTreeWindow::nextMatch(const QString &key,
                                                        const std::function<bool(const Node &)> &matches)
{
    if (key != m_matchKey || TreeModel->generation() != m_matchGeneration || m_matches.empty()) {
        m_matches = TreeModel->nodesWhere(matches);
        m_matchKey = key;
        m_matchGeneration = TreeModel->generation();
    }
    if (m_matches.empty())
        return nullptr;
    Node *selected = selectedNode();
    if (!selected || !matches(*selected))
        return m_matches.front();
    const auto after = std::upper_bound(m_matches.begin(), m_matches.end(), selected->serial,
                                        [](quint64 serial, const Node *n) { return serial < n->serial; });
    if (after != m_matches.end())
        return *after;
    // One cycle ends here: from the top again, where a matching top node counts as the
    // current one, so the scan goes on after it unless it is the only match.
    if (m_matches.front() == TreeModel->top() && m_matches.size() > 1)
        return m_matches[1];
    return m_matches.front();
}

void ConceptTreeWindow::selectFromSearch(Node *node)
{
    const QModelIndex index = TreeModel->indexOf(node);
    m_selectingFromSearch = true;
    Tree1->setCurrentIndex(index);
    m_selectingFromSearch = false;
    Tree1->scrollTo(index);
}

void ConceptTreeWindow::searchPattern(const QString &pattern, const std::function<void()> &afterLookUp)
{
    if (!ConceptsRevealed) {
        const QStringList found = FindConceptsLike(pattern);
        if (found.isEmpty()) {
            ui::msgBox(NotFound, ui::Buttons::Ok, ui::Icon::Exclamation);
            ConceptsRevealed = false;
            return;
        }
        revealAll(found);
        ConceptsRevealed = true;
        if (afterLookUp)
            afterLookUp();
    }
    Node *next = nextMatch(QStringLiteral("like:") + pattern, [&pattern](const Node &n) {
        return db::likeMatch(n.text, pattern, Qt::CaseInsensitive);
    });
    if (!next) {
        ui::msgBox(NotInTree, ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    selectFromSearch(next);
}

ConceptTreeWindow::Node *ConceptTreeWindow::FindExactConcept(const QString &conceptId,
                                                               const std::function<void()> &afterLookUp)
{
    {
        const QSignalBlocker quiet(cbxFind);
        cbxFind->setEditText(conceptId);
    }
    cbxFind_Change();
    if (conceptId.isEmpty() || !ConceptExists(conceptId)) {
        ui::msgBox(NotFound, ui::Buttons::Ok, ui::Icon::Exclamation);
        return nullptr;
    }
    if (afterLookUp)
        afterLookUp();
    revealAll({conceptId});
    Node *next = nextMatch(QStringLiteral("exact:") + conceptId,
                           [&conceptId](const Node &n) { return db::sameText(n.text, conceptId); });
    if (!next) {
        ui::msgBox(QuoteChar + conceptId + QuoteChar + QStringLiteral(" is not part of this tree"), ui::Buttons::Ok,
                   ui::Icon::Exclamation);
        return nullptr;
    }
    selectFromSearch(next);
    return next;
}

void ConceptTreeWindow::AddFindHistory(const QString &text)
{
    ui::addToFindHistory(*cbxFind, LastFindText, text, HistorySize);
}

void ConceptTreeWindow::cbxFind_Change()
{
    ConceptsRevealed = false;
    if (QAction *find = ToolBar1->button(QStringLiteral("find")))
        find->setEnabled(!cbxFind->currentText().isEmpty());
}

ConceptTreeWindow::Node *ConceptTreeWindow::selectedNode() const { return TreeModel->nodeOf(Tree1->currentIndex()); }

QString ConceptTreeWindow::selectedText() const
{
    const Node *n = selectedNode();
    return n ? n->text : QString();
}

QStringList ConceptTreeWindow::findHistory() const
{
    QStringList out;
    for (int i = 0; i < cbxFind->count(); ++i)
        out << cbxFind->itemText(i);
    return out;
}
