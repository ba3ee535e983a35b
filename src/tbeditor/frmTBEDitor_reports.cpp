// The termbase editor's pages: the entry preview, written anew from the current data on
// Refresh, and the reports dialog over the termbase's entries, a new one each time.

#include "frmTBEDitor.h"

#include "ElementTreeModel.h"
#include "publish/HTMLStuff.h"
#include "publish/OutputFolder.h"
#include "publish/PageFileNames.h"
#include "publish/PageView.h"
#include "publish/frmGenHTML.h"
#include "termbase/EntryConcepts.h"
#include "termbase/Global.h"
#include "termbase/TermbasePaths.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/Toolbar.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

namespace {

const QString EntryImage = QStringLiteral("concept");

}  // namespace

// Refresh writes the page of a term entry; on any other node there is no page to write.
void frmTBEDitor::UpdateRefreshButton()
{
    if (QAction *refresh = ToolBar1->button(QStringLiteral("refresh")))
        refresh->setEnabled(!TermbasePath.isEmpty() && inBrowseMode() &&
                                           Tree1Nodes->image(selectedNode()) == EntryImage);
}

void frmTBEDitor::ShowEntryPage()
{
    const QModelIndex node = selectedNode();
    if (Tree1Nodes->image(node) != EntryImage)
        return;
    const QString folder = TermbasePublishFolder();
    const QString entryName = Tree1Nodes->text(node);
    QDir().mkpath(folder);  // the folder goes with the termbase's Name, which may have changed
    // The page is written beside the old one and then takes its place: a failure leaves
    // the old page as it was.
    WriteTermEntryPage(entryName, Tree1Nodes->elemID(node), folder, TermbaseInfo.CSBrowser, true, true, true, true);
    Browser->showPage(QDir(folder).filePath(PageFileName(entryName)));
}

void frmTBEDitor::mnuToolsGenHTML_Click()
{
    if (!HasEntryConcepts()) {
        ui::msgBox(QStringLiteral("The list of concepts is empty. No reports can be generated!"), ui::Buttons::Ok,
                   ui::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    const auto dialog = std::make_shared<frmGenHTML>();
    dialog->load();
    dialog->setCaption(QStringLiteral("Generate HTML Reports (TermBase)"));
    dialog->chkCSReport->setVisible(true);
    dialog->txtPath->setText(TermbasePublishFolder() + QDir::separator());
    dialog->lblStart.setCaption({});
    dialog->lblStart.setCaption(QStringLiteral("TermBase"));
    if (TermbaseInfo.CSBrowser)
        dialog->chkCSReport->setChecked(true);
    dialog->show();
}
