// The names pane of the current concept: its names by language, added, changed and
// deleted through the naming dialog.

#include "frmOntoEdit.h"

#include "frmNames.h"
#include "ontology/ConceptCommands.h"
#include "ontology/Global.h"
#include "ui/PopupMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

constexpr int NameIdRole = Qt::UserRole;

qint64 nameIdOf(const QTreeWidgetItem *item) { return item->data(0, NameIdRole).toLongLong(); }

}  // namespace

void frmOntoEdit::FillNamesList()
{
    lvwNames->clear();
    for (const ConceptName &n : NamesOf(CurrentConcept)) {
        auto *item = new QTreeWidgetItem(lvwNames, {GetLanguageName(n.lang), n.name});
        // The row's key, so edit and delete reach this row whatever the texts hold.
        item->setData(0, NameIdRole, n.id);
    }
    if (lvwNames->topLevelItemCount() > 0)
        lvwNames->setCurrentItem(lvwNames->topLevelItem(0));
}

void frmOntoEdit::mnuNameAdd_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    try {
        const auto dialog = std::make_shared<frmNames>();
        dialog->load();
        dialog->setCaption(QStringLiteral("Naming - ") + CurrentConcept);
        dialog->lblStart.setCaption(QStringLiteral("Name"));
        dialog->txtConcept->setText(CurrentConcept);
        dialog->txtDef->setPlainText(txtDef->toPlainText());
        dialog->showModal(*this);
        const bool confirmed = dialog->lblStart.caption() == QStringLiteral("OK");
        const QString name = dialog->txtName->text();
        const QString lang = dialog->selectedLanguage();
        dialog->unload();
        if (confirmed && !name.isEmpty() && !lang.isEmpty()) {
            AddConceptName(CurrentConcept, lang, name);
            FillNamesList();
        }
    } catch (const db::DbError &e) {
        reportCommandFailure(e);
    }
}

void frmOntoEdit::mnuNameEdit_Click()
{
    QTreeWidgetItem *selected = lvwNames->currentItem();
    if (!selected)
        return;
    const qint64 id = nameIdOf(selected);
    try {
        QString lang;
        for (const ConceptName &n : NamesOf(CurrentConcept))
            if (n.id == id)
                lang = n.lang;
        const auto dialog = std::make_shared<frmNames>();
        dialog->load();
        dialog->lblStart.setCaption(QStringLiteral("Name"));
        dialog->selectLanguage(lang);
        dialog->txtName->setText(selected->text(1));
        dialog->txtConcept->setText(CurrentConcept);
        dialog->txtDef->setPlainText(txtDef->toPlainText());
        dialog->showModal(*this);
        const bool confirmed = dialog->lblStart.caption() == QStringLiteral("OK");
        const QString name = dialog->txtName->text();
        const QString picked = dialog->selectedLanguage();
        dialog->unload();
        if (confirmed && !picked.isEmpty())
            ChangeConceptName(id, picked, name);
        FillNamesList();
    } catch (const db::DbError &e) {
        reportCommandFailure(e);
    }
}

void frmOntoEdit::mnuNameDelete_Click()
{
    QTreeWidgetItem *selected = lvwNames->currentItem();
    if (!selected)
        return;
    try {
        DeleteConceptName(nameIdOf(selected));
        FillNamesList();
    } catch (const db::DbError &e) {
        reportCommandFailure(e);
    }
}

void frmOntoEdit::lvwNames_ColumnClick(int column) { lvwNames->sortItems(column - 1, Qt::AscendingOrder); }

void frmOntoEdit::lvwNames_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (CurrentConcept.isEmpty())
        CurrentConcept = RootConcept;
    const bool any = lvwNames->topLevelItemCount() > 0;
    mnuNameEdit->setEnabled(any);
    mnuNameDelete->setEnabled(any);
    ui::popupMenu(*mnuName);
}
