// The export file at scale: exporting every concept of a synthetic ontology, Check File
// of that file and its import into a new ontology that holds only the seed, with the
// sqlite3 program loading the same CONCEPTS rows (with their definitions) and ISA rows
// into the same schema from CSV files as the peer of the import. Prints
// "<operation> <concepts> <value> <unit>" and "ratio <operation> <concepts> <value>".
//
//   lx_exchange_bench <file.ont> [sqlite3 program] [runs]
//   lx_exchange_bench --refused-lines <count>

#include "Figures.h"
#include "exchange/OxpExport.h"
#include "exchange/OxpImport.h"
#include "ontology/Global.h"
#include "ontology/OntologySchema.h"
#include "ui/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace bench;

QStringList column(const QString &sql)
{
    QStringList out;
    db::Statement st(OntologyDB, sql);
    while (st.step())
        out << st.column(0).toString();
    return out;
}

void open(const QString &path)
{
    OntologyDB.close();
    OntologyPath = path;
    OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    OntologyDB = db::Database::open(path, {false, false, {}, ontologyTables()});
    RootConcept = FindRootConcept();
}

QByteArray csvField(const QString &text)
{
    return '"' + text.toUtf8().replace('"', "\"\"") + '"';
}

// The rows the import added, as CSV files the sqlite3 program reads.
void writeCsv(const QString &dir, const QSet<QString> &seedConcepts, const QSet<QString> &seedLinks)
{
    QFile conceptsCsv(dir + "/concepts.csv"), isaCsv(dir + "/isa.csv");
    conceptsCsv.open(QIODevice::WriteOnly);
    isaCsv.open(QIODevice::WriteOnly);
    db::Statement c(OntologyDB, "SELECT Concept, Definition, Type FROM CONCEPTS");
    while (c.step())
        if (!seedConcepts.contains(c.column(0).toString()))
            conceptsCsv.write(csvField(c.column(0).toString()) + ',' + csvField(c.column(1).toString()) + ',' +
                              QByteArray::number(c.column(2).toInt()) + '\n');
    db::Statement i(OntologyDB, "SELECT Concept, ISA FROM ISA");
    while (i.step()) {
        const QString child = i.column(0).toString(), parent = i.column(1).toString();
        if (!seedLinks.contains(child + '\n' + parent))
            isaCsv.write(csvField(child) + ',' + csvField(parent) + '\n');
    }
}

double sqliteImportMs(const QString &sqlite3, const QString &file, const QString &dir)
{
    const QString script = QStringLiteral(
        "PRAGMA foreign_keys = ON;\n"
        "BEGIN;\n"
        "CREATE TEMP TABLE sc (Concept TEXT, Definition TEXT, Type INTEGER);\n"
        "CREATE TEMP TABLE si (Concept TEXT, ISA TEXT);\n"
        ".mode csv\n"
        ".import %1/concepts.csv sc\n"
        ".import %1/isa.csv si\n"
        "INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) SELECT Concept, NULLIF(Definition, ''), Type, 1 FROM sc;\n"
        "INSERT INTO ISA (Concept, ISA) SELECT Concept, ISA FROM si;\n"
        "COMMIT;\n").arg(dir);
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(sqlite3, {QStringLiteral("-batch"), file});
    p.write(script.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(-1);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    const QByteArray err = p.readAllStandardError();
    if (p.exitCode() != 0 || !err.isEmpty())
        std::fprintf(stderr, "sqlite3: %s\n", err.constData());
    return ms;
}

}  // namespace

