// The life cycle of the one open ontology in the main window: New, Open (also by dropping a
// file), Close, Exit, closing the window, Properties, and the two states of the commands.

#include "frmOntoEdit.h"

#include "app/frmProperties.h"
#include "ontology/DataFolders.h"
#include "ontology/FolderName.h"
#include "ontology/OntologyFile.h"
#include "ontology/OntologySchema.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/Toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

namespace {

const QString OntologyFilter = QStringLiteral("Ontology Files (*.ont)|*.ont|");

bool isForeignFile(const db::DbError &e)
{
    return e.number() == db::err::NotADatabase || e.number() == db::err::ObjectNotFound;
}

// One step of a close: the close goes on whatever the step meets, since stopping half-way
// would leave the window showing an ontology it no longer holds.
template <class Step>
void closeStep(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
        // Deliberately ignored, for the reason above; the write-back reports its own failure.
    }
}

}  // namespace

QString frmOntoEdit::initialFolder() const
{
    try {
        return OntologiesFolder();
    } catch (const db::DbError &) {
        return {};  // no default folder could be made: the dialog starts where the system likes
    }
}

void frmOntoEdit::createPublishFolder(const QString &name)
{
    // A name from a file made elsewhere may hold what a folder name cannot: such a name
    // would put the folder somewhere else, and is refused.
    const QString folder = FolderBesideFile(OntologyFolder, name, QStringLiteral("-publish"));
    if (!QDir().mkpath(folder))
        throw db::DbError(db::err::PathFileAccess,
                          QStringLiteral("Path/File access error: the folder %1 cannot be made.").arg(folder));
}

void frmOntoEdit::mnuFileNew_Click()
{
    if (!OntologyPath.isEmpty())
        mnuFileClose_Click();
    if (!OntologyPath.isEmpty())
        return;
    bool made = false;  // the new file exists and is not finished yet
    // Whatever stops New, the program is left with no ontology: no path or folder of a
    // file that is not open, so no later command tries to write back into it.
    const auto leaveNoOntology = [&] {
        if (made)
            abandonNewOntology();
        OntologyPath.clear();
        OntologyFolder.clear();
    };
    try {
        dlgCommonDialog.cancelError = true;
        dlgCommonDialog.filter = OntologyFilter;
        dlgCommonDialog.filterIndex = 1;
        dlgCommonDialog.defaultExt = QStringLiteral("ont");
        dlgCommonDialog.initDir = initialFolder();
        dlgCommonDialog.showSave();
        OntologyPath = QDir::toNativeSeparators(dlgCommonDialog.fileName);
        OntologyFolder = FolderOf(OntologyPath);

        CreateOntologyDatabase(OntologyPath);
        made = true;

        const auto properties = std::make_shared<frmProperties>();
        properties->load();
        properties->setCaption(QStringLiteral("Ontology Properties"));
        properties->txtCreated->setText(DateText(QDate::currentDate()));
        properties->txtModified->setText(DateText(QDate::currentDate()));
        properties->showModal(*this);
        if (!properties->confirmed()) {
            // Closed without a name: no ontology without properties is left behind.
            properties->unload();
            abandonNewOntology();
            return;
        }
        NewOntologyName = properties->txtName->text();
        WriteOntologyMetaData(NewOntologyInfo(properties->texts()));
        properties->unload();

        createPublishFolder(NewOntologyName);
        ReleaseOntologyDatabase();
        made = false;
        ui::msgBox(QStringLiteral("Ontology ") + QuoteChar + NewOntologyName + QuoteChar +
                       QStringLiteral(" has been created!"),
                   ui::Buttons::Ok, ui::Icon::Information);
        OpenOntology(OntologyPath);
    } catch (const db::DbError &e) {
        leaveNoOntology();
        switch (e.number()) {
        case db::err::DialogCancelled:
            break;
        case db::err::ExistsAlready:
            ui::msgBox(QStringLiteral("Ontology exists already!"));
            break;
        default:
            ui::msgBox(e.description());
        }
    } catch (...) {
        leaveNoOntology();
        throw;
    }
}

void frmOntoEdit::abandonNewOntology()
{
    ReleaseOntologyDatabase();
    QFile::remove(OntologyPath);
    OntologyPath.clear();
    OntologyFolder.clear();
}

void frmOntoEdit::mnuFileOPen_Click()
{
    try {
        if (!OntologyPath.isEmpty())
            mnuFileClose_Click();
        if (!OntologyPath.isEmpty())
            return;
        dlgCommonDialog.cancelError = true;
        dlgCommonDialog.filter = OntologyFilter + QStringLiteral("All files (*.*)|*.*|");
        dlgCommonDialog.filterIndex = 1;
        dlgCommonDialog.defaultExt.clear();
        dlgCommonDialog.initDir = initialFolder();
        dlgCommonDialog.showOpen();
        OntologyPath = QDir::toNativeSeparators(dlgCommonDialog.fileName);
        OntologyFolder = FolderOf(OntologyPath);
        dlgCommonDialog.fileName.clear();
        openChosenOntology();
    } catch (const db::DbError &e) {
        if (e.number() == db::err::DialogCancelled)
            dlgCommonDialog.fileName.clear();
        else
            ui::msgBox(e.description());
    }
}

