// The run of the reports dialog: one page per selected concept or entry, into the folder
// of txtPath, with the progress shown and each item deselected once done.

#include "frmGenHTML.h"

#include "ConceptSelectionList.h"
#include "ConceptSelectionPanel.h"
#include "OutputFolder.h"
#include "ReportPages.h"
#include "db/Error.h"
#include "ui/BusyRun.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>

void frmGenHTML::GenerateSelectedReports()
{
    OutputFolder = txtPath->text();
    if (!OutputFolder.isEmpty() && !OutputFolder.endsWith(QLatin1Char('/')) && !OutputFolder.endsWith(QDir::separator()))
        OutputFolder += QDir::separator();
    if (!EnsureOutputFolder(OutputFolder, caption()))
        return;

    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    const std::vector<int> rows = lstConcepts->selectedRows();
    const int total = int(rows.size());
    ReportPages::Include include;
    include.ancestors = chkAncestors->isChecked();
    include.descendants = chkDescendants->isChecked();
    include.inheritedRelations = chkInhRels->isChecked();
    include.inheritedAttributes = chkInhAttrs->isChecked();
    // The choice of this run only: the termbase's own option is left as it is stored.
    include.structures = chkCSReport->isChecked();
    ReportPages pages(m_termbase, OutputFolder, include, total);

    Run run(*this, total);

    ui::BusyRun busy;
    int count = 0;
    for (int row : rows) {
        const QString item = lstConcepts->text(row);
        try {
            if (!pages.write(item))
                ui::msgBox(QStringLiteral("Concept ") + item + QStringLiteral(" is no longer part of the TermBase!"),
                           ui::Buttons::Ok, ui::Icon::Critical, QStringLiteral("Error"));
        } catch (const db::DbError &e) {
            throw db::DbError(e.number(), QStringLiteral("The page of ") + item +
                                              QStringLiteral(" could not be written.\r\n") + e.description());
        }
        if (ProgressBar1->value() < ProgressBar1->maximum())
            ProgressBar1->setValue(ProgressBar1->value() + 1);
        ++count;
        lstConcepts->setSelected(row, false);
        showStatus(QStringLiteral("Generated ") + QString::number(count) + QStringLiteral(" out of ") +
                   QString::number(total));
        busy.paint();
    }
    run.complete();
}
