// The termbase editor's reports: the reports dialog over the termbase's entries, a new one
// each time.

#include "frmTBEDitor.h"

#include "publish/OutputFolder.h"
#include "publish/frmGenHTML.h"
#include "termbase/EntryConcepts.h"
#include "termbase/Global.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

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
