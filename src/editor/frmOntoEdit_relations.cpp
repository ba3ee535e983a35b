// The relations and attributes of the current concept (or, for an attribute or relation
// concept, its domains and ranges) in lstRels and lstAttrs: filling, the pop-ups, adding
// through the relation dialog, deleting and following an item.

#include "frmOntoEdit.h"
#include "ontology/ConceptTypes.h"

#include "PaneCommands.h"
#include "db/Text.h"
#include "frmEditRel.h"
#include "ontology/Global.h"
#include "ontology/LocalSlots.h"
#include "ui/CommandBoundary.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/PopupMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

bool isSlotConcept(int type) { return type == 3 || type == 4; }


void addItem(QListWidget &list, const QString &text, qint64 key, const QString &relation, const QString &target)
{
    auto *item = new QListWidgetItem(text, &list);
    item->setData(frmOntoEdit::RowKeyRole, key);
    item->setData(frmOntoEdit::RelationRole, relation);
    item->setData(frmOntoEdit::TargetRole, target);
}


}  // namespace

void frmOntoEdit::buildPropertyCommands()
{
    QWidget *w = window();
    const auto item = [this](QMenu *menu, const QString &caption, void (frmOntoEdit::*handler)()) {
        return ui::addMenuItem(menu, caption, this, handler);
    };
    mnuRel->setTitle(QStringLiteral("Relationship"));
    mnuRelAdd = item(mnuRel, QStringLiteral("&Add relation"), &frmOntoEdit::mnuRelAdd_Click);
    mnuRelDelete = item(mnuRel, QStringLiteral("&Delete selected relation"), &frmOntoEdit::mnuRelDelete_Click);
    mnuGoTo->setTitle(QStringLiteral("&Go To..."));
    mnuRelGoTo = mnuRel->addMenu(mnuGoTo);
    mnuRelGoToRel = item(mnuGoTo, QStringLiteral("&Relation"), &frmOntoEdit::mnuRelGoToRel_Click);
    mnuRelGoToConcept = item(mnuGoTo, QStringLiteral("Related &Concept"), &frmOntoEdit::mnuRelGoToConcept_Click);
    mnuAttr->setTitle(QStringLiteral("Attribute"));
    mnuAttrAdd = item(mnuAttr, QStringLiteral("&Add attribute"), &frmOntoEdit::mnuAttrAdd_Click);
    mnuAttrDelete = item(mnuAttr, QStringLiteral("&Delete selected attribute"), &frmOntoEdit::mnuAttrDelete_Click);
    mnuISAAdd = item(mnuISA, QStringLiteral("&Add IS-A link"), &frmOntoEdit::mnuISAAdd_Click);
    mnuISAEdit = item(mnuISA, QStringLiteral("&Edit selected link"), &frmOntoEdit::mnuISAEdit_Click);
    mnuISADelete = item(mnuISA, QStringLiteral("&Delete selected link"), &frmOntoEdit::mnuISADelete_Click);
    mnuDomainAdd = item(mnuDomain, QStringLiteral("&Add Domain"), &frmOntoEdit::mnuDomainAdd_Click);
    mnuDomainDelete = item(mnuDomain, QStringLiteral("&Delete selected Domain"), &frmOntoEdit::mnuDomainDelete_Click);
    mnuRangeAdd = item(mnuRange, QStringLiteral("&Add Range"), &frmOntoEdit::mnuRangeAdd_Click);
    mnuRangeDelete = item(mnuRange, QStringLiteral("&Delete selected Range"), &frmOntoEdit::mnuRangeDelete_Click);
    mnuInheritGoToAttr = item(mnuInherit, QStringLiteral("Go to &Attribute"), &frmOntoEdit::mnuInheritGoToAttr_Click);
    mnuInheritGoToValue = item(mnuInherit, QStringLiteral("Go to &Value"), &frmOntoEdit::mnuInheritGoToValue_Click);
    mnuInheritGoToFrom = item(mnuInherit, QStringLiteral("Go to '&From'"), &frmOntoEdit::mnuInheritGoToFrom_Click);
    mnuInherit->addSeparator();
    mnuInheritCopy = item(mnuInherit, QStringLiteral("&Copy to Clipboard"), &frmOntoEdit::mnuInheritCopy_Click);

    ui::onPopupRequest(lstRels, ui::command(w, [this] { lstRels_MouseUp(Qt::RightButton); }));
    ui::onPopupRequest(lstAttrs, ui::command(w, [this] { lstAttrs_MouseUp(Qt::RightButton); }));
    ui::onPopupRequest(lstISA, ui::command(w, [this] { lstISA_MouseUp(Qt::RightButton); }));
    ui::onPopupRequest(lvwInherit, ui::command(w, [this] { lvwInherit_MouseUp(Qt::RightButton); }));
    QObject::connect(lstRels, &QListWidget::itemDoubleClicked, w, ui::command(w, [this] { lstRels_DblClick(); }));

    // Setting these from code (clearing the panes) runs the same handlers as a click.
    QObject::connect(optOff, &QRadioButton::toggled, w, ui::command(w, [this](bool on) { if (on) optOff_Click(); }));
    QObject::connect(optCumulative, &QRadioButton::toggled, w, ui::command(w, [this](bool on) { if (on) optCumulative_Click(); }));
    QObject::connect(optExclusive, &QRadioButton::toggled, w, ui::command(w, [this](bool on) { if (on) optExclusive_Click(); }));
    QObject::connect(chkInhAttrs, &QCheckBox::toggled, w, ui::command(w, [this] { chkInhAttrs_Click(); }));
    QObject::connect(chkInhRels, &QCheckBox::toggled, w, ui::command(w, [this] { chkInhRels_Click(); }));
    lvwInherit->header()->setSectionsClickable(true);
    QObject::connect(lvwInherit->header(), &QHeaderView::sectionClicked, w,
                     ui::command(w, [this](int section) { lvwInherit_ColumnClick(section + 1); }));

    lblNewRel.onChange(ui::command(w, [this] { lblNewRel_Change(); }));
    lblNewAttr.onChange(ui::command(w, [this] { lblNewAttr_Change(); }));
}

