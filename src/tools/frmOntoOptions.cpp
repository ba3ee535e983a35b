#include "frmOntoOptions.h"

#include "UpDown.h"
#include "ontology/Global.h"
#include "termbase/TermbaseLinks.h"
#include "ui/CommandBoundary.h"
#include "ui/EnterPresses.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int lowestMaxParents = 1;
constexpr int highestMaxParents = 9;

QPushButton *button(const QString &caption, const QString &toolTip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(toolTip);
    return b;
}

QTreeWidget *listView(const QStringList &headers, QWidget *parent)
{
    auto *l = new QTreeWidget(parent);
    l->setRootIsDecorated(false);
    l->setHeaderLabels(headers);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return l;
}

// The subset's name takes three quarters of the list and its count the rest less a
// margin, measured on the list as laid out: before the dialog is shown it has no width
// of its own yet, and the name would be cut off.
class SubsetColumns : public QObject {
public:
    explicit SubsetColumns(QTreeWidget *list) : QObject(list), m_list(list) { list->viewport()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const int width = static_cast<QResizeEvent *>(event)->size().width();
            m_list->setColumnWidth(0, width * 3 / 4);
            m_list->setColumnWidth(1, width / 4 - ui::twipsToPixels(80));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTreeWidget *m_list;
};

// The maximum typed, when it is one the option can hold.
std::optional<int> typedMaxParents(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < lowestMaxParents || n > highestMaxParents)
        return std::nullopt;
    return n;
}

}  // namespace

frmOntoOptions::frmOntoOptions() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Options"));
    SSTab1 = new QTabWidget(w);
    const auto tab = [&](const QString &caption) {
        auto *page = new QWidget(SSTab1);
        SSTab1->addTab(page, caption);
        return page;
    };
    buildSubsetsTab(tab(QStringLiteral("Subsets")));
    buildDatabasesTab(tab(QStringLiteral("Databases")));
    buildMiscTab(tab(QStringLiteral("Misc Options")));
    buildLanguagesTab(tab(QStringLiteral("Languages")));

    cmdOK = new QPushButton(QStringLiteral("OK"), w);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), w);
    setCancelButton(cmdCancel);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(window(), [this] { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(window(), [this] { cmdCancel_Click(); }));

    StatusBar1 = new ui::StatusBar(2, w);
    ProgressBar1 = new QProgressBar(w);
    ProgressBar1->setVisible(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ProgressBar1, 1);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addWidget(SSTab1);
    all->addLayout(buttons);
    all->addWidget(StatusBar1);
    w->resize(480, 400);
}

void frmOntoOptions::buildSubsetsTab(QWidget *tab)
{
    ListView1 = listView({QStringLiteral("Subset"), QStringLiteral("Concepts")}, tab);
    new SubsetColumns(ListView1);
    ListView1->header()->setSectionsClickable(true);
    lblActiveSubset = new QLabel(tab);
    txtNewSubset = new QLineEdit(tab);
    txtNewSubset->setToolTip(QStringLiteral("New Subset Definition"));
    cmdAdd = new QPushButton(QStringLiteral("&Add"), tab);
    ui::enterPresses(txtNewSubset, cmdAdd);
    cmdRemove = new QPushButton(QStringLiteral("&Remove"), tab);
    cmdActivate = new QPushButton(QStringLiteral("&Activate"), tab);
    cmdTransfer = new QPushButton(QStringLiteral("&Transfer..."), tab);
    QWidget *w = window();
    QObject::connect(cmdAdd, &QPushButton::clicked, tab, ui::command(w, [this] { cmdAdd_Click(); }));
    QObject::connect(cmdRemove, &QPushButton::clicked, tab, ui::command(w, [this] { cmdRemove_Click(); }));
    QObject::connect(cmdActivate, &QPushButton::clicked, tab, ui::command(w, [this] { cmdActivate_Click(); }));
    QObject::connect(cmdTransfer, &QPushButton::clicked, tab, ui::command(w, [this] { cmdTransfer_Click(); }));
    QObject::connect(ListView1->header(), &QHeaderView::sectionClicked, tab,
                     ui::command(w, [this](int column) { ListView1_ColumnClick(column); }));

    auto *grid = new QGridLayout(tab);
    grid->addWidget(new QLabel(QStringLiteral("Active Subset:"), tab), 0, 0);
    grid->addWidget(lblActiveSubset, 0, 1, 1, 2);
    grid->addWidget(ListView1, 1, 0, 4, 2);
    grid->addWidget(cmdActivate, 1, 2);
    grid->addWidget(cmdRemove, 2, 2);
    grid->addWidget(cmdTransfer, 3, 2);
    grid->addWidget(txtNewSubset, 5, 0, 1, 2);
    grid->addWidget(cmdAdd, 5, 2);
}

