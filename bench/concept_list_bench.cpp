// Times the main window's concept list on one synthetic ontology (see make_ontology.cpp):
// opening the file up to the first concept shown with its panes and painted, and a
// search typed letter by letter. Prints "<operation> <concepts> <median> <unit>" lines,
// and the peak memory, which must not follow the number of concepts listed.
//
//   lx_concept_list_bench <file.ont>

#include "BenchFigures.h"
#include "BenchOntology.h"
#include "editor/frmNewConcept.h"
#include "editor/frmOntoEdit.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/OntologyFile.h"
#include "ui/App.h"
#include "ui/DataList.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
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

    ensureProperties(file);

    auto main = std::make_shared<frmOntoEdit>();
    main->load();
    main->show();
    QApplication::processEvents();

    // Open to first paint, cold the first time, then the median of a few more.
    std::vector<double> opens;
    for (int run = 0; run < 5; ++run) {
        main->mnuFileClose_Click();
        QString path = file;
        QElapsedTimer t;
        t.start();
        OntologyPath = path;
        OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
        main->OpenOntology(path);
        main->window()->repaint();
        QApplication::processEvents();
        opens.push_back(ms(t));
    }
    bench::size = QString::number(main->TotalCount);
    if (!main->RSListConcepts) {
        std::fprintf(stderr, "%s could not be opened\n", qPrintable(file));
        return 1;
    }
    figure("open-to-first-concept-shown-cold", opens.front(), "ms");
    figure("open-to-first-concept-shown", median({opens.begin() + 1, opens.end()}), "ms");

    // A search typed key by key, each key one change of the box, as the user types it.
    const QStringList words{"C-5", "C-98765", "C-123456", "C-77", "C-4040", "C-999999", "NOPE"};
    std::vector<double> keys;
    for (const QString &word : words) {
        main->txtCptSearch->clear();
        for (qsizetype n = 1; n <= word.size(); ++n) {
            QElapsedTimer t;
            t.start();
            main->txtCptSearch->setText(word.left(n));
            main->dblConcepts->repaint();
            keys.push_back(ms(t));
        }
    }
    figure("search-keystroke", median(keys), "ms");
    figure("search-keystroke-slowest", *std::max_element(keys.begin(), keys.end()), "ms");

    // The add-concept dialog lists the parents of the type; each addition rebuilds the list.
    QElapsedTimer dialogTimer;
    dialogTimer.start();
    main->mnuConceptAdd_Click();
    const auto dialog = ui::forms().first<frmNewConcept>();
    figure("add-dialog-open", ms(dialogTimer), "ms");
    std::vector<double> adds;
    for (int i = 0; i < 5; ++i) {
        dialog->dblParents->setCurrentRow(i);
        dialog->txtConcept->setText(QStringLiteral("BENCH-NEW-%1").arg(i));
        QElapsedTimer t;
        t.start();
        dialog->cmdAdd->click();
        adds.push_back(ms(t));
    }
    figure("add-concept", median(adds), "ms");
    dialog->unload();

    figure("peak-memory-after-open-and-search", peakMegabytes(), "MB");
    // Every row drawn once, top to bottom: the list holds pages, not rows.
    QElapsedTimer scroll;
    scroll.start();
    qsizetype chars = 0;
    for (int row = 0; row < main->RSListConcepts->rowCount(); ++row)
        chars += main->RSListConcepts->text(row).size();
    figure("every-row-read", ms(scroll), "ms");
    figure("peak-memory-after-every-row", peakMegabytes(), "MB");
    main->unload();
    return chars > 0 ? 0 : 1;
}