void frmOntoEdit::ShowLocalProperties()
{
    lstRels->clear();
    lstAttrs->clear();
    const bool slotPanes = isSlotConcept(CurrentType);
    lblRels->setText(slotPanes ? QStringLiteral("LOCAL DOMAINS") : QStringLiteral("LOCAL RELATIONS"));
    lblAttrs->setText(slotPanes ? QStringLiteral("LOCAL RANGES") : QStringLiteral("LOCAL ATTRIBUTES"));
    if (CurrentConcept.isEmpty())
        return;
    try {
        if (!slotPanes) {
            for (const RelationRow &r : GetRelationRows(CurrentConcept))
                addItem(*lstRels, RelationItemText(r), r.id, r.rel, r.concept2);
            for (const AttributeRow &a : GetAttributeRows(CurrentConcept))
                addItem(*lstAttrs, AttributeItemText(a), a.id, a.attribute, a.value);
            return;
        }
        for (const RelationRow &r : GetSlotRelationRows(CurrentConcept, DomainSlot))
            addItem(*lstRels, SlotItemText(r.concept2, r.isDefault), r.id, r.rel, r.concept2);
        if (CurrentType == RelationType) {
            for (const RelationRow &r : GetSlotRelationRows(CurrentConcept, RangeSlot))
                addItem(*lstAttrs, SlotItemText(r.concept2, r.isDefault), r.id, r.rel, r.concept2);
        } else {
            for (const AttributeRow &a : GetSlotAttributeRows(CurrentConcept, RangeSlot))
                addItem(*lstAttrs, SlotItemText(a.value, a.isDefault), a.id, a.attribute, a.value);
        }
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
}

void frmOntoEdit::lstRels_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton || CurrentConcept.isEmpty() || db::sameText(CurrentConcept, RootConcept))
        return;
    const bool selected = selectedItem(*lstRels) != nullptr;
    if (isSlotConcept(CurrentType)) {
        mnuDomainDelete->setEnabled(selected);
        ui::popupMenu(*mnuDomain);
    } else {
        mnuRelDelete->setEnabled(selected);
        mnuRelGoTo->setEnabled(selected);
        ui::popupMenu(*mnuRel);
    }
}

