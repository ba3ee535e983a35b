// A click on an element: the pick of a cross-reference's target, or the element made
// current and shown (its value for modification, its entry page or attached file in
// browse mode); refreshing the node that just received an element; following a
// cross-reference.

#include "frmTBEDitor.h"

#include "termbase/DataCategories.h"
#include "termbase/ElementStore.h"
#include "termbase/Elements.h"
#include "termbase/Global.h"
#include "ui/InputBox.h"
#include "ui/Like.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <limits>

namespace {

constexpr int LongestDescription = 50;

bool isOneOf(const QString &image, const QStringList &images) { return images.contains(image); }

// A number the slider can show; one beyond it is not offered for change at all.
bool fitsSlider(qint64 value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

const QStringList valueImages = {"attribute", "note", "url"};
const QStringList fileImages = {"figure", "audio",   "video",         "table", "binary",
                                "classifsystem", "context", "conceptsystem", "subset"};

}  // namespace

void frmTBEDitor::Tree1_NodeClick(const QModelIndex &)
{
    // Whoever calls, the element is the selected node's.
    const QModelIndex selected = selectedNode();
    if (!selected.isValid() || Tree1Nodes->isPlaceholder(selected))
        return;
    const qint64 clickedID = Tree1Nodes->elemID(selected);
    const QString clickedCategory = GetElementCategory(clickedID);
    if (clickedCategory.isEmpty())
        return;  // the element is gone: GL001 has told the user
    if (XRefMode) {
        pickCrossReferenceTarget(clickedID, clickedCategory);
        return;
    }
    ordinaryClick(selected, clickedID, clickedCategory);
}

void frmTBEDitor::pickCrossReferenceTarget(qint64 clickedID, const QString &clickedCategory)
{
    const qint64 source = XRefSourceID;
    const QString pointerCategory = ChosenCategory;
    const auto refuse = [&](const QString &message, const QString &title) {
        if (!message.isEmpty())
            ui::msgBox(message, ui::Buttons::Ok, ui::Icon::Exclamation, title);
        CurrentElemID = clickedID;
        CurrentCategory = clickedCategory;
        XRefMode = false;
        UnlockEditorUI();
    };
    if (clickedID == source)
        return refuse(QStringLiteral("An element can't be cross-referenced to itself!"), {});
    if (ui::Like(clickedCategory, QStringLiteral("0*")))
        return refuse(QStringLiteral("Element can't be cross-referenced."), {});
    if (pointerCategory != QLatin1String("10.18") && clickedCategory != QLatin1String("1"))
        return refuse(QStringLiteral("Not a valid cross-reference for ") + GetDataCategoryName(GetElementCategory(source)) +
                          QStringLiteral(". Only terms, can be cross-referenced ") + QStringLiteral(" by an element of this kind."),
                      {});
    QString text;
    if (pointerCategory == QLatin1String("10.18")) {
        text = ui::inputBoxOrEmpty(QStringLiteral("Enter a description for this cross-reference."),
                                   QStringLiteral("Cross-reference Name"));
        if (text.size() > LongestDescription)
            return refuse(QStringLiteral("That isn't short... Try again."), QStringLiteral("Error"));
        if (text.isEmpty())
            return refuse({}, {});
    } else {
        text = GetDataCategoryType(pointerCategory);
        if (text.isEmpty())
            return refuse(QStringLiteral("Data integrity error. Data category not found. Error Code TB002."),
                          QStringLiteral("Error"));
    }
    StoreCrossReference(source, pointerCategory, clickedID, text, LastElemID);
    XRefMode = false;
    UnlockEditorUI();
    ReselectElementNode();
    // The window then shows the source with its new cross-reference: the selected node
    // and the current element are one again.
    CurrentElemID = 0;
    Tree1_NodeClick(selectedNode());
}

void frmTBEDitor::ordinaryClick(const QModelIndex &node, qint64 clickedID, const QString &clickedCategory)
{
    if (CurrentElemID == clickedID)
        return;
    HideValueControls();
    CurrentElemID = clickedID;
    if (clickedCategory != CurrentCategory) {
        CurrentCategory = clickedCategory;
        if (!inBrowseMode()) {
            MarkValidCategories();
            UpdateElementToolbar();
        }
    }
    const QString image = Tree1Nodes->image(node);
    if (isOneOf(image, valueImages)) {
        showValueForModification(node, clickedID);
    } else if (image == QLatin1String("concept")) {
        if (inBrowseMode())
            showEntryPageOf(node, clickedID);
        txtElem->setText(Tree1Nodes->text(node).toUpper());
        fraEdit->hide();
    } else if (isOneOf(image, fileImages)) {
        if (inBrowseMode())
            showAttachedFile(node, clickedID);
        fraEdit->hide();
    } else {
        txtElem->setText(Tree1Nodes->text(node).toUpper());
        fraEdit->hide();
    }
}

void frmTBEDitor::showValueForModification(const QModelIndex &node, qint64 clickedID)
{
    txtElem->setText(Tree1Nodes->text(node.parent()));
    txtDC->setText(Tree1Nodes->text(node));
    const ElementValue value = ReadElementValue(clickedID);
    const bool empty = value.value.isNull() || value.value.toString().isEmpty() ||
                       (value.valueType == QLatin1String("number") && value.value.toLongLong() == 0);
    if (empty) {
        fraEdit->hide();
        return;
    }
    if (value.valueType == QLatin1String("text")) {
        txtData->setPlainText(value.value.toString());
        txtData->show();
        fraEdit->show();
        txtData->setFocus();
    } else if (value.valueType == QLatin1String("picklist")) {
        lstData->clear();
        lstData->addItems(PicklistValues(CurrentCategory));
        lstData->show();
        fraEdit->show();
        const QList<QListWidgetItem *> same = lstData->findItems(value.value.toString(), Qt::MatchExactly);
        if (!same.isEmpty())
            lstData->setCurrentItem(same.first());
        lstData->setFocus();
    } else if (value.valueType == QLatin1String("date")) {
        mskData->setText(value.value.toDate().toString(QStringLiteral("dd/MM/yyyy")));
        mskData->show();
        fraEdit->show();
        mskData->setFocus();
    } else if (value.valueType == QLatin1String("number") && CurrentCategory == QLatin1String("3.4") &&
               fitsSlider(value.value.toLongLong())) {
        setSliderValue(int(value.value.toLongLong()));
        sldData->show();
        fraEdit->show();
        sldData->setFocus();
    } else {
        return;  // nothing of it can be changed here
    }
    if (!value.langID.isEmpty()) {
        lstLang->show();
        const QList<QListWidgetItem *> same = lstLang->findItems(value.langID, Qt::MatchExactly);
        if (!same.isEmpty())
            lstLang->setCurrentItem(same.first());
    }
    cmdEdit->show();
    cmdEdit->setDefault(true);
    cmdAssert->setDefault(false);
}


void frmTBEDitor::showAttachedFile(const QModelIndex &node, qint64 clickedID)
{
    QString fileName;
    if (ui::Like(CurrentCategory, QStringLiteral("x*"))) {
        fileName = Tree1Nodes->text(node);
    } else {
        const std::optional<qint64> target = PointerTarget(clickedID);
        const std::optional<QString> name = target ? RefValueOf(*target) : std::nullopt;
        if (!name)
            return;
        fileName = *name;
    }
    // A file record names a file of the back folder, never one elsewhere.
    const QString path = QDir::toNativeSeparators(TermbaseFolder + TermbaseInfo.Name + QStringLiteral("-back/") +
                                                  QFileInfo(fileName).fileName());
    if (!QFileInfo(path).isFile()) {
        ui::msgBox(QStringLiteral("Target file ") + path + QStringLiteral(" not found. You should either copy this file ") +
                       QStringLiteral("yourself or delete the reference from the backmatter."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    showFileInBrowser(path);
    txtElem->setText(Tree1Nodes->text(node).toUpper());
}

void frmTBEDitor::ReselectElementNode()
{
    const QString category = ChosenCategory;
    QModelIndex node = selectedNode();
    if (GetDataCategoryGIName(category) == QLatin1String("ptr")) {
        const QModelIndex source = Tree1Nodes->findKey(ElementKey(XRefSourceID));
        if (source.isValid())
            node = source;
    }
    if (!node.isValid())
        return;
    // The node is read again from the file, label and children: what it shows is what
    // reading its parent again would show, at the cost of one node.
    rereadNode(node);
}

void frmTBEDitor::mnuElemGoTo_Click()
{
    const qint64 id = Tree1Nodes->elemID(selectedNode());
    const qint64 target = PointerTarget(id).value_or(0);
    if (target == 0) {
        ui::errorBox(QStringLiteral("Data integrity error. Error Code TB001."));
        return;
    }
    RevealElement(target);
    // The revealed element is the current one, for every command that follows.
    if (Tree1Nodes->elemID(selectedNode()) == target)
        Tree1_NodeClick(selectedNode());
}
