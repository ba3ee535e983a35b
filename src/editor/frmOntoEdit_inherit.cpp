// The inherited-properties pane: what the current concept inherits, computed on demand,
// sorted by a column, copied as a report, and followed to the slot, value or ancestor.

#include "ui/MsgBox.h"
#include "frmOntoEdit.h"

#include "PaneCommands.h"

#include "ontology/Global.h"
#include "ui/MousePointer.h"
#include "ui/PopupMenu.h"
#include "ui/StatusBar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>


void frmOntoEdit::FillInheritedList()
{
    lvwInherit->clear();
    if (optOff->isChecked() || CurrentConcept.isEmpty())
        return;
    QString include;
    if (chkInhAttrs->isChecked() && chkInhRels->isChecked())
        include = QStringLiteral("all");
    else if (chkInhRels->isChecked())
        include = QStringLiteral("rels");
    else if (chkInhAttrs->isChecked())
        include = QStringLiteral("attrs");
    else
        return;
    const QString panel = StatusBar1->panelText(1);
    StatusBar1->setPanelText(1, QStringLiteral("Calculating..."));
    {
        ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        lvwInherit->hide();
        try {
            ComputeInherited(CurrentConcept, optCumulative->isChecked() ? QStringLiteral("c") : QStringLiteral("x"),
                             include);
            if (!RSInherit->isEmpty()) {
                for (RSInherit->moveFirst(); !RSInherit->eof(); RSInherit->moveNext()) {
                    auto *row = new QTreeWidgetItem(lvwInherit);
                    row->setText(0, RSInherit->text(QStringLiteral("Attr")));
                    row->setText(1, RSInherit->text(QStringLiteral("Value")));
                    row->setText(2, RSInherit->text(QStringLiteral("From")));
                }
            }
        } catch (const db::DbError &e) {
            ui::errorBox(e.description());
        }
        sortByChosenColumn(*lvwInherit, InheritSortColumn);
        lvwInherit->show();
    }
    StatusBar1->setPanelText(1, panel);
}

void frmOntoEdit::optOff_Click()
{
    lvwInherit->clear();
    fralvwInclude->setEnabled(false);
    chkInhRels->setEnabled(false);
    chkInhAttrs->setEnabled(false);
}

void frmOntoEdit::optCumulative_Click()
{
    FillInheritedList();
    fralvwInclude->setEnabled(true);
    chkInhRels->setEnabled(true);
    chkInhAttrs->setEnabled(true);
}

void frmOntoEdit::optExclusive_Click() { optCumulative_Click(); }

void frmOntoEdit::lvwInherit_ColumnClick(int column)
{
    InheritSortColumn = column - 1;
    sortByChosenColumn(*lvwInherit, InheritSortColumn);
}

void frmOntoEdit::lvwInherit_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton && lvwInherit->topLevelItemCount() > 0)
        ui::popupMenu(*mnuInherit);
}

void frmOntoEdit::goToInherited(int column)
{
    QTreeWidgetItem *row = selectedItem(*lvwInherit);
    if (!row)
        return;
    QString target = row->text(column);
    // A default value names its concept without the mark that makes it a default.
    if (target.endsWith(DefaultSuffix))
        target.chop(DefaultSuffix.size());
    GoToConcept(target);
}

void frmOntoEdit::mnuInheritGoToAttr_Click() { goToInherited(0); }
void frmOntoEdit::mnuInheritGoToValue_Click() { goToInherited(1); }
void frmOntoEdit::mnuInheritGoToFrom_Click() { goToInherited(2); }

void frmOntoEdit::mnuInheritCopy_Click()
{
    if (lvwInherit->topLevelItemCount() == 0)
        return;
    const QString crlf = QStringLiteral("\r\n");
    QString include = QStringLiteral("Attributes");
    if (chkInhRels->isChecked())
        include = chkInhAttrs->isChecked() ? QStringLiteral("Relations and Attributes") : QStringLiteral("Relations");
    QString report = QStringLiteral("Inherited properties for ") + CurrentConcept + QStringLiteral(":") + crlf +
                     QStringLiteral("Inheritance type: ") +
                     (optCumulative->isChecked() ? QStringLiteral("Cumulative") : QStringLiteral("Exclusive")) + crlf +
                     QStringLiteral("Include: ") + include + crlf + crlf + QStringLiteral("Attribute;Value;From") + crlf;
    for (int i = 0; i < lvwInherit->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = lvwInherit->topLevelItem(i);
        report += row->text(0) + QLatin1Char(';') + row->text(1) + QLatin1Char(';') + row->text(2) + crlf;
    }
    copyToClipboard(report);
}
