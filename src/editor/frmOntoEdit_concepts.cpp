// The concept list with its search box, and the panes of the current concept: how a
// concept becomes current and how it is shown.

#include "db/Error.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"
#include "frmOntoEdit.h"
#include "PaneCommands.h"
#include "ontology/ConceptTypes.h"

#include "ui/TypedKeyFilter.h"

#include "ontology/ConceptCommands.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/HierarchyRows.h"
#include "ui/DataList.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include <optional>

namespace {

const QString SearchHint = QStringLiteral("Search...");

// Keys, focus and clicks of the concept list's controls, handed to the window's handlers.
class PaneEvents : public QObject {
public:
    explicit PaneEvents(frmOntoEdit &form) : QObject(form.window()), m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_form.txtCptSearch)
            return searchBox(event);
        if (watched == m_form.txtDef || watched == m_form.txtDef->viewport()) {
            if (event->type() == QEvent::KeyRelease) {
                auto *k = static_cast<QKeyEvent *>(event);
                m_form.txtDef_KeyUp(k->key(), k->modifiers());
            } else if (event->type() == QEvent::MouseButtonDblClick) {
                m_form.txtDef_DblClick();
                return true;
            }
            return false;
        }
        return false;
    }

private:
    bool searchBox(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The box's own context menu takes the focus for a moment; the search goes on.
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
                return false;
            if (event->type() == QEvent::FocusIn)
                m_form.txtCptSearch_GotFocus();
            else
                m_form.txtCptSearch_LostFocus();
            return false;
        case QEvent::KeyPress: {
            // Ctrl+C acts when the key is let go, on the whole text; the box's own copy
            // would act a second time.
            auto *k = static_cast<QKeyEvent *>(event);
            return (k->modifiers() & Qt::ControlModifier) && k->key() == Qt::Key_C;
        }
        case QEvent::KeyRelease: {
            auto *k = static_cast<QKeyEvent *>(event);
            m_form.txtCptSearch_KeyUp(k->key(), k->modifiers());
            return false;
        }
        default:
            return false;
        }
    }

    frmOntoEdit &m_form;
};

}  // namespace

void frmOntoEdit::wireConceptPanes()
{
    QWidget *w = window();
    auto *events = new PaneEvents(*this);
    txtCptSearch->installEventFilter(events);
    installTypedKeyFilter(txtCptSearch, [this](int key) { return txtCptSearch_KeyPress(key); },
                          {EnterKey::Passes, [this](const QString &text) { txtCptSearch_Paste(text); }});
    txtDef->installEventFilter(events);
    txtDef->viewport()->installEventFilter(events);
    ui::onPopupRequest(dblConcepts, ui::command(w, [this] { dblConcepts_MouseUp(Qt::RightButton); }));
    ui::onPopupRequest(lvwNames, ui::command(w, [this] { lvwNames_MouseUp(Qt::RightButton); }));

    QObject::connect(txtCptSearch, &QLineEdit::textChanged, w, ui::command(w, [this] { txtCptSearch_Change(); }));
    dblConcepts->onClick(ui::command(w, [this] { dblConcepts_Click(); }));
    dblConcepts->onDblClick(ui::command(w, [this] { dblConcepts_DblClick(); }));
    QObject::connect(lstISA, &QListWidget::itemDoubleClicked, w, ui::command(w, [this] { lstISA_DblClick(); }));
    lstSubclasses->onDblClick(ui::command(w, [this] { lstSubclasses_DblClick(); }));
    lstAncestors->onDblClick(ui::command(w, [this] { lstAncestors_DblClick(); }));
    lstDescendants->onDblClick(ui::command(w, [this] { lstDescendants_DblClick(); }));
    // Toggled, not clicked: a check set from code runs the handler too, as clearing relies on.
    QObject::connect(chkActiveAnc, &QCheckBox::toggled, w, ui::command(w, [this] { chkActiveAnc_Click(); }));
    QObject::connect(chkActivDesc, &QCheckBox::toggled, w, ui::command(w, [this] { chkActivDesc_Click(); }));
    lblNewCpt.onChange(ui::command(w, [this] { lblNewCpt_Change(); }));

    // The panes are read-only, so there is nothing to cut or paste.
    mnuEditCut->setEnabled(false);
    mnuEditPaste->setEnabled(false);

    lvwNames->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwNames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwNames->header()->setSectionsClickable(true);
    QObject::connect(lvwNames->header(), &QHeaderView::sectionClicked, w,
                     ui::command(w, [this](int section) { lvwNames_ColumnClick(section + 1); }));
    mnuNameAdd = ui::addMenuItem(mnuName, QStringLiteral("&Add Name"), this, &frmOntoEdit::mnuNameAdd_Click);
    mnuNameEdit = ui::addMenuItem(mnuName, QStringLiteral("Edit Selected Name"), this, &frmOntoEdit::mnuNameEdit_Click);
    mnuName->addSeparator();
    mnuNameDelete =
        ui::addMenuItem(mnuName, QStringLiteral("&Deleted Selected Name"), this, &frmOntoEdit::mnuNameDelete_Click);
}

