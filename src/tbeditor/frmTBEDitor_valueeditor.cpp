// The value editor: which categories may be added under the current element, the choice
// of one, and the input control set up for it.

#include "frmTBEDitor.h"

#include "termbase/DataCategories.h"
#include "termbase/ElementStore.h"
#include "termbase/Global.h"
#include "ui/CommandBoundary.h"
#include "ui/DataList.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QDate>
#include <map>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

const QString NoRecordsMessage =
    QStringLiteral("No elements of this kind have been added to the TermBase's ") +
    QStringLiteral("backmatter. In order to add new elements click on the container ") +
    QStringLiteral("under the 'backmatter' folder in the elements tree, then click on the desired category ") +
    QStringLiteral("in the 'data categories' tree.");

// Runs a handler when the control is clicked.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject *parent, std::function<void()> onClick) : QObject(parent), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_onClick();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onClick;
};

// Enter in any box of the value editor presses its default button (Assert for a new
// element, Edit for a stored value), as in a dialog. The multi-line box keeps a line
// break for Ctrl+Enter; Tab and Shift+Tab leave it as they leave every other box.
class ValueEditorKeys : public QObject {
public:
    ValueEditorKeys(QGroupBox *frame, QPlainTextEdit *text, std::initializer_list<QPushButton *> buttons)
        : QObject(frame), m_text(text), m_buttons(buttons)
    {
        text->setTabChangesFocus(true);
        text->installEventFilter(this);
        // The other boxes leave Enter to their parent.
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (watched == m_text && (key->modifiers() & Qt::ControlModifier)) {
            m_text->insertPlainText(QStringLiteral("\n"));
            return true;
        }
        // A button with the focus answers Enter itself.
        if (qobject_cast<QPushButton *>(QApplication::focusWidget()))
            return false;
        for (QPushButton *button : m_buttons)
            if (button->isDefault() && !button->isHidden() && button->isEnabled()) {
                button->click();
                return true;
            }
        return false;
    }

private:
    QPlainTextEdit *m_text;
    std::vector<QPushButton *> m_buttons;
};

void fillRecords(QListWidget &list, const std::vector<BackMatterRecord> &records)
{
    for (const BackMatterRecord &r : records) {
        auto *item = new QListWidgetItem(r.text, &list);
        // The record itself, so that one of two records of equal text can be chosen.
        item->setData(Qt::UserRole, r.elemID);
    }
}

// Back-matter records made as soon as their category is chosen.
const std::map<QString, void (frmTBEDitor::*)()> recordMadeAtOnce = {
    {QStringLiteral("x10.20"), &frmTBEDitor::AddBibliographicRecord},
    {QStringLiteral("x10.2.2"), &frmTBEDitor::AddResponsible},
    {QStringLiteral("xx4"), &frmTBEDitor::AddSubjectFieldSet},
    {QStringLiteral("x10.21.1"), &frmTBEDitor::AddUrl},
    {QStringLiteral("x10.21.2"), &frmTBEDitor::AddFpi},
};

// The numbers the slider offers for a new value.
constexpr int SliderMinimum = 0;
constexpr int SliderMaximum = 100;

const DataCategoryRow *categoryRow(const QString &categoryID)
{
    for (const DataCategoryRow &row : DCTable)
        if (row.categoryID == categoryID)
            return &row;
    return nullptr;
}

}  // namespace