void frmOntoOptions::buildDatabasesTab(QWidget *tab)
{
    ListView2 = listView({QStringLiteral("Linked Databases")}, tab);
    ListView2->setToolTip(QStringLiteral("Databases using this ontology"));
    cmdLink = button(QStringLiteral("&Link..."), QStringLiteral("Assign existing database to this ontology"), tab);
    cmdRelease = button(QStringLiteral("&Release"), QStringLiteral("Release selected database"), tab);
    QObject::connect(cmdLink, &QPushButton::clicked, tab, ui::command(window(), [this] { cmdLink_Click(); }));
    QObject::connect(cmdRelease, &QPushButton::clicked, tab, ui::command(window(), [this] { cmdRelease_Click(); }));

    auto *side = new QVBoxLayout;
    side->addWidget(cmdLink);
    side->addWidget(cmdRelease);
    side->addStretch();
    auto *row = new QHBoxLayout(tab);
    row->addWidget(ListView2, 1);
    row->addLayout(side);
}

void frmOntoOptions::buildMiscTab(QWidget *tab)
{
    fraParents = new QGroupBox(QStringLiteral("Parents"), tab);
    txtNoParents = new QLineEdit(QStringLiteral("2"), fraParents);
    txtNoParents->setMaximumWidth(40);
    UpDown1 = new UpDown(txtNoParents, lowestMaxParents, highestMaxParents, fraParents);
    UpDown1->onChange = [this] { UpDown1_Change(); };
    QObject::connect(txtNoParents, &QLineEdit::textChanged, fraParents, ui::command(window(), [this] { txtNoParents_Change(); }));
    auto *parents = new QHBoxLayout(fraParents);
    parents->addWidget(new QLabel(QStringLiteral("Maximum:"), fraParents));
    parents->addWidget(txtNoParents);
    parents->addWidget(UpDown1);
    parents->addStretch();

    fraConcepts = new QGroupBox(QStringLiteral("Search List"), tab);
    optMy = new QRadioButton(QStringLiteral("View only the Active Subset"), fraConcepts);
    optTop = new QRadioButton(QStringLiteral("View everything except relationships"), fraConcepts);
    optEvery = new QRadioButton(QStringLiteral("View everything including relationships"), fraConcepts);
    auto *concepts = new QVBoxLayout(fraConcepts);
    for (QRadioButton *o : {optMy, optTop, optEvery})
        concepts->addWidget(o);

    Frame1 = new QGroupBox(QStringLiteral("Concept Identifiers"), tab);
    chkNameRestrict = new QCheckBox(QStringLiteral("Apply naming restrictions"), Frame1);
    auto *identifiers = new QVBoxLayout(Frame1);
    identifiers->addWidget(new QLabel(QStringLiteral("Only upper-case ASCII and hyphens"), Frame1));
    identifiers->addWidget(chkNameRestrict);

    auto *all = new QVBoxLayout(tab);
    all->addWidget(fraParents);
    all->addWidget(fraConcepts);
    all->addWidget(Frame1);
    all->addStretch();
}