void frmOntoEdit::CountConcepts()
{
    TotalCount = CountAllConcepts();
    ListedCount = RSListConcepts ? RSListConcepts->rowCount() : 0;
    ShowConceptCounts();
}

void frmOntoEdit::InitRSListConcepts()
{
    RSListConcepts = ConceptList::listView(OntologyDB, OntologyInfo.ListTop, OntologyInfo.ActiveSet);
    dblConcepts->bind(RSListConcepts);
    showFirstListed();
    CountConcepts();
}

void frmOntoEdit::FollowConceptChanges(const QStringList &removed, const QStringList &added)
{
    // A list that hides some concepts cannot tell, once a concept is gone from the file,
    // whether it showed it.
    if (!RSListConcepts || (!removed.isEmpty() && !RSListConcepts->showsEveryConcept())) {
        InitRSListConcepts();
        return;
    }
    for (const QString &id : removed) {
        const int row = RSListConcepts->conceptRemoved(id);
        if (row >= 0)
            dblConcepts->rowRemoved(row);
    }
    for (const QString &id : added) {
        const int row = RSListConcepts->conceptAdded(id);
        if (row >= 0)
            dblConcepts->rowInserted(row);
    }
    showFirstListed();
    CountConcepts();
}

void frmOntoEdit::FollowConceptRenamed(const QString &from, const QString &to)
{
    // A rename keeps the concept's type and subset: the list showed the old identifier
    // exactly when it shows the new one.
    if (RSListConcepts && !RSListConcepts->showsEveryConcept() && !RSListConcepts->shows(to))
        FollowConceptChanges({}, {});
    else
        FollowConceptChanges({from}, {to});
}

void frmOntoEdit::showFirstListed()
{
    if (RSListConcepts->rowCount() < 1) {
        CurrentConcept = RootConcept;
        ClearConceptPanes();
        return;
    }
    dblConcepts->moveFirst();
    CurrentConcept = dblConcepts->text();
    ShowConcept();
}

void frmOntoEdit::ShowConceptCounts()
{
    if (TotalCount != 0) {
        StatusBar1->setPanelText(3, QString::number(ListedCount) + QStringLiteral(" listed"));
        StatusBar1->setPanelText(4, QString::number(TotalCount) + QStringLiteral(" total"));
    } else {
        for (int panel = 1; panel <= 3; ++panel)
            StatusBar1->setPanelText(panel, {});
    }
}

void frmOntoEdit::ClearConceptPanes()
{
    txtDef->clear();
    txtCptSearch->clear();
    for (QListWidget *l : {lstISA, lstRels, lstAttrs})
        l->clear();
    for (ui::DataList *l : {lstSubclasses, lstAncestors, lstDescendants})
        l->bind(nullptr);
    lvwInherit->clear();
    lvwNames->clear();
    chkActivDesc->setChecked(false);
    chkActiveAnc->setChecked(false);
    optOff->setChecked(true);
    tbsEdit->setCurrentIndex(0);
}

