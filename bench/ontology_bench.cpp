// Times the ontology store's queries on one synthetic ontology (see make_ontology.cpp)
// and prints one line per figure, "<operation> <concepts> <median> <unit>", and one
// line per comparison, "ratio <operation> <concepts> <value>", so runs can be compared.
//
//   lx_ontology_bench <file.ont> [sqlite3 program]

#include "BenchOntology.h"
#include "Figures.h"
#include "ontology/Global.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using bench::figure;
using bench::median;
using bench::peakMegabytes;
using bench::ratio;

// Median wall time of fn in milliseconds; one untimed run first warms the caches.
double timeIt(int runs, const std::function<void()> &fn)
{
    fn();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}


QString literal(const QString &text) { return QLatin1Char('\'') + QString(text).replace("'", "''") + QLatin1Char('\''); }

// The same descendant set through the sqlite3 program: a recursive query, its rows
// written to the null device.
double cliDescendants(const QString &sqlite3, const QString &file, const QString &top, int runs, qsizetype expected)
{
    const QString sql = QStringLiteral("WITH RECURSIVE d(c) AS (SELECT Concept FROM ISA WHERE ISA = %1 UNION "
                                       "SELECT ISA.Concept FROM ISA JOIN d ON ISA.ISA = d.c) SELECT c FROM d;")
                            .arg(literal(top));
    const auto run = [&](bool count) {
        QProcess p;
        if (!count)
            p.setStandardOutputFile(QProcess::nullDevice());
        p.start(sqlite3, {QStringLiteral("-batch"), QStringLiteral("-readonly"), file,
                          count ? QString(sql).replace("SELECT c FROM d;", "SELECT count(*) FROM d;") : sql});
        p.waitForFinished(-1);
        return count ? p.readAllStandardOutput().trimmed().toLongLong() : 0;
    };
    const qsizetype got = run(true);
    if (got != expected)
        std::fprintf(stderr, "warning: sqlite3 found %lld descendants of %s, the store %lld\n", qlonglong(got),
                     qPrintable(top), qlonglong(expected));
    return timeIt(runs, [&] { run(false); });
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.ont> [sqlite3 program]\n", argv[0]);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString sqlite3 = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("sqlite3");
    const QHash<QString, QString> target = bench::readTargets(file + QStringLiteral(".targets"));
    if (target.isEmpty()) {
        std::fprintf(stderr, "no %s.targets: make the file with lx_make_ontology\n", qPrintable(file));
        return 1;
    }
    bench::size() = target.value("concepts");
    const qsizetype size = bench::size().toLongLong();

    OntologyDB = db::Database::open(file, {false, false, {}, ontologyTables()});
    RootConcept = FindRootConcept();
    const QString eight = target.value("eight-children");
    const QString deepest = target.value("deepest");
    const QString thousand = target.value("about-1000-descendants");
    const int many = 200;
    const int rootRuns = size >= 1000000 ? 5 : 11;

    std::fprintf(stderr, "%s: the deepest concept %s has %lld ancestors\n", qPrintable(file), qPrintable(deepest),
                 qlonglong(GetAncestors(deepest).size()));
    figure("GetChildren-8", timeIt(many, [&] { GetChildren(eight); }) * 1000, "us");
    figure("GetAncestors-deepest", timeIt(many, [&] { GetAncestors(deepest); }) * 1000, "us");
    figure("ComputeInherited-c-deepest", timeIt(many, [&] { ComputeInherited(deepest, "c", "all"); }), "ms");
    figure("ComputeInherited-x-deepest", timeIt(many, [&] { ComputeInherited(deepest, "x", "all"); }), "ms");

    const qsizetype nThousand = GetDescendants(thousand).size();
    const double storeThousand = timeIt(51, [&] { GetDescendants(thousand); });
    figure("GetDescendants-1k", storeThousand, "ms");
    const double cliThousand = cliDescendants(sqlite3, file, thousand, 21, nThousand);
    figure("sqlite3-cte-1k", cliThousand, "ms");
    ratio("GetDescendants-1k/sqlite3-cte", storeThousand / cliThousand);
    figure("peak-memory-before-root-descendants", peakMegabytes(), "MB");

    const qsizetype nRoot = GetDescendants(RootConcept).size();
    const double storeRoot = timeIt(rootRuns, [&] { GetDescendants(RootConcept); });
    figure("GetDescendants-root", storeRoot, "ms");
    const double cliRoot = cliDescendants(sqlite3, file, RootConcept, rootRuns, nRoot);
    figure("sqlite3-cte-root", cliRoot, "ms");
    ratio("GetDescendants-root/sqlite3-cte", storeRoot / cliRoot);
    figure("peak-memory", peakMegabytes(), "MB");
    OntologyDB.close();
    return 0;
}
