#include "frmNames.h"

#include "ui/CommandBoundary.h"
#include "ui/MultiLineBox.h"
#include "ui/Heading.h"
#include "ui/TypedKeyFilter.h"

#include "ontology/ConceptCommands.h"
#include "ontology/Global.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString OK = QStringLiteral("OK");

}  // namespace

frmNames::frmNames() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("Naming & Defining"));
    txtConcept = new QLineEdit(w);
    installTypedKeyFilter(txtConcept, [](int key) { return KeyFilterConceptName(key); });
    txtDef = ui::multiLineBox(w);
    txtName = new QLineEdit(w);
    lvwLangs = new QTreeWidget(w);
    lvwLangs->setHeaderLabels({QStringLiteral("Language"), QStringLiteral("ISO")});
    lvwLangs->setRootIsDecorated(false);
    lvwLangs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwLangs->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwLangs->header()->setSectionsClickable(true);
    cmdOK = new QPushButton(QStringLiteral("&OK"), w);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    setCancelButton(cmdCancel);

    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this] { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this] { cmdCancel_Click(); }));
    QObject::connect(lvwLangs, &QTreeWidget::itemClicked, w, ui::command(w, [this](QTreeWidgetItem *row) { lvwLangs_ItemClick(row); }));
    QObject::connect(lvwLangs, &QTreeWidget::itemChanged, w, ui::command(w, [this](QTreeWidgetItem *row) {
        // A check mark cannot be taken away: the row is chosen again instead.
        if (!m_checking)
            lvwLangs_ItemClick(row);
    }));
    QObject::connect(lvwLangs->header(), &QHeaderView::sectionClicked, w,
                     ui::command(w, [this](int section) { lvwLangs_ColumnClick(section + 1); }));
    lblStart.onChange(ui::command(w, [this] { lblStart_Change(); }));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addWidget(heading(QStringLiteral("LANGUAGE-INDEPENDENT IDENTIFIER"), w));
    all->addWidget(txtConcept);
    all->addWidget(heading(QStringLiteral("DEFINITION"), w));
    all->addWidget(txtDef, 1);
    all->addWidget(heading(QStringLiteral("LANGUAGE-DEPENDENT NAME"), w));
    all->addWidget(txtName);
    all->addWidget(lvwLangs, 1);
    all->addLayout(buttons);
    w->resize(420, 460);
}

void frmNames::Form_Load()
{
    lvwLangs->header()->resizeSection(0, ui::twipsToPixels(1350));
    lvwLangs->header()->resizeSection(1, ui::twipsToPixels(700));
    m_checking = true;
    for (const LanguageRow &language : GetLanguages()) {
        if (!language.show)
            continue;
        auto *row = new QTreeWidgetItem(lvwLangs, {language.name, language.id});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
    }
    m_checking = false;
    if (!selectLanguage(OntologyInfo.DefLang) && !selectLanguage(QStringLiteral("en")) && lvwLangs->topLevelItemCount() > 0)
        lvwLangs_ItemClick(lvwLangs->topLevelItem(0));

    // Centred vertically on the main window.
    if (const auto main = ui::forms().count() > 0 ? ui::forms().at(0) : nullptr) {
        QWidget *owner = main->window();
        window()->move(window()->x(), owner->y() + owner->height() / 2 - window()->height() / 2);
    }
}

bool frmNames::selectLanguage(const QString &code)
{
    if (code.isEmpty())
        return false;
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = lvwLangs->topLevelItem(i);
        if (row->text(1).compare(code, Qt::CaseInsensitive) == 0) {
            lvwLangs_ItemClick(row);
            return true;
        }
    }
    const QString name = GetLanguageName(code);
    if (name.isEmpty() || lblStart.caption() != QStringLiteral("Name"))
        return false;
    m_checking = true;
    auto *row = new QTreeWidgetItem(lvwLangs, {name, code});
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    m_checking = false;
    lvwLangs_ItemClick(row);
    return true;
}

QString frmNames::selectedLanguage() const
{
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i)
        if (lvwLangs->topLevelItem(i)->checkState(0) == Qt::Checked)
            return lvwLangs->topLevelItem(i)->text(1);
    return {};
}

void frmNames::lvwLangs_ItemClick(QTreeWidgetItem *picked)
{
    if (!picked)
        return;
    m_checking = true;
    for (int i = 0; i < lvwLangs->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = lvwLangs->topLevelItem(i);
        row->setCheckState(0, row == picked ? Qt::Checked : Qt::Unchecked);
    }
    m_checking = false;
    lvwLangs->setCurrentItem(picked);
    lvwLangs->scrollToItem(picked);
}

void frmNames::lvwLangs_ColumnClick(int column)
{
    lvwLangs->sortItems(column - 1, Qt::AscendingOrder);
    if (QTreeWidgetItem *row = lvwLangs->currentItem())
        lvwLangs->scrollToItem(row);
}

void frmNames::lblStart_Change()
{
    const QString mode = lblStart.caption();
    lvwLangs->setToolTip(QStringLiteral("Use Lexvarin's options s to Add/Remove languages"));
    const bool name = mode == QStringLiteral("Name");
    const bool rename = mode == QStringLiteral("Rename");
    txtConcept->setEnabled(rename);
    txtName->setEnabled(name);
    lvwLangs->setEnabled(name);
    txtDef->setEnabled(!name && !rename);
    if (name)
        txtName->setToolTip(QStringLiteral("Enter name, then click OK"));
    else if (rename)
        txtConcept->setToolTip(QStringLiteral("Modify identifier, then click OK"));
    else
        txtDef->setToolTip(QStringLiteral("Edit the text, then click OK"));
}

void frmNames::cmdOK_Click()
{
    const QString mode = lblStart.caption();
    if (mode == QStringLiteral("Name")) {
        txtName->setText(ReplaceDoubleQuotes(txtName->text()));
        if (txtName->text().isEmpty()) {
            ui::msgBox(QStringLiteral("Concept name cannot be the empty string!"));
            return;
        }
        if (txtName->text().size() > NameMaxLength) {
            ui::msgBox(QStringLiteral("A name can have at most %1 characters.").arg(NameMaxLength));
            return;
        }
        if (selectedLanguage().isEmpty()) {
            ui::msgBox(QStringLiteral("Choose the language of the name."));
            return;
        }
    } else if (mode == QStringLiteral("Rename")) {
        txtConcept->setText(ReplaceDoubleQuotes(txtConcept->text()));
        if (OntologyInfo.Naming)
            txtConcept->setText(NormalizeConceptName(txtConcept->text()));
        if (txtConcept->text().isEmpty()) {
            ui::msgBox(QStringLiteral("Concept Identifier cannot be the empty string!"));
            return;
        }
        const QString tooLong = IdentifierLengthProblem(txtConcept->text(), ConceptType);
        if (!tooLong.isEmpty()) {
            ui::msgBox(tooLong);
            return;
        }
    } else if (mode == QStringLiteral("Definition")) {
        txtDef->setPlainText(ReplaceDoubleQuotes(txtDef->toPlainText()));
        if (txtDef->toPlainText().isEmpty()) {
            if (ui::msgBox(QStringLiteral("Do you want to remove this definition?"), ui::Buttons::YesNo) != ui::Answer::Yes)
                return;
            txtDef->setPlainText(QStringLiteral("Undefined"));
        }
    }
    lblStart.setCaption(OK);
    hide();
}

void frmNames::cmdCancel_Click()
{
    lblStart.setCaption(QStringLiteral("Cancel"));
    hide();
}
