// Times publishing a whole synthetic ontology (see make_ontology.cpp) into a folder of
// its own: every concept page with all four options, the index and the frame page.
// Prints pages per second and the peak memory.
//
//   lx_publish_bench <file.ont> <output folder>

#include "Figures.h"
#include "BenchOntology.h"
#include "ontology/Global.h"
#include "publish/PublishOntology.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace bench;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <file.ont> <output folder>\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() + QLatin1Char('/');
    ui::setAppPath(QFileInfo(file).absolutePath());
    openOntology(file);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);

    qsizetype pages = 0;
    QElapsedTimer t;
    t.start();
    PublishOntology(folder, [&](qsizetype done, qsizetype total) {
        pages = done;
        bench::size() = QString::number(total);
    });
    const double seconds = ms(t) / 1000.0;
    figure("publish-whole-ontology", seconds, "s");
    figure("publish-whole-ontology", double(pages) / seconds, "pages/s");
    figure("publish-peak-memory", peakMegabytes(), "MB");
    return pages > 0 ? 0 : 1;
}