void frmOntoOptions::buildLanguagesTab(QWidget *tab)
{
    lvwLangs = listView({QStringLiteral("Language"), QStringLiteral("ISO")}, tab);

    Frame2 = new QGroupBox(QStringLiteral("Default Language"), tab);
    cbxLangs = new QComboBox(Frame2);
    auto *defaults = new QVBoxLayout(Frame2);
    defaults->addWidget(new QLabel(QStringLiteral("Default for concept naming"), Frame2));
    defaults->addWidget(cbxLangs);

    Frame3 = new QGroupBox(QStringLiteral("Automatic naming"), tab);
    chkAddNames = new QCheckBox(QStringLiteral("Use automatic naming"), Frame3);
    chkAddNames->setToolTip(QStringLiteral("Names will be added for the default language"));
    optAsIs = new QRadioButton(QStringLiteral("Same as Identifier"), Frame3);
    optConvert = new QRadioButton(QStringLiteral("Remove naming restrictions"), Frame3);
    // Only a click of the user's: filling the dialog ticks the box without a word.
    QObject::connect(chkAddNames, &QCheckBox::clicked, Frame3, ui::command(window(), [this] { chkAddNames_Click(); }));
    auto *naming = new QVBoxLayout(Frame3);
    naming->addWidget(chkAddNames);
    naming->addWidget(optAsIs);
    naming->addWidget(optConvert);

    auto *side = new QVBoxLayout;
    side->addWidget(Frame2);
    side->addWidget(Frame3);
    side->addStretch();
    auto *row = new QHBoxLayout(tab);
    row->addWidget(lvwLangs, 1);
    row->addLayout(side);
}

// ---- Loading and unloading ---------------------------------------------------------------

void frmOntoOptions::Form_Load()
{
    RSSubsets.emplace(OntologyDB, QStringLiteral("Subsets"), QStringLiteral("Subset_ID"));
    FillSubsetList();
    RSTermBases.emplace(OpenTermbaseLinkRows());
    FillLinkedTermbases();
    fillLanguages();
    showOptions();
}

void frmOntoOptions::Form_Unload(bool &)
{
    RSSubsets.reset();
    RSTermBases.reset();
}

void frmOntoOptions::fillLanguages()
{
    cbxLangs->clear();
    lvwLangs->clear();
    lvwLangs->setColumnWidth(0, ui::twipsToPixels(1410));
    lvwLangs->setColumnWidth(1, ui::twipsToPixels(700));
    for (const LanguageRow &language : GetLanguages()) {
        auto *item = new QTreeWidgetItem(lvwLangs, {language.name, language.id});
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        item->setCheckState(0, language.show ? Qt::Checked : Qt::Unchecked);
        cbxLangs->addItem(language.name, language.id);
    }
    cbxLangs->setCurrentIndex(cbxLangs->findData(OntologyInfo.DefLang));
}

void frmOntoOptions::showOptions()
{
    // A maximum the option cannot hold leaves the box as designed.
    if (typedMaxParents(QString::number(OntologyInfo.MaxParents)))
        txtNoParents->setText(QString::number(OntologyInfo.MaxParents));
    (OntologyInfo.ListTop == 1 ? optMy : OntologyInfo.ListTop == 2 ? optTop : optEvery)->setChecked(true);
    chkNameRestrict->setChecked(OntologyInfo.Naming);

    const bool naming = OntologyInfo.AutoName != 0;
    chkAddNames->setChecked(naming);
    optAsIs->setEnabled(naming);
    optConvert->setEnabled(naming);
    if (naming)
        (OntologyInfo.AutoName == 1 ? optAsIs : optConvert)->setChecked(true);
}

// ---- Misc Options and Languages ----------------------------------------------------------

