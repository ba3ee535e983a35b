// Creating a termbase for a large ontology, opening it for work, linking it to the
// ontology and keeping three linked termbases in step with one concept change.
// Prints "<operation> <concepts> <median> <unit>" lines.
#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "termbase/Catalogue.h"
#include "termbase/NewTermbase.h"
#include "termbase/TermbaseFile.h"
#include "termbase/TermbaseLinks.h"
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
    std::printf("link_termbase %d %.1f ms\n", concepts, linking);

    // Every change opens each linked file anew: three links, one addition and its undoing.
    for (const char *name : {"TermBases/big2.lxb", "TermBases/big3.lxb"})
        QFile::copy(path, dir.filePath(QLatin1String(name)));
    for (const char *name : {"TermBases/big.lxb", "TermBases/big2.lxb", "TermBases/big3.lxb"})
        OntologyDB.execute(QStringLiteral("INSERT INTO TermBases (DBName) VALUES (?)"), {dir.filePath(QLatin1String(name))});
    const double sync = medianMs(
        21, [] {},
        [&] { ChangeLinkedTermbases(QStringLiteral("NEW"), QStringLiteral("NEW"), ConceptChange::Added); },
        [&] { ChangeLinkedTermbases(QStringLiteral("NEW"), QStringLiteral("NEW"), ConceptChange::Deleted); });
    std::printf("sync_three_termbases %d %.2f ms\n", concepts, sync);
    OntologyDB.close();
    return 0;
}
