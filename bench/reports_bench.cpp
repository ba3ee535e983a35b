// Times the reports dialog on one synthetic ontology (see make_ontology.cpp): opening it
// on every concept, selecting All, and selecting the subhierarchy of the concept below
// the root with the most descendants. Prints "<operation> <concepts> <median> <unit>".
//
//   lx_reports_bench <file.ont>

#include "Figures.h"
#include "BenchOntology.h"
#include "ontology/Global.h"
#include "publish/ConceptSelectionList.h"
#include "publish/ConceptSelectionPanel.h"
#include "publish/frmGenHTML.h"
#include "ui/App.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace bench;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.ont>\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    ui::setAppPath(QFileInfo(file).absolutePath());
    openOntology(file);

    // The concept below the root with the most descendants: every other concept's
    // descendants lie within one of the root's children.
    QString widest;
    qsizetype most = -1;
    for (const QString &child : GetChildren(RootConcept)) {
        const qsizetype n = GetDescendants(child).size();
        if (n > most) {
            most = n;
            widest = child;
        }
    }

    std::vector<double> opens, alls, hiers;
    std::shared_ptr<frmGenHTML> dialog;
    for (int run = 0; run < 3; ++run) {
        if (dialog)
            dialog->cmdCancel->click();
        ui::forms();  // the unloaded dialog goes with the next events
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        dialog = ShowOntologyReports(QStringLiteral("Generate HTML Reports (Ontology)"), QStringLiteral("Ontology"));
        dialog->window()->repaint();
        opens.push_back(ms(t));
        bench::size() = QString::number(dialog->lstConcepts->count());

        t.restart();
        dialog->Panel->optAll->click();
        dialog->Panel->cmdSelect->click();
        dialog->window()->repaint();
        alls.push_back(ms(t));

        dialog->Panel->optHier->click();
        dialog->lstConcepts->clickRow(int(dialog->lstConcepts->items().indexOf(widest)), Qt::NoModifier);
        t.restart();
        dialog->Panel->cmdSelect->click();
        dialog->window()->repaint();
        hiers.push_back(ms(t));
        if (dialog->lstConcepts->selCount() != most + 1) {
            std::fprintf(stderr, "subhierarchy selected %d, expected %lld\n", dialog->lstConcepts->selCount(),
                         qlonglong(most + 1));
            return 1;
        }
    }
    figure("reports-dialog-open", median(opens), "ms");
    figure("reports-select-all", median(alls), "ms");
    figure("reports-select-widest-subhierarchy", median(hiers), "ms");
    std::printf("# the widest subhierarchy: %s with %lld descendants\n", qPrintable(widest), qlonglong(most));
    figure("reports-peak-memory", peakMegabytes(), "MB");
    dialog->unload();
    return 0;
}
