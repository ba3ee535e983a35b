// The export mode of the reports dialog: the selected concepts written to an export file
// in the folder of txtPath, with the progress shown and each item deselected once done.

#include "frmGenHTML.h"

#include "ConceptSelectionList.h"
#include "ConceptSelectionPanel.h"
#include "exchange/OxpExport.h"
#include "ui/BusyRun.h"
#include "ui/InputBox.h"
#include "ui/MousePointer.h"
#include "ui/MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>

namespace {

// The folder and the name joined by one separator.
QString exportPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder + name;
    return folder + QDir::separator() + name;
}

}  // namespace

void frmGenHTML::ExportSelectedToOxp()
{
    const std::vector<int> rows = lstConcepts->selectedRows();
    const int total = int(rows.size());
    const QString name =
        ui::inputBoxOrEmpty(QStringLiteral("Enter output file name: "), QStringLiteral("File Name"), QStringLiteral("export.oxp"));
    if (name.isEmpty())
        return;
    const QString path = exportPath(txtPath->text(), name);
    // The old file is replaced only once the new one is whole, so No and a failure alike
    // leave it as it was.
    if (QFileInfo::exists(path) &&
        ui::msgBox(QStringLiteral("File exists. Overwrite?"), ui::Buttons::YesNo, ui::Icon::Question,
                   QStringLiteral("Confirm overwrite")) != ui::Answer::Yes)
        return;

    const ui::MousePointerGuard hourglass(*this, ui::MousePointer::Hourglass);
    Run run(*this, total);

    QStringList identifiers;
    identifiers.reserve(total);
    for (int row : rows)
        identifiers << lstConcepts->text(row);
    ui::BusyRun busy;
    int count = 0;
    const OxpExportResult result = ExportConceptsToOxp(path, identifiers, [&](qsizetype at, bool exported) {
        if (ProgressBar1->value() < ProgressBar1->maximum())
            ProgressBar1->setValue(ProgressBar1->value() + 1);
        if (exported)
            ++count;
        lstConcepts->setSelected(rows[size_t(at)], false);
        showStatus(QStringLiteral("Exported ") + QString::number(count) + QStringLiteral(" out of ") +
                   QString::number(total));
        busy.paint();
    });
    run.complete();
    if (!result.missing.isEmpty()) {
        const QStringList shown = result.missing.mid(0, 10);
        ui::msgBox(QString::number(result.missing.size()) +
                       QStringLiteral(" concepts are no longer in the ontology and were not exported: ") +
                       shown.join(QStringLiteral(", ")) + (result.missing.size() > shown.size() ? QStringLiteral(" ...") : QString()),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
    }
}