void frmOntoEdit::ShowConcept()
{
    if (CurrentConcept.isEmpty())
        return;
    std::optional<ui::MousePointerGuard> hourglass;
    if (chkActivDesc->isChecked() || !optOff->isChecked()) {
        ui::setScreenMousePointer(ui::MousePointer::Default);
        hourglass.emplace(*this, ui::MousePointer::Hourglass);
    }

    if (const auto summary = ReadConceptSummary(CurrentConcept)) {
        QVariant definition = summary->definition;
        CurrentType = summary->type;
        QVariant subset = summary->subset;
        if (definition.isNull()) {
            definition = QStringLiteral("Undefined");
            SetConceptDefinition(CurrentConcept, definition.toString());
        }
        txtDef->setPlainText(definition.toString());
        StatusBar1->setPanelText(1, {});
        // A concept without a subset belongs to the first one, when the ontology has it.
        if (subset.isNull() && GetSubsetName(1) != QStringLiteral("Error")) {
            subset = 1;
            SetConceptSubset(CurrentConcept, 1);
        }
        StatusBar1->setPanelText(1, GetSubsetName(subset.toInt()));
        StatusBar1->setPanelText(2, {});
    }

    ToolBar1->setButtonImage(QStringLiteral("Note"),
                             ConceptHasNote(CurrentConcept) ? QStringLiteral("note-in") : QStringLiteral("note-out"));
    StatusBar1->setPanelText(2, conceptTypeWord(CurrentType));

    lstISA->clear();
    lstISA->addItems(GetParents(CurrentConcept));

    lstSubclasses->bind(std::make_shared<ui::StringRows>(GetChildren(CurrentConcept)));

    FillNamesList();
    ShowLocalProperties();
    if (chkActivDesc->isChecked())
        ShowDescendants();
    if (chkActiveAnc->isChecked())
        ShowAncestors();
    if (!optOff->isChecked())
        FillInheritedList();
    FollowCurrentConceptInRelationDialogs();
}

void frmOntoEdit::ShowAncestors()
{
    lstAncestors->bind(nullptr);
    if (chkActiveAnc->isChecked() && !CurrentConcept.isEmpty())
        lstAncestors->bind(std::make_shared<HierarchyRows>(CurrentConcept, HierarchyWalk::Direction::Up));
}

void frmOntoEdit::ShowDescendants()
{
    lstDescendants->bind(nullptr);
    if (chkActivDesc->isChecked() && !CurrentConcept.isEmpty()) {
        const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        // Walked as the rows are shown: the first screenful of forty thousand is quick.
        lstDescendants->bind(std::make_shared<HierarchyRows>(CurrentConcept, HierarchyWalk::Direction::Down));
    }
}

void frmOntoEdit::chkActiveAnc_Click() { ShowAncestors(); }
void frmOntoEdit::chkActivDesc_Click() { ShowDescendants(); }

void frmOntoEdit::showListedRow(int row)
{
    if (row >= 0) {
        dblConcepts->setCurrentRow(row);
        CurrentConcept = dblConcepts->text();
    }
    ShowConcept();
}

void frmOntoEdit::txtCptSearch_Change() { searchConceptList(false); }

