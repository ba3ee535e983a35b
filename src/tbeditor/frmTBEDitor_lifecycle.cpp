// The life cycle of the one open termbase in its editor: New, Open, Close, Exit,
// Properties, and what the window shows of the open file.

#include "frmTBEDitor.h"

#include "app/frmProperties.h"
#include "ontology/DataFolders.h"
#include "ontology/FolderName.h"
#include "ontology/Global.h"
#include "ontology/Properties.h"
#include "termbase/Global.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseFile.h"
#include "termbase/TermbasePaths.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/RowSource.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QStatusBar>
#include "publish/PageView.h"
#include "publish/PersonPage.h"
#include <QTreeWidget>

namespace {

const QString PropertiesCaption = QStringLiteral("TermBase Properties");

bool isForeignFile(const db::DbError &e)
{
    return e.number() == db::err::NotADatabase || e.number() == db::err::ObjectNotFound;
}

// The progress bar shows a step of known length and is hidden however the step ends.
class ProgressShown {
public:
    ProgressShown(QProgressBar &bar, int maximum) : m_bar(bar)
    {
        m_bar.setMaximum(maximum);
        m_bar.setValue(0);
        m_bar.show();
    }
    ~ProgressShown() { m_bar.hide(); }
    ProgressShown(const ProgressShown &) = delete;
    ProgressShown &operator=(const ProgressShown &) = delete;

private:
    QProgressBar &m_bar;
};

// The main window shows the open termbase's name in the first panel of its status bar.
// It is the first window loaded; the editor finds its status bar by what it is.
void setMainWindowPanel(const ui::Form &editor, const QString &text)
{
    if (ui::forms().count() == 0 || ui::forms().at(0).get() == &editor)
        return;
    const auto bars = ui::forms().at(0)->window()->findChildren<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
    for (QStatusBar *bar : bars)
        if (auto *panels = dynamic_cast<ui::StatusBar *>(bar)) {
            panels->setPanelText(1, text);
            return;
        }
}

}  // namespace

QString frmTBEDitor::initialFolder() const
{
    try {
        return TermBasesFolder();
    } catch (const db::DbError &) {
        return {};  // no default folder could be made: the dialog starts where the system likes
    }
}

void frmTBEDitor::mnuFileNew_Click()
{
    try {
        if (!TermbasePath.isEmpty())
            mnuFileClose_Click();
        dlgCommonDialog.cancelError = true;
        dlgCommonDialog.filter = QStringLiteral("Lexvarin TB files (*.lxb)|*.lxb|");
        dlgCommonDialog.filterIndex = 1;
        dlgCommonDialog.defaultExt = QStringLiteral("lxb");
        dlgCommonDialog.initDir = initialFolder();
        dlgCommonDialog.showSave();
        TermbasePath = QDir::toNativeSeparators(dlgCommonDialog.fileName);
        TermbaseFolder = FolderOf(TermbasePath);
        if (IsInWorkingOntologyFolder(TermbasePath)) {
            ui::msgBox(QStringLiteral("A termbase cannot reside in the same folder as its working ontology.\r\n"
                                      "Tip: save all your ontologies in one folder and your termbases in another."),
                       ui::Buttons::Ok, ui::Icon::Exclamation);
            TermbaseFolder.clear();
            TermbasePath.clear();
            return;
        }
        createTermbase();
    } catch (const db::DbError &e) {
        TermbasePath.clear();
        TermbaseFolder.clear();
        switch (e.number()) {
        case db::err::DialogCancelled:
            break;
        case db::err::ExistsAlready:
            ui::msgBox(QStringLiteral("TermBase exists already!"), ui::Buttons::YesNo, ui::Icon::Exclamation);
            break;
        default:
            ui::msgBox(e.description());
        }
    }
}