void frmOntoEdit::Form_OLEDragDrop(const QMimeData &data)
{
    if (!data.hasUrls() || data.urls().isEmpty() || !data.urls().first().isLocalFile())
        return;
    try {
        if (!OntologyPath.isEmpty())
            mnuFileClose_Click();
        if (!OntologyPath.isEmpty())
            return;
        OntologyPath = QDir::toNativeSeparators(data.urls().first().toLocalFile());
        OntologyFolder = FolderOf(OntologyPath);
        openChosenOntology();
    } catch (const db::DbError &e) {
        ui::msgBox(e.description());
    }
}

void frmOntoEdit::openChosenOntology()
{
    OpenOntology(OntologyPath);
    if (!OntologyPath.isEmpty())
        createPublishFolder(OntologyInfo.Name);
}

void frmOntoEdit::OpenOntology(QString &path)
{
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    try {
        OpenOntologyDatabase(path);
        InitRSListConcepts();
        OpenInversesTable();
        OpenInheritTable();
        RootConcept = FindRootConcept();
        setCaption(BaseCaption + QStringLiteral(" - ") + OntologyInfo.Name);
        EnableOntologyUI();
        ShowConceptCounts();
    } catch (const db::DbError &e) {
        const QString message = isForeignFile(e)
                                    ? QStringLiteral("Not a Lexvarin ontology - ") + path
                                    : QStringLiteral("Open Error") + QStringLiteral("\r\n") + e.description();
        ui::errorBox(message);
        // The file was refused: nothing may be written back into it.
        closeOntology(path, false);
    }
}

void frmOntoEdit::OpenInheritTable() { RSInherit.emplace(OntologyDB, QStringLiteral("Inherit"), QStringLiteral("Attr")); }

void frmOntoEdit::OpenInversesTable()
{
    RSInverses.emplace(OntologyDB, QStringLiteral("INVERSES"), QStringLiteral("Relation"));
}

void frmOntoEdit::CloseOntology(QString &path) { closeOntology(path, true); }

void frmOntoEdit::closeOntology(QString &path, bool writeBack)
{
    // Every other window goes first, so that none holds a cursor on the file when it
    // closes. Windows are told apart by what they are, never by their captions, which
    // carry names the user typed.
    const auto open = ui::forms().snapshot();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (it->get() != this)
            closeStep([&] { (*it)->unload(); });

    if (writeBack) {
        try {
            WriteBackOntologyInfo();
        } catch (const db::DbError &e) {
            ui::errorBox(QStringLiteral("The properties of the ontology could not be saved.\r\n") + e.description());
        }
    }

    closeStep([&] { RSListConcepts.reset(); });
    closeStep([&] { dblConcepts->bind(nullptr); });
    closeStep([&] { ClearConceptPanes(); });
    closeStep([&] { RSInverses.reset(); });
    ReleaseOntologyDatabase();

    CurrentConcept.clear();
    path.clear();
    OntologyPath.clear();
    OntologyFolder.clear();
    CurrentType = 0;
    TotalCount = 0;
    ListedCount = 0;

    setCaption(BaseCaption);
    DisableOntologyUI();
    closeStep([&] { ShowConceptCounts(); });
}

void frmOntoEdit::mnuFileClose_Click()
{
    if (!OntologyPath.isEmpty())
        CloseOntology(OntologyPath);
}

void frmOntoEdit::mnuFileExit_Click()
{
    mnuFileClose_Click();
    QCoreApplication::exit(0);
}

void frmOntoEdit::Form_Unload(bool &)
{
    if (!OntologyPath.isEmpty())
        CloseOntology(OntologyPath);
    const auto open = ui::forms().snapshot();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (it->get() != this)
            (*it)->unload();
    // The program ends with its main window (the window is only hidden, which Qt does not
    // take for the last window closing).
    QCoreApplication::exit(0);
}

void frmOntoEdit::mnuFileProperties_Click()
{
    const auto properties = std::make_shared<frmProperties>();
    properties->load();
    properties->setCaption(QStringLiteral("Ontology Properties"));
    properties->setTexts(PropertiesOf(OntologyInfo));
    properties->showModal(*this);
    if (properties->confirmed()) {
        ApplyProperties(properties->texts(), OntologyInfo);
        setCaption(BaseCaption + QStringLiteral(" - ") + OntologyInfo.Name);
    }
    properties->unload();
}

void frmOntoEdit::setOntologyUIEnabled(bool enabled)
{
    for (int i = 3; i <= 15; ++i)
        if (QAction *b = ToolBar1->button(i))
            b->setEnabled(enabled);
    tbsEdit->setEnabled(enabled);
    frmSearch->setEnabled(enabled);
    txtCptSearch->setEnabled(enabled);
    dblConcepts->setEnabled(enabled);
    for (QAction *item : {mnuFileClose, mnuFileExport, mnuFileImport, mnuFileProperties})
        item->setEnabled(enabled);
    for (QMenu *menu : {mnuConcept, mnuTree, mnuTools})
        menu->menuAction()->setVisible(enabled);
}

void frmOntoEdit::EnableOntologyUI() { setOntologyUIEnabled(true); }
void frmOntoEdit::DisableOntologyUI() { setOntologyUIEnabled(false); }