void frmTBEDitor::buildValueEditor(QWidget *parent)
{
    fraEdit = new QGroupBox(parent);
    txtElem = new QLineEdit(fraEdit);
    txtElem->setReadOnly(true);
    txtElem->setToolTip(QStringLiteral("Selected Element"));
    txtDC = new QLineEdit(fraEdit);
    txtDC->setReadOnly(true);
    txtDC->setToolTip(QStringLiteral("Selected Data Category"));
    lblEdit = new QLabel(fraEdit);
    lblEdit->hide();
    txtData = new QPlainTextEdit(fraEdit);
    txtData->setToolTip(QStringLiteral("Type in value"));
    txtData->viewport()->installEventFilter(new ClickFilter(txtData, [this] { txtData_Click(); }));
    lstData = new QListWidget(fraEdit);
    lstData->setToolTip(QStringLiteral("Choose a value from the list"));
    lstRefs = new QListWidget(fraEdit);
    sldData = new QSlider(Qt::Horizontal, fraEdit);
    sldData->setRange(SliderMinimum, SliderMaximum);
    sldData->setTickPosition(QSlider::TicksBelow);
    sldData->setTickInterval(10);
    mskData = new QLineEdit(fraEdit);
    mskData->setInputMask(QStringLiteral("99/99/9999;_"));
    mskData->setToolTip(QStringLiteral("Click to change the current date"));
    dbcConcepts = new ui::DataList(fraEdit);
    dbcConcepts->setToolTip(QStringLiteral("Pick a Concept from the list"));
    lstLang = new QListWidget(fraEdit);
    lstLang->setToolTip(QStringLiteral("ISO language code"));
    cmdAssert = new QPushButton(QStringLiteral("&Assert"), fraEdit);
    cmdEdit = new QPushButton(QStringLiteral("&Edit"), fraEdit);

    auto *layout = new QVBoxLayout(fraEdit);
    for (QWidget *control : std::initializer_list<QWidget *>{txtElem, txtDC, lblEdit, txtData, lstData, lstRefs, sldData,
                                                              mskData, dbcConcepts, lstLang})
        layout->addWidget(control);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAssert);
    buttons->addWidget(cmdEdit);
    layout->addLayout(buttons);
    new ValueEditorKeys(fraEdit, txtData, {cmdEdit, cmdAssert});
    QObject::connect(cmdAssert, &QPushButton::clicked, window(), ui::command(window(), [this](bool) { cmdAssert_Click(); }));
    QObject::connect(cmdEdit, &QPushButton::clicked, window(), ui::command(window(), [this](bool) { cmdEdit_Click(); }));
    HideValueControls();
}

void frmTBEDitor::Tree2_NodeClick(QTreeWidgetItem *node) { chooseCategory(node); }
void frmTBEDitor::ListView1_ItemClick(QTreeWidgetItem *item) { chooseCategory(item); }

void frmTBEDitor::chooseCategory(QTreeWidgetItem *node)
{
    if (!node || txtElem->text().isEmpty())
        return;
    if (nodeImage(node) == QLatin1String("inactive")) {
        node->setSelected(false);
        return;
    }
    txtDC->setText(node->text(0));
    ShowValueEditor(nodeKey(node).mid(1));
}

void frmTBEDitor::MarkValidCategories()
{
    Tree2->setUpdatesEnabled(false);
    Tree2->collapseAll();
    Tree2->clearSelection();
    // Without a current element nothing may be added.
    const QSet<QString> valid = CurrentCategory.isEmpty() ? QSet<QString>() : ValidChildCategories(CurrentCategory);
    for (QTreeWidgetItemIterator it(Tree2); *it; ++it) {
        QTreeWidgetItem *node = *it;
        if (valid.contains(nodeKey(node).mid(1))) {
            setNodeImage(node, QStringLiteral("active"), &imlIconsTree1);
            // Every allowed category is in view: its branch is opened down to it.
            for (QTreeWidgetItem *up = node->parent(); up; up = up->parent())
                up->setExpanded(true);
            node->setExpanded(true);
        } else {
            setNodeImage(node, QStringLiteral("inactive"), &imlIconsTree1);
        }
    }
    Tree2->setCurrentItem(Tree2->topLevelItem(0));
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = ListView1->topLevelItem(i);
        const bool active = valid.contains(nodeKey(item).mid(1));
        setNodeImage(item, active ? QStringLiteral("active") : QStringLiteral("inactive"), &imlIconsTree1);
        // Ghosted: the item reads as unavailable, and a click on it is undone.
        item->setForeground(0, active ? ListView1->palette().text() : ListView1->palette().brush(QPalette::Disabled,
                                                                                                    QPalette::Text));
    }
    Tree2->setUpdatesEnabled(true);
}