void frmTBEDitor::createTermbase()
{
    // Until complete() succeeds, leaving this scope removes the file and whatever else
    // this New made.
    std::optional<NewTermbase> made;
    {
        const ProgressShown progress(*ProgressBar1, ResourceCopyMaximum);
        made.emplace(TermbasePath, [this](int value) { ProgressBar1->setValue(value); });
    }

    const auto properties = std::make_shared<frmProperties>();
    properties->load();
    properties->setCaption(PropertiesCaption);
    properties->showWorkingOntology(OntologyPath);
    properties->txtCreated->setText(DateText(QDate::currentDate()));
    properties->txtModified->setText(DateText(QDate::currentDate()));
    properties->showModal(*this);
    if (!properties->confirmed()) {
        // Closed without a name: no termbase without properties is left behind.
        properties->unload();
        TermbasePath.clear();
        TermbaseFolder.clear();
        return;
    }
    TermbaseInfoRecord typed;
    ApplyProperties(properties->texts(), typed);
    properties->unload();

    made->complete(typed);
    ui::msgBox(QStringLiteral("TermBase ") + QuoteChar + typed.Name + QuoteChar + QStringLiteral(" has been created!"),
               ui::Buttons::Ok, ui::Icon::Information);
    OpenTermbase(TermbasePath);
}

void frmTBEDitor::mnuFileOPen_Click()
{
    try {
        if (!TermbasePath.isEmpty())
            mnuFileClose_Click();
        if (!TermbasePath.isEmpty())
            return;
        dlgCommonDialog.cancelError = true;
        dlgCommonDialog.filter = QStringLiteral("Lexvarin TermBase Files (*.lxb)|*.lxb|All files (*.*)|*.*|");
        dlgCommonDialog.filterIndex = 1;
        dlgCommonDialog.defaultExt.clear();
        dlgCommonDialog.initDir = initialFolder();
        dlgCommonDialog.showOpen();
        TermbasePath = QDir::toNativeSeparators(dlgCommonDialog.fileName);
        TermbaseFolder = FolderOf(TermbasePath);
        dlgCommonDialog.fileName.clear();
        OpenTermbase(TermbasePath);
        if (!TermbasePath.isEmpty())
            makeFolders();
    } catch (const db::DbError &e) {
        if (e.number() == db::err::DialogCancelled)
            dlgCommonDialog.fileName.clear();
        else
            ui::msgBox(e.description());
    }
}

void frmTBEDitor::makeFolders()
{
    try {
        MakeTermbaseFolders(TermbaseFolder, TermbaseInfo.Name);
    } catch (const db::DbError &e) {
        // The folders serve publishing only: the termbase itself is sound and stays open.
        ui::msgBox(e.description());
    }
}

void frmTBEDitor::writeMissingPersonPages()
{
    try {
        WriteMissingPersonPages(TermbaseBackFolder());
    } catch (const db::DbError &e) {
        // The pages serve publishing only: the termbase itself is sound and stays open.
        ui::msgBox(e.description());
    }
}

void frmTBEDitor::OpenTermbase(QString &path)
{
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    const QString file = path;  // path may be the shared TermbasePath, emptied by a failure
    try {
        OpenedTermbase opened = OpenTermbaseFile(file);
        if (opened.refused) {
            ui::errorBox(QStringLiteral("This TermBase's Working Ontology is ") + opened.workingOntology +
                           QStringLiteral(". You can't use it with current current Working ontology (") + OntologyPath +
                           QStringLiteral(")."));
            path.clear();
            TermbaseFolder.clear();
            return;
        }
        LastElemID = opened.LastElemID;
        EntryCount = opened.EntryCount;
        TermCount = opened.TermCount;
        RSConcepts = std::move(opened.RSConcepts);
        RSTerms = std::move(opened.RSTerms);

        // A Name that names no folder of the file's own gives the pages no folder: the
        // commands that write one say why when they are used.
        const bool ownFolders = IsValidFolderName(TermbaseInfo.Name);
        Browser->setPageFolder(ownFolders ? TermbasePublishFolder() : QString());
        if (ownFolders)
            writeMissingPersonPages();
        showCatalogue();
        SetTermbaseOpenState();
        RequeryConceptList();
        FillLanguageList();
        LoadDataCategories();
        BuildElementRoot();
        selectNode(Tree1Nodes->rootNode());
        // The root's click marks the categories and sets the toolbar for it, whatever
        // the element of the termbase before.
        CurrentElemID = 0;
        CurrentCategory.clear();
        Tree1_NodeClick(Tree1Nodes->rootNode());
        Tree1->setFocus();
        setCaption(BaseCaption + QStringLiteral(" - ") + TermbaseInfo.Name);
        UpdateStatusCounts();
        setMainWindowPanel(*this, TermbaseInfo.Name);
        if (!opened.repaired.isEmpty())
            ui::msgBox(TermbaseRepairSentence(opened.repaired, file), ui::Buttons::Ok,
                       opened.repaired.failure.isEmpty() ? ui::Icon::Information : ui::Icon::Exclamation);
        if (!opened.dataCategoriesNamed)
            ui::msgBox(QStringLiteral("No data category has a name in the language ") + QuoteChar + TermbaseInfo.DCLang +
                           QuoteChar + QStringLiteral(", so none can be shown or added."),
                       ui::Buttons::Ok, ui::Icon::Exclamation);
    } catch (const db::DbError &e) {
        const QString message = isForeignFile(e)
                                    ? QStringLiteral("Not a Lexvarin termbase - ") + file
                                    : QStringLiteral("Error ") + QString::number(e.number()) + QStringLiteral(" - ") +
                                          e.description();
        if (isForeignFile(e))
            ui::errorBox(message);
        else
            ui::msgBox(message);
        // Nothing of the refused file is written back, and no command is left enabled
        // on a termbase that is not there.
        ReleaseTermbase();
        resetWindow();
        path.clear();
    }
}