void frmOntoEdit::searchConceptList(bool showAgain)
{
    const QString text = txtCptSearch->text();
    if (text.isEmpty() || text == SearchHint || !RSListConcepts)
        return;
    try {
        const int row = RSListConcepts->findPrefix(text);
        // A key that leaves the list on the concept shown (or finds nothing) leaves the
        // panes as they are: refilling them for every letter typed would stall typing.
        if (!showAgain && (row < 0 || (row == dblConcepts->currentRow() && RSListConcepts->text(row) == CurrentConcept)))
            return;
        showListedRow(row);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
}

void frmOntoEdit::WriteSearch(const QString &text)
{
    if (txtCptSearch->text() == text)
        searchConceptList(true);
    else
        txtCptSearch->setText(text);
}

void frmOntoEdit::GoToConcept(const QString &name)
{
    if (name.isEmpty() || !RSListConcepts)
        return;
    try {
        if (!ConceptExists(name)) {
            StatusBar1->setPanelText(1, QuoteChar + name + QuoteChar + QStringLiteral(" is not a concept"));
            return;
        }
        {
            const QSignalBlocker quiet(txtCptSearch);  // the exact look-up below is the search
            txtCptSearch->setText(name);
        }
        const int row = RSListConcepts->find(name);
        if (row >= 0) {
            showListedRow(row);
            return;
        }
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
        return;
    }
    const ui::Answer answer =
        ui::msgBox(QStringLiteral("This concept can't be displayed because it belongs to a set ") +
                       QStringLiteral("of top nodes or relationships banned by the display options.") +
                       QStringLiteral("Do you want to change this option?"),
                   ui::Buttons::YesNo, ui::Icon::Information);
    if (answer != ui::Answer::Yes)
        return;
    mnuToolsOptions_Click();
    txtCptSearch->clear();
    GoToConcept(name);
}

void frmOntoEdit::txtCptSearch_GotFocus() { txtCptSearch->clear(); }
void frmOntoEdit::txtCptSearch_LostFocus() { txtCptSearch->setText(SearchHint); }

int frmOntoEdit::txtCptSearch_KeyPress(int key) { return KeyFilterConceptName(key); }

void frmOntoEdit::txtCptSearch_KeyUp(int key, Qt::KeyboardModifiers shift)
{
    if ((shift & Qt::ControlModifier) && key == Qt::Key_C && !txtCptSearch->text().isEmpty())
        copyToClipboard(txtCptSearch->text());
}

void frmOntoEdit::txtCptSearch_Paste(const QString &text)
{
    // Pasted text follows the strict identifier rule whatever the naming option, appended
    // one character at a time, and each one searches.
    for (const QChar c : pastedKeys(text, NormalizeConceptKey))
        txtCptSearch->setText(txtCptSearch->text() + c);
}

void frmOntoEdit::copyToClipboard(const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void frmOntoEdit::dblConcepts_Click()
{
    const QString picked = dblConcepts->text();
    if (picked.isEmpty() || picked == CurrentConcept)
        return;
    CurrentConcept = picked;
    ShowConcept();
}

void frmOntoEdit::dblConcepts_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    mnuConceptDelete->setEnabled(CurrentType != RootType);
    ui::popupMenu(*mnuConcept);
}

// A child the list hides gets the same offer as any other concept gone to.
void frmOntoEdit::lstISA_DblClick() { GoToConcept(selectedText(*lstISA)); }
void frmOntoEdit::lstSubclasses_DblClick() { GoToConcept(lstSubclasses->text()); }
void frmOntoEdit::lstAncestors_DblClick() { GoToConcept(lstAncestors->text()); }
void frmOntoEdit::lstDescendants_DblClick() { GoToConcept(lstDescendants->text()); }

// The definition is shown, never edited here: only its editor changes it, so what the
// pane shows is always what is stored.
void frmOntoEdit::txtDef_KeyUp(int key, Qt::KeyboardModifiers shift)
{
    if ((shift & Qt::ControlModifier) && key == Qt::Key_C) {
        const QString selected = txtDef->textCursor().selectedText();
        if (!selected.isEmpty())
            copyToClipboard(selected);
    }
}

void frmOntoEdit::mnuEditCopy_Click() { txtDef_KeyUp(Qt::Key_C, Qt::ControlModifier); }

void frmOntoEdit::txtDef_DblClick() { mnuConceptEditDef_Click(); }