void frmTBEDitor::ShowValueEditor(const QString &categoryID)
{
    if (!fraEdit->isHidden())
        HideValueControls();
    ChosenCategory = categoryID;
    const DataCategoryRow *row = categoryRow(categoryID);
    const QString valueType = row ? row->value_type : QString();
    const bool needsLang = row && row->needs_lang == QLatin1String("True");
    const QString name = row ? row->Name : QString();
    const QString giName = row ? row->GI_name : QString();
    const auto show = [&](QWidget *control) {
        control->show();
        fraEdit->setTitle(name);
        fraEdit->show();
        control->setFocus();
    };

    if (categoryID == QLatin1String("1")) {
        show(txtData);
    } else if (categoryID == QLatin1String("0.3")) {
        show(dbcConcepts);
    } else if (IsReferringCategory(categoryID)) {
        const std::vector<BackMatterRecord> records = ListBackMatterRecords(BackMatterCategoryOf(categoryID));
        if (records.empty()) {
            ui::msgBox(NoRecordsMessage, ui::Buttons::Ok, ui::Icon::Exclamation);
            return;
        }
        lstData->clear();
        fillRecords(*lstData, records);
        show(lstData);
    } else if (const auto made = recordMadeAtOnce.find(categoryID); made != recordMadeAtOnce.end()) {
        (this->*made->second)();
        ReselectElementNode();
    } else if (giName == QLatin1String("refObject")) {
        AddFileElement(categoryID);
        ReselectElementNode();
    } else if (giName == QLatin1String("ref")) {
        const std::vector<BackMatterRecord> files = FillReferenceList(categoryID);
        if (files.empty()) {
            ui::msgBox(NoRecordsMessage, ui::Buttons::Ok, ui::Icon::Exclamation);
            return;
        }
        fillRecords(*lstRefs, files);
        show(lstRefs);
    } else if (giName == QLatin1String("ptr")) {
        const QString image = Tree1Nodes->image(selectedNode());
        if (image == QLatin1String("termbase") || image == QLatin1String("folder") || image == QLatin1String("xref"))
            return;
        ui::msgBox(QStringLiteral("Select the cross-referenced element on the elements tree. ") +
                       QStringLiteral("Expand branches by clicking on the '+' symbol"),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("New Cross-reference"));
        XRefMode = true;
        XRefSourceID = CurrentElemID;
        LockEditorUI();
    } else if (valueType == QLatin1String("text")) {
        show(txtData);
    } else if (valueType == QLatin1String("picklist")) {
        lstData->clear();
        lstData->addItems(PicklistValues(categoryID));
        show(lstData);
    } else if (valueType == QLatin1String("number")) {
        setSliderValue(5);
        show(sldData);
    } else if (valueType == QLatin1String("date")) {
        mskData->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        show(mskData);
    }
    if (needsLang)
        lstLang->show();
    cmdAssert->setEnabled(true);
    cmdAssert->setDefault(true);
    cmdEdit->setDefault(false);
    lblEdit->setText(categoryID);
}

void frmTBEDitor::setSliderValue(int value)
{
    // A stored value beyond the slider's range widens it: a value is shown as it is
    // stored, and never changed by being shown.
    sldData->setRange(std::min(SliderMinimum, value), std::max(SliderMaximum, value));
    sldData->setValue(value);
}

void frmTBEDitor::HideValueControls()
{
    fraEdit->hide();
    fraEdit->setTitle(QString());
    txtData->clear();
    txtData->hide();
    lstData->clear();
    lstRefs->clear();
    lstRefs->hide();
    lstData->hide();
    sldData->hide();
    lstLang->hide();
    dbcConcepts->hide();
    mskData->setText(QString());
    mskData->hide();
    cmdEdit->hide();
    ChosenCategory.clear();
}

void frmTBEDitor::txtData_Click()
{
    if (txtData->toPlainText().startsWith(QLatin1String("Enter")))
        txtData->clear();
}
