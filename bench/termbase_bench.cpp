// Creating a termbase for a large ontology, and opening it for work.
// Prints "<operation> <concepts> <median> <unit>" lines.
#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "termbase/Catalogue.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseFile.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &measured,
                const std::function<void()> &after)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        measured();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        after();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// An ontology made by New, then the concepts in one transaction, each under a parent
// among those before it.
void makeOntology(const QString &path, int concepts)
{
    OntologyPath = path;
    OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    CreateOntologyDatabase(path);
    RootConcept = QStringLiteral("ALL");
    db::Transaction tx(OntologyDB);
    db::Statement addConcept(OntologyDB, QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)"));
    db::Statement isa(OntologyDB, QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"));
    for (int i = 1; i <= concepts; ++i) {
        const QString id = QStringLiteral("C%1").arg(i);
        addConcept.bind(1, id);
        addConcept.run();
        isa.bind(1, id);
        isa.bind(2, i <= 8 ? QStringLiteral("OBJECT") : QStringLiteral("C%1").arg(i / 8));
        isa.run();
    }
    tx.commit();
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(LX_RES_DAT), dir.filePath(QStringLiteral("res.dat")));
    ui::setAppPath(dir.path());
    QDir(dir.path()).mkdir(QStringLiteral("TermBases"));

    const int concepts = 100000;
    makeOntology(dir.filePath(QStringLiteral("big.ont")), concepts);
    const QString path = dir.filePath(QStringLiteral("TermBases/big.lxb"));
    TermbaseInfoRecord properties;
    properties.Name = QStringLiteral("Big");

    const auto removeTermbase = [&] {
        QFile::remove(path);
        QDir(dir.filePath(QStringLiteral("TermBases"))).removeRecursively();
        QDir(dir.path()).mkdir(QStringLiteral("TermBases"));
        OntologyDB.execute(QStringLiteral("DELETE FROM TermBases"));
    };
    const double create = medianMs(
        5, removeTermbase,
        [&] {
            NewTermbase made(path);
            made.complete(properties);
        },
        [] {});
    std::printf("create_termbase %d %.1f ms\n", concepts, create);

    const double open = medianMs(
        21, [] {}, [&] { OpenTermbaseFile(path); }, [] { ReleaseTermbase(); });
    std::printf("open_termbase %d %.1f ms\n", concepts, open);

    OpenTermbaseFile(path);
    const double catalogue = medianMs(21, [] {}, [] { BuildDataCategoryCatalogue(); }, [] {});
    std::printf("build_catalogue %d %.2f ms\n", concepts, catalogue);
    ReleaseTermbase();
    OntologyDB.close();
    return 0;
}