void frmOntoEdit::lstAttrs_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton || CurrentConcept.isEmpty() || db::sameText(CurrentConcept, RootConcept))
        return;
    const bool selected = selectedItem(*lstAttrs) != nullptr;
    if (isSlotConcept(CurrentType)) {
        mnuRangeDelete->setEnabled(selected);
        ui::popupMenu(*mnuRange);
    } else {
        mnuAttrDelete->setEnabled(selected);
        ui::popupMenu(*mnuAttr);
    }
}

void frmOntoEdit::mnuRelAdd_Click()
{
    auto dialog = std::make_shared<frmEditRel>();
    dialog->load();
    dialog->arrange(QStringLiteral("Add Relation"), CurrentConcept);
    dialog->lblStart.setCaption({});
    dialog->lblStart.setCaption(CurrentConcept);
    dialog->showModal(*this);
    dialog->unload();
}

void frmOntoEdit::mnuAttrAdd_Click()
{
    auto dialog = std::make_shared<frmEditRel>();
    dialog->load();
    dialog->arrange(QStringLiteral("Add Attribute"), CurrentConcept);
    dialog->lblStart.setCaption({});
    dialog->lblStart.setCaption(QStringLiteral("Start"));
    dialog->show();
}

void frmOntoEdit::mnuRelDelete_Click()
{
    QListWidgetItem *item = selectedItem(*lstRels);
    if (!item)
        return;
    const qint64 key = item->data(RowKeyRole).toLongLong();
    if (deleteAfterAsking(QStringLiteral("Confirm deletion of relation:\r\n") + CurrentConcept + QStringLiteral(" : ") +
                              item->text(),
                          QStringLiteral("relation"), [key] { return DeleteRelationPair(key); }))
        ShowLocalProperties();
}

void frmOntoEdit::mnuAttrDelete_Click()
{
    QListWidgetItem *item = selectedItem(*lstAttrs);
    if (CurrentConcept.isEmpty() || !item)
        return;
    const qint64 key = item->data(RowKeyRole).toLongLong();
    if (deleteAfterAsking(QStringLiteral("Confirm deletion of Attribute:\r\n") + item->text(),
                          QStringLiteral("attribute-value pair"), [key] { return DeleteAttributeRow(key); }))
        ShowLocalProperties();
}

void frmOntoEdit::mnuRelGoToRel_Click()
{
    if (QListWidgetItem *item = selectedItem(*lstRels))
        GoToConcept(item->data(RelationRole).toString());
}

void frmOntoEdit::lstRels_DblClick()
{
    if (QListWidgetItem *item = selectedItem(*lstRels))
        GoToConcept(item->data(TargetRole).toString());
}

void frmOntoEdit::lblNewRel_Change()
{
    if (!lblNewRel.caption().isEmpty())
        ShowLocalProperties();
}

void frmOntoEdit::lblNewAttr_Change()
{
    if (!lblNewAttr.caption().isEmpty())
        ShowLocalProperties();
}

// Dialogs are found by what they are, whatever their captions say: captions carry names
// the user typed.
void frmOntoEdit::SignalRelationDialogs(const QString &word)
{
    for (const auto &d : ui::forms().ofType<frmEditRel>()) {
        d->lblRefresh.setCaption({});
        d->lblRefresh.setCaption(word);
    }
}

void frmOntoEdit::FollowCurrentConceptInRelationDialogs()
{
    for (const auto &d : ui::forms().ofType<frmEditRel>())
        if (d->Mode == QLatin1String("AddRel") || d->Mode == QLatin1String("AddAttr"))
            d->txtConcept1->setText(CurrentConcept);
}