// Check File and import of a file whose every line is refused, each kind of refusal in
// turn, into a new ontology; in a process of its own, so its peak memory is its own.
int refusedLines(qint64 count)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("refused.oxp");
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        QByteArray chunk;
        for (qint64 i = 0; i < count; ++i) {
            const QByteArray n = QByteArray::number(i);
            switch (i % 4) {
            case 0: chunk += "(C" + n + " IS-A VALUE P" + n + " 7)\r\n"; break;
            case 1: chunk += "(C" + n + " DEFINITION VALUE \"not in the ontology\")\r\n"; break;
            case 2: chunk += "C" + n + " IS-A VALUE P" + n + " 1\r\n"; break;
            default: chunk += "(C" + n + " DOMAIN SEM  D" + n + ")\r\n"; break;
            }
            if (chunk.size() > (1 << 20)) {
                out.write(chunk);
                chunk.clear();
            }
        }
        out.write(chunk);
    }
    const QString target = dir.filePath("target.ont");
    OntologyPath = target;
    CreateOntologyDatabase(target);
    size() = QString::number(count);
    OxpLog log;
    const OxpCheckResult check = CheckOxpFile(file, {}, log);
    log.takeShown();
    ImportOxpFile(check, {}, log);
    log.takeShown();
    figure("peak-memory-import-refused-lines", peakMegabytes(), "MB");
    OntologyDB.close();
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--refused-lines") {
        ui::setAppPath(QCoreApplication::applicationDirPath());
        return refusedLines(QByteArray(argv[2]).toLongLong());
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.ont> [sqlite3 program]\n", argv[0]);
        return 2;
    }
    const QString source = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString sqlite3 = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("sqlite3");
    QTemporaryDir dir(QFileInfo(source).absolutePath() + "/exchange-XXXXXX");
    ui::setAppPath(QCoreApplication::applicationDirPath());

    // Export: every concept, in the list's alphabetical order.
    open(source);
    const QStringList all = column("SELECT Concept FROM CONCEPTS ORDER BY Concept");
    size() = QString::number(all.size());
    const QString file = dir.filePath("all.oxp");
    QElapsedTimer t;
    t.start();
    ExportConceptsToOxp(file, all);
    const double exportMs = double(t.nsecsElapsed()) / 1e6;
    const double exportMemory = peakMegabytes();
    OntologyDB.close();

    // A new ontology holding only the seed; every run imports into a fresh copy of it, and
    // the sqlite3 program loads into another, alternately, so both meet the same load.
    const QString seedOnly = dir.filePath("seed.ont");
    OntologyPath = seedOnly;
    CreateOntologyDatabase(seedOnly);
    const QStringList seed = column("SELECT Concept FROM CONCEPTS");
    const QSet<QString> seedConcepts(seed.begin(), seed.end());
    QSet<QString> seedLinks;
    {
        db::Statement st(OntologyDB, "SELECT Concept, ISA FROM ISA");
        while (st.step())
            seedLinks.insert(st.column(0).toString() + '\n' + st.column(1).toString());
    }
    OntologyDB.close();

    const int runs = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : (all.size() > 500000 ? 3 : 5);
    std::vector<double> checkMs, importMs, peerMs;
    double lines = 0;
    for (int run = 0; run < runs; ++run) {
        const QString target = dir.filePath(QStringLiteral("target-%1.ont").arg(run));
        QFile::copy(seedOnly, target);
        open(target);
        t.restart();
        OxpLog log;
        const OxpCheckResult check = CheckOxpFile(file, {}, log);
        checkMs.push_back(double(t.nsecsElapsed()) / 1e6);
        lines = double(check.lines);
        const QString checkLog = log.takeShown();
        if (run == 0 && !checkLog.isEmpty())
            std::fprintf(stderr, "check log: %s\n", qPrintable(checkLog.left(2000)));
        t.restart();
        const OxpImportResult imported = ImportOxpFile(check, {}, log);
        importMs.push_back(double(t.nsecsElapsed()) / 1e6);
        if (run == 0) {
            const qlonglong after = OntologyDB.scalar("SELECT count(*) FROM CONCEPTS").toLongLong();
            if (after != all.size())
                std::fprintf(stderr, "warning: %lld concepts after the import (%lld added), %lld exported\n", after,
                             qlonglong(imported.conceptsAdded), qlonglong(all.size()));
            writeCsv(dir.path(), seedConcepts, seedLinks);
        }
        OntologyDB.close();
        QFile::remove(target);
        const QString peer = dir.filePath(QStringLiteral("peer-%1.ont").arg(run));
        QFile::copy(seedOnly, peer);
        peerMs.push_back(sqliteImportMs(sqlite3, peer, dir.path()));
        QFile::remove(peer);
    }
    const double check = median(checkMs), import = median(importMs), peer = median(peerMs);
    figure("export-all", exportMs / 1000.0, "s");
    figure("export-all", lines / (exportMs / 1000.0), "lines/s");
    figure("check-file", check / 1000.0, "s");
    figure("check-file", lines / (check / 1000.0), "lines/s");
    figure("import", import / 1000.0, "s");
    figure("import", lines / (import / 1000.0), "lines/s");
    figure("sqlite3-import", peer / 1000.0, "s");
    ratio("import/sqlite3-import", import / peer);
    figure("peak-memory-export", exportMemory, "MB");
    figure("peak-memory-check-and-import", peakMegabytes(), "MB");
    return 0;
}