void frmOntoOptions::cmdOK_Click()
{
    if (!typedMaxParents(txtNoParents->text())) {
        ui::msgBox(QStringLiteral("The maximum number of parents must be a whole number from 1 to 9."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        SSTab1->setCurrentWidget(fraParents->parentWidget());
        txtNoParents->setFocus();
        return;
    }
    // The default language is always a working language.
    const QString defLang = cbxLangs->currentData().toString();
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i)
        if (!defLang.isEmpty() && lvwLangs->topLevelItem(i)->text(1) == defLang)
            lvwLangs->topLevelItem(i)->setCheckState(0, Qt::Checked);
    m_confirmed = true;
    hide();
}

void frmOntoOptions::cmdCancel_Click()
{
    m_confirmed = false;
    hide();
}

void frmOntoOptions::chkAddNames_Click()
{
    const bool on = chkAddNames->isChecked();
    optAsIs->setEnabled(on);
    optConvert->setEnabled(on);
    if (!on)
        return;
    // A tick without a mode would store none: the plain one is taken until the user picks.
    if (!optAsIs->isChecked() && !optConvert->isChecked())
        optAsIs->setChecked(true);
    ui::msgBox(QStringList{QStringLiteral("This option adds names to concepts as they are entered."),
                           QStringLiteral("Names are entered for the default language only."),
                           QStringLiteral("The options are the following:"),
                           QStringLiteral("- Remove naming restrictions: this is good if you are using the "),
                           QStringLiteral("'Apply naming restrictions' option: letters will be converted to "),
                           QStringLiteral("lower case and hyphens to blanks."),
                           QStringLiteral("- Same as Identifier: the concept's identifier will be kept as entered."),
                           QString(), QStringLiteral("These options also apply to batch conversions.")}
                   .join(QStringLiteral("\r\n")),
               ui::Buttons::Ok, ui::Icon::Information);
}

void frmOntoOptions::txtNoParents_Change()
{
    bool ok = false;
    const int n = txtNoParents->text().trimmed().toInt(&ok);
    if (ok && n > highestMaxParents) {
        ui::msgBox(QStringLiteral("No way!"));
        txtNoParents->setText(QString::number(highestMaxParents));
    }
}

void frmOntoOptions::UpDown1_Change()
{
    if (UpDown1->value() == 3)
        ui::msgBox(QStringLiteral("It is highly advisable to restrict the maximum number of parents ") +
                       QStringLiteral("of each concept to 2!"),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
}

// ---- The Options command ---------------------------------------------------------------

namespace {

struct ChosenOptions {
    OntologyInfoRecord info;
    std::vector<std::pair<QString, bool>> shown;  // Lang_ID, working language
};

ChosenOptions chosenOptions(const frmOntoOptions &d)
{
    ChosenOptions c{OntologyInfo, {}};
    c.info.MaxParents = typedMaxParents(d.txtNoParents->text()).value_or(OntologyInfo.MaxParents);
    c.info.ListTop = d.optMy->isChecked() ? 1 : d.optTop->isChecked() ? 2 : 3;
    const QString defLang = d.cbxLangs->currentData().toString();
    if (!defLang.isEmpty())
        c.info.DefLang = defLang;
    c.info.Naming = d.chkNameRestrict->isChecked();
    c.info.AutoName = !d.chkAddNames->isChecked() ? 0 : d.optConvert->isChecked() ? 2 : 1;
    for (int i = 0; i < d.lvwLangs->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = d.lvwLangs->topLevelItem(i);
        c.shown.push_back({item->text(1), item->checkState(0) == Qt::Checked});
    }
    return c;
}

}  // namespace

void RunOntologyOptions(ui::Form &owner, std::function<void(const QStringList &removed)> conceptsRemoved)
{
    const auto dialog = std::make_shared<frmOntoOptions>();
    dialog->conceptsRemoved = std::move(conceptsRemoved);
    try {
        dialog->load();
        dialog->showModal(owner);
        if (dialog->confirmed()) {
            const ChosenOptions chosen = chosenOptions(*dialog);
            SetShownLanguages(chosen.shown);
            OntologyInfo = chosen.info;
        }
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    dialog->unload();
}
