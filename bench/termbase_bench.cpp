// Creating a termbase for a large ontology, opening it for work, linking it to the
// ontology and keeping three linked termbases in step with one concept change.
// Prints "<operation> <concepts> <median> <unit>" lines.
#include "BenchTermbase.h"
#include "Figures.h"
#include "termbase/Catalogue.h"
#include "termbase/TermbaseFile.h"
#include "termbase/TermbaseLinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace {

using bench::figure;

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &measured,
                const std::function<void()> &after)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        measured();
        times.push_back(bench::ms(t));
        after();
    }
    return bench::median(times);
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
    bench::size() = QString::number(concepts);
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
    figure("create_termbase", create, "ms");

    const double open = medianMs(
        21, [] {}, [&] { OpenTermbaseFile(path); }, [] { ReleaseTermbase(); });
    figure("open_termbase", open, "ms");

    OpenTermbaseFile(path);
    const double catalogue = medianMs(21, [] {}, [] { BuildDataCategoryCatalogue(); }, [] {});
    figure("build_catalogue", catalogue, "ms");
    ReleaseTermbase();

    // Linking: a thousand identifiers the ontology lacks, a thousand concepts to add.
    const auto unsettle = [&] {
        db::Database termbase = db::Database::open(path);
        db::Transaction tx(termbase);
        termbase.execute(QStringLiteral("DELETE FROM CONCEPTS WHERE rowid % 100 = 0"));
        for (int i = 0; i < 1000; ++i)
            termbase.execute(QStringLiteral("INSERT OR IGNORE INTO CONCEPTS VALUES (?)"), {QStringLiteral("X%1").arg(i)});
        tx.commit();
    };
    const double linking = medianMs(
        5, unsettle,
        [&] {
            TermbaseLink link(path);
            link.apply();
        },
        [] {});
    figure("link_termbase", linking, "ms");

    // Every change opens each linked file anew: three links, one addition and its undoing.
    for (const char *name : {"TermBases/big2.lxb", "TermBases/big3.lxb"})
        QFile::copy(path, dir.filePath(QLatin1String(name)));
    for (const char *name : {"TermBases/big.lxb", "TermBases/big2.lxb", "TermBases/big3.lxb"})
        OntologyDB.execute(QStringLiteral("INSERT INTO TermBases (DBName) VALUES (?)"), {dir.filePath(QLatin1String(name))});
    const double sync = medianMs(
        21, [] {},
        [&] { ChangeLinkedTermbases(QStringLiteral("NEW"), QStringLiteral("NEW"), ConceptChange::Added); },
        [&] { ChangeLinkedTermbases(QStringLiteral("NEW"), QStringLiteral("NEW"), ConceptChange::Deleted); });
    figure("sync_three_termbases", sync, "ms");
    OntologyDB.close();
    return 0;
}