void frmTBEDitor::CloseTermbase()
{
    try {
        CloseTermbaseFile();
    } catch (const db::DbError &e) {
        // The file is closed all the same: the window must not go on showing a termbase
        // it no longer holds.
        ui::errorBox(QStringLiteral("The properties of the termbase could not be saved.\r\n") + e.description());
    }
    resetWindow();
}

void frmTBEDitor::resetWindow()
{
    RSConcepts.reset();
    RSTerms.reset();
    RSLangs.reset();
    dbcConcepts->bind(nullptr);
    datConcepts.reset();
    lstLang->clear();
    for (int panel = 1; panel <= 3; ++panel)
        StatusBar1->setPanelText(panel, QString());
    Tree1Nodes->clear();
    Tree2->clear();
    ListView1->clear();
    Browser->clear();
    CurrentElemID = 0;
    CurrentCategory.clear();
    XRefMode = false;
    XRefSourceID = 0;
    ChosenCategory.clear();
    if (!Tree1->isEnabled() || !ToolBar1->isEnabled())
        UnlockEditorUI();
    LastElemID = 0;
    EntryCount = 0;
    TermCount = 0;
    SetEditMode();
    HideValueControls();
    SetNoTermbaseState();
    setCaption(BaseCaption);
    setMainWindowPanel(*this, QString());
    TermbasePath.clear();
    TermbaseFolder.clear();
}

void frmTBEDitor::mnuFileClose_Click()
{
    if (!TermbasePath.isEmpty())
        CloseTermbase();
}

void frmTBEDitor::mnuFileExit_Click()
{
    mnuFileClose_Click();
    unload();
}

void frmTBEDitor::mnuFileProperties_Click()
{
    if (TermbasePath.isEmpty())
        return;
    const auto properties = std::make_shared<frmProperties>();
    properties->load();
    properties->setCaption(PropertiesCaption);
    properties->setTexts(PropertiesOf(TermbaseInfo));
    properties->showModal(*this);
    if (properties->confirmed()) {
        // The file gets them when the termbase is closed.
        ApplyProperties(properties->texts(), TermbaseInfo);
        setCaption(BaseCaption + QStringLiteral(" - ") + TermbaseInfo.Name);
    }
    properties->unload();
}

void frmTBEDitor::RequeryConceptList()
{
    datConcepts = std::make_shared<db::QueryCursor>(OpenConceptListCursor());
    dbcConcepts->bind(std::make_shared<ui::QueryCursorRows>(datConcepts, QStringLiteral("Concept")));
}

void frmTBEDitor::FillLanguageList()
{
    lstLang->clear();
    RSLangs.emplace(OpenLanguagesCursor());
    const int langID = RSLangs->columns().require(QStringLiteral("langID"));
    for (qsizetype row = 0; row < RSLangs->recordCount(); ++row)
        lstLang->addItem(RSLangs->valueAt(row, langID).toString());
}
