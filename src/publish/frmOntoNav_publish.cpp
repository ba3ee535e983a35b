// The navigator's Publish menu: every concept page with the index and frame pages into the
// ontology's publish folder, or the reports dialog for chosen concepts.

#include "frmOntoNav.h"

#include "OutputFolder.h"
#include "PublishOntology.h"
#include "app/frmWait.h"
#include "frmGenHTML.h"
#include "ontology/Global.h"
#include "ui/BusyRun.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"
#include "ui/StatusBar.h"

#include <QDir>
#include <QProgressBar>
#include <QScopeGuard>

void frmOntoNav::mnuPublishWhole_Click()
{
    const QString title = QStringLiteral("Publish Ontology");
    const QString folder = OntologyPublishFolder();
    // Named as a folder, with its trailing separator.
    const QString shownFolder = QDir::toNativeSeparators(folder + QLatin1Char('/'));
    if (ui::msgBox(QStringLiteral("This process will unconditionally generate an HTML file for every concept in ") +
                       QStringLiteral("the ontology in ") + shownFolder + QStringLiteral(". It may take a long time ") +
                       QStringLiteral("depending on the size of your ontology and your machine's computing power.") +
                       QStringLiteral("\r\nProceed?"),
                   ui::Buttons::YesNo, ui::Icon::Exclamation, title) != ui::Answer::Yes)
        return;
    if (!EnsureOutputFolder(folder, title))
        return;

    {
        const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
        const WaitWindow wait(*this, QStringLiteral("Generating HTML files. Please wait..."));
        ui::BusyRun busy;
        busy.paintNow();
        // However the run ends, the bar goes and panel 2 shows the concept count again.
        const auto restore = qScopeGuard([this] {
            ProgressBar1->setVisible(false);
            StatusBar1->setPanelText(2, QString::number(ConceptCount));
        });
        PublishOntology(folder, [&](qsizetype done, qsizetype total) {
            if (done == 0) {
                ProgressBar1->setMaximum(int(total));
                ProgressBar1->setValue(0);
                ProgressBar1->setVisible(true);
                return;
            }
            if (ProgressBar1->value() < ProgressBar1->maximum())
                ProgressBar1->setValue(ProgressBar1->value() + 1);
            StatusBar1->setPanelText(2, QString::number(done) + QStringLiteral(" Files"));
            busy.paint();
        });
    }
    ui::msgBox(QStringLiteral("You can now use your web browser to navigate your ontology. ") +
                   QStringLiteral("Open the page '") + FramePageFileName(OntologyInfo.Name) +
                   QStringLiteral("', which lies in the publish folder beside the ontology file (") + shownFolder +
                   QStringLiteral(").\r\n\r\n") +
                   QStringLiteral("In order to publish your ontology on the web, simply copy all the files ") +
                   QStringLiteral("in this folder to the appropriate location on your web server."),
               ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Publishing"));
}

void frmOntoNav::mnuPublishSelect_Click()
{
    ShowOntologyReports(QStringLiteral("Generate HTML Reports (Ontology)"), QStringLiteral("Ontology"));
}
