// The names pane of the current concept: its names by language, added, changed and
// deleted through the naming dialog.

#include "ui/MsgBox.h"
#include "frmOntoEdit.h"

#include "PaneCommands.h"

#include "frmNames.h"
#include "ontology/ConceptCommands.h"
#include "ontology/Global.h"
#include "ui/PopupMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <functional>

namespace {

constexpr int NameIdRole = Qt::UserRole;

qint64 nameIdOf(const QTreeWidgetItem *item) { return item->data(0, NameIdRole).toLongLong(); }

struct NameAnswer {
    bool confirmed = false;
    QString name;
    QString lang;
};

// The naming dialog in its name mode, shown for the concept; prepare selects the language
// and fills the name before it is shown.
NameAnswer askForName(frmOntoEdit &main, const std::function<void(frmNames &)> &prepare)
{
    const auto dialog = std::make_shared<frmNames>();
    dialog->load();
    dialog->lblStart.setCaption(QStringLiteral("Name"));
    dialog->txtConcept->setText(main.CurrentConcept);
    dialog->txtDef->setPlainText(main.txtDef->toPlainText());
    prepare(*dialog);
    dialog->showModal(main);
    NameAnswer answer{dialog->lblStart.caption() == QStringLiteral("OK"), dialog->txtName->text(),
                      dialog->selectedLanguage()};
    dialog->unload();
    return answer;
}

}  // namespace

void frmOntoEdit::FillNamesList()
{
    lvwNames->clear();
    for (const ConceptName &n : NamesOf(CurrentConcept)) {
        auto *item = new QTreeWidgetItem(lvwNames, {GetLanguageName(n.lang), n.name});
        // The row's key, so edit and delete reach this row whatever the texts hold.
        item->setData(0, NameIdRole, n.id);
    }
    sortByChosenColumn(*lvwNames, NamesSortColumn);
    if (lvwNames->topLevelItemCount() > 0)
        lvwNames->setCurrentItem(lvwNames->topLevelItem(0));
}

void frmOntoEdit::mnuNameAdd_Click()
{
    if (CurrentConcept.isEmpty())
        return;
    const NameAnswer answer = askForName(*this, [this](frmNames &d) {
        d.setCaption(QStringLiteral("Naming - ") + CurrentConcept);
    });
    if (answer.confirmed && !answer.name.isEmpty() && !answer.lang.isEmpty()) {
        AddConceptName(CurrentConcept, answer.lang, answer.name);
        FillNamesList();
    }
}

void frmOntoEdit::mnuNameEdit_Click()
{
    QTreeWidgetItem *selected = lvwNames->currentItem();
    if (!selected)
        return;
    const qint64 id = nameIdOf(selected);
    QString lang;
    for (const ConceptName &n : NamesOf(CurrentConcept))
        if (n.id == id)
            lang = n.lang;
    const QString name = selected->text(1);
    const NameAnswer answer = askForName(*this, [&](frmNames &d) {
        d.selectLanguage(lang);
        d.txtName->setText(name);
    });
    if (answer.confirmed && !answer.lang.isEmpty())
        ChangeConceptName(id, answer.lang, answer.name);
    FillNamesList();
}

void frmOntoEdit::mnuNameDelete_Click()
{
    QTreeWidgetItem *selected = lvwNames->currentItem();
    if (!selected)
        return;
    DeleteConceptName(nameIdOf(selected));
    FillNamesList();
}

void frmOntoEdit::lvwNames_ColumnClick(int column)
{
    NamesSortColumn = column - 1;
    sortByChosenColumn(*lvwNames, NamesSortColumn);
}

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
