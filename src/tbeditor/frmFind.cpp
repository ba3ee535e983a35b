#include "frmFind.h"

#include "frmTBEDitor.h"
#include "ontology/IdentifierRules.h"
#include "termbase/ElementTree.h"
#include "termbase/FindElements.h"
#include "termbase/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/FindHistory.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/TypedKeyFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmFind::frmFind() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Find"));
    Label1 = new QLabel(QStringLiteral("Find:"), w);
    cbxFind = new QComboBox(w);
    cbxFind->setEditable(true);
    cbxFind->setInsertPolicy(QComboBox::NoInsert);
    cbxFind->setMinimumContentsLength(24);
    Label1->setBuddy(cbxFind);
    chkFullWord = new QCheckBox(QStringLiteral("&Full word"), w);
    Frame1 = new QGroupBox(QStringLiteral("Element type"), w);
    optFindT = new QRadioButton(QStringLiteral("&Terms"), Frame1);
    optFindC = new QRadioButton(QStringLiteral("Conce&pts"), Frame1);
    // Concepts first: an entry is what the user looks for most often.
    optFindC->setChecked(true);
    auto *types = new QVBoxLayout(Frame1);
    types->addWidget(optFindT);
    types->addWidget(optFindC);
    cmdFind = new QPushButton(QStringLiteral("Find &Next"), w);
    cmdFind->setEnabled(false);
    cmdFind->setAutoDefault(false);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    setCancelButton(cmdCancel);
    cmdCancel->setAutoDefault(false);

    auto *grid = new QGridLayout(w);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cbxFind, 0, 1, 1, 2);
    grid->addWidget(cmdFind, 0, 3);
    grid->addWidget(chkFullWord, 1, 1);
    grid->addWidget(Frame1, 1, 2, 2, 1);
    grid->addWidget(cmdCancel, 1, 3);

    QObject::connect(cmdFind, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdFind_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this](bool) { cmdCancel_Click(); }));
    QObject::connect(cbxFind, &QComboBox::editTextChanged, w, ui::command(w, [this](const QString &) { cbxFind_Change(); }));
    QObject::connect(cbxFind, &QComboBox::activated, w, ui::command(w, [this](int) { cbxFind_Click(); }));
    QObject::connect(optFindC, &QRadioButton::clicked, w, ui::command(w, [this](bool) { optFindC_Click(); }));
    QObject::connect(optFindT, &QRadioButton::clicked, w, ui::command(w, [this](bool) { optFindT_Click(); }));
    // Enter searches through the key handler in concept mode; otherwise it goes on to the
    // default button (there while the box holds a text to find).
    installTypedKeyFilter(cbxFind, [this](int key) { return cbxFind_KeyPress(key); }, {EnterKey::ToHandler});
}

frmTBEDitor &frmFind::editor() const { return *ui::loadedOrNew<frmTBEDitor>(); }

void frmFind::cmdFind_Click()
{
    const QString text = cbxFind->currentText();
    if (text.isEmpty() || TermbasePath.isEmpty())
        return;
    AddToHistory(text);
    m_pattern = FindPattern(text, chkFullWord->isChecked());
    if (optFindC->isChecked())
        findConcept();
    else
        FindTerm();
}

void frmFind::findConcept()
{
    frmTBEDitor &tb = editor();
    ElementTreeModel &nodes = *tb.Tree1Nodes;
    const QModelIndex selected = tb.selectedNode();
    // Find Next: the selected entry matches, the search goes on after it and wraps around.
    qint64 after = 0;
    if (nodes.image(selected) == QLatin1String("concept") &&
        nodes.key(selected.parent()) == ElementKey(EntriesContainerID) &&
        MatchesFindPattern(nodes.text(selected), m_pattern))
        after = nodes.elemID(selected);
    if (const std::optional<qint64> found = FindEntry(m_pattern, after)) {
        tb.SelectFoundElement(*found, true);
        return;
    }
    tb.SelectFoundElement(EntriesContainerID, false);
    ui::msgBox(QStringLiteral("String not found"), ui::Buttons::Ok, ui::Icon::Exclamation);
}

void frmFind::FindTerm()
{
    frmTBEDitor &tb = editor();
    ElementTreeModel &nodes = *tb.Tree1Nodes;
    const QModelIndex selected = tb.selectedNode();
    const bool goOn = nodes.image(selected) == QLatin1String("term") &&
                      MatchesFindPattern(nodes.text(selected), m_pattern);
    const qint64 after = goOn ? nodes.elemID(selected) : 0;
    if (const std::optional<qint64> found = FindTermElement(m_pattern, after)) {
        tb.SelectFoundElement(*found, false);
        return;
    }
    // Going on from the last term of all ends quietly, as there is nothing after it.
    if (goOn && !HasTermAfter(after))
        return;
    ui::msgBox(QStringLiteral("Term not found."), ui::Buttons::Ok, ui::Icon::Information);
}

void frmFind::AddToHistory(const QString &text) { ui::addToFindHistory(*cbxFind, LastFindText, text, HistorySize); }

void frmFind::cbxFind_Change()
{
    const bool any = !cbxFind->currentText().isEmpty();
    cmdFind->setEnabled(any);
    cmdFind->setDefault(any);
}

void frmFind::cbxFind_Click() { cmdFind->setEnabled(true); }

int frmFind::cbxFind_KeyPress(int key)
{
    if (!optFindC->isChecked())
        return key;
    if (key == 13) {
        ui::runCommand(window(), [this] { cmdFind_Click(); });
        return 0;
    }
    // Concepts are typed by the strict identifier rule, whatever the ontology's naming option.
    return NormalizeConceptKey(key);
}

void frmFind::optFindC_Click() { restartFromRoot(); }
void frmFind::optFindT_Click() { restartFromRoot(); }

void frmFind::restartFromRoot()
{
    cbxFind->clearEditText();
    editor().SelectFoundElement(RootElementID, false);
    cbxFind->setFocus();
}

void frmFind::cmdCancel_Click()
{
    cbxFind->clearEditText();
    hide();
}
