// Storing what the value editor holds: a new element under the selected one (Assert),
// or the changed value of the selected element (Edit).

#include "frmTBEDitor.h"

#include "termbase/DataCategories.h"
#include "termbase/ElementStore.h"
#include "termbase/Global.h"
#include "termbase/TermbaseFile.h"
#include "ui/DataList.h"
#include "ui/MsgBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// What the first visible input control holds, in the order the controls are read.
struct TypedValue {
    enum Control { None, Text, List, Refs, Slider, Concepts, Date } control = None;
    QVariant value;      // the text, the number, or the date as typed
    qint64 recordID = 0;  // the record a list item stands for
    bool isEmpty() const
    {
        return control == None || (control == Slider ? value.toLongLong() == 0 : value.toString().isEmpty());
    }
};

bool shown(const QWidget *control) { return !control->isHidden(); }

QString selectedText(const QListWidget &list)
{
    const QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

qint64 selectedRecord(const QListWidget &list)
{
    const QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toLongLong() : 0;
}

// The date typed as dd/mm/yyyy, checked strictly: no day or month out of range.
std::optional<QDate> typedDate(const QString &text)
{
    const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

const QString BadDateMessage = QStringLiteral("This is not a date: type it as dd/mm/yyyy.");

}  // namespace

static TypedValue readTypedValue(const frmTBEDitor &w, bool forAssert)
{
    TypedValue v;
    // The date mask shows its separators even when nothing is typed.
    const QString dateText = w.mskData->text() == QLatin1String("//") ? QString() : w.mskData->text();
    if (shown(w.txtData)) {
        v = {TypedValue::Text, w.txtData->toPlainText()};
    } else if (shown(w.lstData)) {
        v = {TypedValue::List, selectedText(*w.lstData)};
        v.recordID = selectedRecord(*w.lstData);
    } else if (forAssert && shown(w.lstRefs)) {
        v = {TypedValue::Refs, selectedText(*w.lstRefs)};
        v.recordID = selectedRecord(*w.lstRefs);
    } else if (shown(w.sldData)) {
        v = {TypedValue::Slider, qint64(w.sldData->value())};
    } else if (forAssert && shown(w.dbcConcepts)) {
        v = {TypedValue::Concepts, w.dbcConcepts->text()};
    } else if (shown(w.mskData)) {
        v = {TypedValue::Date, dateText};
    }
    return v;
}

void frmTBEDitor::cmdAssert_Click()
{
    if (shown(lstLang) && selectedText(*lstLang).isEmpty()) {
        ui::msgBox(QStringLiteral("This element requires a language to be specified"), ui::Buttons::Ok,
                   ui::Icon::Information, QStringLiteral("Error"));
        lstLang->setFocus();
        return;
    }
    const QString category = lblEdit->text();
    if (category.isEmpty())
        return;
    const TypedValue typed = readTypedValue(*this, true);
    if (typed.isEmpty()) {
        ui::errorBox(QStringLiteral("You must specify a value"));
        return;
    }
    std::optional<QDate> date;
    if (typed.control == TypedValue::Date && !(date = typedDate(typed.value.toString()))) {
        ui::errorBox(BadDateMessage);
        return;
    }
    const QString language = shown(lstLang) ? selectedText(*lstLang) : QString();
    const QModelIndex parentNode = selectedNode();
    const qint64 parentID = Tree1Nodes->elemID(parentNode);

    if (category == QLatin1String("1")) {
        const TermStored stored = StoreTerm(parentID, typed.value.toString(), language, LastElemID);
        TermCount = CountElements(QStringLiteral("1"));
        UpdateStatusCounts();
        // The entry is read again and shown open at the section that took the term.
        const QPersistentModelIndex entry(parentNode);
        rereadNode(entry);
        expandNode(Tree1Nodes->childByKey(entry, ElementKey(stored.sectionID)));
        txtData->clear();
        if (!stored.sectionsWithoutLanguage.empty()) {
            QStringList ids;
            for (qint64 id : stored.sectionsWithoutLanguage)
                ids << QString::number(id);
            ui::msgBox(QStringLiteral("This entry has a language section without its language (element ") +
                           ids.join(QStringLiteral(", ")) +
                           QStringLiteral("). It was left as it is; the term went to the section of its language."),
                       ui::Buttons::Ok, ui::Icon::Exclamation);
        }
        return;
    }
    if (category == QLatin1String("0.3")) {
        const EntryStored stored = StoreTermEntry(parentID, typed.value.toString(), LastElemID);
        if (stored.outcome == EntryOutcome::Exists) {
            ui::msgBox(QStringLiteral("TermEntry exists!"), ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Error"));
            return;
        }
        if (stored.outcome == EntryOutcome::UnknownConcept) {
            ui::msgBox(QStringLiteral("The concept ") + typed.value.toString() +
                           QStringLiteral(" is not one of this termbase's concepts."),
                       ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Error"));
            return;
        }
        dbcConcepts->setCurrentRow(-1);
        EntryCount = CountElements(QStringLiteral("0.3"));
        UpdateStatusCounts();
        rereadNode(parentNode);
        return;
    }
    if (IsReferringCategory(category)) {
        if (StoreReferringElement(parentID, category, typed.recordID, BackMatterCategoryOf(category), LastElemID) == 0) {
            ui::msgBox(QStringLiteral("The record chosen is no longer in the back matter: choose another one."),
                       ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Error"));
            return;
        }
        ReselectElementNode();
        return;
    }

    const DataCategoryRow *row = nullptr;
    for (const DataCategoryRow &r : DCTable)
        if (r.categoryID == category)
            row = &r;
    const QString elementLanguage = row && row->needs_lang == QLatin1String("True") ? language : QString();
    ValueKind kind = ValueKind::Text;
    QVariant value = typed.value;
    switch (typed.control) {
    case TypedValue::List: kind = ValueKind::Picklist; break;
    case TypedValue::Refs:
        kind = ValueKind::Reference;
        value = typed.recordID;
        break;
    case TypedValue::Date:
        kind = ValueKind::Date;
        value = *date;
        break;
    case TypedValue::Slider: kind = ValueKind::Number; break;
    default: break;
    }
    if (StoreValueElement(parentID, category, kind, value, elementLanguage, LastElemID) == 0) {
        ui::msgBox(QStringLiteral("Inconsistency error. Element does not exist. Error Code TB005"), ui::Buttons::Ok,
                   ui::Icon::Critical);
        return;
    }
    switch (typed.control) {
    case TypedValue::Text: txtData->clear(); break;
    case TypedValue::List: lstData->clear(); break;
    case TypedValue::Refs: lstRefs->clear(); break;
    case TypedValue::Date: mskData->setText(QString()); break;
    case TypedValue::Slider: setSliderValue(5); break;
    default: break;
    }
    ReselectElementNode();
}

void frmTBEDitor::cmdEdit_Click()
{
    const QModelIndex node = selectedNode();
    const qint64 id = Tree1Nodes->elemID(node);
    const TypedValue typed = readTypedValue(*this, false);
    if (typed.control == TypedValue::None)
        return;
    if (typed.isEmpty()) {
        mnuElemDelete_Click();
        return;
    }
    ValueKind kind = ValueKind::Text;
    QVariant value = typed.value;
    switch (typed.control) {
    case TypedValue::List: kind = ValueKind::Picklist; break;
    case TypedValue::Slider: kind = ValueKind::Number; break;
    case TypedValue::Date: {
        const std::optional<QDate> date = typedDate(typed.value.toString());
        if (!date) {
            ui::errorBox(BadDateMessage);
            return;
        }
        kind = ValueKind::Date;
        value = *date;
        break;
    }
    default: break;
    }
    std::optional<QString> language;
    if (shown(lstLang) && !selectedText(*lstLang).isEmpty())
        language = selectedText(*lstLang);
    if (!UpdateElementValue(id, kind, value, language)) {
        ui::errorBox(QStringLiteral("Element not found. Fatal Error. Error Code TB004."));
        return;
    }
    ReselectElementNode();
}
